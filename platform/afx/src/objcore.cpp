// CObject, run-time class records and the diagnostic helpers.
#include <afx.h>

// ---- CRuntimeClass ---------------------------------------------------------------------------------------

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    try
    {
        return (*m_pfnCreateObject)();
    }
    catch (...)
    {
        return NULL;    // a constructor that throws (out of memory) yields no object
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (pBaseClass == NULL)
        return FALSE;
    for (const CRuntimeClass* pClass = this; pClass != NULL; pClass = pClass->m_pBaseClass)
    {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

// ---- CObject ---------------------------------------------------------------------------------------------

const AFX_DATADEF CRuntimeClass CObject::classCObject =
    { "CObject", sizeof(CObject), 0xFFFF, NULL, NULL, NULL };

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

// ---- Diagnostics -----------------------------------------------------------------------------------------

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
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
