// Header control of the report list: column state, painting, hover, mouse handling and the column menu.
#include "QELHeaderCtrl.h"

#include <mbstring.h>
#include <string.h>

#include "QELDC.h"
#include "QELStdWin.h"
#include "QELThemeManager.h"
#include "QELWindowColor.h"

namespace {

// A column that has no record: visible, not sortable, not marked, nothing recorded.
const _tag_QELHeaderColumnState kDefaultState = { 0, 0, 0, 1, 0 };

// Redraw flags used for every repaint the header requests.
const UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

// Command ids from here upward belong to the header; those below the column menu's first id do nothing.
const WPARAM kFirstHeaderCommand = 5000;

// Narrowest width a column is given back when shown.
const int kMinShownWidth = 10;

// Size of NONCLIENTMETRICSA without the padded-border field, accepted by every system since the oldest.
const UINT kNonClientMetricsSize = 340;

// Caption buffer of the painting and the menu: 255 characters and the terminator.
const int kCaptionBuffer = 256;

// Stops the font-family enumeration at the first family named Tahoma (compared by the locale's collation).
int CALLBACK FindTahomaProc(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD, LPARAM)
{
    const unsigned char* pszFace = reinterpret_cast<const unsigned char*>(pLogFont->lfFaceName);
    const unsigned char* pszTahoma = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(_gstrFaceTahoma));
    return _mbsicoll(pszFace, pszTahoma) == 0 ? 0 : 1;
}

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
    ON_NOTIFY_REFLECT(HDN_BEGINTRACKA, OnBeginTrack)
    // The list view is a Unicode window: its header asks for and sends the W form of the notification.
    ON_NOTIFY_REFLECT(HDN_BEGINTRACKW, OnBeginTrack)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
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
    return (int)::SendMessageA(m_hWnd, HDM_GETITEMCOUNT, 0, 0);
}

BOOL CQELHeaderCtrl::ReadItemWidth(int nColumn, int& nWidth) const
{
    HDITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_WIDTH;
    if (m_hWnd == NULL || !::SendMessageA(m_hWnd, HDM_GETITEMA, (WPARAM)nColumn, (LPARAM)&item))
        return FALSE;
    nWidth = item.cxy;
    return TRUE;
}

void CQELHeaderCtrl::Redraw()
{
    // An object not yet attached to a window has nothing to repaint (and a null handle means the desktop).
    if (m_hWnd != NULL)
        ::RedrawWindow(m_hWnd, NULL, NULL, kRedrawFlags);
}

HWND CQELHeaderCtrl::GetNotifyHwnd() const
{
    CWnd* pOwner = GetOwner();
    return pOwner != NULL ? pOwner->GetSafeHwnd() : NULL;
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
    // With no marked column this reads the defaults of index -1: 0.
    return GetColumnState(GetSortColumn()) > 0 ? 1 : 0;
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
    state.bVisible = bShow;

    int nNewWidth = 0;
    if (bShow)
    {
        if (nWidth > 0)
            state.nWidth = nWidth < kMinShownWidth ? kMinShownWidth : nWidth;
        nNewWidth = state.nWidth > 0 ? state.nWidth : kMinShownWidth;
    }
    else
    {
        // Remember what the column had; a column that is already 0 wide keeps the caller's value.
        state.nWidth = nCurrent != 0 ? nCurrent : nWidth;
    }
    m_mapColumnState.SetAt(nColumn, state);

    HDITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_WIDTH;
    item.cxy = nNewWidth;
    ::SendMessageA(m_hWnd, HDM_SETITEMA, (WPARAM)nColumn, (LPARAM)&item);
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

void CQELHeaderCtrl::EnableColumnMenu(int bEnable)
{
    m_bColumnMenu = bEnable;
}

void CQELHeaderCtrl::RecordColumnWidths()
{
    m_bLButtonDown = 0;
    const int nCount = GetItemCountSafe();
    if (nCount <= 0)
        return;

    int* pOrder = new int[nCount];
    for (int i = 0; i < nCount; ++i)
        pOrder[i] = i;   // stays the index order should the request fail
    GetOrderArray(pOrder, nCount);

    BOOL bChanged = FALSE;
    for (int i = 0; i < nCount; ++i)
    {
        const int nColumn = pOrder[i];
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
    delete[] pOrder;

    if (bChanged)
        ::PostMessageA(GetNotifyHwnd(), WM_QEL_HEADERCHANGED, 0, 0);
}

// ---- Painting --------------------------------------------------------------------------------------

void CQELHeaderCtrl::FillHeaderCtrlBackground(CDC* pDC, CRect rect)
{
    pDC->FillRect(&rect, &m_brushBackground);
}

void CQELHeaderCtrl::OnFillBackground(CDC* pDC)
{
    CClientRect rectClient(this);
    FillHeaderCtrlBackground(pDC, rectClient);
}

void CQELHeaderCtrl::OnDrawSortArrow(CDC* pDC, CRect rectArrow)
{
    _gThemeManager.DrawHeaderCtrlSortArrow(pDC, rectArrow, m_bAscending, this, NULL);
}

void CQELHeaderCtrl::OnDrawItem(CDC* pDC, int nItem, CRect rect, int bPressed, int bHot)
{
    // The theme may move the rectangle (a pressed face pushes it in); everything below uses it as left.
    _gThemeManager.DrawHeaderCtrlBorder(pDC, rect, bPressed, bHot, this, NULL);
    if (nItem < 0)
        return;

    _tag_QELHeaderColumnState state;
    if (m_mapColumnState.Lookup(nItem, state) && state.nSortState != 0)
    {
        // Every column starts at the header's top edge, so the arrow's top and bottom are absolute.
        const int h = (rect.bottom - rect.top) / 3;
        CRect rectArrow(rect.right - 5 - 2 * h, h, rect.right - 5, 2 * h);
        if (bPressed)
        {
            rectArrow.right += 1;
            rectArrow.bottom += 1;
        }
        rect.right = rectArrow.left - 1;
        m_bAscending = state.nSortState > 0 ? 1 : 0;
        OnDrawSortArrow(pDC, rectArrow);
    }

    char szText[kCaptionBuffer];
    szText[0] = '\0';
    HDITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_BITMAP | HDI_IMAGE;
    item.pszText = szText;
    item.cchTextMax = kCaptionBuffer;   // room for 255 characters and the terminator
    if (!::SendMessageA(m_hWnd, HDM_GETITEMA, (WPARAM)nItem, (LPARAM)&item))
        return;

    if ((item.fmt & HDF_IMAGE) && item.iImage >= 0)
    {
        HIMAGELIST hImageList = (HIMAGELIST)::SendMessageA(m_hWnd, HDM_GETIMAGELIST, 0, 0);
        if (hImageList != NULL)
        {
            int cx = 0;
            int cy = 0;
            ::ImageList_GetIconSize(hImageList, &cx, &cy);
            ::ImageList_Draw(hImageList, item.iImage, pDC->GetSafeHdc(), rect.left + 1,
                             (rect.top + rect.bottom - cy) / 2, ILD_NORMAL);
            rect.left += cx;
        }
    }

    if ((item.fmt & (HDF_BITMAP | HDF_BITMAP_ON_RIGHT)) && item.hbm != NULL)
    {
        BITMAP bm;
        memset(&bm, 0, sizeof(bm));
        if (::GetObjectA(item.hbm, sizeof(bm), &bm))
        {
            const int w = bm.bmWidth;
            const int h = bm.bmHeight;
            int x = 0;
            if (item.fmt & HDF_BITMAP_ON_RIGHT)
            {
                x = rect.right - 1 - w;
                rect.right = x;
            }
            else
            {
                x = rect.left + 1;
                rect.left = x + w;
            }
            const int nHalf = (rect.bottom - rect.top - h) / 2;
            const int y = nHalf < 0 ? rect.top : rect.top + nHalf;
            ::DrawStateA(pDC->GetSafeHdc(), NULL, NULL, (LPARAM)item.hbm, 0, x, y, w, h, DST_BITMAP);
        }
    }

    if (item.fmt & HDF_STRING)
    {
        rect.InflateRect(-5, 0);
        UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        if (item.fmt & HDF_CENTER)
            nFormat |= DT_CENTER;
        else if (item.fmt & HDF_RIGHT)
            nFormat |= DT_RIGHT;
        else
            nFormat |= DT_LEFT;
        pDC->DrawText(szText, -1, &rect, nFormat);
    }
}

void CQELHeaderCtrl::OnPaint()
{
    CPaintDC dcPaint(this);
    CMemDC memDC(dcPaint.GetSafeHdc(), m_hWnd);
    CDC* pDC = CDC::FromHandle(memDC.GetDC());

    OnFillBackground(pDC);

    HFONT hFont = m_hFont;
    if (m_hUserFont != NULL)
        hFont = m_hUserFont;
    else if (m_bDialogControl)
        hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    CFontDC fontDC(pDC->GetSafeHdc(), hFont, 0xFF000000);

    pDC->SetTextColor(_gWindowColor.m_crBtnText);
    pDC->SetBkMode(TRANSPARENT);

    CRect rectClient;
    GetClientRect(&rectClient);
    const int nCount = GetItemCountSafe();
    int nMaxRight = 0;
    CRect rectItem(0, 0, 0, 0);

    for (int i = 0; i < nCount; ++i)
    {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        ScreenToClient(&ptCursor);
        HDHITTESTINFO hti;
        memset(&hti, 0, sizeof(hti));
        hti.pt = ptCursor;
        const int nHit = (int)::SendMessageA(m_hWnd, HDM_HITTEST, 0, (LPARAM)&hti);
        const int bPressed = (m_bLButtonDown && nHit == i && (hti.flags & HHT_ONHEADER)) ? 1 : 0;
        const int bHot = (i == m_nHotItem) ? 1 : 0;

        rectItem.SetRectEmpty();
        ::SendMessageA(m_hWnd, HDM_GETITEMRECT, (WPARAM)i, (LPARAM)&rectItem);

        // Clip each column to its own rectangle so that a long caption or an arrow cannot spill over.
        CRgn rgnClip;
        rgnClip.CreateRectRgnIndirect(&rectItem);
        ::SelectClipRgn(pDC->GetSafeHdc(), (HRGN)rgnClip.GetSafeHandle());
        OnDrawItem(pDC, i, rectItem, bPressed, bHot);
        ::SelectClipRgn(pDC->GetSafeHdc(), NULL);
        if (rectItem.right > nMaxRight)
            nMaxRight = rectItem.right;
        rgnClip.DeleteObject();
    }

    CRect rectEmpty = rectClient;
    if (nCount > 0)
        rectEmpty.SetRect(nMaxRight, rectItem.top, rectClient.right, rectItem.bottom);
    rectEmpty.right += 1;
    OnDrawItem(pDC, -1, rectEmpty, 0, 0);
    // fontDC, memDC (which copies the picture to the window) and dcPaint are released in that order.
}

BOOL CQELHeaderCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;   // OnPaint covers the whole surface
}

LRESULT CQELHeaderCtrl::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hUserFont = (HFONT)wParam;
    if (LOWORD(lParam) != 0)
    {
        InvalidateRect(NULL, TRUE);
        UpdateWindow();
    }
    return 0;
}

HFONT CQELHeaderCtrl::CreateFontA()
{
    NONCLIENTMETRICSA ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = kNonClientMetricsSize;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &ncm, 0);

    LOGFONTA lf;
    memset(&lf, 0, sizeof(lf));
    CWindowDC dcScreen(NULL);
    lf.lfCharSet = (BYTE)::GetTextCharsetInfo(dcScreen.GetSafeHdc(), NULL, 0);
    lf.lfHeight = ncm.lfMenuFont.lfHeight;
    lf.lfWeight = ncm.lfMenuFont.lfWeight;
    lf.lfItalic = ncm.lfMenuFont.lfItalic;
    memcpy(lf.lfFaceName, ncm.lfMenuFont.lfFaceName, sizeof(lf.lfFaceName));
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';

    // Menu fonts of the western character sets get Tahoma when it is installed, else the old dialog face.
    if (ncm.lfMenuFont.lfCharSet <= SYMBOL_CHARSET)
    {
        const int nResult = ::EnumFontFamiliesA(dcScreen.GetSafeHdc(), NULL, FindTahomaProc, 0);
        const CString& strFace = nResult == 0 ? _gstrFaceTahoma : _gstrFaceMSSansSerif;
        lstrcpynA(lf.lfFaceName, strFace, LF_FACESIZE);
    }
    return ::CreateFontIndirectA(&lf);
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

// ---- Hover -------------------------------------------------------------------------------------------

void CQELHeaderCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    // While the left button is down the hot column stays the one where the drag began.
    if (!(nFlags & MK_LBUTTON))
    {
        m_bLButtonDown = 0;
        const int nOldHot = m_nHotItem;
        HDHITTESTINFO hti;
        memset(&hti, 0, sizeof(hti));
        hti.pt = point;
        const int nHit = (int)::SendMessageA(m_hWnd, HDM_HITTEST, 0, (LPARAM)&hti);
        m_nHotItem = (hti.flags & HHT_ONHEADER) ? nHit : -1;   // a divider or empty space is not hot
        if (!m_bTrackMouse)
        {
            m_bTrackMouse = 1;
            TRACKMOUSEEVENT tme;
            memset(&tme, 0, sizeof(tme));
            tme.cbSize = sizeof(tme);
            tme.dwFlags = TME_LEAVE;
            tme.hwndTrack = m_hWnd;
            tme.dwHoverTime = HOVER_DEFAULT;
            ::TrackMouseEvent(&tme);
        }
        if (m_nHotItem != nOldHot)
            Redraw();
    }
    CHeaderCtrl::OnMouseMove(nFlags, point);
}

LRESULT CQELHeaderCtrl::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTrackMouse = 0;
    if (m_nHotItem >= 0)
    {
        m_nHotItem = -1;
        Redraw();
    }
    return 0;
}

void CQELHeaderCtrl::OnCancelMode()
{
    CHeaderCtrl::OnCancelMode();
    if (m_nHotItem >= 0)
    {
        m_nHotItem = -1;
        Redraw();
    }
}

// ---- Mouse -------------------------------------------------------------------------------------------

void CQELHeaderCtrl::OnBeginTrack(NMHDR* pNMHDR, LRESULT* pResult)
{
    // iItem sits at the same place in the A and W forms of the record.
    const NMHEADERA* pHeader = reinterpret_cast<const NMHEADERA*>(pNMHDR);
    *pResult = IsVisibleColumn(pHeader->iItem) == 0 ? 1 : 0;   // a hidden column cannot be dragged open
}

BOOL CQELHeaderCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    HDHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt = pt;
    const int nHit = (int)::SendMessageA(m_hWnd, HDM_HITTEST, 0, (LPARAM)&hti);
    _tag_QELHeaderColumnState state;
    if (nHit >= 0 && m_mapColumnState.Lookup(nHit, state) && !state.bVisible)
    {
        // Over a hidden column's divider show the arrow, not the resize cursor.
        ::SetCursor(::LoadCursorA(NULL, MAKEINTRESOURCEA(32512)));
        return TRUE;
    }
    return CHeaderCtrl::OnSetCursor(pWnd, nHitTest, message);
}

void CQELHeaderCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    HDHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt = point;
    const int nHit = (int)::SendMessageA(m_hWnd, HDM_HITTEST, 0, (LPARAM)&hti);
    if (IsVisibleColumn(nHit))
        m_bLButtonDown = 1;
    CHeaderCtrl::OnLButtonDown(nFlags, point);   // the control's own click, drag and resize go on
}

void CQELHeaderCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    RecordColumnWidths();
    CArray<int, int> orderBefore;
    ReadOrder(orderBefore);
    CHeaderCtrl::OnLButtonUp(nFlags, point);   // a column drag is dropped here
    RefreshItemRectsAfterDrop(orderBefore);
}

void CQELHeaderCtrl::ReadOrder(CArray<int, int>& order)
{
    const int nCount = GetItemCountSafe();
    order.SetSize(nCount);
    if (nCount > 0 && !GetOrderArray(order.GetData(), nCount))
        order.RemoveAll();
}

// The header control recomputes its item rectangles after a drop only while painting itself, which this
// class replaces; until then HDM_GETITEMRECT (used by the list view for cells and editors) gives the old
// places. Re-applying the new order has the control recompute them at once.
void CQELHeaderCtrl::RefreshItemRectsAfterDrop(const CArray<int, int>& orderBefore)
{
    if (!::IsWindow(m_hWnd))
        return;
    CArray<int, int> order;
    ReadOrder(order);
    if (order.GetSize() != orderBefore.GetSize() || order.GetSize() == 0)
        return;
    for (INT_PTR i = 0; i < order.GetSize(); ++i)
    {
        if (order[i] != orderBefore[i])
        {
            SetOrderArray(static_cast<int>(order.GetSize()), order.GetData());
            return;
        }
    }
}

void CQELHeaderCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    // Switched off, the right click is kept from the control as well.
    if (!m_bColumnMenu)
        return;

    CWindowRect rectWindow(this, 0);
    const CPoint ptScreen(point.x + rectWindow.left, point.y + rectWindow.top);

    CMenu menu;
    menu.CreatePopupMenu();
    // Entries in column index order; the count is read again for each entry.
    for (int i = 0; i < GetItemCountSafe(); ++i)
    {
        char szText[kCaptionBuffer];
        szText[0] = '\0';
        HDITEMA item;
        memset(&item, 0, sizeof(item));
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.pszText = szText;
        item.cchTextMax = kCaptionBuffer;   // 255 characters and the terminator
        ::SendMessageA(m_hWnd, HDM_GETITEMA, (WPARAM)i, (LPARAM)&item);

        _tag_QELHeaderColumnState state;
        GetState(i, state);
        const int nVisible = IsVisibleColumn(i);

        UINT nMenuFlags = MF_BYPOSITION | MF_STRING;
        if (nVisible > 0)
            nMenuFlags |= MF_CHECKED;
        if (state.bForceHide)
            nMenuFlags |= MF_GRAYED | MF_DISABLED;
        ::InsertMenuA(menu.GetSafeHmenu(), (UINT)i, nMenuFlags, ID_QEL_COLUMN_MENU_FIRST + i, szText);
    }

    // Returns when the menu closes; a choice arrives afterwards as WM_COMMAND to this header.
    menu.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, ptScreen.x, ptScreen.y, this, NULL);
    CHeaderCtrl::OnRButtonDown(nFlags, point);
    menu.DestroyMenu();
}

LRESULT CQELHeaderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && wParam >= kFirstHeaderCommand)
        return OnMenu(wParam, lParam);
    return CHeaderCtrl::WindowProc(message, wParam, lParam);
}

LRESULT CQELHeaderCtrl::OnMenu(WPARAM wParam, LPARAM)
{
    if (wParam < ID_QEL_COLUMN_MENU_FIRST)
        return 0;
    const int nColumn = (int)(wParam - ID_QEL_COLUMN_MENU_FIRST);
    const int bVisible = IsVisibleColumn(nColumn) ? 1 : 0;

    const HWND hWndSelf = m_hWnd;
    if (::SendMessageA(GetNotifyHwnd(), WM_QEL_HEADERVISIABLECHANGE, (WPARAM)nColumn, (LPARAM)bVisible) != 0)
        return 0;   // the owner refused: nothing changes
    // The owner may have destroyed the header while answering.
    if (!::IsWindow(hWndSelf))
        return 0;

    if (!ShowColumn(nColumn, bVisible ? 0 : 1, -1))
        return 0;

    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SetFocus();
    ::PostMessageA(GetNotifyHwnd(), WM_QEL_HEADERCHANGED, 0, 0);
    return 0;
}
