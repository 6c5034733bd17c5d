// Column sort marks, sortable flags, shown / hidden / force-hidden columns and their remembered widths.
#include "HeaderTestSupport.h"

using namespace qeltest;
using namespace headertest;

namespace {

class HeaderState : public HeaderTest
{
protected:
    void SetUp() override
    {
        HeaderTest::SetUp();
        MakeHeader({120, 100, 80, 60});
    }
    void EnableAllSorting()
    {
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(1, header.EnableSortColumn(i, 1));
    }
    std::vector<int> Marks()
    {
        std::vector<int> marks;
        for (int i = 0; i < 4; ++i)
            marks.push_back(header.GetColumnState(i));
        return marks;
    }
};

TEST_F(HeaderState, FreshHeaderReadsDefaultsAndLiveWidths)
{
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(1, header.IsVisibleColumn(i));
        EXPECT_EQ(0, header.IsEnableSortColumn(i));
        EXPECT_EQ(0, header.GetColumnState(i));
        EXPECT_EQ(0, header.IsForceHideColumn(i));
        EXPECT_FALSE(header.HasRecord(i));
    }
    EXPECT_EQ(-1, header.GetSortColumn());
    EXPECT_EQ(0, header.IsMultipleSort());
    EXPECT_EQ(120, header.GetColumnWidth(0));
    EXPECT_EQ(60, header.GetColumnWidth(3));
    EXPECT_EQ(-1, header.GetColumnWidth(4));     // no record and no such item
    EXPECT_EQ(1, header.ColumnMenu());
    EXPECT_EQ(-1, header.HotItem());
    // Pure readers answer with the defaults for any index.
    EXPECT_EQ(1, header.IsVisibleColumn(-5));
    EXPECT_EQ(0, header.IsEnableSortColumn(99));
}

TEST_F(HeaderState, UnattachedHeaderAnswersWithoutAWindow)
{
    CQELHeaderCtrl lone;
    EXPECT_EQ(0, lone.EnableSortColumn(0, 1));
    EXPECT_EQ(0, lone.ShowColumn(0, 0, -1));
    EXPECT_EQ(0, lone.ForceHideColumn(0, 1, 0));
    EXPECT_EQ(-1, lone.GetSortColumn());
    EXPECT_EQ(-1, lone.GetColumnWidth(0));
    lone.RemoveSortColumn(0);
    lone.EnableMultipleSort(1);
    lone.EnableMultipleSort(0);
    EXPECT_EQ(0, lone.IsMultipleSort());
}

TEST_F(HeaderState, SortEnableChecksTheRangeAndCreatesARecord)
{
    EXPECT_EQ(0, header.EnableSortColumn(-1, 1));
    EXPECT_EQ(0, header.EnableSortColumn(4, 1));
    EXPECT_FALSE(header.HasRecord(4));
    header.ResetProbe();
    EXPECT_EQ(1, header.EnableSortColumn(2, 7));
    EXPECT_EQ(7, header.IsEnableSortColumn(2));   // the caller's value is kept
    const _tag_QELHeaderColumnState r = header.Record(2);
    EXPECT_EQ(0, r.nSortState);
    EXPECT_EQ(0, r.nWidth);
    EXPECT_EQ(1, r.bVisible);
    EXPECT_EQ(0, r.bForceHide);
    PumpUntilIdle();
    EXPECT_EQ(0, header.nPaints);                 // no redraw
}

TEST_F(HeaderState, MarkOnAColumnNotEnabledIsIgnoredWithoutRedraw)
{
    header.ResetProbe();
    header.SetSortColumn(1, 1, 0);
    header.SetSortColumn(-1, 1, 0);
    EXPECT_EQ(0, header.GetColumnState(1));
    EXPECT_FALSE(header.HasRecord(1));
    EXPECT_EQ(0, header.nPaints);
}

TEST_F(HeaderState, SingleSortKeepsOnlyTheLastMarkWhateverTheAddFlag)
{
    EnableAllSorting();
    header.SetSortColumn(0, 0, 0);
    EXPECT_EQ((std::vector<int>{-1, 0, 0, 0}), Marks());
    EXPECT_EQ(0, header.GetSortColumn());
    EXPECT_EQ(0, header.IsAscending());

    header.SetSortColumn(2, 1, 1);
    EXPECT_EQ((std::vector<int>{0, 0, 1, 0}), Marks());
    EXPECT_EQ(2, header.GetSortColumn());
    EXPECT_EQ(1, header.IsAscending());

    header.SetSortColumn(2, 0, 0);    // marking again replaces the direction
    EXPECT_EQ((std::vector<int>{0, 0, -1, 0}), Marks());
    EXPECT_EQ(0, header.IsAscending());
}

TEST_F(HeaderState, MarkingRedrawsOncePerClearedRecordAndOnceForTheMark)
{
    EnableAllSorting();              // four records exist now
    header.ResetProbe();
    header.SetSortColumn(1, 1, 0);
    EXPECT_EQ(5, header.nPaints);    // RemoveSortColumn on each of the four records, then the mark
}

TEST_F(HeaderState, IsAscendingIsZeroWithNothingMarkedWhateverOtherRecordsHold)
{
    EXPECT_EQ(0, header.IsAscending());
    header.PlantRecord(-1, {1, 0, 1, 1, 0});   // a record outside the columns, as a derived class may keep
    EXPECT_EQ(-1, header.GetSortColumn());
    EXPECT_EQ(0, header.IsAscending());
}

TEST_F(HeaderState, MultipleSortAddsMarksAndAPlainClickClearsThem)
{
    EnableAllSorting();
    header.EnableMultipleSort(1);
    EXPECT_EQ(1, header.IsMultipleSort());
    header.SetSortColumn(0, 1, 1);
    header.SetSortColumn(3, 0, 1);
    EXPECT_EQ((std::vector<int>{1, 0, 0, -1}), Marks());
    EXPECT_EQ(-1, header.GetSortColumn());
    EXPECT_EQ(-1, header.IsAscending());

    header.SetSortColumn(1, 1, 0);
    EXPECT_EQ((std::vector<int>{0, 1, 0, 0}), Marks());
}

TEST_F(HeaderState, LeavingMultipleSortClearsEveryMarkEnteringChangesNone)
{
    EnableAllSorting();
    header.SetSortColumn(2, 1, 0);
    header.ResetProbe();
    header.EnableMultipleSort(1);
    EXPECT_EQ((std::vector<int>{0, 0, 1, 0}), Marks());
    EXPECT_EQ(0, header.nPaints);            // switching on does not redraw

    header.EnableMultipleSort(1);             // same value: nothing
    header.ResetProbe();
    header.EnableMultipleSort(0);
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0}), Marks());
    EXPECT_EQ(1, header.nPaints);
    EXPECT_EQ(1, header.IsEnableSortColumn(2));  // other fields kept
    EXPECT_EQ(-1, header.GetSortColumn());
}

TEST_F(HeaderState, LeavingMultipleSortClearsMarksBeyondTheItemCount)
{
    EnableAllSorting();
    header.EnableMultipleSort(1);
    header.SetSortColumn(3, 1, 1);
    ::SendMessageA(hwnd, HDM_DELETEITEM, 3, 0);
    EXPECT_EQ(1, header.GetColumnState(3));   // the record stays with the index
    header.EnableMultipleSort(0);
    EXPECT_EQ(0, header.GetColumnState(3));
}

TEST_F(HeaderState, RemoveSortColumnWithoutRecordDoesNothing)
{
    header.ResetProbe();
    header.RemoveSortColumn(1);
    EXPECT_FALSE(header.HasRecord(1));
    EXPECT_EQ(0, header.nPaints);

    EnableAllSorting();
    header.SetSortColumn(1, 1, 0);
    header.ResetProbe();
    header.RemoveSortColumn(1);
    EXPECT_EQ(0, header.GetColumnState(1));
    EXPECT_EQ(1, header.nPaints);
}

TEST_F(HeaderState, HidingRemembersTheWidthAndShowingGivesItBack)
{
    EXPECT_EQ(1, header.ShowColumn(0, 0, -1));
    EXPECT_EQ(0, ItemWidth(hwnd, 0));
    EXPECT_EQ(0, header.IsVisibleColumn(0));
    EXPECT_EQ(120, header.GetColumnWidth(0));

    EXPECT_EQ(1, header.ShowColumn(0, 1, -1));
    EXPECT_EQ(120, ItemWidth(hwnd, 0));
    EXPECT_EQ(1, header.IsVisibleColumn(0));
    EXPECT_EQ(120, header.GetColumnWidth(0));
}

TEST_F(HeaderState, ShowingNeverGoesBelowTenPixels)
{
    EXPECT_EQ(1, header.ShowColumn(1, 1, 5));
    EXPECT_EQ(10, ItemWidth(hwnd, 1));
    EXPECT_EQ(10, header.GetColumnWidth(1));

    // No remembered width: 10 pixels.
    EXPECT_EQ(1, header.ShowColumn(2, 1, -1));
    EXPECT_EQ(10, ItemWidth(hwnd, 2));
    EXPECT_EQ(1, header.ShowColumn(3, 1, 0));
    EXPECT_EQ(10, ItemWidth(hwnd, 3));

    EXPECT_EQ(1, header.ShowColumn(2, 1, 45));
    EXPECT_EQ(45, ItemWidth(hwnd, 2));
}

TEST_F(HeaderState, HidingAZeroWidthColumnRemembersTheArgument)
{
    SetItemWidth(hwnd, 1, 0);
    EXPECT_EQ(1, header.ShowColumn(1, 0, -1));
    EXPECT_EQ(-1, header.GetColumnWidth(1));
    EXPECT_EQ(1, header.ShowColumn(1, 1, -1));
    EXPECT_EQ(10, ItemWidth(hwnd, 1));

    SetItemWidth(hwnd, 2, 0);
    EXPECT_EQ(1, header.ShowColumn(2, 0, 33));
    EXPECT_EQ(33, header.GetColumnWidth(2));
    EXPECT_EQ(1, header.ShowColumn(2, 1, -1));
    EXPECT_EQ(33, ItemWidth(hwnd, 2));
}

TEST_F(HeaderState, OutOfRangeIndexesAreRefused)
{
    EXPECT_EQ(0, header.ShowColumn(-1, 0, -1));
    EXPECT_EQ(0, header.ShowColumn(4, 1, 50));
    EXPECT_EQ(0, header.ForceHideColumn(-1, 1, 0));
    EXPECT_EQ(0, header.ForceHideColumn(4, 1, 0));
    EXPECT_EQ(0, header.IsForceHideColumn(4));
    EXPECT_EQ(0, header.IsForceHideColumn(-1));
    EXPECT_FALSE(header.HasRecord(-1));
    EXPECT_FALSE(header.HasRecord(4));
}

TEST_F(HeaderState, ForcedColumnCannotBeShownUntilReleased)
{
    EXPECT_EQ(1, header.ForceHideColumn(1, 1, 0));
    EXPECT_EQ(0, ItemWidth(hwnd, 1));
    EXPECT_EQ(1, header.IsForceHideColumn(1));
    EXPECT_EQ(0, header.IsVisibleColumn(1));
    EXPECT_EQ(100, header.GetColumnWidth(1));

    EXPECT_EQ(0, header.ForceHideColumn(1, 1, 1));
    EXPECT_EQ(0, header.ShowColumn(1, 1, -1));
    EXPECT_EQ(0, header.ShowColumn(1, 0, -1));
    EXPECT_EQ(0, ItemWidth(hwnd, 1));
    EXPECT_EQ(100, header.GetColumnWidth(1));

    EXPECT_EQ(1, header.ForceHideColumn(1, 0, 1));
    EXPECT_EQ(0, header.IsForceHideColumn(1));
    EXPECT_EQ(100, ItemWidth(hwnd, 1));
    EXPECT_EQ(1, header.IsVisibleColumn(1));
}

TEST_F(HeaderState, ReleasingWithoutShowLeavesTheColumnHidden)
{
    ASSERT_EQ(1, header.ForceHideColumn(2, 1, 0));
    EXPECT_EQ(1, header.ForceHideColumn(2, 0, 0));
    EXPECT_EQ(0, header.IsForceHideColumn(2));
    EXPECT_EQ(0, ItemWidth(hwnd, 2));
    EXPECT_EQ(0, header.IsVisibleColumn(2));
    EXPECT_EQ(1, header.ShowColumn(2, 1, -1));
    EXPECT_EQ(80, ItemWidth(hwnd, 2));
}

TEST_F(HeaderState, ReleasingAColumnWithoutRecordOnlyShowsIt)
{
    EXPECT_EQ(1, header.ForceHideColumn(3, 0, 0));
    EXPECT_FALSE(header.HasRecord(3));
    EXPECT_EQ(1, header.ForceHideColumn(3, 0, 1));   // shows it: 60 is not remembered, so 10 pixels
    EXPECT_EQ(10, ItemWidth(hwnd, 3));
}

TEST_F(HeaderState, RecordsStayWithTheIndexWhenColumnsAreDeleted)
{
    EnableAllSorting();
    header.SetSortColumn(1, 1, 0);
    ASSERT_EQ(1, header.ShowColumn(2, 0, -1));
    ::SendMessageA(hwnd, HDM_DELETEITEM, 0, 0);
    // Old column 1 is index 0 now, but the mark stays with index 1 (old column 2, hidden).
    EXPECT_EQ(0, header.GetColumnState(0));
    EXPECT_EQ(1, header.GetColumnState(1));
    EXPECT_EQ(1, header.GetSortColumn());
    EXPECT_EQ(0, header.IsVisibleColumn(2));
    EXPECT_EQ(80, header.GetColumnWidth(2));
}

TEST_F(HeaderState, ShowColumnKeepsTheCallersVisibleValue)
{
    ASSERT_EQ(1, header.ShowColumn(1, 3, 50));
    EXPECT_EQ(3, header.IsVisibleColumn(1));
    EXPECT_EQ(50, ItemWidth(hwnd, 1));
}

} // namespace
