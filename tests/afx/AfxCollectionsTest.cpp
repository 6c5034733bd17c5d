// CMap (hash shape, block allocation, emptying and reuse), CArray (growth, moves) and CList.
#include "QELTest.h"

#include <afxtempl.h>

#include <vector>

namespace {

// Opens the map's bookkeeping to the tests.
template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMapProbe : public CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>
{
    typedef CMap<KEY, ARG_KEY, VALUE, ARG_VALUE> Base;

public:
    bool HasBuckets() const { return Base::m_pHashTable != NULL; }
    int BlockCount() const
    {
        int n = 0;
        for (CPlex* p = Base::m_pBlocks; p != NULL; p = p->pNext)
            n++;
        return n;
    }
    bool HasFreeList() const { return Base::m_pFreeList != NULL; }
    // Keys of one bucket, from the head of its chain.
    std::vector<KEY> Chain(UINT nBucket) const
    {
        std::vector<KEY> keys;
        for (typename Base::CAssoc* p = Base::m_pHashTable[nBucket]; p != NULL; p = p->pNext)
            keys.push_back(p->key);
        return keys;
    }
};

typedef CMapProbe<int, int, int, int> IntMap;

std::vector<int> IterationOrder(const IntMap& map)
{
    std::vector<int> keys;
    POSITION pos = map.GetStartPosition();
    while (pos != NULL)
    {
        int key = 0;
        int value = 0;
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    return keys;
}

struct Record
{
    int a;
    int b;
    TCHAR text[8];
};

TEST(CMapValues, StartsWithoutBucketsAndSeventeenSlots)
{
    IntMap map;
    EXPECT_EQ(17u, map.GetHashTableSize());
    EXPECT_FALSE(map.HasBuckets());
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    int v = 0xdead;
    EXPECT_FALSE(map.Lookup(3, v));
    EXPECT_EQ(0xdead, v);
    EXPECT_FALSE(map.RemoveKey(3));
    EXPECT_FALSE(map.HasBuckets());

    map.SetAt(3, 30);
    EXPECT_TRUE(map.HasBuckets());
    EXPECT_EQ(1, map.BlockCount());
    EXPECT_TRUE(map.Lookup(3, v));
    EXPECT_EQ(30, v);
}

TEST(CMapValues, BucketIsKeyShiftedByFourModuloSize)
{
    IntMap map;
    // 0, 272 (17 << 4) and 544 share bucket 0; 16 goes to bucket 1; new entries join at the chain's head
    map[0] = 1;
    map[272] = 2;
    map[16] = 3;
    map[544] = 4;
    EXPECT_EQ((std::vector<int>{544, 272, 0}), map.Chain(0));
    EXPECT_EQ((std::vector<int>{16}), map.Chain(1));
    EXPECT_EQ((std::vector<int>{544, 272, 0, 16}), IterationOrder(map));
}

TEST(CMapValues, NegativeKeysHashAsUnsigned)
{
    IntMap map;
    map[-1] = 10;
    map[-16] = 20;
    // (0xFFFFFFFF >> 4) % 17 == 0x0FFFFFFF % 17 == 15; -16 is 0xFFFFFFF0, the same bucket
    const UINT nBucket = 15;
    EXPECT_EQ((std::vector<int>{-16, -1}), map.Chain(nBucket));
    int v = 0;
    EXPECT_TRUE(map.Lookup(-1, v));
    EXPECT_EQ(10, v);
    EXPECT_TRUE(map.RemoveKey(-16));
    EXPECT_FALSE(map.Lookup(-16, v));
    EXPECT_TRUE(map.Lookup(-1, v));
}

TEST(CMapValues, AssociationsComeInBlocksOfTenAndAreRecycled)
{
    IntMap map;
    for (int i = 0; i < 10; i++)
        map[i * 16] = i;
    EXPECT_EQ(1, map.BlockCount());
    EXPECT_FALSE(map.HasFreeList());
    map[1000] = 1;
    EXPECT_EQ(2, map.BlockCount());
    EXPECT_TRUE(map.RemoveKey(0));
    EXPECT_TRUE(map.RemoveKey(16));
    map[2000] = 2;
    map[3000] = 3;
    map[4000] = 4;
    EXPECT_EQ(2, map.BlockCount());
    EXPECT_EQ(12, (int)map.GetCount());
}

TEST(CMapValues, RemovingTheLastEntryFreesEverythingAndTheMapIsReusable)
{
    IntMap map;
    for (int i = 0; i < 25; i++)
        map[i] = i * 2;
    EXPECT_EQ(3, map.BlockCount());
    for (int i = 24; i > 0; i--)
        EXPECT_TRUE(map.RemoveKey(i));
    EXPECT_TRUE(map.HasBuckets());
    EXPECT_EQ(3, map.BlockCount());
    EXPECT_TRUE(map.RemoveKey(0));
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(map.HasBuckets());
    EXPECT_EQ(0, map.BlockCount());
    EXPECT_FALSE(map.HasFreeList());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    EXPECT_EQ(17u, map.GetHashTableSize());

    // the bucket array is created again on the next insertion
    map[7] = 70;
    EXPECT_TRUE(map.HasBuckets());
    EXPECT_EQ(1, map.BlockCount());
    EXPECT_EQ((std::vector<int>{7}), IterationOrder(map));
    int v = 0;
    EXPECT_TRUE(map.Lookup(7, v));
    EXPECT_EQ(70, v);
}

TEST(CMapValues, ManyKeysWithCollisions)
{
    IntMap map;
    const int nKeys = 2000;
    for (int i = 0; i < nKeys; i++)
        map[i * 3 - 1000] = i;
    EXPECT_EQ(nKeys, (int)map.GetCount());
    map[-1000] = -1;   // overwrite, no new entry
    EXPECT_EQ(nKeys, (int)map.GetCount());
    int v = 0;
    for (int i = 1; i < nKeys; i++)
    {
        ASSERT_TRUE(map.Lookup(i * 3 - 1000, v));
        ASSERT_EQ(i, v);
    }
    EXPECT_FALSE(map.Lookup(-999, v));
    const std::vector<int> order = IterationOrder(map);
    EXPECT_EQ((size_t)nKeys, order.size());
    // iteration walks the buckets in ascending order
    UINT nLastBucket = 0;
    for (size_t i = 0; i < order.size(); i++)
    {
        const UINT nBucket = ((UINT)order[i] >> 4) % 17;
        ASSERT_GE(nBucket, nLastBucket);
        nLastBucket = nBucket;
    }
    for (int i = 0; i < nKeys; i += 2)
        EXPECT_TRUE(map.RemoveKey(i * 3 - 1000));
    EXPECT_EQ(nKeys / 2, (int)map.GetCount());
    map.RemoveAll();
    EXPECT_FALSE(map.HasBuckets());
    EXPECT_EQ(0, map.BlockCount());
}

TEST(CMapValues, InitHashTableOnlyWhileEmpty)
{
    IntMap map;
    map.InitHashTable(31);
    EXPECT_EQ(31u, map.GetHashTableSize());
    EXPECT_TRUE(map.HasBuckets());
    map[31 << 4] = 1;
    EXPECT_EQ((std::vector<int>{31 << 4}), map.Chain(0));
    map.InitHashTable(7);
    EXPECT_EQ(31u, map.GetHashTableSize());
    int v = 0;
    EXPECT_TRUE(map.Lookup(31 << 4, v));
}

TEST(CMapValues, NewValuesAreZeroedRecords)
{
    CMap<int, int, Record, Record&> map;
    Record& r = map[5];
    EXPECT_EQ(0, r.a);
    EXPECT_EQ(0, r.b);
    EXPECT_EQ('\0', r.text[0]);
    r.a = 9;
    Record copy = {};
    EXPECT_TRUE(map.Lookup(5, copy));
    EXPECT_EQ(9, copy.a);
}

TEST(CMapValues, StringKeys)
{
    CMap<CString, LPCTSTR, int, int> map;
    map[_T("alpha")] = 1;
    map[CString("beta")] = 2;
    map[_T("alpha")] = 3;
    EXPECT_EQ(2, (int)map.GetCount());
    int v = 0;
    EXPECT_TRUE(map.Lookup(_T("alpha"), v));
    EXPECT_EQ(3, v);
    EXPECT_FALSE(map.Lookup(_T("ALPHA"), v));
    EXPECT_TRUE(map.RemoveKey(_T("beta")));
    EXPECT_FALSE(map.Lookup(_T("beta"), v));
    CString key;
    POSITION pos = map.GetStartPosition();
    map.GetNextAssoc(pos, key, v);
    EXPECT_STREQ(_T("alpha"), (LPCTSTR)key);
    EXPECT_EQ(nullptr, pos);
}

// Opens the array's allocation to the tests.
template<class TYPE, class ARG_TYPE>
class CArrayProbe : public CArray<TYPE, ARG_TYPE>
{
public:
    INT_PTR Allocated() const { return CArray<TYPE, ARG_TYPE>::m_nMaxSize; }
};

TEST(CArrayValues, GrowthByAnEighthWithinFourAndOneThousandTwentyFour)
{
    CArrayProbe<int, int> a;
    a.Add(1);
    EXPECT_EQ(1, a.Allocated());
    a.Add(2);
    EXPECT_EQ(5, a.Allocated());      // grows by at least 4
    a.SetSize(100);
    EXPECT_EQ(100, a.Allocated());    // a large request is taken exactly
    a.Add(3);
    EXPECT_EQ(112, a.Allocated());    // 100 / 8 = 12
    a.SetSize(20000);
    a.Add(4);
    EXPECT_EQ(21024, a.Allocated());  // capped at 1024
    EXPECT_EQ(20001, a.GetSize());
    a.SetSize(10);
    EXPECT_EQ(21024, a.Allocated());
    a.FreeExtra();
    EXPECT_EQ(10, a.Allocated());
    EXPECT_EQ(1, a[0]);
    EXPECT_EQ(0, a[9]);               // new elements start zeroed
    a.RemoveAll();
    EXPECT_EQ(0, a.Allocated());
    EXPECT_EQ(0, a.GetSize());

    CArrayProbe<int, int> b;
    b.SetSize(0, 16);
    b.Add(1);
    EXPECT_EQ(16, b.Allocated());
}

TEST(CArrayValues, InsertRemoveAndCopyOfStrings)
{
    CArray<CString, LPCTSTR> a;
    a.Add(_T("b"));
    a.Add(_T("d"));
    a.InsertAt(0, _T("a"));
    a.InsertAt(2, _T("c"), 2);
    a.InsertAt(10, _T("z"));
    ASSERT_EQ(11, a.GetSize());
    EXPECT_STREQ(_T("a"), (LPCTSTR)a[0]);
    EXPECT_STREQ(_T("b"), (LPCTSTR)a[1]);
    EXPECT_STREQ(_T("c"), (LPCTSTR)a[2]);
    EXPECT_STREQ(_T("c"), (LPCTSTR)a[3]);
    EXPECT_STREQ(_T("d"), (LPCTSTR)a[4]);
    EXPECT_TRUE(a[5].IsEmpty());
    EXPECT_STREQ(_T("z"), (LPCTSTR)a[10]);
    a.RemoveAt(3, 100);
    EXPECT_EQ(3, a.GetSize());
    a.RemoveAt(-1);
    a.RemoveAt(3);
    EXPECT_EQ(3, a.GetSize());

    CArray<CString, LPCTSTR> b;
    b.Copy(a);
    b[0] = "changed";
    EXPECT_STREQ(_T("a"), (LPCTSTR)a[0]);
    EXPECT_EQ(3, b.Append(a));
    EXPECT_EQ(6, b.GetSize());
    EXPECT_STREQ(_T("a"), (LPCTSTR)b[3]);
    b.InsertAt(1, &a);
    EXPECT_EQ(9, b.GetSize());
    EXPECT_STREQ(_T("changed"), (LPCTSTR)b[0]);
    EXPECT_STREQ(_T("a"), (LPCTSTR)b[1]);
    EXPECT_STREQ(_T("c"), (LPCTSTR)b[3]);
    EXPECT_STREQ(_T("b"), (LPCTSTR)b[4]);
}

TEST(CArrayValues, AddingAnOwnElementWhileGrowing)
{
    CArray<CPoint, const CPoint&> a;
    a.Add(CPoint(1, 2));
    for (int i = 0; i < 40; i++)
        a.Add(a[0]);
    EXPECT_EQ(41, a.GetSize());
    EXPECT_EQ(CPoint(1, 2), a[40]);
    a.InsertAt(0, a[40], 30);
    EXPECT_EQ(CPoint(1, 2), a[0]);
    EXPECT_EQ(CPoint(1, 2), a[29]);

    CArray<CString, const CString&> s;
    s.Add(CString("keep"));
    for (int i = 0; i < 20; i++)
        s.Add(s[i]);
    EXPECT_STREQ(_T("keep"), (LPCTSTR)s[20]);
    s.Append(s);
    EXPECT_EQ(42, s.GetSize());
    EXPECT_STREQ(_T("keep"), (LPCTSTR)s[41]);
}

TEST(CListValues, BuildWalkAndRemove)
{
    CList<int, int> list;
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    list.AddTail(2);
    list.AddTail(3);
    list.AddHead(1);
    POSITION pos3 = list.Find(3);
    ASSERT_NE(nullptr, pos3);
    list.InsertBefore(pos3, 25);
    list.InsertAfter(pos3, 4);
    EXPECT_EQ(5, list.GetCount());

    std::vector<int> forward;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        forward.push_back(list.GetNext(pos));
    EXPECT_EQ((std::vector<int>{1, 2, 25, 3, 4}), forward);
    std::vector<int> backward;
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        backward.push_back(list.GetPrev(pos));
    EXPECT_EQ((std::vector<int>{4, 3, 25, 2, 1}), backward);

    EXPECT_EQ(25, list.GetAt(list.FindIndex(2)));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    EXPECT_EQ(nullptr, list.Find(3, pos3));
    list.RemoveAt(list.Find(25));
    EXPECT_EQ(1, list.RemoveHead());
    EXPECT_EQ(4, list.RemoveTail());
    EXPECT_EQ(2, list.GetHead());
    EXPECT_EQ(3, list.GetTail());
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(list.GetHeadPosition());
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_EQ(nullptr, list.GetTailPosition());
    list.AddTail(9);
    EXPECT_EQ(9, list.GetHead());
}

TEST(CListValues, StringElementsAndListAppend)
{
    CList<CString, LPCTSTR> a;
    CList<CString, LPCTSTR> b;
    for (int i = 0; i < 25; i++)
    {
        CString s;
        s.Format(_T("item %d"), i);
        a.AddTail(s);
    }
    b.AddTail(_T("first"));
    b.AddTail(&a);
    b.AddHead(&a);
    EXPECT_EQ(51, b.GetCount());
    EXPECT_STREQ(_T("item 0"), (LPCTSTR)b.GetHead());
    EXPECT_STREQ(_T("item 24"), (LPCTSTR)b.GetTail());
    EXPECT_STREQ(_T("first"), (LPCTSTR)b.GetAt(b.FindIndex(25)));
    EXPECT_NE(nullptr, b.Find(_T("item 13")));
    b.RemoveAll();
    EXPECT_EQ(0, b.GetCount());
    EXPECT_EQ(25, a.GetCount());
}

} // namespace
