// Entry point of every test program: an MFC console application running GoogleTest.
#include "QELTest.h"

#include <commctrl.h>

CWinApp theApp(_T("QELTest"));

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), 0))
        return 2;
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES };
    ::InitCommonControlsEx(&icc);
    return RUN_ALL_TESTS();
}
