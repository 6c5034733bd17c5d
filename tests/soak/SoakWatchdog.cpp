#include "SoakWatchdog.h"

#include <stdio.h>

#include <chrono>

namespace soak {

CSoakWatchdog::CSoakWatchdog(unsigned long seed, DWORD dwLimitMs, std::function<void()> onHang)
    : m_seed(seed), m_dwLimitMs(dwLimitMs), m_onHang(std::move(onHang)), m_thread([this] { Watch(); })
{
}

CSoakWatchdog::~CSoakWatchdog()
{
    m_bStop = true;
    m_thread.join();
}

void CSoakWatchdog::Begin(long nStep, const char* pszHost, const char* pszAction)
{
    m_nStep = nStep;
    m_pszHost = pszHost;
    m_pszAction = pszAction;
    m_dwStart = Now() | 1;   // never 0, which means idle
}

DWORD CSoakWatchdog::Now()
{
    // A monotonic clock of its own: Wine's tick count can jump between threads.
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch()).count());
}

void CSoakWatchdog::Watch()
{
    while (!m_bStop)
    {
        ::Sleep(100);
        const DWORD dwStart = m_dwStart;
        // Signed: the start may lie a millisecond ahead of the clock (its low bit is forced on).
        if (dwStart != 0 && static_cast<long>(Now() - dwStart) > static_cast<long>(m_dwLimitMs))
        {
            fprintf(stderr, "\nSOAK HANG: step %ld (%s, %s) still running after %lu ms; seed %lu\n"
                            "replay: QEL_SOAK_SEED=%lu QEL_SOAK_STEPS=%ld\n",
                    m_nStep.load(), m_pszHost.load(), m_pszAction.load(), static_cast<unsigned long>(m_dwLimitMs),
                    m_seed, m_seed, m_nStep.load() + 1);
            fflush(stderr);
            if (m_onHang)
                m_onHang();
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
    }
}

} // namespace soak
