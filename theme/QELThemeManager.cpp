// The theme manager: the choice of theme for every drawing.
#include "QELThemeManager.h"

IMPLEMENT_DYNAMIC(CQELThemeManager, CQELThemeExBase)

CQELThemeManager::CQELThemeManager()
    : m_pCustomTheme(NULL)
{
}

CQELThemeManager::~CQELThemeManager()
{
}

void CQELThemeManager::InitThemeManager()
{
    if (m_themeSystem.LoadTheme())
        m_themeSystem.UpdateWindowColor(&_gWindowColor);
    else
        m_themeDefault.UpdateWindowColor(&_gWindowColor);
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
    // Reloading picks up a visual style switched on or off since the last load.
    if (m_themeSystem.LoadTheme())
        m_themeSystem.UpdateWindowColor(pColor);
    else
        m_themeDefault.UpdateWindowColor(pColor);
}

BOOL CQELThemeManager::DrawParentBackground(CDC* pDC, RECT* lpRect, CWnd* pWnd, CQELWindowColor* pColor)
{
    if (pColor == NULL)
        pColor = &_gWindowColor;
    if (m_pCustomTheme != NULL && m_pCustomTheme->DrawParentBackground(pDC, lpRect, pWnd, pColor))
        return TRUE;
    if (m_themeSystem.IsLoadTheme() && m_themeSystem.DrawParentBackground(pDC, lpRect, pWnd, pColor))
        return TRUE;
    return m_themeDefault.DrawParentBackground(pDC, lpRect, pWnd, pColor);
}

BOOL CQELThemeManager::DrawHeaderCtrlBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHot, CWnd* pWnd,
                                            CQELWindowColor* pColor)
{
    if (pColor == NULL)
        pColor = &_gWindowColor;
    if (m_pCustomTheme != NULL && m_pCustomTheme->DrawHeaderCtrlBorder(pDC, rect, bPressed, bHot, pWnd, pColor))
        return TRUE;
    if (m_themeSystem.IsLoadTheme() && m_themeSystem.DrawHeaderCtrlBorder(pDC, rect, bPressed, bHot, pWnd, pColor))
        return TRUE;
    return m_themeDefault.DrawHeaderCtrlBorder(pDC, rect, bPressed, bHot, pWnd, pColor);
}

BOOL CQELThemeManager::DrawHeaderCtrlSortArrow(CDC* pDC, CRect& rect, BOOL bAscending, CWnd* pWnd,
                                               CQELWindowColor* pColor)
{
    if (pColor == NULL)
        pColor = &_gWindowColor;
    if (m_pCustomTheme != NULL && m_pCustomTheme->DrawHeaderCtrlSortArrow(pDC, rect, bAscending, pWnd, pColor))
        return TRUE;
    if (m_themeSystem.IsLoadTheme() && m_themeSystem.DrawHeaderCtrlSortArrow(pDC, rect, bAscending, pWnd, pColor))
        return TRUE;
    return m_themeDefault.DrawHeaderCtrlSortArrow(pDC, rect, bAscending, pWnd, pColor);
}

BOOL CQELThemeManager::DrawComboBorder(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                       CWnd* pWnd, CQELWindowColor* pColor)
{
    if (pColor == NULL)
        pColor = &_gWindowColor;
    if (m_pCustomTheme != NULL
        && m_pCustomTheme->DrawComboBorder(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor))
        return TRUE;
    if (m_themeSystem.IsLoadTheme()
        && m_themeSystem.DrawComboBorder(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor))
        return TRUE;
    return m_themeDefault.DrawComboBorder(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor);
}

BOOL CQELThemeManager::DrawComboDropButton(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                           CWnd* pWnd, CQELWindowColor* pColor)
{
    if (pColor == NULL)
        pColor = &_gWindowColor;
    if (m_pCustomTheme != NULL
        && m_pCustomTheme->DrawComboDropButton(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor))
        return TRUE;
    if (m_themeSystem.IsLoadTheme()
        && m_themeSystem.DrawComboDropButton(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor))
        return TRUE;
    return m_themeDefault.DrawComboDropButton(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor);
}

// The extended drawings belong to the flat look: the visual styles are never asked for them.
BOOL CQELThemeManager::DrawComboBorderEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                         CWnd* pWnd, CQELWindowColor* pColor)
{
    if (pColor == NULL)
        pColor = &_gWindowColor;
    if (m_pCustomTheme != NULL
        && m_pCustomTheme->DrawComboBorderEx(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor))
        return TRUE;
    return m_themeDefault.DrawComboBorderEx(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor);
}

BOOL CQELThemeManager::DrawComboDropButtonEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                             CWnd* pWnd, CQELWindowColor* pColor)
{
    if (pColor == NULL)
        pColor = &_gWindowColor;
    if (m_pCustomTheme != NULL
        && m_pCustomTheme->DrawComboDropButtonEx(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor))
        return TRUE;
    return m_themeDefault.DrawComboDropButtonEx(pDC, rect, bDisabled, bPressed, bHot, pWnd, pColor);
}
