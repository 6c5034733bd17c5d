// The list under soak: a CQELListCtrl with the application's hooks.
#pragma once

#include "QELListCtrl.h"
#include "SoakModel.h"

namespace soak {

// Manages the soaked list: compares rows by the leading number of the model's text of the sorted column and
// colours cells by row and column, as an application's hooks do; notes when the click-to-edit timer fires.
class CSoakList : public CQELListCtrl
{
public:
    explicit CSoakList(const CSoakModel& model) : m_model(model) {}

    // Cleared by the driver, set when timer 831 has been dispatched to the list.
    bool m_bClickTimerFired = false;

    int      OnCompareItems(LPARAM lParam1, LPARAM lParam2, int nColumn) override;
    COLORREF OnGetCellBkColor(int nItem, int nSubItem) override;
    COLORREF OnGetCellTextColor(int nItem, int nSubItem) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const CSoakModel& m_model;
};

} // namespace soak
