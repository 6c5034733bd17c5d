#include "BenchList.h"

CBenchList::CBenchList() : m_bStripes(false)
{
}

int CompareNumbers(LPARAM lParam1, LPARAM lParam2)
{
    return lParam1 < lParam2 ? -1 : (lParam1 > lParam2 ? 1 : 0);
}

int CBenchList::OnCompareItems(LPARAM lParam1, LPARAM lParam2, int /*nColumn*/)
{
    return CompareNumbers(lParam1, lParam2);
}

COLORREF CBenchList::OnGetCellBkColor(int nItem, int nSubItem)
{
    if (m_bStripes && (nItem & 1) != 0)
        return kStripeColor;
    return CQELListCtrl::OnGetCellBkColor(nItem, nSubItem);
}
