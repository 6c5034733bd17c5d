// CQELHeaderCtrl: hover, mouse handling and the column menu.
#include "QELHeaderCtrl.h"
#include "QELHeaderCtrlInternal.h"

#include <string.h>

#include "QELStdWin.h"

using QELHeader::kCaptionBuffer;

namespace {

// Menu command ids from here upward belong to the header; those below the column menu's first id do nothing.
const WPARAM kFirstHeaderCommand = 5000;

// A menu choice carries no notification code (high word, and nothing above it) and no control window.
bool IsMenuCommand(WPARAM wParam, LPARAM lParam)
{
    return (wParam >> 16) == 0 && lParam == 0;
}

} // namespace

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
    const NMHEADER* pHeader = reinterpret_cast<const NMHEADER*>(pNMHDR);
    *pResult = IsVisibleColumn(pHeader->iItem) == 0 ? 1 : 0;   // a hidden column cannot be dragged open
}

BOOL CQELHeaderCtrl::OnDividerDblClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Taken here for a hidden column, the notification never reaches the parent, which would open the column.
    const NMHEADER* pHeader = reinterpret_cast<const NMHEADER*>(pNMHDR);
    *pResult = 0;
    return IsVisibleColumn(pHeader->iItem) == 0;
}

BOOL CQELHeaderCtrl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Taken here, a refusal does not reach the parent either. ShowColumn marks a column visible before it
    // writes the width, so only its own widths get through; hiding (width 0) is always let through.
    const NMHEADER* pHeader = reinterpret_cast<const NMHEADER*>(pNMHDR);
    const HDITEM* pItem = pHeader->pitem;
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
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
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
        TCHAR szText[kCaptionBuffer];
        szText[0] = _T('\0');
        HDITEM item;
        memset(&item, 0, sizeof(item));
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.pszText = szText;
        item.cchTextMax = kCaptionBuffer;   // 255 characters and the terminator
        ::SendMessage(m_hWnd, HDM_GETITEM, (WPARAM)i, (LPARAM)&item);

        _tag_QELHeaderColumnState state;
        GetState(i, state);
        const int nVisible = IsVisibleColumn(i);

        UINT nMenuFlags = MF_BYPOSITION | MF_STRING;
        if (nVisible > 0)
            nMenuFlags |= MF_CHECKED;
        if (state.bForceHide)
            nMenuFlags |= MF_GRAYED | MF_DISABLED;
        ::InsertMenu(menu.GetSafeHmenu(), (UINT)i, nMenuFlags, ID_QEL_COLUMN_MENU_FIRST + i, szText);
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
    if (::SendMessage(GetNotifyHwnd(), WM_QEL_HEADERVISIABLECHANGE, (WPARAM)nColumn, (LPARAM)bVisible) != 0)
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
