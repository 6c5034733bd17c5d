// Extension DLLs: their module records and the chain of DLLs whose resources AfxFindResourceHandle searches.
#include "afximpl_.h"

namespace {

// The extension DLLs of the process, the latest first. DLLs join and leave the chain in their DllMain,
// at load and unload.
CDynLinkLibrary* g_pFirstDLL = NULL;

BOOL HasResource(HMODULE hModule, LPCTSTR lpszName, LPCTSTR lpszType)
{
    return hModule != NULL && ::FindResource(hModule, lpszName, lpszType) != NULL;
}

} // namespace

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(g_pFirstDLL)
{
    g_pFirstDLL = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** ppDLL = &g_pFirstDLL; *ppDLL != NULL; ppDLL = &(*ppDLL)->m_pNextDLL)
    {
        if (*ppDLL == this)
        {
            *ppDLL = m_pNextDLL;
            break;
        }
    }
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    // A second call for the same record keeps it as it is.
    if (state.bInitialized)
        return TRUE;
    if (hModule == NULL)
        return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    // The layer keeps no list of serialisable classes and has no OLE class factories.
    state.pFirstSharedClass = NULL;
    state.pFirstSharedFactory = NULL;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    CDynLinkLibrary* pDLL = g_pFirstDLL;
    while (pDLL != NULL)
    {
        CDynLinkLibrary* const pNext = pDLL->m_pNextDLL;
        if (bAll || pDLL->m_hModule == state.hModule)
            delete pDLL;
        pDLL = pNext;
    }
}

// The resource handle first, then the extension DLLs, those created as system DLLs last; the resource
// handle when none holds the resource.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    const HINSTANCE hResource = AfxGetResourceHandle();
    if (HasResource(hResource, lpszName, lpszType))
        return hResource;
    for (const bool bSystem : { false, true })
    {
        for (const CDynLinkLibrary* pDLL = g_pFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
        {
            if ((pDLL->m_bSystem != FALSE) == bSystem && HasResource(pDLL->m_hResource, lpszName, lpszType))
                return pDLL->m_hResource;
        }
    }
    return hResource;
}
