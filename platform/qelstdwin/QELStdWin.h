// QELStdWin: window geometry as rectangles, usable wherever a CRect is.
#pragma once

#include <afxwin.h>

#ifdef QELSTDWIN_BUILD
#define QELSTDWIN_API __declspec(dllexport)
#else
#define QELSTDWIN_API __declspec(dllimport)
#endif

// Holds a window's client rectangle: (0, 0) to the client area's width and height.
// A null window, or one without a window handle, gives an empty rectangle at (0, 0).
// A window given by handle only is passed as CWnd::FromHandle(hWnd).
class QELSTDWIN_API CClientRect : public CRect
{
public:
    explicit CClientRect(const CWnd* pWnd);
};

// Holds a window's outer rectangle (non-client area included).
//   nFlag 1: in the window's own client coordinates, the frame of client (0, 0); the left and top are
//            negative by the width of the non-client edges. A point from a mouse message can be tested
//            against it with PtInRect.
//   any other value (0 is the usual one): in screen coordinates.
// A null window, or one without a window handle, gives an empty rectangle at (0, 0).
class QELSTDWIN_API CWindowRect : public CRect
{
public:
    CWindowRect(const CWnd* pWnd, int nFlag);
};
