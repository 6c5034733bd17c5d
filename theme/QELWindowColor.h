// The library's colour set and its global instance.
#pragma once

#include <afxwin.h>
#include "QELCtrlApi.h"

// Manages one set of 44 colours: the system colour table, colours that older systems lack, and the edge
// colours that the visual-style theme refreshes from the active style.
class QELCTRL_API CQELWindowColor : public CObject
{
    DECLARE_DYNCREATE(CQELWindowColor)

// Construction
public:
    CQELWindowColor();                                  // filled by Default()
    CQELWindowColor(const CQELWindowColor& src);        // copies the 44 colours
    CQELWindowColor& operator=(const CQELWindowColor& src);
    virtual ~CQELWindowColor();

// Operations
    // Refills every colour from the system colour table (with fixed values where the system lacks one).
    void Default();

// Attributes: the 44 colours, in this order
    COLORREF m_crScrollBar;                 // COLOR_SCROLLBAR
    COLORREF m_crBackground;                // COLOR_BACKGROUND
    COLORREF m_crActiveCaption;             // COLOR_ACTIVECAPTION
    COLORREF m_crInactiveCaption;           // COLOR_INACTIVECAPTION
    COLORREF m_crMenu;                      // COLOR_MENU
    COLORREF m_crWindow;                    // COLOR_WINDOW
    COLORREF m_crWindowFrame;               // COLOR_WINDOWFRAME
    COLORREF m_crMenuText;                  // COLOR_MENUTEXT
    COLORREF m_crWindowText;                // COLOR_WINDOWTEXT
    COLORREF m_crCaptionText;               // COLOR_CAPTIONTEXT
    COLORREF m_crActiveBorder;              // COLOR_ACTIVEBORDER
    COLORREF m_crInactiveBorder;            // COLOR_INACTIVEBORDER
    COLORREF m_crAppWorkspace;              // COLOR_APPWORKSPACE
    COLORREF m_crHighlight;                 // COLOR_HIGHLIGHT
    COLORREF m_crHighlightText;             // COLOR_HIGHLIGHTTEXT
    COLORREF m_crBtnFace;                   // COLOR_BTNFACE
    COLORREF m_crBtnShadow;                 // COLOR_BTNSHADOW
    COLORREF m_crGrayText;                  // COLOR_GRAYTEXT
    COLORREF m_crBtnText;                   // COLOR_BTNTEXT
    COLORREF m_crInactiveCaptionText;       // COLOR_INACTIVECAPTIONTEXT
    COLORREF m_crBtnHighlight;              // COLOR_BTNHIGHLIGHT
    COLORREF m_cr3DDkShadow;                // COLOR_3DDKSHADOW
    COLORREF m_cr3DLight;                   // COLOR_3DLIGHT
    COLORREF m_crInfoText;                  // COLOR_INFOTEXT
    COLORREF m_crInfoBk;                    // COLOR_INFOBK
    COLORREF m_crHotLight;                  // COLOR_HOTLIGHT, fixed before version 5
    COLORREF m_crGradientActiveCaption;     // COLOR_GRADIENTACTIVECAPTION, fixed before version 5
    COLORREF m_crGradientInactiveCaption;   // COLOR_GRADIENTINACTIVECAPTION, fixed before version 5
    COLORREF m_crMenuHilight;               // COLOR_MENUHILIGHT, fixed before 5.1 and on x.0
    COLORREF m_crMenuBar;                   // COLOR_MENUBAR, fixed before 5.1 and on x.0
    COLORREF m_crEdgeBackground;            // COLOR_BACKGROUND
    COLORREF m_crEdgeFace;                  // COLOR_BTNFACE
    COLORREF m_crEdgeShadow;                // COLOR_BTNSHADOW
    COLORREF m_crEdgeHighlight;             // COLOR_BTNHIGHLIGHT
    COLORREF m_crEdgeHighlight2;            // COLOR_BTNHIGHLIGHT
    COLORREF m_crEdgeHighlight3;            // COLOR_BTNHIGHLIGHT
    COLORREF m_crButtonDkShadow;            // COLOR_3DDKSHADOW; visual style: button edge dark shadow
    COLORREF m_crButtonLight;               // COLOR_BTNHIGHLIGHT; visual style: button edge light
    COLORREF m_crToolbarText;               // COLOR_BTNTEXT; visual style: toolbar text
    COLORREF m_crToolbarFill;               // COLOR_BTNFACE; visual style: toolbar fill
    COLORREF m_crToolbarLight;              // COLOR_BTNHIGHLIGHT; visual style: toolbar edge light
    COLORREF m_crToolbarHighlight;          // COLOR_BTNHIGHLIGHT; visual style: toolbar edge highlight
    COLORREF m_crToolbarShadow;             // COLOR_BTNSHADOW; visual style: toolbar edge shadow
    COLORREF m_crToolbarDkShadow;           // COLOR_3DDKSHADOW; visual style: toolbar edge dark shadow
};

// The colour set that every drawing routine uses when its caller passes none.
extern QELCTRL_API CQELWindowColor _gWindowColor;
