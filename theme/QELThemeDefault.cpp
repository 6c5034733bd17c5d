// The built-in look.
#include "QELThemeDefault.h"
#include "QELThemeInternal.h"

IMPLEMENT_DYNAMIC(CQELThemeDefault, CQELThemeExBase)

using QELTheme::ColorsOf;

CQELThemeDefault::CQELThemeDefault()
{
}

CQELThemeDefault::~CQELThemeDefault()
{
}

void CQELThemeDefault::UpdateWindowColor(CQELWindowColor* pColor)
{
    if (pColor != NULL)
        *pColor = CQELWindowColor();
}

BOOL CQELThemeDefault::DrawHeaderCtrlBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL /*bHot*/, CWnd* /*pWnd*/,
                                            CQELWindowColor* pColor)
{
    if (pDC == NULL)
        return FALSE;
    const CQELWindowColor* pColors = ColorsOf(pColor);
    if (bPressed)
    {
        pDC->Draw3dRect(&rect, pColors->m_crBtnShadow, pColors->m_crBtnShadow);
        // The caller draws the caption and arrow into rect afterwards: they appear pushed in.
        rect.left += 1;
        rect.top += 1;
    }
    else
    {
        pDC->Draw3dRect(&rect, pColors->m_crBtnHighlight, pColors->m_crBtnShadow);
    }
    return TRUE;
}

BOOL CQELThemeDefault::DrawHeaderCtrlSortArrow(CDC* pDC, CRect& rect, BOOL bAscending, CWnd* /*pWnd*/,
                                               CQELWindowColor* pColor)
{
    if (pDC == NULL)
        return FALSE;
    const CQELWindowColor* pColors = ColorsOf(pColor);

    // An etched outline: the sides facing the light in the highlight colour, the others in the dark one.
    CPen penLight(PS_DASH, 0, pColors->m_crBtnHighlight);
    CPen penDark(PS_DASH, 0, pColors->m_cr3DDkShadow);
    CPen* pOldPen = pDC->SelectObject(&penLight);

    const int nMid = (rect.left + rect.right) / 2;
    if (bAscending)
    {
        pDC->MoveTo(rect.left, rect.bottom);
        pDC->LineTo(rect.right, rect.bottom);
        pDC->LineTo(nMid, rect.top);
        pDC->SelectObject(&penDark);
        pDC->LineTo(rect.left, rect.bottom);
    }
    else
    {
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(nMid, rect.bottom);
        pDC->SelectObject(&penDark);
        pDC->LineTo(rect.left, rect.top);
        pDC->LineTo(rect.right, rect.top);
    }

    pDC->SelectObject(pOldPen);
    penLight.DeleteObject();
    penDark.DeleteObject();
    return TRUE;
}

BOOL CQELThemeDefault::DrawComboBorder(CDC* pDC, CRect& rect, BOOL /*bDisabled*/, BOOL /*bPressed*/,
                                       BOOL /*bHot*/, CWnd* /*pWnd*/, CQELWindowColor* pColor)
{
    if (pDC == NULL)
        return FALSE;
    const CQELWindowColor* pColors = ColorsOf(pColor);

    // A sunken edge two pixels deep.
    CRect rc(rect);
    pDC->Draw3dRect(&rc, pColors->m_crToolbarShadow, pColors->m_crBtnHighlight);
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, pColors->m_crButtonDkShadow, pColors->m_crBtnFace);
    return TRUE;
}

BOOL CQELThemeDefault::DrawComboDropButton(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL bPressed, BOOL bHot,
                                           CWnd* /*pWnd*/, CQELWindowColor* /*pColor*/)
{
    if (pDC == NULL)
        return FALSE;

    UINT nState = 0;
    if (bDisabled)
        nState = DFCS_INACTIVE;
    else if (bPressed)
        nState = DFCS_FLAT;
    else if (bHot)
        nState = DFCS_HOT;

    CRect rc(rect);
    ::DrawFrameControl(pDC->m_hDC, &rc, DFC_SCROLL, DFCS_SCROLLDOWN | nState);
    return TRUE;
}

BOOL CQELThemeDefault::DrawComboBorderEx(CDC* pDC, CRect& rect, BOOL bDisabled, BOOL /*bPressed*/, BOOL bHot,
                                         CWnd* /*pWnd*/, CQELWindowColor* pColor)
{
    if (pDC == NULL)
        return FALSE;
    const CQELWindowColor* pColors = ColorsOf(pColor);

    const COLORREF crFrame = (bHot && !bDisabled) ? pColors->m_crWindowFrame : pColors->m_cr3DDkShadow;
    CRect rc(rect);
    pDC->Draw3dRect(&rc, crFrame, crFrame);
    return TRUE;
}

BOOL CQELThemeDefault::DrawComboDropButtonEx(CDC* pDC, CRect& /*rect*/, BOOL /*bDisabled*/, BOOL /*bPressed*/,
                                             BOOL /*bHot*/, CWnd* /*pWnd*/, CQELWindowColor* /*pColor*/)
{
    // The flat look has no drop button of its own.
    return pDC != NULL;
}
