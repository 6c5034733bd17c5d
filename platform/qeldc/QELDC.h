// QELDC: scoped device-context helpers and colour scaling, on plain Win32 handles.
//
// Each helper is a scoped object: the constructor changes the device context, the destructor undoes it.
// Destroy them in the reverse order of construction (automatic objects in one scope do that). A null device
// context makes every helper do nothing. The helpers are not copyable.
#pragma once

// In programs on the shared MFC the Windows headers come through MFC's, which must precede them.
#ifdef _AFXDLL
#include <afx.h>
#else
#include <windows.h>
#endif

#ifdef QELDC_BUILD
#define QELDC_API __declspec(dllexport)
#else
#define QELDC_API __declspec(dllimport)
#endif

// Manages an off-screen image of a window's client area for flicker-free painting.
//
// CQELMemDC(hTargetDC, hWnd): hTargetDC is the device context to paint (normally the paint DC of hWnd, as from
// CPaintDC::GetSafeHdc()); hWnd is the window whose client rectangle the image covers, with client (0, 0) at
// the image's (0, 0). The image starts as a copy of what the target shows, so areas that are not painted keep
// their look. Nothing reaches the target before the destructor, which copies the image onto it (within the
// target's clipping) and then releases the off-screen context and bitmap.
// If the image cannot be made (null window, no memory for the bitmap), GetDC() returns the target itself and
// painting goes straight to it; with a null target GetDC() returns null.
class QELDC_API CQELMemDC
{
public:
    CQELMemDC(HDC hTargetDC, HWND hWnd);
    virtual ~CQELMemDC();

    CQELMemDC(const CQELMemDC&) = delete;
    CQELMemDC& operator=(const CQELMemDC&) = delete;

    // The off-screen device context that all painting of the routine goes to.
    HDC GetDC() const;

private:
    HDC m_hTargetDC;
    HDC m_hMemDC;         // owned; null when the image could not be made
    HBITMAP m_hBitmap;    // owned; selected into m_hMemDC while m_hMemDC exists
    HGDIOBJ m_hOldBitmap; // m_hMemDC's initial bitmap, selected back before deletion
    RECT m_rcClient;      // the area the image covers, in client coordinates
};

// Manages the selection of a font (and optionally a text colour) into a device context.
//
// CFontDC(hDC, hFont, crText): selects hFont (a null font selects nothing). crText becomes the text colour
// unless it is not a colour: any value whose high byte is other than 0x00, 0x01 (PALETTEINDEX) or 0x02
// (PALETTERGB) — notably 0xFF000000 (CLR_DEFAULT) and 0xFFFFFFFF (CLR_NONE) — leaves the text colour alone.
// The destructor selects the previous font again and restores the text colour if it was changed.
// The font belongs to the caller and is never deleted.
class QELDC_API CFontDC
{
public:
    CFontDC(HDC hDC, HFONT hFont, COLORREF crText);
    ~CFontDC();

    CFontDC(const CFontDC&) = delete;
    CFontDC& operator=(const CFontDC&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOldFont;     // null when no font was selected
    COLORREF m_crOldText;   // meaningful only when m_bTextColor is set
    bool m_bTextColor;
};

// Manages a solid brush selected into a device context.
//
// CBrushDC(hDC, crBrush): creates a solid brush of crBrush and selects it. A value that is not a colour
// (high byte other than 0x00, 0x01, 0x02, e.g. 0xFFFFFFFF) selects the stock hollow brush instead, so that
// fills draw nothing. The destructor selects the previous brush again and deletes the created one.
class QELDC_API CBrushDC
{
public:
    CBrushDC(HDC hDC, COLORREF crBrush);
    virtual ~CBrushDC();

    CBrushDC(const CBrushDC&) = delete;
    CBrushDC& operator=(const CBrushDC&) = delete;

private:
    HDC m_hDC;
    HBRUSH m_hBrush;       // created and owned; null when a stock brush was selected
    HGDIOBJ m_hOldBrush;   // null when nothing was selected
};

// Manages a pen selected into a device context.
//
// CPenDC(hDC, crPen, nWidth, nStyle): nWidth is the pen width in logical units (0 or less: one pixel);
// nStyle is a pen style: PS_SOLID (0), PS_DASH (1), PS_DOT (2), PS_DASHDOT (3), PS_DASHDOTDOT (4),
// PS_NULL (5) or PS_INSIDEFRAME (6); other styles are drawn solid. PS_NULL, or a value of crPen that is not
// a colour (high byte other than 0x00, 0x01, 0x02, e.g. 0xFFFFFFFF), selects the stock null pen: nothing is
// outlined, so CPenDC(hDC, 0xFFFFFFFF, 1, 5) followed by Polygon fills the shape without an outline.
// The destructor selects the previous pen again and deletes the created one.
class QELDC_API CPenDC
{
public:
    CPenDC(HDC hDC, COLORREF crPen, int nWidth, int nStyle);
    virtual ~CPenDC();

    CPenDC(const CPenDC&) = delete;
    CPenDC& operator=(const CPenDC&) = delete;

private:
    HDC m_hDC;
    HPEN m_hPen;         // created and owned; null when the stock null pen was selected
    HGDIOBJ m_hOldPen;   // null when nothing was selected
};

// Returns crColor with red, green and blue multiplied by dRed, dGreen and dBlue. Each product is rounded to
// the nearest integer (halves upward) and clamped to 0..255, so factors above 1 saturate at 255 and never
// carry into the next channel; negative or NaN factors give 0. The result is a plain RGB value (high byte 0).
QELDC_API COLORREF PixelAlpha(COLORREF crColor, double dRed, double dGreen, double dBlue);
