// The application object, as the wizard writes it for a dialog-based application. The exit code is 0 when
// the dialog closed with OK after hearing from its list.
#include "pch.h"
#include "resource.h"
#include "WizardDlg.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#endif

class CWizardApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    int m_nExitCode = 1;
};

CWizardApp theApp;

BOOL CWizardApp::InitInstance()
{
    INITCOMMONCONTROLSEX InitCtrls;
    InitCtrls.dwSize = sizeof(InitCtrls);
    InitCtrls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&InitCtrls);

    CWinApp::InitInstance();

    CWizardDlg dlg;
    m_pMainWnd = &dlg;
    const INT_PTR nResponse = dlg.DoModal();
    m_nExitCode = nResponse == IDOK && dlg.HeardFromTheList() ? 0 : 1;

    // The dialog has been closed: return FALSE so that the application exits rather than start its message pump.
    return FALSE;
}

int CWizardApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nExitCode;
}
