#include "QELListCtrl.h"
#include "QELBaseListItem.h"
#include "QELWindowColor.h"
#include "QELDC.h"
#include "QELStdWin.h"

#include <stdlib.h>
#include <string.h>
#include <limits.h>

IMPLEMENT_DYNAMIC(CQELListCtrl, CListCtrl)

BOOL (*CQELListCtrl::s_pfnClipboardFault)(int nAllocation) = NULL;

namespace {

const UINT  kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

BOOL IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x80) != 0;
}

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

// Display order of the header's columns in a heap buffer; empty when there are no columns or no memory.
class COrderArray
{
public:
    COrderArray() : m_pOrder(NULL), m_nCount(0) {}
    ~COrderArray() { free(m_pOrder); }
    COrderArray(const COrderArray&) = delete;
    COrderArray& operator=(const COrderArray&) = delete;

    // From the list view (LVM_GETCOLUMNORDERARRAY) or the header (HDM_GETORDERARRAY).
    BOOL Load(CListCtrl* pList, HWND hHeader, BOOL bFromHeader)
    {
        const int nCount = (int)::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0);
        if (nCount <= 0)
            return FALSE;
        m_pOrder = (int*)calloc((size_t)nCount, sizeof(int));
        if (m_pOrder == NULL)
            return FALSE;
        m_nCount = nCount;
        if (bFromHeader)
            ::SendMessageA(hHeader, HDM_GETORDERARRAY, (WPARAM)nCount, (LPARAM)m_pOrder);
        else
            pList->GetColumnOrderArray(m_pOrder, nCount);
        return TRUE;
    }
    int  GetCount() const { return m_nCount; }
    int  operator[](int i) const { return m_pOrder[i]; }

private:
    int* m_pOrder;
    int  m_nCount;
};

// Text of the clipboard copy, grown in QEL_LIST_CLIPBOARD_BLOCK steps; one byte always stays free for the
// terminating zero. The storage behind the capacity is enlarged geometrically: one reallocation per step
// would move the whole text every 100 KB, which makes a copy of a large list quadratic.
class CClipboardText
{
public:
    CClipboardText() : m_pText(NULL), m_nLength(0), m_nCapacity(0), m_nStorage(0) {}
    ~CClipboardText() { free(m_pText); }
    CClipboardText(const CClipboardText&) = delete;
    CClipboardText& operator=(const CClipboardText&) = delete;

    BOOL Init()
    {
        m_pText = (char*)calloc(QEL_LIST_CLIPBOARD_BLOCK, 1);
        if (m_pText == NULL)
            return FALSE;
        m_nCapacity = QEL_LIST_CLIPBOARD_BLOCK;
        m_nStorage = QEL_LIST_CLIPBOARD_BLOCK;
        return TRUE;
    }

    // Appends up to three pieces as one addition; FALSE when the buffer could not grow.
    BOOL Append(const char* pszLead, const char* pszSep, const char* pszText, size_t nTextLen, BOOL bFailGrow)
    {
        const size_t nLead = strlen(pszLead);
        const size_t nSep = strlen(pszSep);
        const size_t nNeeded = m_nLength + nLead + nSep + nTextLen;
        while (nNeeded > m_nCapacity - 1)
        {
            if (bFailGrow || !Grow())
                return FALSE;
        }
        memcpy(m_pText + m_nLength, pszLead, nLead);
        m_nLength += nLead;
        memcpy(m_pText + m_nLength, pszSep, nSep);
        m_nLength += nSep;
        memcpy(m_pText + m_nLength, pszText, nTextLen);
        m_nLength += nTextLen;
        return TRUE;
    }

    const char* GetText() const { return m_pText; }
    size_t      GetLength() const { return m_nLength; }

private:
    // One more block of zero-filled capacity; FALSE when the storage could not be enlarged.
    BOOL Grow()
    {
        const size_t nCapacity = m_nCapacity + QEL_LIST_CLIPBOARD_BLOCK;
        if (nCapacity > m_nStorage)
        {
            const size_t nStorage = nCapacity > 2 * m_nStorage ? nCapacity : 2 * m_nStorage;
            char* pGrown = (char*)realloc(m_pText, nStorage);
            if (pGrown == NULL)
                return FALSE;
            m_pText = pGrown;
            m_nStorage = nStorage;
        }
        memset(m_pText + m_nCapacity, 0, QEL_LIST_CLIPBOARD_BLOCK);
        m_nCapacity = nCapacity;
        return TRUE;
    }

    char*  m_pText;
    size_t m_nLength;
    size_t m_nCapacity;   // grows in QEL_LIST_CLIPBOARD_BLOCK steps; never above m_nStorage
    size_t m_nStorage;    // bytes allocated at m_pText
};

// One cell's text, read whole into a buffer that serves every cell of a copy: a string per cell would cost
// an allocation and a release for each of a large list's cells.
class CCellText
{
public:
    CCellText() : m_pText(NULL), m_nSize(0), m_nLength(0) {}
    ~CCellText() { free(m_pText); }
    CCellText(const CCellText&) = delete;
    CCellText& operator=(const CCellText&) = delete;

    // Reads the text, doubling the buffer while the text fills it; FALSE when the buffer could not grow.
    BOOL Read(CListCtrl* pList, int nRow, int nColumn)
    {
        if (m_pText == NULL && !Grow())
            return FALSE;
        for (;;)
        {
            const int nLength = pList->GetItemText(nRow, nColumn, m_pText, m_nSize);
            // The same limit as the string-returning GetItemText: a text of 16 MB or more is cut there.
            if (nLength < m_nSize - 1 || m_nSize >= kMaxSize)
            {
                m_nLength = nLength > 0 ? (size_t)nLength : 0;
                return TRUE;
            }
            if (!Grow())
                return FALSE;
        }
    }

    const char* GetText() const { return m_pText; }
    size_t      GetLength() const { return m_nLength; }

private:
    static const int kFirstSize = 256;
    static const int kMaxSize = 0x1000000;

    BOOL Grow()
    {
        const int nSize = m_nSize == 0 ? kFirstSize : 2 * m_nSize;
        char* pGrown = (char*)realloc(m_pText, (size_t)nSize);
        if (pGrown == NULL)
            return FALSE;
        m_pText = pGrown;
        m_nSize = nSize;
        return TRUE;
    }

    char*  m_pText;
    int    m_nSize;     // bytes at m_pText
    size_t m_nLength;   // length of the last text read
};

} // namespace

BEGIN_MESSAGE_MAP(CQELListCtrl, CListCtrl)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETFOCUS()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_CREATE()
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_WM_ERASEBKGND()
    ON_WM_SYSCOLORCHANGE()
    ON_NOTIFY(HDN_ENDDRAG, 0, OnEndDrag)
    ON_WM_TIMER()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_WM_STYLECHANGED()
    ON_WM_PARENTNOTIFY()
    ON_REGISTERED_MESSAGE(WM_QEL_LISTITEMEDIT, OnEditItem)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITTING, OnItemEditting)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITEND, OnItemEditted)
    ON_REGISTERED_MESSAGE(WM_QEL_HEADERCHANGED, OnHeaderChanged)
    ON_REGISTERED_MESSAGE(WM_QEL_HEADERVISIABLECHANGE, OnHeaderVisiableChange)
    ON_MESSAGE(LVM_INSERTITEMA, OnInsertItem)
    ON_MESSAGE(LVM_INSERTITEMW, OnInsertItem)
    ON_MESSAGE(LVM_DELETEITEM, OnDeleteItem)
    ON_MESSAGE(LVM_DELETEALLITEMS, OnDeleteAllItems)
    ON_MESSAGE(LVM_SORTITEMS, OnSortItems)
    ON_MESSAGE(LVM_SORTITEMSEX, OnSortItems)
END_MESSAGE_MAP()

// ---- Construction ---------------------------------------------------------------------------------------

CQELListCtrl::CQELListCtrl()
    : m_nEditItem(-1)
    , m_nEditSubItem(-1)
    , m_pEditCtrl(NULL)
    , m_nSortColumn(-1)
    , m_bSortAscending(TRUE)
    , m_bMarkSortedColumn(FALSE)
    , m_bDrawSubItem(FALSE)
    , m_bCustomColor(TRUE)
    , m_bCustomFont(TRUE)
    , m_crSortedColumn(0xFFFFFFFF)
    , m_hOldFont(NULL)
    , m_nClickItem(-1)
    , m_nClickSubItem(-1)
    , m_nEditOpenItem(-1)
    , m_dwEditGoneData(0)
    , m_pReportEdit(NULL)
    , m_nReportOpenItem(-1)
    , m_nReportItem(-1)
    , m_nReportSubItem(-1)
    , m_dwReportGoneData(0)
    , m_nEndsForwarded(0)
    , m_pTrackedRows(NULL)
    , m_bChangingRows(FALSE)
    , m_bCommitAfterRowChange(FALSE)
{
}

CQELListCtrl::~CQELListCtrl()
{
    RemoveColumnStyle(-1);
    // An editor still open here never reported its end; release it while this object is complete, so that
    // its last reports still find the list (they find m_pEditCtrl null and delete nothing).
    DestroyReportingEdit();
    DestroyEditControl();
}

int CQELListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    return InitList() ? 0 : -1;
}

void CQELListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    // During Create the work is left to OnCreate, when the list view has made its header.
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_pWndInit == NULL)
        InitList();
}

LRESULT CQELListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CQELListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_NOTIFY && lParam != 0 && ((NMHDR*)lParam)->code == (UINT)LVN_ITEMCHANGED)
    {
        LRESULT lResult = 0;
        OnItemchanged((NMHDR*)lParam, &lResult);
    }
    return CListCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

int CQELListCtrl::InitList()
{
    InitHeader();
    InitColors();
    return 1;
}

void CQELListCtrl::InitHeader()
{
    m_wndHeader.SubclassDlgItem(0, this);
}

// ---- Helpers -----------------------------------------------------------------------------------------

static BOOL IsReportStyle(DWORD dwStyle)
{
    return (dwStyle & LVS_TYPEMASK) == LVS_REPORT;
}

static HWND HeaderWindow(CQELHeaderCtrl* pHeader)
{
    return pHeader != NULL ? pHeader->m_hWnd : NULL;
}

// The list id in the high word, taken as the 32-bit value the messages carry.
static WPARAM IdWParam(HWND hWnd, DWORD dwLow)
{
    const DWORD dwId = (DWORD)::GetDlgCtrlID(hWnd);
    return (WPARAM)(DWORD)((dwId << 16) | dwLow);
}

LRESULT CQELListCtrl::SendToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent == NULL)
        return 0;
    return ::SendMessageA(hParent, message, wParam, lParam);
}

LPARAM CQELListCtrl::GetColumnData(int nSubItem)
{
    HDITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_LPARAM;
    ::SendMessageA(HeaderWindow(GetHeaderCtrl()), HDM_GETITEMA, (WPARAM)nSubItem, (LPARAM)&item);
    return item.lParam;
}

void CQELListCtrl::FillEditInfoData(_tag_QELListEditInfo* pInfo)
{
    pInfo->dwItemData = GetItemData(pInfo->nItem);
    pInfo->lColumnData = GetColumnData(pInfo->nSubItem);
}

void CQELListCtrl::RemoveStoredStyle(int nColumn)
{
    _tag_QELListColumnStyle stored = {};
    if (m_mapColumnStyle.Lookup(nColumn, stored))
    {
        m_mapColumnStyle.RemoveKey(nColumn);
        free(stored.pData);
    }
}

void CQELListCtrl::DestroyEditControl()
{
    // Cleared before the delete: destroying the window may bring its reports back here. An editor that is
    // reporting its end is deleted when the end arrives, not from inside its own report.
    CWnd* pEdit = m_pEditCtrl;
    m_pEditCtrl = NULL;
    if (pEdit != m_pReportEdit)
        delete pEdit;
}

// ---- Column styles -----------------------------------------------------------------------------------

DWORD CQELListCtrl::SetColumnStyle(_tag_QELListColumnStyle* pStyle)
{
    if (pStyle == NULL)
        return 0xFFFFFFFF;

    if (pStyle->pRuntimeClass == NULL)
    {
        RemoveStoredStyle(pStyle->nColumn);
        return 0;
    }

    if (!pStyle->pRuntimeClass->IsDerivedFrom(RUNTIME_CLASS(CQELBaseListItem)))
        return 0xFFFFFFFF;

    _tag_QELListColumnStyle copy = *pStyle;
    if (pStyle->pData != NULL && pStyle->nDataLen > 0)
    {
        // Allocated before the old style goes, so that a failure leaves the store as it was.
        copy.pData = (LPSTR)calloc((size_t)pStyle->nDataLen + 1, 1);
        if (copy.pData == NULL)
            return 0xFFFFFFFF;
        memcpy(copy.pData, pStyle->pData, (size_t)pStyle->nDataLen);
    }
    else
    {
        // A block without a positive length is not the list's to keep or free.
        copy.pData = NULL;
    }

    _tag_QELListColumnStyle stored = {};
    if (m_mapColumnStyle.Lookup(copy.nColumn, stored))
    {
        // Replacing a stored record allocates nothing; its block goes once the new record is in place.
        m_mapColumnStyle.SetAt(copy.nColumn, copy);
        free(stored.pData);
        return 0;
    }
    // A new record may need the store's table or a new block of entries, whose allocation throws; without
    // them the store stays as it was and no exception leaves the list.
    try
    {
        m_mapColumnStyle.SetAt(copy.nColumn, copy);
    }
    catch (...)
    {
        free(copy.pData);
        if (m_mapColumnStyle.GetCount() == 0)
            m_mapColumnStyle.RemoveAll();   // a table made for this record alone goes with it
        return 0xFFFFFFFF;
    }
    return 0;
}

BOOL CQELListCtrl::GetEditColumnStyle(int nColumn, _tag_QELListColumnStyle& style)
{
    if ((::GetWindowLongA(m_hWnd, GWL_STYLE) & LVS_TYPEMASK) == LVS_LIST && nColumn != 0)
        return FALSE;
    _tag_QELListColumnStyle stored = {};
    if (!m_mapColumnStyle.Lookup(nColumn, stored))
        return FALSE;
    style = stored;
    return TRUE;
}

BOOL CQELListCtrl::IsEditColumn(int nColumn)
{
    _tag_QELListColumnStyle stored = {};
    return GetEditColumnStyle(nColumn, stored);
}

void CQELListCtrl::RemoveColumnStyle(int nColumn)
{
    if (nColumn >= 0)
    {
        RemoveStoredStyle(nColumn);
        return;
    }

    _tag_QELListColumnStyle stored = {};
    POSITION pos = m_mapColumnStyle.GetStartPosition();
    while (pos != NULL)
    {
        int nKey = 0;
        m_mapColumnStyle.GetNextAssoc(pos, nKey, stored);
        free(stored.pData);
    }
    m_mapColumnStyle.RemoveAll();
}

CWnd* CQELListCtrl::GetEditControl()
{
    return m_pEditCtrl;
}

BOOL CQELListCtrl::GetSubItemRect(int nItem, int nSubItem, int nArea, CRect& rect)
{
    return CListCtrl::GetSubItemRect(nItem, nSubItem, nArea, rect);
}

// ---- Header coupling ---------------------------------------------------------------------------------

CQELHeaderCtrl* CQELListCtrl::GetHeaderCtrl()
{
    return &m_wndHeader;
}

int CQELListCtrl::EnableSortColumn(int nColumn, int bEnable)
{
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader != NULL ? pHeader->EnableSortColumn(nColumn, bEnable) : 0;
}

void CQELListCtrl::SetSortColumn(int nColumn, int bAscending, int bAdd)
{
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader != NULL)
        pHeader->SetSortColumn(nColumn, bAscending, bAdd);
}

void CQELListCtrl::RemoveSortColumn(int nColumn)
{
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader != NULL)
        pHeader->RemoveSortColumn(nColumn);
}

void CQELListCtrl::EnableMultipleSort(int bEnable)
{
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader != NULL)
        pHeader->EnableMultipleSort(bEnable);
}

int CQELListCtrl::IsMultipleSort() const
{
    CQELHeaderCtrl* pHeader = const_cast<CQELListCtrl*>(this)->GetHeaderCtrl();
    return pHeader != NULL ? pHeader->IsMultipleSort() : 0;
}

int CQELListCtrl::ShowColumn(int nColumn, int bShow, int nWidth)
{
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader != NULL ? pHeader->ShowColumn(nColumn, bShow, nWidth) : 0;
}

int CQELListCtrl::IsVisibleColumn(int nColumn)
{
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader != NULL ? pHeader->IsVisibleColumn(nColumn) : 1;
}

void CQELListCtrl::EnableColumnMenu(int bEnable)
{
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader != NULL)
        pHeader->EnableColumnMenu(bEnable);
}

LRESULT CQELListCtrl::OnHeaderChanged(WPARAM wParam, LPARAM lParam)
{
    return SendToParent(WM_QEL_HEADERCHANGED, wParam | IdWParam(m_hWnd, 0), lParam);
}

LRESULT CQELListCtrl::OnHeaderVisiableChange(WPARAM wParam, LPARAM lParam)
{
    return SendToParent(WM_QEL_HEADERVISIABLECHANGE, wParam | IdWParam(m_hWnd, 0), lParam);
}

void CQELListCtrl::OnEndDrag(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    SetFocus();
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent != NULL)
        ::PostMessageA(hParent, WM_QEL_HEADERCHANGED, IdWParam(m_hWnd, 0), 0);
    InvalidateRect(NULL, TRUE);
    // The list view marks its cached column positions stale here and measures them again when next asked,
    // after the header has applied the drop. Taken last: the focus change above already asks for them,
    // which would cache the positions of the old order.
    Default();
    *pResult = 0;
}

void CQELListCtrl::OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
{
    Default();
    // Bit 0 newly set covers a switch to report view from the icon views; a switch from the list view, whose
    // type bits have bit 0 set as well, is recognised by the report type itself.
    const BOOL bBitSet = (lpStyleStruct->styleNew & 0x0001) != 0 && (lpStyleStruct->styleOld & 0x0001) == 0;
    if (bBitSet || (nStyleType == GWL_STYLE && IsReportStyle(lpStyleStruct->styleNew)))
    {
        CQELHeaderCtrl* pHeader = GetHeaderCtrl();
        if (pHeader == NULL || pHeader->m_hWnd == NULL)
            InitHeader();
    }
}

// A list view may make the header of a hidden report list only later, when the first column comes or the
// list shows; the header is attached when its window appears. Other views keep theirs unattached until a
// switch to report view.
void CQELListCtrl::OnParentNotify(UINT message, LPARAM lParam)
{
    if (LOWORD(message) == WM_CREATE && HIWORD(message) == 0 && m_wndHeader.m_hWnd == NULL
        && IsReportStyle(GetStyle()))
        InitHeader();
    CListCtrl::OnParentNotify(message, lParam);
}

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

// ---- In-place editing --------------------------------------------------------------------------------

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
        // The stored block holds nDataLen bytes and a terminating zero.
        m_pData = (char*)malloc((size_t)stored.nDataLen + 1);
        if (m_pData == NULL)
            return FALSE;
        memcpy(m_pData, stored.pData, (size_t)stored.nDataLen + 1);
        m_style.pData = m_pData;
        return TRUE;
    }
    _tag_QELListColumnStyle* Get() { return &m_style; }

private:
    _tag_QELListColumnStyle m_style;
    char*                   m_pData;
};

} // namespace

BOOL CQELListCtrl::IsCellInList(int nItem, int nSubItem)
{
    const BOOL bReport = IsReportStyle(::GetWindowLongA(m_hWnd, GWL_STYLE));
    const int nColumns = bReport ? (int)::SendMessageA(HeaderWindow(GetHeaderCtrl()), HDM_GETITEMCOUNT, 0, 0) : 1;
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
    if (hHeader != NULL && IsReportStyle(::GetWindowLongA(m_hWnd, GWL_STYLE)))
    {
        HDITEMA item;
        memset(&item, 0, sizeof(item));
        item.mask = HDI_WIDTH;
        if (::SendMessageA(hHeader, HDM_GETITEMA, (WPARAM)nSubItem, (LPARAM)&item) && item.cxy <= 0)
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

    CQELBaseListItem* pFactory = (CQELBaseListItem*)stored.pRuntimeClass->CreateObject();
    if (pFactory == NULL)
        return -1;

    _tag_QELListEditInfo info;
    memset(&info, 0, sizeof(info));
    info.nItem = nItem;
    info.nSubItem = nSubItem;
    info.dwItemData = GetItemData(nItem);
    info.lColumnData = GetColumnData(nSubItem);
    info.pStyle = style.Get();
    const WPARAM wParam = IdWParam(m_hWnd, 0);
    // The parent, and the reports of an open edit below, may insert and delete rows: the row follows its record.
    CTrackedRow row(this, nItem);
    if (SendToParent(WM_QEL_LISTEDITBEGIN, wParam, (LPARAM)&info) != 0)
    {
        delete pFactory;
        return 1;
    }

    // An open editor loses the focus here, reports and is deleted.
    SetFocus();
    if (row.m_nRow < 0 || !IsCellInList(row.m_nRow, nSubItem))
    {
        delete pFactory;
        return 2;
    }
    nItem = row.m_nRow;
    info.nItem = nItem;
    ScrollCellIntoView(nItem, nSubItem);

    CRect rect;
    GetSubItemRect(nItem, nSubItem, LVIR_LABEL, rect);
    if (SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_GRIDLINES)
        rect.top -= 1;

    // An editor that never took the focus survived the focus change above; it goes now instead of leaking.
    if (m_pEditCtrl != NULL)
        DestroyEditControl();
    m_pEditCtrl = pFactory->CreateItem(nItem, nSubItem, rect, style.Get(), this);
    if (m_pEditCtrl != NULL)
    {
        // Set before the parent hears of the editor, so that rows it inserts or deletes move this edit too.
        m_nEditItem = nItem;
        m_nEditOpenItem = nItem;
        m_nEditSubItem = nSubItem;
        m_dwEditGoneData = 0;
        info.nCtrlID = (UINT)m_pEditCtrl->GetDlgCtrlID();
        info.pEditWnd = m_pEditCtrl;
        SendToParent(WM_QEL_LISTITEMCONST, wParam, (LPARAM)&info);
    }
    delete pFactory;

    if (row.m_nRow >= 0)
        SelectOnlyRow(row.m_nRow);
    return 0;
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
    // The list view drops the other selected rows only under single selection; multiple selection comes back
    // afterwards.
    const BOOL bMultiple = (GetStyle() & LVS_SINGLESEL) == 0;
    if (bMultiple)
        ModifyStyle(0, LVS_SINGLESEL);
    SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (bMultiple)
        ModifyStyle(LVS_SINGLESEL, 0);
}

int CQELListCtrl::HitTestEx(CPoint point, int& nCol)
{
    const int nItem = CListCtrl::HitTest(point);
    if (nItem < 0 || !IsReportStyle(::GetWindowLongA(m_hWnd, GWL_STYLE)))
    {
        nCol = 0;
        return nItem;
    }
    for (int i = 0; i < (int)::SendMessageA(HeaderWindow(GetHeaderCtrl()), HDM_GETITEMCOUNT, 0, 0); ++i)
    {
        CRect rect;
        GetSubItemRect(nItem, i, LVIR_LABEL, rect);
        if (point.x >= rect.left && point.x <= rect.right)
        {
            nCol = i;
            return nItem;
        }
    }
    return nItem;
}

// Walking the display order from position iFrom in steps of nStep (1 or -1): the first editable column, -1 if none.
static int FindEditColumn(CQELListCtrl* pList, const COrderArray& order, int iFrom, int nStep)
{
    for (int i = iFrom; i >= 0 && i < order.GetCount(); i += nStep)
    {
        if (pList->IsEditColumn(order[i]))
            return order[i];
    }
    return -1;
}

// Display position of nColumn, searched from the left (nStep 1) or from the right (nStep -1); -1 if absent.
static int FindPosition(const COrderArray& order, int nColumn, int nStep)
{
    for (int i = nStep > 0 ? 0 : order.GetCount() - 1; i >= 0 && i < order.GetCount(); i += nStep)
    {
        if (order[i] == nColumn)
            return i;
    }
    return -1;
}

int CQELListCtrl::FirstEditColumn()
{
    COrderArray order;
    if (!order.Load(this, HeaderWindow(GetHeaderCtrl()), FALSE))
        return -1;
    return FindEditColumn(this, order, 0, 1);
}

int CQELListCtrl::LastEditColumn()
{
    COrderArray order;
    if (!order.Load(this, HeaderWindow(GetHeaderCtrl()), FALSE))
        return -1;
    return FindEditColumn(this, order, order.GetCount() - 1, -1);
}

int CQELListCtrl::NextEditColumn(int nCol)
{
    COrderArray order;
    if (!order.Load(this, HeaderWindow(GetHeaderCtrl()), FALSE))
        return -1;
    const int nPos = FindPosition(order, nCol, 1);
    return nPos < 0 ? -1 : FindEditColumn(this, order, nPos + 1, 1);
}

int CQELListCtrl::PreviousEditColumn(int nCol)
{
    COrderArray order;
    if (!order.Load(this, HeaderWindow(GetHeaderCtrl()), FALSE))
        return -1;
    const int nPos = FindPosition(order, nCol, -1);
    return nPos < 0 ? -1 : FindEditColumn(this, order, nPos - 1, -1);
}

int CQELListCtrl::AskParentForRow(int nRow)
{
    _tag_QELListEditInfo info;
    memset(&info, 0, sizeof(info));
    info.nItem = nRow;
    info.dwItemData = GetItemData(nRow);
    const int nAnswer = (int)SendToParent(WM_QEL_LISTEDITMAX, IdWParam(m_hWnd, 0), (LPARAM)&info);
    // Only a row the parent has really appended below this one moves the edit on; anything else could turn
    // the movement back onto cells it has already passed and never end.
    if (nAnswer > 0 && nAnswer > nRow && nAnswer < (int)SendMessage(LVM_GETITEMCOUNT))
        return nAnswer;
    return -1;
}

int CQELListCtrl::RowBelow(int nRow, int nCount)
{
    return nRow + 1 < nCount ? nRow + 1 : AskParentForRow(nRow);
}

LRESULT CQELListCtrl::OnEditItem(WPARAM wParam, LPARAM lParam)
{
    return EditNewSubItem(RowOfEditRequest((int)wParam, (int)(lParam & 0xFFFF)), (UINT)lParam);
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
    const UINT nKey = (lParam & 0x00FF0000) >> 16;
    const BOOL bCtrl = (lParam & 0x20000000) != 0;
    const BOOL bShift = (lParam & 0x40000000) != 0;
    int nCol = (int)(lParam & 0xFFFF);
    int nRow = nItem;

    // Read once: the movement works on the list as it was when the request arrived.
    const int nCount = (int)SendMessage(LVM_GETITEMCOUNT);
    const int nPage = (int)SendMessage(LVM_GETCOUNTPERPAGE);
    // An editor always asks from a row of the list; from any other row the walk over refused cells would
    // step through every row index up to the list, which never ends in practice.
    if (nRow < 0 || nRow >= nCount)
        return 0;

    for (;;)
    {
        int nNewRow = nRow;
        int nNewCol = nCol;
        BOOL bSameCellTest = TRUE;

        switch (nKey)
        {
        case VK_UP:
            nNewRow = nRow - 1;
            if (nNewRow < 0)
                return 0;
            break;

        case VK_DOWN:
            nNewRow = RowBelow(nRow, nCount);
            if (nNewRow < 0)
                return 0;
            break;

        case VK_PRIOR:
            if (bCtrl)
                nNewRow = 0;
            else
                nNewRow = (nRow - nPage < 0) ? 0 : nRow - nPage;
            if (nNewRow == nRow || nNewRow < 0 || nNewRow >= nCount)
                return 0;
            break;

        case VK_NEXT:
            if (bCtrl)
                nNewRow = nCount - 1;
            else
                nNewRow = (nRow + nPage > nCount - 1) ? nCount - 1 : nRow + nPage;
            if (nNewRow == nRow || nNewRow < 0 || nNewRow >= nCount)
                return 0;
            break;

        case VK_HOME:
            nNewCol = FirstEditColumn();
            if (nNewCol == nCol)
                return 0;
            bSameCellTest = FALSE;
            break;

        case VK_END:
            nNewCol = LastEditColumn();
            if (nNewCol == nCol)
                return 0;
            bSameCellTest = FALSE;
            break;

        case VK_TAB:
            if (bShift)
            {
                nNewCol = PreviousEditColumn(nCol);
                if (nNewCol == -1)
                {
                    nNewCol = LastEditColumn();
                    if (nNewCol == -1)
                        return 0;
                    nNewRow = nRow - 1;
                    if (nNewRow < 0)
                        return 0;
                }
            }
            else
            {
                nNewCol = NextEditColumn(nCol);
                if (nNewCol == -1)
                {
                    nNewCol = FirstEditColumn();
                    if (nNewCol == -1)
                        return 0;
                    nNewRow = RowBelow(nRow, nCount);
                    if (nNewRow < 0)
                        return 0;
                }
            }
            if (nNewCol == nCol)
                return 0;
            break;

        default:
            return 0;
        }

        if (bSameCellTest && nNewRow == nRow && nNewCol == nCol)
            return 0;

        const int nResult = EditSubItem(nNewRow, nNewCol);
        if (nResult == 0 || nResult == -1)
            return 1;
        // Refused, out of range, not editable or hidden: pass over it in the direction of movement.
        nRow = nNewRow;
        nCol = nNewCol;
    }
}

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
            SetItemText(pInfo->nItem, pInfo->nSubItem, pInfo->pszText);
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
    // The parent may have moved or deleted the record meanwhile: the text goes where the record is now.
    if (lResult == 0 && IsReportOfEnding(pInfo) && m_nReportItem >= 0)
        SetItemText(m_nReportItem, pInfo->nSubItem, pInfo->pszText);
    return lResult;
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

// ---- Rows that move under an edit ----------------------------------------------------------------------

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

LRESULT CQELListCtrl::OnSortItems(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // The open edit commits to its own row before the rows move.
    const BOOL bEditing = m_pEditCtrl != NULL;
    if (bEditing)
        SetFocus();
    const CPoint ptEditBefore = EditCellOrigin();
    NoteGoneRecords(-1);
    const LRESULT lResult = DefaultRowChange();
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
        m_dwEditGoneData = GetItemData(m_nEditItem);
    if (m_pReportEdit != NULL && m_nReportItem >= 0 && (nRow < 0 || nRow == m_nReportItem))
        m_dwReportGoneData = GetItemData(m_nReportItem);
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
    if (m_pEditCtrl != NULL && m_nEditItem < 0)
    {
        EndEditOfGoneRecord();
        // Its move requests still in the queue name a row that now holds another record.
        PurgeMoveRequests();
    }
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

// The open edit's record was deleted (or the rows reordered under an editor that never took the focus): the
// edit ends with one WM_QEL_LISTEDITEND and its text is stored nowhere.
void CQELListCtrl::EndEditOfGoneRecord()
{
    CWnd* pEdit = m_pEditCtrl;
    const int nEnds = m_nEndsForwarded;
    SetFocus();
    if (m_pEditCtrl == pEdit)
        DestroyEditControl();
    if (m_nEndsForwarded != nEnds || m_pReportEdit == pEdit)
        return;
    // The editor had no focus to lose, so it reported nothing: its end is reported for it.
    _tag_QELListEditInfo info;
    memset(&info, 0, sizeof(info));
    info.nItem = -1;
    info.nSubItem = m_nEditSubItem;
    info.dwItemData = m_dwEditGoneData;
    info.lColumnData = GetColumnData(m_nEditSubItem);
    ++m_nEndsForwarded;
    SendToParent(WM_QEL_LISTEDITEND, IdWParam(m_hWnd, 0), (LPARAM)&info);
}

void CQELListCtrl::PurgeMoveRequests()
{
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, WM_QEL_LISTITEMEDIT, WM_QEL_LISTITEMEDIT, PM_REMOVE))
    {
    }
}

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
        ::PostMessageA(hParent, WM_QEL_LISTMOUSEMOVE, IdWParam(m_hWnd, (DWORD)nCol), (LPARAM)nItem);
    CListCtrl::OnMouseMove(nFlags, point);
}

// ---- Cell drawing ------------------------------------------------------------------------------------

COLORREF CQELListCtrl::OnGetCellTextColor(int /*nItem*/, int /*nSubItem*/)
{
    return (COLORREF)SendMessage(LVM_GETTEXTCOLOR);
}

COLORREF CQELListCtrl::OnGetCellBkColor(int /*nItem*/, int /*nSubItem*/)
{
    return (COLORREF)SendMessage(LVM_GETBKCOLOR);
}

HFONT CQELListCtrl::OnGetCellFont(int /*nItem*/, int /*nSubItem*/, DWORD_PTR /*dwItemData*/)
{
    return NULL;
}

BOOL CQELListCtrl::CustomDrawSubItem(int /*nItem*/, int /*nSubItem*/, LPARAM /*lParam*/)
{
    return FALSE;
}

void CQELListCtrl::OnDrawSubItem(CDC* /*pDC*/, int /*nItem*/, int /*nSubItem*/, RECT /*rect*/, LPARAM /*lParam*/)
{
}

void CQELListCtrl::EnableCustomColor(int bEnable, int bRedraw)
{
    m_bCustomColor = bEnable;
    if (bRedraw && m_hWnd != NULL)
        InvalidateRect(NULL, TRUE);
}

void CQELListCtrl::EnableCustomFont(int bEnable, int bRedraw)
{
    m_bCustomFont = bEnable;
    if (bRedraw && m_hWnd != NULL)
        InvalidateRect(NULL, TRUE);
}

void CQELListCtrl::EnableMarkSortedColumn(int bEnable, int bRedraw)
{
    m_bMarkSortedColumn = bEnable;
    if (m_hWnd != NULL && bRedraw)
        RedrawWindow(NULL, NULL, kRedrawNow);
}

void CQELListCtrl::InitColors()
{
    m_crSortedColumn = PixelAlpha((COLORREF)SendMessage(LVM_GETBKCOLOR), 0.97, 0.97, 0.97);
}

void CQELListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = (NMLVCUSTOMDRAW*)pNMHDR;
    const int nRow = (int)pDraw->nmcd.dwItemSpec;
    const int nColumn = pDraw->iSubItem;
    const LPARAM lItemData = pDraw->nmcd.lItemlParam;

    switch (pDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;

    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        break;

    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
    {
        if (m_bCustomColor)
        {
            pDraw->clrTextBk = OnGetCellBkColor(nRow, nColumn);
            pDraw->clrText = OnGetCellTextColor(nRow, nColumn);
        }
        if (nColumn == m_nSortColumn && m_bMarkSortedColumn)
        {
            // Only cells left in the list's own background take the shade; a hook's colour wins.
            if (pDraw->clrTextBk == (COLORREF)SendMessage(LVM_GETBKCOLOR))
                pDraw->clrTextBk = m_crSortedColumn;
        }
        const HFONT hFont = m_bCustomFont ? OnGetCellFont(nRow, nColumn, (DWORD_PTR)lItemData) : NULL;
        m_bDrawSubItem = CustomDrawSubItem(nRow, nColumn, lItemData);
        if (hFont != NULL)
        {
            m_hOldFont = (HFONT)::SelectObject(pDraw->nmcd.hdc, hFont);
            *pResult = CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT;
        }
        else
        {
            *pResult = m_bDrawSubItem ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
        }
        break;
    }

    case CDDS_ITEMPOSTPAINT | CDDS_SUBITEM:
        if (m_hOldFont != NULL)
        {
            ::SelectObject(pDraw->nmcd.hdc, m_hOldFont);
            m_hOldFont = NULL;
        }
        if (m_bDrawSubItem)
        {
            CRect rect;
            GetSubItemRect(nRow, nColumn, LVIR_BOUNDS, rect);
            OnDrawSubItem(CDC::FromHandle(pDraw->nmcd.hdc), nRow, nColumn, rect, lItemData);
            m_bDrawSubItem = FALSE;
        }
        *pResult = CDRF_DODEFAULT;
        break;

    default:
        break;
    }
}

BOOL CQELListCtrl::OnEraseBkgnd(CDC* pDC)
{
    const BOOL bResult = CListCtrl::OnEraseBkgnd(pDC);
    if (m_nSortColumn >= 0 && m_bMarkSortedColumn)
    {
        const HWND hHeader = HeaderWindow(GetHeaderCtrl());
        CRect rectColumn;
        if (hHeader != NULL
            && ::SendMessageA(hHeader, HDM_GETITEMRECT, (WPARAM)m_nSortColumn, (LPARAM)&rectColumn))
        {
            // Header coordinates to list coordinates, so the band follows horizontal scrolling.
            ::MapWindowPoints(hHeader, m_hWnd, (LPPOINT)&rectColumn, 2);
            CRect rectClient;
            GetClientRect(&rectClient);
            CRect rectBand(rectColumn.left, rectClient.top, rectColumn.right, rectClient.bottom);
            CBrush brush(m_crSortedColumn);
            pDC->FillRect(&rectBand, &brush);
            brush.DeleteObject();
        }
    }
    return bResult;
}

void CQELListCtrl::OnSysColorChange()
{
    CListCtrl::OnSysColorChange();
    InitColors();
    RedrawWindow(NULL, NULL, kRedrawNow);
}

int CQELListCtrl::GetLastDisplayColumn()
{
    COrderArray order;
    if (!order.Load(this, HeaderWindow(GetHeaderCtrl()), TRUE))
        return -1;
    return order[order.GetCount() - 1];
}

// Vertical scroll state of the list: nPos the top visible row, nPage the rows that fit.
static void GetRowScroll(CWnd* pList, SCROLLINFO& info)
{
    memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(info);
    pList->GetScrollInfo(SB_VERT, &info, SIF_ALL);
}

BOOL CQELListCtrl::GetStripRect(int nRow, int nLastColumn, BOOL bGridLines, const CRect& rectClient, CRect& rect)
{
    CRect rectLabel;
    GetSubItemRect(nRow, nLastColumn, LVIR_LABEL, rectLabel);
    // Inside the grid lines, so that they stay visible.
    rect.SetRect(rectLabel.right + (bGridLines ? 1 : 0), rectLabel.top, rectClient.right,
                 rectLabel.bottom - (bGridLines ? 1 : 0));
    return !rect.IsRectEmpty();
}

void CQELListCtrl::OnPaint()
{
    Default();
    if (!m_bCustomColor)
        return;

    CClientDC dc(this);
    CClientRect rectClient(this);
    const int nLastColumn = GetLastDisplayColumn();
    if (nLastColumn < 0)
        return;

    SCROLLINFO info;
    GetRowScroll(this, info);
    const DWORD dwExStyle = (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE);
    const BOOL bFullRow = (dwExStyle & LVS_EX_FULLROWSELECT) != 0;
    const BOOL bGridLines = (dwExStyle & LVS_EX_GRIDLINES) != 0;

    const int nEnd = info.nPos + (int)info.nPage + 1;
    for (int nRow = info.nPos; nRow < nEnd && nRow < (int)SendMessage(LVM_GETITEMCOUNT); ++nRow)
    {
        COLORREF crStrip = OnGetCellBkColor(nRow, -1);
        if (bFullRow && SendMessage(LVM_GETITEMSTATE, (WPARAM)nRow, LVIS_SELECTED) != 0)
            crStrip = ::GetFocus() == m_hWnd ? _gWindowColor.m_crHighlight : _gWindowColor.m_crBtnFace;
        CRect rectStrip;
        if (GetStripRect(nRow, nLastColumn, bGridLines, rectClient, rectStrip))
        {
            CBrush brush(crStrip);
            dc.FillRect(&rectStrip, &brush);
            brush.DeleteObject();
        }
    }
}

void CQELListCtrl::OnItemchanged(NMHDR* pNMHDR, LRESULT* /*pResult*/)
{
    const NMLISTVIEW* pInfo = (const NMLISTVIEW*)pNMHDR;
    SCROLLINFO info;
    GetRowScroll(this, info);
    if (pInfo->iItem < info.nPos || pInfo->iItem >= info.nPos + (int)info.nPage + 1)
        return;

    CClientRect rectClient(this);
    const int nLastColumn = GetLastDisplayColumn();
    if (nLastColumn < 0)
        return;
    const BOOL bGridLines = (SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE) & LVS_EX_GRIDLINES) != 0;
    CRect rectStrip;
    if (GetStripRect(pInfo->iItem, nLastColumn, bGridLines, rectClient, rectStrip))
        InvalidateRect(&rectStrip, TRUE);
}

// ---- Clipboard ---------------------------------------------------------------------------------------

BOOL CQELListCtrl::ClipboardFault(int nAllocation)
{
    return s_pfnClipboardFault != NULL && s_pfnClipboardFault(nAllocation);
}

int CQELListCtrl::CopyToClipboard(DWORD dwMask)
{
    // Without a header window (the icon and list views) there are no columns to copy: the clipboard stays as it is.
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader == NULL || !::IsWindow(pHeader->m_hWnd))
        return 0;
    if (!::OpenClipboard(m_hWnd))
        return 0;

    const HWND hHeader = pHeader->m_hWnd;
    int nColumns = (int)::SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0);
    if (nColumns < 0)
        nColumns = 0;
    int* pOrder = ClipboardFault(clipOrderBuffer) ? NULL : (int*)calloc((size_t)nColumns + 1, sizeof(int));
    CClipboardText text;
    CCellText cell;
    if (pOrder == NULL || ClipboardFault(clipTextBuffer) || !text.Init())
    {
        free(pOrder);
        ::CloseClipboard();
        return 0;
    }
    if (nColumns > 0)
        pHeader->GetOrderArray(pOrder, nColumns);
    for (int nPos = 0; nPos < nColumns; ++nPos)
    {
        if (!pHeader->IsVisibleColumn(pOrder[nPos]))
            pOrder[nPos] = -1;
    }

    BOOL bOk = TRUE;
    for (int nPos = 0; bOk && nPos < nColumns; ++nPos)
    {
        if (pOrder[nPos] == -1)
            continue;
        char szCaption[1024];
        memset(szCaption, 0, sizeof(szCaption));
        HDITEMA item;
        memset(&item, 0, sizeof(item));
        item.mask = HDI_TEXT;
        item.pszText = szCaption;
        item.cchTextMax = sizeof(szCaption);
        if (!::SendMessageA(hHeader, HDM_GETITEMA, (WPARAM)pOrder[nPos], (LPARAM)&item))
            continue;
        szCaption[sizeof(szCaption) - 1] = '\0';
        bOk = text.Append("", nPos > 0 ? "\t" : "", szCaption, strlen(szCaption), ClipboardFault(clipTextGrow));
    }

    for (int nRow = 0; bOk && nRow < (int)SendMessage(LVM_GETITEMCOUNT); ++nRow)
    {
        if (SendMessage(LVM_GETITEMSTATE, (WPARAM)nRow, (LPARAM)dwMask) == 0)
            continue;
        BOOL bFirst = TRUE;
        for (int nPos = 0; bOk && nPos < nColumns; ++nPos)
        {
            if (pOrder[nPos] == -1)
                continue;
            bOk = cell.Read(this, nRow, pOrder[nPos])
                  && text.Append(bFirst ? "\r\n" : "", nPos > 0 ? "\t" : "", cell.GetText(), cell.GetLength(),
                                 ClipboardFault(clipTextGrow));
            bFirst = FALSE;
        }
    }
    free(pOrder);
    if (!bOk)
    {
        ::CloseClipboard();
        return 0;
    }

    const BOOL bPut = PutClipboardText(text.GetText(), text.GetLength());
    ::CloseClipboard();
    return bPut ? 1 : 0;
}

BOOL CQELListCtrl::PutClipboardText(const char* pText, size_t nLength)
{
    // From here the previous contents are gone; on failure the block is freed, as the clipboard did not take it.
    ::EmptyClipboard();
    const size_t nSize = nLength + 1;
    HGLOBAL hBlock = ClipboardFault(clipGlobalAlloc) ? NULL : ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (hBlock == NULL)
        return FALSE;
    char* pBlock = ClipboardFault(clipGlobalLock) ? NULL : (char*)::GlobalLock(hBlock);
    if (pBlock == NULL)
    {
        ::GlobalFree(hBlock);
        return FALSE;
    }
    memset(pBlock, 0, nSize);
    memcpy(pBlock, pText, nLength);
    ::GlobalUnlock(hBlock);
    if (::SetClipboardData(CF_TEXT, hBlock) == NULL)
    {
        ::GlobalFree(hBlock);
        return FALSE;
    }
    return TRUE;
}
