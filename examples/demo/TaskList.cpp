// Task rows, the compare hook (numbers as numbers, dates as dates, ties by the other marked columns) and
// the colour and font hooks (overdue dates in red, done rows grey, open tasks bold).
#include "TaskList.h"
#include "ColumnStyle.h"

#include <algorithm>

TCHAR CTaskList::s_szDateFormat[] = _T("dd.MM.yyyy");

static const struct
{
    LPCTSTR pszCaption;
    int     nFormat;
    LPCTSTR pszWidest;   // the widest text the column's cells show
} s_columns[colCount] = {
    { _T("ID"), LVCFMT_RIGHT, _T("0000") },
    { _T("Task"), LVCFMT_LEFT, _T("Document loading dock door") },
    { _T("Hours"), LVCFMT_RIGHT, _T("0000") },
    { _T("Due"), LVCFMT_LEFT, _T("00.00.0000") },
    { _T("Status"), LVCFMT_LEFT, _T("In progress") },
    { _T("Owner"), LVCFMT_LEFT, _T("Harper") },
    { _T("Ref"), LVCFMT_LEFT, _T("WS-00000") },
};

CTaskList::CTaskList()
    : m_pStore(NULL)
{
}

CTaskList::~CTaskList()
{
}

void CTaskList::Init(CTaskStore* pStore)
{
    m_pStore = pStore;
    LOGFONT lf = {};
    CFont* pFont = GetFont();
    if (pFont != NULL && pFont->GetLogFont(&lf))
    {
        lf.lfWeight = FW_BOLD;
        m_fontBold.CreateFontIndirect(&lf);
    }

    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP);
    InsertColumns();

    // Editable columns: a text with a limit (its editor grows with the text), a number, a date in the column's
    // own format, a fixed choice.
    SetColumnEditor(*this, colTitle, RUNTIME_CLASS(CQELListItemEdit), 0, 60, NULL, QEL_STYLEFLAG_AUTO);
    SetColumnEditor(*this, colHours, RUNTIME_CLASS(CQELListItemEdit), 0, 4, NULL, 0);
    SetColumnEditor(*this, colDue, RUNTIME_CLASS(CQELListItemDateTimeCtrl), 0, 0, s_szDateFormat, 0);
    SetColumnEditor(*this, colStatus, RUNTIME_CLASS(CQELListItemComboBoxCtrl), CBS_DROPDOWNLIST, 0, NULL, 0);

    for (int i = 0; i < colCount; ++i)
        EnableSortColumn(i, TRUE);
    EnableMultipleSort(TRUE);
    EnableMarkSortedColumn(TRUE, FALSE);
    GetHeaderCtrl()->ForceHideColumn(colRef, TRUE, FALSE);
}

// Widths follow the list's font, so that captions and cells fit at every display scaling: the wider of the
// caption with the sort mark beside it and the column's widest text, measured in bold (the widest font a
// cell is drawn in), plus the text margins.
void CTaskList::InsertColumns()
{
    CClientDC dc(this);
    CFont* const pOldFont = dc.SelectObject(&m_fontBold);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    const int nSortMark = tm.tmHeight;            // the sort arrow, which grows with the header's height
    const int nMargins = 3 * tm.tmAveCharWidth;   // both sides of a cell or a caption
    for (int i = 0; i < colCount; ++i)
    {
        const int nCaption = dc.GetTextExtent(s_columns[i].pszCaption).cx + nSortMark;
        const int nText = dc.GetTextExtent(s_columns[i].pszWidest).cx;
        InsertColumn(i, s_columns[i].pszCaption, s_columns[i].nFormat, std::max(nCaption, nText) + nMargins);
    }
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

CString CTaskList::CellText(const CTask& task, int nColumn) const
{
    CString s;
    switch (nColumn)
    {
    case colId:     s.Format(_T("%d"), task.nId); break;
    case colTitle:  s = task.strTitle; break;
    case colHours:  s.Format(_T("%d"), task.nHours); break;
    case colDue:    s = task.strDue; break;
    case colStatus: s = task.strStatus; break;
    case colOwner:  s = task.strOwner; break;
    case colRef:    s = task.strRef; break;
    default:        break;
    }
    return s;
}

int CTaskList::AddRow(int nIndex)
{
    const CTask& task = m_pStore->At(nIndex);
    const int nRow = InsertItem(GetItemCount(), CellText(task, colId));
    SetItemData(nRow, static_cast<DWORD_PTR>(nIndex));
    for (int c = 1; c < colCount; ++c)
        SetItemText(nRow, c, CellText(task, c));
    return nRow;
}

void CTaskList::Fill(const CString& strFilter)
{
    CString filter(strFilter);
    filter.MakeLower();
    SetRedraw(FALSE);
    DeleteAllItems();
    for (int i = 0; i < m_pStore->GetCount(); ++i)
    {
        CString title(m_pStore->At(i).strTitle);
        title.MakeLower();
        if (filter.IsEmpty() || title.Find(filter) >= 0)
            AddRow(i);
    }
    SetRedraw(TRUE);
    Invalidate();
}

const CTask& CTaskList::TaskOfRow(int nRow) const
{
    return m_pStore->At(static_cast<int>(GetItemData(nRow)));
}

void CTaskList::Store(int nRow, int nColumn, LPCTSTR pszText)
{
    CTask& task = m_pStore->At(static_cast<int>(GetItemData(nRow)));
    switch (nColumn)
    {
    case colTitle:  task.strTitle = pszText; break;
    case colHours:  CTaskStore::ParseHours(pszText, task.nHours); break;
    case colDue:    task.strDue = pszText; break;
    case colStatus: task.strStatus = pszText; break;
    default:        break;
    }
    // The row's look depends on its status and date.
    RedrawItems(nRow, nRow);
}

int CTaskList::CompareColumn(const CTask& a, const CTask& b, int nColumn) const
{
    switch (nColumn)
    {
    case colId:     return a.nId - b.nId;
    case colTitle:  return a.strTitle.CompareNoCase(b.strTitle);
    case colHours:  return a.nHours - b.nHours;
    case colDue:    return CTaskStore::CompareDates(a.strDue, b.strDue);
    case colStatus: return CTaskStore::StatusRank(a.strStatus) - CTaskStore::StatusRank(b.strStatus);
    case colOwner:  return a.strOwner.CompareNoCase(b.strOwner);
    case colRef:    return a.strRef.Compare(b.strRef);
    default:        return 0;
    }
}

int CTaskList::OnCompareItems(LPARAM lParam1, LPARAM lParam2, int nColumn)
{
    const CTask& a = m_pStore->At(static_cast<int>(lParam1));
    const CTask& b = m_pStore->At(static_cast<int>(lParam2));
    const int nResult = CompareColumn(a, b, nColumn);
    if (nResult != 0)
        return nResult;

    // Ties: the other marked columns, left to right, each in its own direction relative to the sorted one
    // (the list reverses the whole answer for a descending sort).
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    const int nSign = pHeader->GetColumnState(nColumn) < 0 ? -1 : 1;
    for (int c = 0; c < colCount; ++c)
    {
        const int nState = pHeader->GetColumnState(c);
        if (c == nColumn || nState == 0)
            continue;
        const int r = CompareColumn(a, b, c);
        if (r != 0)
            return r * nState * nSign;
    }
    return a.nId - b.nId;
}

COLORREF CTaskList::OnGetCellTextColor(int nItem, int nSubItem)
{
    const CTask& task = TaskOfRow(nItem);
    if (task.strStatus == _T("Done"))
        return RGB(128, 128, 128);
    if (nSubItem == colDue && CTaskStore::IsOverdue(task))
        return RGB(200, 0, 0);
    return CQELListCtrl::OnGetCellTextColor(nItem, nSubItem);
}

COLORREF CTaskList::OnGetCellBkColor(int nItem, int nSubItem)
{
    const CTask& task = TaskOfRow(nItem);
    if (task.strStatus == _T("Blocked"))
        return RGB(255, 244, 214);
    return CQELListCtrl::OnGetCellBkColor(nItem, nSubItem);
}

HFONT CTaskList::OnGetCellFont(int nItem, int nSubItem, DWORD_PTR dwItemData)
{
    (void)nItem;
    const CTask& task = m_pStore->At(static_cast<int>(dwItemData));
    if (nSubItem == colTitle && task.strStatus == _T("Open") && m_fontBold.GetSafeHandle() != NULL)
        return static_cast<HFONT>(m_fontBold.GetSafeHandle());
    return NULL;
}
