// Factory of the in-place text editor.
#pragma once

#include "QELBaseListItem.h"

// Creates a CQELListEdit over a cell, aligned like the column and limited to the column's length.
class QELCTRL_API CQELListItemEdit : public CQELBaseListItem
{
    DECLARE_DYNCREATE(CQELListItemEdit)

// Construction
public:
    CQELListItemEdit();
    virtual ~CQELListItemEdit();

// Overridables
public:
    virtual CWnd* CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const pStyle,
                             CQELListCtrl* pList);
};
