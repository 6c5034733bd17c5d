// Factory of the in-place date editor.
#pragma once

#include "QELBaseListItem.h"

// Creates a CQELListDateTimeCtrl over a cell.
class QELCTRL_API CQELListItemDateTimeCtrl : public CQELBaseListItem
{
    DECLARE_DYNCREATE(CQELListItemDateTimeCtrl)

// Construction
public:
    CQELListItemDateTimeCtrl();
    virtual ~CQELListItemDateTimeCtrl();

// Overridables
public:
    virtual CWnd* CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const pStyle,
                             CQELListCtrl* pList);
};
