// The theme manager through which every control of the library draws, and its global instance.
#pragma once

#include "QELThemeExBase.h"
#include "QELThemeDefault.h"
#include "QELThemeSystem.h"
#include "QELWindowColor.h"

// Manages the choice of theme for each drawing: an installed custom theme first, then the visual styles
// while they are loaded, then the built-in look.
class QELCTRL_API CQELThemeManager : public CQELThemeExBase
{
    DECLARE_DYNAMIC(CQELThemeManager)

// Construction
public:
    CQELThemeManager();             // loads nothing
    virtual ~CQELThemeManager();    // the visual styles are released with m_themeSystem

// Operations
    // Binds the visual styles if available and refreshes _gWindowColor from the theme in force.
    void InitThemeManager();
    // Releases the visual styles; later drawing uses the built-in look.
    void ExInitThemeManager();
    BOOL IsSystemTheme();

// Overridables
    // Reloads the visual styles and refreshes *pColor (a custom theme, if installed, does it alone).
    virtual void UpdateWindowColor(CQELWindowColor* pColor);
    virtual BOOL DrawParentBackground(CDC* pDC, RECT* lpRect, CWnd* pWnd, CQELWindowColor* pColor);
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

// Attributes
protected:
    CQELThemeDefault m_themeDefault;    // the built-in look; always available
    CQELThemeSystem  m_themeSystem;     // the visual styles; asked only while loaded

public:
    // Theme asked before all others; installed and owned by the application, null when none. The library
    // never sets it.
    CQELThemeExBase* m_pCustomTheme;

private:
    // Loads the visual styles afresh and fills *pColor from them, or from the built-in look without them.
    void ReloadColors(CQELWindowColor* pColor);

    // Asks the custom theme, then the visual styles while loaded (only for the operations they implement),
    // then the built-in look to draw through pfnDraw; 1 as soon as one of the first two draws, else the
    // built-in answer.
    template <class TTheme, class... TParams, class... TArgs>
    BOOL DrawFirst(BOOL (TTheme::*pfnDraw)(TParams...), TArgs&&... args);
};

// The library's one theme manager.
extern QELCTRL_API CQELThemeManager _gThemeManager;
