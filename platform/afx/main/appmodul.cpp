// Entry point of MFC GUI programs: the application object built by the program runs through AfxWinMain.
// A Unicode program starts at wWinMain, with its command line in wide characters.
#include <afxwin.h>

#ifdef _UNICODE
extern "C" int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
#else
extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
#endif
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
