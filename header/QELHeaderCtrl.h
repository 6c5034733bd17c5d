// Header control of the report list: per-column sort marks, shown and hidden columns, own painting, column menu.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>
#include "QELCtrlApi.h"

// State of one header column, keyed by the column's item index (not its display position).
// A column without a record reads as { 0, 0, 0, 1, 0 }.
struct _tag_QELHeaderColumnState
{
    int nSortState;   // 1 ascending, -1 descending, 0 not marked
    int nWidth;       // width recorded at the last release, or the width to restore when shown; 0 when none
    int bSortEnable;  // non-zero: the column may carry a sort mark
    int bVisible;     // non-zero: the column is shown (a hidden column has header width 0)
    int bForceHide;   // non-zero: hidden by force; neither ShowColumn nor the column menu can show it
};

QELCTRL_TEMPLATE_INSTANCE(CMap<int, int, _tag_QELHeaderColumnState, _tag_QELHeaderColumnState&>)

// Command id of the column menu's entry for column 0; column i has ID_QEL_COLUMN_MENU_FIRST + i.
// Menu command ids from 5000 upward sent to the header are taken by the header; 5000-5049 are swallowed.
const UINT ID_QEL_COLUMN_MENU_FIRST = 5050;

// Registered messages of the header, sent or posted to its owner (or parent when no owner is set).
// WM_QEL_HEADERCHANGED: posted, wParam 0, lParam 0, after widths or visibility changed.
// WM_QEL_HEADERVISIABLECHANGE: sent by the column menu, wParam column, lParam 1 visible now / 0 hidden now;
// a non-zero answer refuses the change.
extern QELCTRL_API UINT WM_QEL_HEADERCHANGED;
extern QELCTRL_API UINT WM_QEL_HEADERVISIABLECHANGE;
// The same message as WM_QEL_HEADERVISIABLECHANGE, under its correct spelling.
#define WM_QEL_HEADERVISIBLECHANGE WM_QEL_HEADERVISIABLECHANGE

// Fallback face names of the header's own font.
extern QELCTRL_API const CString _gstrFaceTahoma;
extern QELCTRL_API const CString _gstrFaceMSSansSerif;

// TRUE when some ancestor (or owner, for a pop-up) of the window is an MFC CDialog object.
QELCTRL_API BOOL IsDialogControl(CWnd* pWnd);

// Manages a header control that keeps sort marks and column visibility and paints itself through the theme manager.
class QELCTRL_API CQELHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNAMIC(CQELHeaderCtrl)

// Construction
public:
    CQELHeaderCtrl();
    virtual ~CQELHeaderCtrl();

// Operations
public:
    int  EnableSortColumn(int nColumn, int bEnable);
    int  IsEnableSortColumn(int nColumn);
    void SetSortColumn(int nColumn, int bAscending, int bAdd);
    void RemoveSortColumn(int nColumn);
    void EnableMultipleSort(int bEnable);
    int  IsMultipleSort() const;
    int  GetSortColumn() const;
    int  IsAscending() const;
    int  GetColumnState(int nColumn) const;
    int  ShowColumn(int nColumn, int bShow, int nWidth);
    int  IsVisibleColumn(int nColumn);
    int  ForceHideColumn(int nColumn, int bForce, int bShowWhenReleased);
    int  IsForceHideColumn(int nColumn);
    int  GetColumnWidth(int nColumn);
    void EnableColumnMenu(int bEnable);
    int  IsColumnMenu() const;

// Overridables
protected:
    virtual void FillHeaderCtrlBackground(CDC* pDC, CRect rect);
    virtual void OnDrawItem(CDC* pDC, int nItem, CRect rect, int bPressed, int bHot);
    using CHeaderCtrl::OnDrawItem;   // the WM_DRAWITEM handler, for ON_WM_DRAWITEM() in derived classes
    virtual void OnFillBackground(CDC* pDC);
    virtual void OnDrawSortArrow(CDC* pDC, CRect rectArrow);

// Implementation
protected:
    HFONT CreateFontA();   // the header's own font, in either character set (the name is not the GDI call's)
    void  CreateObjectDC();
    void  DeleteObjectDC();
    void  CommonInit();
    LRESULT OnMenu(WPARAM wParam, LPARAM lParam);

    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg int  OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnBeginTrack(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnDividerDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMouseLeave();
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL GetState(int nColumn, _tag_QELHeaderColumnState& state) const;  // FALSE and the defaults without a record
    int  GetItemCountSafe() const;                                        // HDM_GETITEMCOUNT; 0 without a window
    BOOL ReadItemWidth(int nColumn, int& nWidth) const;                   // live width (HDM_GETITEM)
    void WriteItemWidth(int nColumn, int nWidth);                         // HDM_SETITEM, width only
    int  HitTestPoint(CPoint point, UINT& nFlags) const;                  // HDM_HITTEST of a client point
    int  HitTestCursor(UINT& nFlags) const;                               // HDM_HITTEST of the cursor position
    void Redraw();                                                        // RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW
    friend class CQELListCtrl;                                            // holds the repaints of a sort's marks
    void HoldRedraw(BOOL bHold);                                          // releasing repaints once if any was held
    void ClearHotItem();                                                  // no hot column; redraws if there was one
    HWND GetNotifyHwnd() const;                                           // owner, else parent
    void PostHeaderChanged();                                             // WM_QEL_HEADERCHANGED to owner or parent
    void ReadOrder(CArray<int, int>& order);                              // display order; index order on failure
    void RecordColumnWidths(const CArray<int, int>& order);               // after a left-button release
    void RefreshItemRectsAfterDrop(const CArray<int, int>& orderBefore);  // item rectangles after a column drop
    HFONT GetPaintFont() const;                                           // user font, dialog font or own font
    CRect PaintColumn(CDC* pDC, int nItem, int nHit, UINT nFlags);        // clipped OnDrawItem; nHit, nFlags: cursor hit test
    void DrawSortMark(CDC* pDC, int nItem, CRect& rect, int bPressed);    // arrow at the right end; rect.right moves left
    void DrawItemIcon(CDC* pDC, const HDITEM& item, CRect& rect);         // image at the left end; rect.left moves right
    void DrawItemBitmap(CDC* pDC, const HDITEM& item, CRect& rect);       // bitmap at the left or right end
    void DrawItemCaption(CDC* pDC, int nFormat, LPCTSTR pszText, CRect rect); // caption in what is left
    void FillColumnMenu(CMenu& menu);                                     // one entry per column, index order
    void ResetMouseState();                                               // no hot, pressed or tracked column
    void HideHiddenItems();                                               // width 0 for columns the records hide
    LRESULT InsertItemAsRecorded(UINT message, WPARAM wParam, LPARAM lParam);  // HDM_INSERTITEMA/W

    BOOL m_bRedrawHeld = FALSE;     // Redraw only notes the repaint in m_bRedrawMissed
    BOOL m_bRedrawMissed = FALSE;

protected:
    CMap<int, int, _tag_QELHeaderColumnState, _tag_QELHeaderColumnState&> m_mapColumnState;  // records by column index; never removed
    int     m_bLButtonDown;    // left button went down over a visible column and is not yet released
    int     m_bMultipleSort;   // several columns may carry a sort mark at once
    int     m_bAscending;      // direction of the arrow being drawn; set just before OnDrawSortArrow
    int     m_bDialogControl;  // an ancestor is an MFC dialog; settled at creation or subclassing
    int     m_nHotItem;        // column under the mouse, -1 for none
    int     m_bTrackMouse;     // a leave notification was requested and has not arrived yet
    int     m_bColumnMenu;     // the right-click column menu is enabled
    HFONT   m_hUserFont;       // font from WM_SETFONT, not owned; null when none was handed in
    HFONT   m_hFont;           // own font, owned
    CBrush  m_brushBackground; // background brush, colour fixed at construction
};
