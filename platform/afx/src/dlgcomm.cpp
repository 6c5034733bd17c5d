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

void CCommonDialog::OnOK()
{
    // The system dialog validates and closes itself; nothing to exchange here.
    CDialog::OnOK();
}

void CCommonDialog::OnCancel()
{
    CDialog::OnCancel();
}
