// Report list control with per-column in-place editors, header sorting, cell colours and clipboard copy.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>
#include "QELCtrlApi.h"
#include "QELListTypes.h"
#include "QELHeaderCtrl.h"

class CQELBaseListItem;

QELCTRL_TEMPLATE_INSTANCE(CMap<int, int, _tag_QELListColumnStyle, _tag_QELListColumnStyle&>)

// Manages a list view whose cells are edited in place by editors that column styles name.
class QELCTRL_API CQELListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(CQELListCtrl)

// Construction
public:
    CQELListCtrl();
    virtual ~CQELListCtrl();

// Attributes
public:
    // Column edit styles. SetColumnStyle returns 0, or 0xFFFFFFFF for a null record or a class that is not
    // CQELBaseListItem or derived; a null pRuntimeClass removes the column's style.
    DWORD SetColumnStyle(_tag_QELListColumnStyle* pStyle);
    BOOL  GetEditColumnStyle(int nColumn, _tag_QELListColumnStyle& style);
    BOOL  IsEditColumn(int nColumn);
    void  RemoveColumnStyle(int nColumn);   // negative: removes all styles

    CWnd* GetEditControl();                 // open editor window, null when none
    using CListCtrl::GetEditControl;        // const: the list view's label edit, as CListCtrl's
    BOOL  GetSubItemRect(int nItem, int nSubItem, int nArea, CRect& rect);

    // Header state, forwarded to GetHeaderCtrl().
    int  EnableSortColumn(int nColumn, int bEnable);
    int  IsEnableSortColumn(int nColumn);
    void SetSortColumn(int nColumn, int bAscending, int bAdd);
    void RemoveSortColumn(int nColumn);
    void EnableMultipleSort(int bEnable);
    int  IsMultipleSort() const;
    int  ShowColumn(int nColumn, int bShow, int nWidth);
    int  IsVisibleColumn(int nColumn);
    void EnableColumnMenu(int bEnable);
    int  IsColumnMenu();

    // Built-in comparison (QEL_COMPARE_...) that the default OnCompareItems makes for a column; it stays with the
    // column index, as edit styles do. SetColumnCompare returns 1, or 0 for a column the header does not have
    // or an unknown comparison. An owner-data list (LVS_OWNERDATA) makes none: its parent sorts.
    int  SetColumnCompare(int nColumn, int nCompare);
    int  GetColumnCompare(int nColumn) const;

    // Drawing switches; the second argument asks for an immediate repaint.
    void EnableCustomColor(int bEnable, int bRedraw);
    int  IsCustomColor() const;
    void EnableCustomFont(int bEnable, int bRedraw);
    int  IsCustomFont() const;
    void EnableMarkSortedColumn(int bEnable, int bRedraw);
    int  IsMarkSortedColumn() const;

// Operations
public:
    // Starts editing a cell: 0 started (or the factory made no window), 1 refused by the parent, 2 row or column
    // out of range, 3 column not editable, 4 column hidden, -1 factory creation failed.
    int EditSubItem(int nItem, int nSubItem);

    // Ends the open edit, if any, at once: committing its text (WM_QEL_LISTEDITTING when changed) or cancelling
    // it, then WM_QEL_LISTEDITEND. Call it before the rows of an owner-data list move (the list cannot see them
    // go); the list does so itself before a sort and before LVM_SETITEMCOUNT reaches an owner-data list.
    void EndEdit(BOOL bCommit);

    // Row under point (-1 for none); nCol gets the column under point in report view, 0 otherwise, and keeps
    // the caller's value when no column matches.
    int HitTestEx(CPoint point, int& nCol);

    // Copies the captions and the rows whose state has any bit of dwMask as tab-separated text (CF_TEXT, or
    // CF_UNICODETEXT in the Unicode build); 1 or 0.
    int CopyToClipboard(DWORD dwMask);

// Overridables
public:
    virtual CQELHeaderCtrl* GetHeaderCtrl();   // once attached, also what CListCtrl::GetHeaderCtrl returns
    virtual int      OnCompareItems(LPARAM lParam1, LPARAM lParam2, int nColumn);
    virtual BOOL     CustomDrawSubItem(int nItem, int nSubItem, LPARAM lParam);
    virtual void     OnDrawSubItem(CDC* pDC, int nItem, int nSubItem, RECT rect, LPARAM lParam);
    // Marks the header and sorts the rows through OnCompareItems; an owner-data list sends WM_QEL_LISTSORTDATA
    // to its parent instead, which sorts its data, and repaints.
    virtual void     Sort(int nColumn, int bAscending, int bAdd);
    virtual COLORREF OnGetCellTextColor(int nItem, int nSubItem);
    virtual COLORREF OnGetCellBkColor(int nItem, int nSubItem);
    virtual HFONT    OnGetCellFont(int nItem, int nSubItem, DWORD_PTR dwItemData);
protected:
    virtual void     InitHeader();

// Implementation
protected:
    virtual BOOL    PreCreateWindow(CREATESTRUCT& cs);
    virtual void    PreSubclassWindow();
    virtual void    PostNcDestroy();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL    OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    int  InitList();
    void InitColors();

    int EditNewSubItem(int nItem, UINT lParam);
    int FirstEditColumn();
    int LastEditColumn();
    int NextEditColumn(int nCol);
    int PreviousEditColumn(int nCol);

    static int CALLBACK CompareProc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    afx_msg void    OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void    OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void    OnSetFocus(CWnd* pOldWnd);
    afx_msg void    OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void    OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void    OnSize(UINT nType, int cx, int cy);
    afx_msg void    OnPaint();
    afx_msg void    OnMouseMove(UINT nFlags, CPoint point);
    afx_msg int     OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void    OnDestroy();
    afx_msg void    OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL    OnEraseBkgnd(CDC* pDC);
    afx_msg void    OnSysColorChange();
    afx_msg void    OnEndDrag(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void    OnTimer(UINT_PTR nIDEvent);
    afx_msg void    OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void    OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void    OnParentNotify(UINT message, LPARAM lParam);
    afx_msg LRESULT OnEditItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemEditting(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnItemEditted(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHeaderChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHeaderVisiableChange(WPARAM wParam, LPARAM lParam);
    afx_msg void    OnItemchanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnInsertItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteAllItems(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSortItems(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetItemCount(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    class CTrackedRow;   // a row index that follows its record while rows are inserted and deleted
    class CMove;         // one move request on its way over the cells
    class CCompareKinds; // built-in comparison by column index
    class CSortKeys;     // one sort's cell texts, parsed for the sorted column's built-in comparison
    class CColumnSpans;  // the labels' horizontal extents of the columns after the first, for hit tests
    enum RowChange { rowInserted, rowDeleted, rowsReordered, rowsKept };

    LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam);
    void    FillEditInfoData(_tag_QELListEditInfo* pInfo);
    BOOL    IsOwnerData() const;
    DWORD_PTR ItemData(int nItem);
    void    StoreEditedText(int nItem, int nSubItem, LPCTSTR pszText);
    LPARAM  GetColumnData(int nSubItem);
    void    RemoveStoredStyle(int nColumn);
    void    ScrollCellIntoView(int nItem, int nSubItem);
    void    SelectOnlyRow(int nItem);
    void    DropOtherSelection(int nItem);
    BOOL    DropSelectionOf(int nRow, int nItem);
    void    DropSelectedRows(int nItem);
    int     AskParentForRow(int nRow);
    void    DestroyEditControl();
    int     CheckEditCell(int nItem, int nSubItem);
    void    OpenEditor(CQELBaseListItem* pFactory, _tag_QELListEditInfo& info, WPARAM wParam);
    BOOL    IsCellInList(int nItem, int nSubItem);
    int     RowOfEditRequest(int nItem, int nSubItem);
    void    BeginReport(const _tag_QELListEditInfo* pInfo);
    BOOL    IsReportOfEnding(const _tag_QELListEditInfo* pInfo);
    void    DestroyReportingEdit();
    void    EndEditsOfGoingWindow();
    void    ReportEndFor(UINT nCtrlID, int nItem, int nSubItem, DWORD_PTR dwGoneData);
    void    NoteGoneRecords(int nRow);
    void    RowsChanged(RowChange change, int nRow, const CPoint& ptEditBefore);
    void    FollowRows(RowChange change, int nRow);
    CPoint  EditCellOrigin();
    void    PurgeMoveRequests();
    void    CommitOpenEdit();
    LRESULT DefaultRowChange();
    LRESULT SortRows(WPARAM wParam, LPARAM lParam);
    BOOL    GetStripRect(int nRow, int nLastColumn, BOOL bGridLines, const CRect& rectClient, CRect& rect);
    int     GetLastDisplayColumn();
    LRESULT PrePaintCell(NMLVCUSTOMDRAW* pDraw);
    LRESULT PostPaintCell(NMLVCUSTOMDRAW* pDraw);
    void    PaintStrips();
    COLORREF ListBkColor();
    void    ForgetViewAnswers(UINT message);
    int     FindColumn(int nItem, int x);
    void    MarkSortColumn(CQELHeaderCtrl* pHeader, int nColumn, int bAscending, int bAdd);

// State
protected:
    CMap<int, int, _tag_QELListColumnStyle, _tag_QELListColumnStyle&> m_mapColumnStyle;  // styles by column; pData owned
    int            m_nEditItem;          // row of the most recently opened editor; never reset
    int            m_nEditSubItem;       // column of the most recently opened editor; never reset
    CWnd*          m_pEditCtrl;          // open editor window, owned; null when no edit is open
    CQELHeaderCtrl m_wndHeader;          // the report view's header, attached by InitHeader
    int            m_nSortColumn;        // column of the last sort that went ahead, -1 for none
    BOOL           m_bSortAscending;     // direction of that sort
    BOOL           m_bMarkSortedColumn;  // shade the sorted column
    BOOL           m_bDrawSubItem;       // the cell being painted asked for OnDrawSubItem (pre- to post-paint)
    BOOL           m_bCustomColor;       // ask the colour hooks per cell and paint the strip right of the last column
    BOOL           m_bCustomFont;        // ask OnGetCellFont per cell
    COLORREF       m_crSortedColumn;     // shade of the sorted column; 0xFFFFFFFF until InitColors
    HFONT          m_hOldFont;           // font to select back at the cell's post-paint; null when none
    int            m_nClickItem;         // row of the pending click-to-edit; meaningful only while timer 831 runs
    int            m_nClickSubItem;      // column of the pending click-to-edit; as m_nClickItem

private:
    // The open edit's record moves with inserted and deleted rows: m_nEditItem follows it, while its editor
    // keeps naming the row it was opened on in its reports and move requests.
    int            m_nEditOpenItem;      // row the open editor was created on; meaningful while m_pEditCtrl is set
    DWORD_PTR      m_dwEditGoneData;     // item data of the open edit's record once it was deleted
    CWnd*          m_pReportEdit;        // editor reporting its end, owned until its WM_QEL_LISTEDITEND; else null
    int            m_nReportOpenItem;    // row m_pReportEdit was created on
    int            m_nReportItem;        // row of m_pReportEdit's record now; -1 once the record is gone
    int            m_nReportSubItem;     // column of m_pReportEdit
    DWORD_PTR      m_dwReportGoneData;   // item data of m_pReportEdit's record once it was deleted
    BOOL           m_bReportEndSent;     // the list reported m_pReportEdit's end itself as its window went
    int            m_nEndsForwarded;     // WM_QEL_LISTEDITEND messages forwarded so far
    CTrackedRow*   m_pTrackedRows;       // rows of edit starts under way, innermost first
    BOOL           m_bChangingRows;      // the list view is inserting, deleting or reordering rows
    BOOL           m_bCommitAfterRowChange;  // an open edit is to commit once the rows changed
    BOOL           m_bAskingForRow;      // the parent is asked for a row past the last (WM_QEL_LISTEDITMAX)
    CCompareKinds* m_pCompareKinds;      // owned; null until a built-in comparison is first set
    CSortKeys*     m_pSortKeys;          // keys of the sort under way, on SortRows' stack; null outside it
    BOOL           m_bCreating;          // PreCreateWindow ran and the window is not attached yet
    CColumnSpans*  m_pColumnSpans;       // owned; null until the first hit test over a row
    BOOL           m_bPaintColors;       // a paint is under way and the two colours below are the list's
    COLORREF       m_crPaintText;        // LVM_GETTEXTCOLOR, read once for the paint under way
    COLORREF       m_crPaintBk;          // LVM_GETBKCOLOR, read once for the paint under way
};
