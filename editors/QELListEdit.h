// In-place text editor window of the list control.
#pragma once

#include "QELBaseListItem.h"
#include "QELEdit.h"
#include "QELListTypes.h"

// Manages the single-line edit box laid over a cell while it is edited; reports the new text to the list.
class QELCTRL_API CQELListEdit : public CQELEdit
{
    DECLARE_DYNAMIC(CQELListEdit)

// Construction
public:
    CQELListEdit();
    virtual ~CQELListEdit();

    // Creates the editor over `rect` of the list `pParentWnd`, showing `pszText` all selected.
    BOOL Create(UINT nID, CRect& rect, LPCTSTR pszText, int nItem, int nSubItem, CWnd* pParentWnd,
                _tag_QELListColumnStyle* const pStyle);
    using CQELEdit::Create;   // CEdit's, a plain edit window

// Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

// Message handlers
protected:
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChange();
    DECLARE_MESSAGE_MAP()

private:
    void SetListText();
    void ResizeWindow();
    int  TextPadding(int nWindowWidth);
    void ShowTextFromStart();

    CString          m_strStart;   // cell text when the edit started; a change is measured against it
    int              m_nItem;      // row of the edited cell, -1 until created
    int              m_nSubItem;   // column of the edited cell, -1 until created
    int              m_nMinWidth;  // width of the cell at creation; the editor never gets narrower
    BOOL             m_bCancel;    // set by Escape; once set, no change is reported
    DWORD            m_dwFlags;    // the style's dwFlags; bit 0 makes the editor grow with its text
    CQELBaseListItem m_item;       // key and wheel rules shared by all editors
};
