// CFontDC, CBrushDC, CPenDC: scoped selection of GDI objects; PixelAlpha: channel scaling.
#include "QELDC.h"

namespace
{

// A COLORREF is an RGB value (high byte 0x00), PALETTEINDEX (0x01) or PALETTERGB (0x02); anything else,
// such as CLR_DEFAULT (0xFF000000) or CLR_NONE (0xFFFFFFFF), is a marker for "no colour".
bool IsColor(COLORREF cr)
{
    return (cr >> 24) <= 0x02;
}

BYTE ScaleChannel(BYTE value, double factor)
{
    const double scaled = value * factor;
    if (!(scaled > 0.0))  // negative, zero or NaN
        return 0;
    if (scaled >= 254.5)
        return 255;
    return static_cast<BYTE>(scaled + 0.5);
}

} // namespace

CFontDC::CFontDC(HDC hDC, HFONT hFont, COLORREF crText)
    : m_hDC(hDC), m_hOldFont(nullptr), m_crOldText(0), m_bTextColor(false)
{
    if (hDC == nullptr)
        return;
    if (hFont != nullptr)
    {
        m_hOldFont = SelectObject(hDC, hFont);
        if (m_hOldFont == HGDI_ERROR)
            m_hOldFont = nullptr;
    }
    if (IsColor(crText))
    {
        m_crOldText = SetTextColor(hDC, crText);
        m_bTextColor = m_crOldText != CLR_INVALID;
    }
}

CFontDC::~CFontDC()
{
    if (m_bTextColor)
        SetTextColor(m_hDC, m_crOldText);
    if (m_hOldFont != nullptr)
        SelectObject(m_hDC, m_hOldFont);
}

CBrushDC::CBrushDC(HDC hDC, COLORREF crBrush) : m_hDC(hDC), m_hBrush(nullptr), m_hOldBrush(nullptr)
{
    if (hDC == nullptr)
        return;
    HGDIOBJ hSelect = GetStockObject(HOLLOW_BRUSH);
    if (IsColor(crBrush))
    {
        m_hBrush = CreateSolidBrush(crBrush);
        if (m_hBrush == nullptr)
            return;
        hSelect = m_hBrush;
    }
    m_hOldBrush = SelectObject(hDC, hSelect);
    if (m_hOldBrush == nullptr || m_hOldBrush == HGDI_ERROR)
    {
        m_hOldBrush = nullptr;
        if (m_hBrush != nullptr)
            DeleteObject(m_hBrush);
        m_hBrush = nullptr;
    }
}

CBrushDC::~CBrushDC()
{
    if (m_hOldBrush != nullptr)
        SelectObject(m_hDC, m_hOldBrush);
    if (m_hBrush != nullptr)
        DeleteObject(m_hBrush);
}

CPenDC::CPenDC(HDC hDC, COLORREF crPen, int nWidth, int nStyle)
    : m_hDC(hDC), m_hPen(nullptr), m_hOldPen(nullptr)
{
    if (hDC == nullptr)
        return;
    HGDIOBJ hSelect = GetStockObject(NULL_PEN);
    if (nStyle != PS_NULL && IsColor(crPen))
    {
        if (nStyle < PS_SOLID || nStyle > PS_INSIDEFRAME)
            nStyle = PS_SOLID;
        m_hPen = CreatePen(nStyle, nWidth > 0 ? nWidth : 0, crPen);
        if (m_hPen == nullptr)
            return;
        hSelect = m_hPen;
    }
    m_hOldPen = SelectObject(hDC, hSelect);
    if (m_hOldPen == nullptr || m_hOldPen == HGDI_ERROR)
    {
        m_hOldPen = nullptr;
        if (m_hPen != nullptr)
            DeleteObject(m_hPen);
        m_hPen = nullptr;
    }
}

CPenDC::~CPenDC()
{
    if (m_hOldPen != nullptr)
        SelectObject(m_hDC, m_hOldPen);
    if (m_hPen != nullptr)
        DeleteObject(m_hPen);
}

COLORREF PixelAlpha(COLORREF crColor, double dRed, double dGreen, double dBlue)
{
    return RGB(ScaleChannel(GetRValue(crColor), dRed), ScaleChannel(GetGValue(crColor), dGreen),
               ScaleChannel(GetBValue(crColor), dBlue));
}
