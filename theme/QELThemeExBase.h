// The theme interface extended by the flat combo border and drop button.
#pragma once

#include "QELThemeBase.h"

// Manages nothing: adds the extended combo border and drop button, which only the built-in look and
// custom themes draw.
class QELCTRL_API CQELThemeExBase : public CQELThemeBase
{
    DECLARE_DYNAMIC(CQELThemeExBase)

// Construction
public:
    CQELThemeExBase();
    virtual ~CQELThemeExBase();

// Overridables
    virtual BOOL DrawComboBorderEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                                   CQELWindowColor* pColor) = 0;
    virtual BOOL DrawComboDropButtonEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                       CWnd* pWnd, CQELWindowColor* pColor) = 0;
};
