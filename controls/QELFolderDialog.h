// Folder chooser built on the shell's folder browser.
#pragma once

#include <afxwin.h>
#include <shlobj.h>

#include "QELCtrlApi.h"

// Manages one run of the shell's folder browser and the item list it returns.
// The browser runs modally inside the constructor; DoModal turns the choice into a path.
class QELCTRL_API CQELFolderDialog : public CObject
{
    DECLARE_DYNAMIC(CQELFolderDialog)

// Construction
public:
    CQELFolderDialog(CWnd* pParentWnd = NULL, LPCTSTR lpszInitialFolder = NULL, LPCTSTR lpszTitle = NULL,
                     UINT nFlags = 1);
    virtual ~CQELFolderDialog();

// Operations
public:
    // IDOK (1) when the choice has a file-system path, else IDABORT (3). Shows nothing; may be repeated.
    int DoModal();

// Attributes
public:
    CString GetFolder() const;
    // Image index of the chosen folder in the system image list, -1 when the browser set none.
    int GetFolderImage() const;

private:
    static int CALLBACK BrowseCallbackProc(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

    LPITEMIDLIST m_pidlSelected;              // the browser's answer, owned; null when cancelled
    CString      m_strFolder;                 // path of the choice; empty until DoModal succeeds
    IMalloc*     m_pMalloc;                   // the shell's allocator; null when none was obtained
    CString      m_strInitialFolder;          // folder preselected when the browser opens
    BROWSEINFO   m_bi;                        // the browser's parameter block
    TCHAR        m_szDisplayName[MAX_PATH];   // display name of the choice, written by the browser

    CQELFolderDialog(const CQELFolderDialog&);
    CQELFolderDialog& operator=(const CQELFolderDialog&);
};
