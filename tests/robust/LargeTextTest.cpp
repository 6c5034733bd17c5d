// Cell texts of 1 MB and captions of 64 KB through every path that carries text (the three editors, the
// clipboard, the column menu, painting), and text beyond the plain letters through the same paths: high-byte
// and double-byte text in the MBCS build, text outside every ANSI code page in the Unicode build.
#include "RobustTestSupport.h"

#ifndef _UNICODE
#include <mbctype.h>
#endif

using namespace qeltest;

namespace {

const size_t kMegabyte = 1024 * 1024;
const size_t kCaption = 64 * 1024;

// Text of n bytes that is not all one character, so that truncation and shifting both show.
std::string Pattern(size_t n, char first = 'a')
{
    std::string text(n, ' ');
    for (size_t i = 0; i < n; ++i)
        text[i] = static_cast<char>(first + i % 26);
    return text;
}

#ifndef _UNICODE
// Every byte from 0x80 to 0xFF, which single-byte code pages map to characters.
std::string HighBytes()
{
    std::string text;
    for (int b = 0x80; b <= 0xFF; ++b)
        text += static_cast<char>(b);
    return text;
}
#endif

// Reads the entries of the popup menu on screen once the menu loop is idle, then closes it.
struct MenuReader
{
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && p->message == WM_ENTERIDLE && p->wParam == MSGF_MENU && !s_read)
        {
            s_read = true;
            const HWND hPopup = ::FindWindow(_T("#32768"), NULL);
            const HMENU hMenu = hPopup != NULL ? (HMENU)::SendMessage(hPopup, MN_GETHMENU, 0, 0) : NULL;
            for (int i = 0; hMenu != NULL && i < ::GetMenuItemCount(hMenu); ++i)
            {
                TCHAR text[1024] = _T("");
                ::GetMenuString(hMenu, i, text, _countof(text), MF_BYPOSITION);
                s_entries.push_back(Narrow(text));
            }
            ::EndMenu();
        }
        return ::CallNextHookEx(NULL, code, wParam, lParam);
    }
    // Should the menu loop never go idle, the menu closes anyway.
    static VOID CALLBACK Close(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EndMenu();
    }
    static bool                     s_read;
    static std::vector<std::string> s_entries;
};

bool                     MenuReader::s_read = false;
std::vector<std::string> MenuReader::s_entries;

class LargeText : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        CreateList(3, 4);
        SetEditorStyles();
    }
    void SetCaption(int nColumn, const std::string& text)
    {
        const CString caption(text.c_str());
        HDITEM item = {};
        item.mask = HDI_TEXT;
        item.pszText = const_cast<LPTSTR>(static_cast<LPCTSTR>(caption));
        ASSERT_TRUE(list->GetHeaderCtrl()->SetItem(nColumn, &item));
    }
    void SetCell(int nItem, int nSubItem, const std::string& text)
    {
        list->SetItemText(nItem, nSubItem, CString(text.c_str()));
    }
    std::string Reported()
    {
        const std::vector<RecordedMessage> reports = parent.MessagesOf(WM_QEL_LISTEDITTING);
        return reports.empty() ? std::string("<none>") : reports.back().text;
    }
};

TEST_F(LargeText, MegabyteCellRoundTripsThroughTheTextEditor)
{
    const std::string big = Pattern(kMegabyte);
    SetCell(0, 1, big);
    ASSERT_EQ(big.size(), ItemText(0, 1).size());
    // The growing editor measures its whole text at every change: the longest way a text can take.
    _tag_QELListColumnStyle style = {};
    style.nColumn = 1;
    style.dwFlags = QEL_STYLEFLAG_AUTO;
    style.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
    ASSERT_EQ(0u, list->SetColumnStyle(&style));
    parent.Flush();

    // Opened and closed unchanged: nothing reported, nothing lost.
    CWnd* pEditor = StartEdit(0, 1);
    ASSERT_NE(nullptr, pEditor);
    EXPECT_EQ(static_cast<int>(big.size()), pEditor->GetWindowTextLength());
    Commit();
    EXPECT_EQ(0, parent.Count(WM_QEL_LISTEDITTING));
    EXPECT_EQ(big.size(), ItemText(0, 1).size());

    // One character typed at the end: the whole text comes back with it.
    pEditor = StartEdit(0, 1);
    ASSERT_NE(nullptr, pEditor);
    pEditor->SendMessage(EM_SETSEL, big.size(), big.size());
    TypeText(pEditor->GetSafeHwnd(), "!");
    Commit();
    EXPECT_EQ(big + "!", Reported());
    EXPECT_EQ(big + "!", ItemText(0, 1));
    figures::Inputs("1 MB cell texts through the editors", 2);
}

TEST_F(LargeText, MegabyteCellThroughTheDropDownAndDateEditorsIsNotChangedByOpening)
{
    const std::string big = Pattern(kMegabyte);
    int tried = 0;
    for (const int column : {2, 3})
    {
        SetCell(1, column, big);
        parent.Flush();
        CWnd* pEditor = StartEdit(1, column);
        ASSERT_NE(nullptr, pEditor) << column;
        Commit();
        // Neither editor changes the cell: the drop-down list editor keeps the whole text, and the date editor,
        // which shows its fallback date for a text that is no date, reports no change while that date stays.
        EXPECT_EQ(0, parent.Count(WM_QEL_LISTEDITTING)) << column;
        EXPECT_EQ(1, parent.Count(WM_QEL_LISTEDITEND)) << column;
        EXPECT_TRUE(big == ItemText(1, column)) << column;
        ++tried;
    }
    figures::Inputs("1 MB cell texts through the editors", tried);
}

TEST_F(LargeText, MegabyteCellsAndLongCaptionsOnTheClipboard)
{
    const std::string big = Pattern(kMegabyte);
    const std::string caption = Pattern(kCaption, 'A');
    SetCell(0, 1, big);
    SetCell(2, 3, big);
    SetCaption(2, caption);
    list->SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);

    CLedger ledger;
    const LedgerSnapshot before = ledger.Snapshot();
    WriteClipboardText("before");
    ASSERT_EQ(1, list->CopyToClipboard(LVIS_SELECTED));
    const std::string text = ReadClipboardCopy();
    // A caption is read into a buffer of 1023 characters; cells are copied whole.
    const std::string expected = "Col0\tCol1\t" + caption.substr(0, 1023) + "\tCol3"
        + "\r\nr0c0\t" + big + "\tr0c2\tr0c3"
        + "\r\nr1c0\tr1c1\tr1c2\tr1c3"
        + "\r\nr2c0\tr2c1\tr2c2\t" + big;
    EXPECT_EQ(expected.size(), text.size());
    EXPECT_TRUE(expected == text);
    ExpectReleased(ledger, before, "copy of 2 MB");
    figures::Inputs("1 MB cells and 64 KB captions on the clipboard", 3);
}

TEST_F(LargeText, LongCaptionsInTheColumnMenuAndPainting)
{
    const std::string caption = Pattern(kCaption, 'A');
    for (int c = 0; c < 4; ++c)
        SetCaption(c, caption);
    const std::string big = Pattern(kMegabyte);
    for (int r = 0; r < 3; ++r)
        SetCell(r, 0, big);
    CQELHeaderCtrl* pHeader = list->GetHeaderCtrl();

    // Painted in full, with sort marks and the custom colour and font hooks on.
    ASSERT_EQ(1, list->EnableSortColumn(1, 1));
    list->SetSortColumn(1, 1, 0);
    list->EnableMarkSortedColumn(TRUE, TRUE);
    list->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pHeader->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpUntilIdle();

    // The column menu: read while open, then closed.
    MenuReader::s_read = false;
    MenuReader::s_entries.clear();
    const HHOOK hHook = ::SetWindowsHookEx(WH_CALLWNDPROC, &MenuReader::Hook, NULL, ::GetCurrentThreadId());
    const UINT_PTR timer = ::SetTimer(NULL, 0, 3000, &MenuReader::Close);
    pHeader->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 5));
    ::KillTimer(NULL, timer);
    ::UnhookWindowsHookEx(hHook);
    PumpUntilIdle();
    ASSERT_EQ(4u, MenuReader::s_entries.size());
    for (const std::string& entry : MenuReader::s_entries)
        EXPECT_EQ(caption.substr(0, 255), entry);
    figures::Inputs("64 KB captions in the column menu and painting", 4);
}

// Bytes as such: the MBCS build's text.
#ifndef _UNICODE
TEST_F(LargeText, HighByteTextRoundTripsThroughEditorsAndClipboard)
{
    const std::string high = HighBytes();
    // Through the text and the drop-down list editors: the cell gets exactly the bytes typed in.
    for (const int column : {1, 2})
    {
        parent.Flush();
        CWnd* pEditor = StartEdit(0, column);
        ASSERT_NE(nullptr, pEditor);
        pEditor->SetWindowText(high.c_str());
        Commit();
        EXPECT_EQ(high, Reported()) << column;
        EXPECT_EQ(high, ItemText(0, column)) << column;
    }
    // Through the clipboard, caption included.
    SetCaption(3, high);
    list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ(1, list->CopyToClipboard(LVIS_SELECTED));
    EXPECT_EQ("Col0\tCol1\tCol2\t" + high + "\r\nr0c0\t" + high + "\t" + high + "\tr0c3", ReadClipboardText());
    figures::Inputs("high-byte text through editors and clipboard", 3);
}

TEST_F(LargeText, DoubleByteTextInTheShiftJisCodePage)
{
    struct CodePage
    {
        CodePage() { EXPECT_EQ(0, _setmbcp(932)); }
        ~CodePage() { _setmbcp(_MB_CP_ANSI); }
    } shiftJis;
    // Katakana, a lead byte followed by a trail byte that looks like a backslash, and a lone lead byte at
    // the very end of a caption cut by the clipboard's caption buffer.
    const std::string sjis = "\x83\x65\x83\x58\x83\x67\x95\x5C\x8E\xA6";
    std::string caption(1022, 'x');
    caption += "\x83\x65";
    SetCaption(2, caption);
    parent.Flush();
    CWnd* pEditor = StartEdit(1, 1);
    ASSERT_NE(nullptr, pEditor);
    pEditor->SetWindowText(sjis.c_str());
    Commit();
    EXPECT_EQ(sjis, ItemText(1, 1));
    list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ(1, list->CopyToClipboard(LVIS_SELECTED));
    const std::string text = ReadClipboardText();
    EXPECT_NE(std::string::npos, text.find("\r\nr1c0\t" + sjis + "\tr1c2\tr1c3")) << text.substr(0, 80);
    list->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpUntilIdle();
    figures::Inputs("double-byte text (code page 932)", 3);
}
#else
TEST_F(LargeText, TextOutsideTheCodePageRoundTripsThroughEditorsAndClipboard)
{
    // Greek, Cyrillic and a character beyond the basic plane (a surrogate pair), and a caption that the
    // clipboard's caption buffer cuts between the two halves of such a pair.
    const CString text(L"\u0391\u03b8\u03ae\u03bd\u03b1 \u041c\u043e\u0441\u043a\u0432\u0430 \U0001F600");
    const CString caption = CString(_T('x'), 1022) + L"\U0001F600";
    HDITEM item = {};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<LPTSTR>(static_cast<LPCTSTR>(caption));
    ASSERT_TRUE(list->GetHeaderCtrl()->SetItem(2, &item));
    for (const int column : {1, 2})
    {
        CWnd* pEditor = StartEdit(0, column);
        ASSERT_NE(nullptr, pEditor);
        pEditor->SetWindowText(text);
        Commit();
        EXPECT_TRUE(text == list->GetItemText(0, column)) << column;
    }
    list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ(1, list->CopyToClipboard(LVIS_SELECTED));
    const CString row = _T("\r\nr0c0\t") + text + _T("\t") + text + _T("\tr0c3");
    const std::wstring copy = ReadClipboardUnicode();
    EXPECT_NE(std::wstring::npos, copy.find(static_cast<LPCTSTR>(row)));
    EXPECT_NE(std::wstring::npos, copy.find(static_cast<LPCTSTR>(CString(_T('x'), 1022) + _T("\t"))));
    figures::Inputs("text outside the ANSI code page through editors and clipboard", 3);
}
#endif

} // namespace
