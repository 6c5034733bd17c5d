// In-place date editor window of the list control.
#pragma once

#include <afxdtctl.h>

#include "QELBaseListItem.h"
#include "QELListTypes.h"

// Manages the date picker laid over a cell while it is edited; reports the new date text to the list.
// It carries no run-time class of its own: it reports the date picker's.
class QELCTRL_API CQELListDateTimeCtrl : public CDateTimeCtrl
{
// Construction
public:
    CQELListDateTimeCtrl();
    virtual ~CQELListDateTimeCtrl();

    // Creates the picker over `rect` of the list `pParentWnd`, set to the date that `pszText` holds in the
    // column's format (or to the fallback date).
    int Create(UINT nID, CRect& rect, LPCTSTR pszText, int nItem, int nSubItem, CWnd* pParentWnd,
               _tag_QELListColumnStyle* const pStyle);
    using CDateTimeCtrl::Create;   // a plain date picker window

// Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

// Message handlers
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnDropdown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCloseup(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnCalendarClosed(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SetListText();
    BOOL IsCalendarWindow(HWND hWnd) const;

    int              m_nItem;      // row of the edited cell, -1 until created
    int              m_nSubItem;   // column of the edited cell, -1 until created
    int              m_bCancel;    // set by Escape; once set, no change is reported
    int              m_bDropDown;  // the month calendar is open; its focus change does not end the edit
    SYSTEMTIME       m_stStart;    // the picker's own reading of the start date; a change is measured against it
    CQELBaseListItem m_item;       // key and wheel rules shared by all editors

    CQELListDateTimeCtrl(const CQELListDateTimeCtrl&);
    CQELListDateTimeCtrl& operator=(const CQELListDateTimeCtrl&);
};
