// The demo's second view: a million records on an owner-data list, editable, sortable and filtered.
#pragma once

#include <QELCtrl.h>
#include "RecordStore.h"

// Manages the records dialog: answers the list's requests for cells, edits and sorts from the record store.
class CRecordsDlg : public CDialog
{
public:
    explicit CRecordsDlg(CWnd* pParent = NULL);

    CQELListCtrl& List() { return m_list; }
    const CRecordStore& Store() const { return m_store; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void    OnFilterChange();
    afx_msg void    OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnListItemConst(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListEditting(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListSortData(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void InitList();
    void ShowCount(LPCTSTR pszWhat, DWORD dwMilliseconds);

    CRecordStore m_store;
    CQELListCtrl m_list;
    CQELEdit     m_editFilter;
    static TCHAR s_szDateFormat[];
};
