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
