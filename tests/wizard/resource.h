// Resource identifiers of Wizard.rc.
#define IDD_WIZARD_DIALOG   102
#define IDC_LIST            1000
#define IDC_EDIT_CELL       1001
