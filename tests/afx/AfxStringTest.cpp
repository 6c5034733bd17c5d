// CString: value semantics, editing, searching, formatting, buffers and multibyte behaviour.
#include "QELTest.h"

#include <mbctype.h>
#include <string>

namespace {

TEST(CStringValues, ConstructionForms)
{
    EXPECT_STREQ("abc", (LPCTSTR)CString("abc"));
    EXPECT_STREQ("xxxx", (LPCTSTR)CString('x', 4));
    EXPECT_TRUE(CString('x', 0).IsEmpty());
    EXPECT_TRUE(CString('x', -3).IsEmpty());
    EXPECT_STREQ("ab", (LPCTSTR)CString("abcdef", 2));
    EXPECT_TRUE(CString((LPCSTR)NULL).IsEmpty());
    EXPECT_TRUE(CString("abc", -1).IsEmpty());
    EXPECT_STREQ("wide", (LPCTSTR)CString(L"wide"));
    // a resource id with no such string resource gives an empty string, never a read of address 0x1234
    EXPECT_TRUE(CString(MAKEINTRESOURCEA(0x1234)).IsEmpty());
    CString loaded("stale");
    EXPECT_FALSE(loaded.LoadString(0x1234));
    EXPECT_TRUE(loaded.IsEmpty());
    EXPECT_EQ(sizeof(LPTSTR), sizeof(CString));
}

TEST(CStringValues, CopiesAreIndependent)
{
    CString a("one");
    CString b(a);
    b.SetAt(0, 'O');
    b += "!";
    EXPECT_STREQ("one", (LPCTSTR)a);
    EXPECT_STREQ("One!", (LPCTSTR)b);
    a = b;
    b.Empty();
    EXPECT_STREQ("One!", (LPCTSTR)a);
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_STREQ("", (LPCTSTR)b);
}

TEST(CStringValues, AssignmentAndAppendFromOwnBuffer)
{
    CString s("abcdef");
    s = s;
    EXPECT_STREQ("abcdef", (LPCTSTR)s);
    s = (LPCTSTR)s + 2;
    EXPECT_STREQ("cdef", (LPCTSTR)s);
    s += s;
    EXPECT_STREQ("cdefcdef", (LPCTSTR)s);
    s += (LPCTSTR)s + 6;
    EXPECT_STREQ("cdefcdefef", (LPCTSTR)s);
    EXPECT_EQ(10, s.GetLength());
}

TEST(CStringValues, ConcatenationOperators)
{
    const CString a("ab");
    EXPECT_STREQ("abcd", (LPCTSTR)(a + "cd"));
    EXPECT_STREQ("cdab", (LPCTSTR)("cd" + a));
    EXPECT_STREQ("ab!", (LPCTSTR)(a + '!'));
    EXPECT_STREQ("!ab", (LPCTSTR)('!' + a));
    EXPECT_STREQ("abab", (LPCTSTR)(a + a));
    CString s;
    for (int i = 0; i < 1000; i++)
        s += 'z';
    EXPECT_EQ(1000, s.GetLength());
    EXPECT_EQ(1000, lstrlenA(s));
}

TEST(CStringValues, ElementAccessOutOfRangeIsHarmless)
{
    CString s("abc");
    EXPECT_EQ('b', s[1]);
    EXPECT_EQ('c', s.GetAt(2));
    EXPECT_EQ('\0', s.GetAt(3));
    EXPECT_EQ('\0', s.GetAt(-1));
    s.SetAt(5, 'x');
    s.SetAt(-1, 'x');
    EXPECT_STREQ("abc", (LPCTSTR)s);
    CString empty;
    empty.SetAt(0, 'x');
    EXPECT_STREQ("", (LPCTSTR)empty);
}

TEST(CStringValues, Comparisons)
{
    CString s("Apple");
    EXPECT_TRUE(s == "Apple");
    EXPECT_TRUE("Apple" == s);
    EXPECT_TRUE(s != "apple");
    EXPECT_EQ(0, s.CompareNoCase("aPPLE"));
    EXPECT_LT(s.Compare("Banana"), 0);
    EXPECT_GT(s.Compare("Aardvark"), 0);
    EXPECT_TRUE(s < CString("Apples"));
    EXPECT_TRUE(CString("B") > s);
    EXPECT_TRUE(s <= "Apple" && s >= "Apple");
    EXPECT_EQ(0, s.Collate("Apple"));
    EXPECT_GT(s.Compare(NULL), 0);
    EXPECT_EQ(0, CString().Compare(NULL));
}

TEST(CStringValues, ExtractionClampsToTheString)
{
    CString s("abcdef");
    EXPECT_STREQ("cd", (LPCTSTR)s.Mid(2, 2));
    EXPECT_STREQ("cdef", (LPCTSTR)s.Mid(2));
    EXPECT_STREQ("ef", (LPCTSTR)s.Mid(4, 100));
    EXPECT_STREQ("", (LPCTSTR)s.Mid(10, 2));
    EXPECT_STREQ("ab", (LPCTSTR)s.Mid(-3, 2));
    EXPECT_STREQ("", (LPCTSTR)s.Mid(2, -1));
    EXPECT_STREQ("abc", (LPCTSTR)s.Left(3));
    EXPECT_STREQ("abcdef", (LPCTSTR)s.Left(99));
    EXPECT_STREQ("", (LPCTSTR)s.Left(-1));
    EXPECT_STREQ("def", (LPCTSTR)s.Right(3));
    EXPECT_STREQ("abcdef", (LPCTSTR)s.Right(99));
    EXPECT_STREQ("", (LPCTSTR)s.Right(-2));
    EXPECT_STREQ("abc", (LPCTSTR)CString("abc123").SpanIncluding("abcdefghij"));
    EXPECT_STREQ("abc", (LPCTSTR)CString("abc;123").SpanExcluding(";,"));
}

TEST(CStringValues, Searching)
{
    CString s("a.b.c");
    EXPECT_EQ(1, s.Find('.'));
    EXPECT_EQ(3, s.Find('.', 2));
    EXPECT_EQ(-1, s.Find('.', 4));
    EXPECT_EQ(-1, s.Find('.', 50));
    EXPECT_EQ(3, s.ReverseFind('.'));
    EXPECT_EQ(2, s.Find("b.c"));
    EXPECT_EQ(-1, s.Find("b.c", 3));
    EXPECT_EQ(-1, s.Find("x"));
    EXPECT_EQ(-1, s.Find((LPCTSTR)NULL));
    EXPECT_EQ(1, s.FindOneOf(".c"));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
    EXPECT_EQ(-1, s.Find('\0'));
}

TEST(CStringValues, ReplaceRemoveInsertDelete)
{
    CString s("one two one");
    EXPECT_EQ(2, s.Replace("one", "three"));
    EXPECT_STREQ("three two three", (LPCTSTR)s);
    EXPECT_EQ(2, s.Replace("three", ""));
    EXPECT_STREQ(" two ", (LPCTSTR)s);
    EXPECT_EQ(0, s.Replace("", "x"));
    EXPECT_EQ(0, s.Replace("absent", "x"));
    EXPECT_EQ(2, s.Replace(' ', '_'));
    EXPECT_STREQ("_two_", (LPCTSTR)s);
    EXPECT_EQ(2, s.Remove('_'));
    EXPECT_STREQ("two", (LPCTSTR)s);
    EXPECT_EQ(5, s.Insert(0, "<<"));
    EXPECT_EQ(6, s.Insert(99, '>'));
    EXPECT_STREQ("<<two>", (LPCTSTR)s);
    EXPECT_EQ(4, s.Delete(0, 2));
    EXPECT_EQ(3, s.Delete(3, 10));
    EXPECT_EQ(3, s.Delete(7, 1));
    EXPECT_STREQ("two", (LPCTSTR)s);
}

TEST(CStringValues, Trimming)
{
    CString s(" \t text \r\n");
    s.TrimLeft();
    EXPECT_STREQ("text \r\n", (LPCTSTR)s);
    s.TrimRight();
    EXPECT_STREQ("text", (LPCTSTR)s);
    CString t("xxabcxyx");
    t.TrimLeft('x');
    EXPECT_STREQ("abcxyx", (LPCTSTR)t);
    t.TrimRight("xy");
    EXPECT_STREQ("abc", (LPCTSTR)t);
    CString blank("   ");
    blank.TrimRight();
    EXPECT_TRUE(blank.IsEmpty());
}

TEST(CStringValues, CaseAndReverse)
{
    CString s("MiXeD 1");
    s.MakeUpper();
    EXPECT_STREQ("MIXED 1", (LPCTSTR)s);
    s.MakeLower();
    EXPECT_STREQ("mixed 1", (LPCTSTR)s);
    s.MakeReverse();
    EXPECT_STREQ("1 dexim", (LPCTSTR)s);
}

TEST(CStringValues, FormatOfAnyLength)
{
    CString s;
    s.Format("%d-%s-%c-%05.1f", 42, "x", 'y', 3.14159);
    EXPECT_STREQ("42-x-y-003.1", (LPCTSTR)s);

    const std::string big(100000, 'q');
    s.Format("[%s]", big.c_str());
    ASSERT_EQ(100002, s.GetLength());
    EXPECT_EQ('[', s[0]);
    EXPECT_EQ('q', s[50000]);
    EXPECT_EQ(']', s[100001]);

    // the arguments may be the string's own characters
    s = "self";
    s.Format("%s+%s", (LPCTSTR)s, (LPCTSTR)s);
    EXPECT_STREQ("self+self", (LPCTSTR)s);

    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringValues, DirectBufferAccess)
{
    CString s("ab");
    LPTSTR p = s.GetBuffer(10);
    lstrcpyA(p, "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(10, s.GetLength());
    EXPECT_STREQ("0123456789", (LPCTSTR)s);

    p = s.GetBuffer(0);
    p[3] = '\0';
    s.ReleaseBuffer();
    EXPECT_STREQ("012", (LPCTSTR)s);

    p = s.GetBufferSetLength(5);
    memcpy(p, "hello", 5);
    s.ReleaseBuffer(4);
    EXPECT_STREQ("hell", (LPCTSTR)s);

    // a length beyond the buffer is clamped to it
    CString t;
    t.GetBuffer(3);
    memcpy(t.GetBuffer(3), "xyz", 3);
    t.ReleaseBuffer(1000);
    EXPECT_STREQ("xyz", (LPCTSTR)t);

    CString e;
    e.GetBuffer(0)[0] = '\0';
    e.ReleaseBuffer();
    EXPECT_TRUE(e.IsEmpty());
}

TEST(CStringValues, ExtractSubString)
{
    CString s;
    EXPECT_TRUE(AfxExtractSubString(s, "a|bb|ccc", 1, '|'));
    EXPECT_STREQ("bb", (LPCTSTR)s);
    EXPECT_TRUE(AfxExtractSubString(s, "a|bb|ccc", 2, '|'));
    EXPECT_STREQ("ccc", (LPCTSTR)s);
    EXPECT_FALSE(AfxExtractSubString(s, "a|bb|ccc", 3, '|'));
    EXPECT_TRUE(s.IsEmpty());
}

// Multibyte behaviour under the Japanese code page, where 0x5C ('\\') and letters occur as trail bytes.
class CStringMultibyte : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_nOldCodePage = _getmbcp();
        if (_setmbcp(932) != 0 || !_ismbblead(0x83))
            GTEST_SKIP() << "code page 932 is not available to the C runtime";
    }
    void TearDown() override { _setmbcp(m_nOldCodePage); }

    int m_nOldCodePage = 0;
};

// "\x83\x5C" is one double-byte character whose trail byte is a backslash.
TEST_F(CStringMultibyte, SearchesSkipTrailBytes)
{
    CString s("\x83\x5C" "a\\b");
    EXPECT_EQ(3, s.Find('\\'));
    EXPECT_EQ(3, s.ReverseFind('\\'));
    CString only("\x83\x5C");
    EXPECT_EQ(-1, only.Find('\\'));
    EXPECT_EQ(-1, only.ReverseFind('\\'));
    EXPECT_EQ(-1, only.FindOneOf("\\"));
}

TEST_F(CStringMultibyte, EditingKeepsDoubleByteCharactersWhole)
{
    CString s("\x83\x5C\\x\x83\x5C");
    EXPECT_EQ(1, s.Replace('\\', '/'));
    EXPECT_STREQ("\x83\x5C/x\x83\x5C", (LPCTSTR)s);
    EXPECT_EQ(1, s.Remove('/'));
    EXPECT_STREQ("\x83\x5Cx\x83\x5C", (LPCTSTR)s);

    CString t("\x83\x5C\\\\");
    t.TrimRight('\\');
    EXPECT_STREQ("\x83\x5C", (LPCTSTR)t);
    t.TrimRight('\\');
    EXPECT_STREQ("\x83\x5C", (LPCTSTR)t);

    // the trail byte 'a' of 0x82 0x61 is not a letter of its own
    CString u("\x82" "ab");
    u.MakeUpper();
    EXPECT_STREQ("\x82" "aB", (LPCTSTR)u);
}

TEST_F(CStringMultibyte, CaseInsensitiveComparisonDoesNotFoldTrailBytes)
{
    CString s("\x82\x61");
    EXPECT_NE(0, s.CompareNoCase("\x82\x41"));
    EXPECT_EQ(0, CString("ab\x83\x5C").CompareNoCase("AB\x83\x5C"));
    EXPECT_EQ(0, s.Compare("\x82\x61"));
    EXPECT_NE(0, s.Compare("\x82\x41"));
}

} // namespace
