// Writes screen captures as PNG files (8-bit RGB, compressed by the system's GDI+).
#pragma once

#include <afxwin.h>

// Captures a screen rectangle, pop-up windows above it included, and saves it as a PNG file.
class CPngWriter
{
public:
    static BOOL SaveScreenRect(const CRect& rect, LPCTSTR pszPath);
};
