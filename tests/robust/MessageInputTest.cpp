// The registered messages the list accepts, sent with null and edge records, the parent's answers to
// WM_QEL_LISTEDITMAX, and the windows going away in the middle of an edit.
#include "RobustTestSupport.h"

using namespace qeltest;

namespace {

// The editor factory of column 1 (text), 2 (drop-down list) or 3 (date).
CRuntimeClass* EditorClass(int nColumn)
{
    return nColumn == 1 ? RUNTIME_CLASS(CQELListItemEdit)
         : nColumn == 2 ? RUNTIME_CLASS(CQELListItemComboBoxCtrl)
                        : RUNTIME_CLASS(CQELListItemDateTimeCtrl);
}

// Four columns nWidth wide and one row: pszFirst in column 0, pszOthers (when given) in the rest.
void AddColumnsAndRow(CListCtrl& list, int nWidth, LPCTSTR pszFirst, LPCTSTR pszOthers)
{
    for (int c = 0; c < 4; ++c)
        list.InsertColumn(c, _T("C"), LVCFMT_LEFT, nWidth);
    list.InsertItem(0, pszFirst);
    for (int c = 1; c < 4 && pszOthers != nullptr; ++c)
        list.SetItemText(0, c, pszOthers);
}

class MessageInput : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        CreateList(5, 4);
        SetEditorStyles();
    }
    LRESULT Send(UINT message, _tag_QELListEditInfo* pInfo, WPARAM wParam = 0)
    {
        return list->SendMessage(message, wParam, reinterpret_cast<LPARAM>(pInfo));
    }
};

TEST_F(MessageInput, NullRecordsAreForwardedAndStoreNothing)
{
    const std::string before = ItemText(0, 1);
    for (const LRESULT answer : {0, 1, -1})
    {
        parent.SetAnswer(WM_QEL_LISTEDITTING, answer);
        parent.SetAnswer(WM_QEL_LISTEDITEND, answer);
        parent.Flush();
        EXPECT_EQ(answer, Send(WM_QEL_LISTEDITTING, nullptr, 0x1234));
        EXPECT_EQ(answer, Send(WM_QEL_LISTEDITEND, nullptr));
        ASSERT_TRUE(parent.Matches({WithWParam(Msg(WM_QEL_LISTEDITTING), (kId << 16) | 0x1234),
                                    WithWParam(Msg(WM_QEL_LISTEDITEND), kId << 16)}));
        for (const RecordedMessage& m : parent.Messages())
            EXPECT_EQ(0, m.lParam);
    }
    EXPECT_EQ(before, ItemText(0, 1));
    figures::Inputs("edit reports with a null record", 6);
}

TEST_F(MessageInput, HeaderMessagesWithAnyValuesAreForwardedWithTheListId)
{
    int tried = 0;
    for (const WPARAM wParam : {WPARAM(0), WPARAM(0xFFFF), WPARAM(0xFFFFFFFF), WPARAM(INT_MIN)})
    {
        for (const LPARAM lParam : {LPARAM(0), LPARAM(-1), LPARAM(INT_MAX)})
        {
            parent.Flush();
            parent.SetAnswer(WM_QEL_HEADERVISIABLECHANGE, 7);
            EXPECT_EQ(7, list->SendMessage(WM_QEL_HEADERVISIABLECHANGE, wParam, lParam));
            list->SendMessage(WM_QEL_HEADERCHANGED, wParam, lParam);
            const WPARAM forwarded = wParam | (kId << 16);
            EXPECT_TRUE(parent.Matches({
                Sent(WithLParam(WithWParam(Msg(WM_QEL_HEADERVISIABLECHANGE), forwarded), lParam)),
                Sent(WithLParam(WithWParam(Msg(WM_QEL_HEADERCHANGED), forwarded), lParam)),
            }));
            tried += 2;
        }
    }
    figures::Inputs("header messages to the list with any values", tried);
}

TEST_F(MessageInput, EdgeRecordsNeverTouchCellsOutsideTheList)
{
    const std::string cells = ItemText(0, 0) + ItemText(4, 3);
    int tried = 0;
    for (const int row : {-1, INT_MIN, INT_MAX, 5})
    {
        for (const int column : {-1, INT_MIN, INT_MAX, 4, 0x10000})
        {
            _tag_QELListEditInfo info = {};
            info.nItem = row;
            info.nSubItem = column;
            TCHAR text[] = _T("garbage");
            info.pszText = text;
            // pEditWnd is the sender's business: the list forwards it without looking.
            info.pEditWnd = reinterpret_cast<CWnd*>(static_cast<INT_PTR>(-1));
            parent.Flush();
            EXPECT_EQ(0, Send(WM_QEL_LISTEDITTING, &info));
            EXPECT_EQ(0, Send(WM_QEL_LISTEDITEND, &info));
            EXPECT_EQ(2, parent.Count(WM_QEL_LISTEDITTING) + parent.Count(WM_QEL_LISTEDITEND));
            tried += 2;
        }
    }
    EXPECT_EQ(5, list->GetItemCount());
    EXPECT_EQ(cells, ItemText(0, 0) + ItemText(4, 3));
    figures::Inputs("edit reports with edge rows and columns", tried);
}

TEST_F(MessageInput, NullTextInAnAcceptedReportEmptiesTheCell)
{
    _tag_QELListEditInfo info = {};
    info.nItem = 1;
    info.nSubItem = 2;
    info.pszText = nullptr;
    EXPECT_EQ(0, Send(WM_QEL_LISTEDITTING, &info));
    EXPECT_EQ("", ItemText(1, 2));
    const std::vector<RecordedMessage> reports = parent.MessagesOf(WM_QEL_LISTEDITTING);
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(101u, EditInfo(reports.back()).dwItemData);
    figures::Inputs("edit reports with a null text", 1);
}

TEST_F(MessageInput, ListWithoutParentAnswersZero)
{
    CTestList orphan;
    ASSERT_TRUE(orphan.CreateEx(0, WC_LISTVIEW, _T(""), WS_POPUP | LVS_REPORT, CRect(0, 0, 200, 100), NULL, 0));
    orphan.InsertColumn(0, _T("A"), LVCFMT_LEFT, 50);
    orphan.InsertItem(0, _T("old"));
    _tag_QELListEditInfo info = {};
    TCHAR text[] = _T("new");
    info.pszText = text;
    EXPECT_EQ(0, orphan.SendMessage(WM_QEL_LISTEDITTING, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ("new", Narrow(orphan.GetItemText(0, 0)));
    EXPECT_EQ(0, orphan.SendMessage(WM_QEL_LISTEDITEND, 0, 0));
    orphan.DestroyWindow();
    figures::Inputs("list without a parent", 2);
}

TEST_F(MessageInput, EditMaxAnswersOutsideTheRowsBelowEndTheMovement)
{
    ASSERT_NE(nullptr, StartEdit(4, 1));
    int tried = 0;
    for (const LRESULT answer : {0, -1, INT_MIN, INT_MAX, 4, 3, 5, 6, 0x7FFFFFFF})
    {
        parent.SetAnswer(WM_QEL_LISTEDITMAX, answer);
        parent.Flush();
        CWnd* pEditor = list->GetEditControl();
        ASSERT_NE(nullptr, pEditor);
        list->SendMessage(WM_QEL_LISTITEMEDIT, 4, QELEncodeMoveRequest(VK_DOWN, TRUE, FALSE, 1));
        PumpUntilIdle();
        EXPECT_EQ(1, parent.Count(WM_QEL_LISTEDITMAX)) << answer;
        EXPECT_EQ(0, parent.Count(WM_QEL_LISTEDITBEGIN)) << answer;
        EXPECT_EQ(pEditor, list->GetEditControl()) << "the edit stays open, answer " << answer;
        ++tried;
    }
    // A row the parent really appended moves the edit there.
    parent.SetAnswer(WM_QEL_LISTEDITMAX, [this](const RecordedMessage&, bool& handled) -> LRESULT {
        handled = true;
        return list->InsertItem(list->GetItemCount(), _T("appended"));
    });
    parent.Flush();
    list->SendMessage(WM_QEL_LISTITEMEDIT, 4, QELEncodeMoveRequest(VK_DOWN, TRUE, FALSE, 1));
    PumpUntilIdle();
    EXPECT_EQ(1, parent.Count(WM_QEL_LISTITEMCONST));
    const std::vector<RecordedMessage> opened = parent.MessagesOf(WM_QEL_LISTITEMCONST);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(5, EditInfo(opened.back()).nItem);
    figures::Inputs("WM_QEL_LISTEDITMAX answers", tried + 1);
}

TEST_F(MessageInput, ParentStartingANewEditFromTheEndGetsIt)
{
    CLedger ledger;
    ASSERT_NE(nullptr, StartEdit(0, 1));
    Commit();
    const LedgerSnapshot before = ledger.Snapshot();

    int nested = 0;
    parent.SetAnswer(WM_QEL_LISTEDITEND, [this, &nested](const RecordedMessage&, bool& handled) -> LRESULT {
        handled = true;
        if (nested++ < 3)
        {
            EXPECT_EQ(0, list->EditSubItem(nested, 1 + nested % 3));
        }
        return 0;
    });
    ASSERT_NE(nullptr, StartEdit(0, 1));
    Commit();                 // ends (0,1); the parent opens (1,2) from inside the end
    EXPECT_NE(nullptr, list->GetEditControl());
    Commit();                 // ends (1,2); the parent opens (2,3)
    Commit();                 // ends (2,3); the parent opens (3,1)
    Commit();                 // ends (3,1); the parent opens nothing
    EXPECT_EQ(nullptr, list->GetEditControl());
    EXPECT_EQ(4, nested);
    parent.ClearAnswers();
    ExpectReleased(ledger, before, "edits started from inside WM_QEL_LISTEDITEND");
    figures::Inputs("new edits started by the parent inside WM_QEL_LISTEDITEND", 4);
}

TEST_F(MessageInput, ParentStartingAnEditOfTheSameCellFromTheEnd)
{
    bool again = true;
    parent.SetAnswer(WM_QEL_LISTEDITEND, [this, &again](const RecordedMessage&, bool& handled) -> LRESULT {
        handled = true;
        if (again)
        {
            again = false;
            EXPECT_EQ(0, list->EditSubItem(0, 1));
        }
        return 0;
    });
    CWnd* pEditor = StartEdit(0, 1);
    ASSERT_NE(nullptr, pEditor);
    TypeText(pEditor->GetSafeHwnd(), "x");
    Commit();
    EXPECT_EQ("x", ItemText(0, 1));
    ASSERT_NE(nullptr, list->GetEditControl());
    Commit();
    EXPECT_EQ(nullptr, list->GetEditControl());
    figures::Inputs("same cell reopened inside WM_QEL_LISTEDITEND", 1);
}

TEST_F(MessageInput, ListDestroyedWhileAnEditorIsOpen)
{
    CLedger ledger;
    int tried = 0;
    // The first three rounds warm up: the layer's window map keeps the room it grew to hold as many windows as
    // an editor of each kind makes, so the leak checks count from after them.
    for (int round = 0; round < 6; ++round)
    {
        const int column = 1 + round % 3;
        PumpUntilIdle();
        const LedgerSnapshot before = ledger.Snapshot();
        CTestList* pList = new CTestList;
        ASSERT_TRUE(pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &parent, 5));
        AddColumnsAndRow(*pList, 80, _T("a"), nullptr);
        _tag_QELListColumnStyle style = {};
        style.nColumn = column;
        style.pRuntimeClass = EditorClass(column);
        ASSERT_EQ(0u, pList->SetColumnStyle(&style));
        PumpUntilIdle();

        // Window first, then the object; and the object alone with the window still there.
        ASSERT_EQ(0, pList->EditSubItem(0, column));
        ASSERT_NE(nullptr, pList->GetEditControl());
        pList->DestroyWindow();
        PumpUntilIdle();
        ASSERT_TRUE(pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &parent, 5));
        AddColumnsAndRow(*pList, 80, _T("a"), nullptr);
        ASSERT_EQ(0, pList->EditSubItem(0, column));
        ASSERT_NE(nullptr, pList->GetEditControl());
        delete pList;
        if (round < 3)
            continue;
        ExpectReleased(ledger, before, "list destroyed with an editor open");
        tried += 2;
    }
    EXPECT_EQ(12, parent.Count(WM_QEL_LISTITEMCONST));
    EXPECT_EQ(12, parent.Count(WM_QEL_LISTEDITEND));
    figures::Inputs("list destroyed while an editor is open", tried);
}

TEST_F(MessageInput, ListDestroyedInsideEachEditMessageReportsEveryEndOnce)
{
    int tried = 0;
    for (const UINT message : {WM_QEL_LISTEDITBEGIN, WM_QEL_LISTITEMCONST, WM_QEL_LISTEDITTING})
    {
        for (int column = 1; column <= 3; column += 2)
        {
            SCOPED_TRACE(MessageName(message) + ", column " + std::to_string(column));
            std::unique_ptr<CTestList> pList(new CTestList);
            ASSERT_TRUE(pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 480, 200), &parent, 5));
            AddColumnsAndRow(*pList, 100, _T("2024-01-02"), _T("2024-01-02"));
            _tag_QELListColumnStyle style = {};
            style.nColumn = column;
            style.pRuntimeClass = EditorClass(column);
            ASSERT_EQ(0u, pList->SetColumnStyle(&style));
            const HWND hList = pList->GetSafeHwnd();
            parent.SetAnswer(message, [&pList](const RecordedMessage&, bool& handled) -> LRESULT {
                handled = true;
                pList->DestroyWindow();
                return 0;
            });
            parent.Flush();
            pList->EditSubItem(0, column);
            CWnd* pEditor = pList->GetEditControl();
            if (::IsWindow(hList) && pEditor != nullptr)
            {
                SYSTEMTIME date = {2023, 12, 0, 31, 0, 0, 0, 0};
                pEditor->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
                TypeText(pEditor->GetSafeHwnd(), "19");
                list->SetFocus();
            }
            PumpUntilIdle();
            parent.ClearAnswers();
            EXPECT_FALSE(::IsWindow(hList));
            pList.reset();
            EXPECT_EQ(message == WM_QEL_LISTEDITBEGIN ? 0 : 1, parent.Count(WM_QEL_LISTITEMCONST));
            EXPECT_EQ(parent.Count(WM_QEL_LISTITEMCONST), parent.Count(WM_QEL_LISTEDITEND));
            ++tried;
        }
    }
    figures::Inputs("list destroyed inside each edit message", tried);
}

TEST_F(MessageInput, ParentDestroyedDuringAnEdit)
{
    // Destroyed from inside the report of the changed text: the list and the editor go with it.
    parent.SetAnswer(WM_QEL_LISTEDITTING, [this](const RecordedMessage&, bool& handled) -> LRESULT {
        handled = true;
        parent.DestroyWindow();
        return 0;
    });
    CWnd* pEditor = StartEdit(1, 1);
    ASSERT_NE(nullptr, pEditor);
    TypeText(pEditor->GetSafeHwnd(), "lost");
    list->SetFocus();
    PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(list->m_hWnd));
    EXPECT_EQ(nullptr, parent.GetSafeHwnd());

    // Destroyed while the editor is simply open.
    ASSERT_TRUE(parent.CreateParent(700, 480));
    parent.ClearAnswers();
    CTestList second;
    ASSERT_TRUE(second.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &parent, 6));
    second.InsertColumn(0, _T("A"), LVCFMT_LEFT, 80);
    second.InsertColumn(1, _T("B"), LVCFMT_LEFT, 80);
    second.InsertItem(0, _T("a"));
    _tag_QELListColumnStyle style = {};
    style.nColumn = 1;
    style.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
    ASSERT_EQ(0u, second.SetColumnStyle(&style));
    ASSERT_EQ(0, second.EditSubItem(0, 1));
    ASSERT_NE(nullptr, second.GetEditControl());
    parent.DestroyWindow();
    PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(second.m_hWnd));
    figures::Inputs("parent destroyed during an edit", 2);
}

TEST_F(MessageInput, ParentDestroyedInsideEachEditMessage)
{
    CLedger ledger;
    int tried = 0;
    // The first round grows the framework's handle tables to what the scenarios need at most; the second
    // must give everything back.
    for (int round = 0; round < 2; ++round)
    {
        for (const UINT message : {WM_QEL_LISTEDITBEGIN, WM_QEL_LISTITEMCONST, WM_QEL_LISTEDITTING, WM_QEL_LISTEDITEND})
        {
            for (int column = 1; column <= 3; ++column)
            {
                SCOPED_TRACE(MessageName(message) + ", column " + std::to_string(column));
                PumpUntilIdle();
                const LedgerSnapshot before = ledger.Snapshot();
                {
                    CRecorderWnd host;
                    ASSERT_TRUE(host.CreateParent(500, 300));
                    CTestList* pList = new CTestList;
                    ASSERT_TRUE(pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 480, 200), &host, 8));
                    AddColumnsAndRow(*pList, 100, _T("2024-01-02"), _T("2024-01-02"));
                    _tag_QELListColumnStyle style = {};
                    style.nColumn = column;
                    style.pRuntimeClass = EditorClass(column);
                    ASSERT_EQ(0u, pList->SetColumnStyle(&style));
                    host.SetAnswer(message, [&host](const RecordedMessage&, bool& handled) -> LRESULT {
                        handled = true;
                        host.DestroyWindow();
                        return 0;
                    });
                    // A list gone with its parent while the parent was asked has no row left to edit: 2.
                    const int result = pList->EditSubItem(0, column);
                    EXPECT_EQ(message == WM_QEL_LISTEDITBEGIN ? 2 : 0, result);
                    CWnd* pEditor = pList->GetEditControl();
                    if (pEditor != nullptr && ::IsWindow(pEditor->GetSafeHwnd()))
                    {
                        pEditor->SetWindowText(_T("2023-12-31"));
                        pList->SetFocus();
                    }
                    PumpUntilIdle();
                    if (host.GetSafeHwnd() != NULL)
                        host.DestroyWindow();
                    PumpUntilIdle();
                    EXPECT_FALSE(::IsWindow(pList->GetSafeHwnd()));
                    delete pList;
                }
                if (round == 1)
                    ExpectReleased(ledger, before, "parent destroyed inside an edit message");
                ++tried;
            }
        }
    }
    figures::Inputs("parent destroyed inside each edit message", tried);
}

} // namespace
