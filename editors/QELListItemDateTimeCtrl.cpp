// Factory of the in-place date editor.
#include "QELListItemDateTimeCtrl.h"

#include "QELListCtrl.h"
#include "QELListDateTimeCtrl.h"
#include "QELListEditorInternal.h"

IMPLEMENT_DYNCREATE(CQELListItemDateTimeCtrl, CQELBaseListItem)

CQELListItemDateTimeCtrl::CQELListItemDateTimeCtrl()
{
}

CQELListItemDateTimeCtrl::~CQELListItemDateTimeCtrl()
{
}

CWnd* CQELListItemDateTimeCtrl::CreateItem(int nItem, int nSubItem, CRect rect,
                                           _tag_QELListColumnStyle* const pStyle, CQELListCtrl* pList)
{
    if (pList == NULL || pStyle == NULL)
        return NULL;

    CQELListDateTimeCtrl* pDate = QELListEditor::NewEditor<CQELListDateTimeCtrl>();
    if (pDate == NULL)
        return NULL;

    const CString strText = pList->GetItemText(nItem, nSubItem);
    if (!pDate->Create(QEL_EDITID_DATE, rect, strText, nItem, nSubItem, pList, pStyle))
    {
        delete pDate;
        return NULL;
    }

    pDate->ModifyStyle(pStyle->dwRemoveStyle, pStyle->dwStyle & ~(DWORD)WS_BORDER, 0);
    pDate->MoveWindow(&rect, TRUE);
    return pDate;
}
