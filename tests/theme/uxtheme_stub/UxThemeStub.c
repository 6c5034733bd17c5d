/* Recording stand-in for UxTheme. Built in variants that lack some entry points:
   QEL_STUB_NO_OPENTHEMEDATA leaves out OpenThemeData; QEL_STUB_ONLY_OPENTHEMEDATA exports OpenThemeData
   alone (besides the control functions). */
#include "UxThemeStub.h"

#include <string.h>

#define STUB_EXPORT __declspec(dllexport)

#if !defined(QEL_STUB_ONLY_OPENTHEMEDATA)
#define STUB_HAS_OTHERS 1
#endif
#if !defined(QEL_STUB_NO_OPENTHEMEDATA)
#define STUB_HAS_OPEN 1
#endif

static QELStubState g_state;

/* Class names that the stub knows; a handle is the address of its class's slot, so it tells the class. */
static const WCHAR* const g_classNames[] = {
    L"HEADER", L"TOOLBAR", L"BUTTON", L"STATUS", L"WINDOW", L"REBAR", L"COMBOBOX", L"PROGRESS",
    L"SCROLLBAR", L"EXPLORERBAR", L"TREEVIEW", L"STARTPANEL", L"TASKBAND", L"TASKBAR", L"SPIN", L"TAB",
};
#define CLASS_COUNT ((int)(sizeof(g_classNames) / sizeof(g_classNames[0])))
static char g_handles[CLASS_COUNT];

static int ClassOfHandle(HANDLE hTheme)
{
    const char* p = (const char*)hTheme;
    if (p < g_handles || p >= g_handles + CLASS_COUNT)
        return -1;
    return (int)(p - g_handles);
}

static QELStubCall* Record(int kind, HANDLE hTheme)
{
    QELStubCall* pCall;
    int nClass;
    if (g_state.nCalls >= QEL_STUB_MAX_CALLS)
    {
        ++g_state.nCalls;
        return NULL;
    }
    pCall = &g_state.calls[g_state.nCalls++];
    memset(pCall, 0, sizeof(*pCall));
    pCall->kind = kind;
    pCall->hTheme = hTheme;
    nClass = ClassOfHandle(hTheme);
    if (nClass >= 0)
        lstrcpynW(pCall->szClass, g_classNames[nClass], QEL_STUB_NAME_LEN);
    return pCall;
}

#ifdef STUB_HAS_OTHERS
static void RecordRect(QELStubCall* pCall, const RECT* pRect)
{
    if (pCall != NULL && pRect != NULL)
    {
        pCall->rect = *pRect;
        pCall->hasRect = 1;
    }
}

#endif

#ifdef STUB_HAS_OPEN
static int IsMissing(const WCHAR* pszClass)
{
    const WCHAR* p = g_state.szMissingClasses;
    const size_t len = (size_t)lstrlenW(pszClass);
    while (*p != 0)
    {
        const WCHAR* pEnd = p;
        while (*pEnd != 0 && *pEnd != L';')
            ++pEnd;
        if ((size_t)(pEnd - p) == len && CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, p, (int)len,
                                                        pszClass, (int)len) == CSTR_EQUAL)
            return 1;
        p = (*pEnd == L';') ? pEnd + 1 : pEnd;
    }
    return 0;
}
#endif

STUB_EXPORT QELStubState* __cdecl QELStubUxTheme(void)
{
    return &g_state;
}

STUB_EXPORT void __cdecl QELStubUxThemeReset(void)
{
    const int nOpen = g_state.nOpenHandles;
    memset(&g_state, 0, sizeof(g_state));
    g_state.hrDrawBackground = S_OK;
    g_state.hrDrawParentBackground = S_OK;
    g_state.nOpenHandles = nOpen;
}

#ifdef STUB_HAS_OPEN
STUB_EXPORT HANDLE WINAPI OpenThemeData(HWND hwnd, LPCWSTR pszClassList)
{
    HANDLE hTheme = NULL;
    QELStubCall* pCall;
    int i;
    if (pszClassList != NULL && !IsMissing(pszClassList))
    {
        for (i = 0; i < CLASS_COUNT; ++i)
        {
            if (lstrcmpiW(pszClassList, g_classNames[i]) == 0)
            {
                hTheme = &g_handles[i];
                ++g_state.nOpenHandles;
                break;
            }
        }
    }
    pCall = Record(QEL_STUB_OPENTHEMEDATA, hTheme);
    if (pCall != NULL)
    {
        pCall->hwnd = hwnd;
        if (pszClassList != NULL)
            lstrcpynW(pCall->szClass, pszClassList, QEL_STUB_NAME_LEN);
    }
    return hTheme;
}
#endif

#ifdef STUB_HAS_OTHERS
STUB_EXPORT HRESULT WINAPI CloseThemeData(HANDLE hTheme)
{
    Record(QEL_STUB_CLOSETHEMEDATA, hTheme);
    if (ClassOfHandle(hTheme) < 0)
        return E_HANDLE;
    --g_state.nOpenHandles;
    return S_OK;
}

STUB_EXPORT HRESULT WINAPI DrawThemeBackground(HANDLE hTheme, HDC hdc, int iPartId, int iStateId,
                                               const RECT* pRect, const RECT* pClipRect)
{
    QELStubCall* pCall = Record(QEL_STUB_DRAWTHEMEBACKGROUND, hTheme);
    if (pCall != NULL)
    {
        pCall->hdc = hdc;
        pCall->nPart = iPartId;
        pCall->nState = iStateId;
        pCall->hasClip = pClipRect != NULL;
        RecordRect(pCall, pRect);
    }
    return g_state.hrDrawBackground;
}

STUB_EXPORT HRESULT WINAPI DrawThemeParentBackground(HWND hwnd, HDC hdc, RECT* prc)
{
    QELStubCall* pCall = Record(QEL_STUB_DRAWTHEMEPARENTBACKGROUND, NULL);
    if (pCall != NULL)
    {
        pCall->hwnd = hwnd;
        pCall->hdc = hdc;
        RecordRect(pCall, prc);
    }
    return g_state.hrDrawParentBackground;
}

STUB_EXPORT HRESULT WINAPI GetThemeColor(HANDLE hTheme, int iPartId, int iStateId, int iPropId, COLORREF* pColor)
{
    const int nClass = ClassOfHandle(hTheme);
    QELStubCall* pCall = Record(QEL_STUB_GETTHEMECOLOR, hTheme);
    if (pCall != NULL)
    {
        pCall->nPart = iPartId;
        pCall->nState = iStateId;
        pCall->nProp = iPropId;
    }
    if (nClass < 0 || pColor == NULL)
        return E_HANDLE;
    *pColor = QEL_STUB_COLOR(nClass + 1, iPropId);
    return S_OK;
}
#endif

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    (void)hInstance;
    (void)lpReserved;
    if (dwReason == DLL_PROCESS_ATTACH)
        QELStubUxThemeReset();
    return TRUE;
}
