// The theme interface through which the controls draw borders, arrows and buttons.
#pragma once

#include <afxwin.h>
#include "QELCtrlApi.h"

class CQELWindowColor;

// Manages nothing: the abstract interface of a theme. Every drawing operation returns non-zero when the
// theme drew the element; a null colour set means _gWindowColor.
class QELCTRL_API CQELThemeBase : public CObject
{
    DECLARE_DYNAMIC(CQELThemeBase)

// Construction
public:
    CQELThemeBase();
    virtual ~CQELThemeBase();

// Overridables
    // Refills *pColor with the theme's colours.
    virtual void UpdateWindowColor(CQELWindowColor* pColor) = 0;
    // Has the parent of pWnd erase its background into pDC under pWnd's area, clipped to lpRect if given;
    // returns the parent's answer to WM_ERASEBKGND.
    virtual BOOL DrawParentBackground(CDC* pDC, RECT* lpRect, CWnd* pWnd, CQELWindowColor* pColor);
    virtual BOOL DrawHeaderCtrlBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                                      CQELWindowColor* pColor) = 0;
    virtual BOOL DrawHeaderCtrlSortArrow(CDC* pDC, CRect& rect, BOOL bAscending, CWnd* pWnd,
                                         CQELWindowColor* pColor) = 0;
    virtual BOOL DrawComboBorder(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                                 CQELWindowColor* pColor) = 0;
    virtual BOOL DrawComboDropButton(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                     CWnd* pWnd, CQELWindowColor* pColor) = 0;
};
