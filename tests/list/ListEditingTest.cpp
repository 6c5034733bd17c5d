// In-place editing: starting, placing, ending and moving edits, with a test editor and factory.
#include "QELListFixture.h"

#include <algorithm>
#include <functional>
#include <numeric>

using namespace qeltest;

// Factory whose editor leaves the focus where it was, so the list keeps it while the editor is open.
class CUnfocusedFactory : public CQELBaseListItem
{
    DECLARE_DYNCREATE(CUnfocusedFactory)
public:
    CWnd* CreateItem(int nItem, int nSubItem, CRect rect, _tag_QELListColumnStyle* const, CQELListCtrl* pList) override
    {
        CTestCellEditor* pEdit = new CTestCellEditor(nItem, nSubItem);
        if (!pEdit->Create(WS_CHILD | WS_VISIBLE, rect, pList, QEL_EDITID_TEXT))
        {
            delete pEdit;
            return NULL;
        }
        return pEdit;
    }
};
IMPLEMENT_DYNCREATE(CUnfocusedFactory, CQELBaseListItem)

namespace {

class ListEditing : public ListTest
{
protected:
    // Eight rows, columns 1 to 3 editable (column 0 not).
    void CreateEditable(DWORD dwExStyle = LVS_EX_FULLROWSELECT)
    {
        CreateList(8, 4, LVS_REPORT, dwExStyle);
        for (int c = 1; c <= 3; ++c)
            SetStyle(c);
    }
    // Cell of the open editor, (-1, -1) when none.
    std::pair<int, int> EditCell()
    {
        PumpUntilIdle();
        if (Editor() == nullptr)
            return { -1, -1 };
        return { TestEditor()->m_nItem, TestEditor()->m_nSubItem };
    }
    int Move(int nRow, UINT vk, bool ctrl, bool shift, int nCol)
    {
        return list->EditNewSubItem(nRow, (UINT)QELEncodeMoveRequest(vk, ctrl, shift, nCol));
    }
    static std::pair<int, int> At(int r, int c) { return { r, c }; }
};

} // namespace

TEST_F(ListEditing, StartResultsForEveryRefusal)
{
    CreateList(3, 4);
    SetStyle(1);
    SetStyle(2, RUNTIME_CLASS(CNullFactory));
    SetStyle(3, RUNTIME_CLASS(CNoCreateFactory));
    SelectOnly(0);
    const HWND hFocus = ::GetFocus();

    EXPECT_EQ(2, list->EditSubItem(-1, 1));
    EXPECT_EQ(2, list->EditSubItem(3, 1));
    EXPECT_EQ(2, list->EditSubItem(0, -1));
    EXPECT_EQ(2, list->EditSubItem(0, 4));
    EXPECT_EQ(3, list->EditSubItem(0, 0));
    ASSERT_TRUE(list->ShowColumn(1, 0, -1));
    EXPECT_EQ(4, list->EditSubItem(0, 1));
    ASSERT_TRUE(list->ShowColumn(1, 1, -1));
    EXPECT_EQ(-1, list->EditSubItem(0, 3));
    EXPECT_TRUE(ListMessages().empty());

    parent.SetAnswer(WM_QEL_LISTEDITBEGIN, 1);
    EXPECT_EQ(1, list->EditSubItem(1, 1));
    EXPECT_EQ(hFocus, ::GetFocus());
    EXPECT_EQ((UINT)LVIS_SELECTED, list->GetItemState(0, LVIS_SELECTED));
    EXPECT_EQ(0u, list->GetItemState(1, LVIS_SELECTED));
    parent.ClearAnswers();

    // No window from the factory: still 0, the row is selected, nothing is reported as built.
    parent.Flush();
    EXPECT_EQ(0, list->EditSubItem(1, 2));
    EXPECT_TRUE(parent.Matches({ Cell(WM_QEL_LISTEDITBEGIN, 1, 2) }));
    EXPECT_EQ(nullptr, list->GetEditControl());
    EXPECT_EQ(1u, list->GetSelectedCount());
    EXPECT_EQ((UINT)(LVIS_SELECTED | LVIS_FOCUSED), list->GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(-1, list->m_nEditItem);
}

TEST_F(ListEditing, StartReportsTheRecordAndPlacesTheEditorOnTheLabel)
{
    CreateList(3, 4);
    _tag_QELListColumnStyle style = {};
    style.nColumn = 2;
    style.dwExtra1 = 77;
    style.pRuntimeClass = RUNTIME_CLASS(CTestFactory);
    ASSERT_EQ(0u, list->SetColumnStyle(&style));
    HDITEM hdi = {};
    hdi.mask = HDI_LPARAM;
    hdi.lParam = 0x55;
    list->GetHeaderCtrl()->SetItem(2, &hdi);

    ASSERT_EQ(0, list->EditSubItem(1, 2));
    ASSERT_NE(nullptr, Editor());
    // The const form is CListCtrl's: the list view's own label editor, which is not open.
    EXPECT_EQ(nullptr, static_cast<const CQELListCtrl*>(list)->GetEditControl());
    const std::vector<RecordedMessage> msgs = ListMessages();
    ASSERT_EQ(2u, msgs.size());
    for (const RecordedMessage& m : msgs)
    {
        const _tag_QELListEditInfo info = EditInfo(m);
        EXPECT_EQ((WPARAM)kId << 16, m.wParam);
        EXPECT_EQ(1, info.nItem);
        EXPECT_EQ(2, info.nSubItem);
        EXPECT_EQ(101u, info.dwItemData);
        EXPECT_EQ(0x55, info.lColumnData);
        EXPECT_EQ(nullptr, info.pszText);
        EXPECT_EQ(0u, info.dwReserved);
        ASSERT_TRUE(HasStyle(m));
        EXPECT_EQ(77u, StyleOf(m).dwExtra1);
    }
    EXPECT_EQ(WM_QEL_LISTEDITBEGIN, msgs[0].message);
    EXPECT_EQ(0u, EditInfo(msgs[0]).nCtrlID);
    EXPECT_EQ(nullptr, EditInfo(msgs[0]).pEditWnd);
    EXPECT_EQ(WM_QEL_LISTITEMCONST, msgs[1].message);
    EXPECT_EQ(QEL_EDITID_TEXT, EditInfo(msgs[1]).nCtrlID);
    EXPECT_EQ(Editor(), EditInfo(msgs[1]).pEditWnd);

    EXPECT_EQ(Editor()->m_hWnd, ::GetFocus());
    EXPECT_EQ(0, CTestFactory::s_nLive);
    EXPECT_EQ(1, list->m_nEditItem);
    EXPECT_EQ(2, list->m_nEditSubItem);
    CRect label;
    list->GetSubItemRect(1, 2, LVIR_LABEL, label);
    EXPECT_EQ(label, CTestFactory::s_rect);
    Commit();
}

TEST_F(ListEditing, GridLinesMoveTheEditorUpOnePixel)
{
    CreateEditable(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    ASSERT_EQ(0, list->EditSubItem(2, 1));
    CRect label;
    list->GetSubItemRect(2, 1, LVIR_LABEL, label);
    EXPECT_EQ(label.top - 1, CTestFactory::s_rect.top);
    EXPECT_EQ(label.bottom, CTestFactory::s_rect.bottom);
    Commit();
}

TEST_F(ListEditing, CommitVetoAndCancel)
{
    CreateEditable();
    ASSERT_EQ(0, list->EditSubItem(0, 1));
    Editor()->SetWindowText(_T("new"));
    parent.Flush();
    Commit();
    EXPECT_TRUE(parent.Matches({ CellText(WM_QEL_LISTEDITTING, 0, 1, "new"), Cell(WM_QEL_LISTEDITEND, 0, 1) }));
    const std::vector<RecordedMessage> msgs = ListMessages();
    ASSERT_EQ(2u, msgs.size());
    EXPECT_EQ((WPARAM)kId << 16, msgs[0].wParam);
    EXPECT_EQ(100u, EditInfo(msgs[0]).dwItemData);
    EXPECT_EQ(100u, EditInfo(msgs[1]).dwItemData);
    EXPECT_EQ("new", Narrow(list->GetItemText(0, 1)));
    EXPECT_EQ(nullptr, list->GetEditControl());
    EXPECT_EQ(0, CTestCellEditor::s_nLive);

    parent.SetAnswer(WM_QEL_LISTEDITTING, 1);
    ASSERT_EQ(0, list->EditSubItem(1, 1));
    Editor()->SetWindowText(_T("vetoed"));
    PressKey(Editor()->m_hWnd, VK_RETURN);
    PumpUntilIdle();
    EXPECT_EQ("r1c1", Narrow(list->GetItemText(1, 1)));
    EXPECT_EQ(list->m_hWnd, ::GetFocus());
    parent.ClearAnswers();

    ASSERT_EQ(0, list->EditSubItem(2, 1));
    Editor()->SetWindowText(_T("dropped"));
    parent.Flush();
    Cancel();
    EXPECT_TRUE(parent.Matches({ Cell(WM_QEL_LISTEDITEND, 2, 1) }));
    EXPECT_EQ("r2c1", Narrow(list->GetItemText(2, 1)));
    EXPECT_EQ(nullptr, list->GetEditControl());
}

TEST_F(ListEditing, NullRecordsAreForwardedAndStoreNothing)
{
    CreateEditable();
    EXPECT_EQ(0, list->SendMessage(WM_QEL_LISTEDITTING, 0, 0));
    ASSERT_EQ(0, list->EditSubItem(0, 1));
    parent.Flush();
    list->SendMessage(WM_QEL_LISTEDITEND, 0, 0);
    EXPECT_EQ(nullptr, list->GetEditControl());
    EXPECT_EQ(0, CTestCellEditor::s_nLive);
    // The editor, losing the focus as its window goes, reports first; the null record follows.
    const std::vector<RecordedMessage> ends = parent.MessagesOf(WM_QEL_LISTEDITEND);
    ASSERT_FALSE(ends.empty());
    EXPECT_EQ(0, ends.back().lParam);
    EXPECT_EQ((WPARAM)kId << 16, ends.back().wParam);
    EXPECT_EQ("r0c1", Narrow(list->GetItemText(0, 1)));
}

TEST_F(ListEditing, ClickOnASelectedRowOpensAfterTheDoubleClickTime)
{
    CreateEditable();
    const DWORD wait = ::GetDoubleClickTime() + 300;
    SelectOnly(1);

    Click(list->m_hWnd, CellPoint(2, 2));   // row not selected yet: selects only
    PumpFor(wait);
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ((UINT)LVIS_SELECTED, list->GetItemState(2, LVIS_SELECTED));

    Click(list->m_hWnd, CellPoint(2, 2));
    EXPECT_EQ(nullptr, Editor());            // not before the timer
    ASSERT_TRUE(PumpUntil([&] { return Editor() != nullptr; }, wait + 2000));
    EXPECT_EQ(At(2, 2), EditCell());
    Commit();

    DoubleClick(list->m_hWnd, CellPoint(2, 3));
    PumpFor(wait);
    EXPECT_EQ(nullptr, Editor());

    Click(list->m_hWnd, CellPoint(2, 0));    // column 0 has no style
    EXPECT_FALSE(::KillTimer(list->m_hWnd, QEL_TIMER_CLICKEDIT));

    for (bool ctrl : { true, false })
    {
        SelectOnly(2);
        SetModifierKeys(ctrl, !ctrl);
        Click(list->m_hWnd, CellPoint(2, 1));
        EXPECT_FALSE(::KillTimer(list->m_hWnd, QEL_TIMER_CLICKEDIT)) << "ctrl " << ctrl;
        ReleaseAllKeys();
    }

    SelectOnly(3);
    Click(list->m_hWnd, CellPoint(3, 1));
    list->SetItemState(3, 0, LVIS_SELECTED);   // deselected before the timer fires
    PumpFor(wait);
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(ListEditing, CellsAreScrolledIntoView)
{
    CreateList(40, 4, LVS_REPORT, LVS_EX_FULLROWSELECT, 150);
    SetStyle(3);
    SetStyle(2);
    SetStyle(0);
    CRect client;
    list->GetClientRect(&client);

    ASSERT_EQ(0, list->EditSubItem(30, 3));   // right edge to the client's right edge
    EXPECT_EQ(client.right, CTestFactory::s_rect.right);
    EXPECT_GE(CTestFactory::s_rect.top, 0);
    EXPECT_LE(CTestFactory::s_rect.bottom, client.bottom);

    ASSERT_EQ(0, list->EditSubItem(30, 0));   // left of the view: left edge to the left
    EXPECT_EQ(0, CTestFactory::s_rect.left);
    Commit();

    list->SetColumnWidth(2, 600);            // wider than what aligning the right edges leaves
    ASSERT_EQ(0, list->EditSubItem(30, 2));
    EXPECT_EQ(0, CTestFactory::s_rect.left);
    Commit();
}

// What the selection does when an edit starts: the parent's item-change notifications and the rows' final
// selection and focus, compared with what switching single selection on around setting the row's state gives,
// with the edited row's LVN_ITEMCHANGING moved to just before its LVN_ITEMCHANGED. Where the row was already
// selected and focused, the switch leaves the other rows selected; the edit start leaves the row alone selected.
TEST_F(ListEditing, StartSelectsTheRowAsSingleSelectionDoes)
{
    CreateEditable();
    parent.WatchNotify(true);
    parent.SetDecoder(WM_NOTIFY, [](RecordedMessage& m) {
        const NMLISTVIEW* p = reinterpret_cast<const NMLISTVIEW*>(m.lParam);
        if (p->hdr.code == LVN_ITEMCHANGING || p->hdr.code == LVN_ITEMCHANGED)
            m.text = (p->hdr.code == LVN_ITEMCHANGING ? "changing " : "changed ") + std::to_string(p->iItem) + " " +
                     std::to_string(p->uOldState) + ">" + std::to_string(p->uNewState) + "; ";
    });
    // The notifications, then each row's selection and focus.
    const auto Selection = [&](bool bSwitch, const std::vector<int>& selected, int nFocus, int nEdit) {
        list->SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int r : selected)
            list->SetItemState(r, LVIS_SELECTED, LVIS_SELECTED);
        if (nFocus >= 0)
            list->SetItemState(nFocus, LVIS_FOCUSED, LVIS_FOCUSED);
        parent.Flush();
        if (bSwitch)
        {
            list->ModifyStyle(0, LVS_SINGLESEL);
            list->SetItemState(nEdit, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            list->ModifyStyle(LVS_SINGLESEL, 0);
        }
        else
        {
            EXPECT_EQ(0, list->EditSubItem(nEdit, 1));
        }
        std::vector<std::string> seen;
        for (const RecordedMessage& m : parent.MessagesOf(WM_NOTIFY))
            if (!m.text.empty())
                seen.push_back(m.text);
        if (bSwitch && seen.size() > 1)
            std::rotate(seen.begin(), seen.begin() + 1, seen.end() - 1);
        std::string states;
        for (int r = 0; r < list->GetItemCount(); ++r)
            states += std::to_string(list->GetItemState(r, LVIS_SELECTED | LVIS_FOCUSED));
        if (!bSwitch)
            Commit();
        return std::accumulate(seen.begin(), seen.end(), std::string()) + states;
    };
    const struct { std::vector<int> selected; int nFocus; int nEdit; } cases[] = {
        { {}, -1, 3 }, { { 0, 2, 5 }, 5, 2 }, { { 0, 2, 5 }, 5, 4 }, { { 1 }, 1, 1 }, { { 4 }, 0, 4 }, { { 7 }, 7, 0 },
        { { 6 }, 2, 3 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Selection(true, c.selected, c.nFocus, c.nEdit), Selection(false, c.selected, c.nFocus, c.nEdit))
            << "edit of row " << c.nEdit;
    EXPECT_EQ("changing 1 2>0; changed 1 2>0; changing 6 2>0; changed 6 2>0; changing 3 3>3; 00030000",
              Selection(false, { 1, 3, 6 }, 3, 3));
    EXPECT_EQ(0u, list->GetStyle() & LVS_SINGLESEL);
    list->SetItemState(4, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(2u, list->GetSelectedCount());
}

TEST_F(ListEditing, HitTestFindsColumnsByLabelEdges)
{
    CreateList(3, 4);
    CRect r0, r1;
    list->GetSubItemRect(1, 0, LVIR_LABEL, r0);
    list->GetSubItemRect(1, 1, LVIR_LABEL, r1);
    ASSERT_EQ(r0.right, r1.left);
    const int y = (r1.top + r1.bottom) / 2;

    int nCol = -7;
    EXPECT_EQ(1, list->HitTestEx(CPoint(r1.left, y), nCol));
    EXPECT_EQ(0, nCol);   // the shared edge belongs to the lower index
    EXPECT_EQ(1, list->HitTestEx(CPoint(r1.left + 1, y), nCol));
    EXPECT_EQ(1, nCol);
    nCol = -7;
    EXPECT_EQ(-1, list->HitTestEx(CPoint(r1.left + 1, 290), nCol));   // below the rows
    EXPECT_EQ(0, nCol);

    nCol = -7;
    EXPECT_EQ(-1, list->HitTestEx(CPoint(395, y), nCol));   // right of the last column: no row here
    EXPECT_EQ(0, nCol);
    ASSERT_GT(r0.left, 0);                                  // a row, but left of the first label
    nCol = -7;
    EXPECT_EQ(1, list->HitTestEx(CPoint(0, y), nCol));
    EXPECT_EQ(-7, nCol);

    list->SetExtendedStyle(0);   // the platform then finds rows over column 0 only
    EXPECT_EQ(-1, list->HitTestEx(CPoint(r1.left + 5, y), nCol));
    EXPECT_EQ(1, list->HitTestEx(CPoint(r0.left + 5, y), nCol));
}

// HitTestEx as the label rectangles of the row give it: the lowest column index whose label holds x.
static int LabelWalk(CQELListCtrl& list, CPoint pt, int nCol)
{
    const int nItem = list.HitTest(pt);
    if (nItem < 0)
        return 0;
    for (int c = 0; c < list.GetHeaderCtrl()->GetItemCount(); ++c)
    {
        CRect r;
        list.GetSubItemRect(nItem, c, LVIR_LABEL, r);
        if (pt.x >= r.left && pt.x <= r.right)
            return c;
    }
    return nCol;
}

TEST_F(ListEditing, HitTestFollowsEveryLayoutChangeAndAsksForFewRectangles)
{
    const auto SetIndent = [&](int nItem, int nIndent) {
        LVITEM item = {};
        item.mask = LVIF_INDENT;
        item.iItem = nItem;
        item.iIndent = nIndent;
        list->SendMessage(LVM_SETITEM, 0, (LPARAM)&item);
    };
    CreateList(3, 6, LVS_REPORT, LVS_EX_FULLROWSELECT, 70);   // wider than the list: it scrolls sideways
    int order[] = { 3, 0, 5, 1, 2, 4 };
    const std::function<void()> changes[] = {
        [] {},
        [&] { list->SetColumnWidth(2, 30); },
        [&] { list->SetColumnOrderArray(6, order); },
        [&] { list->ShowColumn(4, 0, -1); },
        [&] { SetIndent(2, 1); },   // no effect without images
        [&] { list->SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)::ImageList_Create(16, 16, ILC_COLOR32, 1, 1)); },
        [&] { SetIndent(0, 2); },
        [&] { list->SetColumnWidth(0, 12); },   // narrower than the indent: an empty label on row 0
        [&] { list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_CHECKBOXES); },
        [&] { list->Scroll(CSize(60, 0)); },
        [&] { list->InsertColumn(1, _T("New"), LVCFMT_LEFT, 40); },
        [&] { list->DeleteColumn(0); },
    };
    std::string mismatches;
    for (size_t i = 0; i < sizeof(changes) / sizeof(changes[0]); ++i)
    {
        changes[i]();
        for (int nRow : { 0, 2 })
        {
            const int y = CellPoint(nRow, 0).y;
            for (int x = -2; x < 402; ++x)
            {
                int nCol = -7;
                list->HitTestEx(CPoint(x, y), nCol);
                if (nCol != LabelWalk(*list, CPoint(x, y), -7))
                    mismatches += "change " + std::to_string(i) + " x " + std::to_string(x) + "; ";
            }
        }
    }
    EXPECT_EQ("", mismatches);

    // A move over the visible column with the highest index: the walk above asked for every column's label.
    CRect r;
    for (int c = list->GetHeaderCtrl()->GetItemCount() - 1; c > 0; --c)
    {
        list->GetSubItemRect(1, c, LVIR_LABEL, r);
        if (r.Width() > 4 && r.left >= 0 && r.right < 400)
            break;
    }
    ASSERT_GE(list->HitTest(r.CenterPoint()), 0);
    list->received.clear();
    list->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(r.CenterPoint().x, r.CenterPoint().y));
    EXPECT_EQ(0, list->received[LVM_GETSUBITEMRECT]);   // column 0's label only when x lies in column 0
}

TEST_F(ListEditing, EditableColumnsFollowTheDisplayOrder)
{
    CreateList(2, 5);
    EXPECT_EQ(-1, list->FirstEditColumn());
    EXPECT_EQ(-1, list->NextEditColumn(0));
    for (int c : { 1, 3, 4 })
        SetStyle(c);
    int order[] = { 4, 0, 3, 1, 2 };
    list->SetColumnOrderArray(5, order);
    EXPECT_EQ(4, list->FirstEditColumn());
    EXPECT_EQ(1, list->LastEditColumn());
    EXPECT_EQ(3, list->NextEditColumn(4));
    EXPECT_EQ(3, list->NextEditColumn(0));
    EXPECT_EQ(-1, list->NextEditColumn(1));
    EXPECT_EQ(-1, list->NextEditColumn(9));
    EXPECT_EQ(4, list->PreviousEditColumn(3));
    EXPECT_EQ(3, list->PreviousEditColumn(1));
    EXPECT_EQ(-1, list->PreviousEditColumn(4));
    EXPECT_EQ(-1, list->PreviousEditColumn(9));
}

TEST_F(ListEditing, MoveKeysWalkRowsPagesAndColumns)
{
    CreateEditable();
    ASSERT_GE(list->GetCountPerPage(), 4);
    struct Case { int row; int col; UINT vk; bool ctrl; bool shift; int result; std::pair<int, int> cell; };
    const Case cases[] = {
        { 2, 3, VK_TAB,   true,  false, 1, At(3, 1) },   // wraps to the next row's first column
        { 2, 1, VK_TAB,   true,  false, 1, At(2, 2) },
        { 2, 1, VK_TAB,   true,  true,  1, At(1, 3) },   // wraps back to the previous row
        { 0, 1, VK_TAB,   true,  true,  0, At(-1, -1) },
        { 0, 2, VK_UP,    true,  false, 0, At(-1, -1) },
        { 3, 2, VK_UP,    true,  false, 1, At(2, 2) },
        { 3, 2, VK_DOWN,  true,  false, 1, At(4, 2) },
        { 3, 2, VK_NEXT,  false, false, 1, At(7, 2) },
        { 7, 2, VK_NEXT,  false, false, 0, At(-1, -1) },
        { 2, 2, VK_NEXT,  true,  false, 1, At(7, 2) },
        { 5, 2, VK_PRIOR, true,  false, 1, At(0, 2) },
        { 0, 2, VK_PRIOR, false, false, 0, At(-1, -1) },
        { 2, 3, VK_HOME,  true,  false, 1, At(2, 1) },
        { 2, 1, VK_HOME,  true,  false, 0, At(-1, -1) },
        { 2, 1, VK_END,   true,  false, 1, At(2, 3) },
        { 2, 3, VK_END,   true,  false, 0, At(-1, -1) },
        { 2, 2, VK_LEFT,  true,  false, 0, At(-1, -1) },
    };
    for (const Case& c : cases)
    {
        Commit();
        EXPECT_EQ(c.result, Move(c.row, c.vk, c.ctrl, c.shift, c.col)) << c.row << "," << c.col << " key " << c.vk;
        EXPECT_EQ(c.cell, EditCell()) << c.row << "," << c.col << " key " << c.vk;
    }
    Commit();
}

TEST_F(ListEditing, PageKeysMoveExactlyOnePageInALongList)
{
    CreateList(60, 4);
    SetStyle(2);
    const int page = list->GetCountPerPage();
    ASSERT_LT(2 + 2 * page, 60);
    EXPECT_EQ(1, Move(2, VK_NEXT, false, false, 2));
    EXPECT_EQ(At(2 + page, 2), EditCell());
    EXPECT_EQ(1, Move(2 + 2 * page, VK_PRIOR, false, false, 2));
    EXPECT_EQ(At(2 + page, 2), EditCell());
    Commit();
}

TEST_F(ListEditing, MovingFromCellToCellReportsInOrder)
{
    CreateEditable();
    ASSERT_EQ(0, list->EditSubItem(1, 1));
    CTestCellEditor* pFirst = TestEditor();
    pFirst->SetWindowText(_T("new"));
    parent.Flush();
    SetModifierKeys(true, false);
    PressKey(pFirst->m_hWnd, VK_TAB);
    PumpUntilIdle();
    EXPECT_TRUE(parent.Matches({
        Cell(WM_QEL_LISTEDITBEGIN, 1, 2),
        CellText(WM_QEL_LISTEDITTING, 1, 1, "new"),
        Cell(WM_QEL_LISTEDITEND, 1, 1),
        Cell(WM_QEL_LISTITEMCONST, 1, 2),
    }));
    EXPECT_EQ(At(1, 2), EditCell());
    EXPECT_EQ(1, CTestCellEditor::s_nLive);
    ReleaseAllKeys();
    Commit();
}

TEST_F(ListEditing, PastTheLastRowTheParentIsAskedFirst)
{
    CreateEditable();
    ASSERT_EQ(0, list->EditSubItem(7, 3));
    CTestCellEditor* pOpen = TestEditor();
    parent.Flush();
    EXPECT_EQ(0, Move(7, VK_TAB, true, false, 3));   // answered 0: the edit stays
    EXPECT_TRUE(parent.Matches({ Cell(WM_QEL_LISTEDITMAX, 7, 0) }));
    const _tag_QELListEditInfo ask = EditInfo(parent.Messages()[0]);
    EXPECT_EQ(107u, ask.dwItemData);
    EXPECT_EQ(0u, ask.nCtrlID);
    EXPECT_EQ(0, ask.lColumnData);
    EXPECT_EQ((WPARAM)kId << 16, parent.Messages()[0].wParam);
    EXPECT_EQ(pOpen, Editor());

    parent.SetAnswer(WM_QEL_LISTEDITMAX, [&](const RecordedMessage&, bool& handled) {
        handled = true;
        return (LRESULT)list->InsertItem(list->GetItemCount(), _T("appended"));
    });
    pOpen->SetWindowText(_T("last"));
    parent.Flush();
    EXPECT_EQ(1, Move(7, VK_TAB, true, false, 3));
    PumpUntilIdle();
    EXPECT_TRUE(parent.Matches({
        Cell(WM_QEL_LISTEDITMAX, 7, 0),
        Cell(WM_QEL_LISTEDITBEGIN, 8, 1),
        CellText(WM_QEL_LISTEDITTING, 7, 3, "last"),
        Cell(WM_QEL_LISTEDITEND, 7, 3),
        Cell(WM_QEL_LISTITEMCONST, 8, 1),
    }));
    EXPECT_EQ(1, Move(8, VK_DOWN, true, false, 1));   // Ctrl+Down on the new last row: same column
    EXPECT_EQ(At(9, 1), EditCell());
    Commit();
}

// An owner-data list: the parent holds the texts. Edits start, move by every key and the wheel, ask for a row
// past the last and report as on any list, with item data 0; the parent stores the text and the row repaints.
TEST_F(ListEditing, OwnerDataEditsMoveAndStoreThroughTheParent)
{
    CreateList(40, 4, LVS_REPORT | LVS_OWNERDATA);
    for (int c = 1; c <= 3; ++c)
        SetStyle(c);
    const int page = list->GetCountPerPage();
    ASSERT_LT(1 + page, 39);
    bool rowRepainting = false;   // the edited row waits to be painted when the edit's end is reported
    parent.SetAnswer(WM_QEL_LISTEDITEND, [&](const RecordedMessage& m, bool&) {
        CRgn update;
        update.CreateRectRgn(0, 0, 0, 0);
        list->GetUpdateRgn(&update);
        rowRepainting = update.PtInRegion(CellPoint(EditInfo(m).nItem, 0)) != FALSE;
        return (LRESULT)0;
    });
    StartEdit(0, 1);
    Editor()->SetWindowText(_T("new"));
    parent.Flush();
    Press(EditorHwnd(), VK_TAB, true);
    EXPECT_TRUE(parent.Matches({
        Cell(WM_QEL_LISTEDITBEGIN, 0, 2),
        CellText(WM_QEL_LISTEDITTING, 0, 1, "new"),
        Cell(WM_QEL_LISTEDITEND, 0, 1),
        Cell(WM_QEL_LISTITEMCONST, 0, 2),
    }));
    for (const RecordedMessage& m : parent.Messages())
        EXPECT_EQ(0u, EditInfo(m).dwItemData);
    EXPECT_EQ("new", ItemText(0, 1));
    EXPECT_TRUE(rowRepainting);

    const struct { UINT vk; bool ctrl; bool shift; std::pair<int, int> cell; } moves[] = {
        { VK_DOWN, true, false, At(1, 2) },         { VK_NEXT, false, false, At(1 + page, 2) },
        { VK_PRIOR, false, false, At(1, 2) },       { VK_NEXT, true, false, At(39, 2) },
        { VK_HOME, true, false, At(39, 1) },        { VK_END, true, false, At(39, 3) },
        { VK_TAB, true, true, At(39, 2) },          { VK_UP, true, false, At(38, 2) },
        { VK_PRIOR, true, false, At(0, 2) },        { VK_TAB, true, true, At(0, 1) },
    };
    for (const auto& move : moves)
    {
        Press(EditorHwnd(), move.vk, move.ctrl, move.shift);
        EXPECT_EQ(move.cell, EditCell()) << "key " << move.vk;
    }
    SetModifierKeys(true, false);
    Editor()->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)-WHEEL_DELTA), 0);
    ReleaseAllKeys();
    EXPECT_EQ(At(1, 1), EditCell());

    // Past the last row the parent raises the count: the same reports as when it inserts a row.
    Press(EditorHwnd(), VK_NEXT, true);
    Press(EditorHwnd(), VK_END, true);
    parent.Flush();
    Press(EditorHwnd(), VK_TAB, true);
    EXPECT_TRUE(parent.Matches({
        Cell(WM_QEL_LISTEDITMAX, 39, 0),
        Cell(WM_QEL_LISTEDITBEGIN, 40, 1),
        Cell(WM_QEL_LISTEDITEND, 39, 3),
        Cell(WM_QEL_LISTITEMCONST, 40, 1),
    }));
    EXPECT_EQ(41, list->GetItemCount());
    EXPECT_EQ(At(40, 1), EditCell());
    Commit();
}

TEST_F(ListEditing, RefusedHiddenAndPlainColumnsArePassedOver)
{
    CreateEditable();
    parent.SetAnswer(WM_QEL_LISTEDITBEGIN, [](const RecordedMessage& m, bool& handled) {
        handled = true;
        return (LRESULT)(EditInfo(m).nItem == 4);
    });
    EXPECT_EQ(1, Move(3, VK_DOWN, true, false, 2));
    EXPECT_EQ(At(5, 2), EditCell());
    parent.ClearAnswers();

    ASSERT_TRUE(list->ShowColumn(2, 0, -1));
    EXPECT_EQ(1, Move(1, VK_TAB, true, false, 1));
    EXPECT_EQ(At(1, 3), EditCell());

    int order[] = { 0, 3, 2, 1 };   // display order now 0 3 2 1; column 2 hidden
    list->SetColumnOrderArray(4, order);
    EXPECT_EQ(1, Move(1, VK_TAB, true, false, 3));
    EXPECT_EQ(At(1, 1), EditCell());
    EXPECT_EQ(1, Move(1, VK_HOME, true, false, 1));
    EXPECT_EQ(At(1, 3), EditCell());
    Commit();

    list->SetColumnWidth(3, 0);   // dragged to no width: nothing to type into, passed over as if hidden
    EXPECT_EQ(4, list->EditSubItem(1, 3));
    EXPECT_EQ(0, Move(1, VK_HOME, true, false, 1));
    EXPECT_EQ(At(-1, -1), EditCell());
}

TEST_F(ListEditing, OneEditableColumnNeverChangesTheRowByTab)
{
    CreateList(5, 4);
    SetStyle(2);
    EXPECT_EQ(0, Move(2, VK_TAB, true, false, 2));
    EXPECT_EQ(0, Move(2, VK_TAB, true, true, 2));
    EXPECT_EQ(At(-1, -1), EditCell());
}

TEST_F(ListEditing, AnswersThatDoNotAppendEndTheMovement)
{
    CreateEditable();
    parent.SetAnswer(WM_QEL_LISTEDITBEGIN, 1);   // every cell refused
    for (LRESULT answer : { (LRESULT)99, (LRESULT)2, (LRESULT)7, (LRESULT)-5 })
    {
        int asked = 0;
        // Watchdog: a movement that keeps asking is stopped here and fails the test instead of hanging.
        parent.SetAnswer(WM_QEL_LISTEDITMAX, [&](const RecordedMessage&, bool& handled) {
            handled = true;
            return ++asked > 20 ? (LRESULT)0 : answer;
        });
        EXPECT_EQ(0, Move(6, VK_DOWN, true, false, 2)) << answer;
        EXPECT_EQ(1, asked) << answer;
        asked = 0;
        EXPECT_EQ(0, Move(7, VK_TAB, true, false, 3)) << answer;
        EXPECT_EQ(1, asked) << answer;
        parent.ClearAnswers();
        parent.SetAnswer(WM_QEL_LISTEDITBEGIN, 1);
    }
    parent.ClearAnswers();
    EXPECT_EQ(8, list->GetItemCount());
}

TEST_F(ListEditing, ScrollingSizingAndFocusEndTheEdit)
{
    CreateList(40, 4);
    SetStyle(1);
    ASSERT_EQ(0, list->EditSubItem(0, 1));
    Editor()->SetWindowText(_T("v"));
    parent.Flush();
    list->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_TRUE(parent.Matches({ CellText(WM_QEL_LISTEDITTING, 0, 1, "v"), Cell(WM_QEL_LISTEDITEND, 0, 1) }));
    EXPECT_EQ(1, list->GetTopIndex());
    EXPECT_EQ(nullptr, list->GetEditControl());

    ASSERT_EQ(0, list->EditSubItem(2, 1));
    parent.Flush();
    list->SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_TRUE(parent.Matches({ Cell(WM_QEL_LISTEDITEND, 2, 1) }));

    ASSERT_EQ(0, list->EditSubItem(3, 1));
    parent.Flush();
    list->SetWindowPos(NULL, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(parent.Matches({ Cell(WM_QEL_LISTEDITEND, 3, 1) }));

    // An editor that never reported is removed when the list gets the focus.
    ASSERT_EQ(0, list->EditSubItem(4, 1));
    list->SendMessage(WM_SETFOCUS, 0, 0);
    EXPECT_EQ(nullptr, list->GetEditControl());
    EXPECT_EQ(0, CTestCellEditor::s_nLive);
}

TEST_F(ListEditing, MouseMovesArePostedWithRowAndColumn)
{
    CreateList(3, 4);
    const struct { CPoint pt; WPARAM wParam; LPARAM row; } moves[] = {
        { CellPoint(1, 2), ((WPARAM)kId << 16) | 2, 1 },
        { CPoint(50, 280), (WPARAM)kId << 16, -1 },                 // below the last row
        { CPoint(0, CellPoint(1, 0).y), (WPARAM)0xFFFFFFFF, 1 },    // over row 1 but over no column's label
    };
    for (const auto& move : moves)
    {
        parent.Flush();
        MouseMove(list->m_hWnd, move.pt);
        PumpUntilIdle();
        EXPECT_TRUE(parent.Matches({ Posted(WithLParam(WithWParam(Msg(WM_QEL_LISTMOUSEMOVE), move.wParam), move.row)) }));
    }
}

TEST_F(ListEditing, AnEditorThatNeverTookTheFocusIsReplacedNotLost)
{
    CreateList(3, 3);
    SetStyle(1, RUNTIME_CLASS(CUnfocusedFactory));
    list->SetFocus();
    ASSERT_EQ(0, list->EditSubItem(0, 1));
    ASSERT_NE(nullptr, Editor());
    ASSERT_EQ(list->m_hWnd, ::GetFocus());
    const HWND hFirst = Editor()->m_hWnd;

    ASSERT_EQ(0, list->EditSubItem(1, 1));   // the focus does not move: no report ends the first editor
    EXPECT_EQ(1, CTestCellEditor::s_nLive);
    EXPECT_FALSE(::IsWindow(hFirst));
    ASSERT_NE(nullptr, Editor());
    EXPECT_EQ(1, TestEditor()->m_nItem);

    list->SendMessage(WM_SETFOCUS, 0, 0);
    EXPECT_EQ(0, CTestCellEditor::s_nLive);
}

TEST_F(ListEditing, AnOpenEditFollowsItsRecordWhenRowsMove)
{
    CreateEditable();
    ASSERT_EQ(0, list->EditSubItem(3, 1));
    Editor()->SetWindowText(_T("moved"));
    list->InsertItem(0, _T("above"));
    list->InsertItem(2, _T("above too"));
    list->DeleteItem(0);   // the record of row 3 is at row 4 now
    CRect cell, editor;
    list->GetSubItemRect(4, 1, LVIR_LABEL, cell);
    Editor()->GetWindowRect(&editor);
    list->ScreenToClient(&editor);
    EXPECT_EQ(cell.top, editor.top);

    // A move request posted before the rows changed starts from the record's row, not its old index.
    SetModifierKeys(true, false);
    PressKey(Editor()->m_hWnd, VK_DOWN);
    ReleaseAllKeys();
    list->InsertItem(0, _T("late"));
    parent.Flush();
    PumpUntilIdle();
    EXPECT_TRUE(parent.Matches({
        Cell(WM_QEL_LISTEDITBEGIN, 6, 1),
        CellText(WM_QEL_LISTEDITTING, 5, 1, "moved"),
        Cell(WM_QEL_LISTEDITEND, 5, 1),
        Cell(WM_QEL_LISTITEMCONST, 6, 1),
    }));
    EXPECT_EQ(103u, EditInfo(parent.MessagesOf(WM_QEL_LISTEDITTING)[0]).dwItemData);
    EXPECT_EQ("moved", Narrow(list->GetItemText(5, 1)));
    EXPECT_EQ(104u, list->GetItemData(6));
    EXPECT_EQ(At(6, 1), EditCell());

    // The edited record itself goes: one end naming it by its data, its text stored nowhere.
    Editor()->SetWindowText(_T("lost"));
    parent.Flush();
    list->DeleteItem(6);
    PumpUntilIdle();
    EXPECT_TRUE(parent.Matches({ Cell(WM_QEL_LISTEDITEND, -1, 1) }));
    EXPECT_EQ(104u, EditInfo(parent.Messages()[0]).dwItemData);
    EXPECT_EQ(nullptr, list->GetEditControl());
    EXPECT_EQ(0, CTestCellEditor::s_nLive);
    for (int r = 0; r < list->GetItemCount(); ++r)
        EXPECT_NE("lost", Narrow(list->GetItemText(r, 1))) << r;

    ASSERT_EQ(0, list->EditSubItem(2, 2));
    parent.Flush();
    list->DeleteAllItems();
    EXPECT_TRUE(parent.Matches({ Cell(WM_QEL_LISTEDITEND, -1, 2) }));
    EXPECT_EQ(nullptr, list->GetEditControl());
}

// Rows of an owner-data list move where the list cannot see them: a new item count, or the application through
// EndEdit, first ends the open edit with its usual reports, and move requests still queued go with it.
TEST_F(ListEditing, OwnerDataEditsEndBeforeTheRowsChange)
{
    CreateList(8, 4, LVS_REPORT | LVS_OWNERDATA);
    SetStyle(1);
    SetStyle(2, RUNTIME_CLASS(CUnfocusedFactory));
    StartEdit(3, 1);
    Editor()->SetWindowText(_T("moved"));
    SetModifierKeys(true, false);
    PressKey(EditorHwnd(), VK_DOWN);   // a move request, queued
    ReleaseAllKeys();
    parent.Flush();
    list->SetItemCount(10);
    PumpUntilIdle();
    EXPECT_TRUE(parent.Matches({ CellText(WM_QEL_LISTEDITTING, 3, 1, "moved"), Cell(WM_QEL_LISTEDITEND, 3, 1) }));
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ("moved", ItemText(3, 1));

    StartEdit(2, 1);
    Editor()->SetWindowText(_T("dropped"));
    parent.Flush();
    list->EndEdit(FALSE);
    EXPECT_TRUE(parent.Matches({ Cell(WM_QEL_LISTEDITEND, 2, 1) }));
    EXPECT_EQ(nullptr, Editor());
    EXPECT_EQ("r2c1", ItemText(2, 1));

    // An editor that never had the focus reports nothing itself: the list reports its end.
    StartEdit(4, 2);
    parent.Flush();
    list->EndEdit(TRUE);
    EXPECT_TRUE(parent.Matches({ Cell(WM_QEL_LISTEDITEND, 4, 2) }));
    EXPECT_EQ(0, CTestCellEditor::s_nLive);
    parent.Flush();
    list->EndEdit(TRUE);
    list->SetItemCount(3);
    EXPECT_TRUE(parent.Messages().empty());
}

TEST_F(ListEditing, APendingClickFollowsItsRecord)
{
    CreateEditable();
    SelectOnly(2);
    Click(list->m_hWnd, CellPoint(2, 2));
    list->InsertItem(0, _T("above"));
    ASSERT_TRUE(PumpUntil([&] { return Editor() != nullptr; }, ::GetDoubleClickTime() + 2000));
    EXPECT_EQ(At(3, 2), EditCell());
    Commit();

    SelectOnly(2);
    Click(list->m_hWnd, CellPoint(2, 2));
    list->DeleteItem(2);   // the clicked record is gone: nothing opens
    PumpFor(::GetDoubleClickTime() + 300);
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(ListEditing, AnEditStartOutlivesWhatTheParentDoesMeanwhile)
{
    CreateEditable();
    _tag_QELListColumnStyle style = {};
    style.nColumn = 2;
    style.pRuntimeClass = RUNTIME_CLASS(CTestFactory);
    TCHAR format[] = _T("dd.MM.yyyy");
    style.pData = format;
    style.nDataLen = DataLength(format);
    ASSERT_EQ(0u, list->SetColumnStyle(&style));

    // The parent replaces the style while asked (its block freed): the editor gets the style it was asked for.
    parent.SetAnswer(WM_QEL_LISTEDITBEGIN, [&](const RecordedMessage&, bool& handled) {
        TCHAR other[] = _T("yyyy-MM-dd");
        style.pData = other;
        list->SetColumnStyle(&style);
        handled = true;
        return (LRESULT)0;
    });
    ASSERT_EQ(0, list->EditSubItem(1, 2));
    EXPECT_EQ("dd.MM.yyyy", CTestFactory::s_data);
    parent.SetAnswer(WM_QEL_LISTEDITBEGIN, [&](const RecordedMessage&, bool& handled) {
        list->RemoveColumnStyle(2);
        handled = true;
        return (LRESULT)0;
    });
    ASSERT_EQ(0, list->EditSubItem(2, 2));
    EXPECT_EQ("yyyy-MM-dd", CTestFactory::s_data);
    parent.ClearAnswers();

    // The previous edit's end deletes rows: a row above moves the start with its record, a gone row ends it.
    parent.SetAnswer(WM_QEL_LISTEDITEND, [&](const RecordedMessage&, bool& handled) {
        list->DeleteItem(0);
        handled = true;
        return (LRESULT)0;
    });
    ASSERT_EQ(0, list->EditSubItem(5, 1));
    EXPECT_EQ(At(4, 1), EditCell());
    EXPECT_EQ(105u, list->GetItemData(4));
    parent.SetAnswer(WM_QEL_LISTEDITEND, [&](const RecordedMessage&, bool& handled) {
        list->DeleteItem(list->GetItemCount() - 1);
        handled = true;
        return (LRESULT)0;
    });
    parent.Flush();
    EXPECT_EQ(2, list->EditSubItem(list->GetItemCount() - 1, 3));
    EXPECT_EQ(nullptr, Editor());
    EXPECT_TRUE(parent.MessagesOf(WM_QEL_LISTITEMCONST).empty());
    parent.ClearAnswers();
}

TEST_F(ListEditing, AnEditOpenedDuringTheLastOnesReportStaysOpen)
{
    CreateEditable();
    ASSERT_EQ(0, list->EditSubItem(0, 1));
    Editor()->SetWindowText(_T("first"));
    bool bOpenNext = true;
    parent.SetAnswer(WM_QEL_LISTEDITTING, [&](const RecordedMessage&, bool& handled) {
        if (bOpenNext)
            list->EditSubItem(1, 2);
        bOpenNext = false;
        handled = true;
        return (LRESULT)0;
    });
    Commit();
    EXPECT_EQ("first", Narrow(list->GetItemText(0, 1)));
    EXPECT_EQ(At(1, 2), EditCell());
    EXPECT_EQ(1, CTestCellEditor::s_nLive);
    Editor()->SetWindowText(_T("second"));
    parent.Flush();
    Commit();
    EXPECT_TRUE(parent.Matches({ CellText(WM_QEL_LISTEDITTING, 1, 2, "second"), Cell(WM_QEL_LISTEDITEND, 1, 2) }));
    EXPECT_EQ(0, CTestCellEditor::s_nLive);
}
