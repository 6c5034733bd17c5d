// Process and thread state of the layer, and the DLL entry point that creates and frees thread states.
#include "afximpl_.h"

namespace {

DWORD g_dwThreadStateSlot = TLS_OUT_OF_INDEXES;    // TLS slot of _AFX_THREAD_STATE*, allocated at load

AFX_MODULE_STATE g_moduleState = { NULL, NULL, NULL, NULL };

void FreeThreadState()
{
    if (g_dwThreadStateSlot == TLS_OUT_OF_INDEXES)
        return;
    _AFX_THREAD_STATE* pState = (_AFX_THREAD_STATE*)::TlsGetValue(g_dwThreadStateSlot);
    if (pState != NULL)
    {
        ::TlsSetValue(g_dwThreadStateSlot, NULL);
        delete pState;
    }
}

} // namespace

// ---- Thread state ----------------------------------------------------------------------------------------

_AFX_THREAD_STATE::_AFX_THREAD_STATE()
    : m_pWndInit(NULL), m_hHookOldCbtFilter(NULL), m_hLockoutNotifyWindow(NULL), m_pCurrentWinThread(NULL),
      m_pmapHWND(NULL), m_nTempMapLock(0)
{
    ZeroMemory(&m_lastSentMsg, sizeof(m_lastSentMsg));
    ZeroMemory(&m_msgCur, sizeof(m_msgCur));
    m_szTempClassName[0] = '\0';
}

_AFX_THREAD_STATE::~_AFX_THREAD_STATE()
{
    if (m_hHookOldCbtFilter != NULL)
        ::UnhookWindowsHookEx(m_hHookOldCbtFilter);
    delete m_pmapHWND;
}

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    if (g_dwThreadStateSlot == TLS_OUT_OF_INDEXES)
        g_dwThreadStateSlot = ::TlsAlloc();
    _AFX_THREAD_STATE* pState = (_AFX_THREAD_STATE*)::TlsGetValue(g_dwThreadStateSlot);
    if (pState == NULL)
    {
        pState = new _AFX_THREAD_STATE;
        ::TlsSetValue(g_dwThreadStateSlot, pState);
    }
    return pState;
}

CHandleMap* AfxMapHWND()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHWND == NULL)
        pState->m_pmapHWND = new CHandleMap;
    return pState->m_pmapHWND;
}

// ---- Module state ----------------------------------------------------------------------------------------

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    return &g_moduleState;
}

AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState()
{
    return &g_moduleState;
}

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState()
{
    return &g_moduleState;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    if (g_moduleState.m_hCurrentInstanceHandle == NULL)
        return ::GetModuleHandle(NULL);
    return g_moduleState.m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    if (g_moduleState.m_hCurrentResourceHandle == NULL)
        return AfxGetInstanceHandle();
    return g_moduleState.m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_moduleState.m_hCurrentResourceHandle = hInstResource;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return g_moduleState.m_lpszCurrentAppName;
}

// ---- Entry point -----------------------------------------------------------------------------------------

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID lpReserved)
{
    switch (dwReason)
    {
    case DLL_PROCESS_ATTACH:
        if (g_dwThreadStateSlot == TLS_OUT_OF_INDEXES)
            g_dwThreadStateSlot = ::TlsAlloc();
        if (g_dwThreadStateSlot == TLS_OUT_OF_INDEXES)
            return FALSE;
        break;
    case DLL_THREAD_DETACH:
        FreeThreadState();
        break;
    case DLL_PROCESS_DETACH:
        // At process termination other threads are gone and their windows with them; leave the memory.
        if (lpReserved == NULL)
        {
            FreeThreadState();
            ::TlsFree(g_dwThreadStateSlot);
            g_dwThreadStateSlot = TLS_OUT_OF_INDEXES;
        }
        break;
    default:
        break;
    }
    return TRUE;
}
