#include "PlainStripeList.h"
#include "BenchList.h"

BEGIN_MESSAGE_MAP(CPlainStripeList, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CPlainStripeList::OnCustomDraw)
END_MESSAGE_MAP()

CPlainStripeList::CPlainStripeList() : m_bStripes(false)
{
}

void CPlainStripeList::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = (NMLVCUSTOMDRAW*)pNMHDR;
    *pResult = CDRF_DODEFAULT;
    if (!m_bStripes)
        return;
    if (pDraw->nmcd.dwDrawStage == CDDS_PREPAINT)
        *pResult = CDRF_NOTIFYITEMDRAW;
    else if (pDraw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && (pDraw->nmcd.dwItemSpec & 1) != 0)
        pDraw->clrTextBk = kStripeColor;
}
