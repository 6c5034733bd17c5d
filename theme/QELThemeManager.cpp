// The theme manager: the choice of theme for every drawing.
#include "QELThemeManager.h"

#include "QELThemeInternal.h"

IMPLEMENT_DYNAMIC(CQELThemeManager, CQELThemeExBase)

using QELTheme::ColorsOf;

namespace
{
// The visual styles draw the operations of the basic interface, and only while they are loaded.
template <class... TParams, class... TArgs>
BOOL SystemDraws(CQELThemeSystem& themeSystem, BOOL (CQELThemeBase::*pfnDraw)(TParams...), TArgs&... args)
{
    return themeSystem.IsLoadTheme() && (themeSystem.*pfnDraw)(args...);
}

// The extended drawings belong to the flat look: the visual styles are never asked for them.
template <class... TParams, class... TArgs>
BOOL SystemDraws(CQELThemeSystem& /*themeSystem*/, BOOL (CQELThemeExBase::*)(TParams...), TArgs&... /*args*/)
{
    return FALSE;
}
}

template <class TTheme, class... TParams, class... TArgs>
BOOL CQELThemeManager::DrawFirst(BOOL (TTheme::*pfnDraw)(TParams...), TArgs&&... args)
{
    // The arguments are passed on as lvalues: each theme sees the same rectangle, which a theme may move.
    if (m_pCustomTheme != NULL && (m_pCustomTheme->*pfnDraw)(args...))
        return TRUE;
    if (SystemDraws(m_themeSystem, pfnDraw, args...))
        return TRUE;
    return (m_themeDefault.*pfnDraw)(args...);
}

CQELThemeManager::CQELThemeManager()
    : m_pCustomTheme(NULL)
{
}

CQELThemeManager::~CQELThemeManager()
{
}

void CQELThemeManager::InitThemeManager()
{
    ReloadColors(&_gWindowColor);
}

void CQELThemeManager::ExInitThemeManager()
{
    if (m_themeSystem.IsLoadTheme())
        m_themeSystem.ClearTheme();
}

BOOL CQELThemeManager::IsSystemTheme()
{
    return m_themeSystem.IsLoadTheme();
}

void CQELThemeManager::UpdateWindowColor(CQELWindowColor* pColor)
{
    if (pColor == NULL)
        return;
    if (m_pCustomTheme != NULL)
    {
        m_pCustomTheme->UpdateWindowColor(pColor);
        return;
    }
    ReloadColors(pColor);
}

void CQELThemeManager::ReloadColors(CQELWindowColor* pColor)
{
    // Reloading picks up a visual style switched on or off since the last load.
    if (m_themeSystem.LoadTheme())
        m_themeSystem.UpdateWindowColor(pColor);
    else
        m_themeDefault.UpdateWindowColor(pColor);
}

BOOL CQELThemeManager::DrawParentBackground(CDC* pDC, RECT* lpRect, CWnd* pWnd, CQELWindowColor* pColor)
{
    return DrawFirst(&CQELThemeBase::DrawParentBackground, pDC, lpRect, pWnd, ColorsOf(pColor));
}

BOOL CQELThemeManager::DrawHeaderCtrlBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                                            CQELWindowColor* pColor)
{
    return DrawFirst(&CQELThemeBase::DrawHeaderCtrlBorder, pDC, rect, bPressed, bHot, pWnd, ColorsOf(pColor));
}

BOOL CQELThemeManager::DrawHeaderCtrlSortArrow(CDC* pDC, CRect& rect, BOOL bAscending, CWnd* pWnd,
                                               CQELWindowColor* pColor)
{
    return DrawFirst(&CQELThemeBase::DrawHeaderCtrlSortArrow, pDC, rect, bAscending, pWnd, ColorsOf(pColor));
}

BOOL CQELThemeManager::DrawComboBorder(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                       CWnd* pWnd, CQELWindowColor* pColor)
{
    return DrawFirst(&CQELThemeBase::DrawComboBorder, pDC, rect, bDisabled, bPressed, bHot, pWnd,
                     ColorsOf(pColor));
}

BOOL CQELThemeManager::DrawComboDropButton(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                           CWnd* pWnd, CQELWindowColor* pColor)
{
    return DrawFirst(&CQELThemeBase::DrawComboDropButton, pDC, rect, bDisabled, bPressed, bHot, pWnd,
                     ColorsOf(pColor));
}

BOOL CQELThemeManager::DrawComboBorderEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                         CWnd* pWnd, CQELWindowColor* pColor)
{
    return DrawFirst(&CQELThemeExBase::DrawComboBorderEx, pDC, rect, bDisabled, bPressed, bHot, pWnd,
                     ColorsOf(pColor));
}

BOOL CQELThemeManager::DrawComboDropButtonEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                             CWnd* pWnd, CQELWindowColor* pColor)
{
    return DrawFirst(&CQELThemeExBase::DrawComboDropButtonEx, pDC, rect, bDisabled, bPressed, bHot, pWnd,
                     ColorsOf(pColor));
}
