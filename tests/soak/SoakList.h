// The list under soak: the shared test list with the application's hooks.
#pragma once

#include "QELListFixture.h"
#include "SoakModel.h"

namespace soak {

// Manages the soaked list: compares rows by the leading number of the model's text of the sorted column and
// colours cells by row and column, as an application's hooks do. The messages that reached it are counted by
// message (received).
class CSoakList : public qeltest::CTestList
{
public:
    explicit CSoakList(const CSoakModel& model) : m_model(model) {}

    int      OnCompareItems(LPARAM lParam1, LPARAM lParam2, int nColumn) override;
    COLORREF OnGetCellBkColor(int nItem, int nSubItem) override;
    COLORREF OnGetCellTextColor(int nItem, int nSubItem) override;

private:
    const CSoakModel& m_model;
};

} // namespace soak
