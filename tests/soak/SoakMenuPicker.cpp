#include "SoakMenuPicker.h"

namespace soak {

CSoakMenuPicker* CSoakMenuPicker::s_pActive = nullptr;

CSoakMenuPicker::CSoakMenuPicker(HWND hKeyTarget, int nDowns) : m_hKeyTarget(hKeyTarget), m_nDowns(nDowns)
{
    s_pActive = this;
    m_hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, &CSoakMenuPicker::Hook, NULL, ::GetCurrentThreadId());
    m_nTimer = ::SetTimer(NULL, 0, 2000, &CSoakMenuPicker::Fallback);
}

CSoakMenuPicker::~CSoakMenuPicker()
{
    ::KillTimer(NULL, m_nTimer);
    if (m_hHook != NULL)
        ::UnhookWindowsHookEx(m_hHook);
    s_pActive = nullptr;
}

LRESULT CALLBACK CSoakMenuPicker::Hook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && s_pActive != nullptr)
    {
        if (p->message == WM_INITMENUPOPUP)
            s_pActive->m_bOpened = true;
        else if (p->message == WM_ENTERIDLE && p->wParam == MSGF_MENU && s_pActive->m_bOpened && !s_pActive->m_bActed)
            s_pActive->Act();
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

void CALLBACK CSoakMenuPicker::Fallback(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}

void CSoakMenuPicker::Act()
{
    m_bActed = true;
    if (m_nDowns < 0)
    {
        ::EndMenu();
        return;
    }
    // The menu loop reads keys from the queue whichever window they are posted to.
    for (int i = 0; i < m_nDowns; ++i)
        ::PostMessage(m_hKeyTarget, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessage(m_hKeyTarget, WM_KEYDOWN, VK_RETURN, 1);
}

} // namespace soak
