// Factory of the in-place text editor.
#include "QELListItemEdit.h"

#include "QELListCtrl.h"
#include "QELListEdit.h"
#include "QELListEditorInternal.h"

IMPLEMENT_DYNCREATE(CQELListItemEdit, CQELBaseListItem)

CQELListItemEdit::CQELListItemEdit()
{
}

CQELListItemEdit::~CQELListItemEdit()
{
}

CWnd* CQELListItemEdit::CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const pStyle,
                                   CQELListCtrl* pList)
{
    if (pList == NULL || pStyle == NULL)
        return NULL;

    CQELListEdit* pEdit = QELListEditor::NewEditor<CQELListEdit>();
    if (pEdit == NULL)
        return NULL;

    LVCOLUMN column;
    ::ZeroMemory(&column, sizeof(column));
    column.mask = LVCF_FMT;
    ::SendMessage(pList->GetSafeHwnd(), LVM_GETCOLUMN, (WPARAM)nSubItem, (LPARAM)&column);

    DWORD dwAddStyle = pStyle->dwStyle & ~(DWORD)WS_BORDER;
    switch (column.fmt & LVCFMT_JUSTIFYMASK)
    {
    case LVCFMT_LEFT:
        break;
    case LVCFMT_RIGHT:
        dwAddStyle |= ES_RIGHT;
        break;
    default:
        dwAddStyle |= ES_CENTER;
        break;
    }

    const CString strText = pList->GetItemText(nItem, nSubItem);
    if (!pEdit->Create(QEL_EDITID_TEXT, rect, strText, nItem, nSubItem, pList, pStyle))
    {
        delete pEdit;
        return NULL;
    }

    pEdit->ModifyStyle(pStyle->dwRemoveStyle, dwAddStyle, 0);
    pEdit->SendMessage(EM_LIMITTEXT, (WPARAM)pStyle->nLimitText, 0);
    return pEdit;
}
