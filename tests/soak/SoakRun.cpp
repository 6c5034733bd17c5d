#include "SoakRun.h"
#include "SoakDialog.h"
#include "SoakFrame.h"
#include "QELTest.h"
#include "QELThemeManager.h"

#include <stdio.h>
#include <stdlib.h>

#include <memory>

namespace soak {

namespace {

const char* HostName(bool bDialog)
{
    return bDialog ? "dialog" : "frame";
}

// Rows a new list starts with.
const int kStartRows = 12;
// Heap bytes that Wine's own caches may hold beyond the baseline (fonts, atoms, handle tables): a fixed part
// and a part per step, as 20,000 steps leave some 50 KB more in use while the library modules, counted exactly
// by the ledger, hold nothing more.
const size_t kHeapTolerance = 256 * 1024;
const size_t kHeapTolerancePerStep = 8;

struct FoundDefect
{
    const char* pszDefect;
    const char* pszTest;
};

const FoundDefect kFoundDefects[] = {
    { "A sort while an editor was open moved the rows under it; its text was stored in the row that had "
      "taken the edited row's place", "QELListTests ListSorting.AnOpenEditCommitsToItsOwnRowBeforeTheRowsMove" },
};

} // namespace

CSoakRun::CSoakRun(unsigned long seed, long nSteps, std::function<void()> onHang)
    : m_seed(seed), m_nSteps(nSteps), m_random(seed), m_parent(m_model, m_random),
      m_watchdog(seed, 10000, std::move(onHang)),
      m_bTrace(getenv("QEL_SOAK_TRACE") != nullptr)
{
}

CWnd* CSoakRun::CreateHost(bool bDialog, CSoakParent& owner, CSoakList& list, std::unique_ptr<CWnd>& host)
{
    if (bDialog)
    {
        auto* pDialog = new CSoakDialog(owner, list);
        host.reset(pDialog);
        return pDialog->CreateHost() ? pDialog : nullptr;
    }
    auto* pFrame = new CSoakFrame(owner, list);
    host.reset(pFrame);
    return pFrame->CreateHost() ? pFrame : nullptr;
}

std::string CSoakRun::RunStep(CSoakDriver& driver, long nStep, const char* pszHost, bool bCount)
{
    const int nAction = driver.Next();
    m_watchdog.Begin(nStep, pszHost, ActionName(nAction));
    const DWORD dwStart = ::GetTickCount();
    driver.Perform(nAction);
    const DWORD dwChecks = ::GetTickCount();
    std::string failure = driver.Check();
    if (m_bTrace)
        fprintf(stderr, "step %ld (%s): %s, %lu ms, checks %lu ms\n", nStep, pszHost, ActionName(nAction),
                static_cast<unsigned long>(dwChecks - dwStart), static_cast<unsigned long>(::GetTickCount() - dwChecks));
    if (!failure.empty())
    {
        char text[256];
        sprintf(text, "step %ld (%s, %s), seed %lu: ", nStep, pszHost, ActionName(nAction), m_seed);
        failure = text + failure;
        sprintf(text, "\nreplay: QEL_SOAK_SEED=%lu QEL_SOAK_STEPS=%ld", m_seed, nStep + 1);
        failure += text;
    }
    if (bCount)
        ++m_actions[nAction];
    return failure;
}

std::string CSoakRun::RunHost(bool bDialog, long nSteps, std::mt19937& random, bool bCount)
{
    const char* pszHost = bCount ? HostName(bDialog) : "warm-up";
    m_watchdog.Begin(m_nStepsRun, pszHost, "creating the host");
    CSoakParent warmParent(m_model, random);
    CSoakParent& owner = bCount ? m_parent : warmParent;
    CSoakList list(m_model);
    std::unique_ptr<CWnd> host;
    CWnd* pHost = CreateHost(bDialog, owner, list, host);
    if (pHost == nullptr)
        return std::string("the ") + HostName(bDialog) + " could not be created";
    owner.Populate(list, kStartRows);
    list.SetFocus();
    qeltest::PumpUntilIdle();

    CSoakDriver driver(list, owner, *pHost, random);
    std::string failure;
    for (long i = 0; i < nSteps && failure.empty(); ++i)
    {
        failure = RunStep(driver, bCount ? m_nStepsRun : i, pszHost, bCount);
        if (bCount)
        {
            ++m_nStepsRun;
            ++m_nHostSteps[bDialog ? 0 : 1];
        }
    }

    m_watchdog.Begin(m_nStepsRun, pszHost, "closing the host");
    pHost->DestroyWindow();
    owner.Detach();
    m_model.Clear();
    qeltest::PumpUntilIdle();
    m_watchdog.Idle();
    if (failure.empty() && owner.OpenEditors() != 0)
        failure = std::string("an editor open when the ") + HostName(bDialog) + " closed never reported its end";
    if (bCount)
        ++m_nRuns[bDialog ? 0 : 1];
    return failure;
}

size_t CSoakRun::HeapTolerance() const
{
    return kHeapTolerance + kHeapTolerancePerStep * static_cast<size_t>(m_nStepsRun);
}

void CSoakRun::SettleTheme()
{
    _gThemeManager.ExInitThemeManager();
    _gThemeManager.UpdateWindowColor(&_gWindowColor);
}

void CSoakRun::WarmUp()
{
    // One-time allocations (classes registered, fonts and themes loaded, handle maps grown) happen here,
    // with a generator of its own, so that the baseline is taken after them.
    std::mt19937 random(m_seed ^ 0x5EEDu);
    _gThemeManager.InitThemeManager();
    _gThemeManager.UpdateWindowColor(&_gWindowColor);
    RunHost(true, 150, random, false);
    RunHost(false, 150, random, false);
    SettleTheme();
    qeltest::PumpUntilIdle();
}

std::string CSoakRun::Run()
{
    WarmUp();
    m_before.Take();
    m_ledgerBefore = m_ledger.Snapshot();
    std::string failure;
    for (long nRun = 0; m_nStepsRun < m_nSteps && failure.empty(); ++nRun)
    {
        const long nLength = std::min(kRunLength, m_nSteps - m_nStepsRun);
        failure = RunHost(nRun % 2 == 0, nLength, m_random, true);
    }
    SettleTheme();
    qeltest::ReleaseAllKeys();
    qeltest::PumpUntilIdle();
    m_after.Take();
    m_ledgerAfter = m_ledger.Snapshot();
    return failure;
}

std::string CSoakRun::CompareLeaks()
{
    std::string leaks = qeltest::Difference(m_ledgerBefore, m_ledgerAfter);
    if (!leaks.empty())
        leaks = "held by the library modules: " + leaks + " (" + m_ledger.Leaks(m_ledgerBefore).substr(0, 600) + "); ";
    char text[256];
    if (m_after.Windows() != m_before.Windows())
    {
        sprintf(text, "windows of the thread: %ld before, %ld after; ", m_before.Windows(), m_after.Windows());
        leaks += text;
    }
    if (m_after.HeapBytes() > m_before.HeapBytes() + HeapTolerance())
    {
        sprintf(text, "heap in use grew by %lu bytes; ",
                static_cast<unsigned long>(m_after.HeapBytes() - m_before.HeapBytes()));
        leaks += text;
    }
    return leaks;
}

void CSoakRun::WriteFigures(const std::string& path, double seconds, const std::string& failure,
                            const std::string& leaks) const
{
    FILE* pFile = fopen(path.c_str(), "w");
    if (pFile == nullptr)
        return;
    const SoakTally& t = m_parent.Tally();
    fprintf(pFile, "## Soak of user actions (QELSoakTests)\n\n");
    fprintf(pFile, "Seed %lu; %ld steps in %.1f s: %ld in a modeless dialog (%ld runs), %ld in a frame window "
                   "(%ld runs); each run starts a fresh list of %d rows.\n\n",
            m_seed, m_nStepsRun, seconds, m_nHostSteps[0], m_nRuns[0], m_nHostSteps[1], m_nRuns[1], kStartRows);
    fprintf(pFile, "| Action | Steps |\n|---|---:|\n");
    for (int i = 0; i < actCount; ++i)
        fprintf(pFile, "| %s | %ld |\n", ActionName(i), m_actions[i]);
    fprintf(pFile, "\n| Edits and changes | Count |\n|---|---:|\n");
    fprintf(pFile, "| edit starts asked / refused by the parent | %ld / %ld |\n", t.nBeginAsked, t.nBeginVetoed);
    fprintf(pFile, "| editors opened / ended | %ld / %ld |\n", t.nOpened, t.nEnded);
    fprintf(pFile, "| new texts committed / refused by the parent | %ld / %ld |\n", t.nCommitted, t.nTextVetoed);
    fprintf(pFile, "| edits cancelled or unchanged | %ld |\n", t.nUnchanged);
    fprintf(pFile, "| new rows asked past the last / given | %ld / %ld |\n", t.nMaxAsked, t.nMaxRows);
    fprintf(pFile, "| column visibility changes asked / refused | %ld / %ld |\n", t.nVisibilityAsked, t.nVisibilityVetoed);
    fprintf(pFile, "| header change reports | %ld |\n", t.nHeaderChanged);
    fprintf(pFile, "| rows inserted / deleted by the application | %ld / %ld |\n", t.nRowsInserted, t.nRowsDeleted);
    fprintf(pFile, "| columns inserted / deleted by the application | %ld / %ld |\n", t.nColumnsInserted, t.nColumnsDeleted);
    fprintf(pFile, "| texts set by the application | %ld |\n", t.nOwnTexts);
    fprintf(pFile, "\nResources after the soak against the baseline taken after a warm-up: windows of the thread "
                   "%ld / %ld; process heap in use %lu / %lu bytes in %ld / %ld blocks (tolerance %lu bytes for "
                   "Wine's caches).\n\n",
            m_before.Windows(), m_after.Windows(), static_cast<unsigned long>(m_before.HeapBytes()),
            static_cast<unsigned long>(m_after.HeapBytes()), m_before.HeapBlocks(), m_after.HeapBlocks(),
            static_cast<unsigned long>(HeapTolerance()));
    const qeltest::LedgerSnapshot& a = m_ledgerBefore;
    const qeltest::LedgerSnapshot& b = m_ledgerAfter;
    fprintf(pFile, "Held by the library modules (import ledger), before / after:\n\n| Resource | Before | After |\n|---|---:|---:|\n");
    fprintf(pFile, "| heap blocks | %lld | %lld |\n| heap bytes | %lld | %lld |\n", a.heapBlocks, b.heapBlocks, a.heapBytes, b.heapBytes);
    fprintf(pFile, "| GDI objects | %d | %d |\n| device contexts | %d | %d |\n", a.gdiObjects, b.gdiObjects, a.dcs, b.dcs);
    fprintf(pFile, "| windows | %d | %d |\n| menus | %d | %d |\n| timers | %d | %d |\n", a.windows, b.windows, a.menus,
            b.menus, a.timers, b.timers);
    fprintf(pFile, "| global blocks | %d | %d |\n| loaded modules | %d | %d |\n\n", a.globalBlocks, b.globalBlocks,
            a.modules, b.modules);
    fprintf(pFile, "Leaks found: %s\n\n", leaks.empty() ? "none" : leaks.c_str());
    fprintf(pFile, "Rule broken: %s\n\n", failure.empty() ? "none" : failure.c_str());
    fprintf(pFile, "Defects the soak has found in the library, each fixed and guarded by a regression test:\n\n"
                   "| Defect | Regression test |\n|---|---|\n");
    for (const FoundDefect& d : kFoundDefects)
        fprintf(pFile, "| %s | %s |\n", d.pszDefect, d.pszTest);
    fclose(pFile);
}

} // namespace soak
