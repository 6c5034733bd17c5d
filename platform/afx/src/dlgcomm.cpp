// Common dialogs.
#include "afximpl_.h"

#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd)
    : CDialog((UINT)0, pParentWnd)
{
    m_lpszTemplateName = NULL;
    m_nIDHelp = 0;
}

CCommonDialog::~CCommonDialog()
{
}

// The system's dialog procedure ends its own dialog: pass the command on instead of calling EndDialog.
void CCommonDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}
