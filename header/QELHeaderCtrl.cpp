// Header control of the report list: construction, the column state and its records. Painting is in
// QELHeaderCtrlPainting.cpp, hover, mouse and the column menu in QELHeaderCtrlMouse.cpp.
#include "QELHeaderCtrl.h"

#include <string.h>

#include "QELWindowColor.h"

namespace {

// A column that has no record: visible, not sortable, not marked, nothing recorded.
const _tag_QELHeaderColumnState kDefaultState = { 0, 0, 0, 1, 0 };

// Redraw flags used for every repaint the header requests.
const UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

// Narrowest width a column is given back when shown.
const int kMinShownWidth = 10;

} // namespace

BOOL IsDialogControl(CWnd* pWnd)
{
    if (pWnd == NULL)
        return FALSE;
    // GetParent yields the owner of a top-level window, so the walk also climbs from a pop-up to its owner.
    HWND hWnd = pWnd->GetSafeHwnd();
    for (;;)
    {
        hWnd = ::GetParent(hWnd);
        CWnd* pParent = CWnd::FromHandle(hWnd);
        if (pParent == NULL)
            return FALSE;
        if (pParent->IsKindOf(RUNTIME_CLASS(CDialog)))
            return TRUE;
    }
}

IMPLEMENT_DYNAMIC(CQELHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CQELHeaderCtrl, CHeaderCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_CREATE()
    ON_WM_SETCURSOR()
    ON_WM_RBUTTONDOWN()
    ON_NOTIFY_REFLECT(HDN_BEGINTRACKA, &CQELHeaderCtrl::OnBeginTrack)
    // The list view is a Unicode window: its header asks for and sends the W form of the notification.
    ON_NOTIFY_REFLECT(HDN_BEGINTRACKW, &CQELHeaderCtrl::OnBeginTrack)
    // A double click on a divider has the list view size that column to its contents.
    ON_NOTIFY_REFLECT_EX(HDN_DIVIDERDBLCLICKA, &CQELHeaderCtrl::OnDividerDblClick)
    ON_NOTIFY_REFLECT_EX(HDN_DIVIDERDBLCLICKW, &CQELHeaderCtrl::OnDividerDblClick)
    // Width changes of a hidden column by other routes than ShowColumn: set width, autosize, autosize keys.
    ON_NOTIFY_REFLECT_EX(HDN_ITEMCHANGINGA, &CQELHeaderCtrl::OnItemChanging)
    ON_NOTIFY_REFLECT_EX(HDN_ITEMCHANGINGW, &CQELHeaderCtrl::OnItemChanging)
    ON_WM_MOUSELEAVE()
    ON_MESSAGE(WM_SETFONT, &CQELHeaderCtrl::OnSetFont)
END_MESSAGE_MAP()

CQELHeaderCtrl::CQELHeaderCtrl()
    : m_bLButtonDown(0),
      m_bMultipleSort(0),
      m_bAscending(1),
      m_bDialogControl(0),
      m_nHotItem(-1),
      m_bTrackMouse(0),
      m_bColumnMenu(1),
      m_hUserFont(NULL),
      m_hFont(NULL)
{
    m_hFont = CreateFontA();
    CreateObjectDC();
}

CQELHeaderCtrl::~CQELHeaderCtrl()
{
    DeleteObjectDC();
    if (m_hFont != NULL)
        ::DeleteObject(m_hFont);
    m_hFont = NULL;
    m_mapColumnState.RemoveAll();
    if (m_hWnd != NULL)
        DestroyWindow();
}

// ---- Column state ----------------------------------------------------------------------------------

BOOL CQELHeaderCtrl::GetState(int nColumn, _tag_QELHeaderColumnState& state) const
{
    if (m_mapColumnState.Lookup(nColumn, state))
        return TRUE;
    state = kDefaultState;
    return FALSE;
}

int CQELHeaderCtrl::GetItemCountSafe() const
{
    if (m_hWnd == NULL)
        return 0;
    return (int)::SendMessage(m_hWnd, HDM_GETITEMCOUNT, 0, 0);
}

BOOL CQELHeaderCtrl::ReadItemWidth(int nColumn, int& nWidth) const
{
    HDITEM item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_WIDTH;
    if (m_hWnd == NULL || !::SendMessage(m_hWnd, HDM_GETITEM, (WPARAM)nColumn, (LPARAM)&item))
        return FALSE;
    nWidth = item.cxy;
    return TRUE;
}

void CQELHeaderCtrl::WriteItemWidth(int nColumn, int nWidth)
{
    HDITEM item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_WIDTH;
    item.cxy = nWidth;
    ::SendMessage(m_hWnd, HDM_SETITEM, (WPARAM)nColumn, (LPARAM)&item);
}

int CQELHeaderCtrl::HitTestPoint(CPoint point, UINT& nFlags) const
{
    HDHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt = point;
    const int nHit = (int)::SendMessage(m_hWnd, HDM_HITTEST, 0, (LPARAM)&hti);
    nFlags = hti.flags;
    return nHit;
}

int CQELHeaderCtrl::HitTestCursor(UINT& nFlags) const
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    return HitTestPoint(point, nFlags);
}

void CQELHeaderCtrl::Redraw()
{
    // An object not yet attached to a window has nothing to repaint (and a null handle means the desktop).
    if (m_hWnd == NULL)
        return;
    if (m_bRedrawHeld)
        m_bRedrawMissed = TRUE;
    else
        ::RedrawWindow(m_hWnd, NULL, NULL, kRedrawFlags);
}

// While held, the repaints of several mark changes collapse into one at the release.
void CQELHeaderCtrl::HoldRedraw(BOOL bHold)
{
    m_bRedrawHeld = bHold;
    if (bHold || !m_bRedrawMissed)
        return;
    m_bRedrawMissed = FALSE;
    Redraw();
}

void CQELHeaderCtrl::ClearHotItem()
{
    if (m_nHotItem >= 0)
    {
        m_nHotItem = -1;
        Redraw();
    }
}

HWND CQELHeaderCtrl::GetNotifyHwnd() const
{
    CWnd* pOwner = GetOwner();
    return pOwner != NULL ? pOwner->GetSafeHwnd() : NULL;
}

void CQELHeaderCtrl::PostHeaderChanged()
{
    // A null target would make this a thread message that no window receives.
    const HWND hWndNotify = GetNotifyHwnd();
    if (hWndNotify != NULL)
        ::PostMessage(hWndNotify, WM_QEL_HEADERCHANGED, 0, 0);
}

int CQELHeaderCtrl::EnableSortColumn(int nColumn, int bEnable)
{
    if (nColumn < 0 || nColumn >= GetItemCountSafe())
        return 0;
    _tag_QELHeaderColumnState state;
    GetState(nColumn, state);
    state.bSortEnable = bEnable;
    m_mapColumnState.SetAt(nColumn, state);
    return 1;
}

int CQELHeaderCtrl::IsEnableSortColumn(int nColumn)
{
    _tag_QELHeaderColumnState state;
    GetState(nColumn, state);
    return state.bSortEnable;
}

void CQELHeaderCtrl::SetSortColumn(int nColumn, int bAscending, int bAdd)
{
    if (nColumn < 0 || !IsEnableSortColumn(nColumn))
        return;
    if (!(bAdd && m_bMultipleSort))
    {
        const int nCount = GetItemCountSafe();
        for (int i = 0; i < nCount; ++i)
            RemoveSortColumn(i);
    }
    _tag_QELHeaderColumnState state;
    GetState(nColumn, state);
    state.nSortState = bAscending ? 1 : -1;
    m_mapColumnState.SetAt(nColumn, state);
    Redraw();
}

void CQELHeaderCtrl::RemoveSortColumn(int nColumn)
{
    _tag_QELHeaderColumnState state;
    if (!m_mapColumnState.Lookup(nColumn, state))
        return;
    state.nSortState = 0;
    m_mapColumnState.SetAt(nColumn, state);
    Redraw();
}

void CQELHeaderCtrl::EnableMultipleSort(int bEnable)
{
    if (bEnable == m_bMultipleSort)
        return;
    m_bMultipleSort = bEnable;
    if (bEnable)
        return;
    // Leaving multiple sort clears every mark, including the first key's.
    POSITION pos = m_mapColumnState.GetStartPosition();
    while (pos != NULL)
    {
        int nColumn = 0;
        _tag_QELHeaderColumnState state;
        m_mapColumnState.GetNextAssoc(pos, nColumn, state);
        state.nSortState = 0;
        m_mapColumnState.SetAt(nColumn, state);   // existing key: the table's shape does not change
    }
    Redraw();
}

int CQELHeaderCtrl::IsMultipleSort() const
{
    return m_bMultipleSort;
}

int CQELHeaderCtrl::GetSortColumn() const
{
    if (m_bMultipleSort)
        return -1;
    const int nCount = GetItemCountSafe();
    for (int i = 0; i < nCount; ++i)
    {
        if (GetColumnState(i) != 0)
            return i;
    }
    return -1;
}

int CQELHeaderCtrl::IsAscending() const
{
    if (m_bMultipleSort)
        return -1;
    const int nColumn = GetSortColumn();
    if (nColumn < 0)
        return 0;   // nothing marked
    return GetColumnState(nColumn) > 0 ? 1 : 0;
}

int CQELHeaderCtrl::GetColumnState(int nColumn) const
{
    _tag_QELHeaderColumnState state;
    GetState(nColumn, state);
    return state.nSortState;
}

int CQELHeaderCtrl::ShowColumn(int nColumn, int bShow, int nWidth)
{
    if (nColumn < 0 || nColumn >= GetItemCountSafe())
        return 0;
    _tag_QELHeaderColumnState state;
    GetState(nColumn, state);
    if (state.bForceHide)
        return 0;

    int nCurrent = 0;
    ReadItemWidth(nColumn, nCurrent);
    const int bWasVisible = state.bVisible;
    state.bVisible = bShow;

    int nNewWidth = 0;
    if (bShow)
    {
        if (nWidth > 0)
            state.nWidth = nWidth < kMinShownWidth ? kMinShownWidth : nWidth;
        nNewWidth = state.nWidth > 0 ? state.nWidth : kMinShownWidth;
    }
    else if (bWasVisible)   // a column already hidden keeps the width it is to get back
    {
        // Remember what the column had; a column that is already 0 wide keeps the caller's value.
        state.nWidth = nCurrent != 0 ? nCurrent : nWidth;
    }
    m_mapColumnState.SetAt(nColumn, state);
    WriteItemWidth(nColumn, nNewWidth);
    return 1;
}

int CQELHeaderCtrl::IsVisibleColumn(int nColumn)
{
    _tag_QELHeaderColumnState state;
    GetState(nColumn, state);
    return state.bVisible;
}

int CQELHeaderCtrl::ForceHideColumn(int nColumn, int bForce, int bShowWhenReleased)
{
    if (nColumn < 0 || nColumn >= GetItemCountSafe())
        return 0;
    if (bForce && !ShowColumn(nColumn, 0, -1))
        return 0;
    _tag_QELHeaderColumnState state;
    if (m_mapColumnState.Lookup(nColumn, state))
    {
        state.bForceHide = bForce;
        m_mapColumnState.SetAt(nColumn, state);
    }
    if (bForce || !bShowWhenReleased)
        return 1;
    return ShowColumn(nColumn, 1, -1);
}

int CQELHeaderCtrl::IsForceHideColumn(int nColumn)
{
    if (nColumn < 0 || nColumn >= GetItemCountSafe())
        return 0;
    _tag_QELHeaderColumnState state;
    GetState(nColumn, state);
    return state.bForceHide;
}

int CQELHeaderCtrl::GetColumnWidth(int nColumn)
{
    _tag_QELHeaderColumnState state;
    if (m_mapColumnState.Lookup(nColumn, state))
        return state.nWidth;
    int nWidth = 0;
    return ReadItemWidth(nColumn, nWidth) ? nWidth : -1;
}

int CQELHeaderCtrl::IsColumnMenu() const
{
    return m_bColumnMenu;
}

void CQELHeaderCtrl::EnableColumnMenu(int bEnable)
{
    m_bColumnMenu = bEnable;
}

void CQELHeaderCtrl::ReadOrder(CArray<int, int>& order)
{
    const int nCount = GetItemCountSafe();
    order.SetSize(nCount > 0 ? nCount : 0);
    for (int i = 0; i < nCount; ++i)
        order[i] = i;   // stays the index order should the request fail
    if (nCount > 0)
        GetOrderArray(order.GetData(), nCount);
}

void CQELHeaderCtrl::RecordColumnWidths(const CArray<int, int>& order)
{
    m_bLButtonDown = 0;
    BOOL bChanged = FALSE;
    for (INT_PTR i = 0; i < order.GetSize(); ++i)
    {
        const int nColumn = order[i];
        int nWidth = 0;
        ReadItemWidth(nColumn, nWidth);
        _tag_QELHeaderColumnState state;
        GetState(nColumn, state);
        if (nWidth > 0)
        {
            if (nWidth != state.nWidth)
                bChanged = TRUE;
            state.nWidth = nWidth;
        }
        else if (state.bVisible)
        {
            bChanged = TRUE;   // dragged shut while marked visible
        }
        m_mapColumnState.SetAt(nColumn, state);
    }
    if (bChanged)
        PostHeaderChanged();
}

void CQELHeaderCtrl::CreateObjectDC()
{
    m_brushBackground.CreateSolidBrush(_gWindowColor.m_crBtnFace);
}

void CQELHeaderCtrl::DeleteObjectDC()
{
    m_brushBackground.DeleteObject();
}

void CQELHeaderCtrl::CommonInit()
{
    m_bDialogControl = IsDialogControl(this);
    ResetMouseState();
    HideHiddenItems();
}

// The object may come from an earlier window (a dialog shown again, a list made again): nothing of that
// window's mouse is under way in the new one.
void CQELHeaderCtrl::ResetMouseState()
{
    m_nHotItem = -1;
    m_bLButtonDown = 0;
    m_bTrackMouse = 0;
}

// Columns that the records hide get width 0 in a new window too; the records keep the widths to restore.
void CQELHeaderCtrl::HideHiddenItems()
{
    const int nCount = GetItemCountSafe();
    for (int i = 0; i < nCount; ++i)
    {
        int nWidth = 0;
        if (!IsVisibleColumn(i) && ReadItemWidth(i, nWidth) && nWidth != 0)
            WriteItemWidth(i, 0);
    }
}

// An item inserted at the index of a hidden column's record comes in hidden, the record's width kept for
// showing. The width goes in with the insertion: a list view reads the rectangle of its new column right
// after inserting it, and a width change before that would be told to it for a column it does not have yet.
LRESULT CQELHeaderCtrl::InsertItemAsRecorded(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int nCount = GetItemCountSafe();
    const int nAsked = (int)wParam;
    const int nIndex = (nAsked < 0 || nAsked > nCount) ? nCount : nAsked;   // the control appends those
    if (lParam == 0 || IsVisibleColumn(nIndex))
        return CHeaderCtrl::WindowProc(message, wParam, lParam);
    HDITEMW item = *reinterpret_cast<const HDITEMW*>(lParam);   // the A record has the same layout
    item.mask |= HDI_WIDTH;
    item.cxy = 0;
    return CHeaderCtrl::WindowProc(message, wParam, (LPARAM)&item);
}

int CQELHeaderCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CHeaderCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    CommonInit();
    return 0;
}

void CQELHeaderCtrl::PreSubclassWindow()
{
    CommonInit();
    CHeaderCtrl::PreSubclassWindow();
}
