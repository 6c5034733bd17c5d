// CQELListCtrl: cell drawing through the list view's custom draw, the strip right of the last column and
// the shade of the sorted column.
#include "QELListCtrlInternal.h"
#include "QELWindowColor.h"
#include "QELDC.h"
#include "QELStdWin.h"

#include <string.h>

using namespace QELList;

namespace {

// Vertical scroll state of the list: nPos the top visible row, nPage the rows that fit.
void GetRowScroll(CWnd* pList, SCROLLINFO& info)
{
    memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(info);
    pList->GetScrollInfo(SB_VERT, &info, SIF_ALL);
}

} // namespace

COLORREF CQELListCtrl::OnGetCellTextColor(int /*nItem*/, int /*nSubItem*/)
{
    return m_bPaintColors ? m_crPaintText : (COLORREF)SendMessage(LVM_GETTEXTCOLOR);
}

COLORREF CQELListCtrl::OnGetCellBkColor(int /*nItem*/, int /*nSubItem*/)
{
    return ListBkColor();
}

// The list's background colour, read once per paint: the hooks ask for it for every cell.
COLORREF CQELListCtrl::ListBkColor()
{
    return m_bPaintColors ? m_crPaintBk : (COLORREF)SendMessage(LVM_GETBKCOLOR);
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

int CQELListCtrl::IsCustomColor() const
{
    return m_bCustomColor;
}

void CQELListCtrl::EnableCustomFont(int bEnable, int bRedraw)
{
    m_bCustomFont = bEnable;
    if (bRedraw && m_hWnd != NULL)
        InvalidateRect(NULL, TRUE);
}

int CQELListCtrl::IsCustomFont() const
{
    return m_bCustomFont;
}

void CQELListCtrl::EnableMarkSortedColumn(int bEnable, int bRedraw)
{
    m_bMarkSortedColumn = bEnable;
    if (m_hWnd != NULL && bRedraw)
        RedrawWindow(NULL, NULL, kRedrawNow);
}

int CQELListCtrl::IsMarkSortedColumn() const
{
    return m_bMarkSortedColumn;
}

void CQELListCtrl::InitColors()
{
    m_crSortedColumn = PixelAlpha((COLORREF)SendMessage(LVM_GETBKCOLOR), 0.97, 0.97, 0.97);
}

void CQELListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = (NMLVCUSTOMDRAW*)pNMHDR;
    switch (pDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        *pResult = PrePaintCell(pDraw);
        break;
    case CDDS_ITEMPOSTPAINT | CDDS_SUBITEM:
        *pResult = PostPaintCell(pDraw);
        break;
    default:
        break;
    }
}

// Colours, font and the owner-drawn flag of one cell before the list view paints it.
LRESULT CQELListCtrl::PrePaintCell(NMLVCUSTOMDRAW* pDraw)
{
    const int nRow = (int)pDraw->nmcd.dwItemSpec;
    const int nColumn = pDraw->iSubItem;
    const LPARAM lItemData = pDraw->nmcd.lItemlParam;
    if (m_bCustomColor)
    {
        pDraw->clrTextBk = OnGetCellBkColor(nRow, nColumn);
        pDraw->clrText = OnGetCellTextColor(nRow, nColumn);
    }
    if (nColumn == m_nSortColumn && m_bMarkSortedColumn)
    {
        // Only cells left in the list's own background take the shade; a hook's colour wins.
        if (pDraw->clrTextBk == ListBkColor())
            pDraw->clrTextBk = m_crSortedColumn;
    }
    const HFONT hFont = m_bCustomFont ? OnGetCellFont(nRow, nColumn, (DWORD_PTR)lItemData) : NULL;
    m_bDrawSubItem = CustomDrawSubItem(nRow, nColumn, lItemData);
    if (hFont == NULL)
        return m_bDrawSubItem ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
    m_hOldFont = (HFONT)::SelectObject(pDraw->nmcd.hdc, hFont);
    return CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT;
}

// After the list view painted the cell: the font goes back and an owner-drawn cell is drawn over.
LRESULT CQELListCtrl::PostPaintCell(NMLVCUSTOMDRAW* pDraw)
{
    if (m_hOldFont != NULL)
    {
        ::SelectObject(pDraw->nmcd.hdc, m_hOldFont);
        m_hOldFont = NULL;
    }
    if (m_bDrawSubItem)
    {
        const int nRow = (int)pDraw->nmcd.dwItemSpec;
        CRect rect;
        GetSubItemRect(nRow, pDraw->iSubItem, LVIR_BOUNDS, rect);
        OnDrawSubItem(CDC::FromHandle(pDraw->nmcd.hdc), nRow, pDraw->iSubItem, rect, pDraw->nmcd.lItemlParam);
        m_bDrawSubItem = FALSE;
    }
    return CDRF_DODEFAULT;
}

BOOL CQELListCtrl::OnEraseBkgnd(CDC* pDC)
{
    const BOOL bResult = CListCtrl::OnEraseBkgnd(pDC);
    if (m_nSortColumn >= 0 && m_bMarkSortedColumn)
    {
        const HWND hHeader = HeaderWindow(GetHeaderCtrl());
        CRect rectColumn;
        if (hHeader != NULL
            && ::SendMessage(hHeader, HDM_GETITEMRECT, (WPARAM)m_nSortColumn, (LPARAM)&rectColumn))
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
    order.Load(this, HeaderWindow(GetHeaderCtrl()), TRUE);
    return order.GetCount() > 0 ? order[order.GetCount() - 1] : -1;
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
    // The colours hold for the whole paint: any message that may change them drops them (ForgetViewAnswers).
    m_crPaintText = (COLORREF)SendMessage(LVM_GETTEXTCOLOR);
    m_crPaintBk = (COLORREF)SendMessage(LVM_GETBKCOLOR);
    m_bPaintColors = TRUE;
    Default();
    if (m_bCustomColor)
        PaintStrips();
    m_bPaintColors = FALSE;
}

// The strip right of the last column of every visible row, in the row's background or selection colour.
void CQELListCtrl::PaintStrips()
{
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
