// CQELListCtrl: starting an edit (by a call or a delayed click), placing the editor over its cell, the
// editor's reports, and the list's side of ending an edit.
#include "QELListCtrlInternal.h"
#include "QELBaseListItem.h"
#include "QELListKeysInternal.h"

#include <stdlib.h>
#include <string.h>
#include <memory>

using namespace QELList;
using QELListKeys::IsKeyDown;

namespace {

// The private copy of a column style taken for one edit start: the parent may replace or remove the stored
// style (and free its data block) while it is asked, and the factory still reads the copy afterwards.
class CEditStyle
{
public:
    CEditStyle() : m_pData(NULL) { memset(&m_style, 0, sizeof(m_style)); }
    ~CEditStyle() { free(m_pData); }
    CEditStyle(const CEditStyle&) = delete;
    CEditStyle& operator=(const CEditStyle&) = delete;

    // FALSE when the data block could not be copied.
    BOOL Take(const _tag_QELListColumnStyle& stored)
    {
        m_style = stored;
        if (stored.pData == NULL || stored.nDataLen <= 0)
            return TRUE;
        // The stored block holds nDataLen characters and a terminating zero.
        const size_t nSize = ((size_t)stored.nDataLen + 1) * sizeof(TCHAR);
        m_pData = (LPTSTR)malloc(nSize);
        if (m_pData == NULL)
            return FALSE;
        memcpy(m_pData, stored.pData, nSize);
        m_style.pData = m_pData;
        return TRUE;
    }
    _tag_QELListColumnStyle* Get() { return &m_style; }

private:
    _tag_QELListColumnStyle m_style;
    LPTSTR                  m_pData;
};

} // namespace

void CQELListCtrl::DestroyEditControl()
{
    // Cleared before the delete: destroying the window may bring its reports back here. An editor that is
    // reporting its end is deleted when the end arrives, not from inside its own report.
    CWnd* pEdit = m_pEditCtrl;
    m_pEditCtrl = NULL;
    if (pEdit != m_pReportEdit)
        delete pEdit;
}

BOOL CQELListCtrl::IsCellInList(int nItem, int nSubItem)
{
    const BOOL bReport = IsReportStyle(::GetWindowLong(m_hWnd, GWL_STYLE));
    const int nColumns = bReport ? (int)::SendMessage(HeaderWindow(GetHeaderCtrl()), HDM_GETITEMCOUNT, 0, 0) : 1;
    const int nCount = (int)SendMessage(LVM_GETITEMCOUNT);
    return nItem >= 0 && nItem < nCount && nSubItem >= 0 && nSubItem < nColumns;
}

int CQELListCtrl::CheckEditCell(int nItem, int nSubItem)
{
    if (!IsCellInList(nItem, nSubItem))
        return 2;
    if (!IsEditColumn(nSubItem))
        return 3;
    if (!IsVisibleColumn(nSubItem))
        return 4;
    // A column dragged to no width shows nothing to type into: it is passed over as a hidden one is.
    const HWND hHeader = HeaderWindow(GetHeaderCtrl());
    if (hHeader != NULL && IsReportStyle(::GetWindowLong(m_hWnd, GWL_STYLE)))
    {
        HDITEM item;
        memset(&item, 0, sizeof(item));
        item.mask = HDI_WIDTH;
        if (::SendMessage(hHeader, HDM_GETITEM, (WPARAM)nSubItem, (LPARAM)&item) && item.cxy <= 0)
            return 4;
    }
    return 0;
}

int CQELListCtrl::EditSubItem(int nItem, int nSubItem)
{
    const int nCheck = CheckEditCell(nItem, nSubItem);
    if (nCheck != 0)
        return nCheck;

    _tag_QELListColumnStyle stored;
    memset(&stored, 0, sizeof(stored));
    if (!GetEditColumnStyle(nSubItem, stored))
        return 3;
    CEditStyle style;
    if (!style.Take(stored))
        return -1;
    std::unique_ptr<CQELBaseListItem> factory((CQELBaseListItem*)stored.pRuntimeClass->CreateObject());
    if (!factory)
        return -1;

    _tag_QELListEditInfo info;
    memset(&info, 0, sizeof(info));
    info.nItem = nItem;
    info.nSubItem = nSubItem;
    info.dwItemData = ItemData(nItem);
    info.lColumnData = GetColumnData(nSubItem);
    info.pStyle = style.Get();
    const WPARAM wParam = IdWParam(m_hWnd, 0);
    // The parent, and the reports of an open edit below, may insert and delete rows: the row follows its record.
    CTrackedRow row(this, nItem);
    if (SendToParent(WM_QEL_LISTEDITBEGIN, wParam, (LPARAM)&info) != 0)
        return 1;

    // An open editor loses the focus here, reports and is deleted.
    SetFocus();
    if (row.m_nRow < 0 || !IsCellInList(row.m_nRow, nSubItem))
        return 2;
    info.nItem = row.m_nRow;
    OpenEditor(factory.get(), info, wParam);
    factory.reset();

    // The parent may have destroyed the list while it heard of the editor.
    if (row.m_nRow >= 0 && ::IsWindow(m_hWnd))
        SelectOnlyRow(row.m_nRow);
    return 0;
}

// Scrolls the cell of info into view and has the factory lay the editor over it; the parent hears of the
// editor with WM_QEL_LISTITEMCONST.
void CQELListCtrl::OpenEditor(CQELBaseListItem* pFactory, _tag_QELListEditInfo& info, WPARAM wParam)
{
    const int nItem = info.nItem;
    const int nSubItem = info.nSubItem;
    ScrollCellIntoView(nItem, nSubItem);

    CRect rect;
    GetSubItemRect(nItem, nSubItem, LVIR_LABEL, rect);
    if (SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_GRIDLINES)
        rect.top -= 1;

    // An editor that never took the focus survived the focus change before; it goes now instead of leaking.
    if (m_pEditCtrl != NULL)
        DestroyEditControl();
    m_pEditCtrl = pFactory->CreateItem(nItem, nSubItem, rect, info.pStyle, this);
    if (m_pEditCtrl == NULL)
        return;
    // Set before the parent hears of the editor, so that rows it inserts or deletes move this edit too.
    m_nEditItem = nItem;
    m_nEditOpenItem = nItem;
    m_nEditSubItem = nSubItem;
    m_dwEditGoneData = 0;
    info.nCtrlID = (UINT)m_pEditCtrl->GetDlgCtrlID();
    info.pEditWnd = m_pEditCtrl;
    SendToParent(WM_QEL_LISTITEMCONST, wParam, (LPARAM)&info);
}

void CQELListCtrl::ScrollCellIntoView(int nItem, int nSubItem)
{
    SendMessage(LVM_ENSUREVISIBLE, (WPARAM)nItem, TRUE);

    CRect rect;
    GetSubItemRect(nItem, nSubItem, LVIR_LABEL, rect);
    CRect rectClient;
    GetClientRect(&rectClient);
    if (rectClient.right < rect.right)
    {
        const int nDelta = rect.right - rectClient.right;
        // Scrolling by nDelta would push the cell's left edge out of view: align the left edges instead.
        if (nDelta - rect.left + rectClient.left > 0)
            SendMessage(LVM_SCROLL, (WPARAM)(INT_PTR)rect.left, 0);
        else
            SendMessage(LVM_SCROLL, (WPARAM)(INT_PTR)nDelta, 0);
    }
    // Measured before any scrolling above, as the cell was when the edit started.
    if (rect.left < 0)
        SendMessage(LVM_SCROLL, (WPARAM)(INT_PTR)rect.left, 0);
}

void CQELListCtrl::SelectOnlyRow(int nItem)
{
    const UINT nBoth = LVIS_SELECTED | LVIS_FOCUSED;
    if ((GetStyle() & LVS_SINGLESEL) == 0)
        DropOtherSelection(nItem);
    SetItemState(nItem, nBoth, nBoth);
}

// What single selection does when a row takes the selection and focus, without switching LVS_SINGLESEL on and
// off around it (each switch makes the list view lay out and repaint its scroll bars): the other selected rows
// lose their selection in ascending order, then the focused row its focus. The parent gets the same
// notifications, except that the row's own LVN_ITEMCHANGING comes after these instead of before them.
void CQELListCtrl::DropOtherSelection(int nItem)
{
    // Finding selected rows means walking the rows: a single other one is looked for where it usually is.
    const int nOthers = (int)GetSelectedCount() - (GetItemState(nItem, LVIS_SELECTED) != 0 ? 1 : 0);
    if (nOthers > 1 || (nOthers == 1 && !DropSelectionOf(GetNextItem(-1, LVNI_FOCUSED), nItem)
                        && !DropSelectionOf(GetSelectionMark(), nItem)))
        DropSelectedRows(nItem);
    const int nFocus = GetNextItem(-1, LVNI_FOCUSED);
    if (nFocus >= 0 && nFocus != nItem)
        SetItemState(nFocus, 0, LVIS_FOCUSED);
}

// Takes the selection from nRow when it is another selected row than nItem; FALSE when it is not.
BOOL CQELListCtrl::DropSelectionOf(int nRow, int nItem)
{
    if (nRow < 0 || nRow == nItem || GetItemState(nRow, LVIS_SELECTED) == 0)
        return FALSE;
    SetItemState(nRow, 0, LVIS_SELECTED);
    return TRUE;
}

// Takes the selection from every selected row but nItem, in ascending order. Each next row lies past the last,
// so a list destroyed by a notification (it answers 0) ends the walk.
void CQELListCtrl::DropSelectedRows(int nItem)
{
    int nLast = -1;
    for (int i = GetNextItem(-1, LVNI_SELECTED); i > nLast; nLast = i, i = GetNextItem(i, LVNI_SELECTED))
    {
        if (i != nItem)
            SetItemState(i, 0, LVIS_SELECTED);
    }
}

int CQELListCtrl::HitTestEx(CPoint point, int& nCol)
{
    const int nItem = CListCtrl::HitTest(point);
    if (nItem < 0 || !IsReportStyle(::GetWindowLong(m_hWnd, GWL_STYLE)))
    {
        nCol = 0;
        return nItem;
    }
    const int nColumn = FindColumn(nItem, point.x);
    if (nColumn >= 0)
        nCol = nColumn;
    return nItem;
}

// The lowest column index whose label on the row holds x, edges included; -1 for none. The extents come from
// m_pColumnSpans, read once per layout.
int CQELListCtrl::FindColumn(int nItem, int x)
{
    const int nColumns = (int)::SendMessage(HeaderWindow(GetHeaderCtrl()), HDM_GETITEMCOUNT, 0, 0);
    if (nColumns <= 0)
        return -1;
    try
    {
        if (m_pColumnSpans == NULL)
            m_pColumnSpans = new CColumnSpans;
        return m_pColumnSpans->Find(this, nItem, nColumns, x);
    }
    catch (...)
    {
        // Without memory for the extents every column is asked.
        for (int i = 0; i < nColumns; ++i)
        {
            CRect rect;
            GetSubItemRect(nItem, i, LVIR_LABEL, rect);
            if (x >= rect.left && x <= rect.right)
                return i;
        }
        return -1;
    }
}

// ---- The editor's reports ------------------------------------------------------------------------------

// The first report of the open editor starts its end: from here the editor is the reporting one, owned until
// its WM_QEL_LISTEDITEND, while the parent may already open the next edit.
void CQELListCtrl::BeginReport(const _tag_QELListEditInfo* pInfo)
{
    if (m_pReportEdit != NULL || m_pEditCtrl == NULL || pInfo == NULL
        || pInfo->nItem != m_nEditOpenItem || pInfo->nSubItem != m_nEditSubItem)
        return;
    m_pReportEdit = m_pEditCtrl;
    m_nReportOpenItem = m_nEditOpenItem;
    m_nReportItem = m_nEditItem;
    m_nReportSubItem = m_nEditSubItem;
    m_dwReportGoneData = m_dwEditGoneData;
}

BOOL CQELListCtrl::IsReportOfEnding(const _tag_QELListEditInfo* pInfo)
{
    return m_pReportEdit != NULL && pInfo != NULL && pInfo->nItem == m_nReportOpenItem
        && pInfo->nSubItem == m_nReportSubItem;
}

void CQELListCtrl::DestroyReportingEdit()
{
    // Cleared before the delete, as in DestroyEditControl.
    CWnd* pEdit = m_pReportEdit;
    m_pReportEdit = NULL;
    m_bReportEndSent = FALSE;
    if (m_pEditCtrl == pEdit)
        m_pEditCtrl = NULL;
    delete pEdit;
}

LRESULT CQELListCtrl::OnItemEditting(WPARAM wParam, LPARAM lParam)
{
    _tag_QELListEditInfo* pInfo = (_tag_QELListEditInfo*)lParam;
    BeginReport(pInfo);
    if (!IsReportOfEnding(pInfo))
    {
        if (pInfo != NULL)
            FillEditInfoData(pInfo);
        const LRESULT lResult = SendToParent(WM_QEL_LISTEDITTING, wParam | IdWParam(m_hWnd, 0), lParam);
        if (lResult == 0 && pInfo != NULL)
            StoreEditedText(pInfo->nItem, pInfo->nSubItem, pInfo->pszText);
        return lResult;
    }

    // The text of a record that was deleted during the edit is stored nowhere.
    if (m_nReportItem < 0)
        return 1;
    const int nOpenItem = pInfo->nItem;
    pInfo->nItem = m_nReportItem;
    FillEditInfoData(pInfo);
    const LRESULT lResult = SendToParent(WM_QEL_LISTEDITTING, wParam | IdWParam(m_hWnd, 0), lParam);
    pInfo->nItem = nOpenItem;
    // The parent may have moved or deleted the record meanwhile, or destroyed the list: the text goes where
    // the record is now, if anywhere.
    if (lResult == 0 && IsReportOfEnding(pInfo) && m_nReportItem >= 0 && !m_bReportEndSent)
        StoreEditedText(m_nReportItem, pInfo->nSubItem, pInfo->pszText);
    return lResult;
}

// An owner-data list keeps no texts: its parent stored the new one when it let it through, and the row is
// repainted to show it.
void CQELListCtrl::StoreEditedText(int nItem, int nSubItem, LPCTSTR pszText)
{
    if (IsOwnerData())
        RedrawItems(nItem, nItem);
    else
        SetItemText(nItem, nSubItem, pszText);
}

LRESULT CQELListCtrl::OnItemEditted(WPARAM wParam, LPARAM lParam)
{
    _tag_QELListEditInfo* pInfo = (_tag_QELListEditInfo*)lParam;
    BeginReport(pInfo);
    if (!IsReportOfEnding(pInfo))
    {
        DestroyEditControl();
        if (pInfo != NULL)
            FillEditInfoData(pInfo);
        ++m_nEndsForwarded;
        return SendToParent(WM_QEL_LISTEDITEND, wParam | IdWParam(m_hWnd, 0), lParam);
    }

    // Only the editor that reports goes: the parent may have opened the next edit during this one's report.
    const int nItem = m_nReportItem;
    const DWORD_PTR dwGoneData = m_dwReportGoneData;
    DestroyReportingEdit();
    const int nOpenItem = pInfo->nItem;
    pInfo->nItem = nItem;
    FillEditInfoData(pInfo);
    if (nItem < 0)
        pInfo->dwItemData = dwGoneData;   // the end of an edit whose record was deleted names it by its data
    ++m_nEndsForwarded;
    const LRESULT lResult = SendToParent(WM_QEL_LISTEDITEND, wParam | IdWParam(m_hWnd, 0), lParam);
    pInfo->nItem = nOpenItem;
    return lResult;
}

// The list window is going: an editor's own end would find no list, so the parent hears of every end not yet
// reported now. The reporting editor stays owned until this object goes, as it is still inside its report;
// the open one goes at once, and reports by itself only if it still had the focus.
void CQELListCtrl::EndEditsOfGoingWindow()
{
    if (!::IsWindow(m_hWnd))
        return;
    if (m_pReportEdit != NULL && !m_bReportEndSent)
    {
        m_bReportEndSent = TRUE;
        ReportEndFor((UINT)m_pReportEdit->GetDlgCtrlID(), m_nReportItem, m_nReportSubItem, m_dwReportGoneData);
    }
    if (m_pEditCtrl == NULL || m_pEditCtrl == m_pReportEdit)
        return;
    const UINT nCtrlID = (UINT)m_pEditCtrl->GetDlgCtrlID();
    const int nEnds = m_nEndsForwarded;
    DestroyEditControl();
    if (m_nEndsForwarded == nEnds)
        ReportEndFor(nCtrlID, m_nEditItem, m_nEditSubItem, m_dwEditGoneData);
}

// The end of an editor that cannot report it itself, with the record its own end would carry; a record that
// was deleted (nItem -1) is named by its item data.
void CQELListCtrl::ReportEndFor(UINT nCtrlID, int nItem, int nSubItem, DWORD_PTR dwGoneData)
{
    _tag_QELListEditInfo info;
    memset(&info, 0, sizeof(info));
    info.nCtrlID = nCtrlID;
    info.nItem = nItem;
    info.nSubItem = nSubItem;
    info.dwItemData = nItem >= 0 ? ItemData(nItem) : dwGoneData;
    info.lColumnData = GetColumnData(nSubItem);
    ++m_nEndsForwarded;
    SendToParent(WM_QEL_LISTEDITEND, IdWParam(m_hWnd, 0), (LPARAM)&info);
}

// ---- Click-to-edit and the list's side of ending an edit ----------------------------------------------

void CQELListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    int nCol = -1;
    const int nItem = HitTestEx(point, nCol);
    // Asked before the list view processes the click: only a row that was already selected arms the edit.
    const UINT nState = (UINT)SendMessage(LVM_GETITEMSTATE, (WPARAM)(INT_PTR)nItem, LVIS_SELECTED);
    if (nState == LVIS_SELECTED && !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_SHIFT) && nItem >= 0 && nCol >= 0
        && IsEditColumn(nCol))
    {
        m_nClickItem = nItem;
        m_nClickSubItem = nCol;
        SetTimer(QEL_TIMER_CLICKEDIT, ::GetDoubleClickTime(), NULL);
    }
    CListCtrl::OnLButtonDown(nFlags, point);
}

void CQELListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    KillTimer(QEL_TIMER_CLICKEDIT);
    CListCtrl::OnLButtonDblClk(nFlags, point);
}

void CQELListCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == QEL_TIMER_CLICKEDIT)
    {
        KillTimer(QEL_TIMER_CLICKEDIT);
        if (m_nClickItem >= 0 && m_nClickSubItem >= 0
            && (UINT)SendMessage(LVM_GETITEMSTATE, (WPARAM)m_nClickItem, LVIS_SELECTED) == LVIS_SELECTED)
        {
            EditSubItem(m_nClickItem, m_nClickSubItem);
        }
    }
    CListCtrl::OnTimer(nIDEvent);
}

void CQELListCtrl::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pEditCtrl != NULL)
        DestroyEditControl();
    CListCtrl::OnSetFocus(pOldWnd);
}

void CQELListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CommitOpenEdit();
    CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CQELListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CommitOpenEdit();
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CQELListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CListCtrl::OnSize(nType, cx, cy);
    const HWND hHeader = HeaderWindow(GetHeaderCtrl());
    if (hHeader != NULL && ::IsWindow(hHeader))
        ::RedrawWindow(hHeader, NULL, NULL, kRedrawNow);
    CommitOpenEdit();
}

void CQELListCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    int nCol = -1;
    const int nItem = HitTestEx(point, nCol);
    const HWND hParent = ::GetParent(m_hWnd);
    // Posting to a null window would put the message on the thread's queue instead.
    if (hParent != NULL)
        ::PostMessage(hParent, WM_QEL_LISTMOUSEMOVE, IdWParam(m_hWnd, (DWORD)nCol), (LPARAM)nItem);
    CListCtrl::OnMouseMove(nFlags, point);
}
