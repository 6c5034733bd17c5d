// CQELListCtrl: construction, column styles and header coupling. Sorting, editing, drawing and the clipboard
// copy live in the QELListCtrl*.cpp files named after them.
#include "QELListCtrlInternal.h"
#include "QELBaseListItem.h"

#include <stdlib.h>
#include <string.h>

using namespace QELList;

IMPLEMENT_DYNAMIC(CQELListCtrl, CListCtrl)

namespace {

// The list's copy of a style, with its own data block and a terminating zero; FALSE when the block cannot be
// allocated. A block without a positive length is not the list's to keep or free: the copy has none.
BOOL CopyStyle(const _tag_QELListColumnStyle& style, _tag_QELListColumnStyle& copy)
{
    copy = style;
    copy.pData = NULL;
    if (style.pData == NULL || style.nDataLen <= 0)
        return TRUE;
    copy.pData = (LPTSTR)calloc((size_t)style.nDataLen + 1, sizeof(TCHAR));
    if (copy.pData == NULL)
        return FALSE;
    memcpy(copy.pData, style.pData, (size_t)style.nDataLen * sizeof(TCHAR));
    return TRUE;
}

// Messages that change neither the columns, the view's scrolling nor its colours: mouse moves, painting and
// the questions the list asks itself while it hit-tests or paints. Every other message may change them.
BOOL IsViewQuery(UINT message)
{
    switch (message)
    {
    case WM_MOUSEMOVE:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_GETFONT:
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST:
    case LVM_GETSUBITEMRECT:
    case LVM_GETITEMRECT:
    case LVM_GETITEMCOUNT:
    case LVM_GETITEMSTATE:
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
    case LVM_GETTEXTCOLOR:
    case LVM_GETBKCOLOR:
    case LVM_GETHEADER:
    case LVM_GETCOLUMNWIDTH:
        return TRUE;
    default:
        return FALSE;
    }
}

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
    ON_WM_DESTROY()
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, &CQELListCtrl::OnColumnClick)
    ON_WM_ERASEBKGND()
    ON_WM_SYSCOLORCHANGE()
    ON_NOTIFY(HDN_ENDDRAG, 0, &CQELListCtrl::OnEndDrag)
    ON_WM_TIMER()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CQELListCtrl::OnCustomDraw)
    ON_WM_STYLECHANGED()
    ON_WM_PARENTNOTIFY()
    ON_REGISTERED_MESSAGE(WM_QEL_LISTITEMEDIT, &CQELListCtrl::OnEditItem)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITTING, &CQELListCtrl::OnItemEditting)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITEND, &CQELListCtrl::OnItemEditted)
    ON_REGISTERED_MESSAGE(WM_QEL_HEADERCHANGED, &CQELListCtrl::OnHeaderChanged)
    ON_REGISTERED_MESSAGE(WM_QEL_HEADERVISIABLECHANGE, &CQELListCtrl::OnHeaderVisiableChange)
    ON_MESSAGE(LVM_INSERTITEMA, &CQELListCtrl::OnInsertItem)
    ON_MESSAGE(LVM_INSERTITEMW, &CQELListCtrl::OnInsertItem)
    ON_MESSAGE(LVM_DELETEITEM, &CQELListCtrl::OnDeleteItem)
    ON_MESSAGE(LVM_DELETEALLITEMS, &CQELListCtrl::OnDeleteAllItems)
    ON_MESSAGE(LVM_SORTITEMS, &CQELListCtrl::OnSortItems)
    ON_MESSAGE(LVM_SORTITEMSEX, &CQELListCtrl::OnSortItems)
    ON_MESSAGE(LVM_SETITEMCOUNT, &CQELListCtrl::OnSetItemCount)
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
    , m_bReportEndSent(FALSE)
    , m_nEndsForwarded(0)
    , m_pTrackedRows(NULL)
    , m_bChangingRows(FALSE)
    , m_bCommitAfterRowChange(FALSE)
    , m_bAskingForRow(FALSE)
    , m_pCompareKinds(NULL)
    , m_pSortKeys(NULL)
    , m_bCreating(FALSE)
    , m_pColumnSpans(NULL)
    , m_bPaintColors(FALSE)
    , m_crPaintText(0)
    , m_crPaintBk(0)
{
}

CQELListCtrl::~CQELListCtrl()
{
    RemoveColumnStyle(-1);
    // Editors are released while this object is complete, so that their last reports still find the list;
    // the parent hears of every end that was not reported.
    EndEditsOfGoingWindow();
    DestroyReportingEdit();
    DestroyEditControl();
    delete m_pCompareKinds;
    m_pCompareKinds = NULL;
    // The window outlives this body (CWnd destroys it): the header window goes first, and the list still hears
    // of that through WindowProc, which must not reach the freed extents.
    delete m_pColumnSpans;
    m_pColumnSpans = NULL;
}

int CQELListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    return InitList() ? 0 : -1;
}

void CQELListCtrl::OnDestroy()
{
    EndEditsOfGoingWindow();
    CListCtrl::OnDestroy();
}

BOOL CQELListCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    m_bCreating = CListCtrl::PreCreateWindow(cs);
    return m_bCreating;
}

void CQELListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    // During Create the work is left to OnCreate, when the list view has made its header.
    if (!m_bCreating)
        InitList();
    m_bCreating = FALSE;
}

void CQELListCtrl::PostNcDestroy()
{
    // Also reached when Create fails before the window is attached: a later subclassing is no creation.
    m_bCreating = FALSE;
    CListCtrl::PostNcDestroy();
}

LRESULT CQELListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    ForgetViewAnswers(message);
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

// Drops what the list remembered of the view's answers (column label extents, colours of a paint) when a
// message may have changed them.
void CQELListCtrl::ForgetViewAnswers(UINT message)
{
    if (IsViewQuery(message))
        return;
    m_bPaintColors = FALSE;
    if (m_pColumnSpans != NULL)
        m_pColumnSpans->Clear();
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

LRESULT CQELListCtrl::SendToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent == NULL)
        return 0;
    return ::SendMessage(hParent, message, wParam, lParam);
}

LPARAM CQELListCtrl::GetColumnData(int nSubItem)
{
    HDITEM item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_LPARAM;
    ::SendMessage(HeaderWindow(GetHeaderCtrl()), HDM_GETITEM, (WPARAM)nSubItem, (LPARAM)&item);
    return item.lParam;
}

void CQELListCtrl::FillEditInfoData(_tag_QELListEditInfo* pInfo)
{
    pInfo->dwItemData = ItemData(pInfo->nItem);
    pInfo->lColumnData = GetColumnData(pInfo->nSubItem);
}

// An owner-data list view holds only the item count and the selection: the parent keeps the rows.
BOOL CQELListCtrl::IsOwnerData() const
{
    return (GetStyle() & LVS_OWNERDATA) != 0;
}

// The row's item data for the edit records; 0 on an owner-data list, which keeps none.
DWORD_PTR CQELListCtrl::ItemData(int nItem)
{
    return IsOwnerData() ? 0 : GetItemData(nItem);
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
#ifdef _DEBUG
    // A data block without a length would be dropped silently (a date column then shows the default format).
    if (pStyle->pData != NULL && pStyle->pData[0] != '\0' && pStyle->nDataLen <= 0)
    {
        ::OutputDebugString(_T("QELCtrl: SetColumnStyle refused: pData holds a text but nDataLen is not its ")
                            _T("length in TCHARs (without the terminating zero)\n"));
        return 0xFFFFFFFF;
    }
#endif

    // Copied before the old style goes, so that a failure leaves the store as it was.
    _tag_QELListColumnStyle copy;
    if (!CopyStyle(*pStyle, copy))
        return 0xFFFFFFFF;

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
    if ((::GetWindowLong(m_hWnd, GWL_STYLE) & LVS_TYPEMASK) == LVS_LIST && nColumn != 0)
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

int CQELListCtrl::IsEnableSortColumn(int nColumn)
{
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader != NULL ? pHeader->IsEnableSortColumn(nColumn) : 0;
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

int CQELListCtrl::IsColumnMenu()
{
    CQELHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader != NULL ? pHeader->IsColumnMenu() : 0;
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
        ::PostMessage(hParent, WM_QEL_HEADERCHANGED, IdWParam(m_hWnd, 0), 0);
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
