// CQELListCtrl: sorting through the header, the compare hook, and the built-in comparisons that the default
// hook makes for the columns an application set them for.
#include "QELListCtrlInternal.h"
#include "QELStd.h"

#include <algorithm>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <tchar.h>

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

// A character that may stand in a decimal number as _tcstod reads it, or a space around it.
BOOL IsNumberChar(TCHAR ch)
{
    return (ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == '.' || ch == 'e' || ch == 'E' || ch == ' ';
}

// A cell text that is a decimal number as a whole: sign, digits, decimal point and exponent as _tcstod reads
// them, with spaces around. Hexadecimal, "inf", "nan" and digit grouping are not numbers here.
BOOL ReadNumber(LPCTSTR pszText, double& dValue)
{
    for (LPCTSTR p = pszText; *p != '\0'; ++p)
    {
        if (!IsNumberChar(*p))
            return FALSE;
    }
    LPTSTR pszEnd = NULL;
    dValue = _tcstod(pszText, &pszEnd);
    if (pszEnd == pszText)
        return FALSE;
    while (*pszEnd == ' ')
        ++pszEnd;
    return *pszEnd == '\0';
}

// A cell text that is a date in the format as a whole, as milliseconds since 1601 (exact in a double). Fields
// that the format does not name read as 1 January 2000, 0:00; a leap year, so that 29 February reads.
BOOL ReadDate(LPCTSTR pszText, LPCTSTR pszFormat, double& dValue)
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    st.wYear = 2000;
    st.wMonth = 1;
    st.wDay = 1;
    FILETIME ft;
    if (!QELDateTime::ConvertStringToSystemtime(pszText, pszFormat, &st) || !QELDateTime::AvailabilityTime(st)
        || !::SystemTimeToFileTime(&st, &ft))
        return FALSE;
    const ULONGLONG ullTicks = ((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    dValue = (double)(ullTicks / 10000);
    return TRUE;
}

} // namespace

// The sorted column's texts of one sort, read once and parsed for its built-in comparison, found by the item
// data that the list view holds during the sort. When the rows' own item data are not all distinct, each row
// holds its position before the sort instead, until Restore gives it its own data back.
class CQELListCtrl::CSortKeys
{
public:
    CSortKeys(int nColumn, int nCompare) : m_nColumn(nColumn), m_nCompare(nCompare) {}
    CSortKeys(const CSortKeys&) = delete;
    CSortKeys& operator=(const CSortKeys&) = delete;

    BOOL Load(CQELListCtrl* pList);
    BOOL HoldTemporaryData(CQELListCtrl* pList);
    void Restore(CQELListCtrl* pList);
    void TakePair(LPARAM& lParam1, LPARAM& lParam2);
    int  ComparePair(LPARAM lParam1, LPARAM lParam2, int nColumn) const;

private:
    struct Key
    {
        DWORD_PTR dwHeld = 0;     // item data the list view holds during the sort
        DWORD_PTR dwOwn = 0;      // the row's own item data
        BOOL      bRead = FALSE;  // the text reads as a number or a date, held in dValue
        double    dValue = 0;
        CString   strText;
    };
    const Key* Find(DWORD_PTR dwHeld) const;
    int Compare(const Key& key1, const Key& key2) const;

    const int        m_nColumn;
    const int        m_nCompare;
    std::vector<Key> m_keys;                // one per row, in the order of dwHeld
    BOOL             m_bTemporary = FALSE;  // the rows hold their positions as item data
    const Key*       m_pFirst = NULL;       // the two rows that the list view compares now
    const Key*       m_pSecond = NULL;
};

// ---- Sorting -----------------------------------------------------------------------------------------

int CQELListCtrl::OnCompareItems(LPARAM lParam1, LPARAM lParam2, int nColumn)
{
    return m_pSortKeys != NULL ? m_pSortKeys->ComparePair(lParam1, lParam2, nColumn) : 0;
}

void CQELListCtrl::Sort(int nColumn, int bAscending, int bAdd)
{
    CAppWaitCursor waitCursor;
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader == NULL || !pHeader->IsEnableSortColumn(nColumn))
        return;
    // The editor knows its cell by row index: it reports to its own row before the rows move.
    EndEdit(TRUE);
    MarkSortColumn(pHeader, nColumn, bAscending, bAdd);
    m_nSortColumn = nColumn;
    m_bSortAscending = bAscending;
    if (!IsOwnerData())
    {
        SendMessage(LVM_SORTITEMS, (WPARAM)this, (LPARAM)&CQELListCtrl::CompareProc);
        return;
    }
    // The list view cannot sort rows it does not hold: the parent sorts its data, and the rows show it.
    SendToParent(WM_QEL_LISTSORTDATA, IdWParam(m_hWnd, (DWORD)nColumn), MAKELPARAM(bAscending, bAdd));
    // The parent may have destroyed the list meanwhile.
    if (::IsWindow(m_hWnd))
        Invalidate();
}

// The header's SetSortColumn repaints once for every column record it clears and once for the mark: held
// meanwhile, a sort shows its final marks in a single repaint.
void CQELListCtrl::MarkSortColumn(CQELHeaderCtrl* pHeader, int nColumn, int bAscending, int bAdd)
{
    // Released also when an exception leaves the marking.
    struct CHold
    {
        explicit CHold(CQELHeaderCtrl* p) : pHeader(p) { pHeader->HoldRedraw(TRUE); }
        ~CHold() { pHeader->HoldRedraw(FALSE); }
        CQELHeaderCtrl* const pHeader;
    } hold(pHeader);
    pHeader->SetSortColumn(nColumn, bAscending, bAdd);
}

int CALLBACK CQELListCtrl::CompareProc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    CQELListCtrl* pList = (CQELListCtrl*)lParamSort;
    // During a sort by a built-in comparison the hook still receives the rows' own item data.
    if (pList->m_pSortKeys != NULL)
        pList->m_pSortKeys->TakePair(lParam1, lParam2);
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

// ---- Built-in comparisons ------------------------------------------------------------------------------

int CQELListCtrl::SetColumnCompare(int nColumn, int nCompare)
{
    const int nColumns = (int)::SendMessage(HeaderWindow(GetHeaderCtrl()), HDM_GETITEMCOUNT, 0, 0);
    if (nColumn < 0 || nColumn >= nColumns || nCompare < QEL_COMPARE_NONE || nCompare > QEL_COMPARE_DATE)
        return 0;
    try
    {
        if (m_pCompareKinds == NULL)
            m_pCompareKinds = new CCompareKinds;
        m_pCompareKinds->Set(nColumn, nCompare);
    }
    catch (...)
    {
        return 0;
    }
    return 1;
}

int CQELListCtrl::GetColumnCompare(int nColumn) const
{
    return m_pCompareKinds != NULL ? m_pCompareKinds->Get(nColumn) : QEL_COMPARE_NONE;
}

// The list view's sort. Ours (CompareProc over this list) of a column with a built-in comparison reads the
// column's texts first, for the default OnCompareItems.
LRESULT CQELListCtrl::SortRows(WPARAM wParam, LPARAM lParam)
{
    const int nCompare = GetColumnCompare(m_nSortColumn);
    if (nCompare == QEL_COMPARE_NONE || wParam != (WPARAM)this || lParam != (LPARAM)&CQELListCtrl::CompareProc)
        return DefaultRowChange();
    CSortKeys keys(m_nSortColumn, nCompare);
    // Without memory for the keys, or when the parent keeps the rows from holding temporary item data, the
    // hook sorts alone.
    if (!keys.Load(this) || !keys.HoldTemporaryData(this))
        return DefaultRowChange();
    CSortKeys* const pOuterKeys = m_pSortKeys;
    m_pSortKeys = &keys;
    const LRESULT lResult = DefaultRowChange();
    m_pSortKeys = pOuterKeys;
    keys.Restore(this);
    return lResult;
}

// Reads and parses the column's texts, dates in the format of the column's date editor; FALSE when memory
// runs out.
BOOL CQELListCtrl::CSortKeys::Load(CQELListCtrl* pList)
{
    LPCTSTR pszFormat = QEL_DATEFORMAT_DEFAULT;
    _tag_QELListColumnStyle style = {};
    if (pList->m_mapColumnStyle.Lookup(m_nColumn, style) && style.pData != NULL && style.pData[0] != '\0')
        pszFormat = style.pData;
    try
    {
        const int nRows = pList->GetItemCount();
        m_keys.resize((size_t)nRows);
        std::vector<DWORD_PTR> data((size_t)nRows);
        for (int nRow = 0; nRow < nRows; ++nRow)
        {
            Key& key = m_keys[(size_t)nRow];
            key.dwOwn = key.dwHeld = data[(size_t)nRow] = pList->GetItemData(nRow);
            key.strText = pList->GetItemText(nRow, m_nColumn);
            key.bRead = (m_nCompare == QEL_COMPARE_NUMBER && ReadNumber(key.strText, key.dValue))
                        || (m_nCompare == QEL_COMPARE_DATE && ReadDate(key.strText, pszFormat, key.dValue));
        }
        std::sort(data.begin(), data.end());
        m_bTemporary = std::adjacent_find(data.begin(), data.end()) != data.end();
        if (m_bTemporary)
        {
            for (size_t nRow = 0; nRow < m_keys.size(); ++nRow)
                m_keys[nRow].dwHeld = nRow;
        }
        else
        {
            std::sort(m_keys.begin(), m_keys.end(), [](const Key& key1, const Key& key2) {
                return key1.dwHeld < key2.dwHeld;
            });
        }
    }
    catch (...)
    {
        m_keys.clear();
        return FALSE;
    }
    return TRUE;
}

// Gives every row its temporary item data when needed. FALSE when the parent refused a change (answered
// LVN_ITEMCHANGING non-zero); the rows then have their own data again.
BOOL CQELListCtrl::CSortKeys::HoldTemporaryData(CQELListCtrl* pList)
{
    if (!m_bTemporary)
        return TRUE;
    for (size_t nRow = 0; nRow < m_keys.size(); ++nRow)
    {
        if (!pList->SetItemData((int)nRow, m_keys[nRow].dwHeld))
        {
            while (nRow-- > 0)
                pList->SetItemData((int)nRow, m_keys[nRow].dwOwn);
            return FALSE;
        }
    }
    return TRUE;
}

void CQELListCtrl::CSortKeys::Restore(CQELListCtrl* pList)
{
    if (!m_bTemporary)
        return;
    const int nRows = pList->GetItemCount();
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        const Key* pKey = Find(pList->GetItemData(nRow));
        if (pKey != NULL)
            pList->SetItemData(nRow, pKey->dwOwn);
    }
}

// The two rows that the list view compares, by the data it holds: remembered for the default hook, and handed
// to the hook as the rows' own item data.
void CQELListCtrl::CSortKeys::TakePair(LPARAM& lParam1, LPARAM& lParam2)
{
    m_pFirst = Find((DWORD_PTR)lParam1);
    m_pSecond = Find((DWORD_PTR)lParam2);
    if (m_pFirst != NULL)
        lParam1 = (LPARAM)m_pFirst->dwOwn;
    if (m_pSecond != NULL)
        lParam2 = (LPARAM)m_pSecond->dwOwn;
}

// The built-in comparison of the pair being compared, in either order; 0 for anything else, so that an
// override asking about other rows or another column learns nothing wrong.
int CQELListCtrl::CSortKeys::ComparePair(LPARAM lParam1, LPARAM lParam2, int nColumn) const
{
    if (nColumn != m_nColumn || m_pFirst == NULL || m_pSecond == NULL)
        return 0;
    const LPARAM lOwn1 = (LPARAM)m_pFirst->dwOwn;
    const LPARAM lOwn2 = (LPARAM)m_pSecond->dwOwn;
    if (lParam1 == lOwn1 && lParam2 == lOwn2)
        return Compare(*m_pFirst, *m_pSecond);
    if (lParam1 == lOwn2 && lParam2 == lOwn1)
        return Compare(*m_pSecond, *m_pFirst);
    return 0;
}

const CQELListCtrl::CSortKeys::Key* CQELListCtrl::CSortKeys::Find(DWORD_PTR dwHeld) const
{
    const auto it = std::lower_bound(m_keys.begin(), m_keys.end(), dwHeld, [](const Key& key, DWORD_PTR dw) {
        return key.dwHeld < dw;
    });
    return it != m_keys.end() && it->dwHeld == dwHeld ? &*it : NULL;
}

// Numbers and dates in their order, before the texts that do not read as one; texts among themselves in the
// user's locale order.
int CQELListCtrl::CSortKeys::Compare(const Key& key1, const Key& key2) const
{
    if (key1.bRead && key2.bRead)
        return key1.dValue < key2.dValue ? -1 : (key1.dValue > key2.dValue ? 1 : 0);
    if (key1.bRead != key2.bRead)
        return key1.bRead ? -1 : 1;
    if (m_nCompare == QEL_COMPARE_TEXTNOCASE)
        return ::lstrcmpi(key1.strText, key2.strText);
    return ::lstrcmp(key1.strText, key2.strText);
}
