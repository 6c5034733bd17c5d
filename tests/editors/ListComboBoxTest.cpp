// The in-place drop-down list editor end to end under the platform's combo box. What it shares with the
// other editors is tested in EditorKindTest.cpp.
#include "EditorTestSupport.h"

#include "QELListComboBox.h"
#include "QELListItemComboBoxCtrl.h"
#include "QELListItemDateTimeCtrl.h"
#include "QELListItemEdit.h"

using namespace qeltest;

namespace {

const int kChoiceColumn = 4;
const int kDateColumn = 3;

class ComboEditor : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        CreateEditorList();
        list->SetItemText(0, kChoiceColumn, _T("Green"));
        list->SetItemText(1, kChoiceColumn, _T("red"));
        list->SetItemText(2, kChoiceColumn, _T("Purple"));
        SetStyle(kChoiceColumn, RUNTIME_CLASS(CQELListItemComboBoxCtrl), CBS_DROPDOWNLIST);
        SetStyle(0, RUNTIME_CLASS(CQELListItemEdit));
        FillChoicesWhenAnnounced(parent, *list);
    }

    HWND Open(int nItem)
    {
        StartEdit(nItem, kChoiceColumn);
        return EditorHwnd();
    }

    CComboBox* Combo() { return static_cast<CComboBox*>(Editor()); }
};

std::vector<CRect>* g_pMoves = nullptr;

// Records the rectangles that MoveWindow asks of combo boxes (in parent coordinates).
LRESULT CALLBACK RecordComboMoves(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && p->message == WM_WINDOWPOSCHANGING && g_pMoves != nullptr)
    {
        char name[32] = {};
        ::GetClassNameA(p->hwnd, name, sizeof(name));
        const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(p->lParam);
        if (_stricmp(name, "ComboBox") == 0 && !(pos->flags & (SWP_NOSIZE | SWP_NOMOVE)))
            g_pMoves->push_back(CRect(pos->x, pos->y, pos->x + pos->cx, pos->y + pos->cy));
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

TEST_F(ComboEditor, RequestsARectangle50PixelsTallerThanTheCell)
{
    CCreationSpy spy;
    std::vector<CRect> moves;
    g_pMoves = &moves;
    const HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, RecordComboMoves, NULL, ::GetCurrentThreadId());
    const HWND hCombo = Open(0);
    ::UnhookWindowsHookEx(hHook);
    g_pMoves = nullptr;
    ASSERT_NE(HWND(NULL), hCombo);
    const CRect cell = LabelRect(0, kChoiceColumn);

    const CCreationSpy::Creation* pCreation = spy.Last("ComboBox");
    ASSERT_NE(nullptr, pCreation);
    EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST),
              pCreation->style & (WS_CHILD | WS_VISIBLE | WS_VSCROLL | 0x3));

    // The move after the style change asks for the same rectangle.
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(CRect(cell.left, cell.top, cell.right, cell.bottom + 50), moves.back());

    // The combo box keeps its own height; the requested height becomes the room of its drop-down list,
    // which on this platform the dropped control rectangle reports below the combo box's own height.
    const CRect window = EditorRectInList();
    EXPECT_EQ(cell.left, window.left);
    EXPECT_EQ(cell.top, window.top);
    EXPECT_EQ(cell.Width(), window.Width());
    EXPECT_LT(window.Height(), cell.Height() + 50);
    CRect dropped;
    Combo()->GetDroppedControlRect(&dropped);
    EXPECT_EQ(cell.Height() + 50, window.Height() + dropped.Height());
}

TEST_F(ComboEditor, TheParentFillsItWhenItIsAnnounced)
{
    ASSERT_NE(HWND(NULL), Open(0));
    EXPECT_TRUE(Editor()->IsKindOf(RUNTIME_CLASS(CQELListComboBox)));
    EXPECT_EQ(3, Combo()->GetCount());
    EXPECT_EQ(1, Combo()->GetCurSel());
    EXPECT_EQ("Green", EditorText());
}

TEST_F(ComboEditor, AChoiceDifferingOnlyInLetterCaseIsAChange)
{
    const HWND hCombo = Open(1);   // cell "red"
    ASSERT_NE(HWND(NULL), hCombo);
    Combo()->SetCurSel(0);         // "Red"
    parent.Flush();
    Press(hCombo, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({
        CellText(WM_QEL_LISTEDITTING, 1, kChoiceColumn, "Red"),
        Cell(WM_QEL_LISTEDITEND, 1, kChoiceColumn),
    }));
    EXPECT_EQ("Red", ItemText(1, kChoiceColumn));
}

TEST_F(ComboEditor, AFixedListWithoutTheCellsTextReportsTheEmptyText)
{
    const HWND hCombo = Open(2);   // "Purple" is no entry
    ASSERT_NE(HWND(NULL), hCombo);
    EXPECT_EQ(CB_ERR, Combo()->GetCurSel());
    EXPECT_EQ("", EditorText());
    parent.Flush();
    Press(hCombo, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({
        CellText(WM_QEL_LISTEDITTING, 2, kChoiceColumn, ""),
        Cell(WM_QEL_LISTEDITEND, 2, kChoiceColumn),
    }));
    EXPECT_EQ("", ItemText(2, kChoiceColumn));
}

TEST_F(ComboEditor, KeysThatMoveTheEditLeaveTheDateAndTheChoiceAsTheyWere)
{
    // Given to the picker or the combo box as well, these keys would first change the date or the choice
    // (Ctrl+Down a day back, Ctrl+End the last entry), and the move would commit that change.
    SetStyle(kDateColumn, RUNTIME_CLASS(CQELListItemDateTimeCtrl));
    const struct
    {
        int   column;
        DWORD comboStyle;
        UINT  key;
        bool  ctrl;
        int   toItem, toSubItem;   // -1: no cell to move to, the edit stays open
    } cases[] = {
        { kDateColumn, CBS_DROPDOWNLIST, VK_UP, true, 1, kDateColumn },
        { kDateColumn, CBS_DROPDOWNLIST, VK_DOWN, true, 3, kDateColumn },
        { kDateColumn, CBS_DROPDOWNLIST, VK_PRIOR, false, 0, kDateColumn },
        { kDateColumn, CBS_DROPDOWNLIST, VK_NEXT, true, 4, kDateColumn },
        { kDateColumn, CBS_DROPDOWNLIST, VK_HOME, true, 2, 0 },
        { kDateColumn, CBS_DROPDOWNLIST, VK_END, true, 2, kChoiceColumn },
        { kChoiceColumn, CBS_DROPDOWNLIST, VK_UP, true, 1, kChoiceColumn },
        { kChoiceColumn, CBS_DROPDOWNLIST, VK_DOWN, true, 3, kChoiceColumn },
        { kChoiceColumn, CBS_DROPDOWNLIST, VK_PRIOR, false, 0, kChoiceColumn },
        { kChoiceColumn, CBS_DROPDOWNLIST, VK_NEXT, false, 4, kChoiceColumn },
        { kChoiceColumn, CBS_DROPDOWNLIST, VK_HOME, true, 2, 0 },
        { kChoiceColumn, CBS_DROPDOWNLIST, VK_END, true, -1, -1 },
        { kChoiceColumn, CBS_DROPDOWN, VK_DOWN, true, 3, kChoiceColumn },
        { kChoiceColumn, CBS_DROPDOWN, VK_NEXT, false, 4, kChoiceColumn },
        { kChoiceColumn, CBS_DROPDOWN, VK_END, true, -1, -1 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "column " << c.column << ", style " << c.comboStyle << ", key " << c.key);
        SetStyle(kChoiceColumn, RUNTIME_CLASS(CQELListItemComboBoxCtrl), c.comboStyle);
        for (int row = 0; row < 5; ++row)
        {
            list->SetItemText(row, kDateColumn, _T("2009-03-15"));
            list->SetItemText(row, kChoiceColumn, _T("Green"));
        }
        ASSERT_EQ(0, list->EditSubItem(2, c.column));
        PumpUntilIdle();
        if (c.column == kDateColumn)
            for (int field = 0; field < 3; ++field)
                InputKey(VK_RIGHT);   // the day field, picked as a user does before changing it
        parent.Flush();
        InputKey(c.key, c.ctrl);
        InputKey(VK_RETURN);   // commits the editor that is open now: nothing changed in either
        if (c.toItem < 0)
            EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 2, c.column) }));
        else
            EXPECT_TRUE(MatchesEdits({
                Cell(WM_QEL_LISTEDITBEGIN, c.toItem, c.toSubItem),
                Cell(WM_QEL_LISTEDITEND, 2, c.column),
                Cell(WM_QEL_LISTITEMCONST, c.toItem, c.toSubItem),
                Cell(WM_QEL_LISTEDITEND, c.toItem, c.toSubItem),
            }));
        EXPECT_EQ(nullptr, Editor());
    }
}

TEST_F(ComboEditor, ADropDownComboKeepsTheEditOpenWhileItsEditFieldHasTheFocus)
{
    SetStyle(kChoiceColumn, RUNTIME_CLASS(CQELListItemComboBoxCtrl), CBS_DROPDOWN);
    const HWND hCombo = Open(0);
    ASSERT_NE(HWND(NULL), hCombo);
    EXPECT_EQ(DWORD(CBS_DROPDOWN), static_cast<DWORD>(::GetWindowLongA(hCombo, GWL_STYLE)) & 0x3);
    const HWND hField = ::GetFocus();
    ASSERT_TRUE(::IsChild(hCombo, hField)) << "the focus is in the combo box's edit field";
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 0, kChoiceColumn),
        Cell(WM_QEL_LISTITEMCONST, 0, kChoiceColumn),
    }));
    EXPECT_EQ("Green", EditorText());

    // A free text typed into the field is reported when the focus leaves the combo box.
    ::SendMessageA(hField, EM_SETSEL, 0, -1);
    Type(hField, "Cyan");
    parent.Flush();
    parent.SetFocus();
    PumpUntilIdle();
    EXPECT_TRUE(MatchesEdits({
        CellText(WM_QEL_LISTEDITTING, 0, kChoiceColumn, "Cyan"),
        Cell(WM_QEL_LISTEDITEND, 0, kChoiceColumn),
    }));
    EXPECT_EQ("Cyan", ItemText(0, kChoiceColumn));
    EXPECT_FALSE(::IsWindow(hCombo));
}

TEST_F(ComboEditor, ADropDownCombosEditFieldTakesEnterEscapeAndCtrlTab)
{
    SetStyle(kChoiceColumn, RUNTIME_CLASS(CQELListItemComboBoxCtrl), CBS_DROPDOWN);

    // Enter commits.
    ASSERT_NE(HWND(NULL), Open(1));
    Combo()->SetEditSel(0, -1);
    InputText("x");
    parent.Flush();
    InputKey(VK_RETURN);
    EXPECT_TRUE(MatchesEdits({
        CellText(WM_QEL_LISTEDITTING, 1, kChoiceColumn, "x"),
        Cell(WM_QEL_LISTEDITEND, 1, kChoiceColumn),
    }));
    EXPECT_EQ(list->GetSafeHwnd(), ::GetFocus());

    // Escape cancels.
    ASSERT_NE(HWND(NULL), Open(1));
    Combo()->SetEditSel(0, -1);
    InputText("yy");
    parent.Flush();
    InputKey(VK_ESCAPE);
    EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 1, kChoiceColumn) }));
    EXPECT_EQ("x", ItemText(1, kChoiceColumn));

    // Ctrl+Tab moves on.
    ASSERT_NE(HWND(NULL), Open(1));
    parent.Flush();
    InputKey(VK_TAB, true);
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 2, 0),
        Cell(WM_QEL_LISTEDITEND, 1, kChoiceColumn),
        Cell(WM_QEL_LISTITEMCONST, 2, 0),
    }));
}

class ComboEditorInDialog : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        CreateEditorList(true);
        SetStyle(kChoiceColumn, RUNTIME_CLASS(CQELListItemComboBoxCtrl), CBS_DROPDOWNLIST);
        FillChoicesWhenAnnounced(parent, *list);
    }
};

TEST_F(ComboEditorInDialog, EnterAndEscapeWithTheListDroppedEndOnlyTheEdit)
{
    for (const UINT key : { VK_RETURN, VK_ESCAPE })
    {
        SCOPED_TRACE(testing::Message() << "key " << key);
        list->SetItemText(1, kChoiceColumn, _T("Green"));
        StartEdit(1, kChoiceColumn);
        InputKey(VK_F4);
        InputKey(VK_DOWN);
        ASSERT_TRUE(static_cast<CComboBox*>(Editor())->GetDroppedState());
        parent.Flush();
        InputKey(key);
        if (key == VK_RETURN)
            EXPECT_TRUE(MatchesEdits({
                CellText(WM_QEL_LISTEDITTING, 1, kChoiceColumn, "Blue"),
                Cell(WM_QEL_LISTEDITEND, 1, kChoiceColumn),
            }));
        else
            EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 1, kChoiceColumn) }));
        EXPECT_EQ(list->GetSafeHwnd(), ::GetFocus());
        EXPECT_EQ(0, dialog->defaultCommands);
    }
}

} // namespace
