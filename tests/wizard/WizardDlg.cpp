// The dialog, its message map and the application's editor factory.
#include "pch.h"
#include "resource.h"
#include "WizardDlg.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#endif

// The application's own editor factory: the library's text editor, counted.
class CCountingEditFactory : public CQELListItemEdit
{
    DECLARE_DYNCREATE(CCountingEditFactory)
public:
    CWnd* CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const pStyle,
                     CQELListCtrl* pList) override;

    static int s_nCreated;
};

IMPLEMENT_DYNCREATE(CCountingEditFactory, CQELListItemEdit)

int CCountingEditFactory::s_nCreated = 0;

CWnd* CCountingEditFactory::CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const pStyle,
                                       CQELListCtrl* pList)
{
    ++s_nCreated;
    return CQELListItemEdit::CreateItem(nItem, nSubItem, rect, pStyle, pList);
}

CWizardDlg::CWizardDlg(CWnd* pParent)
    : CDialog(IDD_WIZARD_DIALOG, pParent), m_bItemChanged(FALSE), m_bEditBegin(FALSE)
{
}

BOOL CWizardDlg::HeardFromTheList() const
{
    return m_bItemChanged && m_bEditBegin && CCountingEditFactory::s_nCreated == 1;
}

void CWizardDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST, m_list);
}

BEGIN_MESSAGE_MAP(CWizardDlg, CDialog)
    ON_BN_CLICKED(IDC_EDIT_CELL, &CWizardDlg::OnBnClickedEditCell)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST, &CWizardDlg::OnLvnItemchangedList)
    ON_REGISTERED_MESSAGE(WM_QEL_LISTEDITBEGIN, &CWizardDlg::OnListEditBegin)
END_MESSAGE_MAP()

BOOL CWizardDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_list.InsertColumn(0, _T("Task"), LVCFMT_LEFT, 200);
    m_list.InsertItem(0, _T("Try the wizard"));
    _tag_QELListColumnStyle style = {};
    style.nColumn = 0;
    style.pRuntimeClass = RUNTIME_CLASS(CCountingEditFactory);
    m_list.SetColumnStyle(&style);

    // Once the dialog runs: a click on Edit, then OK.
    GetDlgItem(IDC_EDIT_CELL)->PostMessage(BM_CLICK);
    PostMessage(WM_COMMAND, IDOK);
    return TRUE;
}

void CWizardDlg::OnBnClickedEditCell()
{
    m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EditSubItem(0, 0);
}

void CWizardDlg::OnLvnItemchangedList(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pNMLV = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    m_bItemChanged |= (pNMLV->uNewState & LVIS_SELECTED) != 0;
    *pResult = 0;
}

LRESULT CWizardDlg::OnListEditBegin(WPARAM, LPARAM)
{
    m_bEditBegin = TRUE;
    return 0;
}
