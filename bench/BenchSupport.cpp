// Helpers of every benchmark case: the clock, the message pump, the cell texts both sides show.
#include "BenchSupport.h"

#include <psapi.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
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
    case 1:  _stprintf(psz, _T("%d"), (int)(((long long)nRow * 7919 + nColumn) % 1000003)); break;
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

void SetPlainSortMark(HWND hHeader, int nColumn, int nMark)
{
    HDITEM item = {};
    item.mask = HDI_FORMAT;
    ::SendMessage(hHeader, HDM_GETITEM, (WPARAM)nColumn, (LPARAM)&item);
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    item.fmt |= nMark > 0 ? HDF_SORTUP : HDF_SORTDOWN;
    ::SendMessage(hHeader, HDM_SETITEM, (WPARAM)nColumn, (LPARAM)&item);
}

double PlainCopy(CListCtrl& plain, int nColumns)
{
    const double start = Now();
    const HWND hList = plain.m_hWnd;
    const HWND hHeader = plain.GetHeaderCtrl()->m_hWnd;
    const int nRows = (int)::SendMessage(hList, LVM_GETITEMCOUNT, 0, 0);
    // Every cell text is below 32 characters: one buffer large enough for all of them, separators included.
    const size_t nCapacity = ((size_t)nRows + 1) * (size_t)nColumns * 32 + 1;
    TCHAR* pBuffer = (TCHAR*)malloc(nCapacity * sizeof(TCHAR));
    if (pBuffer == NULL)
        return 0;
    size_t nLength = 0;
    for (int c = 0; c < nColumns; ++c)
    {
        if (c > 0)
            pBuffer[nLength++] = _T('\t');
        HDITEM item = {};
        item.mask = HDI_TEXT;
        item.pszText = pBuffer + nLength;
        item.cchTextMax = 1024;
        ::SendMessage(hHeader, HDM_GETITEM, (WPARAM)c, (LPARAM)&item);
        nLength += _tcslen(pBuffer + nLength);
    }
    for (int r = 0; r < nRows; ++r)
    {
        pBuffer[nLength++] = _T('\r');
        pBuffer[nLength++] = _T('\n');
        for (int c = 0; c < nColumns; ++c)
        {
            if (c > 0)
                pBuffer[nLength++] = _T('\t');
            LVITEM item = {};
            item.iSubItem = c;
            item.pszText = pBuffer + nLength;
            // A bounded limit: the list view converts through a temporary buffer of cchTextMax characters.
            item.cchTextMax = 256;
            nLength += (size_t)::SendMessage(hList, LVM_GETITEMTEXT, (WPARAM)r, (LPARAM)&item);
        }
    }
    BOOL bOk = FALSE;
    if (::OpenClipboard(hList))
    {
        ::EmptyClipboard();
        HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, (nLength + 1) * sizeof(TCHAR));
        TCHAR* pBlock = hBlock != NULL ? (TCHAR*)::GlobalLock(hBlock) : NULL;
        if (pBlock != NULL)
        {
            memcpy(pBlock, pBuffer, nLength * sizeof(TCHAR));
            pBlock[nLength] = _T('\0');
            ::GlobalUnlock(hBlock);
            bOk = ::SetClipboardData(kClipboardText, hBlock) != NULL;
        }
        ::CloseClipboard();
    }
    free(pBuffer);
    const double elapsed = Now() - start;
    if (!bOk)
        printf("  warning: the plain copy did not reach the clipboard\n");
    return elapsed;
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

double WorkingSetMegabytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters)))
        return 0;
    return (double)counters.WorkingSetSize / (1024.0 * 1024.0);
}
