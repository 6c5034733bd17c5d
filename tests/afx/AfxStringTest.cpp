// CStringA: value semantics, editing, searching, formatting, buffers and multibyte behaviour.
#include "QELTest.h"

#include <mbctype.h>
#include <string>

namespace {

TEST(CStringValues, ConstructionForms)
{
    EXPECT_STREQ("abc", (LPCSTR)CStringA("abc"));
    EXPECT_STREQ("xxxx", (LPCSTR)CStringA('x', 4));
    EXPECT_TRUE(CStringA('x', 0).IsEmpty());
    EXPECT_TRUE(CStringA('x', -3).IsEmpty());
    EXPECT_STREQ("ab", (LPCSTR)CStringA("abcdef", 2));
    EXPECT_TRUE(CStringA((LPCSTR)NULL).IsEmpty());
    EXPECT_TRUE(CStringA("abc", -1).IsEmpty());
    EXPECT_STREQ("wide", (LPCSTR)CStringA(L"wide"));
    // a resource id with no such string resource gives an empty string, never a read of address 0x1234
    EXPECT_TRUE(CStringA(MAKEINTRESOURCEA(0x1234)).IsEmpty());
    CStringA loaded("stale");
    EXPECT_FALSE(loaded.LoadString(0x1234));
    EXPECT_TRUE(loaded.IsEmpty());
    EXPECT_EQ(sizeof(LPSTR), sizeof(CStringA));
}

TEST(CStringValues, CopiesAreIndependent)
{
    CStringA a("one");
    CStringA b(a);
    b.SetAt(0, 'O');
    b += "!";
    EXPECT_STREQ("one", (LPCSTR)a);
    EXPECT_STREQ("One!", (LPCSTR)b);
    a = b;
    b.Empty();
    EXPECT_STREQ("One!", (LPCSTR)a);
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_STREQ("", (LPCSTR)b);
}

TEST(CStringValues, AssignmentAndAppendFromOwnBuffer)
{
    CStringA s("abcdef");
    s = s;
    EXPECT_STREQ("abcdef", (LPCSTR)s);
    s = (LPCSTR)s + 2;
    EXPECT_STREQ("cdef", (LPCSTR)s);
    s += s;
    EXPECT_STREQ("cdefcdef", (LPCSTR)s);
    s += (LPCSTR)s + 6;
    EXPECT_STREQ("cdefcdefef", (LPCSTR)s);
    EXPECT_EQ(10, s.GetLength());
}

TEST(CStringValues, ConcatenationOperators)
{
    const CStringA a("ab");
    EXPECT_STREQ("abcd", (LPCSTR)(a + "cd"));
    EXPECT_STREQ("cdab", (LPCSTR)("cd" + a));
    EXPECT_STREQ("ab!", (LPCSTR)(a + '!'));
    EXPECT_STREQ("!ab", (LPCSTR)('!' + a));
    EXPECT_STREQ("abab", (LPCSTR)(a + a));
    CStringA s;
    for (int i = 0; i < 1000; i++)
        s += 'z';
    EXPECT_EQ(1000, s.GetLength());
    EXPECT_EQ(1000, lstrlenA(s));
}

TEST(CStringValues, ElementAccessOutOfRangeIsHarmless)
{
    CStringA s("abc");
    EXPECT_EQ('b', s[1]);
    EXPECT_EQ('c', s.GetAt(2));
    EXPECT_EQ('\0', s.GetAt(3));
    EXPECT_EQ('\0', s.GetAt(-1));
    s.SetAt(5, 'x');
    s.SetAt(-1, 'x');
    EXPECT_STREQ("abc", (LPCSTR)s);
    CStringA empty;
    empty.SetAt(0, 'x');
    EXPECT_STREQ("", (LPCSTR)empty);
}

TEST(CStringValues, Comparisons)
{
    CStringA s("Apple");
    EXPECT_TRUE(s == "Apple");
    EXPECT_TRUE("Apple" == s);
    EXPECT_TRUE(s != "apple");
    EXPECT_EQ(0, s.CompareNoCase("aPPLE"));
    EXPECT_LT(s.Compare("Banana"), 0);
    EXPECT_GT(s.Compare("Aardvark"), 0);
    EXPECT_TRUE(s < CStringA("Apples"));
    EXPECT_TRUE(CStringA("B") > s);
    EXPECT_TRUE(s <= "Apple" && s >= "Apple");
    EXPECT_EQ(0, s.Collate("Apple"));
    EXPECT_GT(s.Compare(NULL), 0);
    EXPECT_EQ(0, CStringA().Compare(NULL));
}

TEST(CStringValues, ExtractionClampsToTheString)
{
    CStringA s("abcdef");
    EXPECT_STREQ("cd", (LPCSTR)s.Mid(2, 2));
    EXPECT_STREQ("cdef", (LPCSTR)s.Mid(2));
    EXPECT_STREQ("ef", (LPCSTR)s.Mid(4, 100));
    EXPECT_STREQ("", (LPCSTR)s.Mid(10, 2));
    EXPECT_STREQ("ab", (LPCSTR)s.Mid(-3, 2));
    EXPECT_STREQ("", (LPCSTR)s.Mid(2, -1));
    EXPECT_STREQ("abc", (LPCSTR)s.Left(3));
    EXPECT_STREQ("abcdef", (LPCSTR)s.Left(99));
    EXPECT_STREQ("", (LPCSTR)s.Left(-1));
    EXPECT_STREQ("def", (LPCSTR)s.Right(3));
    EXPECT_STREQ("abcdef", (LPCSTR)s.Right(99));
    EXPECT_STREQ("", (LPCSTR)s.Right(-2));
    EXPECT_STREQ("abc", (LPCSTR)CStringA("abc123").SpanIncluding("abcdefghij"));
    EXPECT_STREQ("abc", (LPCSTR)CStringA("abc;123").SpanExcluding(";,"));
}

TEST(CStringValues, Searching)
{
    CStringA s("a.b.c");
    EXPECT_EQ(1, s.Find('.'));
    EXPECT_EQ(3, s.Find('.', 2));
    EXPECT_EQ(-1, s.Find('.', 4));
    EXPECT_EQ(-1, s.Find('.', 50));
    EXPECT_EQ(3, s.ReverseFind('.'));
    EXPECT_EQ(2, s.Find("b.c"));
    EXPECT_EQ(-1, s.Find("b.c", 3));
    EXPECT_EQ(-1, s.Find("x"));
    EXPECT_EQ(-1, s.Find((LPCSTR)NULL));
    EXPECT_EQ(1, s.FindOneOf(".c"));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
    EXPECT_EQ(-1, s.Find('\0'));
}

TEST(CStringValues, ReplaceRemoveInsertDelete)
{
    CStringA s("one two one");
    EXPECT_EQ(2, s.Replace("one", "three"));
    EXPECT_STREQ("three two three", (LPCSTR)s);
    EXPECT_EQ(2, s.Replace("three", ""));
    EXPECT_STREQ(" two ", (LPCSTR)s);
    EXPECT_EQ(0, s.Replace("", "x"));
    EXPECT_EQ(0, s.Replace("absent", "x"));
    EXPECT_EQ(2, s.Replace(' ', '_'));
    EXPECT_STREQ("_two_", (LPCSTR)s);
    EXPECT_EQ(2, s.Remove('_'));
    EXPECT_STREQ("two", (LPCSTR)s);
    EXPECT_EQ(5, s.Insert(0, "<<"));
    EXPECT_EQ(6, s.Insert(99, '>'));
    EXPECT_STREQ("<<two>", (LPCSTR)s);
    EXPECT_EQ(4, s.Delete(0, 2));
    EXPECT_EQ(3, s.Delete(3, 10));
    EXPECT_EQ(3, s.Delete(7, 1));
    EXPECT_STREQ("two", (LPCSTR)s);
}

TEST(CStringValues, Trimming)
{
    CStringA s(" \t text \r\n");
    s.TrimLeft();
    EXPECT_STREQ("text \r\n", (LPCSTR)s);
    s.TrimRight();
    EXPECT_STREQ("text", (LPCSTR)s);
    CStringA t("xxabcxyx");
    t.TrimLeft('x');
    EXPECT_STREQ("abcxyx", (LPCSTR)t);
    t.TrimRight("xy");
    EXPECT_STREQ("abc", (LPCSTR)t);
    CStringA blank("   ");
    blank.TrimRight();
    EXPECT_TRUE(blank.IsEmpty());
}

TEST(CStringValues, CaseAndReverse)
{
    CStringA s("MiXeD 1");
    s.MakeUpper();
    EXPECT_STREQ("MIXED 1", (LPCSTR)s);
    s.MakeLower();
    EXPECT_STREQ("mixed 1", (LPCSTR)s);
    s.MakeReverse();
    EXPECT_STREQ("1 dexim", (LPCSTR)s);
}

TEST(CStringValues, FormatOfAnyLength)
{
    CStringA s;
    s.Format("%d-%s-%c-%05.1f", 42, "x", 'y', 3.14159);
    EXPECT_STREQ("42-x-y-003.1", (LPCSTR)s);

    const std::string big(100000, 'q');
    s.Format("[%s]", big.c_str());
    ASSERT_EQ(100002, s.GetLength());
    EXPECT_EQ('[', s[0]);
    EXPECT_EQ('q', s[50000]);
    EXPECT_EQ(']', s[100001]);

    // the arguments may be the string's own characters
    s = "self";
    s.Format("%s+%s", (LPCSTR)s, (LPCSTR)s);
    EXPECT_STREQ("self+self", (LPCSTR)s);

    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringValues, DirectBufferAccess)
{
    CStringA s("ab");
    LPSTR p = s.GetBuffer(10);
    lstrcpyA(p, "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(10, s.GetLength());
    EXPECT_STREQ("0123456789", (LPCSTR)s);

    p = s.GetBuffer(0);
    p[3] = '\0';
    s.ReleaseBuffer();
    EXPECT_STREQ("012", (LPCSTR)s);

    p = s.GetBufferSetLength(5);
    memcpy(p, "hello", 5);
    s.ReleaseBuffer(4);
    EXPECT_STREQ("hell", (LPCSTR)s);

    // a length beyond the buffer is clamped to it
    CStringA t;
    t.GetBuffer(3);
    memcpy(t.GetBuffer(3), "xyz", 3);
    t.ReleaseBuffer(1000);
    EXPECT_STREQ("xyz", (LPCSTR)t);

    CStringA e;
    e.GetBuffer(0)[0] = '\0';
    e.ReleaseBuffer();
    EXPECT_TRUE(e.IsEmpty());
}

TEST(CStringValues, ExtractSubString)
{
    CString s;
    EXPECT_TRUE(AfxExtractSubString(s, _T("a|bb|ccc"), 1, _T('|')));
    EXPECT_STREQ(_T("bb"), (LPCTSTR)s);
    EXPECT_TRUE(AfxExtractSubString(s, _T("a|bb|ccc"), 2, _T('|')));
    EXPECT_STREQ(_T("ccc"), (LPCTSTR)s);
    EXPECT_FALSE(AfxExtractSubString(s, _T("a|bb|ccc"), 3, _T('|')));
    EXPECT_TRUE(s.IsEmpty());
}

// The wide string: the same operations on wchar_t, one unit per character, formatting with wide arguments;
// narrow and wide text convert into each other through the ANSI code page; CString is the build's own.
TEST(CStringValues, WideStringsAndConversions)
{
    CStringW s(L"one two one");
    EXPECT_EQ(2, s.Replace(L"one", L"three"));
    EXPECT_STREQ(L"three two three", s);
    EXPECT_EQ(6, s.Find(L't', 1));
    EXPECT_EQ(10, s.ReverseFind(L't'));
    EXPECT_EQ(4, s.Find(L"e t"));
    s.MakeUpper();
    EXPECT_EQ(0, s.CompareNoCase(L"three two three"));
    EXPECT_STREQ(L"TWO", s.Mid(6, 3));
    s.Format(L"%d-%s-%c-%05.1f", 42, L"x", L'y', 3.14159);
    EXPECT_STREQ(L"42-x-y-003.1", s);
    CStringW t(L" \t wide \r\n");
    t.TrimLeft();
    t.TrimRight();
    EXPECT_EQ(5, t.Insert(0, L'<'));
    EXPECT_STREQ(L"<wide>", t + L'>');
    EXPECT_EQ(2, CStringW(L"a-b-").Remove(L'-'));
    EXPECT_STREQ(L"xxx", CStringW(L'x', 3));
    const CStringW greek(L"\u03b1\u03b2\u03b3");
    EXPECT_EQ(3, greek.GetLength());
    EXPECT_EQ(2, greek.Find(L'\u03b3'));

    EXPECT_STREQ(L"narrow", CStringW("narrow"));
    EXPECT_STREQ("wide", CStringA(L"wide"));
    CStringW w;
    w = "assigned";
    CStringA a;
    a = w;
    EXPECT_STREQ("assigned", a);
    EXPECT_TRUE(w == "assigned" && a == L"assigned");
    EXPECT_EQ(1000, CStringA(CStringW(L'z', 1000)).GetLength());

    const CString generic(_T("generic"));
    EXPECT_EQ(7, generic.GetLength());
    EXPECT_EQ(0, lstrcmp(generic, _T("generic")));
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
    CStringA s("\x83\x5C" "a\\b");
    EXPECT_EQ(3, s.Find('\\'));
    EXPECT_EQ(3, s.ReverseFind('\\'));
    CStringA only("\x83\x5C");
    EXPECT_EQ(-1, only.Find('\\'));
    EXPECT_EQ(-1, only.ReverseFind('\\'));
    EXPECT_EQ(-1, only.FindOneOf("\\"));
}

TEST_F(CStringMultibyte, EditingKeepsDoubleByteCharactersWhole)
{
    CStringA s("\x83\x5C\\x\x83\x5C");
    EXPECT_EQ(1, s.Replace('\\', '/'));
    EXPECT_STREQ("\x83\x5C/x\x83\x5C", (LPCSTR)s);
    EXPECT_EQ(1, s.Remove('/'));
    EXPECT_STREQ("\x83\x5Cx\x83\x5C", (LPCSTR)s);

    CStringA t("\x83\x5C\\\\");
    t.TrimRight('\\');
    EXPECT_STREQ("\x83\x5C", (LPCSTR)t);
    t.TrimRight('\\');
    EXPECT_STREQ("\x83\x5C", (LPCSTR)t);

    // the trail byte 'a' of 0x82 0x61 is not a letter of its own
    CStringA u("\x82" "ab");
    u.MakeUpper();
    EXPECT_STREQ("\x82" "aB", (LPCSTR)u);
}

TEST_F(CStringMultibyte, CaseInsensitiveComparisonDoesNotFoldTrailBytes)
{
    CStringA s("\x82\x61");
    EXPECT_NE(0, s.CompareNoCase("\x82\x41"));
    EXPECT_EQ(0, CStringA("ab\x83\x5C").CompareNoCase("AB\x83\x5C"));
    EXPECT_EQ(0, s.Compare("\x82\x61"));
    EXPECT_NE(0, s.Compare("\x82\x41"));
}

} // namespace
