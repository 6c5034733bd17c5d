#include "SoakSnapshot.h"

#include <vector>

namespace soak {

BOOL CALLBACK CSoakSnapshot::CountWindow(HWND hWnd, LPARAM lParam)
{
    long* pCount = reinterpret_cast<long*>(lParam);
    ++*pCount;
    ::EnumChildWindows(hWnd, &CSoakSnapshot::CountWindow, lParam);
    return TRUE;
}

void CSoakSnapshot::Take()
{
    m_nWindows = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CSoakSnapshot::CountWindow, reinterpret_cast<LPARAM>(&m_nWindows));

    m_nHeapBlocks = 0;
    m_nHeapBytes = 0;
    std::vector<HANDLE> heaps(::GetProcessHeaps(0, NULL) + 16);
    const DWORD nHeaps = ::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    // The list of heaps is taken before walking, so that its own allocation is not counted inside a walk.
    for (DWORD i = 0; i < nHeaps && i < heaps.size(); ++i)
    {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry))
        {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0)
            {
                ++m_nHeapBlocks;
                m_nHeapBytes += entry.cbData;
            }
        }
        ::HeapUnlock(heaps[i]);
    }
}

} // namespace soak
