// Helpers of the window-layer tests: top-level and child windows, temporary-object inspection, and objects
// whose memory becomes inaccessible when they are deleted.
#pragma once

#include "QELTest.h"

#include "../../platform/afx/src/afximpl_.h"

namespace afxcore {

// Creates w as a visible top-level window of a class registered by the layer.
inline BOOL CreateTopLevel(CWnd& w, LPCTSTR title = _T("AfxCoreTest"), int cx = 400, int cy = 300)
{
    return w.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                          (HBRUSH)(COLOR_WINDOW + 1)),
        title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, cx, cy, NULL, NULL);
}

// Creates w as a visible child window of the given class.
inline BOOL CreateChild(CWnd& w, CWnd& parent, LPCTSTR className, UINT id, DWORD style = 0, LPCTSTR text = _T(""))
{
    RECT rc = { 10, 10, 210, 110 };
    return w.Create(className, text, WS_CHILD | WS_VISIBLE | style, rc, &parent, id);
}

// A window without an MFC object.
inline HWND CreateForeignChild(HWND hParent, LPCTSTR className, UINT id, DWORD style = 0)
{
    return ::CreateWindowEx(0, className, _T(""), WS_CHILD | WS_VISIBLE | style, 0, 0, 120, 40, hParent,
        (HMENU)(UINT_PTR)id, ::GetModuleHandle(NULL), NULL);
}

// The temporary object FromHandle made for a window, if the thread still holds one.
inline CWnd* LookupTemporary(HWND hWnd)
{
    CHandleMap* pMap = AfxGetThreadState()->m_pmapHWND;
    return pMap != NULL ? pMap->LookupTemporary(hWnd) : NULL;
}

inline size_t TemporaryCount()
{
    CHandleMap* pMap = AfxGetThreadState()->m_pmapHWND;
    return pMap != NULL ? pMap->GetTemporaryCount() : 0;
}

// Memory for objects that must not be touched after their deletion: each object gets its own pages,
// which become inaccessible (decommitted, still reserved) when it is deleted, so a late access faults.
inline void* GuardedAlloc(size_t size)
{
    void* p = ::VirtualAlloc(NULL, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (p == NULL)
        throw std::bad_alloc();
    return p;
}

inline void GuardedFree(void* p, size_t size)
{
    ::VirtualFree(p, size, MEM_DECOMMIT);
}

} // namespace afxcore
