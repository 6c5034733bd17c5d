#pragma once

#include <afxwin.h>
#include <afxcmn.h>

// The window both sides fill, one shown at a time.
const int  kWidth = 1280;
const int  kHeight = 1024;
const UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;
const UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
// The clipboard format of the build's text, as the library writes it.
#ifdef _UNICODE
const UINT kClipboardText = CF_UNICODETEXT;
#else
const UINT kClipboardText = CF_TEXT;
#endif

// Milliseconds of the performance counter.
double Now();

// Dispatches every waiting message; counts into g_nPaints the WM_PAINT messages of g_hCountedWindow.
void Pump();
extern HWND g_hCountedWindow;   // window whose paint messages are counted; null for none
extern int  g_nPaints;

// The cell texts of both sides: a name, numbers, short texts and dates, 4 to 14 characters each.
void CellText(TCHAR* psz, int nRow, int nColumn);

CPoint HeaderItemCentre(HWND hHeader, int nItem);
// Shows the sort arrow of nColumn (up for nMark > 0, else down) as an application marks a plain header.
void SetPlainSortMark(HWND hHeader, int nColumn, int nMark);

// What an application without the library does for a copy: every row's cells read with LVM_GETITEMTEXT into
// one buffer, tab- and line-separated under the header's texts, handed to the clipboard. Milliseconds.
double PlainCopy(CListCtrl& plain, int nColumns);

// Megabytes in use in all the process's heaps (the list view's items and texts, the library's and the C
// runtime's allocations).
double HeapMegabytes();
// Megabytes of the process's working set.
double WorkingSetMegabytes();
