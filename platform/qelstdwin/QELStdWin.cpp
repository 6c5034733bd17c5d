// CClientRect and CWindowRect.
#include "QELStdWin.h"

namespace
{

HWND HandleOf(const CWnd* pWnd)
{
    return pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
}

} // namespace

CClientRect::CClientRect(const CWnd* pWnd) : CRect(0, 0, 0, 0)
{
    const HWND hWnd = HandleOf(pWnd);
    if (hWnd == nullptr || !::GetClientRect(hWnd, this))
        SetRectEmpty();
}

CWindowRect::CWindowRect(const CWnd* pWnd, int nFlag) : CRect(0, 0, 0, 0)
{
    const HWND hWnd = HandleOf(pWnd);
    if (hWnd == nullptr || !::GetWindowRect(hWnd, this))
    {
        SetRectEmpty();
        return;
    }
    // MapWindowPoints with two points treats them as a rectangle, which keeps left < right in
    // right-to-left (mirrored) windows, where ScreenToClient on each corner would not.
    if (nFlag == 1)
        ::MapWindowPoints(HWND_DESKTOP, hWnd, reinterpret_cast<POINT*>(static_cast<RECT*>(this)), 2);
}
