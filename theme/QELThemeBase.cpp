// The theme interface and its parent-background drawing.
#include "QELThemeBase.h"

IMPLEMENT_DYNAMIC(CQELThemeBase, CObject)

CQELThemeBase::CQELThemeBase()
{
}

CQELThemeBase::~CQELThemeBase()
{
}

BOOL CQELThemeBase::DrawParentBackground(CDC* pDC, RECT* lpRect, CWnd* pWnd, CQELWindowColor* /*pColor*/)
{
    if (pDC == NULL || pWnd == NULL)
        return FALSE;

    // A top-level window has no parent to ask; answer "not drawn" instead of sending to nowhere.
    CWnd* pParent = pWnd->GetParent();
    if (pParent == NULL)
        return FALSE;

    CRgn rgn;
    if (lpRect != NULL)
    {
        rgn.CreateRectRgnIndirect(lpRect);
        pDC->SelectClipRgn(&rgn);
    }

    // The parent erases in its own client coordinates: shift the origin so that its drawing under this
    // window lands at the window's (0, 0).
    CPoint ptOffset(0, 0);
    pWnd->MapWindowPoints(pParent, &ptOffset, 1);
    const CPoint ptOldOrg = pDC->OffsetWindowOrg(ptOffset.x, ptOffset.y);

    const BOOL bResult = (BOOL)pParent->SendMessage(WM_ERASEBKGND, (WPARAM)pDC->m_hDC, 0);

    pDC->SetWindowOrg(ptOldOrg);
    pDC->SelectClipRgn(NULL);
    rgn.DeleteObject();
    return bResult;
}
