// The whole soak: alternating runs in a dialog and a frame, the checks, the leak comparison and the figures.
#pragma once

#include "SoakDriver.h"
#include "SoakSnapshot.h"
#include "SoakWatchdog.h"
#include "QELTestLedger.h"

#include <functional>
#include <memory>
#include <random>
#include <string>

namespace soak {

// Growth of the process heap allowed between two checkpoints.
struct HeapAllowance
{
    size_t nBytes;
    long   nBlocks;
};

// What the process and the library modules hold at one moment between two hosts.
struct SoakCheckpoint
{
    long                    nSteps = 0;   // steps run before it was taken
    long                    nWordMovedEditors = 0;   // text editors moved by words before it was taken
    CSoakSnapshot           process;
    qeltest::LedgerSnapshot ledger;
};

// Manages a soak of nSteps seeded actions: runs of kRunLength steps alternate between a modeless dialog and
// a frame window, each with a fresh list, every other frame's an owner-data list; the first broken rule stops
// the soak with its seed, step and action.
class CSoakRun
{
public:
    static constexpr long kRunLength = 1000;

    // onHang runs before the watchdog ends a hung process.
    CSoakRun(unsigned long seed, long nSteps, std::function<void()> onHang);

    // Runs a short warm-up and takes the baseline, then the soak; the first broken rule, or empty.
    std::string Run();
    // Compares the checkpoints: the ledger and the windows with the baseline, the heap's growth with fixed
    // allowances; the leaks found, or empty.
    std::string CompareLeaks();
    // Writes the figures as a Markdown fragment.
    void WriteFigures(const std::string& path, double seconds, const std::string& failure, const std::string& leaks) const;

    long StepsRun() const { return m_nStepsRun; }

private:
    // One run of nSteps in a new host; bCount false for the warm-up, whose steps are not counted.
    std::string RunHost(bool bDialog, bool bOwnerData, long nSteps, std::mt19937& random, bool bCount);
    CWnd*       CreateHost(bool bDialog, bool bOwnerData, CSoakParent& owner, CSoakList& list,
                           std::unique_ptr<CWnd>& host);
    std::string RunStep(CSoakDriver& driver, int nAction, long nStep, const char* pszHost, bool bCount);
    void        WarmUp();
    void        SettleTheme();
    void        TakeCheckpoint(SoakCheckpoint& checkpoint);
    // The allowance grows by Wine's word-break block of each text editor moved by words since `from`.
    std::string CompareHeap(const SoakCheckpoint& from, const HeapAllowance& fixed) const;

    qeltest::CLedger    m_ledger;                     // counts what the library modules hold; first, so it sees all
    const unsigned long m_seed;
    const long          m_nSteps;
    CSoakModel          m_model;
    std::mt19937        m_random;
    CSoakParent         m_parent;
    CSoakWatchdog       m_watchdog;
    const bool          m_bTrace;                     // QEL_SOAK_TRACE set: every step is printed
    long                m_nStepsRun = 0;
    long                m_nHostSteps[2] = { 0, 0 };   // dialog, frame
    long                m_nRuns[2] = { 0, 0 };
    long                m_nOwnerDataRuns = 0;         // frame runs with an owner-data list
    long                m_actions[actCount] = {};
    SoakCheckpoint      m_baseline;                   // after the warm-up
    SoakCheckpoint      m_quarter;                    // after the host that reached a quarter of the steps
    SoakCheckpoint      m_end;
};

} // namespace soak
