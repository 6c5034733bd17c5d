// CObject, run-time class records and the diagnostic helpers.
#include <afx.h>

// ---- CRuntimeClass ---------------------------------------------------------------------------------------

namespace {

// Records registered by the loaded modules, newest first. Modules register while they load and unregister
// while they unload, under the loader lock; lookups may come from any thread.
AFX_CLASSINIT* g_pFirstClassInit = NULL;
SRWLOCK g_classListLock = SRWLOCK_INIT;

CRuntimeClass* BaseClassOf(const CRuntimeClass* pClass)
{
    return pClass->m_pfnGetBaseClass != NULL ? (*pClass->m_pfnGetBaseClass)() : NULL;
}

} // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
    : m_pClass(pNewClass)
{
    ::AcquireSRWLockExclusive(&g_classListLock);
    m_pNext = g_pFirstClassInit;
    g_pFirstClassInit = this;
    ::ReleaseSRWLockExclusive(&g_classListLock);
}

AFX_CLASSINIT::~AFX_CLASSINIT()
{
    ::AcquireSRWLockExclusive(&g_classListLock);
    for (AFX_CLASSINIT** ppLink = &g_pFirstClassInit; *ppLink != NULL; ppLink = &(*ppLink)->m_pNext)
    {
        if (*ppLink == this)
        {
            *ppLink = m_pNext;
            break;
        }
    }
    ::ReleaseSRWLockExclusive(&g_classListLock);
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    try
    {
        return (*m_pfnCreateObject)();
    }
    catch (CException* e)
    {
        e->Delete();    // out of memory, or a constructor that gave up
        return NULL;
    }
    catch (...)
    {
        return NULL;    // no exception of another kind leaves object creation either
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (pBaseClass == NULL)
        return FALSE;
    for (const CRuntimeClass* pClass = this; pClass != NULL; pClass = BaseClassOf(pClass))
    {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    CRuntimeClass* pFound = NULL;
    ::AcquireSRWLockShared(&g_classListLock);
    for (const AFX_CLASSINIT* pInit = g_pFirstClassInit; pInit != NULL && pFound == NULL; pInit = pInit->m_pNext)
    {
        // class names are C++ identifiers, kept in char whatever the character set
        if (lstrcmpA(lpszClassName, pInit->m_pClass->m_lpszClassName) == 0)
            pFound = pInit->m_pClass;
    }
    ::ReleaseSRWLockShared(&g_classListLock);
    return pFound;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCWSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    // Class names are C++ identifiers: a name that does not convert exactly matches no class.
    char szName[256];
    BOOL bLossy = FALSE;
    if (::WideCharToMultiByte(CP_ACP, 0, lpszClassName, -1, szName, sizeof(szName), NULL, &bLossy) == 0 || bLossy)
        return NULL;
    return FromName(szName);
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != NULL ? pClass->CreateObject() : NULL;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCWSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != NULL ? pClass->CreateObject() : NULL;
}

// ---- CObject ---------------------------------------------------------------------------------------------

const AFX_DATADEF CRuntimeClass CObject::classCObject =
    { "CObject", sizeof(CObject), 0xFFFF, NULL, NULL };
static const AFX_CLASSINIT _init_CObject(RUNTIME_CLASS(CObject));

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

CObject::~CObject()
{
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

void CObject::Serialize(CArchive&)
{
}

void CObject::AssertValid() const
{
}

void CObject::Dump(CDumpContext&) const
{
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    if (pObject != NULL && pObject->IsKindOf(pClass))
        return pObject;
    return NULL;
}

CObject* AFXAPI AfxStaticDownCast(CRuntimeClass*, CObject* pObject)
{
    return pObject;
}

// ---- Exceptions -----------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

CException::CException()
    : m_bAutoDelete(TRUE)
{
}

CException::CException(BOOL bAutoDelete)
    : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException()
{
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

CMemoryException::CMemoryException()
{
}

CMemoryException::~CMemoryException()
{
}

namespace {

// The object AfxThrowMemoryException throws: made before memory can run out, never deleted by Delete().
class CSharedMemoryException : public CMemoryException
{
public:
    CSharedMemoryException() { m_bAutoDelete = FALSE; }
};

CSharedMemoryException g_memoryException;

} // namespace

void AFXAPI AfxThrowMemoryException()
{
    throw static_cast<CMemoryException*>(&g_memoryException);
}

// DEBUG_NEW's forms for types outside the CObject tree; the file and line serve diagnostics only.
AFX_CLASS_API void* AFX_CDECL operator new(size_t nSize, LPCSTR, int)
{
    return ::operator new(nSize);
}

AFX_CLASS_API void* AFX_CDECL operator new[](size_t nSize, LPCSTR, int)
{
    return ::operator new[](nSize);
}

AFX_CLASS_API void AFX_CDECL operator delete(void* p, LPCSTR, int)
{
    ::operator delete(p);
}

AFX_CLASS_API void AFX_CDECL operator delete[](void* p, LPCSTR, int)
{
    ::operator delete[](p);
}

// ---- Diagnostics -----------------------------------------------------------------------------------------

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    // __FILE__ is always char text, so the message is built and written in char in either character set.
    char szMessage[MAX_PATH + 64];
    wsprintfA(szMessage, "Assertion failed: %s(%d)\n", lpszFileName != NULL ? lpszFileName : "?", nLine);
    ::OutputDebugStringA(szMessage);
    return FALSE;
}

void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine)
{
    if (pOb == NULL)
    {
        AfxAssertFailedLine(lpszFileName, nLine);
        return;
    }
    pOb->AssertValid();
}
