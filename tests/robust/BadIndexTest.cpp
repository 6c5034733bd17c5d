// Every index-taking operation of the list and its header with negative, extreme and past-the-end
// indexes, null records and hostile style fields: each gives its documented answer and changes nothing.
#include "RobustTestSupport.h"

#include <algorithm>

using namespace qeltest;

namespace {

class BadIndex : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        CreateList(5, 4);
        SetEditorStyles();
        ASSERT_EQ(1, list->EnableSortColumn(0, 1));
        list->SetSortColumn(0, 1, 0);
        list->SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        PumpUntilIdle();
        parent.Flush();
    }

    // What bad input must leave as it was.
    struct State
    {
        int         rows;
        int         sortColumn;
        int         ascending;
        int         selected;
        std::string cells;
        bool        styles[4];
        int         widths[4];
        bool operator==(const State& o) const
        {
            return rows == o.rows && sortColumn == o.sortColumn && ascending == o.ascending
                && selected == o.selected && cells == o.cells && std::equal(styles, styles + 4, o.styles)
                && std::equal(widths, widths + 4, o.widths);
        }
    };
    State Capture()
    {
        State s = {};
        s.rows = list->GetItemCount();
        s.sortColumn = list->GetHeaderCtrl()->GetSortColumn();
        s.ascending = list->GetHeaderCtrl()->IsAscending();
        s.selected = list->GetNextItem(-1, LVNI_SELECTED);
        for (int r = 0; r < s.rows; ++r)
            for (int c = 0; c < 4; ++c)
                s.cells += ItemText(r, c) + "|";
        for (int c = 0; c < 4; ++c)
        {
            s.styles[c] = list->IsEditColumn(c) != FALSE;
            s.widths[c] = list->GetColumnWidth(c);
        }
        return s;
    }
};

TEST_F(BadIndex, ListOperationsAnswerAsDocumentedAndChangeNothing)
{
    const State before = Capture();
    int tried = 0;
    for (const int bad : BadIndexes(list->GetItemCount()))
    {
        SCOPED_TRACE("row " + std::to_string(bad));
        EXPECT_EQ(2, list->EditSubItem(bad, 1));
        EXPECT_EQ(2, list->EditSubItem(bad, bad));
        ++tried;
    }
    for (const int bad : BadIndexes(4))
    {
        SCOPED_TRACE("column " + std::to_string(bad));
        EXPECT_EQ(2, list->EditSubItem(0, bad));
        EXPECT_FALSE(list->IsEditColumn(bad));
        _tag_QELListColumnStyle style;
        memset(&style, 0xA5, sizeof(style));
        const _tag_QELListColumnStyle sentinel = style;
        EXPECT_FALSE(list->GetEditColumnStyle(bad, style));
        EXPECT_EQ(0, memcmp(&style, &sentinel, sizeof(style))) << "out parameter written";
        EXPECT_EQ(0, list->EnableSortColumn(bad, 1));
        EXPECT_EQ(0, list->ShowColumn(bad, 0, 50));
        EXPECT_EQ(0, list->ShowColumn(bad, 1, INT_MAX));
        EXPECT_EQ(1, list->IsVisibleColumn(bad));
        list->SetSortColumn(bad, 0, 1);
        list->RemoveSortColumn(bad);
        if (bad >= 0)
            list->RemoveColumnStyle(bad);
        EXPECT_EQ(-1, list->NextEditColumn(bad));
        EXPECT_EQ(-1, list->PreviousEditColumn(bad));
        CRect rect(1, 2, 3, 4);
        list->GetSubItemRect(0, bad, LVIR_LABEL, rect);
        tried += 14;
    }
    PumpUntilIdle();
    EXPECT_TRUE(before == Capture());
    EXPECT_TRUE(parent.Messages().empty()) << MessageName(parent.Messages().front().message);
    figures::Inputs("list operations, bad row and column indexes", tried);
}

TEST_F(BadIndex, HeaderOperationsAnswerAsDocumentedAndChangeNothing)
{
    CQELHeaderCtrl& header = *list->GetHeaderCtrl();
    const State before = Capture();
    int tried = 0;
    for (const int bad : BadIndexes(header.GetItemCount()))
    {
        SCOPED_TRACE("column " + std::to_string(bad));
        EXPECT_EQ(0, header.EnableSortColumn(bad, 1));
        EXPECT_EQ(0, header.IsEnableSortColumn(bad));
        EXPECT_EQ(0, header.ShowColumn(bad, 0, -1));
        EXPECT_EQ(0, header.ForceHideColumn(bad, 1, 0));
        EXPECT_EQ(0, header.ForceHideColumn(bad, 0, 1));
        EXPECT_EQ(0, header.IsForceHideColumn(bad));
        EXPECT_EQ(0, header.GetColumnState(bad));
        EXPECT_EQ(1, header.IsVisibleColumn(bad));
        EXPECT_EQ(-1, header.GetColumnWidth(bad));
        header.SetSortColumn(bad, 1, 0);
        header.RemoveSortColumn(bad);
        tried += 11;
    }
    // Menu commands for columns that do not exist, and command ids around the header's range.
    for (const UINT id : {ID_QEL_COLUMN_MENU_FIRST + 4, ID_QEL_COLUMN_MENU_FIRST + 0xFFFF, 5000u, 5049u, 0xFFFFu})
    {
        header.SendMessage(WM_COMMAND, id, 0);
        ++tried;
    }
    PumpUntilIdle();
    EXPECT_TRUE(before == Capture());
    EXPECT_EQ(0, parent.Count(WM_QEL_HEADERCHANGED));
    figures::Inputs("header operations, bad column indexes and commands", tried);
}

TEST_F(BadIndex, HostileStyleRecordsAreRefusedOrStoredSafely)
{
    EXPECT_EQ(0xFFFFFFFFu, list->SetColumnStyle(nullptr));

    _tag_QELListColumnStyle style = {};
    style.nColumn = 1;
    style.pRuntimeClass = RUNTIME_CLASS(CWnd);   // not a factory
    EXPECT_EQ(0xFFFFFFFFu, list->SetColumnStyle(&style));
    EXPECT_TRUE(list->IsEditColumn(1)) << "the refused style must not replace the stored one";

    // A data block whose length is not positive is not copied; the stored pointer is null.
    TCHAR block[] = _T("yyyy");
    for (const int len : {0, -1, INT_MIN})
    {
        style = {};
        style.nColumn = 1;
        style.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
        style.pData = block;
        style.nDataLen = len;
        EXPECT_EQ(0u, list->SetColumnStyle(&style));
        _tag_QELListColumnStyle stored = {};
        ASSERT_TRUE(list->GetEditColumnStyle(1, stored));
        EXPECT_EQ(nullptr, stored.pData) << len;
    }

    // Styles for columns that do not exist are kept but never open an editor.
    for (const int column : {-1, INT_MIN, INT_MAX, 4})
    {
        style = {};
        style.nColumn = column;
        style.pRuntimeClass = RUNTIME_CLASS(CQELListItemEdit);
        EXPECT_EQ(0u, list->SetColumnStyle(&style));
        EXPECT_TRUE(list->IsEditColumn(column));
        EXPECT_EQ(2, list->EditSubItem(0, column));
    }
    // Removing a style that is not there, and any negative index removing all of them.
    style = {};
    style.nColumn = 3000;
    EXPECT_EQ(0u, list->SetColumnStyle(&style));
    list->RemoveColumnStyle(INT_MIN);
    for (const int column : {-1, INT_MIN, INT_MAX, 0, 1, 2, 3, 4})
        EXPECT_FALSE(list->IsEditColumn(column)) << column;
    EXPECT_EQ(nullptr, list->GetEditControl());
    figures::Inputs("column style records", 12);
}

TEST_F(BadIndex, MoveRequestsWithGarbageOpenNothingOutsideTheList)
{
    const State before = Capture();
    const UINT ctrl = static_cast<UINT>(QEL_LISTKEY_CTRL) << 16;
    const UINT shift = static_cast<UINT>(QEL_LISTKEY_SHIFT) << 16;
    int tried = 0;
    for (const int row : {-1, INT_MIN, INT_MAX, 5, 6})
    {
        for (const UINT column : {0xFFFFu, 0x8000u, 4u, 1u})
        {
            for (const UINT key : {UINT(VK_TAB), UINT(VK_UP), UINT(VK_DOWN), UINT(VK_PRIOR), UINT(VK_NEXT), UINT(VK_HOME), UINT(VK_END), 0xFFu, 0u})
            {
                for (const UINT modifiers : {0u, ctrl, ctrl | shift})
                {
                    const LPARAM lParam = static_cast<LPARAM>(column | (key << 16) | modifiers);
                    list->SendMessage(WM_QEL_LISTITEMEDIT, static_cast<WPARAM>(static_cast<INT_PTR>(row)), lParam);
                    ++tried;
                    if (list->GetEditControl() != nullptr)
                    {
                        // A request may only open a cell inside the list->
                        const std::vector<RecordedMessage> begins = parent.MessagesOf(WM_QEL_LISTEDITBEGIN);
                        const _tag_QELListEditInfo info = EditInfo(begins.back());
                        EXPECT_GE(info.nItem, 0);
                        EXPECT_LT(info.nItem, 5);
                        EXPECT_GE(info.nSubItem, 1);
                        EXPECT_LE(info.nSubItem, 3);
                        Commit();
                    }
                }
            }
        }
    }
    PumpUntilIdle();
    EXPECT_EQ(before.cells, Capture().cells);
    EXPECT_EQ(0, parent.Count(WM_QEL_LISTEDITTING));
    figures::Inputs("move requests (WM_QEL_LISTITEMEDIT) with garbage", tried);
    figures::Defect("A move request from a row outside the list walked every row index up to it (a hang "
                    "of minutes for INT_MIN or INT_MAX)", "BadIndex.MoveRequestsWithGarbageOpenNothingOutsideTheList");
}

TEST_F(BadIndex, HitTestOutsideTheRowsFindsNothingAndKeepsTheColumn)
{
    int tried = 0;
    for (const CPoint pt : {CPoint(-1, -1), CPoint(INT_MIN / 2, 5), CPoint(5, INT_MAX / 2), CPoint(30000, 30000),
                            CPoint(639, 399)})
    {
        int nCol = 77;
        EXPECT_EQ(-1, list->HitTestEx(pt, nCol));
        EXPECT_EQ(0, nCol);
        list->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        ++tried;
    }
    PumpUntilIdle();
    for (const RecordedMessage& m : parent.MessagesOf(WM_QEL_LISTMOUSEMOVE))
        EXPECT_EQ(-1, static_cast<int>(m.lParam));
    figures::Inputs("hit tests outside the rows", tried);
}

TEST_F(BadIndex, CopyWithAnyMaskCopiesOnlyWhatTheMaskSelects)
{
    int tried = 0;
    for (const DWORD mask : {DWORD(0), DWORD(0xFFFFFFFF), DWORD(0x80000000), DWORD(LVIS_CUT)})
    {
        WriteClipboardText("before");
        EXPECT_EQ(1, list->CopyToClipboard(mask));
        const std::string text = ReadClipboardCopy();
        const size_t lines = std::count(text.begin(), text.end(), '\n');
        EXPECT_EQ(mask == 0xFFFFFFFFu ? 1u : 0u, lines) << mask;   // only row 2 holds state bits
        ++tried;
    }
    figures::Inputs("clipboard state masks", tried);
}

} // namespace

namespace {

TEST_F(BadIndex, NullPointersWhereOperationsTakeThem)
{
    CLedger ledger;
    const LedgerSnapshot before = ledger.Snapshot();
    int tried = 0;
    _tag_QELListColumnStyle style = {};
    style.nColumn = 1;
    for (CRuntimeClass* pClass : {RUNTIME_CLASS(CQELBaseListItem), RUNTIME_CLASS(CQELListItemEdit),
                                  RUNTIME_CLASS(CQELListItemComboBoxCtrl), RUNTIME_CLASS(CQELListItemDateTimeCtrl)})
    {
        SCOPED_TRACE(pClass->m_lpszClassName);
        CQELBaseListItem* pFactory = static_cast<CQELBaseListItem*>(pClass->CreateObject());
        ASSERT_NE(nullptr, pFactory);
        EXPECT_STREQ(pClass->m_lpszClassName, pFactory->GetRuntimeClass()->m_lpszClassName);
        EXPECT_TRUE(pFactory->IsKindOf(RUNTIME_CLASS(CQELBaseListItem)));
        const CRect rect(0, 0, 80, 20);
        EXPECT_EQ(nullptr, pFactory->CreateItem(0, 1, rect, nullptr, list));
        EXPECT_EQ(nullptr, pFactory->CreateItem(0, 1, rect, &style, nullptr));
        EXPECT_EQ(nullptr, pFactory->CreateItem(0, 1, rect, nullptr, nullptr));
        BOOL bCancel = FALSE;
        for (const UINT key : {UINT(VK_RETURN), UINT(VK_ESCAPE), UINT(VK_NEXT), UINT(VK_TAB)})
            EXPECT_TRUE(pFactory->OnKeyDown(key, 1, 0, nullptr, 0, 1, bCancel)) << key;
        SetModifierKeys(true, false);
        EXPECT_TRUE(pFactory->OnMouseWheel(0, WHEEL_DELTA, CPoint(0, 0), nullptr, 0, 1, bCancel));
        SetModifierKeys(false, false);
        EXPECT_FALSE(bCancel);
        delete pFactory;
        tried += 8;
    }
    EXPECT_FALSE(IsDialogControl(nullptr));
    EXPECT_FALSE(IsDialogControl(&parent));
    PumpUntilIdle();
    EXPECT_EQ(nullptr, list->GetEditControl());
    EXPECT_EQ("", Difference(before, ledger.Snapshot(), false)) << ledger.Leaks(before);
    figures::Inputs("null pointers (factories, key rules, dialog test)", tried + 2);
}

} // namespace
