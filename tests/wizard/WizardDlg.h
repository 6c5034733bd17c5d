// The application's dialog: a list with an editable column and a button that opens its editor.
#pragma once

class CWizardDlg : public CDialog
{
public:
    explicit CWizardDlg(CWnd* pParent = nullptr);

    enum { IDD = IDD_WIZARD_DIALOG };

    // TRUE once the list reported a selection, asked before the edit and opened the application's editor.
    BOOL HeardFromTheList() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnBnClickedEditCell();
    afx_msg void OnLvnItemchangedList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnListEditBegin(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CQELListCtrl m_list;
    BOOL m_bItemChanged;
    BOOL m_bEditBegin;
};
