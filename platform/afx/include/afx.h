// Core of the MFC-compatible layer: the object root CObject, run-time class records, diagnostics macros,
// and the value types (CPoint, CSize, CRect, CString) every other header builds on.
#pragma once

#ifndef __AFX_H__
#define __AFX_H__

#include "afxver_.h"

#include <stdlib.h>
#include <new>

#ifndef PASCAL
#define PASCAL __stdcall
#endif
#ifndef AFX_DATA
#define AFX_DATA
#endif
#ifndef AFX_DATADEF
#define AFX_DATADEF
#endif
#ifndef AFX_COMDAT
#define AFX_COMDAT
#endif
#ifndef AFX_NOVTABLE
#define AFX_NOVTABLE
#endif
#ifndef AFX_STATIC
#define AFX_STATIC static
#endif

#include "afxtypes_.h"
#include "afxstr_.h"

class CObject;
class CArchive;
class CDumpContext;
struct CRuntimeClass;

// ---- Diagnostics ----------------------------------------------------------------------------------------
// ASSERT and ASSERT_VALID check only in _DEBUG builds; VERIFY always evaluates its expression; TRACE writes
// nothing. A failed ASSERT reports through OutputDebugString and lets the program go on.

AFX_CLASS_API BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
AFX_CLASS_API void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine);
inline void AFX_CDECL AfxTrace(LPCTSTR, ...) {}

#ifdef _DEBUG
#define ASSERT(f)        ((void)((f) || !::AfxAssertFailedLine(__FILE__, __LINE__)))
#define VERIFY(f)        ASSERT(f)
#define ASSERT_VALID(pOb) (::AfxAssertValidObject(pOb, __FILE__, __LINE__))
#define DEBUG_ONLY(f)    (f)
#else
// The expression is not evaluated, but naming it keeps variables used only in assertions "used".
#define ASSERT(f)        ((void)sizeof(!(f)))
#define VERIFY(f)        ((void)(f))
#define ASSERT_VALID(pOb) ((void)sizeof(pOb))
#define DEBUG_ONLY(f)    ((void)0)
#endif

#define TRACE            1 ? (void)0 : ::AfxTrace
#define TRACE0(sz)       ((void)0)
#define TRACE1(sz, p1)   ((void)0)
#define TRACE2(sz, p1, p2) ((void)0)
#define TRACE3(sz, p1, p2, p3) ((void)0)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#define UNUSED(x)        ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))

// `#define new DEBUG_NEW` in a source file makes its debug builds pass the file and line of each allocation
// (kept for diagnostics only); release builds allocate as plain new does.
#ifdef _DEBUG
#define THIS_FILE        __FILE__
#define DEBUG_NEW        new(THIS_FILE, __LINE__)
AFX_CLASS_API void* AFX_CDECL operator new(size_t nSize, LPCSTR lpszFileName, int nLine);
AFX_CLASS_API void* AFX_CDECL operator new[](size_t nSize, LPCSTR lpszFileName, int nLine);
AFX_CLASS_API void AFX_CDECL operator delete(void* p, LPCSTR lpszFileName, int nLine);
AFX_CLASS_API void AFX_CDECL operator delete[](void* p, LPCSTR lpszFileName, int nLine);
#else
#define DEBUG_NEW        new
#endif

#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif

// MFC code calls GetSafeHwnd() and its relatives on null object pointers. The optimiser may assume `this` is
// never null and drop the test; passing the pointer through an empty asm hides its value, so the test stays.
template <class T>
inline T* AfxLaunderPtr(T* p)
{
#ifdef __GNUC__
    __asm__("" : "+r"(p));
#endif
    return p;
}

// ---- Collections ---------------------------------------------------------------------------------------

// Abstract iteration position of the collection classes.
#ifndef BEFORE_START_POSITION
struct __POSITION { };
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)
#endif

// ---- Run-time class information ---------------------------------------------------------------------

// Describes one class derived from CObject: its name, size, base class and, for dynamically creatable
// classes, the function that makes a default instance. The layer is a shared library, so a record reaches
// its base through m_pfnGetBaseClass (a record in another module has no constant address); CObject's record
// ends the chain.
struct AFX_CLASS_API CRuntimeClass
{
    // Attributes
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                                  // schema number; 0xFFFF for classes that are not serialised
    CObject* (PASCAL* m_pfnCreateObject)();          // null for classes without dynamic creation
    CRuntimeClass* (PASCAL* m_pfnGetBaseClass)();    // null only for CObject

    // Operations
    CObject* CreateObject();                   // new default instance, null when not creatable or out of memory
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Lookup by the class name among the classes of every loaded module; null when there is none.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CRuntimeClass* PASCAL FromName(LPCWSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCWSTR lpszClassName);
};

// Registers a run-time class record for FromName while the module that holds it is loaded.
struct AFX_CLASS_API AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

    CRuntimeClass* m_pClass;
    AFX_CLASSINIT* m_pNext;
};

#define RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name) \
protected: \
    static CRuntimeClass* PASCAL _GetBaseClass(); \
public: \
    static const AFX_DATA CRuntimeClass class##class_name; \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define _DECLARE_DYNAMIC(class_name) DECLARE_DYNAMIC(class_name)

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* PASCAL CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() \
        { return RUNTIME_CLASS(base_class_name); } \
    AFX_COMDAT const AFX_DATADEF CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class class_name), wSchema, pfnNew, &class_name::_GetBaseClass }; \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name)); \
    CRuntimeClass* class_name::GetRuntimeClass() const \
        { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

// CObject's operator new throws CMemoryException* on an exhausted heap; CRuntimeClass::CreateObject turns
// that into a null object.
#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject() \
        { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define DYNAMIC_DOWNCAST(class_name, object) \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object)))
#define STATIC_DOWNCAST(class_name, object) \
    ((class_name*)AfxStaticDownCast(RUNTIME_CLASS(class_name), (object)))

// ---- CObject -------------------------------------------------------------------------------------------

// Throws the one shared CMemoryException object, which needs no memory; Delete() leaves it alone.
[[noreturn]] AFX_CLASS_API void AFXAPI AfxThrowMemoryException();

// Root of the class tree: run-time class information and the diagnostic/serialisation virtuals.
// Virtual slots, in order: GetRuntimeClass, the destructor, Serialize, AssertValid, Dump.
class AFX_CLASS_API CObject
{
public:
    // Object model
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;

protected:
    CObject() {}

private:
    CObject(const CObject& objectSrc);            // objects of this tree are not copyable
    void operator=(const CObject& objectSrc);

public:
    // Attributes
    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    // Overridables
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    // Allocation. These hide every global form (std::nothrow included) for classes of this tree. An
    // exhausted heap throws CMemoryException*, never std::bad_alloc and never a null object. The third form
    // is the one DEBUG_NEW calls. Inline: the module that creates an object makes the allocation, as it
    // does with plain new.
    void* PASCAL operator new(size_t nSize)
    {
        void* p = ::operator new(nSize, std::nothrow);
        if (p == NULL)
            AfxThrowMemoryException();
        return p;
    }
    void* PASCAL operator new(size_t, void* p) { return p; }
    void* PASCAL operator new(size_t nSize, LPCSTR, int) { return CObject::operator new(nSize); }
    void PASCAL operator delete(void* p) { ::operator delete(p); }
    void PASCAL operator delete(void*, void*) {}
    void PASCAL operator delete(void* p, LPCSTR, int) { ::operator delete(p); }

    // Implementation
    static const AFX_DATA CRuntimeClass classCObject;
};

// ---- Exceptions ----------------------------------------------------------------------------------------

// Base of the framework's exceptions, thrown as pointers: catch (CException* e) { ...; e->Delete(); }.
class AFX_CLASS_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    virtual ~CException() = 0;

    // Deletes the object when it was made on the heap; shared objects (the memory exception) stay.
    void Delete();

protected:
    BOOL m_bAutoDelete;
};

// Thrown when memory runs out.
class AFX_CLASS_API CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
    virtual ~CMemoryException();
};

AFX_CLASS_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
AFX_CLASS_API CObject* AFXAPI AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject);

// ---- Module state --------------------------------------------------------------------------------------

// State shared by every module of the process that uses the layer: one application object and the
// instance and resource handles of the executable.
class CWinApp;
struct AFX_CLASS_API AFX_MODULE_STATE
{
    CWinApp* m_pCurrentWinApp;            // the application object; null when the program has none
    HINSTANCE m_hCurrentInstanceHandle;   // set by AfxWinInit; the executable until then
    HINSTANCE m_hCurrentResourceHandle;   // where resources are looked up
    LPCTSTR m_lpszCurrentAppName;         // the application's name once AfxWinInit ran
};

AFX_CLASS_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_CLASS_API AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();
AFX_CLASS_API AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();

// Every module shares one state, so switching module state is a no-op.
#define AFX_MANAGE_STATE(p) ((void)(p))

// An extension DLL's record of its module, one static per DLL: filled by AfxInitExtensionModule in the DLL's
// DllMain and handed to the CDynLinkLibrary it creates there.
class COleObjectFactory;
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    COleObjectFactory* pFirstSharedFactory;
};

AFX_CLASS_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_CLASS_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_CLASS_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
AFX_CLASS_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
AFX_CLASS_API LPCTSTR AFXAPI AfxGetAppName();

#endif // __AFX_H__
