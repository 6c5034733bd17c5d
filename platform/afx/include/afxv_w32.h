// The Windows headers the layer builds on, reached through afxver_.h by every afx header.
#pragma once

// As real MFC does, refuse a translation unit that included <windows.h> before the first afx header, so
// that such an order fails here too and not only when built against real MFC.
#ifdef _WINDOWS_
#error WINDOWS.H already included.  MFC apps must not #include <windows.h>
#endif

#include <windows.h>
#include <commctrl.h>
#include <tchar.h>
#include <mbstring.h>
