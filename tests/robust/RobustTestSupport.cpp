// Figures and the leak check of the bad-input and fault-injection tests.
#include "RobustTestSupport.h"

#include <fstream>
#include <map>
#include <utility>
#include <vector>

namespace qeltest {

// ---- Figures -------------------------------------------------------------------------------------------

namespace {

struct Figures
{
    std::map<std::string, int>                       inputs;
    std::map<std::string, int>                       faults;
    int                                              leaks = 0;
    std::vector<std::pair<std::string, std::string>> defects;
};

Figures& TheFigures()
{
    static Figures s_figures;
    return s_figures;
}

// A narrow path, for std::ofstream.
std::string FragmentPath()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string dir(szPath);
    dir = dir.substr(0, dir.find_last_of("\\/"));
    dir = dir.substr(0, dir.find_last_of("\\/")) + "\\reliability";
    ::CreateDirectoryA(dir.c_str(), NULL);
    return dir + "\\QELRobustTests.md";
}

int Sum(const std::map<std::string, int>& counts)
{
    int total = 0;
    for (const auto& entry : counts)
        total += entry.second;
    return total;
}

// Writes the figures when the whole program has run.
class CFiguresWriter : public ::testing::Environment
{
public:
    void SetUp() override { m_dwStart = ::GetTickCount(); }
    void TearDown() override
    {
        const Figures& f = TheFigures();
        const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
        const double seconds = (::GetTickCount() - m_dwStart) / 1000.0;
        std::ofstream out(FragmentPath().c_str(), std::ios::trunc);
        out << "## Bad input and fault injection (QELRobustTests)\n\n";
        out << unit.successful_test_count() << " of " << unit.test_to_run_count() << " tests passed in "
            << seconds << " s; " << Sum(f.inputs) << " bad inputs tried, " << Sum(f.faults)
            << " faults injected, " << f.leaks << " resources found held after an operation.\n\n";
        out << "| Bad-input group | Inputs tried |\n|---|---:|\n";
        for (const auto& entry : f.inputs)
            out << "| " << entry.first << " | " << entry.second << " |\n";
        out << "\n| Fault site | Faults injected |\n|---|---:|\n";
        for (const auto& entry : f.faults)
            out << "| " << entry.first << " | " << entry.second << " |\n";
        out << "\n| Defect found and fixed | Regression test |\n|---|---|\n";
        for (const auto& entry : f.defects)
            out << "| " << entry.first << " | `" << entry.second << "` |\n";
    }

private:
    DWORD m_dwStart = 0;
};

const bool s_registered = (::testing::AddGlobalTestEnvironment(new CFiguresWriter), true);

} // namespace

namespace figures {

void Inputs(const char* pszGroup, int nCount)
{
    TheFigures().inputs[pszGroup] += nCount;
}

void Faults(const char* pszSite, int nCount)
{
    TheFigures().faults[pszSite] += nCount;
}

void Leaks(int nCount)
{
    TheFigures().leaks += nCount;
}

void Defect(const char* pszDefect, const char* pszTest)
{
    for (const auto& entry : TheFigures().defects)
        if (entry.first == pszDefect)
            return;
    TheFigures().defects.emplace_back(pszDefect, pszTest);
}

} // namespace figures

// ---- Leak check -------------------------------------------------------------------------------------

void ExpectReleased(const CLedger& ledger, const LedgerSnapshot& before, const char* pszWhat)
{
    PumpUntilIdle();
    const LedgerSnapshot after = ledger.Snapshot();
    const std::string diff = Difference(before, after, false);
    if (!diff.empty())
        figures::Leaks(static_cast<int>(after.heapBlocks - before.heapBlocks) + (after.gdiObjects - before.gdiObjects)
                       + (after.windows - before.windows) + (after.menus - before.menus)
                       + (after.globalBlocks - before.globalBlocks));
    EXPECT_EQ("", diff) << pszWhat << "\n" << ledger.Leaks(before);
}

} // namespace qeltest
