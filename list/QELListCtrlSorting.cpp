// CQELListCtrl: sorting through the header and the compare hook.
#include "QELListCtrlInternal.h"

#include <limits.h>

using namespace QELList;

namespace {

// The application's wait cursor for the length of a scope, also when an exception leaves it.
class CAppWaitCursor
{
public:
    CAppWaitCursor() : m_pApp(AfxGetApp())
    {
        if (m_pApp != NULL)
            m_pApp->BeginWaitCursor();
    }
    ~CAppWaitCursor()
    {
        if (m_pApp != NULL)
            m_pApp->EndWaitCursor();
    }
    CAppWaitCursor(const CAppWaitCursor&) = delete;
    CAppWaitCursor& operator=(const CAppWaitCursor&) = delete;

private:
    CWinApp* m_pApp;
};

} // namespace

// ---- Sorting -----------------------------------------------------------------------------------------

int CQELListCtrl::OnCompareItems(LPARAM /*lParam1*/, LPARAM /*lParam2*/, int /*nColumn*/)
{
    return 0;
}

void CQELListCtrl::Sort(int nColumn, int bAscending, int bAdd)
{
    CAppWaitCursor waitCursor;
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader == NULL || !pHeader->IsEnableSortColumn(nColumn))
        return;
    // The editor knows its cell by row index: it reports to its own row before the rows move.
    if (m_pEditCtrl != NULL)
        SetFocus();
    pHeader->SetSortColumn(nColumn, bAscending, bAdd);
    m_nSortColumn = nColumn;
    m_bSortAscending = bAscending;
    SendMessage(LVM_SORTITEMS, (WPARAM)this, (LPARAM)&CQELListCtrl::CompareProc);
}

int CALLBACK CQELListCtrl::CompareProc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    CQELListCtrl* pList = (CQELListCtrl*)lParamSort;
    const int nResult = pList->OnCompareItems(lParam1, lParam2, pList->m_nSortColumn);
    if (pList->m_bSortAscending)
        return nResult;
    return nResult == INT_MIN ? INT_MAX : -nResult;
}

void CQELListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pInfo = (const NMLISTVIEW*)pNMHDR;
    const int nColumn = pInfo->iSubItem;
    const BOOL bShift = (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    const int nState = pHeader != NULL ? pHeader->GetColumnState(nColumn) : 0;
    // Unmarked or ascending columns turn descending; only a descending one turns ascending.
    const int bAscending = nState == -1 ? 1 : 0;
    const int bAdd = (bShift && IsMultipleSort()) ? 1 : 0;
    Sort(nColumn, bAscending, bAdd);
    *pResult = 0;
}
