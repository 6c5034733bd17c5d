// Figures and helpers of the bad-input and fault-injection tests.
#pragma once

#include "QELTest.h"
#include "QELTestLedger.h"
#include "QELListFixture.h"

#include <climits>
#include <string>

namespace qeltest {

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

// Checks that nothing acquired since `before` is still held, and counts what is in the figures.
void ExpectReleased(const CLedger& ledger, const LedgerSnapshot& before, const char* pszWhat);

// The library's file, and the name under which its import table lists a Win32 function that takes text
// ("CreateWindowExW" in a Unicode build, "CreateWindowExA" in an MBCS one); narrow, as the ledger and the
// import tables name them.
#ifdef _UNICODE
const char kLibraryFile[] = "QELCtrlU.dll";
#define QEL_TEXT_FUNCTION(name) name "W"
#else
const char kLibraryFile[] = "QELCtrl.dll";
#define QEL_TEXT_FUNCTION(name) name "A"
#endif

} // namespace qeltest
