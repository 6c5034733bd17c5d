#include "SoakParent.h"
#include "QELListItemEdit.h"
#include "QELListItemDateTimeCtrl.h"
#include "QELListItemComboBoxCtrl.h"
#include "QELTest.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace soak {

namespace {

LPCTSTR const kChoices[] = { _T("1 apple"), _T("2 pear"), _T("3 plum"), _T("4 quince"), _T("5 fig") };
const TCHAR kDateFormat[] = _T("dd.MM.yyyy");

// The three editors a column style can name, with the style bits and data each is set up with.
struct EditorKind
{
    CRuntimeClass* pClass;
    DWORD          dwStyle;
    LPCTSTR        pData;
    UINT           nCtrlId;
};

const EditorKind& Kind(int nKind)
{
    static const EditorKind kinds[] = {
        { RUNTIME_CLASS(CQELListItemEdit), 0, nullptr, QEL_EDITID_TEXT },
        { RUNTIME_CLASS(CQELListItemDateTimeCtrl), 0, kDateFormat, QEL_EDITID_DATE },
        { RUNTIME_CLASS(CQELListItemComboBoxCtrl), CBS_DROPDOWNLIST, nullptr, QEL_EDITID_COMBO },
    };
    return kinds[nKind];
}

UINT EditorIdOf(const CRuntimeClass* pClass)
{
    for (int nKind = 0; nKind < 3; ++nKind)
        if (Kind(nKind).pClass == pClass)
            return Kind(nKind).nCtrlId;
    return 0;
}

// Flags of the editable columns 1 to 3 of a new list, which have the text, date and drop-down list editors.
const DWORD kColumnFlags[] = { QEL_STYLEFLAG_AUTO, QEL_STYLEFLAG_AUTO, 0 };

} // namespace

void CSoakParent::Populate(CSoakList& list, int nRows)
{
    m_pList = &list;
    m_bOwnerData = (list.GetStyle() & LVS_OWNERDATA) != 0;
    m_order.clear();
    m_model.Clear();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | (Chance(50) ? LVS_EX_GRIDLINES : 0));
    list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 90);
    list.InsertColumn(1, _T("Note"), LVCFMT_LEFT, 120);
    list.InsertColumn(2, _T("Due"), LVCFMT_LEFT, 100);
    list.InsertColumn(3, _T("Choice"), LVCFMT_LEFT, 90);
    for (int nColumn = 1; nColumn < kFixedColumns; ++nColumn)
        SetKind(list, nColumn, nColumn - 1, kColumnFlags[nColumn - 1]);
    for (int nColumn = 0; nColumn < kMaxColumns; ++nColumn)
        list.EnableSortColumn(nColumn, 1);
    list.EnableMultipleSort(1);
    list.EnableColumnMenu(1);
    list.EnableMarkSortedColumn(1, 0);
    for (int nRow = 0; nRow < nRows; ++nRow)
        AddRow(nRow);
}

void CSoakParent::Detach()
{
    if (m_pList != nullptr)
        m_tally.nHeaderChanged += m_pList->received[WM_QEL_HEADERCHANGED];
    m_pList = nullptr;
}

std::string CSoakParent::RandomText(int nColumn)
{
    char text[64];
    switch (nColumn)
    {
    case 0:
        sprintf(text, "%d name", Pick(1000));
        break;
    case 2:
        sprintf(text, "%02d.%02d.%04d", 1 + Pick(28), 1 + Pick(12), 1990 + Pick(40));
        break;
    case 3:
        return qeltest::Narrow(kChoices[Pick(5)]);
    default:
        sprintf(text, "%d note %c", Pick(500), 'a' + Pick(26));
        break;
    }
    return text;
}

int CSoakParent::AddRow(int nIndex)
{
    const int nColumns = ColumnCount();
    std::vector<std::string> texts(static_cast<size_t>(nColumns));
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
        texts[nColumn] = RandomText(nColumn);
    const DWORD_PTR id = m_model.NewRowId();
    if (m_bOwnerData)
    {
        // The rows below move: the open edit ends first, as the list cannot see where they go. A row at the end
        // moves none; the list ends the edit itself when the count changes, unless it asked for the row.
        if (nIndex < static_cast<int>(m_order.size()))
            m_pList->EndEdit(TRUE);
        m_order.insert(m_order.begin() + nIndex, id);
        m_model.AddRow(id, texts);
        m_pList->SetItemCount(static_cast<int>(m_order.size()));
        ++m_tally.nRowsInserted;
        return nIndex;
    }
    const int nRow = m_pList->InsertItem(nIndex, CString(texts[0].c_str()));
    if (nRow < 0)
        return -1;
    m_pList->SetItemData(nRow, id);
    for (int nColumn = 1; nColumn < nColumns; ++nColumn)
        m_pList->SetItemText(nRow, nColumn, CString(texts[nColumn].c_str()));
    m_model.AddRow(id, texts);
    ++m_tally.nRowsInserted;
    return nRow;
}

DWORD_PTR CSoakParent::RowId(int nRow) const
{
    if (m_pList == nullptr)
        return 0;
    if (!m_bOwnerData)
        return m_pList->GetItemData(nRow);
    return nRow >= 0 && nRow < static_cast<int>(m_order.size()) ? m_order[static_cast<size_t>(nRow)] : 0;
}

// The record an edit message names: its item data, which names a deleted record too, or the owner-data list's
// row, which its parent changes only once the edit has ended.
DWORD_PTR CSoakParent::RecordOf(const _tag_QELListEditInfo* pInfo) const
{
    return m_bOwnerData ? RowId(pInfo->nItem) : pInfo->dwItemData;
}

void CSoakParent::GetDispInfo(LVITEM& item) const
{
    if (!m_bOwnerData || (item.mask & LVIF_TEXT) == 0 || item.cchTextMax <= 0)
        return;
    lstrcpyn(item.pszText, CString(m_model.Text(RowId(item.iItem), item.iSubItem).c_str()), item.cchTextMax);
}

int CSoakParent::ColumnCount() const
{
    if (m_pList == nullptr || m_pList->GetSafeHwnd() == NULL)
        return 0;
    return m_pList->GetHeaderCtrl()->GetItemCount();
}

void CSoakParent::Fail(const std::string& text)
{
    if (m_failure.empty())
        m_failure = text;
}

// Sets the style of a list's column to one of the editor kinds; the model follows the soaked list's styles.
void CSoakParent::SetKind(CQELListCtrl& list, int nColumn, int nKind, DWORD dwFlags)
{
    const EditorKind& kind = Kind(nKind);
    _tag_QELListColumnStyle style = {};
    style.nColumn = nColumn;
    style.nLimitText = kTextLimit;
    style.dwStyle = kind.dwStyle;
    style.dwFlags = dwFlags;
    style.pData = const_cast<LPTSTR>(kind.pData);
    style.nDataLen = kind.pData != nullptr ? static_cast<int>(_tcslen(kind.pData)) : 0;
    style.pRuntimeClass = kind.pClass;
    if (list.SetColumnStyle(&style) != 0)
        Fail("SetColumnStyle refused an editor class");
    if (&list == m_pList)
        m_model.SetStyle(nColumn, kind.pClass, dwFlags);
}

void CSoakParent::RestoreStyles()
{
    for (int nColumn = 1; m_pList != nullptr && nColumn < kFixedColumns; ++nColumn)
        if (m_model.StyleClass(nColumn) == nullptr)
            SetKind(*m_pList, nColumn, nColumn - 1, kColumnFlags[nColumn - 1]);
}

// Inside an edit message: now and then the edited column gets another editor kind or other flags, or loses
// its style (a record with a null class removes it).
void CSoakParent::ChangeStyle(const _tag_QELListEditInfo* pInfo)
{
    if (!m_bChangeStyles || m_pList == nullptr || pInfo == nullptr || !Chance(35))
        return;
    if (Chance(25))
    {
        _tag_QELListColumnStyle style = {};
        style.nColumn = pInfo->nSubItem;
        if (m_pList->SetColumnStyle(&style) != 0)
            Fail("SetColumnStyle refused to remove a style");
        m_model.SetStyle(pInfo->nSubItem, nullptr, 0);
        ++m_tally.nStylesRemoved;
        return;
    }
    SetKind(*m_pList, pInfo->nSubItem, Pick(3), Chance(50) ? QEL_STYLEFLAG_AUTO : 0);
    ++m_tally.nStylesChanged;
}

BOOL CSoakParent::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    const _tag_QELListEditInfo* pInfo = reinterpret_cast<const _tag_QELListEditInfo*>(lParam);
    if (m_pSecond != nullptr && HIWORD(wParam) == kSecondListId)
        return HandleSecondList(message, pInfo, lResult);
    if (message == WM_QEL_LISTEDITBEGIN)
        lResult = OnEditBegin(pInfo);
    else if (message == WM_QEL_LISTITEMCONST)
        lResult = OnItemConst(pInfo);
    else if (message == WM_QEL_LISTEDITTING)
        lResult = OnEditting(pInfo);
    else if (message == WM_QEL_LISTEDITEND)
        lResult = OnEditEnd(pInfo);
    else if (message == WM_QEL_LISTEDITMAX)
        lResult = OnEditMax();
    else if (message == WM_QEL_HEADERVISIABLECHANGE)
        lResult = OnVisibilityChange();
    else if (message == WM_QEL_LISTSORTDATA)
        lResult = OnSortData(wParam, lParam);
    else
        return FALSE;
    return TRUE;
}

LRESULT CSoakParent::OnEditBegin(const _tag_QELListEditInfo* pInfo)
{
    ++m_tally.nBeginAsked;
    m_pBeginClass = pInfo != nullptr && pInfo->pStyle != nullptr ? pInfo->pStyle->pRuntimeClass : nullptr;
    ChangeStyle(pInfo);
    if (!Chance(15))
        return 0;
    ++m_tally.nBeginVetoed;
    return 1;
}

// Fills a drop-down list editor and selects the entry that starts with pszSelected, or none when null.
void CSoakParent::AddChoices(const _tag_QELListEditInfo* pInfo, LPCTSTR pszSelected)
{
    if (pInfo->nCtrlID != QEL_EDITID_COMBO || pInfo->pEditWnd == nullptr)
        return;
    CComboBox* pCombo = static_cast<CComboBox*>(pInfo->pEditWnd);
    for (LPCTSTR pszChoice : kChoices)
        pCombo->AddString(pszChoice);
    if (pszSelected != nullptr)
        pCombo->SelectString(-1, pszSelected);
}

LRESULT CSoakParent::OnItemConst(const _tag_QELListEditInfo* pInfo)
{
    if (OpenEditors() != 0)
        Fail("an editor was announced while another one was still open");
    // The editor comes from the style the parent was asked about, whatever the parent stored since.
    if (pInfo->nCtrlID != EditorIdOf(m_pBeginClass))
        Fail("an editor with id " + std::to_string(pInfo->nCtrlID) + " opened for a style that named id "
             + std::to_string(EditorIdOf(m_pBeginClass)));
    if (m_bOwnerData && pInfo->dwItemData != 0)
        Fail("an owner-data list's edit record carried item data");
    ++m_tally.nOpened;
    m_openRowId = RecordOf(pInfo);
    m_nOpenColumn = pInfo->nSubItem;
    m_bOpenTexted = false;
    AddChoices(pInfo, CString(m_model.Text(m_openRowId, pInfo->nSubItem).c_str()));
    ChangeStyle(pInfo);
    return 0;
}

LRESULT CSoakParent::OnEditting(const _tag_QELListEditInfo* pInfo)
{
    if (OpenEditors() != 1)
        Fail("a new text was reported with no editor open");
    if (pInfo == nullptr || pInfo->pszText == nullptr)
    {
        Fail("a new text was reported without its record or text");
        return 1;
    }
    if (m_bOpenTexted)
        Fail("one editor reported a new text twice");
    m_bOpenTexted = true;
    char text[256];
    // Rows inserted and deleted meanwhile do not matter: the report names the record that was opened.
    const DWORD_PTR id = RecordOf(pInfo);
    if (pInfo->nSubItem != m_nOpenColumn || id != m_openRowId)
    {
        sprintf(text, "the edit of row id %lu, column %d reported for row id %lu, column %d",
                static_cast<unsigned long>(m_openRowId), m_nOpenColumn, static_cast<unsigned long>(id),
                pInfo->nSubItem);
        Fail(text);
    }
    ChangeStyle(pInfo);
    if (Chance(15))
    {
        ++m_tally.nTextVetoed;
        return 1;
    }
    ++m_tally.nCommitted;
    // The list stores the text in the row it names now; the model follows it there (for an owner-data list the
    // model is where the text is stored).
    if (m_pList != nullptr && pInfo->nItem >= 0 && pInfo->nItem < m_pList->GetItemCount())
        m_model.SetText(id, pInfo->nSubItem, qeltest::Narrow(pInfo->pszText));
    return 0;
}

LRESULT CSoakParent::OnEditEnd(const _tag_QELListEditInfo* pInfo)
{
    if (OpenEditors() != 1)
        Fail("an edit ended with no editor open");
    if (pInfo == nullptr)
        Fail("an edit ended without its record");
    else if (RecordOf(pInfo) != m_openRowId)
        Fail("an edit's end named another record than the one opened");
    ++m_tally.nEnded;
    if (!m_bOpenTexted)
        ++m_tally.nUnchanged;
    ChangeStyle(pInfo);
    return 0;
}

void CSoakParent::ArmSecondList(CQELListCtrl& list, UINT message)
{
    list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 60);
    list.InsertColumn(1, _T("Value"), LVCFMT_LEFT, 120);
    list.InsertItem(0, _T("second"));
    list.SetItemText(0, 1, _T("01.02.2024"));
    SetKind(list, 1, Pick(3), Chance(50) ? QEL_STYLEFLAG_AUTO : 0);
    m_pSecond = &list;
    m_nSecondDoom = message;
    m_nSecondOpened = 0;
    m_nSecondEnded = 0;
    m_hSecondEditor = NULL;
}

HWND CSoakParent::DisarmSecondList()
{
    if (m_nSecondEnded != m_nSecondOpened)
        Fail("the second list reported " + std::to_string(m_nSecondEnded) + " edit ends for "
             + std::to_string(m_nSecondOpened) + " editors");
    m_pSecond = nullptr;
    return m_hSecondEditor;
}

// The second list's edit messages: no refusals; one editor at most in the whole parent, one end per editor,
// and the list destroyed inside the armed message.
BOOL CSoakParent::HandleSecondList(UINT message, const _tag_QELListEditInfo* pInfo, LRESULT& lResult)
{
    if (message == WM_QEL_LISTITEMCONST)
    {
        if (OpenEditors() != 0)
            Fail("the second list announced an editor while the first list's editor was open");
        ++m_nSecondOpened;
        ++m_tally.nSecondOpened;
        m_hSecondEditor = pInfo->pEditWnd != nullptr ? pInfo->pEditWnd->GetSafeHwnd() : NULL;
        AddChoices(pInfo, nullptr);
    }
    else if (message == WM_QEL_LISTEDITEND)
    {
        ++m_tally.nSecondEnded;
        ++m_nSecondEnded;
    }
    else if (message != WM_QEL_LISTEDITBEGIN && message != WM_QEL_LISTEDITTING)
        return FALSE;
    if (message == m_nSecondDoom && m_pSecond->GetSafeHwnd() != NULL)
    {
        ++m_tally.nListsDestroyed;
        m_pSecond->DestroyWindow();
    }
    lResult = 0;
    return TRUE;
}

LRESULT CSoakParent::OnEditMax()
{
    ++m_tally.nMaxAsked;
    if (m_pList == nullptr || !Chance(30))
        return 0;
    ++m_tally.nMaxRows;
    return AddRow(m_pList->GetItemCount());
}

// The rows of an owner-data list in the order of the list's compare hook, as the list view sorts an ordinary
// list's rows.
LRESULT CSoakParent::OnSortData(WPARAM wParam, LPARAM lParam)
{
    ++m_tally.nParentSorts;
    if (!m_bOwnerData || m_pList == nullptr)
    {
        Fail("WM_QEL_LISTSORTDATA reached the parent of a list that is not an owner-data list");
        return 0;
    }
    if (m_pList->GetEditControl() != NULL)
        Fail("an owner-data list asked for a sort with an editor open");
    const int nColumn = LOWORD(wParam);
    const bool bAscending = LOWORD(lParam) != 0;
    std::stable_sort(m_order.begin(), m_order.end(), [&](DWORD_PTR id1, DWORD_PTR id2) {
        const int nOrder = m_pList->OnCompareItems(static_cast<LPARAM>(id1), static_cast<LPARAM>(id2), nColumn);
        return bAscending ? nOrder < 0 : nOrder > 0;
    });
    return 0;
}

LRESULT CSoakParent::OnVisibilityChange()
{
    ++m_tally.nVisibilityAsked;
    if (!Chance(30))
        return 0;
    ++m_tally.nVisibilityVetoed;
    return 1;
}

BOOL CSoakParent::InsertRow()
{
    if (m_pList == nullptr || m_pList->GetItemCount() >= kMaxRows)
        return FALSE;
    const int nRow = Pick(m_pList->GetItemCount() + 1);
    const int nPlace = PlaceOfOpenEdit(nRow);
    if (AddRow(nRow) < 0)
        return FALSE;
    if (nPlace >= 0)
        ++m_tally.nRowsInsertedAt[nPlace];
    return TRUE;
}

// Where a row index falls against the open edit's record: 0 above, 1 at, 2 below; -1 with no edit open.
int CSoakParent::PlaceOfOpenEdit(int nRow) const
{
    if (m_pList->GetEditControl() == NULL)
        return -1;
    const int nEditRow = RowOf(m_openRowId);
    if (nEditRow < 0)
        return -1;
    return nRow < nEditRow ? 0 : (nRow == nEditRow ? 1 : 2);
}

// Row of a record, -1 when it has none.
int CSoakParent::RowOf(DWORD_PTR id) const
{
    if (m_bOwnerData)
    {
        const auto it = std::find(m_order.begin(), m_order.end(), id);
        return it != m_order.end() ? static_cast<int>(it - m_order.begin()) : -1;
    }
    LVFINDINFO find = {};
    find.flags = LVFI_PARAM;
    find.lParam = static_cast<LPARAM>(id);
    return m_pList->FindItem(&find);
}

BOOL CSoakParent::DeleteRow()
{
    if (m_pList == nullptr || m_pList->GetItemCount() <= 1)
        return FALSE;
    const int nRow = Pick(m_pList->GetItemCount());
    const DWORD_PTR id = RowId(nRow);
    const int nPlace = PlaceOfOpenEdit(nRow);
    if (m_bOwnerData)
    {
        m_pList->EndEdit(TRUE);   // before the rows move, as the list cannot see them go
        m_order.erase(m_order.begin() + nRow);
        m_pList->SetItemCount(static_cast<int>(m_order.size()));
    }
    else if (!m_pList->DeleteItem(nRow))
        return FALSE;
    if (nPlace >= 0)
        ++m_tally.nRowsDeletedAt[nPlace];
    m_model.RemoveRow(id);
    ++m_tally.nRowsDeleted;
    return TRUE;
}

BOOL CSoakParent::InsertColumn()
{
    const int nColumns = ColumnCount();
    if (m_pList == nullptr || nColumns >= kMaxColumns)
        return FALSE;
    // Behind the editable columns, whose styles are keyed by index.
    const int nColumn = kFixedColumns + Pick(nColumns - kFixedColumns + 1);
    if (m_pList->InsertColumn(nColumn, _T("Extra"), LVCFMT_LEFT, 60 + Pick(60)) != nColumn)
        return FALSE;
    m_model.InsertColumn(nColumn);
    ++m_tally.nColumnsInserted;
    return TRUE;
}

BOOL CSoakParent::DeleteColumn()
{
    const int nColumns = ColumnCount();
    if (m_pList == nullptr || nColumns <= kFixedColumns)
        return FALSE;
    const int nColumn = kFixedColumns + Pick(nColumns - kFixedColumns);
    if (!m_pList->DeleteColumn(nColumn))
        return FALSE;
    m_model.DeleteColumn(nColumn);
    ++m_tally.nColumnsDeleted;
    return TRUE;
}

BOOL CSoakParent::SetOwnText()
{
    if (m_pList == nullptr || m_pList->GetItemCount() == 0)
        return FALSE;
    const int nRow = Pick(m_pList->GetItemCount());
    const int nColumn = Pick(ColumnCount());
    const std::string text = RandomText(nColumn);
    if (!m_bOwnerData && !m_pList->SetItemText(nRow, nColumn, CString(text.c_str())))
        return FALSE;
    m_model.SetText(RowId(nRow), nColumn, text);
    if (m_bOwnerData)
        m_pList->RedrawItems(nRow, nRow);
    ++m_tally.nOwnTexts;
    return TRUE;
}

} // namespace soak
