// What the source files of CQELListCtrl share: view and header queries, the list id of outgoing messages,
// the header's display order, the rows followed during an edit start and the columns' built-in comparisons.
// Not installed.
#pragma once

#include "QELListCtrl.h"

#include <stdlib.h>
#include <vector>

namespace QELList
{

// The repaint the controls ask for: invalidate, erase and paint at once.
const UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

inline BOOL IsReportStyle(DWORD dwStyle)
{
    return (dwStyle & LVS_TYPEMASK) == LVS_REPORT;
}

inline HWND HeaderWindow(CQELHeaderCtrl* pHeader)
{
    return pHeader != NULL ? pHeader->m_hWnd : NULL;
}

// The list id in the high word, taken as the 32-bit value the messages carry.
inline WPARAM IdWParam(HWND hWnd, DWORD dwLow)
{
    const DWORD dwId = (DWORD)::GetDlgCtrlID(hWnd);
    return (WPARAM)(DWORD)((dwId << 16) | dwLow);
}

// Display order of the header's columns in a heap buffer; empty when there are no columns or no memory.
class COrderArray
{
public:
    COrderArray() : m_pOrder(NULL), m_nCount(0) {}
    ~COrderArray() { free(m_pOrder); }
    COrderArray(const COrderArray&) = delete;
    COrderArray& operator=(const COrderArray&) = delete;

    // From the list view (LVM_GETCOLUMNORDERARRAY) or the header (HDM_GETORDERARRAY), once per object; FALSE
    // only when the buffer could not be allocated.
    BOOL Load(CListCtrl* pList, HWND hHeader, BOOL bFromHeader)
    {
        const int nCount = (int)::SendMessage(hHeader, HDM_GETITEMCOUNT, 0, 0);
        if (nCount <= 0)
            return TRUE;
        m_pOrder = (int*)calloc((size_t)nCount, sizeof(int));
        if (m_pOrder == NULL)
            return FALSE;
        m_nCount = nCount;
        if (bFromHeader)
            ::SendMessage(hHeader, HDM_GETORDERARRAY, (WPARAM)nCount, (LPARAM)m_pOrder);
        else
            pList->GetColumnOrderArray(m_pOrder, nCount);
        return TRUE;
    }
    // Puts -1 in place of every column the header hides.
    void MarkHidden(CQELHeaderCtrl* pHeader)
    {
        for (int i = 0; i < m_nCount; ++i)
        {
            if (!pHeader->IsVisibleColumn(m_pOrder[i]))
                m_pOrder[i] = -1;
        }
    }
    int GetCount() const { return m_nCount; }
    int operator[](int i) const { return m_pOrder[i]; }

private:
    int* m_pOrder;
    int  m_nCount;
};

} // namespace QELList

// A row index that follows its record while rows are inserted and deleted (-1 once the record is gone or the
// rows were reordered), for as long as the object lives. Objects nest strictly: each is an edit start under way.
class CQELListCtrl::CTrackedRow
{
public:
    CTrackedRow(CQELListCtrl* pList, int nRow) : m_nRow(nRow), m_pList(pList), m_pNext(pList->m_pTrackedRows)
    {
        pList->m_pTrackedRows = this;
    }
    ~CTrackedRow() { m_pList->m_pTrackedRows = m_pNext; }
    CTrackedRow(const CTrackedRow&) = delete;
    CTrackedRow& operator=(const CTrackedRow&) = delete;

    int                 m_nRow;
    CQELListCtrl* const m_pList;
    CTrackedRow* const  m_pNext;   // the edit start this one runs inside; null for the outermost
};

// Built-in comparison (QEL_COMPARE_...) by column index; a column past the end has none.
class CQELListCtrl::CCompareKinds
{
public:
    int Get(int nColumn) const
    {
        return nColumn >= 0 && nColumn < (int)m_kinds.size() ? m_kinds[(size_t)nColumn] : QEL_COMPARE_NONE;
    }
    // Throws std::bad_alloc when the table cannot grow.
    void Set(int nColumn, int nCompare)
    {
        if (nColumn >= (int)m_kinds.size())
            m_kinds.resize((size_t)nColumn + 1, QEL_COMPARE_NONE);
        m_kinds[(size_t)nColumn] = nCompare;
    }

private:
    std::vector<int> m_kinds;
};

// The horizontal extents of the labels of the columns after the first, as the list view gave them for one
// row: they are the same for every row, and asking for them costs one message per column on every mouse
// move. Column 0's label depends on the row (indent, images) and is asked for, but only when x lies in the
// column: the label ends at the column's right edge and starts no further left than the column does.
// Valid for the header item count and horizontal scroll position they were read at, until Clear, which the
// list calls for every message that may change its columns or view.
class CQELListCtrl::CColumnSpans
{
public:
    void Clear() { m_nColumns = 0; }

    // The lowest column index whose label on the row holds x, edges included; -1 for none. Throws when the
    // extents cannot be stored.
    int Find(CQELListCtrl* pList, int nRow, int nColumns, int x)
    {
        const int nScroll = pList->GetScrollPos(SB_HORZ);
        if (nColumns != m_nColumns || nScroll != m_nScroll)
            Load(pList, nRow, nColumns, nScroll);
        if (x >= m_lefts[0] && x <= m_rights[0])
        {
            CRect rect;
            pList->GetSubItemRect(nRow, 0, LVIR_LABEL, rect);
            if (x >= rect.left && x <= rect.right)
                return 0;
        }
        for (int i = 1; i < nColumns; ++i)
        {
            if (x >= m_lefts[(size_t)i] && x <= m_rights[(size_t)i])
                return i;
        }
        return -1;
    }

private:
    void Load(CQELListCtrl* pList, int nRow, int nColumns, int nScroll)
    {
        m_nColumns = 0;
        m_lefts.resize((size_t)nColumns);
        m_rights.resize((size_t)nColumns);
        for (int i = 0; i < nColumns; ++i)
        {
            CRect rect;
            pList->GetSubItemRect(nRow, i, LVIR_LABEL, rect);
            m_lefts[(size_t)i] = rect.left;
            m_rights[(size_t)i] = rect.right;
        }
        // Entry 0: the whole column, where any row's label may lie.
        m_lefts[0] = m_rights[0] - pList->GetColumnWidth(0);
        m_nColumns = nColumns;
        m_nScroll = nScroll;
    }

    int              m_nColumns = 0;   // header item count the extents were read for; 0 when there are none
    int              m_nScroll = 0;    // horizontal scroll position they were read at
    std::vector<int> m_lefts;          // by column index; entry 0 is column 0's extent
    std::vector<int> m_rights;
};
