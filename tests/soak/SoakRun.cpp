#include "SoakRun.h"
#include "SoakDialog.h"
#include "SoakFrame.h"
#include "QELTest.h"
#include "QELThemeManager.h"

#include <stdio.h>
#include <stdlib.h>

#include <initializer_list>
#include <memory>
#include <utility>

namespace soak {

namespace {

const char* HostName(bool bDialog)
{
    return bDialog ? "dialog" : "frame";
}

// Rows a new list starts with.
const int kStartRows = 12;
// Growth of the process heap allowed between two checkpoints, the same whatever the run's length. From the
// baseline to the end, for one-time allocations on paths the warm-up missed (Wine's caches of fonts, atoms,
// handle tables); from a quarter of the steps to the end, where a steady leak of one small block per edit
// already fails a run of 20,000 steps. Nothing is allowed per step or per window but Wine's word-break block of
// each text editor moved by words; other windows made and destroyed leave no heap in use.
const HeapAllowance kSettling = { 256 * 1024, 2048 };
const HeapAllowance kSteady = { 16 * 1024, 100 };

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

CWnd* CSoakRun::CreateHost(bool bDialog, bool bOwnerData, CSoakParent& owner, CSoakList& list,
                           std::unique_ptr<CWnd>& host)
{
    if (bDialog)
    {
        auto* pDialog = new CSoakDialog(owner, list);
        host.reset(pDialog);
        return pDialog->CreateHost() ? pDialog : nullptr;
    }
    auto* pFrame = new CSoakFrame(owner, list);
    host.reset(pFrame);
    return pFrame->CreateHost(bOwnerData) ? pFrame : nullptr;
}

std::string CSoakRun::RunStep(CSoakDriver& driver, int nAction, long nStep, const char* pszHost, bool bCount)
{
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

std::string CSoakRun::RunHost(bool bDialog, bool bOwnerData, long nSteps, std::mt19937& random, bool bCount)
{
    const char* pszHost = bCount ? HostName(bDialog) : "warm-up";
    m_watchdog.Begin(m_nStepsRun, pszHost, "creating the host");
    CSoakParent warmParent(m_model, random);
    CSoakParent& owner = bCount ? m_parent : warmParent;
    CSoakList list(m_model);
    std::unique_ptr<CWnd> host;
    CWnd* pHost = CreateHost(bDialog, bOwnerData, owner, list, host);
    if (pHost == nullptr)
        return std::string("the ") + HostName(bDialog) + " could not be created";
    owner.Populate(list, kStartRows);
    list.SetFocus();
    qeltest::PumpUntilIdle();

    CSoakDriver driver(list, owner, *pHost, random);
    std::string failure;
    for (long i = 0; i < nSteps && failure.empty(); ++i)
    {
        // The warm-up begins with every kind of action once, so that none makes its one-time allocations
        // after the baseline.
        const int nAction = !bCount && i < actCount ? static_cast<int>(i) : driver.Next();
        failure = RunStep(driver, nAction, bCount ? m_nStepsRun : i, pszHost, bCount);
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
    {
        ++m_nRuns[bDialog ? 0 : 1];
        m_nOwnerDataRuns += bOwnerData ? 1 : 0;
    }
    return failure;
}

void CSoakRun::SettleTheme()
{
    _gThemeManager.ExInitThemeManager();
    _gThemeManager.UpdateWindowColor(&_gWindowColor);
}

void CSoakRun::TakeCheckpoint(SoakCheckpoint& checkpoint)
{
    // The ledger first: its snapshot drops the records of handles that went away, which the heap walk sees.
    checkpoint.nSteps = m_nStepsRun;
    checkpoint.nWordMovedEditors = m_parent.Tally().nWordMovedEditors;
    checkpoint.ledger = m_ledger.Snapshot();
    checkpoint.process.Take();
}

void CSoakRun::WarmUp()
{
    // One-time allocations (classes registered, fonts and themes loaded, handle maps grown) happen here,
    // with a generator of its own, so that the baseline is taken after them.
    std::mt19937 random(m_seed ^ 0x5EEDu);
    _gThemeManager.InitThemeManager();
    _gThemeManager.UpdateWindowColor(&_gWindowColor);
    RunHost(true, false, 150, random, false);
    RunHost(false, false, 150, random, false);
    RunHost(false, true, 150, random, false);
    SettleTheme();
    qeltest::PumpUntilIdle();
}

std::string CSoakRun::Run()
{
    WarmUp();
    TakeCheckpoint(m_baseline);
    bool bQuarterTaken = false;
    std::string failure;
    for (long nRun = 0; m_nStepsRun < m_nSteps && failure.empty(); ++nRun)
    {
        const long nLength = std::min(kRunLength, m_nSteps - m_nStepsRun);
        failure = RunHost(nRun % 2 == 0, nRun % 4 == 3, nLength, m_random, true);
        // Taken as it stands, without settling anything, so that a replay of fewer steps acts the same.
        if (!bQuarterTaken && m_nStepsRun >= m_nSteps / 4)
        {
            TakeCheckpoint(m_quarter);
            bQuarterTaken = true;
        }
    }
    SettleTheme();
    qeltest::ReleaseAllKeys();
    qeltest::PumpUntilIdle();
    TakeCheckpoint(m_end);
    if (!bQuarterTaken)
        m_quarter = m_end;
    return failure;
}

std::string CSoakRun::CompareHeap(const SoakCheckpoint& from, const HeapAllowance& fixed) const
{
    const long nEditors = m_end.nWordMovedEditors - from.nWordMovedEditors;
    const size_t nMaxBytes = fixed.nBytes + nEditors * kWordBreakBytesPerChar * CSoakParent::kTextLimit;
    const long nMaxBlocks = fixed.nBlocks + nEditors * kWordBreakBlocksPerEdit;
    const long long nBytes =
        static_cast<long long>(m_end.process.HeapBytes()) - static_cast<long long>(from.process.HeapBytes());
    const long nBlocks = m_end.process.HeapBlocks() - from.process.HeapBlocks();
    if (nBytes <= static_cast<long long>(nMaxBytes) && nBlocks <= nMaxBlocks)
        return std::string();
    char text[200];
    sprintf(text, "heap in use grew by %lld bytes in %ld blocks from step %ld to the end (allowed: %lu bytes, %ld "
                  "blocks); ", nBytes, nBlocks, from.nSteps, static_cast<unsigned long>(nMaxBytes), nMaxBlocks);
    return text;
}

std::string CSoakRun::CompareLeaks()
{
    std::string leaks = qeltest::Difference(m_baseline.ledger, m_end.ledger);
    if (!leaks.empty())
        leaks = "held by the library modules: " + leaks + " (" + m_ledger.Leaks(m_baseline.ledger).substr(0, 600) + "); ";
    for (const SoakCheckpoint* pCheckpoint : { &m_quarter, &m_end })
    {
        if (pCheckpoint->process.Windows() == m_baseline.process.Windows())
            continue;
        char text[160];
        sprintf(text, "windows of the thread: %ld after the warm-up, %ld after step %ld; ", m_baseline.process.Windows(),
                pCheckpoint->process.Windows(), pCheckpoint->nSteps);
        leaks += text;
    }
    leaks += CompareHeap(m_baseline, kSettling);
    leaks += CompareHeap(m_quarter, kSteady);
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
                   "(%ld runs, %ld of them with an owner-data list); each run starts a fresh list of %d rows.\n\n",
            m_seed, m_nStepsRun, seconds, m_nHostSteps[0], m_nRuns[0], m_nHostSteps[1], m_nRuns[1],
            m_nOwnerDataRuns, kStartRows);
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
    fprintf(pFile, "| header change reports that reached the list | %ld |\n", t.nHeaderChanged);
    fprintf(pFile, "| rows inserted / deleted by the application | %ld / %ld |\n", t.nRowsInserted, t.nRowsDeleted);
    fprintf(pFile, "| columns inserted / deleted by the application | %ld / %ld |\n", t.nColumnsInserted, t.nColumnsDeleted);
    fprintf(pFile, "| texts set by the application | %ld |\n", t.nOwnTexts);
    fprintf(pFile, "| rows inserted above / at / below an open edit | %ld / %ld / %ld |\n", t.nRowsInsertedAt[0],
            t.nRowsInsertedAt[1], t.nRowsInsertedAt[2]);
    fprintf(pFile, "| rows deleted above / at / below an open edit | %ld / %ld / %ld |\n", t.nRowsDeletedAt[0],
            t.nRowsDeletedAt[1], t.nRowsDeletedAt[2]);
    fprintf(pFile, "| edited column's style replaced / removed inside edit messages | %ld / %ld |\n",
            t.nStylesChanged, t.nStylesRemoved);
    fprintf(pFile, "| second lists destroyed inside an edit message; their editors opened / ended | %ld; %ld / %ld |\n",
            t.nListsDestroyed, t.nSecondOpened, t.nSecondEnded);
    fprintf(pFile, "| copies while another window held the clipboard / once it let go | %ld / %ld |\n",
            t.nCopiesRefused, t.nCopiesAfter);
    fprintf(pFile, "| columns dragged to width 0 / open again | %ld / %ld |\n", t.nColumnsShut, t.nColumnsReopened);
    fprintf(pFile, "| owner-data rows sorted by the parent | %ld |\n", t.nParentSorts);
    fprintf(pFile, "| text editors moved by words | %ld |\n", t.nWordMovedEditors);
    fprintf(pFile, "\nResources at checkpoints between two hosts. Allowed growth of the process heap, the same for "
                   "any number of steps: %lu bytes and %ld blocks from the baseline to the end, %lu bytes and %ld "
                   "blocks from the quarter to the end; none for the windows of the thread. Per window, only Wine's "
                   "edit control keeps heap in use: when destroyed after a move by words (Ctrl with an arrow key) "
                   "since its text last changed, its word-break array, one block of one byte per character; one "
                   "block and %d bytes are allowed for each text editor moved by words. Other editor windows made "
                   "and destroyed over a list, plain, through the layer or as the library's editors, leave no heap "
                   "in use (QELSoakTests WindowTraffic.EditorWindowsLeaveOnlyWinesWordBreakBlocks).\n\n",
            static_cast<unsigned long>(kSettling.nBytes), kSettling.nBlocks, static_cast<unsigned long>(kSteady.nBytes),
            kSteady.nBlocks, CSoakParent::kTextLimit * static_cast<int>(kWordBreakBytesPerChar));
    fprintf(pFile, "| Checkpoint | Steps | Windows of the thread | Heap bytes in use | Heap blocks in use |\n"
                   "|---|---:|---:|---:|---:|\n");
    const std::pair<const char*, const SoakCheckpoint*> checkpoints[] = {
        { "baseline, after a warm-up", &m_baseline }, { "a quarter of the steps", &m_quarter }, { "end", &m_end } };
    for (const auto& c : checkpoints)
        fprintf(pFile, "| %s | %ld | %ld | %lu | %ld |\n", c.first, c.second->nSteps, c.second->process.Windows(),
                static_cast<unsigned long>(c.second->process.HeapBytes()), c.second->process.HeapBlocks());
    fprintf(pFile, "\n");
    const qeltest::LedgerSnapshot& a = m_baseline.ledger;
    const qeltest::LedgerSnapshot& b = m_end.ledger;
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
