// The built-in look: plain GDI drawing in the colours of a colour set.
#pragma once

#include "QELThemeExBase.h"

// Manages nothing: draws every element with GDI; succeeds whenever it is given a device context.
class QELCTRL_API CQELThemeDefault : public CQELThemeExBase
{
    DECLARE_DYNAMIC(CQELThemeDefault)

// Construction
public:
    CQELThemeDefault();
    virtual ~CQELThemeDefault();

// Overridables
    virtual void UpdateWindowColor(CQELWindowColor* pColor);
    // A pressed border moves rect.left and rect.top one pixel inwards.
    virtual BOOL DrawHeaderCtrlBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                                      CQELWindowColor* pColor);
    virtual BOOL DrawHeaderCtrlSortArrow(CDC* pDC, CRect& rect, BOOL bAscending, CWnd* pWnd,
                                         CQELWindowColor* pColor);
    virtual BOOL DrawComboBorder(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                                 CQELWindowColor* pColor);
    virtual BOOL DrawComboDropButton(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                     CWnd* pWnd, CQELWindowColor* pColor);
    virtual BOOL DrawComboBorderEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                                   CQELWindowColor* pColor);
    virtual BOOL DrawComboDropButtonEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                       CWnd* pWnd, CQELWindowColor* pColor);
};
