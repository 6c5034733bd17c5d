#pragma once

#include <QELCtrl.h>

// Manages a CQELListCtrl that sorts numerically by item data and can stripe every other row through its
// colour hook.
class CBenchList : public CQELListCtrl
{
public:
    CBenchList();

    // Every odd row takes kStripeColor as its background when on.
    void EnableStripes(bool bEnable) { m_bStripes = bEnable; }

    int      OnCompareItems(LPARAM lParam1, LPARAM lParam2, int nColumn) override;
    COLORREF OnGetCellBkColor(int nItem, int nSubItem) override;

private:
    bool m_bStripes;
};

// Background of the striped rows, shared by both sides.
const COLORREF kStripeColor = RGB(232, 240, 255);

// The numeric comparison both sides sort with: negative, zero or positive as lParam1 sorts before, with or
// after lParam2.
int CompareNumbers(LPARAM lParam1, LPARAM lParam2);
