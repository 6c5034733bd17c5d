// In-place drop-down list editor window of the list control.
#pragma once

#include "QELBaseListItem.h"
#include "QELListTypes.h"

// Manages the combo box laid over a cell while it is edited; the list's parent fills its entries, and the
// window text at the end of the edit is reported to the list as the new cell text.
class QELCTRL_API CQELListComboBox : public CComboBox
{
    DECLARE_DYNAMIC(CQELListComboBox)

// Construction
public:
    CQELListComboBox();
    virtual ~CQELListComboBox();

    // Creates the combo box over `rect` of the list `pParentWnd` with the style's combo-box kind.
    int Create(UINT nID, CRect& rect, LPCTSTR pszText, int nItem, int nSubItem, CWnd* pParentWnd,
               _tag_QELListColumnStyle* const pStyle);
    using CComboBox::Create;   // a plain combo box window

// Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

// Message handlers
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnComboKillFocus();
    DECLARE_MESSAGE_MAP()

private:
    void SetListText();
    BOOL HasEditField() const;
    BOOL IsEditFieldKey(const MSG* pMsg) const;
    BOOL ApplyKeyRules(const MSG* pMsg);

    int              m_nItem;      // row of the edited cell
    int              m_nSubItem;   // column of the edited cell
    int              m_bCancel;    // set by Escape; once set, no change is reported
    CString          m_strStart;   // cell text the editor was created with
    CQELBaseListItem m_item;       // key and wheel rules shared by all editors

    CQELListComboBox(const CQELListComboBox&);
    CQELListComboBox& operator=(const CQELListComboBox&);
};
