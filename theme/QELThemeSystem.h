// The look of the operating system's visual styles, bound to UxTheme at run time.
#pragma once

#include "QELThemeBase.h"

// Theme-data handle of UxTheme (the same type as the system header's, which may be included as well).
typedef HANDLE HTHEME;

// Manages the loaded UxTheme module and the theme-data handles of sixteen control classes; all of them are
// released by ClearTheme(), which the destructor calls.
class QELCTRL_API CQELThemeSystem : public CQELThemeBase
{
    DECLARE_DYNAMIC(CQELThemeSystem)

// Construction
public:
    CQELThemeSystem();              // unloaded: every field zero
    virtual ~CQELThemeSystem();     // ClearTheme()

// Operations
    // Unloads, then loads UxTheme and opens the classes; non-zero when at least one class opened.
    BOOL LoadTheme();
    // Closes every open class and frees UxTheme; does nothing while unloaded.
    void ClearTheme();
    BOOL IsLoadTheme();

// Overridables
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

protected:
    // Opens the sixteen classes for the main window of the current thread; non-zero if any opened.
    BOOL LoadControl();

    // UxTheme has only wide-string entry points, whatever the character set of the build.
    typedef HTHEME  (WINAPI* PFN_OPENTHEMEDATA)(HWND hwnd, LPCWSTR pszClassList);
    typedef HRESULT (WINAPI* PFN_CLOSETHEMEDATA)(HTHEME hTheme);
    typedef HRESULT (WINAPI* PFN_DRAWTHEMEBACKGROUND)(HTHEME hTheme, HDC hdc, int iPartId, int iStateId,
                                                      const RECT* pRect, const RECT* pClipRect);
    typedef HRESULT (WINAPI* PFN_GETTHEMECOLOR)(HTHEME hTheme, int iPartId, int iStateId, int iPropId,
                                                COLORREF* pColor);
    typedef HRESULT (WINAPI* PFN_DRAWTHEMEPARENTBACKGROUND)(HWND hwnd, HDC hdc, RECT* prc);

    BOOL      m_bLoadTheme;   // UxTheme is loaded and at least one class is open
    HINSTANCE m_hThemeDll;    // UxTheme, loaded by LoadTheme(); null while unloaded

    // Entry points of UxTheme; each null until found (and always null while unloaded)
    PFN_OPENTHEMEDATA             m_pfnOpenThemeData;
    PFN_CLOSETHEMEDATA            m_pfnCloseThemeData;
    PFN_DRAWTHEMEBACKGROUND       m_pfnDrawThemeBackground;
    PFN_GETTHEMECOLOR             m_pfnGetThemeColor;
    PFN_DRAWTHEMEPARENTBACKGROUND m_pfnDrawThemeParentBackground;

    // Theme data of the classes; null where the active style lacks the class or while unloaded
    HTHEME m_hThemeHeader;
    HTHEME m_hThemeToolbar;
    HTHEME m_hThemeRebar;
    HTHEME m_hThemeButton;
    HTHEME m_hThemeStatus;
    HTHEME m_hThemeWindow;
    HTHEME m_hThemeComboBox;
    HTHEME m_hThemeProgress;
    HTHEME m_hThemeScrollBar;
    HTHEME m_hThemeExplorerBar;
    HTHEME m_hThemeTreeView;
    HTHEME m_hThemeStartPanel;
    HTHEME m_hThemeTaskBand;
    HTHEME m_hThemeTaskBar;
    HTHEME m_hThemeSpin;
    HTHEME m_hThemeTab;

private:
    // The handle field of the i-th class in opening order (0 to 15).
    HTHEME& ClassHandle(int nClass);
};
