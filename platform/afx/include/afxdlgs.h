// Common dialogs: the base of dialogs that the system provides.
#pragma once

#ifndef __AFXDLGS_H__
#define __AFXDLGS_H__

#include <afxwin.h>
#include <commdlg.h>

// Base of the system's common dialogs; OK and Cancel are handled by the system dialog itself.
class AFX_CLASS_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);
    virtual ~CCommonDialog();

protected:
    virtual void OnOK();
    virtual void OnCancel();
};

#endif // __AFXDLGS_H__
