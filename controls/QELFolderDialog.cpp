// Folder chooser built on the shell's folder browser.
#include "QELFolderDialog.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CQELFolderDialog, CObject)

CQELFolderDialog::CQELFolderDialog(CWnd* pParentWnd, LPCTSTR lpszInitialFolder, LPCTSTR lpszTitle, UINT nFlags)
    : m_pidlSelected(NULL)
    , m_pMalloc(NULL)
{
    memset(m_szDisplayName, 0, sizeof(m_szDisplayName));
    memset(&m_bi, 0, sizeof(m_bi));

    m_strInitialFolder = lpszInitialFolder != NULL ? lpszInitialFolder : _T("");

    if (FAILED(::SHGetMalloc(&m_pMalloc)))
        m_pMalloc = NULL;

    m_bi.hwndOwner = pParentWnd != NULL ? pParentWnd->GetSafeHwnd() : NULL;
    m_bi.pidlRoot = NULL;
    m_bi.pszDisplayName = m_szDisplayName;
    m_bi.lpszTitle = lpszTitle != NULL ? lpszTitle : _T("");
    m_bi.ulFlags = nFlags;
    m_bi.lpfn = BrowseCallbackProc;
    m_bi.lParam = (LPARAM)this;
    m_bi.iImage = -1;

    m_pidlSelected = ::SHBrowseForFolder(&m_bi);
}

CQELFolderDialog::~CQELFolderDialog()
{
    if (m_pMalloc != NULL)
    {
        m_pMalloc->Free(m_pidlSelected);
        m_pMalloc->Release();
        m_pMalloc = NULL;
    }
}

int CQELFolderDialog::DoModal()
{
    if (m_pidlSelected == NULL)
        return IDABORT;

    TCHAR szPath[MAX_PATH];
    memset(szPath, 0, sizeof(szPath));
    if (!::SHGetPathFromIDList(m_pidlSelected, szPath))
        return IDABORT;

    m_strFolder = szPath;
    return IDOK;
}

CString CQELFolderDialog::GetFolder() const
{
    return m_strFolder;
}

int CQELFolderDialog::GetFolderImage() const
{
    return m_bi.iImage;
}

int CALLBACK CQELFolderDialog::BrowseCallbackProc(HWND hwnd, UINT uMsg, LPARAM, LPARAM lpData)
{
    if (uMsg == BFFM_INITIALIZED)
    {
        const CQELFolderDialog* pThis = (const CQELFolderDialog*)lpData;
        ::SendMessage(hwnd, BFFM_SETSELECTION, TRUE, (LPARAM)(LPCTSTR)pThis->m_strInitialFolder);
    }
    return 0;
}
