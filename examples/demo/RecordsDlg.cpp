// The records dialog: the owner-data list's cells come from the store, edits go into it, and header clicks
// and the filter reorder its rows; the list only repaints.
#include "RecordsDlg.h"
#include "ColumnStyle.h"

#include "resource.h"

TCHAR CRecordsDlg::s_szDateFormat[] = _T("dd.MM.yyyy");

namespace {

const int kRecords = 1000000;

const struct
{
    LPCTSTR pszCaption;
    int     nFormat;
    int     nWidth;   // in dialog units, so that the columns grow with the font
} s_columns[recCount] = {
    { _T("ID"), LVCFMT_RIGHT, 50 },
    { _T("Code"), LVCFMT_LEFT, 60 },
    { _T("Kind"), LVCFMT_LEFT, 60 },
    { _T("Date"), LVCFMT_LEFT, 60 },
    { _T("Amount"), LVCFMT_RIGHT, 60 },
};

} // namespace

BEGIN_MESSAGE_MAP(CRecordsDlg, CDialog)
    ON_EN_CHANGE(IDC_RECORDS_FILTER, &CRecordsDlg::OnFilterChange)
    ON_NOTIFY(LVN_GETDISPINFO, IDC_RECORDS_LIST, &CRecordsDlg::OnGetDispInfo)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTITEMCONST, &CRecordsDlg::OnListItemConst)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITTING, &CRecordsDlg::OnListEditting)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTSORTDATA, &CRecordsDlg::OnListSortData)
END_MESSAGE_MAP()

CRecordsDlg::CRecordsDlg(CWnd* pParent)
    : CDialog(IDD_RECORDS, pParent), m_store(kRecords)
{
}

BOOL CRecordsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_RECORDS_LIST, this);
    m_editFilter.SubclassDlgItem(IDC_RECORDS_FILTER, this);
    InitList();
    ShowCount(_T("Generated"), 0);
    m_list.SetFocus();
    return FALSE;
}

// Enter outside an editor does not close the dialog (an editor keeps Enter to itself); Escape does.
void CRecordsDlg::OnOK()
{
}

void CRecordsDlg::InitList()
{
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int i = 0; i < recCount; ++i)
    {
        CRect width(0, 0, s_columns[i].nWidth, 0);
        MapDialogRect(&width);
        m_list.InsertColumn(i, s_columns[i].pszCaption, s_columns[i].nFormat, width.Width());
        m_list.EnableSortColumn(i, TRUE);
    }
    SetColumnEditor(m_list, recCode, RUNTIME_CLASS(CQELListItemEdit), 0,
                    static_cast<int>(sizeof(CRecord::szCode) / sizeof(TCHAR)) - 1, NULL, 0);
    SetColumnEditor(m_list, recKind, RUNTIME_CLASS(CQELListItemComboBoxCtrl), CBS_DROPDOWNLIST, 0, NULL, 0);
    SetColumnEditor(m_list, recDate, RUNTIME_CLASS(CQELListItemDateTimeCtrl), 0, 0, s_szDateFormat, 0);
    m_list.EnableMultipleSort(TRUE);
    m_list.EnableMarkSortedColumn(TRUE, FALSE);
    m_list.SetItemCount(m_store.GetRowCount());
}

void CRecordsDlg::ShowCount(LPCTSTR pszWhat, DWORD dwMilliseconds)
{
    CString s;
    s.Format(_T("%s in %lu ms: %d of %d records shown. Shift+click a header to add a sort key."), pszWhat,
             dwMilliseconds, m_store.GetRowCount(), m_store.GetRecordCount());
    SetDlgItemText(IDC_RECORDS_STATUS, s);
}

// The open edit belongs to a row that is about to show another record: it ends first, committed.
void CRecordsDlg::OnFilterChange()
{
    CString filter;
    m_editFilter.GetWindowText(filter);
    const DWORD dwStart = GetTickCount();
    m_list.EndEdit(TRUE);
    m_store.Filter(filter);
    m_list.SetItemCount(m_store.GetRowCount());
    m_list.Invalidate();
    ShowCount(_T("Filtered"), GetTickCount() - dwStart);
}

void CRecordsDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    LVITEM& item = reinterpret_cast<NMLVDISPINFO*>(pNMHDR)->item;
    if ((item.mask & LVIF_TEXT) != 0 && item.iItem >= 0 && item.iItem < m_store.GetRowCount())
        lstrcpyn(item.pszText, m_store.CellText(item.iItem, item.iSubItem), item.cchTextMax);
    *pResult = 0;
}

LRESULT CRecordsDlg::OnListItemConst(WPARAM, LPARAM lParam)
{
    const _tag_QELListEditInfo* pInfo = reinterpret_cast<const _tag_QELListEditInfo*>(lParam);
    if (pInfo->nCtrlID == QEL_EDITID_COMBO)
    {
        CComboBox* pCombo = static_cast<CComboBox*>(pInfo->pEditWnd);
        for (const LPCTSTR* p = CRecordStore::Kinds(); *p != NULL; ++p)
            pCombo->AddString(*p);
        pCombo->SelectString(-1, m_store.CellText(pInfo->nItem, pInfo->nSubItem));
    }
    return 0;
}

LRESULT CRecordsDlg::OnListEditting(WPARAM, LPARAM lParam)
{
    const _tag_QELListEditInfo* pInfo = reinterpret_cast<const _tag_QELListEditInfo*>(lParam);
    return m_store.Store(pInfo->nItem, pInfo->nSubItem, pInfo->pszText) ? 0 : 1;
}

LRESULT CRecordsDlg::OnListSortData(WPARAM wParam, LPARAM lParam)
{
    const DWORD dwStart = GetTickCount();
    m_store.Sort(LOWORD(wParam), LOWORD(lParam), HIWORD(lParam));
    ShowCount(_T("Sorted"), GetTickCount() - dwStart);
    return 0;
}
