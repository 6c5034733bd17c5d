#pragma once

#include <afxwin.h>

// Milliseconds of the performance counter.
double Now();

// Dispatches every waiting message; counts into g_nPaints the WM_PAINT messages of g_hCountedWindow.
void Pump();
extern HWND g_hCountedWindow;   // window whose paint messages are counted; null for none
extern int  g_nPaints;

// The cell texts of both sides: a name, numbers, short texts and dates, 4 to 14 characters each.
void CellText(TCHAR* psz, int nRow, int nColumn);

CPoint HeaderItemCentre(HWND hHeader, int nItem);

// Megabytes in use in all the process's heaps (the list view's items and texts, the library's and the C
// runtime's allocations).
double HeapMegabytes();
