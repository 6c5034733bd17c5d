// The demo application object.
#pragma once

#include <afxwin.h>

class CScreenshotTour;

// Runs the demo dialog; with --screenshot DIR it runs the scripted tour and exits.
class CQELDemoApp : public CWinApp
{
public:
    CQELDemoApp();

    BOOL InitInstance() override;
    int  ExitInstance() override;

private:
    int m_nExitCode;
};
