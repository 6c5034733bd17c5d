// Entry point of QELCtrl.dll as an MFC extension DLL: the DLL joins the application's chain of extension DLLs
// at load and leaves it at unload.
#include <afxwin.h>
#include <afxdllx.h>

#ifdef _AFXEXT

namespace {

AFX_EXTENSION_MODULE g_extensionModule = { FALSE, NULL, NULL, NULL, NULL };

} // namespace

extern "C" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(g_extensionModule, hInstance))
            return 0;
        new CDynLinkLibrary(g_extensionModule);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(g_extensionModule);
    }
    return 1;
}

#endif // _AFXEXT
