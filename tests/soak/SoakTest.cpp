// The seeded soak of user actions against the list with its three editors, in a dialog and in a frame.
// QEL_SOAK_SEED (a number, or "random") and QEL_SOAK_STEPS replay or extend a run; QEL_SOAK_TRACE prints
// every step with its duration.
#include "SoakRun.h"
#include "QELTest.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <string>

using namespace soak;

namespace {

const unsigned long kDefaultSeed = 20261208;
const long kDefaultSteps = 20000;
// Short enough that the click-to-edit timer fires within a step.
const UINT kClickEditTime = 10;

unsigned long SeedFromEnvironment()
{
    const char* pszSeed = getenv("QEL_SOAK_SEED");
    if (pszSeed == nullptr || *pszSeed == '\0')
        return kDefaultSeed;
    if (strcmp(pszSeed, "random") == 0)
        return static_cast<unsigned long>(time(nullptr));
    return strtoul(pszSeed, nullptr, 10);
}

long StepsFromEnvironment()
{
    const char* pszSteps = getenv("QEL_SOAK_STEPS");
    const long nSteps = pszSteps != nullptr ? atol(pszSteps) : 0;
    return nSteps > 0 ? nSteps : kDefaultSteps;
}

// The figures go beside the test program's directory, in reliability/; a narrow path, for fopen.
std::string FiguresPath()
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    char* pSlash = strrchr(szPath, '\\');
    if (pSlash != nullptr)
        *pSlash = '\0';
    std::string dir = std::string(szPath) + "\\..\\reliability";
    ::CreateDirectoryA(dir.c_str(), NULL);
    return dir + "\\QELSoakTests.md";
}

// The system's double-click time for the length of the soak, put back afterwards; not saved in the profile.
class CClickEditTime
{
public:
    explicit CClickEditTime(UINT nMs) : m_nSaved(::GetDoubleClickTime())
    {
        ::SystemParametersInfo(SPI_SETDOUBLECLICKTIME, nMs, NULL, 0);
    }
    ~CClickEditTime() { Restore(); }
    void Restore() const { ::SystemParametersInfo(SPI_SETDOUBLECLICKTIME, m_nSaved, NULL, 0); }
    CClickEditTime(const CClickEditTime&) = delete;
    CClickEditTime& operator=(const CClickEditTime&) = delete;

private:
    UINT m_nSaved;
};

} // namespace

TEST(Soak, SeededUserActionsKeepEditsWindowsAndResources)
{
    const unsigned long seed = SeedFromEnvironment();
    const long nSteps = StepsFromEnvironment();
    printf("soak: seed %lu, %ld steps (QEL_SOAK_SEED / QEL_SOAK_STEPS replay or extend)\n", seed, nSteps);
    fflush(stdout);
    ::SetCursorPos(1270, 1010);   // keep the real pointer off the windows

    CClickEditTime clickTime(kClickEditTime);
    CSoakRun run(seed, nSteps, [&clickTime] { clickTime.Restore(); });
    const DWORD dwStart = ::GetTickCount();
    const std::string failure = run.Run();
    const double seconds = (::GetTickCount() - dwStart) / 1000.0;
    const std::string leaks = run.CompareLeaks();
    run.WriteFigures(FiguresPath(), seconds, failure, leaks);
    printf("soak: %ld steps in %.1f s\n", run.StepsRun(), seconds);

    EXPECT_TRUE(failure.empty()) << "SOAK FAILURE " << failure;
    EXPECT_TRUE(leaks.empty()) << "SOAK LEAKS (seed " << seed << "): " << leaks;
}
