// Fixture and figures of the bad-input and fault-injection tests.
#pragma once

#include "QELTest.h"
#include "QELTestLedger.h"
#include "QELTestMessages.h"
#include "QELCtrl.h"

#include <climits>
#include <string>

namespace qeltest {

// The list with its protected movement helpers reachable from tests.
class CRobustList : public CQELListCtrl
{
public:
    using CQELListCtrl::FirstEditColumn;
    using CQELListCtrl::LastEditColumn;
    using CQELListCtrl::NextEditColumn;
    using CQELListCtrl::PreviousEditColumn;
};

// Figures of the run, written when the program ends as a Markdown fragment beside the other programs'
// reliability figures.
namespace figures {
void Inputs(const char* pszGroup, int nCount);          // bad inputs tried in a group
void Faults(const char* pszSite, int nCount);           // failures injected at a site
void Leaks(int nCount);                                 // resources found held after an operation
void Defect(const char* pszDefect, const char* pszTest);  // a fixed defect and the test guarding it
} // namespace figures

// Index values that no operation may trust: negative, extreme, and just past the end of `count`.
inline std::vector<int> BadIndexes(int count)
{
    return {-1, -2, INT_MIN, INT_MIN + 1, INT_MAX, 0x10000, count, count + 1};
}

// A report list of rows x columns cells "r<row>c<col>" under a recording parent; column 1 is edited by
// the text editor, column 2 by the drop-down list editor, column 3 by the date editor.
class RobustList : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void CreateList(int nRows = 5, int nCols = 4);
    void SetStyle(int nColumn, CRuntimeClass* pClass, LPSTR pData = nullptr, int nDataLen = 0);
    // Opens the editor of a cell through EditSubItem; the editor window, or null.
    CWnd* StartEdit(int nItem, int nSubItem);
    // Ends the open edit by moving the focus to the list.
    void Commit();
    std::string CellText(int nItem, int nSubItem);

    // Checks that nothing acquired since `before` is still held and counts what is.
    void ExpectReleased(const CLedger& ledger, const LedgerSnapshot& before, const char* pszWhat);

    CRecorderWnd parent;
    CRobustList  list;
    static const UINT kId = 0x77;
};

} // namespace qeltest
