// Seeded random user actions against the soaked list, and the checks after each of them.
#pragma once

#include "SoakParent.h"

#include <random>
#include <string>

namespace soak {

// Kinds of action, in the order of the figures.
enum SoakAction
{
    actClickCell, actDoubleClickCell, actClickHeader, actDragDivider, actDoubleClickDivider, actRightClickCell,
    actColumnMenu, actType, actEnter, actEscape, actCtrlTab, actArrow, actHomeEnd, actPageKey, actWheel,
    actMouseMove, actResize, actScroll, actColumnDrag, actViewChange, actThemeSwitch, actInsertRow,
    actDeleteRow, actInsertColumn, actDeleteColumn, actOwnText, actEditCall, actDropDown, actStyleInEdit,
    actListGoneInEdit, actThemeBetweenPaints, actCopyWhileHeld, actColumnToZero,
    actCount
};

const char* ActionName(int nAction);

// Manages one host's run of actions: picks each action from the seeded generator, performs it through
// messages processed by the application's message loop, and checks the rules that must hold after it.
class CSoakDriver
{
public:

    CSoakDriver(CSoakList& list, CSoakParent& parent, CWnd& host, std::mt19937& random)
        : m_list(list), m_parent(parent), m_host(host), m_random(random) {}

    // Picks the next action; Perform carries it out and returns once its messages are processed.
    int  Next();
    void Perform(int nAction);
    // The first broken rule after a step, empty when all hold.
    std::string Check();

private:
    void Fail(const std::string& text);
    bool Chance(int nPercent) { return static_cast<int>(m_random() % 100) < nPercent; }
    int  Pick(int nCount) { return nCount > 0 ? static_cast<int>(m_random() % static_cast<unsigned>(nCount)) : 0; }

    void Pump();
    HWND ListWnd() const { return m_list.GetSafeHwnd(); }
    HWND HeaderWnd();
    HWND KeyTarget() const;
    bool IsReport() const { return (m_list.GetStyle() & LVS_TYPEMASK) == LVS_REPORT; }
    int  PickRow();
    bool CellPoint(int nRow, int nColumn, CPoint& pt);
    bool HeaderItemRect(int nColumn, CRect& rect);
    void PostMouse(HWND hWnd, UINT message, UINT nFlags, CPoint pt);
    void PostKey(UINT vk, bool bCtrl, bool bShift);
    void NoteWordMove(HWND hTarget);
    void PostDrag(HWND hWnd, CPoint from, CPoint to);

    void ClickCell();
    void DoubleClickCell();
    void ClickHeader();
    void DragDivider();
    void DoubleClickDivider();
    void RightClickCell();
    void ColumnMenu();
    void TypeText();
    void Wheel();
    void MouseMove();
    void Resize();
    void Scroll();
    void ColumnDrag();
    void ViewChange();
    void ThemeSwitch();
    void EditCall();
    void StyleInEdit();
    void ListGoneInEdit();
    void ThemeBetweenPaints();
    void CopyWhileHeld();
    void ColumnToZero();

    CSoakList&     m_list;
    CSoakParent&   m_parent;
    CWnd&          m_host;
    std::mt19937&  m_random;
    std::string    m_failure;   // first broken rule noticed while acting
    long           m_nWordMovedEditor = -1;   // the parent's count of opened editors when the last one was noted
};

} // namespace soak
