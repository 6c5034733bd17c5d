// Run-time classes: the records, derivation, dynamic creation, kind tests and the object's virtual slots.
#include "AfxTestSupport.h"

#include <stdexcept>
#include <string.h>

// Named (not anonymous): run-time class records are referenced only through their addresses.
namespace afxcore_runtime {

class CCoreShape : public CObject
{
    DECLARE_DYNCREATE(CCoreShape)
public:
    CCoreShape() : m_nSides(3) {}
    int m_nSides;
};
IMPLEMENT_DYNCREATE(CCoreShape, CObject)

class CCoreSquare : public CCoreShape
{
    DECLARE_DYNCREATE(CCoreSquare)
public:
    CCoreSquare() { m_nSides = 4; }
    double m_dSide = 1.5;
};
IMPLEMENT_DYNCREATE(CCoreSquare, CCoreShape)

class CCoreAbstractish : public CObject
{
    DECLARE_DYNAMIC(CCoreAbstractish)
};
IMPLEMENT_DYNAMIC(CCoreAbstractish, CObject)

class CCoreThrowing : public CObject
{
    DECLARE_DYNAMIC(CCoreThrowing)
public:
    static CObject* PASCAL CreateObject() { throw std::runtime_error("no memory"); }
};
IMPLEMENT_RUNTIMECLASS(CCoreThrowing, CObject, 0xFFFF, CCoreThrowing::CreateObject)

class CCoreSerial : public CObject
{
    DECLARE_DYNAMIC(CCoreSerial)
};
IMPLEMENT_RUNTIMECLASS(CCoreSerial, CObject, 2, NULL)

// Too large for any heap.
class CCoreHuge : public CObject
{
public:
    char m_data[sizeof(void*) == 8 ? (size_t)1 << 48 : (size_t)0x7FFF0000];
};

// Its constructor runs out of memory.
class CCoreGreedy : public CObject
{
    DECLARE_DYNCREATE(CCoreGreedy)
public:
    CCoreGreedy() : m_pHuge(new CCoreHuge) {}
    ~CCoreGreedy() { delete m_pHuge; }
    CCoreHuge* m_pHuge;
};
IMPLEMENT_DYNCREATE(CCoreGreedy, CObject)

// Overrides of the three diagnostic virtuals, to check they dispatch through CObject's slots.
class CCoreDiag : public CObject
{
public:
    mutable int m_nCalls = 0;
    void Serialize(CArchive&) override { m_nCalls += 1; }
    void AssertValid() const override { m_nCalls += 10; }
    void Dump(CDumpContext&) const override { m_nCalls += 100; }
};

// Index of a virtual function in the table, from its pointer-to-member (Itanium C++ ABI: the pointer
// field of a virtual member holds 1 + the byte offset of its slot).
template <class PMF>
ptrdiff_t VirtualSlot(PMF pmf)
{
    struct Rep { uintptr_t ptr; ptrdiff_t adj; } rep;
    static_assert(sizeof(pmf) == sizeof(rep), "unexpected member pointer layout");
    memcpy(&rep, &pmf, sizeof(rep));
    if ((rep.ptr & 1) == 0)
        return -1;
    return (ptrdiff_t)((rep.ptr - 1) / sizeof(void*));
}

} // namespace afxcore_runtime

using namespace afxcore_runtime;

TEST(AfxCoreRuntimeClass, RecordsOfTheLayerClassesChainToCObject)
{
    EXPECT_STREQ("CObject", RUNTIME_CLASS(CObject)->m_lpszClassName);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->m_pfnGetBaseClass);
    EXPECT_STREQ("CWnd", RUNTIME_CLASS(CWnd)->m_lpszClassName);
    EXPECT_EQ(RUNTIME_CLASS(CCmdTarget), RUNTIME_CLASS(CWnd)->m_pfnGetBaseClass());
    EXPECT_EQ(RUNTIME_CLASS(CObject), RUNTIME_CLASS(CCmdTarget)->m_pfnGetBaseClass());
    EXPECT_EQ(RUNTIME_CLASS(CWnd), RUNTIME_CLASS(CDialog)->m_pfnGetBaseClass());
    EXPECT_EQ(RUNTIME_CLASS(CWinThread), RUNTIME_CLASS(CWinApp)->m_pfnGetBaseClass());
    EXPECT_EQ(sizeof(CWnd), RUNTIME_CLASS(CWnd)->m_nObjectSize);
    EXPECT_EQ(0xFFFFu, RUNTIME_CLASS(CDialog)->m_wSchema);
}

TEST(AfxCoreRuntimeClass, IsDerivedFromWalksTheBaseChain)
{
    EXPECT_TRUE(RUNTIME_CLASS(CDialog)->IsDerivedFrom(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(RUNTIME_CLASS(CDialog)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(RUNTIME_CLASS(CDialog)->IsDerivedFrom(RUNTIME_CLASS(CDialog)));
    EXPECT_FALSE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(RUNTIME_CLASS(CDialog)));
    EXPECT_FALSE(RUNTIME_CLASS(CCoreShape)->IsDerivedFrom(RUNTIME_CLASS(CCoreSquare)));
    EXPECT_TRUE(RUNTIME_CLASS(CCoreSquare)->IsDerivedFrom(RUNTIME_CLASS(CCoreShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CCoreSquare)->IsDerivedFrom(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(NULL));
}

TEST(AfxCoreRuntimeClass, CreateObjectBuildsAnInstanceOfTheRecordsClass)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CCoreSquare);
    EXPECT_STREQ("CCoreSquare", pClass->m_lpszClassName);
    EXPECT_EQ(sizeof(CCoreSquare), pClass->m_nObjectSize);
    EXPECT_EQ(0xFFFFu, pClass->m_wSchema);
    ASSERT_NE(nullptr, pClass->m_pfnCreateObject);

    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_EQ(pClass, pObject->GetRuntimeClass());
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCoreShape)));
    EXPECT_EQ(4, static_cast<CCoreSquare*>(pObject)->m_nSides);
    EXPECT_FALSE(pObject->IsSerializable());
    delete pObject;

    CWnd* pWnd = static_cast<CWnd*>(RUNTIME_CLASS(CWnd)->CreateObject());
    ASSERT_NE(nullptr, pWnd);
    EXPECT_EQ(nullptr, pWnd->m_hWnd);
    delete pWnd;
}

TEST(AfxCoreRuntimeClass, ClassesWithoutDynamicCreationOrWithAFailingOneGiveNull)
{
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CCoreAbstractish)->m_pfnCreateObject);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CCoreAbstractish)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CDialog)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CCoreThrowing)->CreateObject());
}

TEST(AfxCoreRuntimeClass, FromNameFindsTheClassesOfEveryLoadedModule)
{
    EXPECT_EQ(RUNTIME_CLASS(CCoreSquare), CRuntimeClass::FromName("CCoreSquare"));
    EXPECT_EQ(RUNTIME_CLASS(CWnd), CRuntimeClass::FromName(L"CWnd"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CCoreNoSuchClass"));

    CObject* pObject = CRuntimeClass::CreateObject(L"CCoreSquare");
    ASSERT_NE(nullptr, pObject);
    EXPECT_EQ(RUNTIME_CLASS(CCoreSquare), pObject->GetRuntimeClass());
    delete pObject;
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CCoreAbstractish"));
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CCoreNoSuchClass"));
}

TEST(AfxCoreRuntimeClass, IsKindOfAndDowncastFollowTheObjectsClass)
{
    CCoreSquare square;
    CObject* pObject = &square;
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCoreShape)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(&square, DYNAMIC_DOWNCAST(CCoreShape, pObject));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CWnd, pObject));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CWnd, (CObject*)NULL));

    CDialog dialog;
    EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(dialog.IsKindOf(RUNTIME_CLASS(CFrameWnd)));
}

TEST(AfxCoreRuntimeClass, SchemaMarksSerializableClasses)
{
    EXPECT_EQ(2u, RUNTIME_CLASS(CCoreSerial)->m_wSchema);
    CCoreSerial serial;
    EXPECT_TRUE(serial.IsSerializable());
}

TEST(AfxCoreObject, ExhaustedHeapThrowsCMemoryExceptionAndCreationGivesNull)
{
    for (int attempt = 0; attempt < 2; ++attempt)   // the shared exception object survives Delete()
    {
        bool bCaught = false;
        try
        {
            delete new CCoreHuge;
        }
        catch (CMemoryException* e)
        {
            bCaught = e->IsKindOf(RUNTIME_CLASS(CException));
            e->Delete();
        }
        EXPECT_TRUE(bCaught);
    }
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CCoreGreedy)->CreateObject());
}

TEST(AfxCoreObject, VirtualSlotsComeInTheDocumentedOrder)
{
    // GetRuntimeClass first, then the destructor (two slots with this compiler), Serialize, AssertValid, Dump.
    EXPECT_EQ(0, VirtualSlot(&CObject::GetRuntimeClass));
    EXPECT_EQ(3, VirtualSlot(&CObject::Serialize));
    EXPECT_EQ(4, VirtualSlot(&CObject::AssertValid));
    EXPECT_EQ(5, VirtualSlot(&CObject::Dump));

    CCoreDiag diag;
    CObject* pObject = &diag;
    alignas(void*) TCHAR storage[16] = {};   // the overrides never look at their argument
    pObject->Serialize(*reinterpret_cast<CArchive*>(storage));
    pObject->AssertValid();
    pObject->Dump(*reinterpret_cast<CDumpContext*>(storage));
    EXPECT_EQ(111, diag.m_nCalls);
}
