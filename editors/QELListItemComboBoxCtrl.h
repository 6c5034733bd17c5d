// Factory of the in-place drop-down list editor.
#pragma once

#include "QELBaseListItem.h"

// Creates a CQELListComboBox over a cell, 50 pixels taller than the cell to give its list room.
class QELCTRL_API CQELListItemComboBoxCtrl : public CQELBaseListItem
{
    DECLARE_DYNCREATE(CQELListItemComboBoxCtrl)

// Construction
public:
    CQELListItemComboBoxCtrl();
    virtual ~CQELListItemComboBoxCtrl();

// Overridables
public:
    virtual CWnd* CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const pStyle,
                             CQELListCtrl* pList);
};
