// Helpers of every benchmark case: the clock, the message pump, the cell texts both sides show.
#include "BenchSupport.h"

#include <stdio.h>
#include <tchar.h>
#include <vector>

double Now()
{
    LARGE_INTEGER frequency, counter;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

HWND g_hCountedWindow = NULL;
int  g_nPaints = 0;

void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.hwnd == g_hCountedWindow && msg.message == WM_PAINT)
            ++g_nPaints;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void CellText(TCHAR* psz, int nRow, int nColumn)
{
    switch (nColumn % 4)
    {
    case 0:  _stprintf(psz, _T("Item %06d"), nRow); break;
    case 1:  _stprintf(psz, _T("%d"), (nRow * 7919 + nColumn) % 1000003); break;
    case 2:  _stprintf(psz, _T("Text %d.%d"), nRow % 977, nColumn); break;
    default: _stprintf(psz, _T("2026-%02d-%02d"), 1 + nRow % 12, 1 + nRow % 28); break;
    }
}

CPoint HeaderItemCentre(HWND hHeader, int nItem)
{
    RECT rect = {};
    ::SendMessage(hHeader, HDM_GETITEMRECT, (WPARAM)nItem, (LPARAM)&rect);
    return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

double HeapMegabytes()
{
    std::vector<HANDLE> heaps(256);
    const DWORD nHeaps = ::GetProcessHeaps((DWORD)heaps.size(), heaps.data());
    double bytes = 0;
    for (DWORD i = 0; i < nHeaps && i < heaps.size(); ++i)
    {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry))
        {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0)
                bytes += (double)entry.cbData;
        }
        ::HeapUnlock(heaps[i]);
    }
    return bytes / (1024.0 * 1024.0);
}
