// CQELListCtrl: move requests of the editors. A key moves the edit row by row, page by page or column by column
// in the header's display order, passing over refused cells and asking the parent for a row past the last.
#include "QELListCtrlInternal.h"

#include <string.h>

using namespace QELList;

namespace {

// The editable columns in a display order read once; every answer is -1 while no order is read.
class CEditColumns
{
public:
    explicit CEditColumns(CQELListCtrl* pList) : m_pList(pList) {}
    CEditColumns(const CEditColumns&) = delete;
    CEditColumns& operator=(const CEditColumns&) = delete;

    void Read() { m_order.Load(m_pList, HeaderWindow(m_pList->GetHeaderCtrl()), FALSE); }

    int First() const { return Find(0, 1); }
    int Last() const { return Find(m_order.GetCount() - 1, -1); }
    int Next(int nCol) const
    {
        const int nPos = Position(nCol, 1);
        return nPos < 0 ? -1 : Find(nPos + 1, 1);
    }
    int Previous(int nCol) const
    {
        const int nPos = Position(nCol, -1);
        return nPos < 0 ? -1 : Find(nPos - 1, -1);
    }

private:
    // Walking the order from position iFrom in steps of nStep (1 or -1): the first editable column, -1 if none.
    int Find(int iFrom, int nStep) const
    {
        for (int i = iFrom; i >= 0 && i < m_order.GetCount(); i += nStep)
        {
            if (m_pList->IsEditColumn(m_order[i]))
                return m_order[i];
        }
        return -1;
    }
    // Position of nColumn, searched from the left (nStep 1) or from the right (nStep -1); -1 if absent.
    int Position(int nColumn, int nStep) const
    {
        for (int i = nStep > 0 ? 0 : m_order.GetCount() - 1; i >= 0 && i < m_order.GetCount(); i += nStep)
        {
            if (m_order[i] == nColumn)
                return i;
        }
        return -1;
    }

    CQELListCtrl* const m_pList;
    COrderArray         m_order;
};

} // namespace

// One move request on its way over the cells: the key, and the list as it was when the request arrived.
class CQELListCtrl::CMove
{
public:
    CMove(CQELListCtrl* pList, const _tag_QELListMoveRequest& request, int nCount, int nPage)
        : m_pList(pList), m_request(request), m_nCount(nCount), m_nPage(nPage), m_columns(pList)
    {
        if (request.nKey == VK_TAB || request.nKey == VK_HOME || request.nKey == VK_END)
            m_columns.Read();
    }
    CMove(const CMove&) = delete;
    CMove& operator=(const CMove&) = delete;

    // Moves (nRow, nCol) on to the next cell in the direction of the key; FALSE when the movement ends.
    BOOL NextCell(int& nRow, int& nCol)
    {
        int nNewRow = nRow;
        int nNewCol = nCol;
        BOOL bFound = FALSE;
        switch (m_request.nKey)
        {
        case VK_UP:
        case VK_DOWN:
            bFound = StepRow(nNewRow);
            break;
        case VK_PRIOR:
        case VK_NEXT:
            bFound = StepPage(nNewRow);
            break;
        case VK_HOME:
        case VK_END:
            bFound = StepHomeEnd(nNewCol);
            break;
        case VK_TAB:
            bFound = StepTab(nNewRow, nNewCol);
            break;
        default:
            break;
        }
        // A step back onto the starting cell ends the movement (Home and End end earlier, at their own test).
        if (!bFound || (nNewRow == nRow && nNewCol == nCol))
            return FALSE;
        nRow = nNewRow;
        nCol = nNewCol;
        return TRUE;
    }

private:
    // Up to the row above; Down to the row below, or to a row the parent appends past the last.
    BOOL StepRow(int& nRow)
    {
        nRow = m_request.nKey == VK_UP ? nRow - 1 : RowBelow(nRow);
        return nRow >= 0;
    }
    // One page up or down, stopping at the first or last row; with Ctrl straight to the first or last row.
    BOOL StepPage(int& nRow) const
    {
        const int nFrom = nRow;
        if (m_request.nKey == VK_PRIOR)
            nRow = m_request.bCtrl || nFrom - m_nPage < 0 ? 0 : nFrom - m_nPage;
        else
            nRow = m_request.bCtrl || nFrom + m_nPage > m_nCount - 1 ? m_nCount - 1 : nFrom + m_nPage;
        return nRow != nFrom && nRow >= 0 && nRow < m_nCount;
    }
    // To the first or last editable column; ends when that is the current one.
    BOOL StepHomeEnd(int& nCol) const
    {
        const int nTo = m_request.nKey == VK_HOME ? m_columns.First() : m_columns.Last();
        if (nTo == nCol)
            return FALSE;
        nCol = nTo;
        return TRUE;
    }
    // To the next editable column in display order (the previous with Shift); past the last (first) one, to the
    // first (last) one of the row below (above). Ends when that is the current column.
    BOOL StepTab(int& nRow, int& nCol)
    {
        const int nFrom = nCol;
        nCol = m_request.bShift ? m_columns.Previous(nFrom) : m_columns.Next(nFrom);
        if (nCol == -1)
        {
            nCol = m_request.bShift ? m_columns.Last() : m_columns.First();
            if (nCol == -1)
                return FALSE;
            nRow = m_request.bShift ? nRow - 1 : RowBelow(nRow);
            if (nRow < 0)
                return FALSE;
        }
        return nCol != nFrom;
    }
    // The next row, or the row the parent appends past the last one; -1 for none.
    int RowBelow(int nRow)
    {
        return nRow + 1 < m_nCount ? nRow + 1 : m_pList->AskParentForRow(nRow);
    }

    CQELListCtrl* const           m_pList;
    const _tag_QELListMoveRequest m_request;
    const int                     m_nCount;   // rows when the request arrived
    const int                     m_nPage;    // rows per page when the request arrived
    CEditColumns                  m_columns;  // read for the column keys only
};

LRESULT CQELListCtrl::OnEditItem(WPARAM wParam, LPARAM lParam)
{
    return EditNewSubItem(RowOfEditRequest((int)wParam, QELDecodeMoveRequest(lParam).nSubItem), (UINT)lParam);
}

// An editor names the row it was opened on; the row of its record may have moved since.
int CQELListCtrl::RowOfEditRequest(int nItem, int nSubItem)
{
    if (m_pEditCtrl != NULL && nItem == m_nEditOpenItem && nSubItem == m_nEditSubItem)
        return m_nEditItem;
    return nItem;
}

int CQELListCtrl::EditNewSubItem(int nItem, UINT lParam)
{
    // Read once: the movement works on the list as it was when the request arrived.
    const int nCount = (int)SendMessage(LVM_GETITEMCOUNT);
    const int nPage = (int)SendMessage(LVM_GETCOUNTPERPAGE);
    // An editor always asks from a row of the list; from any other row the walk over refused cells would
    // step through every row index up to the list, which never ends in practice.
    if (nItem < 0 || nItem >= nCount)
        return 0;

    const _tag_QELListMoveRequest request = QELDecodeMoveRequest(lParam);
    CMove move(this, request, nCount, nPage);
    int nRow = nItem;
    int nCol = request.nSubItem;
    while (move.NextCell(nRow, nCol))
    {
        const int nResult = EditSubItem(nRow, nCol);
        if (nResult == 0 || nResult == -1)
            return 1;
        // Refused, out of range, not editable or hidden: passed over in the direction of movement.
    }
    return 0;
}

int CQELListCtrl::AskParentForRow(int nRow)
{
    _tag_QELListEditInfo info;
    memset(&info, 0, sizeof(info));
    info.nItem = nRow;
    info.dwItemData = ItemData(nRow);
    const BOOL bOuter = m_bAskingForRow;
    m_bAskingForRow = TRUE;
    const int nAnswer = (int)SendToParent(WM_QEL_LISTEDITMAX, IdWParam(m_hWnd, 0), (LPARAM)&info);
    m_bAskingForRow = bOuter;
    // Only a row the parent has really appended below this one moves the edit on; anything else could turn
    // the movement back onto cells it has already passed and never end.
    if (nAnswer > 0 && nAnswer > nRow && nAnswer < (int)SendMessage(LVM_GETITEMCOUNT))
        return nAnswer;
    return -1;
}

// ---- Editable columns in display order, each call reading the order afresh -----------------------------

int CQELListCtrl::FirstEditColumn()
{
    CEditColumns columns(this);
    columns.Read();
    return columns.First();
}

int CQELListCtrl::LastEditColumn()
{
    CEditColumns columns(this);
    columns.Read();
    return columns.Last();
}

int CQELListCtrl::NextEditColumn(int nCol)
{
    CEditColumns columns(this);
    columns.Read();
    return columns.Next(nCol);
}

int CQELListCtrl::PreviousEditColumn(int nCol)
{
    CEditColumns columns(this);
    columns.Read();
    return columns.Previous(nCol);
}
