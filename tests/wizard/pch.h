// Precompiled header: the MFC headers the wizard includes, then the libraries the application adds.
#pragma once

#ifndef VC_EXTRALEAN
#define VC_EXTRALEAN
#endif

#include <afxwin.h>         // MFC core and standard components
#include <afxext.h>         // MFC extensions
#ifndef _AFX_NO_OLE_SUPPORT
#include <afxdtctl.h>       // MFC support for Internet Explorer 4 Common Controls
#endif
#ifndef _AFX_NO_AFXCMN_SUPPORT
#include <afxcmn.h>         // MFC support for Windows Common Controls
#endif

// MFC's buffered-paint helper, as <afxcontrolbars.h> ("MFC support for ribbons and control bars") declares it
// for every wizard project.
class CMemDC
{
public:
    CMemDC(CDC& dc, CWnd* pWnd);
    CMemDC(CDC& dc, const CRect& rect);
    virtual ~CMemDC();

    CDC& GetDC();
    BOOL IsMemDC() const;
    BOOL IsVistaDC() const;
};

#include <QELCtrl.h>
