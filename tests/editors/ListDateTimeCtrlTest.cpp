// The in-place date editor end to end under the platform's date-time picker. What it shares with the other
// editors is tested in EditorKindTest.cpp.
#include "EditorTestSupport.h"

#include "QELListDateTimeCtrl.h"
#include "QELListItemDateTimeCtrl.h"
#include "QELWindowColor.h"

#include <string.h>

using namespace qeltest;

namespace {

const int kDateColumn = 3;

class DateEditor : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        CreateEditorList();
        list->SetItemText(0, kDateColumn, _T("2009-03-15"));
        list->SetItemText(1, kDateColumn, _T(""));
        list->SetItemText(2, kDateColumn, _T("not a date"));
        SetStyle(kDateColumn, RUNTIME_CLASS(CQELListItemDateTimeCtrl));
    }

    HWND Open(int nItem)
    {
        StartEdit(nItem, kDateColumn);
        return EditorHwnd();
    }

    static SYSTEMTIME PickerTime(HWND hPicker)
    {
        SYSTEMTIME st;
        memset(&st, 0xAB, sizeof(st));
        ::SendMessageA(hPicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
        return st;
    }

    // Selects the picker's n-th field (1 = first) with the arrow keys and increments it, as a user does.
    void IncrementField(HWND hPicker, int nField)
    {
        for (int i = 0; i < nField; ++i)
            Press(hPicker, VK_RIGHT);
        Press(hPicker, VK_UP);
    }

    // Point in the middle of the picker's drop-down button (right end of the client area).
    static POINT DropButtonPoint(HWND hPicker)
    {
        RECT rc;
        ::GetClientRect(hPicker, &rc);
        const POINT pt = { rc.right - 6, (rc.top + rc.bottom) / 2 };
        return pt;
    }

    static BOOL CALLBACK FindCalendar(HWND hwnd, LPARAM lParam)
    {
        char name[64] = {};
        ::GetClassNameA(hwnd, name, sizeof(name));
        if (_stricmp(name, MONTHCAL_CLASSA) == 0 && ::IsWindowVisible(hwnd))
        {
            *reinterpret_cast<HWND*>(lParam) = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    static HWND VisibleCalendar()
    {
        HWND found = NULL;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindCalendar, reinterpret_cast<LPARAM>(&found));
        return found;
    }
};

TEST_F(DateEditor, ShowsTheCellsDateInTheDefaultFormatOverTheLabel)
{
    const HWND hPicker = Open(0);
    ASSERT_NE(HWND(NULL), hPicker);
    EXPECT_EQ(RUNTIME_CLASS(CDateTimeCtrl), Editor()->GetRuntimeClass());   // not a class of its own
    EXPECT_EQ(LabelRect(0, kDateColumn), EditorRectInList());
    const SYSTEMTIME st = PickerTime(hPicker);
    EXPECT_EQ(2009, st.wYear);
    EXPECT_EQ(3, st.wMonth);
    EXPECT_EQ(15, st.wDay);
    EXPECT_EQ("2009-03-15", EditorText());
}

TEST_F(DateEditor, TextThatIsNoDateStartsAt1900AndStaysUnchangedWhenLeft)
{
    for (int row : { 1, 2 })
    {
        const std::string before = ItemText(row, kDateColumn);
        const HWND hPicker = Open(row);
        ASSERT_NE(HWND(NULL), hPicker);
        const SYSTEMTIME st = PickerTime(hPicker);
        EXPECT_EQ(1900, st.wYear);
        EXPECT_EQ(1, st.wMonth);
        EXPECT_EQ(1, st.wDay);
        parent.Flush();
        Press(hPicker, VK_RETURN);
        EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, row, kDateColumn) }));
        EXPECT_EQ(before, ItemText(row, kDateColumn));
    }
}

TEST_F(DateEditor, WithTheFlagAnEmptyCellStartsToday)
{
    SetStyle(kDateColumn, RUNTIME_CLASS(CQELListItemDateTimeCtrl), 0, QEL_STYLEFLAG_AUTO);
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const HWND hPicker = Open(1);
    ASSERT_NE(HWND(NULL), hPicker);
    const SYSTEMTIME st = PickerTime(hPicker);
    EXPECT_EQ(now.wYear, st.wYear);
    EXPECT_EQ(now.wMonth, st.wMonth);
    EXPECT_EQ(now.wDay, st.wDay);
    parent.Flush();
    Press(hPicker, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 1, kDateColumn) }));
    EXPECT_EQ("", ItemText(1, kDateColumn));
}

TEST_F(DateEditor, TheStylesFormatIsUsedForReadingAndWriting)
{
    SetStyle(kDateColumn, RUNTIME_CLASS(CQELListItemDateTimeCtrl), 0, 0, "dd.MM.yyyy");
    list->SetItemText(0, kDateColumn, _T("15.03.2009"));
    const HWND hPicker = Open(0);
    ASSERT_NE(HWND(NULL), hPicker);
    const SYSTEMTIME st = PickerTime(hPicker);
    EXPECT_EQ(2009, st.wYear);
    EXPECT_EQ(3, st.wMonth);
    EXPECT_EQ(15, st.wDay);
    EXPECT_EQ("15.03.2009", EditorText());

    IncrementField(hPicker, 1);   // the day is the first field here
    parent.Flush();
    Press(hPicker, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({
        CellText(WM_QEL_LISTEDITTING, 0, kDateColumn, "16.03.2009"),
        Cell(WM_QEL_LISTEDITEND, 0, kDateColumn),
    }));
    EXPECT_EQ("16.03.2009", ItemText(0, kDateColumn));
}

TEST_F(DateEditor, AChangeOfTheTimeOfDayAloneIsAChange)
{
    SetStyle(kDateColumn, RUNTIME_CLASS(CQELListItemDateTimeCtrl), 0, 0, "yyyy-MM-dd HH:mm");
    list->SetItemText(0, kDateColumn, _T("2009-03-15 10:20"));
    const HWND hPicker = Open(0);
    ASSERT_NE(HWND(NULL), hPicker);
    ASSERT_EQ("2009-03-15 10:20", EditorText());

    IncrementField(hPicker, 5);   // year, month, day, hour, minute
    ASSERT_EQ(21, PickerTime(hPicker).wMinute);
    parent.Flush();
    Press(hPicker, VK_RETURN);
    EXPECT_TRUE(MatchesEdits({
        CellText(WM_QEL_LISTEDITTING, 0, kDateColumn, "2009-03-15 10:21"),
        Cell(WM_QEL_LISTEDITEND, 0, kDateColumn),
    }));
}

TEST_F(DateEditor, TheCalendarDropDownDoesNotEndTheEdit)
{
    const HWND hPicker = Open(0);
    ASSERT_NE(HWND(NULL), hPicker);
    parent.Flush();

    Click(hPicker, DropButtonPoint(hPicker));
    const HWND hCalendar = VisibleCalendar();
    ASSERT_NE(HWND(NULL), hCalendar) << "the calendar did not open";
    EXPECT_EQ(hPicker, EditorHwnd());
    EXPECT_TRUE(EditMessages().empty());

    // Closing it with the button leaves the edit open, with the focus back in the picker.
    Click(hPicker, DropButtonPoint(hPicker));
    EXPECT_EQ(HWND(NULL), VisibleCalendar());
    EXPECT_EQ(hPicker, EditorHwnd());
    EXPECT_EQ(hPicker, ::GetFocus());
    EXPECT_TRUE(EditMessages().empty());

    // With the calendar closed, a focus change elsewhere ends the edit.
    parent.SetFocus();
    PumpUntilIdle();
    EXPECT_TRUE(MatchesEdits({ Cell(WM_QEL_LISTEDITEND, 0, kDateColumn) }));
    EXPECT_EQ(nullptr, Editor());
}

TEST_F(DateEditor, ADayChosenInTheCalendarIsCommittedWhenTheEditEnds)
{
    const HWND hPicker = Open(0);
    ASSERT_NE(HWND(NULL), hPicker);
    Click(hPicker, DropButtonPoint(hPicker));
    const HWND hCalendar = VisibleCalendar();
    ASSERT_NE(HWND(NULL), hCalendar);

    // Find the 20th of the shown month and click it.
    RECT rc;
    ::GetClientRect(hCalendar, &rc);
    MCHITTESTINFO hit = {};
    hit.cbSize = sizeof(hit);
    POINT day = { -1, -1 };
    for (int y = 0; y < rc.bottom && day.x < 0; y += 2)
        for (int x = 0; x < rc.right && day.x < 0; x += 2)
        {
            hit.pt.x = x;
            hit.pt.y = y;
            ::SendMessageA(hCalendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.uHit == MCHT_CALENDARDATE && hit.st.wMonth == 3 && hit.st.wDay == 20)
                day = hit.pt;
        }
    ASSERT_GE(day.x, 0) << "no 20 March in the calendar";
    parent.Flush();
    Click(hCalendar, day);
    EXPECT_EQ(HWND(NULL), VisibleCalendar());
    EXPECT_EQ(20, PickerTime(hPicker).wDay);
    EXPECT_EQ(hPicker, EditorHwnd());
    EXPECT_EQ(hPicker, ::GetFocus());
    EXPECT_TRUE(EditMessages().empty());

    parent.SetFocus();
    PumpUntilIdle();
    EXPECT_TRUE(MatchesEdits({
        CellText(WM_QEL_LISTEDITTING, 0, kDateColumn, "2009-03-20"),
        Cell(WM_QEL_LISTEDITEND, 0, kDateColumn),
    }));
}

TEST_F(DateEditor, DrawsAOnePixelHighlightFrameInANarrowedBorder)
{
    const HWND hPicker = Open(0);
    ASSERT_NE(HWND(NULL), hPicker);

    CRect window, client;
    ::GetWindowRect(hPicker, &window);
    ::GetClientRect(hPicker, &client);
    ::MapWindowPoints(hPicker, NULL, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(window.left + 1, client.left);
    EXPECT_EQ(window.top + 1, client.top);
    EXPECT_EQ(window.right - 1, client.right);
    EXPECT_EQ(window.bottom - 1, client.bottom);

    ::RedrawWindow(hPicker, NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const COLORREF highlight = _gWindowColor.m_crHighlight;
    const int w = window.Width(), h = window.Height();
    EXPECT_EQ(highlight, WindowPixelAt(hPicker, 0, h / 2));
    EXPECT_EQ(highlight, WindowPixelAt(hPicker, w - 1, h / 2));
    EXPECT_EQ(highlight, WindowPixelAt(hPicker, w / 2, 0));
    EXPECT_EQ(highlight, WindowPixelAt(hPicker, w / 2, h - 1));
}

} // namespace
