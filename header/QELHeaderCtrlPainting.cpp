// CQELHeaderCtrl: painting the columns, their sort marks, icons and captions, and the header's fonts.
#include "QELHeaderCtrl.h"
#include "QELHeaderCtrlInternal.h"

#include <stddef.h>
#include <string.h>

#include "QELDC.h"
#include "QELStdWin.h"
#include "QELThemeManager.h"
#include "QELWindowColor.h"

using QELHeader::kCaptionBuffer;

namespace {

// Size of NONCLIENTMETRICS without the padded-border field (340 bytes narrow, 500 wide), accepted by every
// system since the oldest.
const UINT kNonClientMetricsSize = offsetof(NONCLIENTMETRICS, lfMessageFont) + sizeof(LOGFONT);

// Stops the font-family enumeration at the first family named Tahoma (compared by the locale's collation,
// without regard to case).
int CALLBACK FindTahomaProc(const LOGFONT* pLogFont, const TEXTMETRIC*, DWORD, LPARAM)
{
    return _gstrFaceTahoma.CollateNoCase(pLogFont->lfFaceName) == 0 ? 0 : 1;
}

} // namespace

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

    TCHAR szText[kCaptionBuffer];
    szText[0] = '\0';
    HDITEM item;
    memset(&item, 0, sizeof(item));
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_BITMAP | HDI_IMAGE;
    item.pszText = szText;
    item.cchTextMax = kCaptionBuffer;   // room for 255 characters and the terminator
    if (!::SendMessage(m_hWnd, HDM_GETITEM, (WPARAM)nItem, (LPARAM)&item))
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

void CQELHeaderCtrl::DrawItemIcon(CDC* pDC, const HDITEM& item, CRect& rect)
{
    if (!(item.fmt & HDF_IMAGE) || item.iImage < 0)
        return;
    HIMAGELIST hImageList = (HIMAGELIST)::SendMessage(m_hWnd, HDM_GETIMAGELIST, 0, 0);
    if (hImageList == NULL)
        return;
    int cx = 0;
    int cy = 0;
    ::ImageList_GetIconSize(hImageList, &cx, &cy);
    ::ImageList_Draw(hImageList, item.iImage, pDC->GetSafeHdc(), rect.left + 1, (rect.top + rect.bottom - cy) / 2,
                     ILD_NORMAL);
    rect.left += cx;
}

void CQELHeaderCtrl::DrawItemBitmap(CDC* pDC, const HDITEM& item, CRect& rect)
{
    if (!(item.fmt & (HDF_BITMAP | HDF_BITMAP_ON_RIGHT)) || item.hbm == NULL)
        return;
    BITMAP bm;
    memset(&bm, 0, sizeof(bm));
    if (!::GetObject(item.hbm, sizeof(bm), &bm))
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
    ::DrawState(pDC->GetSafeHdc(), NULL, NULL, (LPARAM)item.hbm, 0, x, y, w, h, DST_BITMAP);
}

void CQELHeaderCtrl::DrawItemCaption(CDC* pDC, int nFormat, LPCTSTR pszText, CRect rect)
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
    ::SendMessage(m_hWnd, HDM_GETITEMRECT, (WPARAM)nItem, (LPARAM)&rectItem);

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
    NONCLIENTMETRICS ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = kNonClientMetricsSize;
    ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &ncm, 0);

    LOGFONT lf;
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
        const int nResult = ::EnumFontFamilies(dcScreen.GetSafeHdc(), NULL, FindTahomaProc, 0);
        const CString& strFace = nResult == 0 ? _gstrFaceTahoma : _gstrFaceMSSansSerif;
        lstrcpyn(lf.lfFaceName, strFace, LF_FACESIZE);
    }
    return ::CreateFontIndirect(&lf);
}
