// CQELListCtrl: rows that move under an edit. The open edit, the editor reporting its end, a pending click
// and the edit starts under way follow their records while rows are inserted, deleted and sorted.
#include "QELListCtrlInternal.h"

#include <string.h>

using namespace QELList;

// Gives the list the focus, so that the open editor commits and goes. Inside a row insertion or deletion the
// open edit's row is followed only afterwards (a scroll bar that comes or goes resizes the list meanwhile): the
// commit waits until then, so that the editor reports for its own record.
void CQELListCtrl::CommitOpenEdit()
{
    if (m_pEditCtrl == NULL)
        return;
    if (m_bChangingRows)
        m_bCommitAfterRowChange = TRUE;
    else
        SetFocus();
}

// The list view's own processing of a message that inserts, deletes or reorders rows.
LRESULT CQELListCtrl::DefaultRowChange()
{
    const BOOL bOuter = !m_bChangingRows;
    m_bChangingRows = TRUE;
    const LRESULT lResult = Default();
    if (bOuter)
        m_bChangingRows = FALSE;
    return lResult;
}

LRESULT CQELListCtrl::OnInsertItem(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const CPoint ptEditBefore = EditCellOrigin();
    const LRESULT lResult = DefaultRowChange();
    RowsChanged((int)lResult >= 0 ? rowInserted : rowsKept, (int)lResult, ptEditBefore);
    return lResult;
}

LRESULT CQELListCtrl::OnDeleteItem(WPARAM wParam, LPARAM /*lParam*/)
{
    const CPoint ptEditBefore = EditCellOrigin();
    NoteGoneRecords((int)wParam);
    const LRESULT lResult = DefaultRowChange();
    RowsChanged(lResult ? rowDeleted : rowsKept, (int)wParam, ptEditBefore);
    return lResult;
}

LRESULT CQELListCtrl::OnDeleteAllItems(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const CPoint ptEditBefore = EditCellOrigin();
    NoteGoneRecords(-1);
    const LRESULT lResult = DefaultRowChange();
    RowsChanged(lResult ? rowsReordered : rowsKept, -1, ptEditBefore);
    return lResult;
}

LRESULT CQELListCtrl::OnSortItems(WPARAM wParam, LPARAM lParam)
{
    // The open edit commits to its own row before the rows move.
    const BOOL bEditing = m_pEditCtrl != NULL;
    if (bEditing)
        SetFocus();
    const CPoint ptEditBefore = EditCellOrigin();
    NoteGoneRecords(-1);
    const LRESULT lResult = SortRows(wParam, lParam);
    RowsChanged(lResult ? rowsReordered : rowsKept, -1, ptEditBefore);
    // Move requests of the edit that was open name rows of the old order.
    if (bEditing && m_pEditCtrl == NULL)
        PurgeMoveRequests();
    return lResult;
}

// Item data of the edited records whose rows a change takes away (nRow, or -1 for all rows), for their end
// reports.
void CQELListCtrl::NoteGoneRecords(int nRow)
{
    if (m_pEditCtrl != NULL && m_nEditItem >= 0 && (nRow < 0 || nRow == m_nEditItem))
        m_dwEditGoneData = ItemData(m_nEditItem);
    if (m_pReportEdit != NULL && m_nReportItem >= 0 && (nRow < 0 || nRow == m_nReportItem))
        m_dwReportGoneData = ItemData(m_nReportItem);
}

// Top left of the open edit's cell, to move the editor by as much as the cell moves.
CPoint CQELListCtrl::EditCellOrigin()
{
    CRect rect(0, 0, 0, 0);
    if (m_pEditCtrl != NULL && m_nEditItem >= 0)
        GetSubItemRect(m_nEditItem, m_nEditSubItem, LVIR_LABEL, rect);
    return rect.TopLeft();
}

void CQELListCtrl::RowsChanged(RowChange change, int nRow, const CPoint& ptEditBefore)
{
    FollowRows(change, nRow);
    if (m_bCommitAfterRowChange && !m_bChangingRows)
    {
        m_bCommitAfterRowChange = FALSE;
        CommitOpenEdit();
    }
    // The open edit's record was deleted (or the rows reordered under an editor that never took the focus): the
    // edit ends with one WM_QEL_LISTEDITEND and its text is stored nowhere.
    if (m_pEditCtrl != NULL && m_nEditItem < 0)
        EndEdit(TRUE);
    if (m_pEditCtrl == NULL)
        return;
    const CPoint ptDelta = EditCellOrigin() - ptEditBefore;
    if (ptDelta != CPoint(0, 0) && m_pEditCtrl->GetSafeHwnd() != NULL)
    {
        CRect rect;
        m_pEditCtrl->GetWindowRect(&rect);
        ScreenToClient(&rect);
        m_pEditCtrl->SetWindowPos(NULL, rect.left + ptDelta.x, rect.top + ptDelta.y, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Moves every row index that names a record with that record: the open and the reporting edit, the pending
// click and the edit starts under way. A deleted record, or rows in a new order, leave -1.
void CQELListCtrl::FollowRows(RowChange change, int nRow)
{
    struct Follow
    {
        static void Row(int& nIndex, RowChange change, int nRow)
        {
            if (nIndex < 0)
                return;
            if (change == rowsReordered || (change == rowDeleted && nIndex == nRow))
                nIndex = -1;
            else if (change == rowInserted && nIndex >= nRow)
                ++nIndex;
            else if (change == rowDeleted && nIndex > nRow)
                --nIndex;
        }
    };
    if (m_pEditCtrl != NULL)
        Follow::Row(m_nEditItem, change, nRow);
    if (m_pReportEdit != NULL)
        Follow::Row(m_nReportItem, change, nRow);
    Follow::Row(m_nClickItem, change, nRow);
    for (CTrackedRow* pRow = m_pTrackedRows; pRow != NULL; pRow = pRow->m_pNext)
        Follow::Row(pRow->m_nRow, change, nRow);
}

void CQELListCtrl::EndEdit(BOOL bCommit)
{
    CWnd* const pEdit = m_pEditCtrl;
    if (pEdit == NULL)
        return;
    const UINT nCtrlID = (UINT)pEdit->GetDlgCtrlID();
    const int nEnds = m_nEndsForwarded;
    // An editor commits as it loses the focus. Escape is how every editor cancels: its key rules set its cancel
    // flag and hand the focus back.
    if (bCommit)
        SetFocus();
    else
        pEdit->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    if (m_pEditCtrl == pEdit)
        DestroyEditControl();
    // Its move requests still in the queue name rows that may hold other records by now.
    PurgeMoveRequests();
    if (m_nEndsForwarded != nEnds || m_pReportEdit == pEdit)
        return;
    // The editor had no focus to lose, so it reported nothing: its end is reported for it.
    ReportEndFor(nCtrlID, m_nEditItem, m_nEditSubItem, m_dwEditGoneData);
}

// The parent of an owner-data list changes the count when its rows change, and the list cannot see where they
// went: the open edit ends first, reporting for the row it was opened on. A count raised while the parent is
// asked for a row past the last appends that row and moves none, as on any list.
LRESULT CQELListCtrl::OnSetItemCount(WPARAM wParam, LPARAM /*lParam*/)
{
    if (IsOwnerData() && !(m_bAskingForRow && (int)wParam >= GetItemCount()))
        EndEdit(TRUE);
    return Default();
}

void CQELListCtrl::PurgeMoveRequests()
{
    MSG msg;
    while (::PeekMessage(&msg, m_hWnd, WM_QEL_LISTITEMEDIT, WM_QEL_LISTITEMEDIT, PM_REMOVE))
    {
    }
}
