// Watchdog of the soak: ends the process when one step runs too long.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

namespace soak {

// Manages a thread that watches the step in progress; when a step has run longer than the limit it prints
// the seed, the step and the action and ends the process with exit code 3, since a hung message loop cannot
// report by itself.
class CSoakWatchdog
{
public:
    // onHang runs on the watchdog's thread just before the process ends (to put back system settings).
    CSoakWatchdog(unsigned long seed, DWORD dwLimitMs, std::function<void()> onHang);
    ~CSoakWatchdog();
    CSoakWatchdog(const CSoakWatchdog&) = delete;
    CSoakWatchdog& operator=(const CSoakWatchdog&) = delete;

    // A step begins; pszAction must be a string that lives as long as the process.
    void Begin(long nStep, const char* pszHost, const char* pszAction);
    // No step is in progress (set-up and checks between runs).
    void Idle() { m_dwStart = 0; }

private:
    void Watch();
    static DWORD Now();

    const unsigned long      m_seed;
    const DWORD              m_dwLimitMs;
    std::function<void()>    m_onHang;
    std::atomic<long>        m_nStep{0};
    std::atomic<const char*> m_pszHost{""};
    std::atomic<const char*> m_pszAction{""};
    std::atomic<DWORD>       m_dwStart{0};      // clock (Now) at the start of the step; 0 when idle
    std::atomic<bool>        m_bStop{false};
    std::thread              m_thread;
};

} // namespace soak
