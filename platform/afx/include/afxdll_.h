// Extension DLLs on the shared layer: the object that puts a DLL's resources on the application's lookup
// chain, and the initialisation and clean-up of the DLL's AFX_EXTENSION_MODULE record. Included by afxwin.h.
#pragma once

// Manages one extension DLL's place on the chain of modules whose resources AfxFindResourceHandle searches.
// The DLL's DllMain creates it with new after AfxInitExtensionModule; AfxTermExtensionModule deletes it.
class AFX_CLASS_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)

// Constructors
public:
    CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);

// Implementation
public:
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;               // the DLL
    HMODULE m_hResource;             // where its resources are
    BOOL m_bSystem;                  // searched after the other DLLs
    CDynLinkLibrary* m_pNextDLL;     // next on the chain; null at its end

private:
    CDynLinkLibrary(const CDynLinkLibrary&);
    void operator=(const CDynLinkLibrary&);
};

AFX_CLASS_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
AFX_CLASS_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
