#include "SoakDriver.h"
#include "SoakMenuPicker.h"
#include "QELTest.h"
#include "QELThemeManager.h"

#include <stdio.h>
#include <memory>

namespace soak {

namespace {

struct ActionInfo
{
    const char* pszName;
    int         nWeight;
};

// Weights favour the cheap key and click actions: under Wine a step that resizes, sorts or rebuilds the list
// costs ten times one that types.
const ActionInfo kActions[actCount] = {
    { "click on a cell", 20 },       { "double-click on a cell", 6 }, { "click or double-click on a column header", 1 },
    { "divider drag", 1 },           { "divider double-click", 1 },   { "right click on a cell", 4 },
    { "column menu", 1 },            { "typing", 20 },                { "Enter", 14 },
    { "Escape", 10 },                { "Ctrl+Tab", 16 },              { "arrow key", 16 },
    { "Home or End", 6 },            { "Page Up or Down", 8 },        { "wheel", 8 },
    { "mouse move", 2 },             { "resize", 1 },                 { "scroll", 6 },
    { "column drag", 1 },            { "view change", 1 },            { "theme switch", 1 },
    { "row inserted", 2 },           { "row deleted", 2 },            { "column inserted", 1 },
    { "column deleted", 1 },         { "text set by the application", 4 }, { "edit started by the application", 3 },
    { "F4: calendar or list opened", 3 },        { "edit with its column's style changed by the parent", 1 },
    { "second list destroyed inside an edit message", 2 }, { "visual styles switched between paints", 1 },
    { "copy while another window holds the clipboard", 1 }, { "column dragged to width 0 and back", 1 },
};

const UINT kEditorIds[] = { QEL_EDITID_TEXT, QEL_EDITID_DATE, QEL_EDITID_COMBO };

bool IsEditorId(int nId)
{
    for (UINT id : kEditorIds)
        if (static_cast<int>(id) == nId)
            return true;
    return false;
}

// Timer procedure of the window that holds the clipboard: lets it go once.
void CALLBACK CloseClipboardLater(HWND hWnd, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(hWnd, nId);
    ::CloseClipboard();
}

} // namespace

const char* ActionName(int nAction)
{
    return nAction >= 0 && nAction < actCount ? kActions[nAction].pszName : "?";
}

int CSoakDriver::Next()
{
    // Away from the report view nothing can be edited: return to it soon. With an editor open, type often, so
    // that most edits carry a new text, sometimes open its calendar or list, and sometimes have the application
    // insert or delete rows under it.
    if (!IsReport() && Chance(50))
        return actViewChange;
    if (m_list.GetEditControl() != NULL && Chance(30))
    {
        if (Chance(80))
            return actType;
        if (Chance(50))
            return actDropDown;
        return Chance(50) ? actInsertRow : actDeleteRow;
    }
    static int s_nTotal = 0;
    if (s_nTotal == 0)
        for (const ActionInfo& a : kActions)
            s_nTotal += a.nWeight;
    int n = Pick(s_nTotal);
    for (int i = 0; i < actCount; ++i)
    {
        if (n < kActions[i].nWeight)
            return i;
        n -= kActions[i].nWeight;
    }
    return actClickCell;
}

void CSoakDriver::Perform(int nAction)
{
    switch (nAction)
    {
    case actClickCell:          ClickCell(); break;
    case actDoubleClickCell:    DoubleClickCell(); break;
    case actClickHeader:        ClickHeader(); break;
    case actDragDivider:        DragDivider(); break;
    case actDoubleClickDivider: DoubleClickDivider(); break;
    case actRightClickCell:     RightClickCell(); break;
    case actColumnMenu:         ColumnMenu(); break;
    case actType:               TypeText(); break;
    case actEnter:              PostKey(VK_RETURN, false, false); break;
    case actEscape:             PostKey(VK_ESCAPE, false, false); break;
    case actCtrlTab:            PostKey(VK_TAB, Chance(85), Chance(35)); break;
    case actArrow:              PostKey(Chance(80) ? (Chance(50) ? VK_UP : VK_DOWN) : (Chance(50) ? VK_LEFT : VK_RIGHT), Chance(70), false); break;
    case actHomeEnd:            PostKey(Chance(50) ? VK_HOME : VK_END, Chance(70), false); break;
    case actPageKey:            PostKey(Chance(50) ? VK_PRIOR : VK_NEXT, Chance(40), false); break;
    case actWheel:              Wheel(); break;
    case actMouseMove:          MouseMove(); break;
    case actResize:             Resize(); break;
    case actScroll:             Scroll(); break;
    case actColumnDrag:         ColumnDrag(); break;
    case actViewChange:         ViewChange(); break;
    case actThemeSwitch:        ThemeSwitch(); break;
    case actInsertRow:          m_parent.InsertRow(); break;
    case actDeleteRow:          m_parent.DeleteRow(); break;
    case actInsertColumn:       m_parent.InsertColumn(); break;
    case actDeleteColumn:       m_parent.DeleteColumn(); break;
    case actOwnText:            m_parent.SetOwnText(); break;
    case actEditCall:           EditCall(); break;
    case actDropDown:           PostKey(VK_F4, false, false); break;
    case actStyleInEdit:        StyleInEdit(); break;
    case actListGoneInEdit:     ListGoneInEdit(); break;
    case actThemeBetweenPaints: ThemeBetweenPaints(); break;
    case actCopyWhileHeld:      CopyWhileHeld(); break;
    case actColumnToZero:       ColumnToZero(); break;
    default:                    break;
    }
    Pump();
}

// Dispatches through the thread's PreTranslateMessage like the application's loop until the queue stays
// empty, then runs the idle rounds; a stream of messages that never ends is reported as a broken rule.
void CSoakDriver::Pump()
{
    const int kStorm = 20000;
    int nMessages = 0;
    // Everything this thread does is on its own queue: the first empty look means idle.
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (++nMessages > kStorm)
        {
            TCHAR szClass[64] = _T("");
            ::GetClassName(msg.hwnd, szClass, _countof(szClass));
            char text[160];
            sprintf(text, "messages never stop: message 0x%04X to a window of class \"%s\"", msg.message,
                    qeltest::Narrow(szClass).c_str());
            if (m_failure.empty())
                m_failure = text;
            return;
        }
        CWinThread* pThread = AfxGetThread();
        if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    if (CWinThread* pThread = AfxGetThread())
        for (LONG lCount = 0; pThread->OnIdle(lCount) && lCount < 8; ++lCount)
            ;
}

void CSoakDriver::Fail(const std::string& text)
{
    if (m_failure.empty())
        m_failure = text;
}

// ---- Geometry and input ---------------------------------------------------------------------------

HWND CSoakDriver::HeaderWnd()
{
    CQELHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
    return pHeader != NULL ? pHeader->GetSafeHwnd() : NULL;
}

HWND CSoakDriver::KeyTarget() const
{
    const HWND hFocus = ::GetFocus();
    return hFocus != NULL ? hFocus : m_list.GetSafeHwnd();
}

int CSoakDriver::PickRow()
{
    const int nSelected = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (nSelected >= 0 && Chance(60))
        return nSelected;
    return Pick(m_list.GetItemCount());
}

bool CSoakDriver::CellPoint(int nRow, int nColumn, CPoint& pt)
{
    CRect rect;
    if (nRow < 0 || nRow >= m_list.GetItemCount())
        return false;
    if (IsReport())
    {
        if (!m_list.GetSubItemRect(nRow, nColumn, LVIR_LABEL, rect))
            return false;
    }
    else if (!m_list.GetItemRect(nRow, &rect, LVIR_LABEL))
        return false;
    CRect rectClient;
    m_list.GetClientRect(&rectClient);
    pt.x = rect.left + (rect.Width() > 6 ? 3 + Pick(rect.Width() - 6) : 0);
    pt.y = (rect.top + rect.bottom) / 2;
    return rectClient.PtInRect(pt) != FALSE;
}

bool CSoakDriver::HeaderItemRect(int nColumn, CRect& rect)
{
    const HWND hHeader = HeaderWnd();
    return hHeader != NULL && ::IsWindowVisible(hHeader)
        && ::SendMessage(hHeader, HDM_GETITEMRECT, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&rect)) != 0;
}

void CSoakDriver::PostMouse(HWND hWnd, UINT message, UINT nFlags, CPoint pt)
{
    ::PostMessage(hWnd, message, nFlags, MAKELPARAM(pt.x, pt.y));
}

void CSoakDriver::PostKey(UINT vk, bool bCtrl, bool bShift)
{
    const HWND hTarget = KeyTarget();
    const DWORD dwDown = 1 | ((::MapVirtualKey(vk, 0) & 0xFF) << 16);   // repeat count 1 and the scan code
    const DWORD dwUp = dwDown | 0xC0000000;                                // previous state down, released
    if (bCtrl && (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN))
        NoteWordMove(hTarget);
    qeltest::SetModifierKeys(bCtrl, bShift);
    ::PostMessage(hTarget, WM_KEYDOWN, vk, static_cast<LPARAM>(dwDown));
    ::PostMessage(hTarget, WM_KEYUP, vk, static_cast<LPARAM>(dwUp));
    Pump();
    qeltest::SetModifierKeys(false, false);
}

// Counts each text editor that moves by words once (Ctrl with an arrow key: a single-line edit takes Up and
// Down as Left and Right): each may leave Wine's word-break block behind.
void CSoakDriver::NoteWordMove(HWND hTarget)
{
    TCHAR szClass[16] = _T("");
    ::GetClassName(hTarget, szClass, _countof(szClass));
    const long nEditor = m_parent.Tally().nOpened;
    if (lstrcmpi(szClass, WC_EDIT) != 0 || nEditor == m_nWordMovedEditor)
        return;
    m_nWordMovedEditor = nEditor;
    ++m_parent.Tally().nWordMovedEditors;
}

// ---- Mouse actions --------------------------------------------------------------------------------

void CSoakDriver::ClickCell()
{
    const int nRow = PickRow();
    const int nColumn = Pick(m_parent.ColumnCount());
    CPoint pt;
    if (!CellPoint(nRow, nColumn, pt))
        return;
    const bool bCtrl = Chance(8);
    const bool bShift = !bCtrl && Chance(8);
    // The list arms its click-to-edit timer for an editable cell of a row that is already selected; the
    // step waits for it, so that the edit opens within this step whatever the machine's speed. It is the
    // only timer whose message reaches the list's window procedure.
    int nHitColumn = -1;
    const int nHitRow = m_list.HitTestEx(pt, nHitColumn);
    const bool bArms = !bCtrl && !bShift && nHitRow >= 0 && nHitColumn >= 0 && m_list.IsEditColumn(nHitColumn)
        && m_list.GetItemState(nHitRow, LVIS_SELECTED) == LVIS_SELECTED;
    const UINT nFlags = (bCtrl ? MK_CONTROL : 0) | (bShift ? MK_SHIFT : 0);
    qeltest::SetModifierKeys(bCtrl, bShift);
    const int nTimers = m_list.received[WM_TIMER];
    PostMouse(ListWnd(), WM_LBUTTONDOWN, nFlags | MK_LBUTTON, pt);
    PostMouse(ListWnd(), WM_LBUTTONUP, nFlags, pt);
    Pump();
    qeltest::SetModifierKeys(false, false);
    if (bArms)
        qeltest::PumpUntil([this, nTimers] { return m_list.received[WM_TIMER] > nTimers || m_list.GetSafeHwnd() == NULL; },
                           2000);
}

void CSoakDriver::DoubleClickCell()
{
    CPoint pt;
    if (!CellPoint(PickRow(), Pick(m_parent.ColumnCount()), pt))
        return;
    // Posted together: the button-up and double-click come before any timer message.
    PostMouse(ListWnd(), WM_LBUTTONDOWN, MK_LBUTTON, pt);
    PostMouse(ListWnd(), WM_LBUTTONUP, 0, pt);
    PostMouse(ListWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, pt);
    PostMouse(ListWnd(), WM_LBUTTONUP, 0, pt);
}

void CSoakDriver::ClickHeader()
{
    CRect rect;
    if (!HeaderItemRect(Pick(m_parent.ColumnCount()), rect) || rect.Width() < 4)
        return;
    const CPoint pt(rect.CenterPoint());
    PostMouse(HeaderWnd(), WM_LBUTTONDOWN, MK_LBUTTON, pt);
    PostMouse(HeaderWnd(), WM_LBUTTONUP, 0, pt);
    if (Chance(25))
    {
        PostMouse(HeaderWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, pt);
        PostMouse(HeaderWnd(), WM_LBUTTONUP, 0, pt);
    }
}

void CSoakDriver::DragDivider()
{
    CRect rect;
    if (!HeaderItemRect(Pick(m_parent.ColumnCount()), rect))
        return;
    const CPoint pt(rect.right, rect.CenterPoint().y);
    PostDrag(HeaderWnd(), pt, CPoint(pt.x + Pick(121) - 60, pt.y));
}

void CSoakDriver::PostDrag(HWND hWnd, CPoint from, CPoint to)
{
    PostMouse(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, from);
    PostMouse(hWnd, WM_MOUSEMOVE, MK_LBUTTON, CPoint((from.x + to.x) / 2, from.y));
    PostMouse(hWnd, WM_MOUSEMOVE, MK_LBUTTON, to);
    PostMouse(hWnd, WM_LBUTTONUP, 0, to);
}

void CSoakDriver::ColumnToZero()
{
    const int nColumn = Pick(m_parent.ColumnCount());
    CRect rect;
    if (!HeaderItemRect(nColumn, rect) || rect.Width() <= 0)
        return;
    const int y = rect.CenterPoint().y;
    PostDrag(HeaderWnd(), CPoint(rect.right, y), CPoint(rect.left - 10, y));
    Pump();
    CRect shut;
    if (!HeaderItemRect(nColumn, shut) || shut.Width() != 0)
        return;
    ++m_parent.Tally().nColumnsShut;
    // A column of no width opens from just right of its divider.
    PostDrag(HeaderWnd(), CPoint(shut.right + 2, y), CPoint(shut.right + 2 + rect.Width(), y));
    Pump();
    CRect opened;
    if (HeaderItemRect(nColumn, opened) && opened.Width() > 0)
        ++m_parent.Tally().nColumnsReopened;
}

void CSoakDriver::DoubleClickDivider()
{
    CRect rect;
    if (!HeaderItemRect(Pick(m_parent.ColumnCount()), rect))
        return;
    const CPoint pt(rect.right, rect.CenterPoint().y);
    PostMouse(HeaderWnd(), WM_LBUTTONDOWN, MK_LBUTTON, pt);
    PostMouse(HeaderWnd(), WM_LBUTTONUP, 0, pt);
    PostMouse(HeaderWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, pt);
    PostMouse(HeaderWnd(), WM_LBUTTONUP, 0, pt);
}

void CSoakDriver::RightClickCell()
{
    CPoint pt;
    if (!CellPoint(PickRow(), Pick(m_parent.ColumnCount()), pt))
        return;
    PostMouse(ListWnd(), WM_RBUTTONDOWN, MK_RBUTTON, pt);
    PostMouse(ListWnd(), WM_RBUTTONUP, 0, pt);
}

void CSoakDriver::ColumnMenu()
{
    CRect rect;
    if (!HeaderItemRect(Pick(m_parent.ColumnCount()), rect))
        return;
    // Half the time the menu is only closed, otherwise an entry is chosen (a column shown or hidden).
    const int nDowns = Chance(50) ? -1 : 1 + Pick(m_parent.ColumnCount());
    CSoakMenuPicker picker(HeaderWnd(), nDowns);
    PostMouse(HeaderWnd(), WM_RBUTTONDOWN, MK_RBUTTON, CPoint(rect.left + 2, rect.CenterPoint().y));
    Pump();
}

void CSoakDriver::Wheel()
{
    const bool bCtrl = Chance(60);
    CRect rect;
    m_list.GetWindowRect(&rect);
    const CPoint pt(rect.CenterPoint());
    const short nDelta = static_cast<short>(Chance(50) ? WHEEL_DELTA : -WHEEL_DELTA);
    qeltest::SetModifierKeys(bCtrl, false);
    ::PostMessage(KeyTarget(), WM_MOUSEWHEEL, MAKEWPARAM(bCtrl ? MK_CONTROL : 0, static_cast<WORD>(nDelta)),
                   MAKELPARAM(pt.x, pt.y));
    Pump();
    qeltest::SetModifierKeys(false, false);
}

void CSoakDriver::MouseMove()
{
    CRect rect;
    if (Chance(50) && HeaderItemRect(Pick(m_parent.ColumnCount()), rect))
    {
        PostMouse(HeaderWnd(), WM_MOUSEMOVE, 0, rect.CenterPoint());
        return;
    }
    m_list.GetClientRect(&rect);
    PostMouse(ListWnd(), WM_MOUSEMOVE, 0, CPoint(Pick(rect.Width() + 1), Pick(rect.Height() + 1)));
}

// ---- Keys -------------------------------------------------------------------------------------------

void CSoakDriver::TypeText()
{
    static const char kLetters[] = "0123456789 abcdefxyz.";
    // Only into an editor: the list view's incremental search depends on the time between keys, which
    // would make a run unrepeatable.
    CWnd* pEditor = m_list.GetEditControl();
    if (pEditor == NULL)
        return;
    const HWND hTarget = KeyTarget();
    const int nLength = 1 + Pick(6);
    for (int i = 0; i < nLength; ++i)
        ::PostMessage(hTarget, WM_CHAR, static_cast<BYTE>(kLetters[Pick(sizeof(kLetters) - 1)]), 1);
    if (Chance(20))
        ::PostMessage(hTarget, WM_CHAR, '\b', 1);
}

// ---- Window and application actions ------------------------------------------------------------------

void CSoakDriver::Resize()
{
    // Mostly the host, whose layout resizes the list; sometimes the list alone.
    const UINT nFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (Chance(70))
        m_host.SetWindowPos(NULL, 0, 0, 220 + Pick(240), 150 + Pick(170), nFlags);
    else
        m_list.SetWindowPos(NULL, 0, 0, 100 + Pick(300), 60 + Pick(200), nFlags);
}

void CSoakDriver::Scroll()
{
    static const UINT kCodes[] = { SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_TOP, SB_BOTTOM };
    const UINT nCode = kCodes[Pick(6)];
    ::PostMessage(ListWnd(), Chance(70) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(nCode, 0), 0);
}

void CSoakDriver::ColumnDrag()
{
    const int nColumns = m_parent.ColumnCount();
    CRect from, to;
    if (!HeaderItemRect(Pick(nColumns), from) || !HeaderItemRect(Pick(nColumns), to) || from.Width() < 4)
        return;
    const CPoint pt(from.CenterPoint());
    const int nDrag = ::GetSystemMetrics(SM_CXDRAG) + 4;
    PostMouse(HeaderWnd(), WM_LBUTTONDOWN, MK_LBUTTON, pt);
    PostMouse(HeaderWnd(), WM_MOUSEMOVE, MK_LBUTTON, CPoint(pt.x + (to.left > from.left ? nDrag : -nDrag), pt.y));
    PostMouse(HeaderWnd(), WM_MOUSEMOVE, MK_LBUTTON, CPoint(to.CenterPoint().x, pt.y));
    PostMouse(HeaderWnd(), WM_LBUTTONUP, 0, CPoint(to.CenterPoint().x, pt.y));
}

void CSoakDriver::ViewChange()
{
    static const DWORD kViews[] = { LVS_ICON, LVS_SMALLICON, LVS_LIST };
    const DWORD dwView = IsReport() ? kViews[Pick(3)] : LVS_REPORT;
    m_list.ModifyStyle(LVS_TYPEMASK, dwView);
}

void CSoakDriver::ThemeSwitch()
{
    if (_gThemeManager.IsSystemTheme())
        _gThemeManager.ExInitThemeManager();
    else
        _gThemeManager.InitThemeManager();
    _gThemeManager.UpdateWindowColor(&_gWindowColor);
    m_host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CSoakDriver::EditCall()
{
    // Mostly real cells, sometimes one just outside the list.
    const int nRow = Pick(m_list.GetItemCount() + 1) - (Chance(5) ? 1 : 0);
    const int nColumn = Pick(m_parent.ColumnCount() + 1);
    const int nResult = m_list.EditSubItem(nRow, nColumn);
    if ((nResult < -1 || nResult > 4) && m_failure.empty())
        m_failure = "EditSubItem answered " + std::to_string(nResult);
    // Outside the rows or columns the answer is 2, whatever else holds.
    if ((nRow < 0 || nRow >= m_list.GetItemCount() || nColumn >= m_parent.ColumnCount()) && IsReport() && nResult != 2
        && m_failure.empty())
        m_failure = "EditSubItem outside the cells answered " + std::to_string(nResult);
}

void CSoakDriver::StyleInEdit()
{
    // The parent may replace or remove the edited column's style inside each message of an edit that is
    // opened or already open, typed into, and ended by Enter or moved by Ctrl+Tab or Ctrl+Down.
    static const UINT kEnds[] = { VK_RETURN, VK_TAB, VK_DOWN };
    m_parent.RestoreStyles();
    m_parent.ChangeStylesInEdits(true);
    if (m_list.GetEditControl() == NULL)
        m_list.EditSubItem(PickRow(), 1 + Pick(CSoakParent::kFixedColumns - 1));
    TypeText();
    Pump();
    const UINT vk = kEnds[Pick(3)];
    PostKey(vk, vk != VK_RETURN, false);
    m_parent.ChangeStylesInEdits(false);
}

void CSoakDriver::ListGoneInEdit()
{
    const UINT kMessages[] = { WM_QEL_LISTEDITBEGIN, WM_QEL_LISTITEMCONST, WM_QEL_LISTEDITTING, WM_QEL_LISTEDITEND };
    const UINT message = kMessages[Pick(4)];
    std::unique_ptr<CQELListCtrl> pSecond(new CQELListCtrl);
    if (!pSecond->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(8, 8, 200, 80), &m_host, CSoakParent::kSecondListId))
    {
        Fail("a second list could not be created");
        return;
    }
    const HWND hSecond = pSecond->GetSafeHwnd();
    m_parent.ArmSecondList(*pSecond, message);
    // Gone while the parent was asked, the list has no row left to edit.
    const int nExpected = message == WM_QEL_LISTEDITBEGIN ? 2 : 0;
    const int nResult = pSecond->EditSubItem(0, 1);
    if (nResult != nExpected)
        Fail("EditSubItem on a list destroyed inside " + qeltest::MessageName(message) + " answered "
             + std::to_string(nResult));
    // A new value, committed by the focus going back to the first list.
    if (::IsWindow(hSecond))
    {
        for (int i = 1 + Pick(3); i > 0; --i)
            ::PostMessage(KeyTarget(), WM_CHAR, static_cast<WPARAM>('1' + Pick(5)), 1);
        Pump();
        m_list.SetFocus();
        Pump();
    }
    if (::IsWindow(hSecond))
        pSecond->DestroyWindow();
    Pump();
    const HWND hEditor = m_parent.DisarmSecondList();
    if (hEditor != NULL && ::IsWindow(hEditor))
        Fail("an editor of the destroyed second list is still there");
    if (::GetFocus() == NULL)
        m_list.SetFocus();
}

void CSoakDriver::ThemeBetweenPaints()
{
    // Each switch comes while the list, its header and the open editor wait to be painted; the colour set
    // is refreshed only now and then, as an application may do.
    CWnd* pEditor = m_list.GetEditControl();
    const HWND windows[] = { ListWnd(), HeaderWnd(), pEditor != NULL ? pEditor->GetSafeHwnd() : NULL };
    for (int i = 2 + Pick(3); i > 0; --i)
    {
        for (const HWND hWnd : windows)
            if (hWnd != NULL)
                ::InvalidateRect(hWnd, NULL, TRUE);
        if (_gThemeManager.IsSystemTheme())
            _gThemeManager.ExInitThemeManager();
        else
            _gThemeManager.InitThemeManager();
        if (Chance(50))
            _gThemeManager.UpdateWindowColor(&_gWindowColor);
        for (const HWND hWnd : windows)
            if (hWnd != NULL)
                ::UpdateWindow(hWnd);
    }
}

void CSoakDriver::CopyWhileHeld()
{
    const std::string held = "held by another window " + std::to_string(m_random());
    qeltest::WriteClipboardText(held);
    const HWND hOther = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    if (hOther == NULL || !::OpenClipboard(hOther))
    {
        if (hOther != NULL)
            ::DestroyWindow(hOther);
        return;
    }
    ++m_parent.Tally().nCopiesRefused;
    if (m_list.CopyToClipboard(LVIS_SELECTED) != 0 || ::GetOpenClipboardWindow() != hOther)
        Fail("a copy while another window held the clipboard did not fail and leave the clipboard to it");
    else if (Chance(50))
    {
        ::CloseClipboard();
        if (qeltest::ReadClipboardText() != held)
            Fail("a copy that failed changed the clipboard");
    }
    else
    {
        // Let go a moment later, while the application's messages go on; then a copy goes through.
        ::SetTimer(hOther, 1, 5, &CloseClipboardLater);
        qeltest::PumpUntil([hOther] { return ::GetOpenClipboardWindow() != hOther; }, 2000);
        ++m_parent.Tally().nCopiesAfter;
        if (m_list.CopyToClipboard(LVIS_SELECTED) != 1 || ::GetClipboardOwner() != ListWnd())
            Fail("once the clipboard was free, a copy did not put the list's text on it");
    }
    if (::GetOpenClipboardWindow() == hOther)
        ::CloseClipboard();
    if (::GetOpenClipboardWindow() != NULL)
        Fail("the clipboard is still open after a copy");
    ::DestroyWindow(hOther);
}

// ---- Checks -------------------------------------------------------------------------------------------

std::string CSoakDriver::Check()
{
    if (!m_failure.empty())
        return m_failure;
    if (!m_parent.Failure().empty())
        return m_parent.Failure();
    if (m_list.GetSafeHwnd() == NULL || !::IsWindow(m_list.GetSafeHwnd()))
        return "the list window is gone";

    int nEditors = 0;
    HWND hEditorChild = NULL;
    for (HWND hChild = ::GetWindow(ListWnd(), GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (IsEditorId(::GetDlgCtrlID(hChild)))
        {
            ++nEditors;
            hEditorChild = hChild;
        }
    }
    CWnd* pEdit = m_list.GetEditControl();
    char text[256];
    if (nEditors > 1)
    {
        sprintf(text, "%d editor windows exist", nEditors);
        return text;
    }
    if (pEdit == NULL && nEditors != 0)
        return "an editor window exists that the list no longer knows";
    if (pEdit != NULL && (pEdit->GetSafeHwnd() != hEditorChild || !::IsWindow(hEditorChild)))
        return "GetEditControl() is not the live editor child of the list";
    const long nOpen = m_parent.OpenEditors();
    if (nOpen != (pEdit != NULL ? 1 : 0))
    {
        sprintf(text, "%ld editors opened without their end report, while %s editor is open", nOpen,
                pEdit != NULL ? "an" : "no");
        return text;
    }
    const std::string styles = m_parent.Model().CompareStyles(m_list, CSoakParent::kMaxColumns);
    if (!styles.empty())
        return styles;
    return m_parent.Model().Compare(m_list, m_parent.ColumnCount(), [this](int nRow) { return m_parent.RowId(nRow); });
}

} // namespace soak
