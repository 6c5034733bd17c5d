// Clipboard copy: exact text, column visibility and order, large texts, and a clipboard held by another thread
// (allocation and system-call failures: tests/robust/FaultInjectionTest.cpp; long captions cut, megabyte cells
// whole: tests/robust/LargeTextTest.cpp).
#include "QELListFixture.h"
#include "QELTestImportPatch.h"

#include <algorithm>

using namespace qeltest;

namespace {

int g_reallocs = 0;

void* __cdecl CountingRealloc(void* p, size_t nSize)
{
    ++g_reallocs;
    return realloc(p, nSize);
}

// The largest heap block asked for.
size_t g_largestBlock = 0;

void* __cdecl LargestCalloc(size_t nCount, size_t nSize)
{
    g_largestBlock = std::max(g_largestBlock, nCount * nSize);
    return calloc(nCount, nSize);
}

void* __cdecl LargestRealloc(void* p, size_t nSize)
{
    g_largestBlock = std::max(g_largestBlock, nSize);
    return realloc(p, nSize);
}

// Array allocations of the MFC layer, where every CString gets its buffer.
int g_arrayNews = 0;
void* (*g_pfnArrayNew)(size_t) = nullptr;

void* CountingArrayNew(size_t nSize)
{
    ++g_arrayNews;
    return g_pfnArrayNew(nSize);
}

class ListClipboard : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        CreateList(3, 3);
        SelectOnly(0);
        list->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    }
    std::string Copy(DWORD dwMask, int nExpected = 1)
    {
        WriteClipboardText("before");
        EXPECT_EQ(nExpected, list->CopyToClipboard(dwMask));
        return ReadClipboardCopy();
    }
    void FillLarge(int nRows, size_t nCellLen)
    {
        list->SetRedraw(FALSE);   // the list view re-measures on every insert otherwise
        list->DeleteAllItems();
        const tstring cell(nCellLen, _T('x'));
        for (int r = 0; r < nRows; ++r)
        {
            list->InsertItem(r, cell.c_str());
            list->SetItemText(r, 1, cell.c_str());
            list->SetItemText(r, 2, cell.c_str());
            list->SetItemState(r, LVIS_SELECTED, LVIS_SELECTED);
        }
        list->SetRedraw(TRUE);
    }
};

const char kCaptions[] = "Col0\tCol1\tCol2";

struct HolderArgs
{
    HANDLE opened;
    HANDLE release;
};

// Holds the clipboard open from another thread until released.
DWORD WINAPI HoldClipboard(LPVOID p)
{
    HolderArgs* a = static_cast<HolderArgs*>(p);
    ::OpenClipboard(NULL);
    ::SetEvent(a->opened);
    ::WaitForSingleObject(a->release, 10000);
    ::CloseClipboard();
    return 0;
}

} // namespace

TEST_F(ListClipboard, CaptionLineThenTheChosenRows)
{
    EXPECT_EQ(std::string(kCaptions) + "\r\nr0c0\tr0c1\tr0c2\r\nr2c0\tr2c1\tr2c2", Copy(LVIS_SELECTED));
    EXPECT_EQ(std::string(kCaptions) + "\r\nr0c0\tr0c1\tr0c2", Copy(LVIS_FOCUSED));
    EXPECT_EQ(std::string(kCaptions), Copy(0));
    list->SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    list->SetItemState(2, 0, LVIS_SELECTED);
    EXPECT_EQ(std::string(kCaptions) + "\r\nr0c0\tr0c1\tr0c2\r\nr1c0\tr1c1\tr1c2",
              Copy(LVIS_SELECTED | LVIS_FOCUSED));
    list->SetItemState(0, 0, LVIS_SELECTED);
    EXPECT_EQ(std::string(kCaptions), Copy(LVIS_SELECTED));
    EXPECT_EQ(list->GetSafeHwnd(), ::GetClipboardOwner());
}

TEST_F(ListClipboard, VisibleColumnsInDisplayOrder)
{
    ASSERT_TRUE(list->ShowColumn(0, 0, -1));
    EXPECT_EQ("\tCol1\tCol2\r\n\tr0c1\tr0c2\r\n\tr2c1\tr2c2", Copy(LVIS_SELECTED));
    ASSERT_TRUE(list->ShowColumn(0, 1, -1));

    int order[] = { 2, 0, 1 };
    list->SetColumnOrderArray(3, order);
    EXPECT_EQ("Col2\tCol0\tCol1\r\nr0c2\tr0c0\tr0c1\r\nr2c2\tr2c0\tr2c1", Copy(LVIS_SELECTED));

    for (int c = 0; c < 3; ++c)
        ASSERT_TRUE(list->ShowColumn(c, 0, -1));
    bool present = false;
    WriteClipboardText("before");
    EXPECT_EQ(1, list->CopyToClipboard(LVIS_SELECTED));
    EXPECT_EQ("", ReadClipboardCopy(&present));
    EXPECT_TRUE(present);
}

TEST_F(ListClipboard, TextsLargerThanOneBlockAreCopiedWhole)
{
    FillLarge(300, 1000);   // about 900,000 bytes
    const std::string text = Copy(LVIS_SELECTED);
    ASSERT_EQ(strlen(kCaptions) + 300 * (2 + 3 * 1000 + 2), text.size());
    EXPECT_EQ(0u, text.rfind(kCaptions, 0));
    EXPECT_EQ(300, std::count(text.begin(), text.end(), '\n'));
}

TEST_F(ListClipboard, LargeTextsDoNotMoveOnEveryBlock)
{
    // About 2,100,000 bytes, 21 blocks: moving the text once per block made large copies quadratic.
    FillLarge(700, 1000);
    CImportPatch patch(LibraryModule("QELCtrl"), "realloc", (const void*)&CountingRealloc);
    ASSERT_TRUE(patch.Installed());
    g_reallocs = 0;
    const std::string text = Copy(LVIS_SELECTED);
    // The text's storage doubles five times, the cell buffer three (256 to 1,024 bytes); one move per block
    // would be 20.
    EXPECT_LE(g_reallocs, 10);
    ASSERT_EQ(strlen(kCaptions) + 700 * (2 + 3 * 1000 + 2), text.size());
    EXPECT_EQ(700, std::count(text.begin(), text.end(), '\n'));
}

TEST_F(ListClipboard, CellsAreNotReadIntoAStringEach)
{
    // 900 cells: a string per cell cost an allocation and a release for each cell of a large copy.
    FillLarge(300, 10);
    CImportPatch patch(LibraryModule("QELAfx"), sizeof(void*) == 8 ? "_Znay" : "_Znaj",
                       (const void*)&CountingArrayNew);
    ASSERT_TRUE(patch.Installed());
    g_pfnArrayNew = (void* (*)(size_t))patch.Original();
    g_arrayNews = 0;
    EXPECT_EQ(1, list->CopyToClipboard(LVIS_SELECTED));
    EXPECT_LT(g_arrayNews, 10);
    const std::string text = ReadClipboardCopy();
    ASSERT_EQ(strlen(kCaptions) + 300 * (2 + 3 * 10 + 2), text.size());
    EXPECT_EQ("\r\nxxxxxxxxxx\txxxxxxxxxx\txxxxxxxxxx", text.substr(text.size() - 34));
}

// An owner-data list copies what an ordinary list with the same rows copies. Its list view keeps no texts: the
// copy writes the text into the clipboard's block alone, with no buffer of its own for it.
TEST_F(ListClipboard, OwnerDataListsCopyTheSameTextHoldingItOnce)
{
    const DWORD masks[] = { LVIS_SELECTED, LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED, 0 };
    std::vector<std::string> ordinary;
    for (DWORD dwMask : masks)
        ordinary.push_back(Copy(dwMask));
    list->DestroyWindow();
    CreateList(3, 3, LVS_REPORT | LVS_OWNERDATA);
    SelectOnly(0);
    list->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    for (size_t i = 0; i < ordinary.size(); ++i)
        EXPECT_EQ(ordinary[i], Copy(masks[i])) << masks[i];

    list->SetItemCount(20000);
    list->SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    CImportPatch patchCalloc(LibraryModule("QELCtrl"), "calloc", (const void*)&LargestCalloc);
    CImportPatch patchRealloc(LibraryModule("QELCtrl"), "realloc", (const void*)&LargestRealloc);
    ASSERT_TRUE(patchCalloc.Installed() && patchRealloc.Installed());
    g_largestBlock = 0;
    const std::string text = Copy(LVIS_SELECTED);
    EXPECT_EQ("\r\nr19999c0\tr19999c1\tr19999c2", text.substr(text.size() - 28));
    EXPECT_EQ(20000, std::count(text.begin(), text.end(), '\n'));
    EXPECT_LT(g_largestBlock * 100, text.size());
}

// A million owner-data rows: an edit reaches the last row with one key, and a copy of the last three rows asks
// the list view about three rows.
TEST_F(ListClipboard, AMillionOwnerDataRowsCostWhatAFewDo)
{
    list->DestroyWindow();
    CreateList(1000000, 3, LVS_REPORT | LVS_OWNERDATA);
    SetStyle(1);
    StartEdit(0, 1);
    Press(EditorHwnd(), VK_NEXT, true);
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ(999999, TestEditor()->m_nItem);
    Editor()->SetWindowText(_T("last"));
    Commit();
    for (int r : { 999997, 999998, 999999 })
        list->SetItemState(r, LVIS_SELECTED, LVIS_SELECTED);
    list->received.clear();
    EXPECT_EQ(std::string(kCaptions) + "\r\nr999997c0\tr999997c1\tr999997c2\r\nr999998c0\tr999998c1\tr999998c2"
                  "\r\nr999999c0\tlast\tr999999c2", Copy(LVIS_SELECTED));
    EXPECT_LT(list->received[LVM_GETITEMSTATE] + list->received[LVM_GETNEXTITEM], 20);
}

TEST_F(ListClipboard, ClipboardHeldByAnotherThread)
{
    WriteClipboardText("kept");
    HANDLE opened = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE release = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    HolderArgs args = { opened, release };
    HANDLE thread = ::CreateThread(NULL, 0, HoldClipboard, &args, 0, NULL);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(opened, 10000));
    EXPECT_EQ(0, list->CopyToClipboard(LVIS_SELECTED));
    ::SetEvent(release);
    ::WaitForSingleObject(thread, 10000);
    ::CloseHandle(thread);
    ::CloseHandle(opened);
    ::CloseHandle(release);
    EXPECT_EQ("kept", ReadClipboardText());
}

#ifdef _UNICODE
// The list sets CF_UNICODETEXT itself (it is the first format, not one derived from CF_TEXT) with the exact texts.
TEST_F(ListClipboard, NonLatinCellsAreCopiedAsUnicodeText)
{
    const std::wstring greek = L"\u0391\u03b8\u03ae\u03bd\u03b1", cyrillic = L"\u041c\u043e\u0441\u043a\u0432\u0430",
                       cjk = L"\u6771\u4eac\u90fd";
    list->SetItemText(0, 0, greek.c_str());
    list->SetItemText(0, 1, cyrillic.c_str());
    list->SetItemText(0, 2, cjk.c_str());
    WriteClipboardText("before");
    ASSERT_EQ(1, list->CopyToClipboard(LVIS_FOCUSED));
    EXPECT_EQ(L"Col0\tCol1\tCol2\r\n" + greek + L"\t" + cyrillic + L"\t" + cjk, ReadClipboardUnicode());
    ASSERT_TRUE(::OpenClipboard(NULL));
    EXPECT_EQ(UINT(CF_UNICODETEXT), ::EnumClipboardFormats(0));
    ::CloseClipboard();
}
#endif
