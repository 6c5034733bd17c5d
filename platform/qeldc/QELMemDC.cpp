// CQELMemDC: off-screen image of a window's client area.
#include "QELDC.h"

CQELMemDC::CQELMemDC(HDC hTargetDC, HWND hWnd)
    : m_hTargetDC(hTargetDC), m_hMemDC(nullptr), m_hBitmap(nullptr), m_hOldBitmap(nullptr)
{
    SetRectEmpty(&m_rcClient);
    if (hTargetDC == nullptr || hWnd == nullptr || !GetClientRect(hWnd, &m_rcClient))
        return;
    // A bitmap needs at least one pixel; a collapsed window still gets a usable context.
    const int cx = m_rcClient.right > 0 ? m_rcClient.right : 1;
    const int cy = m_rcClient.bottom > 0 ? m_rcClient.bottom : 1;

    m_hMemDC = CreateCompatibleDC(hTargetDC);
    if (m_hMemDC == nullptr)
        return;
    m_hBitmap = CreateCompatibleBitmap(hTargetDC, cx, cy);
    if (m_hBitmap == nullptr)
    {
        DeleteDC(m_hMemDC);
        m_hMemDC = nullptr;
        return;
    }
    m_hOldBitmap = SelectObject(m_hMemDC, m_hBitmap);

    // Start from what the target shows, with the target's font and colours, so that painting here looks
    // exactly like painting the target.
    BitBlt(m_hMemDC, 0, 0, cx, cy, hTargetDC, 0, 0, SRCCOPY);
    SelectObject(m_hMemDC, GetCurrentObject(hTargetDC, OBJ_FONT));
    SetTextColor(m_hMemDC, GetTextColor(hTargetDC));
    SetBkColor(m_hMemDC, GetBkColor(hTargetDC));
    SetBkMode(m_hMemDC, GetBkMode(hTargetDC));
}

CQELMemDC::~CQELMemDC()
{
    if (m_hMemDC == nullptr)
        return;
    // Only the part the target can show needs copying: its clip box (the update region of a paint DC).
    RECT rcCopy = m_rcClient;
    RECT rcClip;
    const int clip = GetClipBox(m_hTargetDC, &rcClip);
    if (clip == NULLREGION)
        SetRectEmpty(&rcCopy);
    else if (clip != ERROR)
        IntersectRect(&rcCopy, &m_rcClient, &rcClip);
    if (!IsRectEmpty(&rcCopy))
    {
        BitBlt(m_hTargetDC, rcCopy.left, rcCopy.top, rcCopy.right - rcCopy.left, rcCopy.bottom - rcCopy.top,
               m_hMemDC, rcCopy.left, rcCopy.top, SRCCOPY);
    }
    SelectObject(m_hMemDC, m_hOldBitmap);
    DeleteObject(m_hBitmap);
    DeleteDC(m_hMemDC);
}

HDC CQELMemDC::GetDC() const
{
    return m_hMemDC != nullptr ? m_hMemDC : m_hTargetDC;
}
