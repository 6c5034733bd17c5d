// Collection templates: CArray, CList, CMap, with the element helpers they use and the CPlex block allocator.
#pragma once

#include <afx.h>
#include <new>
#include <string.h>

/////////////////////////////////////////////////////////////////////////////
// CPlex: a chain of raw memory blocks; lists and maps carve their nodes out of them.

struct CPlex
{
    CPlex* pNext;   // next block of the chain, null at the end

    void* data() { return this + 1; }

    // Allocates a block of nMax elements of cbElement bytes and puts it at the head of the chain.
    static CPlex* PASCAL Create(CPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement)
    {
        CPlex* p = reinterpret_cast<CPlex*>(new BYTE[sizeof(CPlex) + nMax * cbElement]);
        p->pNext = pHead;
        pHead = p;
        return p;
    }

    // Frees this block and every block after it.
    void FreeDataChain()
    {
        CPlex* p = this;
        while (p != NULL)
        {
            CPlex* pNextBlock = p->pNext;
            delete[] reinterpret_cast<BYTE*>(p);
            p = pNextBlock;
        }
    }
};

/////////////////////////////////////////////////////////////////////////////
// Element helpers, overridable per type by specialisation as in MFC.

// New elements start from zeroed memory, then are default-constructed.
template<class TYPE>
inline void AFXAPI ConstructElements(TYPE* pElements, INT_PTR nCount)
{
    memset(static_cast<void*>(pElements), 0, nCount * sizeof(TYPE));
    for (; nCount-- > 0; pElements++)
        ::new (static_cast<void*>(pElements)) TYPE;
}

template<class TYPE>
inline void AFXAPI DestructElements(TYPE* pElements, INT_PTR nCount)
{
    for (; nCount-- > 0; pElements++)
        pElements->~TYPE();
}

template<class TYPE>
inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount)
{
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

template<class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Hash of a key: the key as an unsigned 32-bit value, shifted right by 4.
template<class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return static_cast<UINT>((DWORD_PTR)key) >> 4;
}

// Strings hash their characters.
template<>
inline UINT AFXAPI HashKey<LPCTSTR>(LPCTSTR key)
{
    UINT nHash = 0;
    if (key != NULL)
        while (*key)
            nHash = (nHash << 5) + nHash + static_cast<BYTE>(*key++);
    return nHash;
}

template<>
inline UINT AFXAPI HashKey<LPTSTR>(LPTSTR key)
{
    return HashKey<LPCTSTR>(key);
}

template<>
inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCTSTR>(static_cast<LPCTSTR>(key));
}

template<>
inline UINT AFXAPI HashKey<CString>(CString key)
{
    return HashKey<LPCTSTR>(static_cast<LPCTSTR>(key));
}

/////////////////////////////////////////////////////////////////////////////
// CArray<TYPE, ARG_TYPE>

// Manages a growable array of TYPE. Elements are moved bitwise when the array grows, as in MFC, so TYPE must
// not point into itself.
template<class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    // Construction
    CArray();

    // Attributes
    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);

    // Operations
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    // Accessing elements; the index must be in range
    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_pData[nIndex]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[nIndex] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[nIndex]; }

    // Direct access to the element data (may be null)
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    // Potentially growing the array
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement) { INT_PTR nIndex = m_nSize; SetAtGrow(nIndex, newElement); return nIndex; }
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    // Overloaded operator helpers
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    // Operations that move elements around
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);

protected:
    TYPE* m_pData;       // the elements; null when m_nMaxSize is 0
    INT_PTR m_nSize;     // elements in use
    INT_PTR m_nMaxSize;  // elements allocated
    INT_PTR m_nGrowBy;   // grow amount; 0 picks one from the size

    // Whether p points into this array's storage (an argument may be one of our own elements).
    bool IsOwnElement(const void* p) const
    {
        const UINT_PTR nAddr = reinterpret_cast<UINT_PTR>(p);
        const UINT_PTR nBegin = reinterpret_cast<UINT_PTR>(m_pData);
        return m_pData != NULL && nAddr >= nBegin && nAddr < nBegin + m_nMaxSize * sizeof(TYPE);
    }

public:
    ~CArray();
};

template<class TYPE, class ARG_TYPE>
CArray<TYPE, ARG_TYPE>::CArray()
    : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0)
{
}

template<class TYPE, class ARG_TYPE>
CArray<TYPE, ARG_TYPE>::~CArray()
{
    if (m_pData != NULL)
    {
        DestructElements<TYPE>(m_pData, m_nSize);
        delete[] reinterpret_cast<BYTE*>(m_pData);
    }
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        nNewSize = 0;
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0)
    {
        if (m_pData != NULL)
        {
            DestructElements<TYPE>(m_pData, m_nSize);
            delete[] reinterpret_cast<BYTE*>(m_pData);
            m_pData = NULL;
        }
        m_nSize = m_nMaxSize = 0;
    }
    else if (m_pData == NULL)
    {
        // first allocation: exactly the size asked for, or the grow amount if larger
        const INT_PTR nAllocSize = (nNewSize > m_nGrowBy) ? nNewSize : m_nGrowBy;
        m_pData = reinterpret_cast<TYPE*>(new BYTE[nAllocSize * sizeof(TYPE)]);
        ConstructElements<TYPE>(m_pData, nNewSize);
        m_nSize = nNewSize;
        m_nMaxSize = nAllocSize;
    }
    else if (nNewSize <= m_nMaxSize)
    {
        if (nNewSize > m_nSize)
            ConstructElements<TYPE>(&m_pData[m_nSize], nNewSize - m_nSize);
        else if (m_nSize > nNewSize)
            DestructElements<TYPE>(&m_pData[nNewSize], m_nSize - nNewSize);
        m_nSize = nNewSize;
    }
    else
    {
        // grow by an eighth of the size, at least 4 and at most 1024 elements, unless told otherwise
        nGrowBy = m_nGrowBy;
        if (nGrowBy == 0)
        {
            nGrowBy = m_nSize / 8;
            nGrowBy = (nGrowBy < 4) ? 4 : ((nGrowBy > 1024) ? 1024 : nGrowBy);
        }
        const INT_PTR nNewMax = (nNewSize < m_nMaxSize + nGrowBy) ? m_nMaxSize + nGrowBy : nNewSize;
        TYPE* pNewData = reinterpret_cast<TYPE*>(new BYTE[nNewMax * sizeof(TYPE)]);
        memcpy(static_cast<void*>(pNewData), static_cast<const void*>(m_pData), m_nSize * sizeof(TYPE));
        ConstructElements<TYPE>(&pNewData[m_nSize], nNewSize - m_nSize);
        delete[] reinterpret_cast<BYTE*>(m_pData);
        m_pData = pNewData;
        m_nSize = nNewSize;
        m_nMaxSize = nNewMax;
    }
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    const INT_PTR nOldSize = m_nSize;
    const INT_PTR nSrcSize = src.m_nSize;
    if (this == &src)
    {
        // appending to itself: the source moves when the array grows
        SetSize(nOldSize + nSrcSize);
        CopyElements<TYPE>(m_pData + nOldSize, m_pData, nSrcSize);
        return nOldSize;
    }
    SetSize(nOldSize + nSrcSize);
    CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, nSrcSize);
    return nOldSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this != &src)
    {
        SetSize(src.m_nSize);
        CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
    }
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    TYPE* pNewData = NULL;
    if (m_nSize != 0)
    {
        pNewData = reinterpret_cast<TYPE*>(new BYTE[m_nSize * sizeof(TYPE)]);
        memcpy(static_cast<void*>(pNewData), static_cast<const void*>(m_pData), m_nSize * sizeof(TYPE));
    }
    delete[] reinterpret_cast<BYTE*>(m_pData);
    m_pData = pNewData;
    m_nMaxSize = m_nSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        return;
    if (nIndex >= m_nSize)
    {
        if (IsOwnElement(&newElement))
        {
            // growing may move the element the argument refers to
            TYPE temp = newElement;
            SetSize(nIndex + 1, -1);
            m_pData[nIndex] = temp;
            return;
        }
        SetSize(nIndex + 1, -1);
    }
    m_pData[nIndex] = newElement;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0)
        return;
    if (IsOwnElement(&newElement))
    {
        TYPE temp = newElement;
        InsertAt(nIndex, temp, nCount);
        return;
    }
    if (nIndex >= m_nSize)
    {
        // adding after the end of the array
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        // inserting in the middle: grow, then slide the tail up over the newly constructed elements
        const INT_PTR nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        DestructElements<TYPE>(&m_pData[nOldSize], nCount);
        memmove(static_cast<void*>(&m_pData[nIndex + nCount]), static_cast<const void*>(&m_pData[nIndex]),
                (nOldSize - nIndex) * sizeof(TYPE));
        ConstructElements<TYPE>(&m_pData[nIndex], nCount);
    }
    while (nCount-- > 0)
        m_pData[nIndex++] = newElement;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize)
        return;
    if (nCount > m_nSize - nIndex)
        nCount = m_nSize - nIndex;
    const INT_PTR nMoveCount = m_nSize - (nIndex + nCount);
    DestructElements<TYPE>(&m_pData[nIndex], nCount);
    if (nMoveCount)
        memmove(static_cast<void*>(&m_pData[nIndex]), static_cast<const void*>(&m_pData[nIndex + nCount]),
                nMoveCount * sizeof(TYPE));
    m_nSize -= nCount;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    if (pNewArray == NULL || nStartIndex < 0 || pNewArray->GetSize() <= 0)
        return;
    if (pNewArray == this)
    {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
    for (INT_PTR i = 0; i < pNewArray->GetSize(); i++)
        SetAt(nStartIndex + i, pNewArray->GetAt(i));
}

/////////////////////////////////////////////////////////////////////////////
// CList<TYPE, ARG_TYPE>

// Manages a doubly linked list of TYPE; nodes come from blocks of m_nBlockSize and are recycled.
template<class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    // Construction
    CList(INT_PTR nBlockSize = 10);

    // Attributes (head and tail)
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // The list must not be empty
    TYPE& GetHead() { return m_pNodeHead->data; }
    const TYPE& GetHead() const { return m_pNodeHead->data; }
    TYPE& GetTail() { return m_pNodeTail->data; }
    const TYPE& GetTail() const { return m_pNodeTail->data; }

    // Operations
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    // Iteration
    POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }
    POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pNodeTail); }
    TYPE& GetNext(POSITION& rPosition)
    { CNode* pNode = reinterpret_cast<CNode*>(rPosition); rPosition = reinterpret_cast<POSITION>(pNode->pNext); return pNode->data; }
    const TYPE& GetNext(POSITION& rPosition) const
    { CNode* pNode = reinterpret_cast<CNode*>(rPosition); rPosition = reinterpret_cast<POSITION>(pNode->pNext); return pNode->data; }
    TYPE& GetPrev(POSITION& rPosition)
    { CNode* pNode = reinterpret_cast<CNode*>(rPosition); rPosition = reinterpret_cast<POSITION>(pNode->pPrev); return pNode->data; }
    const TYPE& GetPrev(POSITION& rPosition) const
    { CNode* pNode = reinterpret_cast<CNode*>(rPosition); rPosition = reinterpret_cast<POSITION>(pNode->pPrev); return pNode->data; }

    // Getting/modifying an element at a given position
    TYPE& GetAt(POSITION position) { return reinterpret_cast<CNode*>(position)->data; }
    const TYPE& GetAt(POSITION position) const { return reinterpret_cast<CNode*>(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { reinterpret_cast<CNode*>(pos)->data = newElement; }
    void RemoveAt(POSITION position);

    // Inserting before or after a given position (null: at the head or the tail)
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // Searching: a linear walk; null when not found
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(INT_PTR nIndex) const;

protected:
    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    CNode* m_pNodeFree;      // recycled nodes, linked through pNext
    struct CPlex* m_pBlocks; // node blocks; all freed when the list becomes empty
    INT_PTR m_nBlockSize;

    CNode* NewNode(CNode* pPrev, CNode* pNext);
    void FreeNode(CNode* pNode);

public:
    ~CList();
};

template<class TYPE, class ARG_TYPE>
CList<TYPE, ARG_TYPE>::CList(INT_PTR nBlockSize)
    : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0), m_pNodeFree(NULL), m_pBlocks(NULL),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
{
}

template<class TYPE, class ARG_TYPE>
CList<TYPE, ARG_TYPE>::~CList()
{
    RemoveAll();
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
        DestructElements<TYPE>(&pNode->data, 1);
    m_nCount = 0;
    m_pNodeHead = m_pNodeTail = m_pNodeFree = NULL;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template<class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(CNode* pPrev, CNode* pNext)
{
    if (m_pNodeFree == NULL)
    {
        // add another block, chaining its nodes into the free list in reverse so the first is used first
        CPlex* pNewBlock = CPlex::Create(m_pBlocks, m_nBlockSize, sizeof(CNode));
        CNode* pNode = static_cast<CNode*>(pNewBlock->data());
        pNode += m_nBlockSize - 1;
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; i--, pNode--)
        {
            pNode->pNext = m_pNodeFree;
            m_pNodeFree = pNode;
        }
    }
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = m_pNodeFree->pNext;
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    m_nCount++;
    ConstructElements<TYPE>(&pNode->data, 1);
    return pNode;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::FreeNode(CNode* pNode)
{
    DestructElements<TYPE>(&pNode->data, 1);
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    m_nCount--;
    if (m_nCount == 0)
        RemoveAll();
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement)
{
    CNode* pNewNode = NewNode(NULL, m_pNodeHead);
    pNewNode->data = newElement;
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    m_pNodeHead = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement)
{
    CNode* pNewNode = NewNode(m_pNodeTail, NULL);
    pNewNode->data = newElement;
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    m_pNodeTail = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList)
{
    if (pNewList == NULL || pNewList == this)
        return;
    // add a list of same elements to head (maintain order)
    POSITION pos = pNewList->GetTailPosition();
    while (pos != NULL)
        AddHead(pNewList->GetPrev(pos));
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList)
{
    if (pNewList == NULL || pNewList == this)
        return;
    POSITION pos = pNewList->GetHeadPosition();
    while (pos != NULL)
        AddTail(pNewList->GetNext(pos));
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    CNode* pOldNode = m_pNodeHead;
    TYPE returnValue = pOldNode->data;
    m_pNodeHead = pOldNode->pNext;
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = NULL;
    else
        m_pNodeTail = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    CNode* pOldNode = m_pNodeTail;
    TYPE returnValue = pOldNode->data;
    m_pNodeTail = pOldNode->pPrev;
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = NULL;
    else
        m_pNodeHead = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddHead(newElement);
    CNode* pOldNode = reinterpret_cast<CNode*>(position);
    CNode* pNewNode = NewNode(pOldNode->pPrev, pOldNode);
    pNewNode->data = newElement;
    if (pOldNode->pPrev != NULL)
        pOldNode->pPrev->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    pOldNode->pPrev = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddTail(newElement);
    CNode* pOldNode = reinterpret_cast<CNode*>(position);
    CNode* pNewNode = NewNode(pOldNode, pOldNode->pNext);
    pNewNode->data = newElement;
    if (pOldNode->pNext != NULL)
        pOldNode->pNext->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    pOldNode->pNext = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pOldNode = reinterpret_cast<CNode*>(position);
    if (pOldNode == NULL)
        return;
    if (pOldNode == m_pNodeHead)
        m_pNodeHead = pOldNode->pNext;
    else
        pOldNode->pPrev->pNext = pOldNode->pNext;
    if (pOldNode == m_pNodeTail)
        m_pNodeTail = pOldNode->pPrev;
    else
        pOldNode->pNext->pPrev = pOldNode->pPrev;
    FreeNode(pOldNode);
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return reinterpret_cast<POSITION>(pNode);
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = reinterpret_cast<CNode*>(startAfter);
    pNode = (pNode == NULL) ? m_pNodeHead : pNode->pNext;
    for (; pNode != NULL; pNode = pNode->pNext)
        if (CompareElements<TYPE>(&pNode->data, &searchValue))
            return reinterpret_cast<POSITION>(pNode);
    return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>

// Manages a hash map from KEY to VALUE. The bucket of a key is HashKey(key) % m_nHashTableSize (17 by default);
// the bucket array is created on the first insertion; associations come from blocks of m_nBlockSize and are
// recycled through a free list; a new association goes to the head of its bucket's chain; when the count drops
// to zero the bucket array and all blocks are freed at once.
template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;   // bucket index, needed for efficient iteration
        KEY key;
        VALUE value;
    };

public:
    // Construction
    CMap(INT_PTR nBlockSize = 10);

    // Attributes
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // Lookup: TRUE and the value when the key is present
    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;

    // Operations
    // Lookup and add if not there
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    // Iteration: bucket by bucket, each bucket's chain from its head
    POSITION GetStartPosition() const { return (m_nCount == 0) ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    // Advanced features for derived classes
    UINT GetHashTableSize() const { return m_nHashTableSize; }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

protected:
    CAssoc** m_pHashTable;     // bucket heads; null until the first insertion and after the map empties
    UINT m_nHashTableSize;
    INT_PTR m_nCount;
    CAssoc* m_pFreeList;       // recycled associations, linked through pNext
    struct CPlex* m_pBlocks;
    INT_PTR m_nBlockSize;

    CAssoc* NewAssoc();
    void FreeAssoc(CAssoc* pAssoc);
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const;

public:
    ~CMap();
};

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CMap(INT_PTR nBlockSize)
    : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0), m_pFreeList(NULL), m_pBlocks(NULL),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
{
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::~CMap()
{
    RemoveAll();
}

// Used to force allocation of a hash table or to override the default size; only while the map is empty.
template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow)
{
    if (m_nCount != 0 || nHashSize == 0)
        return;
    delete[] m_pHashTable;
    m_pHashTable = NULL;
    if (bAllocNow)
    {
        m_pHashTable = new CAssoc*[nHashSize];
        memset(m_pHashTable, 0, sizeof(CAssoc*) * nHashSize);
    }
    m_nHashTableSize = nHashSize;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != NULL)
    {
        for (UINT nHash = 0; nHash < m_nHashTableSize; nHash++)
        {
            for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            {
                DestructElements<VALUE>(&pAssoc->value, 1);
                DestructElements<KEY>(&pAssoc->key, 1);
            }
        }
    }
    delete[] m_pHashTable;
    m_pHashTable = NULL;
    m_nCount = 0;
    m_pFreeList = NULL;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc()
{
    if (m_pFreeList == NULL)
    {
        // add another block, chaining its associations into the free list in reverse so the first is used first
        CPlex* pNewBlock = CPlex::Create(m_pBlocks, m_nBlockSize, sizeof(CAssoc));
        CAssoc* pAssoc = static_cast<CAssoc*>(pNewBlock->data());
        pAssoc += m_nBlockSize - 1;
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; i--, pAssoc--)
        {
            pAssoc->pNext = m_pFreeList;
            m_pFreeList = pAssoc;
        }
    }
    CAssoc* pAssoc = m_pFreeList;
    m_pFreeList = m_pFreeList->pNext;
    m_nCount++;
    ConstructElements<KEY>(&pAssoc->key, 1);
    ConstructElements<VALUE>(&pAssoc->value, 1);
    return pAssoc;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc* pAssoc)
{
    DestructElements<VALUE>(&pAssoc->value, 1);
    DestructElements<KEY>(&pAssoc->key, 1);
    pAssoc->pNext = m_pFreeList;
    m_pFreeList = pAssoc;
    m_nCount--;
    // when no element is left, clean up completely
    if (m_nCount == 0)
        RemoveAll();
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nHash) const
{
    nHash = HashKey<ARG_KEY>(key) % m_nHashTableSize;
    if (m_pHashTable == NULL)
        return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return NULL;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL)
    {
        if (m_pHashTable == NULL)
            InitHashTable(m_nHashTableSize);
        pAssoc = NewAssoc();
        pAssoc->nHashValue = nHash;
        pAssoc->key = key;
        // the value is default-constructed; the caller assigns it through the returned reference
        pAssoc->pNext = m_pHashTable[nHash];
        m_pHashTable[nHash] = pAssoc;
    }
    return pAssoc->value;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    CAssoc** ppAssocPrev = &m_pHashTable[HashKey<ARG_KEY>(key) % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (CompareElements(&pAssoc->key, &key))
        {
            *ppAssocPrev = pAssoc->pNext;
            FreeAssoc(pAssoc);
            return TRUE;
        }
        ppAssocPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    CAssoc* pAssocRet = reinterpret_cast<CAssoc*>(rNextPosition);
    if (m_pHashTable == NULL || pAssocRet == NULL)
    {
        // nothing to iterate: end the walk
        rNextPosition = NULL;
        return;
    }
    if (pAssocRet == reinterpret_cast<CAssoc*>(BEFORE_START_POSITION))
    {
        // find the first association
        pAssocRet = NULL;
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++)
            if ((pAssocRet = m_pHashTable[nBucket]) != NULL)
                break;
        if (pAssocRet == NULL)
        {
            rNextPosition = NULL;
            return;
        }
    }

    // find the next association: along the chain, else the head of the next non-empty bucket
    CAssoc* pAssocNext = pAssocRet->pNext;
    if (pAssocNext == NULL)
    {
        for (UINT nBucket = pAssocRet->nHashValue + 1; nBucket < m_nHashTableSize; nBucket++)
            if ((pAssocNext = m_pHashTable[nBucket]) != NULL)
                break;
    }
    rNextPosition = reinterpret_cast<POSITION>(pAssocNext);
    rKey = pAssocRet->key;
    rValue = pAssocRet->value;
}
