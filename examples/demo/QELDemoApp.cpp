// Start-up of the demo: command line, common controls, the dialog as main window.
#include "QELDemoApp.h"

#include "DemoDlg.h"
#include "ScreenshotTour.h"

#include <commctrl.h>
#include <memory>

CQELDemoApp theApp;

CQELDemoApp::CQELDemoApp()
    : CWinApp(_T("QELDemo")), m_nExitCode(0)
{
}

BOOL CQELDemoApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES };
    ::InitCommonControlsEx(&icc);

    // --screenshot DIR: the scripted tour writes its pictures to DIR and closes the demo.
    CString cmdLine(m_lpCmdLine);
    std::unique_ptr<CScreenshotTour> tour;
    const int at = cmdLine.Find(_T("--screenshot"));
    if (at >= 0)
    {
        CString folder = cmdLine.Mid(at + 12);
        folder.TrimLeft();
        folder.TrimRight();
        folder.Remove(_T('"'));
        tour.reset(new CScreenshotTour(folder.IsEmpty() ? CString(_T(".")) : folder));
    }

    CDemoDlg dlg(tour.get());
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = NULL;
    if (tour)
        m_nExitCode = tour->GetExitCode();
    return FALSE;
}

int CQELDemoApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nExitCode;
}
