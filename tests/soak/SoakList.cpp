#include "SoakList.h"

#include <stdlib.h>

namespace soak {

int CSoakList::OnCompareItems(LPARAM lParam1, LPARAM lParam2, int nColumn)
{
    const long n1 = atol(m_model.Text(static_cast<DWORD_PTR>(lParam1), nColumn).c_str());
    const long n2 = atol(m_model.Text(static_cast<DWORD_PTR>(lParam2), nColumn).c_str());
    if (n1 != n2)
        return n1 < n2 ? -1 : 1;
    // Equal numbers keep a fixed order, so that a sort is repeatable.
    return lParam1 < lParam2 ? -1 : (lParam1 > lParam2 ? 1 : 0);
}

COLORREF CSoakList::OnGetCellBkColor(int nItem, int nSubItem)
{
    if (nItem % 3 == 0)
        return RGB(240, 248, 255);
    if (nSubItem == 2)
        return RGB(255, 250, 230);
    return CTestList::OnGetCellBkColor(nItem, nSubItem);
}

COLORREF CSoakList::OnGetCellTextColor(int nItem, int nSubItem)
{
    return (nItem + nSubItem) % 4 == 0 ? RGB(160, 0, 0) : CTestList::OnGetCellTextColor(nItem, nSubItem);
}

} // namespace soak
