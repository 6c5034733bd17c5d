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

// Menu command ids from here upward belong to the header; those below the column menu's first id do nothing.
const WPARAM kFirstHeaderCommand = 5000;

// A menu choice carries no notification code (high word, and nothing above it) and no control window.
bool IsMenuCommand(WPARAM wParam, LPARAM lParam)
{
    return (wParam >> 16) == 0 && lParam == 0;
}

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

void CQELHeaderCtrl::WriteItemWidth(int nColumn, int nWidth)
{
    HDITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_WIDTH;
    item.cxy = nWidth;
    ::SendMessageA(m_hWnd, HDM_SETITEMA, (WPARAM)nColumn, (LPARAM)&item);
}

int CQELHeaderCtrl::HitTestPoint(CPoint point, UINT& nFlags) const
{
    HDHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt = point;
    const int nHit = (int)::SendMessageA(m_hWnd, HDM_HITTEST, 0, (LPARAM)&hti);
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
    if (m_hWnd != NULL)
        ::RedrawWindow(m_hWnd, NULL, NULL, kRedrawFlags);
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
        ::PostMessageA(hWndNotify, WM_QEL_HEADERCHANGED, 0, 0);
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
    // The theme may move the rectangle (a pressed face pushes it in); everything below is laid out in the rectangle as the theme leaves it.
    _gThemeManager.DrawHeaderCtrlBorder(pDC, rect, bPressed, bHot, this, NULL);
    if (nItem < 0)
        return;

    DrawSortMark(pDC, nItem, rect, bPressed);

    char szText[kCaptionBuffer];
    szText[0] = '\0';
    HDITEMA item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_BITMAP | HDI_IMAGE;
    item.pszText = szText;
    item.cchTextMax = kCaptionBuffer;   // room for 255 characters and the terminator
    if (!::SendMessageA(m_hWnd, HDM_GETITEMA, (WPARAM)nItem, (LPARAM)&item))
        return;

    // The arrow has taken the right end; an icon takes the left end, a bitmap an end of what is left.
    DrawItemIcon(pDC, item, rect);
    DrawItemBitmap(pDC, item, rect);
    DrawItemCaption(pDC, item.fmt, szText, rect);
}

void CQELHeaderCtrl::DrawSortMark(CDC* pDC, int nItem, CRect& rect, int bPressed)
{
    _tag_QELHeaderColumnState state;
    if (!m_mapColumnState.Lookup(nItem, state) || state.nSortState == 0)
        return;
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

void CQELHeaderCtrl::DrawItemIcon(CDC* pDC, const HDITEMA& item, CRect& rect)
{
    if (!(item.fmt & HDF_IMAGE) || item.iImage < 0)
        return;
    HIMAGELIST hImageList = (HIMAGELIST)::SendMessageA(m_hWnd, HDM_GETIMAGELIST, 0, 0);
    if (hImageList == NULL)
        return;
    int cx = 0;
    int cy = 0;
    ::ImageList_GetIconSize(hImageList, &cx, &cy);
    ::ImageList_Draw(hImageList, item.iImage, pDC->GetSafeHdc(), rect.left + 1, (rect.top + rect.bottom - cy) / 2,
                     ILD_NORMAL);
    rect.left += cx;
}

void CQELHeaderCtrl::DrawItemBitmap(CDC* pDC, const HDITEMA& item, CRect& rect)
{
    if (!(item.fmt & (HDF_BITMAP | HDF_BITMAP_ON_RIGHT)) || item.hbm == NULL)
        return;
    BITMAP bm;
    memset(&bm, 0, sizeof(bm));
    if (!::GetObjectA(item.hbm, sizeof(bm), &bm))
        return;
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
    const int y = nHalf < 0 ? rect.top : rect.top + nHalf;   // a bitmap taller than the column starts at its top
    ::DrawStateA(pDC->GetSafeHdc(), NULL, NULL, (LPARAM)item.hbm, 0, x, y, w, h, DST_BITMAP);
}

void CQELHeaderCtrl::DrawItemCaption(CDC* pDC, int nFormat, LPCSTR pszText, CRect rect)
{
    if (!(nFormat & HDF_STRING))
        return;
    rect.InflateRect(-5, 0);
    UINT nDrawFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (nFormat & HDF_CENTER)
        nDrawFormat |= DT_CENTER;
    else if (nFormat & HDF_RIGHT)
        nDrawFormat |= DT_RIGHT;
    else
        nDrawFormat |= DT_LEFT;
    pDC->DrawText(pszText, -1, &rect, nDrawFormat);
}

void CQELHeaderCtrl::OnPaint()
{
    CPaintDC dcPaint(this);
    CQELMemDC memDC(dcPaint.GetSafeHdc(), m_hWnd);
    CDC* pDC = CDC::FromHandle(memDC.GetDC());

    OnFillBackground(pDC);
    CFontDC fontDC(pDC->GetSafeHdc(), GetPaintFont(), 0xFF000000);
    pDC->SetTextColor(_gWindowColor.m_crBtnText);
    pDC->SetBkMode(TRANSPARENT);

    CRect rectClient;
    GetClientRect(&rectClient);
    const int nCount = GetItemCountSafe();
    int nMaxRight = 0;
    CRect rectItem(0, 0, 0, 0);
    // One cursor hit test serves every column, and none is needed while no press is under way (nothing can be
    // drawn pressed): the cursor position costs a round trip to the display server on some platforms, and a
    // sort repaints the header once per column.
    UINT nHitFlags = 0;
    const int nHit = (nCount > 0 && m_bLButtonDown) ? HitTestCursor(nHitFlags) : -1;
    for (int i = 0; i < nCount; ++i)
    {
        rectItem = PaintColumn(pDC, i, nHit, nHitFlags);
        if (rectItem.right > nMaxRight)
            nMaxRight = rectItem.right;
    }

    // The empty area right of the columns, one pixel wider than the client so that its right edge is not drawn.
    CRect rectEmpty = rectClient;
    if (nCount > 0)
        rectEmpty.SetRect(nMaxRight, rectItem.top, rectClient.right, rectItem.bottom);
    rectEmpty.right += 1;
    OnDrawItem(pDC, -1, rectEmpty, 0, 0);
    // fontDC, memDC (which copies the picture to the window) and dcPaint are released in that order.
}

HFONT CQELHeaderCtrl::GetPaintFont() const
{
    if (m_hUserFont != NULL)
        return m_hUserFont;
    if (m_bDialogControl)
        return (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    return m_hFont;
}

CRect CQELHeaderCtrl::PaintColumn(CDC* pDC, int nItem, int nHit, UINT nFlags)
{
    const int bPressed = (m_bLButtonDown && nHit == nItem && (nFlags & HHT_ONHEADER)) ? 1 : 0;
    const int bHot = (nItem == m_nHotItem) ? 1 : 0;

    CRect rectItem(0, 0, 0, 0);
    ::SendMessageA(m_hWnd, HDM_GETITEMRECT, (WPARAM)nItem, (LPARAM)&rectItem);

    // Clip the column to its own rectangle so that a long caption or an arrow cannot spill over.
    CRgn rgnClip;
    rgnClip.CreateRectRgnIndirect(&rectItem);
    ::SelectClipRgn(pDC->GetSafeHdc(), (HRGN)rgnClip.GetSafeHandle());
    OnDrawItem(pDC, nItem, rectItem, bPressed, bHot);
    ::SelectClipRgn(pDC->GetSafeHdc(), NULL);
    rgnClip.DeleteObject();
    return rectItem;
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

// ---- Hover -------------------------------------------------------------------------------------------

void CQELHeaderCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    // While the left button is down the hot column stays the one where the drag began.
    if (!(nFlags & MK_LBUTTON))
    {
        m_bLButtonDown = 0;
        const int nOldHot = m_nHotItem;
        UINT nHitFlags = 0;
        const int nHit = HitTestPoint(point, nHitFlags);
        m_nHotItem = (nHitFlags & HHT_ONHEADER) ? nHit : -1;   // a divider or empty space is not hot
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

void CQELHeaderCtrl::OnMouseLeave()
{
    m_bTrackMouse = 0;
    ClearHotItem();
}

void CQELHeaderCtrl::OnCancelMode()
{
    CHeaderCtrl::OnCancelMode();
    ClearHotItem();
}

// ---- Mouse -------------------------------------------------------------------------------------------

void CQELHeaderCtrl::OnBeginTrack(NMHDR* pNMHDR, LRESULT* pResult)
{
    // iItem sits at the same place in the A and W forms of the record.
    const NMHEADERA* pHeader = reinterpret_cast<const NMHEADERA*>(pNMHDR);
    *pResult = IsVisibleColumn(pHeader->iItem) == 0 ? 1 : 0;   // a hidden column cannot be dragged open
}

BOOL CQELHeaderCtrl::OnDividerDblClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Taken here for a hidden column, the notification never reaches the parent, which would open the column.
    const NMHEADERA* pHeader = reinterpret_cast<const NMHEADERA*>(pNMHDR);
    *pResult = 0;
    return IsVisibleColumn(pHeader->iItem) == 0;
}

BOOL CQELHeaderCtrl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Taken here, a refusal does not reach the parent either. ShowColumn marks a column visible before it
    // writes the width, so only its own widths get through; hiding (width 0) is always let through.
    const NMHEADERA* pHeader = reinterpret_cast<const NMHEADERA*>(pNMHDR);
    const HDITEMA* pItem = pHeader->pitem;
    const BOOL bRefuse = pItem != NULL && (pItem->mask & HDI_WIDTH) && pItem->cxy != 0
                         && !IsVisibleColumn(pHeader->iItem);
    *pResult = bRefuse;
    return bRefuse;
}

BOOL CQELHeaderCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    UINT nHitFlags = 0;
    const int nHit = HitTestCursor(nHitFlags);
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
    UINT nHitFlags = 0;
    const int nHit = HitTestPoint(point, nHitFlags);
    if (IsVisibleColumn(nHit))   // no column hit (-1) reads as visible
        m_bLButtonDown = 1;
    CHeaderCtrl::OnLButtonDown(nFlags, point);   // the control's own click, drag and resize go on
}

void CQELHeaderCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    CArray<int, int> orderBefore;
    ReadOrder(orderBefore);
    RecordColumnWidths(orderBefore);
    CHeaderCtrl::OnLButtonUp(nFlags, point);   // a column drag is dropped here
    RefreshItemRectsAfterDrop(orderBefore);
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
    FillColumnMenu(menu);
    // Returns when the menu closes; a choice arrives afterwards as WM_COMMAND to this header.
    menu.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, ptScreen.x, ptScreen.y, this, NULL);
    CHeaderCtrl::OnRButtonDown(nFlags, point);
    menu.DestroyMenu();
}

void CQELHeaderCtrl::FillColumnMenu(CMenu& menu)
{
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
}

LRESULT CQELHeaderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && IsMenuCommand(wParam, lParam) && wParam >= kFirstHeaderCommand)
        return OnMenu(wParam, lParam);
    if (message == HDM_INSERTITEMA || message == HDM_INSERTITEMW)
        return InsertItemAsRecorded(message, wParam, lParam);
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
    PostHeaderChanged();
    return 0;
}
