// Factory of the in-place drop-down list editor.
#include "QELListItemComboBoxCtrl.h"

#include "QELListComboBox.h"
#include "QELListCtrl.h"
#include "QELListEditorInternal.h"

IMPLEMENT_DYNCREATE(CQELListItemComboBoxCtrl, CQELBaseListItem)

namespace {

const int kDropDownRoom = 50;   // extra height requested below the cell for the drop-down list

} // namespace

CQELListItemComboBoxCtrl::CQELListItemComboBoxCtrl()
{
}

CQELListItemComboBoxCtrl::~CQELListItemComboBoxCtrl()
{
}

CWnd* CQELListItemComboBoxCtrl::CreateItem(int nItem, int nSubItem, CRect rect,
                                           _tag_QELListColumnStyle* const pStyle, CQELListCtrl* pList)
{
    if (pList == NULL || pStyle == NULL)
        return NULL;

    CQELListComboBox* pCombo = QELListEditor::NewEditor<CQELListComboBox>();
    if (pCombo == NULL)
        return NULL;

    const CString strText = pList->GetItemText(nItem, nSubItem);
    rect.bottom += kDropDownRoom;
    if (!pCombo->Create(QEL_EDITID_COMBO, rect, strText, nItem, nSubItem, pList, pStyle))
    {
        delete pCombo;
        return NULL;
    }

    pCombo->ModifyStyle(pStyle->dwRemoveStyle, pStyle->dwStyle & ~(DWORD)WS_BORDER, 0);
    pCombo->MoveWindow(&rect, TRUE);
    return pCombo;
}
