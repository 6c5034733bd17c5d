// The scripted tour of --screenshot: opens the editors, the column menu, sorts and switches the look,
// writing one PNG per step, then closes the demo.
#pragma once

#include <afxwin.h>

class CDemoDlg;

// Drives the demo dialog step by step from a timer and saves a screenshot after each step.
class CScreenshotTour
{
public:
    explicit CScreenshotTour(const CString& strFolder);

    void Start(CDemoDlg* pDlg);
    BOOL OnTimer(UINT_PTR nIDEvent);       // TRUE when the timer was the tour's
    int  GetExitCode() const { return m_nExitCode; }

private:
    void Act(int nStep);
    void Shoot(LPCTSTR pszName);           // writes pszName, the scaling suffix and ".png" to the folder
    void EndEdit();
    void TypeIntoEditor(LPCTSTR pszText);

    CString   m_strFolder;
    CString   m_strSuffix;   // "-150" at 150 % display scaling, empty at 100 %
    CDemoDlg* m_pDlg;
    int       m_nStep;
    int       m_nExitCode;
};
