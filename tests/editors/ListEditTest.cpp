// The in-place text editor end to end: a real list, real edit window, key and character input. What it
// shares with the other editors is tested in EditorKindTest.cpp.
#include "EditorTestSupport.h"

#include "QELListComboBox.h"
#include "QELListDateTimeCtrl.h"
#include "QELListEdit.h"
#include "QELListItemEdit.h"

#include <mbctype.h>
#include <string>

using namespace qeltest;

namespace {

class TextEditor : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        CreateEditorList();
        for (int col = 0; col < 3; ++col)
            SetStyle(col, RUNTIME_CLASS(CQELListItemEdit));
    }

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

TEST_F(TextEditor, OpensOverTheLabelWithItsTextAllSelected)
{
    const HWND hEdit = Open(1, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    EXPECT_EQ("r1c0", EditorText());
    DWORD start = 0xdeadbeef, end = 0xdeadbeef;
    ::SendMessageA(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(4u, end);
    EXPECT_EQ(LabelRect(1, 0), EditorRectInList());
    EXPECT_TRUE(Editor()->IsKindOf(RUNTIME_CLASS(CQELListEdit)));

    const DWORD style = static_cast<DWORD>(::GetWindowLongA(hEdit, GWL_STYLE));
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL), style & (WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL));
    EXPECT_TRUE(::GetWindowLongA(hEdit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
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
        Commit();
        EXPECT_EQ(nullptr, Editor());
    }
}

TEST_F(TextEditor, TheStylesRemovedBitsAreRemoved)
{
    SetStyle(0, RUNTIME_CLASS(CQELListItemEdit), 0, 0, nullptr, 0, ES_AUTOHSCROLL);
    CCreationSpy spy;
    const HWND hEdit = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    const CCreationSpy::Creation* pCreation = spy.Last("Edit");
    ASSERT_NE(nullptr, pCreation);
    EXPECT_EQ(DWORD(WS_EX_CLIENTEDGE), pCreation->exStyle & WS_EX_CLIENTEDGE);
    EXPECT_EQ(0u, static_cast<DWORD>(::GetWindowLongA(hEdit, GWL_STYLE)) & ES_AUTOHSCROLL);
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
    list->SetItemText(1, 0, CString(longText));
    EXPECT_TRUE(WholeTextInView(Open(1, 0), longText));
}

TEST_F(TextEditor, WithoutTheGrowFlagKeepsTheCellWidth)
{
    const HWND hEdit = Open(0, 0);
    ASSERT_NE(HWND(NULL), hEdit);
    Type(hEdit, "a considerably longer text than the cell can show");
    EXPECT_EQ(LabelRect(0, 0), EditorRectInList());
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

#ifndef _UNICODE
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
#endif

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

TEST_F(TextEditor, ACellTextOver40000CharactersStillOpensTheEditor)
{
    const std::string longText(40001, 'w');
    list->SetItemText(0, 0, CString(longText.c_str()));
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

TEST_F(TextEditor, CreationWithoutAParentFailsAndTheEditsOwnCreateStaysReachable)
{
    CQELListEdit edit;
    CRect r(0, 0, 100, 20);
    EXPECT_FALSE(edit.Create(QEL_EDITID_TEXT, r, _T("text"), 0, 0, nullptr, nullptr));
    // CEdit's Create, as for any edit; so for the other editors' base classes.
    ASSERT_TRUE(edit.Create(WS_CHILD, r, &parent, 7));
    CQELListComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 100, 80), &parent, 8));
    CQELListDateTimeCtrl date;
    ASSERT_TRUE(date.Create(WS_CHILD, r, &parent, 9));
}

} // namespace
