// The in-place text editor end to end: a real list, real edit window, key and character input.
#include "EditorTestSupport.h"

#include "QELListEdit.h"
#include "QELListItemEdit.h"

#include <mbctype.h>
#include <string>

using namespace qeltest;

namespace {

class TextEditor : public EditorTest
{
protected:
    static constexpr WPARAM kListIdHigh = static_cast<WPARAM>(kId) << 16;

    void SetUp() override
    {
        EditorTest::SetUp();
        CreateEditorList();
        for (int col = 0; col < 3; ++col)
            SetStyle(col, RUNTIME_CLASS(CQELListItemEdit));
    }

    // Opens the editor on a cell through EditSubItem and checks that it opened.
    HWND Open(int nItem, int nSubItem)
    {
        StartEdit(nItem, nSubItem);
        return EditorHwnd();
    }

    // The first character at the left of the formatting rectangle and the last one inside it: nothing scrolled away.
    static ::testing::AssertionResult WholeTextInView(HWND hEdit, const char* text)
    {
        CRect format;
        ::SendMessageA(hEdit, EM_GETRECT, 0, (LPARAM)&format);
        const int first = (short)LOWORD(::SendMessageA(hEdit, EM_POSFROMCHAR, 0, 0));
        const int last = (short)LOWORD(::SendMessageA(hEdit, EM_POSFROMCHAR, strlen(text) - 1, 0));
        if (first == format.left && last > first && last < format.right)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "first character at " << first << ", last at " << last
                                             << ", text area " << format.left << "-" << format.right;
    }

    int TextWidth(const char* text)
    {
        CClientDC dc(list);
        CFont* pOld = dc.SelectObject(&listFont);
        SIZE size = {};
        ::GetTextExtentPoint32A(dc.GetSafeHdc(), text, static_cast<int>(strlen(text)), &size);
        dc.SelectObject(pOld);
        return size.cx;
    }
};

TEST_F(TextEditor, OpensOverTheCellWithItsTextAllSelectedAndFocused)
{
    parent.Flush();
    const HWND hEdit = Open(1, 0);
    ASSERT_NE(HWND(NULL), hEdit);

    EXPECT_TRUE(Editor()->IsKindOf(RUNTIME_CLASS(CQELListEdit)));
    EXPECT_STREQ("CQELListEdit", Editor()->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(QEL_EDITID_TEXT, static_cast<UINT>(::GetDlgCtrlID(hEdit)));
    EXPECT_EQ(hEdit, ::GetFocus());
    EXPECT_EQ("r1c0", EditorText());
    DWORD start = 0xdeadbeef, end = 0xdeadbeef;
    ::SendMessageA(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(4u, end);
    EXPECT_EQ(LabelRect(1, 0), EditorRectInList());

    const DWORD style = static_cast<DWORD>(::GetWindowLongA(hEdit, GWL_STYLE));
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL), style & (WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL));
    EXPECT_TRUE(::GetWindowLongA(hEdit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(list, Editor()->GetOwner());

    EXPECT_TRUE(MatchesEdits({
        WithWParam(Cell(WM_QEL_LISTEDITBEGIN, 1, 0), kListIdHigh),
        WithWParam(Cell(WM_QEL_LISTITEMCONST, 1, 0), kListIdHigh),
    }));
    const std::vector<RecordedMessage> messages = EditMessages();
    ASSERT_EQ(2u, messages.size());
    const _tag_QELListEditInfo info = EditInfo(messages[1]);
    EXPECT_EQ(QEL_EDITID_TEXT, info.nCtrlID);
    EXPECT_EQ(Editor(), info.pEditWnd);
}

TEST_F(TextEditor, OpensOnAClickOnACellOfTheSelectedRow)
{
    ASSERT_TRUE(ClickToEdit(2, 1));
    EXPECT_EQ("r2c1", EditorText());
    EXPECT_EQ(EditorHwnd(), ::GetFocus());
    EXPECT_TRUE(Editor()->IsKindOf(RUNTIME_CLASS(CQELListEdit)));
}

TEST_F(TextEditor, AlignmentFollowsTheColumnFormat)
{
    LVCOLUMN format = {};
    format.mask = LVCF_FMT;
    format.fmt = LVCFMT_RIGHT;
    list->SetColumn(1, &format);
    format.fmt = LVCFMT_CENTER;
    list->SetColumn(2, &format);
    struct { int column; DWORD expected; } cases[] = {
        { 0, ES_LEFT }, { 1, ES_RIGHT }, { 2, ES_CENTER },
    };
    for (const auto& c : cases)
    {
        const HWND hEdit = Open(0, c.column);
        ASSERT_NE(HWND(NULL), hEdit);
        EXPECT_EQ(c.expected, static_cast<DWORD>(::GetWindowLongA(hEdit, GWL_STYLE)) & (ES_RIGHT | ES_CENTER))
            << "column " << c.column;
        list->SetFocus();
        PumpUntilIdle();
        EXPECT_EQ(nullptr, Editor());
    }
}

TEST_F(TextEditor, StyleBitsAreAddedAndRemovedButTheBorderNeverReachesTheEditor)
{
    SetStyle(0, RUNTIME_CLASS(CQELListItemEdit), WS_BORDER | ES_UPPERCASE, 0, nullptr, 0, ES_AUTOHSCROLL);
    CCreationSpy spy;
    const HWND hEdit = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit);

    const CCreationSpy::Creation* pCreation = spy.Last("Edit");
    ASSERT_NE(nullptr, pCreation);
    EXPECT_EQ(0u, pCreation->style & WS_BORDER);
    EXPECT_EQ(DWORD(ES_UPPERCASE), pCreation->style & ES_UPPERCASE);
    EXPECT_EQ(DWORD(WS_EX_CLIENTEDGE), pCreation->exStyle & WS_EX_CLIENTEDGE);

    const DWORD style = static_cast<DWORD>(::GetWindowLongA(hEdit, GWL_STYLE));
    EXPECT_EQ(0u, style & WS_BORDER);
    EXPECT_EQ(DWORD(ES_UPPERCASE), style & ES_UPPERCASE);
    EXPECT_EQ(0u, style & ES_AUTOHSCROLL);
}

TEST_F(TextEditor, TakesTheListsFont)
{
    const HWND hEdit = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    EXPECT_EQ(static_cast<HFONT>(listFont.GetSafeHandle()), reinterpret_cast<HFONT>(::SendMessageA(hEdit, WM_GETFONT, 0, 0)));
}

TEST_F(TextEditor, LimitStopsTypingAtTheColumnsLength)
{
    SetStyle(0, RUNTIME_CLASS(CQELListItemEdit), 0, 0, nullptr, 5);
    const HWND hEdit = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    EXPECT_EQ(5, static_cast<int>(::SendMessageA(hEdit, EM_GETLIMITTEXT, 0, 0)));
    Type(hEdit, "abcdefgh");
    EXPECT_EQ("abcde", EditorText());
}

TEST_F(TextEditor, GrowsWithItsTextButNeverBelowTheCellWidth)
{
    SetStyle(0, RUNTIME_CLASS(CQELListItemEdit), 0, QEL_STYLEFLAG_AUTO);
    const HWND hEdit = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    const CRect cell = LabelRect(0, 0);
    EXPECT_EQ(cell, EditorRectInList());

    const char* longText = "a considerably longer text than the cell can show";
    Type(hEdit, longText);
    CRect r = EditorRectInList();
    EXPECT_GE(r.Width(), TextWidth(longText) + 16);
    EXPECT_GT(r.Width(), cell.Width());
    EXPECT_TRUE(WholeTextInView(hEdit, longText));
    EXPECT_EQ(cell.left, r.left);
    EXPECT_EQ(cell.top, r.top);
    EXPECT_EQ(cell.Height(), r.Height());

    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    Type(hEdit, "x");
    r = EditorRectInList();
    EXPECT_EQ(cell.Width(), r.Width());
    EXPECT_EQ(cell.Height(), r.Height());
    list->SetFocus();

    // A cell already wider than its column opens with the whole text in view, none of it scrolled away.
    list->SetItemText(1, 0, longText);
    EXPECT_TRUE(WholeTextInView(Open(1, 0), longText));
}

TEST_F(TextEditor, WithoutTheGrowFlagKeepsTheCellWidth)
{
    const HWND hEdit = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    Type(hEdit, "a considerably longer text than the cell can show");
    EXPECT_EQ(LabelRect(0, 0), EditorRectInList());
}

TEST_F(TextEditor, EnterCommitsTheTextAndTheListStoresIt)
{
    const HWND hEdit = Open(1, 1);
    ASSERT_NE(HWND(NULL), hEdit);
    Type(hEdit, "new");
    parent.Flush();
    Press(hEdit, VK_RETURN);

    EXPECT_TRUE(MatchesEdits({
        WithWParam(CellText(WM_QEL_LISTEDITTING, 1, 1, "new"), kListIdHigh),
        WithWParam(Cell(WM_QEL_LISTEDITEND, 1, 1), kListIdHigh),
    }));
    const std::vector<RecordedMessage> messages = EditMessages();
    ASSERT_EQ(2u, messages.size());
    EXPECT_EQ(QEL_EDITID_TEXT, EditInfo(messages[0]).nCtrlID);
    EXPECT_EQ(101u, EditInfo(messages[0]).dwItemData);
    EXPECT_EQ(nullptr, EditInfo(messages[1]).pszText);
    EXPECT_EQ(nullptr, EditInfo(messages[1]).pEditWnd);
    EXPECT_EQ("new", ItemText(1, 1));
    EXPECT_EQ(nullptr, Editor());
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(list->GetSafeHwnd(), ::GetFocus());
}

TEST_F(TextEditor, ARefusedTextLeavesTheCell)
{
    parent.SetAnswer(WM_QEL_LISTEDITTING, 1);
    const HWND hEdit = Open(1, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    Type(hEdit, "refused");
    Press(hEdit, VK_RETURN);
    EXPECT_EQ(1, parent.Count(WM_QEL_LISTEDITTING));
    EXPECT_EQ("r1c0", ItemText(1, 0));
}

TEST_F(TextEditor, EscapeCancelsAfterTyping)
{
    const HWND hEdit = Open(1, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    Type(hEdit, "zzz");
    parent.Flush();
    Press(hEdit, VK_ESCAPE);
    EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 1, 0) }));
    EXPECT_EQ("r1c0", ItemText(1, 0));
    EXPECT_EQ(nullptr, Editor());
    EXPECT_FALSE(::IsWindow(hEdit));
}

TEST_F(TextEditor, ChangingTheTextBackReportsOnlyTheEnd)
{
    const HWND hEdit = Open(2, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    Type(hEdit, "other");
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    Type(hEdit, "r2c0");
    parent.Flush();
    Press(hEdit, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 2, 0) }));
    EXPECT_EQ("r2c0", ItemText(2, 0));
}

TEST_F(TextEditor, ALetterCaseChangeIsAChange)
{
    const HWND hEdit = Open(2, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    Type(hEdit, "R2C0");
    parent.Flush();
    Press(hEdit, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({ CellText(WM_QEL_LISTEDITTING, 2, 0, "R2C0"), Cell(WM_QEL_LISTEDITEND, 2, 0) }));
}

TEST_F(TextEditor, MultibyteTextIsComparedCharacterWise)
{
    // Double-byte text (code page 932 lead and trail bytes) whose bytes survive the ANSI round trip.
    const int oldCodePage = _getmbcp();
    ASSERT_EQ(0, _setmbcp(932));
    const char start[] = "\x83\x65\x83\x58\x83\x67";
    list->SetItemText(3, 0, start);

    HWND hEdit = Open(3, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    ASSERT_EQ(start, EditorText());
    parent.Flush();
    Press(hEdit, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 3, 0) }));

    // The same first bytes with another trail byte in the last character is a different text.
    const char changed[] = "\x83\x65\x83\x58\x83\x68";
    hEdit = Open(3, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    ::SetWindowTextA(hEdit, changed);
    parent.Flush();
    Press(hEdit, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({ CellText(WM_QEL_LISTEDITTING, 3, 0, changed), Cell(WM_QEL_LISTEDITEND, 3, 0) }));
    _setmbcp(oldCodePage);
}

TEST_F(TextEditor, CtrlTabMovesToTheNextEditableCellReportingInOrder)
{
    const HWND hEdit = Open(1, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    Type(hEdit, "abc");
    parent.Flush();
    Press(hEdit, VK_TAB, true);

    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 1, 1),
        CellText(WM_QEL_LISTEDITTING, 1, 0, "abc"),
        Cell(WM_QEL_LISTEDITEND, 1, 0),
        Cell(WM_QEL_LISTITEMCONST, 1, 1),
    }));
    EXPECT_EQ("abc", ItemText(1, 0));
    EXPECT_FALSE(::IsWindow(hEdit));
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ("r1c1", EditorText());
    EXPECT_EQ(EditorHwnd(), ::GetFocus());
}

TEST_F(TextEditor, KeysWithoutCtrlStayInTheEditor)
{
    const HWND hEdit = Open(1, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    parent.Flush();
    for (UINT vk : { VK_TAB, VK_UP, VK_DOWN, VK_END, VK_HOME })
        Press(hEdit, vk);
    EXPECT_EQ(hEdit, EditorHwnd());
    EXPECT_TRUE(EditMessages().empty());
    // Home reached the edit control: the caret is at the start, nothing selected.
    DWORD start = 0xdeadbeef, end = 0xdeadbeef;
    ::SendMessageA(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(0u, end);
}

TEST_F(TextEditor, PageDownMovesWithoutCtrl)
{
    const HWND hEdit = Open(0, 1);
    ASSERT_NE(HWND(NULL), hEdit);
    parent.Flush();
    Press(hEdit, VK_NEXT);
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 4, 1),
        Cell(WM_QEL_LISTEDITEND, 0, 1),
        Cell(WM_QEL_LISTITEMCONST, 4, 1),
    }));
}

TEST_F(TextEditor, TheWheelNeverScrollsWhileEditing)
{
    for (int row = 5; row < 60; ++row)
        list->InsertItem(row, "more");
    const HWND hEdit = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    parent.Flush();

    ::SendMessageA(hEdit, WM_MOUSEWHEEL, WheelWParam(0, -WHEEL_DELTA * 3), MAKELPARAM(100, 100));
    PumpUntilIdle();
    EXPECT_EQ(0, list->GetTopIndex());
    EXPECT_EQ(hEdit, EditorHwnd());
    EXPECT_EQ("r0c0", EditorText());
    EXPECT_TRUE(EditMessages().empty());

    // With Ctrl the wheel moves the edit: backwards is down.
    SetModifierKeys(true, false);
    ::SendMessageA(hEdit, WM_MOUSEWHEEL, WheelWParam(MK_CONTROL, -WHEEL_DELTA), MAKELPARAM(100, 100));
    SetModifierKeys(false, false);
    PumpUntilIdle();
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 1, 0),
        Cell(WM_QEL_LISTEDITEND, 0, 0),
        Cell(WM_QEL_LISTITEMCONST, 1, 0),
    }));
    EXPECT_EQ(0, list->GetTopIndex());
}

TEST_F(TextEditor, FocusElsewhereCommitsAndTheListDeletesTheEditor)
{
    const HWND hEdit = Open(4, 2);
    ASSERT_NE(HWND(NULL), hEdit);
    Type(hEdit, "moved away");
    parent.Flush();
    parent.SetFocus();
    PumpUntilIdle();
    EXPECT_TRUE(MatchesEdits({
        CellText(WM_QEL_LISTEDITTING, 4, 2, "moved away"),
        Cell(WM_QEL_LISTEDITEND, 4, 2),
    }));
    EXPECT_EQ("moved away", ItemText(4, 2));
    EXPECT_EQ(nullptr, Editor());
    EXPECT_FALSE(::IsWindow(hEdit));
}

TEST_F(TextEditor, ACellTextOver40000CharactersStillOpensTheEditor)
{
    const std::string longText(40001, 'w');
    list->SetItemText(0, 0, longText.c_str());
    ASSERT_EQ(longText.size(), ItemText(0, 0).size());

    const HWND hEdit = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    EXPECT_EQ(static_cast<int>(longText.size()), ::GetWindowTextLengthA(hEdit));

    parent.Flush();
    Press(hEdit, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 0, 0) }));
    EXPECT_EQ(longText, ItemText(0, 0));

    // Typing at the end is a change of the whole long text.
    const HWND hEdit2 = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit2);
    ::SendMessageA(hEdit2, EM_SETSEL, longText.size(), longText.size());
    Type(hEdit2, "!");
    Press(hEdit2, VK_RETURN);
    EXPECT_EQ(longText + "!", ItemText(0, 0));
}

TEST_F(TextEditor, CreationWithoutAParentFails)
{
    CQELListEdit edit;
    CRect r(0, 0, 100, 20);
    EXPECT_FALSE(edit.Create(QEL_EDITID_TEXT, r, "text", 0, 0, nullptr, nullptr));
}

TEST_F(TextEditor, TheFactoryRefusesAMissingListOrStyle)
{
    CQELListItemEdit factory;
    _tag_QELListColumnStyle style = {};
    EXPECT_EQ(nullptr, factory.CreateItem(0, 0, CRect(0, 0, 50, 20), nullptr, list));
    EXPECT_EQ(nullptr, factory.CreateItem(0, 0, CRect(0, 0, 50, 20), &style, nullptr));
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(TextEditor, TheFactoryIsDynamicallyCreatable)
{
    CObject* pObject = RUNTIME_CLASS(CQELListItemEdit)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CQELBaseListItem)));
    EXPECT_STREQ("CQELListItemEdit", pObject->GetRuntimeClass()->m_lpszClassName);
    delete pObject;
}

// ---- Inside a dialog: real keyboard input through the message queue ------------------------------

class TextEditorInDialog : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        CreateEditorList(true);
        for (int col = 0; col < 3; ++col)
            SetStyle(col, RUNTIME_CLASS(CQELListItemEdit));
    }
};

TEST_F(TextEditorInDialog, CtrlTabReachesTheEditorPastTheDialogNavigation)
{
    ASSERT_EQ(0, list->EditSubItem(1, 0));
    PumpUntilIdle();
    const HWND hEdit = EditorHwnd();
    ASSERT_NE(HWND(NULL), hEdit) << MatchesEdits({}).message();
    ASSERT_EQ(hEdit, ::GetFocus());
    InputText("xy");
    EXPECT_EQ("xy", EditorText());
    parent.Flush();

    InputKey(VK_TAB, true);
    PumpUntilIdle();
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 1, 1),
        CellText(WM_QEL_LISTEDITTING, 1, 0, "xy"),
        Cell(WM_QEL_LISTEDITEND, 1, 0),
        Cell(WM_QEL_LISTITEMCONST, 1, 1),
    }));
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ(EditorHwnd(), ::GetFocus());
    EXPECT_EQ("xy", ItemText(1, 0));
}

TEST_F(TextEditorInDialog, TabStaysInTheEditorInsteadOfMovingTheDialogFocus)
{
    ASSERT_EQ(0, list->EditSubItem(2, 1));
    PumpUntilIdle();
    const HWND hEdit = EditorHwnd();
    ASSERT_NE(HWND(NULL), hEdit) << MatchesEdits({}).message();
    parent.Flush();

    InputKey(VK_TAB);
    PumpUntilIdle();
    EXPECT_EQ(hEdit, ::GetFocus());
    EXPECT_EQ(hEdit, EditorHwnd());
    EXPECT_TRUE(EditMessages().empty());

    InputKey(VK_TAB, true, true);   // Ctrl+Shift+Tab: back to column 0
    PumpUntilIdle();
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 2, 0),
        Cell(WM_QEL_LISTEDITEND, 2, 1),
        Cell(WM_QEL_LISTITEMCONST, 2, 0),
    }));
}

} // namespace
