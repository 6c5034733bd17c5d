// Internal declarations shared by the window, thread and dialog sources of QELAfx.dll.
#pragma once

#include <afxwin.h>
#include <string.h>
#include <unordered_map>
#include <vector>

// First and last occurrence of a character in generic text. The MBCS C runtime linked here has no
// _tcschr/_tcsrchr; in that build the search is byte-wise, as strchr/strrchr.
template <class PTSTR>
PTSTR AfxFindChar(PTSTR psz, TCHAR ch)
{
#ifdef _UNICODE
    return wcschr(psz, ch);
#else
    return strchr(psz, ch);
#endif
}

template <class PTSTR>
PTSTR AfxFindLastChar(PTSTR psz, TCHAR ch)
{
#ifdef _UNICODE
    return wcsrchr(psz, ch);
#else
    return strrchr(psz, ch);
#endif
}

// The window objects of one thread: permanent entries for objects attached to their window, temporary
// entries for objects FromHandle made for windows without one. Temporary objects belong to the map and are
// deleted by DeleteTemp (at idle), without touching their windows.
class CHandleMap
{
public:
    CHandleMap() {}
    ~CHandleMap();

    CWnd* FromHandle(HWND hWnd);                      // permanent, else temporary (made on demand)
    CWnd* LookupPermanent(HWND hWnd) const
        { Map::const_iterator it = m_permanent.find(hWnd); return it == m_permanent.end() ? NULL : it->second; }
    CWnd* LookupTemporary(HWND hWnd) const
        { Map::const_iterator it = m_temporary.find(hWnd); return it == m_temporary.end() ? NULL : it->second; }
    size_t GetTemporaryCount() const { return m_temporary.size() + m_detachedTemps.size(); }
    void SetPermanent(HWND hWnd, CWnd* pWnd) { m_permanent[hWnd] = pWnd; }
    void RemoveHandle(HWND hWnd, const CWnd* pWnd);   // the entry of pWnd for hWnd, permanent or temporary
    void DeleteTemp();

private:
    CHandleMap(const CHandleMap&);
    void operator=(const CHandleMap&);

    typedef std::unordered_map<HWND, CWnd*> Map;
    Map m_permanent;
    Map m_temporary;
    std::vector<CWnd*> m_detachedTemps;               // temporary objects detached from their window (DestroyWindow)
};

CHandleMap* AfxMapHWND();                             // the calling thread's window map

// Owner for a modal window: the given parent or the main window, raised to a top-level window; the
// top-level window to disable is returned in *pWndTop when asked for.
HWND AfxGetSafeOwner(HWND hParent, HWND* pWndTop);

// Frees the temporary objects of every wrapper class of the calling thread.
void AfxDeleteAllTempMaps();

// Registers a window class of the layer's own (DefWindowProc as procedure) under the executable's instance.
BOOL AfxRegisterLayerClass(LPCTSTR lpszClassName, UINT nStyle, HBRUSH hbrBackground, HICON hIcon);

// Message pump of a thread that may have no CWinThread object.
BOOL AfxInternalPumpMessage();
BOOL AfxInternalPreTranslateMessage(MSG* pMsg);
BOOL AfxInternalIsIdleMessage(MSG* pMsg);
