// Drives the header's modal column menu from inside its loop.
#pragma once

#include <windows.h>

namespace soak {

// While it lives, watches this thread for a popup menu; once the menu loop is idle (the menu is on screen)
// it either closes the menu (nDowns < 0) or moves down nDowns entries and chooses with Enter. A fallback
// timer closes a menu that never became idle.
class CSoakMenuPicker
{
public:
    CSoakMenuPicker(HWND hKeyTarget, int nDowns);
    ~CSoakMenuPicker();
    CSoakMenuPicker(const CSoakMenuPicker&) = delete;
    CSoakMenuPicker& operator=(const CSoakMenuPicker&) = delete;

    bool Opened() const { return m_bOpened; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Fallback(HWND, UINT, UINT_PTR, DWORD);
    void Act();

    static CSoakMenuPicker* s_pActive;
    HWND     m_hKeyTarget;
    int      m_nDowns;
    HHOOK    m_hHook = NULL;
    UINT_PTR m_nTimer = 0;
    bool     m_bOpened = false;
    bool     m_bActed = false;
};

} // namespace soak
