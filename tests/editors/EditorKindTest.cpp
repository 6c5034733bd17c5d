// What every in-place editor does alike, for the text, the date and the drop-down list editor: how it opens
// and is announced, how Enter, Escape, a focus change, Ctrl+Tab and the wheel end or keep the edit, which
// style bits reach its window, and the same keys as real input inside a dialog.
#include "EditorTestSupport.h"

#include "QELListItemComboBoxCtrl.h"
#include "QELListItemDateTimeCtrl.h"
#include "QELListItemEdit.h"

#include <ostream>

using namespace qeltest;

namespace {

struct EditorKind
{
    const char*    name;
    CRuntimeClass* pFactory;
    DWORD          dwStyle;          // the column style the kind needs
    const char*    pszClass;         // run-time class the editor window reports
    const char*    pszWindowClass;   // class of the window it creates
    UINT           nCtrlId;
    const char*    pszCell;          // text of the edited cells
    UINT           changeKeys[2];    // keys that change the value (0: none)
    const char*    pszChanged;       // the value after the change
    DWORD          dwExtraStyle;     // a style bit of the column style that must reach the window
    bool           bKeepsBorder;     // the column style's WS_BORDER reaches the creation
    bool           bTakesListFont;
    int            nDropRoom;        // height requested below the cell for a drop-down list
};

void PrintTo(const EditorKind& kind, std::ostream* os)
{
    *os << kind.name;
}

const EditorKind kKinds[] = {
    { "Text", RUNTIME_CLASS(CQELListItemEdit), 0, "CQELListEdit", "Edit", QEL_EDITID_TEXT, "old", { 'X', 0 }, "x",
      ES_UPPERCASE, false, true, 0 },
    { "Date", RUNTIME_CLASS(CQELListItemDateTimeCtrl), 0, "CDateTimeCtrl", DATETIMEPICK_CLASSA, QEL_EDITID_DATE,
      "2009-03-15", { VK_RIGHT, VK_UP }, "2010-03-15", DTS_RIGHTALIGN, false, false, 0 },   // the year
    { "Combo", RUNTIME_CLASS(CQELListItemComboBoxCtrl), CBS_DROPDOWNLIST, "CQELListComboBox", "ComboBox",
      QEL_EDITID_COMBO, "Green", { VK_DOWN, 0 }, "Blue", CBS_SORT, true, true, 50 },
};

const int kColumn = 4;   // the kind's column; column 0 has the text editor, the columns between none

class AnyEditor : public EditorTest, public ::testing::WithParamInterface<EditorKind>
{
protected:
    static constexpr WPARAM kIdHigh = static_cast<WPARAM>(kId) << 16;

    void SetUp() override
    {
        EditorTest::SetUp();
        CreateKindList(false);
    }
    void CreateKindList(bool inDialog)
    {
        CreateEditorList(inDialog);
        for (int row = 0; row < 5; ++row)
            list->SetItemText(row, kColumn, CString(GetParam().pszCell));
        SetStyle(0, RUNTIME_CLASS(CQELListItemEdit));
        SetStyle(kColumn, GetParam().pFactory, GetParam().dwStyle);
        FillChoicesWhenAnnounced(parent, *list);
    }
    HWND Open(int nItem)
    {
        StartEdit(nItem, kColumn);
        return EditorHwnd();
    }
    // Changes the value of the open editor with its keys, as messages or as real input.
    void Change(bool realInput = false)
    {
        for (const UINT vk : GetParam().changeKeys)
            if (vk != 0 && realInput)
                InputKey(vk);
            else if (vk != 0)
                Press(::GetFocus(), vk);
    }
    // The list deleted the editor object and its window.
    void ExpectEditorGone(HWND hEditor)
    {
        EXPECT_EQ(nullptr, Editor());
        EXPECT_FALSE(::IsWindow(hEditor));
    }
};

class AnyEditorInDialog : public AnyEditor
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        CreateKindList(true);
    }
};

TEST_P(AnyEditor, OpensOverTheCellAnnouncedFocusedAndOwnedByTheList)
{
    const HWND hEditor = Open(1);
    ASSERT_NE(HWND(NULL), hEditor);
    EXPECT_TRUE(MatchesEdits({
        WithWParam(Cell(WM_QEL_LISTEDITBEGIN, 1, kColumn), kIdHigh),
        WithWParam(Cell(WM_QEL_LISTITEMCONST, 1, kColumn), kIdHigh),
    }));
    const _tag_QELListEditInfo info = EditInfo(EditMessages().at(1));
    EXPECT_EQ(GetParam().nCtrlId, info.nCtrlID);
    EXPECT_EQ(Editor(), info.pEditWnd);
    EXPECT_STREQ(GetParam().pszClass, Editor()->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(GetParam().nCtrlId, static_cast<UINT>(::GetDlgCtrlID(hEditor)));
    EXPECT_EQ(hEditor, ::GetFocus());
    EXPECT_EQ(list, Editor()->GetOwner());
    const HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(hEditor, WM_GETFONT, 0, 0));
    EXPECT_EQ(GetParam().bTakesListFont, hFont == static_cast<HFONT>(listFont.GetSafeHandle()));
    const CRect cell = LabelRect(1, kColumn), window = EditorRectInList();
    EXPECT_EQ(cell.TopLeft(), window.TopLeft());
    EXPECT_EQ(cell.Width(), window.Width());
}

TEST_P(AnyEditor, StyleBitsReachTheWindowAndTheBorderOnlyTheComboBox)
{
    SetStyle(kColumn, GetParam().pFactory, GetParam().dwStyle | GetParam().dwExtraStyle | WS_BORDER);
    CCreationSpy spy;
    const HWND hEditor = Open(0);
    const CCreationSpy::Creation* pCreation = spy.Last(GetParam().pszWindowClass);
    ASSERT_NE(nullptr, pCreation);
    EXPECT_EQ(GetParam().dwExtraStyle, pCreation->style & GetParam().dwExtraStyle);
    EXPECT_EQ(GetParam().bKeepsBorder, (pCreation->style & WS_BORDER) != 0);
    const CRect cell = LabelRect(0, kColumn);
    EXPECT_EQ(CRect(cell.left, cell.top, cell.right, cell.bottom + GetParam().nDropRoom),
              CRect(pCreation->x, pCreation->y, pCreation->x + pCreation->cx, pCreation->y + pCreation->cy));

    const DWORD style = static_cast<DWORD>(::GetWindowLongA(hEditor, GWL_STYLE));
    EXPECT_EQ(GetParam().dwExtraStyle, style & GetParam().dwExtraStyle);
    if (!GetParam().bKeepsBorder)
    {
        EXPECT_EQ(0u, style & WS_BORDER);
    }
}

TEST_P(AnyEditor, EnterWithoutAChangeReportsOnlyTheEnd)
{
    const HWND hEditor = Open(0);
    parent.Flush();
    Press(hEditor, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 0, kColumn) }));
    EXPECT_EQ(GetParam().pszCell, ItemText(0, kColumn));
    ExpectEditorGone(hEditor);
    EXPECT_EQ(list->GetSafeHwnd(), ::GetFocus());
}

TEST_P(AnyEditor, EnterCommitsAChangeAndTheListStoresIt)
{
    const HWND hEditor = Open(1);
    Change();
    ASSERT_EQ(GetParam().pszChanged, EditorText());
    parent.Flush();
    Press(hEditor, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({
        WithWParam(CellText(WM_QEL_LISTEDITTING, 1, kColumn, GetParam().pszChanged), kIdHigh),
        WithWParam(Cell(WM_QEL_LISTEDITEND, 1, kColumn), kIdHigh),
    }));
    const std::vector<RecordedMessage> messages = EditMessages();
    ASSERT_EQ(2u, messages.size());
    EXPECT_EQ(GetParam().nCtrlId, EditInfo(messages[0]).nCtrlID);
    EXPECT_EQ(101u, EditInfo(messages[0]).dwItemData);
    EXPECT_EQ(nullptr, EditInfo(messages[1]).pszText);
    EXPECT_EQ(nullptr, EditInfo(messages[1]).pEditWnd);
    EXPECT_EQ(GetParam().pszChanged, ItemText(1, kColumn));
    ExpectEditorGone(hEditor);
    EXPECT_EQ(list->GetSafeHwnd(), ::GetFocus());
}

TEST_P(AnyEditor, EscapeAfterAChangeReportsOnlyTheEnd)
{
    const HWND hEditor = Open(1);
    Change();
    parent.Flush();
    Cancel();
    EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 1, kColumn) }));
    EXPECT_EQ(GetParam().pszCell, ItemText(1, kColumn));
    ExpectEditorGone(hEditor);
}

TEST_P(AnyEditor, FocusElsewhereCommitsAndTheListDeletesTheEditor)
{
    const HWND hEditor = Open(4);
    Change();
    parent.Flush();
    parent.SetFocus();
    PumpUntilIdle();
    EXPECT_TRUE(MatchesEdits({
        CellText(WM_QEL_LISTEDITTING, 4, kColumn, GetParam().pszChanged),
        Cell(WM_QEL_LISTEDITEND, 4, kColumn),
    }));
    EXPECT_EQ(GetParam().pszChanged, ItemText(4, kColumn));
    ExpectEditorGone(hEditor);
}

TEST_P(AnyEditor, CtrlTabCommitsAndMovesOnToTheNextRowsFirstEditableCell)
{
    const HWND hEditor = Open(1);
    Change();
    parent.Flush();
    Press(hEditor, VK_TAB, true);
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 2, 0),
        CellText(WM_QEL_LISTEDITTING, 1, kColumn, GetParam().pszChanged),
        Cell(WM_QEL_LISTEDITEND, 1, kColumn),
        Cell(WM_QEL_LISTITEMCONST, 2, 0),
    }));
    EXPECT_EQ(GetParam().pszChanged, ItemText(1, kColumn));
    EXPECT_FALSE(::IsWindow(hEditor));
    EXPECT_EQ("r2c0", EditorText());
    EXPECT_EQ(EditorHwnd(), ::GetFocus());
}

TEST_P(AnyEditor, TheWheelChangesNothingAndCtrlWheelMovesDown)
{
    for (int row = 5; row < 60; ++row)
        list->InsertItem(row, _T("more"));
    const HWND hEditor = Open(0);
    parent.Flush();
    ::SendMessageA(hEditor, WM_MOUSEWHEEL, WheelWParam(0, WHEEL_DELTA), MAKELPARAM(100, 100));
    ::SendMessageA(hEditor, WM_MOUSEWHEEL, WheelWParam(0, -WHEEL_DELTA * 3), MAKELPARAM(100, 100));
    PumpUntilIdle();
    EXPECT_EQ(0, list->GetTopIndex());
    EXPECT_EQ(hEditor, EditorHwnd());
    EXPECT_EQ(GetParam().pszCell, EditorText());
    EXPECT_TRUE(EditMessages().empty());

    // With Ctrl the wheel moves the edit: backwards is down.
    SetModifierKeys(true, false);
    ::SendMessageA(hEditor, WM_MOUSEWHEEL, WheelWParam(MK_CONTROL, -WHEEL_DELTA), MAKELPARAM(100, 100));
    SetModifierKeys(false, false);
    PumpUntilIdle();
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 1, kColumn),
        Cell(WM_QEL_LISTEDITEND, 0, kColumn),
        Cell(WM_QEL_LISTITEMCONST, 1, kColumn),
    }));
    EXPECT_EQ(0, list->GetTopIndex());
}

// ---- Inside a dialog: real keyboard input through the message queue ---------------------------------

TEST_P(AnyEditorInDialog, TabStaysAndCtrlTabMovesPastTheDialogNavigation)
{
    const HWND hEditor = Open(1);
    ASSERT_EQ(hEditor, ::GetFocus());
    parent.Flush();
    InputKey(VK_TAB);
    EXPECT_EQ(hEditor, ::GetFocus());
    EXPECT_TRUE(EditMessages().empty());

    Change(true);
    EXPECT_EQ(GetParam().pszChanged, EditorText());
    parent.Flush();
    InputKey(VK_TAB, true);
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 2, 0),
        CellText(WM_QEL_LISTEDITTING, 1, kColumn, GetParam().pszChanged),
        Cell(WM_QEL_LISTEDITEND, 1, kColumn),
        Cell(WM_QEL_LISTITEMCONST, 2, 0),
    }));
    EXPECT_EQ(GetParam().pszChanged, ItemText(1, kColumn));
    EXPECT_FALSE(::IsWindow(hEditor));
    EXPECT_EQ(EditorHwnd(), ::GetFocus());

    parent.Flush();
    InputKey(VK_TAB, true, true);   // Ctrl+Shift+Tab: back to the previous row's last editable cell
    EXPECT_TRUE(MatchesEdits({
        Cell(WM_QEL_LISTEDITBEGIN, 1, kColumn),
        Cell(WM_QEL_LISTEDITEND, 2, 0),
        Cell(WM_QEL_LISTITEMCONST, 1, kColumn),
    }));
    EXPECT_EQ(EditorHwnd(), ::GetFocus());
}

TEST_P(AnyEditorInDialog, EnterCommitsAndEscapeCancelsWithoutEndingTheDialog)
{
    for (const UINT key : { VK_RETURN, VK_ESCAPE })
    {
        SCOPED_TRACE(testing::Message() << "key " << key);
        list->SetItemText(1, kColumn, CString(GetParam().pszCell));
        Open(1);
        Change(true);
        parent.Flush();
        InputKey(key);
        if (key == VK_RETURN)
            EXPECT_TRUE(MatchesEdits({
                CellText(WM_QEL_LISTEDITTING, 1, kColumn, GetParam().pszChanged),
                Cell(WM_QEL_LISTEDITEND, 1, kColumn),
            }));
        else
            EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 1, kColumn) }));
        EXPECT_EQ(list->GetSafeHwnd(), ::GetFocus());
        EXPECT_EQ(0, dialog->defaultCommands);
    }
}

std::string KindName(const ::testing::TestParamInfo<EditorKind>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Kinds, AnyEditor, ::testing::ValuesIn(kKinds), KindName);
INSTANTIATE_TEST_SUITE_P(Kinds, AnyEditorInDialog, ::testing::ValuesIn(kKinds), KindName);

#ifdef _UNICODE
class NonLatinEditing : public EditorTest
{
protected:
    // The text of the last change report.
    tstring Reported() const
    {
        const std::vector<RecordedMessage> reports = parent.MessagesOf(WM_QEL_LISTEDITTING);
        return reports.empty() ? tstring(L"<none>") : reports.back().textT;
    }
    tstring Text(int nItem, int nSubItem) const { return static_cast<LPCTSTR>(list->GetItemText(nItem, nSubItem)); }
    tstring ShownText() const
    {
        CString text;
        Editor()->GetWindowText(text);
        return static_cast<LPCTSTR>(text);
    }
};

// Greek, Cyrillic and ideographs through each editor: typed as wide characters into the text editor, chosen
// in the drop-down list, around the date in the date editor's format; read back from the list and from the
// change report, and kept when the edit moves on to the next row.
TEST_F(NonLatinEditing, TextsPassThroughEveryEditor)
{
    const tstring greek = L"\u0391\u03b8\u03ae\u03bd\u03b1", cyrillic = L"\u041c\u043e\u0441\u043a\u0432\u0430",
                  cjk = L"\u6771\u4eac\u90fd";
    CreateEditorList();
    SetStyle(1, RUNTIME_CLASS(CQELListItemEdit));
    SetStyle(2, RUNTIME_CLASS(CQELListItemComboBoxCtrl), CBS_DROPDOWNLIST);
    TCHAR format[] = L"yyyy'\u5e74'MM'\u6708'dd'\u65e5'";
    _tag_QELListColumnStyle date = {};
    date.nColumn = 3;
    date.pData = format;
    date.nDataLen = DataLength(format);
    date.pRuntimeClass = RUNTIME_CLASS(CQELListItemDateTimeCtrl);
    ASSERT_EQ(0u, list->SetColumnStyle(&date));
    FillChoicesWhenAnnounced(parent, *list, { greek, cyrillic, cjk });

    list->SetItemText(0, 1, greek.c_str());
    list->SetItemText(1, 1, cjk.c_str());
    ASSERT_NE(nullptr, StartEdit(0, 1));
    const HWND hEdit = EditorHwnd();
    EXPECT_EQ(greek, ShownText());
    ::SendMessage(hEdit, EM_SETSEL, 0, -1);
    TypeText(hEdit, cyrillic.c_str());
    Press(hEdit, VK_DOWN, true);   // on to the row below
    EXPECT_EQ(cyrillic, Reported());
    EXPECT_EQ(cyrillic, Text(0, 1));
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ(cjk, ShownText());
    Press(EditorHwnd(), VK_RETURN);
    EXPECT_EQ(cjk, Text(1, 1));

    list->SetItemText(0, 2, greek.c_str());
    CComboBox* pCombo = static_cast<CComboBox*>(StartEdit(0, 2));
    ASSERT_NE(nullptr, pCombo);
    EXPECT_EQ(greek, ShownText());
    pCombo->SetCurSel(pCombo->FindStringExact(-1, cjk.c_str()));
    Press(pCombo->GetSafeHwnd(), VK_RETURN);
    EXPECT_EQ(cjk, Reported());
    EXPECT_EQ(cjk, Text(0, 2));

    list->SetItemText(0, 3, L"2009\u5e7403\u670815\u65e5");
    ASSERT_NE(nullptr, StartEdit(0, 3));
    const HWND hPicker = EditorHwnd();
    EXPECT_EQ(L"2009\u5e7403\u670815\u65e5", ShownText());
    Press(hPicker, VK_RIGHT);   // the year
    Press(hPicker, VK_UP);
    Press(hPicker, VK_RETURN);
    EXPECT_EQ(L"2010\u5e7403\u670815\u65e5", Reported());
    EXPECT_EQ(L"2010\u5e7403\u670815\u65e5", Text(0, 3));
}
#endif

} // namespace
