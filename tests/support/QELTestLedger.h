// Resource ledger of the library modules (QELCtrl, QELAfx, QELDC, QELStdWin, QELStd): import hooks that
// count what those modules hold (heap blocks, GDI objects and DCs, windows, menus, timers, global blocks,
// an open clipboard, loaded modules) and that make a chosen call fail, so that leak checks and fault
// injection share one hooking layer. The test program's own release calls are hooked too, as it may free
// what the library allocated. Nothing is hooked while no ledger exists.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace qeltest {

class CImportPatch;

// What the library modules held at one moment. `sequence` numbers every acquisition since the ledger was
// installed; a later Leaks(snapshot) lists what is held now and was acquired after it.
struct LedgerSnapshot
{
    long long          heapBlocks = 0;     // live blocks from malloc/calloc/realloc/_strdup/operator new
    long long          heapBytes = 0;
    int                gdiObjects = 0;     // pens, brushes, fonts, bitmaps, regions that still exist
    int                dcs = 0;            // created, got (GetDC/GetWindowDC) or painting DCs not released
    int                windows = 0;        // windows the modules created that still exist
    int                threadWindows = 0;  // every window of this thread, child windows included
    int                menus = 0;          // menus the modules created that still exist
    int                timers = 0;         // timers set and not killed, on windows that still exist
    int                globalBlocks = 0;   // GlobalAlloc blocks neither freed nor given to the clipboard
    int                globalLocks = 0;    // GlobalLock calls not matched by GlobalUnlock
    int                clipboardOpen = 0;  // OpenClipboard successes not matched by CloseClipboard
    int                modules = 0;        // LoadLibraryA/W successes not matched by FreeLibrary
    unsigned long long sequence = 0;
};

// "heap blocks +2 (+96 bytes), windows +1" for every count that differs; empty when all are equal.
// threadWindows is compared only when `withThreadWindows` is set (the platform may add windows of its own).
std::string Difference(const LedgerSnapshot& before, const LedgerSnapshot& after, bool withThreadWindows = true);

// Installs the hooks in every loaded library module for its lifetime; one ledger at a time. Calls are
// counted from every thread alike. Install it before other import patches of the same functions and
// remove it after them. A first use of a kind of window or object may grow the framework's tables for
// good: take the reference snapshot after one warm-up round.
class CLedger
{
public:
    CLedger();
    ~CLedger();
    CLedger(const CLedger&) = delete;
    CLedger& operator=(const CLedger&) = delete;

    LedgerSnapshot Snapshot() const;

    // One line per resource held now that was acquired after `since` (kind, function, size or handle).
    std::string Leaks(const LedgerSnapshot& since) const;

    // ---- Fault injection ----------------------------------------------------------------------------
    // The n-th allocation (malloc, calloc, realloc, _strdup, any operator new) counted from now fails:
    // null from the C functions and the nothrow forms, std::bad_alloc from the throwing forms. With a
    // module name ("QELCtrl.dll") only that module's own allocations are counted.
    void FailAllocation(int n, const char* pszModule = nullptr);
    // The n-th call of the named hooked function counted from now fails with its failure value (null or
    // FALSE; GetProcAddress, LoadLibraryA and the Create/Get/Open functions are among them). A name with
    // an argument, "GetProcAddress(OpenThemeData)", counts and fails only the calls for that name.
    void FailCall(const char* pszFunction, int n);
    // Cancels the pending failures.
    void Disarm();
    // Failures injected since the ledger was installed.
    int FaultsInjected() const;
    // The function that failed last ("calloc", "OpenClipboard", ...); empty before the first failure.
    std::string LastFault() const;

    // Calls made by the library modules since installation: of a hooked function by name, of
    // GetProcAddress or LoadLibraryA for one name ("GetProcAddress(OpenThemeData)"), or of all allocation
    // functions ("alloc"). Releases of heap blocks are not counted.
    int Calls(const char* pszFunction) const;

    // Names of the hooked functions that the library modules import.
    std::vector<std::string> HookedFunctions() const;

private:
    std::vector<std::unique_ptr<CImportPatch>> m_patches;
};

} // namespace qeltest
