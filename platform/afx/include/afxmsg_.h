// Message-map entry macros. Each entry's thunk is a captureless lambda that casts the target to ThisClass
// (defined by BEGIN_MESSAGE_MAP), cracks wParam/lParam into the handler's arguments and calls it.
// Handlers are named `&Class::Fn` and must have exactly the documented type (see AFX_HANDLER).
#pragma once

#ifndef __AFXMSG__H__
#define __AFXMSG__H__

// Thunk of a window message: the handler's answer goes to *pResult (0 for handlers returning nothing).
#define AFX_MSG_THUNK(...) \
    [](CCmdTarget* pTarget_, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL \
    { \
        ThisClass* pThis = static_cast<ThisClass*>(pTarget_); \
        (void)pThis; (void)wParam; (void)lParam; (void)pResult; \
        __VA_ARGS__; \
        return TRUE; \
    }

// Thunk of a command or notification: wParam is the control id, lParam an AFX_NOTIFY* for notifications;
// the body returns whether the message was handled.
#define AFX_CMD_THUNK(...) \
    [](CCmdTarget* pTarget_, WPARAM wParam, LPARAM lParam, LRESULT*) -> BOOL \
    { \
        ThisClass* pThis = static_cast<ThisClass*>(pTarget_); \
        (void)pThis; (void)wParam; (void)lParam; \
        __VA_ARGS__; \
    }

// The entry's handler as a member pointer of its documented type, ready to call on pThis. As in real MFC's
// entries, the static_cast takes `&Class::Fn` of exactly that type (picking it among overloads) and rejects
// a handler whose return or parameter types merely convert. GCC would turn a bare member name into a member
// pointer as well, so the spelling of the argument is checked too.
template <bool bNamedByAddress, class TMemberFxn>
struct AfxHandlerType
{
    static_assert(bNamedByAddress, "name message-map handlers as &Class::Fn");
    typedef TMemberFxn type;
};
#define AFX_HANDLER(memberFxn, ...) \
    (pThis->*static_cast<typename AfxHandlerType<#memberFxn[0] == '&', __VA_ARGS__>::type>(memberFxn))

#define AFX_WM_ENTRY(message, ...) { (UINT)(message), 0, 0, 0, AfxSig_msg, AFX_MSG_THUNK(__VA_ARGS__) },

#define AFX_LPARAM_POINT(lParam) CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))

// ---- Window messages -----------------------------------------------------------------------------------

#define ON_WM_ACTIVATE() \
    AFX_WM_ENTRY(WM_ACTIVATE, \
        AFX_HANDLER(&ThisClass::OnActivate, void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*, BOOL)) \
            (LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam)))
#define ON_WM_ACTIVATEAPP() \
    AFX_WM_ENTRY(WM_ACTIVATEAPP, \
        AFX_HANDLER(&ThisClass::OnActivateApp, void (AFX_MSG_CALL CWnd::*)(BOOL, DWORD)) \
            ((BOOL)wParam, (DWORD)lParam))
#define ON_WM_CANCELMODE() \
    AFX_WM_ENTRY(WM_CANCELMODE, \
        AFX_HANDLER(&ThisClass::OnCancelMode, void (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_CAPTURECHANGED() \
    AFX_WM_ENTRY(WM_CAPTURECHANGED, \
        AFX_HANDLER(&ThisClass::OnCaptureChanged, void (AFX_MSG_CALL CWnd::*)(CWnd*)) \
            (CWnd::FromHandle((HWND)lParam)))
#define ON_WM_CHAR() \
    AFX_WM_ENTRY(WM_CHAR, \
        AFX_HANDLER(&ThisClass::OnChar, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT)) \
            ((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_CHARTOITEM() \
    AFX_WM_ENTRY(WM_CHARTOITEM, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnCharToItem, int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT)) \
            (LOWORD(wParam), (CListBox*)CWnd::FromHandle((HWND)lParam), HIWORD(wParam)))
#define ON_WM_CLOSE() \
    AFX_WM_ENTRY(WM_CLOSE, \
        AFX_HANDLER(&ThisClass::OnClose, void (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_COMPAREITEM() \
    AFX_WM_ENTRY(WM_COMPAREITEM, \
        *pResult = AFX_HANDLER(&ThisClass::OnCompareItem, int (AFX_MSG_CALL CWnd::*)(int, LPCOMPAREITEMSTRUCT)) \
            ((int)wParam, (LPCOMPAREITEMSTRUCT)lParam))
#define ON_WM_CONTEXTMENU() \
    AFX_WM_ENTRY(WM_CONTEXTMENU, \
        AFX_HANDLER(&ThisClass::OnContextMenu, void (AFX_MSG_CALL CWnd::*)(CWnd*, CPoint)) \
            (CWnd::FromHandle((HWND)wParam), AFX_LPARAM_POINT(lParam)))
#define ON_WM_CREATE() \
    AFX_WM_ENTRY(WM_CREATE, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnCreate, int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT)) \
            ((LPCREATESTRUCT)lParam))
#define ON_WM_DEADCHAR() \
    AFX_WM_ENTRY(WM_DEADCHAR, \
        AFX_HANDLER(&ThisClass::OnDeadChar, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT)) \
            ((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_DELETEITEM() \
    AFX_WM_ENTRY(WM_DELETEITEM, \
        AFX_HANDLER(&ThisClass::OnDeleteItem, void (AFX_MSG_CALL CWnd::*)(int, LPDELETEITEMSTRUCT)) \
            ((int)wParam, (LPDELETEITEMSTRUCT)lParam))
#define ON_WM_DESTROY() \
    AFX_WM_ENTRY(WM_DESTROY, \
        AFX_HANDLER(&ThisClass::OnDestroy, void (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_DRAWITEM() \
    AFX_WM_ENTRY(WM_DRAWITEM, \
        AFX_HANDLER(&ThisClass::OnDrawItem, void (AFX_MSG_CALL CWnd::*)(int, LPDRAWITEMSTRUCT)) \
            ((int)wParam, (LPDRAWITEMSTRUCT)lParam))
#define ON_WM_ENABLE() \
    AFX_WM_ENTRY(WM_ENABLE, \
        AFX_HANDLER(&ThisClass::OnEnable, void (AFX_MSG_CALL CWnd::*)(BOOL)) \
            ((BOOL)wParam))
#define ON_WM_ENTERIDLE() \
    AFX_WM_ENTRY(WM_ENTERIDLE, \
        AFX_HANDLER(&ThisClass::OnEnterIdle, void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*)) \
            ((UINT)wParam, CWnd::FromHandle((HWND)lParam)))
#define ON_WM_ERASEBKGND() \
    AFX_WM_ENTRY(WM_ERASEBKGND, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnEraseBkgnd, BOOL (AFX_MSG_CALL CWnd::*)(CDC*)) \
            (CDC::FromHandle((HDC)wParam)))
#define ON_WM_GETDLGCODE() \
    AFX_WM_ENTRY(WM_GETDLGCODE, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnGetDlgCode, UINT (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_GETMINMAXINFO() \
    AFX_WM_ENTRY(WM_GETMINMAXINFO, \
        AFX_HANDLER(&ThisClass::OnGetMinMaxInfo, void (AFX_MSG_CALL CWnd::*)(MINMAXINFO*)) \
            ((MINMAXINFO*)lParam))
#define ON_WM_HSCROLL() \
    AFX_WM_ENTRY(WM_HSCROLL, \
        AFX_HANDLER(&ThisClass::OnHScroll, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*)) \
            (LOWORD(wParam), HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam)))
#define ON_WM_INITMENUPOPUP() \
    AFX_WM_ENTRY(WM_INITMENUPOPUP, \
        AFX_HANDLER(&ThisClass::OnInitMenuPopup, void (AFX_MSG_CALL CWnd::*)(CMenu*, UINT, BOOL)) \
            (CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), (BOOL)HIWORD(lParam)))
#define ON_WM_KEYDOWN() \
    AFX_WM_ENTRY(WM_KEYDOWN, \
        AFX_HANDLER(&ThisClass::OnKeyDown, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT)) \
            ((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_KEYUP() \
    AFX_WM_ENTRY(WM_KEYUP, \
        AFX_HANDLER(&ThisClass::OnKeyUp, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT)) \
            ((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_KILLFOCUS() \
    AFX_WM_ENTRY(WM_KILLFOCUS, \
        AFX_HANDLER(&ThisClass::OnKillFocus, void (AFX_MSG_CALL CWnd::*)(CWnd*)) \
            (CWnd::FromHandle((HWND)wParam)))
#define ON_WM_LBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_LBUTTONDBLCLK, \
        AFX_HANDLER(&ThisClass::OnLButtonDblClk, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_LBUTTONDOWN() \
    AFX_WM_ENTRY(WM_LBUTTONDOWN, \
        AFX_HANDLER(&ThisClass::OnLButtonDown, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_LBUTTONUP() \
    AFX_WM_ENTRY(WM_LBUTTONUP, \
        AFX_HANDLER(&ThisClass::OnLButtonUp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_MBUTTONDBLCLK, \
        AFX_HANDLER(&ThisClass::OnMButtonDblClk, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MBUTTONDOWN() \
    AFX_WM_ENTRY(WM_MBUTTONDOWN, \
        AFX_HANDLER(&ThisClass::OnMButtonDown, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MBUTTONUP() \
    AFX_WM_ENTRY(WM_MBUTTONUP, \
        AFX_HANDLER(&ThisClass::OnMButtonUp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MEASUREITEM() \
    AFX_WM_ENTRY(WM_MEASUREITEM, \
        AFX_HANDLER(&ThisClass::OnMeasureItem, void (AFX_MSG_CALL CWnd::*)(int, LPMEASUREITEMSTRUCT)) \
            ((int)wParam, (LPMEASUREITEMSTRUCT)lParam))
#define ON_WM_MOUSEACTIVATE() \
    AFX_WM_ENTRY(WM_MOUSEACTIVATE, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnMouseActivate, int (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT)) \
            (CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_MOUSEHOVER() \
    AFX_WM_ENTRY(WM_MOUSEHOVER, \
        AFX_HANDLER(&ThisClass::OnMouseHover, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MOUSELEAVE() \
    AFX_WM_ENTRY(WM_MOUSELEAVE, \
        AFX_HANDLER(&ThisClass::OnMouseLeave, void (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_MOUSEMOVE() \
    AFX_WM_ENTRY(WM_MOUSEMOVE, \
        AFX_HANDLER(&ThisClass::OnMouseMove, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MOUSEWHEEL() \
    AFX_WM_ENTRY(WM_MOUSEWHEEL, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnMouseWheel, BOOL (AFX_MSG_CALL CWnd::*)(UINT, short, CPoint)) \
            (LOWORD(wParam), (short)HIWORD(wParam), AFX_LPARAM_POINT(lParam)))
#define ON_WM_MOVE() \
    AFX_WM_ENTRY(WM_MOVE, \
        AFX_HANDLER(&ThisClass::OnMove, void (AFX_MSG_CALL CWnd::*)(int, int)) \
            ((short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_NCACTIVATE() \
    AFX_WM_ENTRY(WM_NCACTIVATE, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnNcActivate, BOOL (AFX_MSG_CALL CWnd::*)(BOOL)) \
            ((BOOL)wParam))
#define ON_WM_NCCALCSIZE() \
    AFX_WM_ENTRY(WM_NCCALCSIZE, \
        AFX_HANDLER(&ThisClass::OnNcCalcSize, void (AFX_MSG_CALL CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)) \
            ((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam))
#define ON_WM_NCCREATE() \
    AFX_WM_ENTRY(WM_NCCREATE, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnNcCreate, BOOL (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT)) \
            ((LPCREATESTRUCT)lParam))
#define ON_WM_NCDESTROY() \
    AFX_WM_ENTRY(WM_NCDESTROY, \
        AFX_HANDLER(&ThisClass::OnNcDestroy, void (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_NCHITTEST() \
    AFX_WM_ENTRY(WM_NCHITTEST, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnNcHitTest, LRESULT (AFX_MSG_CALL CWnd::*)(CPoint)) \
            (AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCLBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, \
        AFX_HANDLER(&ThisClass::OnNcLButtonDblClk, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCLBUTTONDOWN() \
    AFX_WM_ENTRY(WM_NCLBUTTONDOWN, \
        AFX_HANDLER(&ThisClass::OnNcLButtonDown, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCLBUTTONUP() \
    AFX_WM_ENTRY(WM_NCLBUTTONUP, \
        AFX_HANDLER(&ThisClass::OnNcLButtonUp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCMOUSEMOVE() \
    AFX_WM_ENTRY(WM_NCMOUSEMOVE, \
        AFX_HANDLER(&ThisClass::OnNcMouseMove, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCPAINT() \
    AFX_WM_ENTRY(WM_NCPAINT, \
        AFX_HANDLER(&ThisClass::OnNcPaint, void (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_NCRBUTTONDOWN() \
    AFX_WM_ENTRY(WM_NCRBUTTONDOWN, \
        AFX_HANDLER(&ThisClass::OnNcRButtonDown, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCRBUTTONUP() \
    AFX_WM_ENTRY(WM_NCRBUTTONUP, \
        AFX_HANDLER(&ThisClass::OnNcRButtonUp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_PAINT() \
    AFX_WM_ENTRY(WM_PAINT, \
        AFX_HANDLER(&ThisClass::OnPaint, void (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_PARENTNOTIFY() \
    AFX_WM_ENTRY(WM_PARENTNOTIFY, \
        AFX_HANDLER(&ThisClass::OnParentNotify, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM)) \
            ((UINT)wParam, lParam))
#define ON_WM_QUERYDRAGICON() \
    AFX_WM_ENTRY(WM_QUERYDRAGICON, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnQueryDragIcon, HCURSOR (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_RBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_RBUTTONDBLCLK, \
        AFX_HANDLER(&ThisClass::OnRButtonDblClk, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_RBUTTONDOWN() \
    AFX_WM_ENTRY(WM_RBUTTONDOWN, \
        AFX_HANDLER(&ThisClass::OnRButtonDown, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_RBUTTONUP() \
    AFX_WM_ENTRY(WM_RBUTTONUP, \
        AFX_HANDLER(&ThisClass::OnRButtonUp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint)) \
            ((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_SETCURSOR() \
    AFX_WM_ENTRY(WM_SETCURSOR, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnSetCursor, BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT)) \
            (CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SETFOCUS() \
    AFX_WM_ENTRY(WM_SETFOCUS, \
        AFX_HANDLER(&ThisClass::OnSetFocus, void (AFX_MSG_CALL CWnd::*)(CWnd*)) \
            (CWnd::FromHandle((HWND)wParam)))
#define ON_WM_SETTINGCHANGE() \
    AFX_WM_ENTRY(WM_SETTINGCHANGE, \
        AFX_HANDLER(&ThisClass::OnSettingChange, void (AFX_MSG_CALL CWnd::*)(UINT, LPCTSTR)) \
            ((UINT)wParam, (LPCTSTR)lParam))
#define ON_WM_SHOWWINDOW() \
    AFX_WM_ENTRY(WM_SHOWWINDOW, \
        AFX_HANDLER(&ThisClass::OnShowWindow, void (AFX_MSG_CALL CWnd::*)(BOOL, UINT)) \
            ((BOOL)wParam, (UINT)lParam))
#define ON_WM_SIZE() \
    AFX_WM_ENTRY(WM_SIZE, \
        AFX_HANDLER(&ThisClass::OnSize, void (AFX_MSG_CALL CWnd::*)(UINT, int, int)) \
            ((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SIZING() \
    AFX_WM_ENTRY(WM_SIZING, \
        AFX_HANDLER(&ThisClass::OnSizing, void (AFX_MSG_CALL CWnd::*)(UINT, LPRECT)) \
            ((UINT)wParam, (LPRECT)lParam))
#define ON_WM_STYLECHANGED() \
    AFX_WM_ENTRY(WM_STYLECHANGED, \
        AFX_HANDLER(&ThisClass::OnStyleChanged, void (AFX_MSG_CALL CWnd::*)(int, LPSTYLESTRUCT)) \
            ((int)wParam, (LPSTYLESTRUCT)lParam))
#define ON_WM_STYLECHANGING() \
    AFX_WM_ENTRY(WM_STYLECHANGING, \
        AFX_HANDLER(&ThisClass::OnStyleChanging, void (AFX_MSG_CALL CWnd::*)(int, LPSTYLESTRUCT)) \
            ((int)wParam, (LPSTYLESTRUCT)lParam))
#define ON_WM_SYSCHAR() \
    AFX_WM_ENTRY(WM_SYSCHAR, \
        AFX_HANDLER(&ThisClass::OnSysChar, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT)) \
            ((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SYSCOLORCHANGE() \
    AFX_WM_ENTRY(WM_SYSCOLORCHANGE, \
        AFX_HANDLER(&ThisClass::OnSysColorChange, void (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_SYSCOMMAND() \
    AFX_WM_ENTRY(WM_SYSCOMMAND, \
        AFX_HANDLER(&ThisClass::OnSysCommand, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM)) \
            ((UINT)wParam, lParam))
#define ON_WM_SYSKEYDOWN() \
    AFX_WM_ENTRY(WM_SYSKEYDOWN, \
        AFX_HANDLER(&ThisClass::OnSysKeyDown, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT)) \
            ((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SYSKEYUP() \
    AFX_WM_ENTRY(WM_SYSKEYUP, \
        AFX_HANDLER(&ThisClass::OnSysKeyUp, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT)) \
            ((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_THEMECHANGED() \
    AFX_WM_ENTRY(WM_THEMECHANGED, \
        *pResult = AFX_HANDLER(&ThisClass::OnThemeChanged, LRESULT (AFX_MSG_CALL CWnd::*)())())
#define ON_WM_TIMER() \
    AFX_WM_ENTRY(WM_TIMER, \
        AFX_HANDLER(&ThisClass::OnTimer, void (AFX_MSG_CALL CWnd::*)(UINT_PTR)) \
            ((UINT_PTR)wParam))
#define ON_WM_VKEYTOITEM() \
    AFX_WM_ENTRY(WM_VKEYTOITEM, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::OnVKeyToItem, int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT)) \
            (LOWORD(wParam), (CListBox*)CWnd::FromHandle((HWND)lParam), HIWORD(wParam)))
#define ON_WM_VSCROLL() \
    AFX_WM_ENTRY(WM_VSCROLL, \
        AFX_HANDLER(&ThisClass::OnVScroll, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*)) \
            (LOWORD(wParam), HIWORD(wParam), (CScrollBar*)CWnd::FromHandle((HWND)lParam)))
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, \
        AFX_HANDLER(&ThisClass::OnWindowPosChanged, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*)) \
            ((WINDOWPOS*)lParam))
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, \
        AFX_HANDLER(&ThisClass::OnWindowPosChanging, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*)) \
            ((WINDOWPOS*)lParam))

// WM_CTLCOLOR* arrive packed in an AFX_CTLCOLOR; the DC and the control are lent to the handler as
// objects on the stack, as a permanent object when the control has one.
#define ON_WM_CTLCOLOR() \
    AFX_WM_ENTRY(WM_CTLCOLOR, \
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam; \
        CDC dcTemp; dcTemp.m_hDC = dcTemp.m_hAttribDC = pCtl->hDC; \
        CWnd wndTemp; wndTemp.m_hWnd = pCtl->hWnd; \
        CWnd* pWndCtl = CWnd::FromHandlePermanent(pCtl->hWnd); \
        HBRUSH hbr = AFX_HANDLER(&ThisClass::OnCtlColor, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, CWnd*, UINT)) \
            (&dcTemp, pWndCtl != NULL ? pWndCtl : &wndTemp, pCtl->nCtlType); \
        dcTemp.m_hDC = dcTemp.m_hAttribDC = NULL; wndTemp.m_hWnd = NULL; \
        *pResult = (LRESULT)hbr)

// ---- Messages reflected to the child control that caused them ------------------------------------------

#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, \
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam; \
        CDC dcTemp; dcTemp.m_hDC = dcTemp.m_hAttribDC = pCtl->hDC; \
        HBRUSH hbr = AFX_HANDLER(&ThisClass::CtlColor, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, UINT)) \
            (&dcTemp, pCtl->nCtlType); \
        dcTemp.m_hDC = dcTemp.m_hAttribDC = NULL; \
        *pResult = (LRESULT)hbr)
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, \
        AFX_HANDLER(&ThisClass::DrawItem, void (AFX_MSG_CALL CWnd::*)(LPDRAWITEMSTRUCT)) \
            ((LPDRAWITEMSTRUCT)lParam))
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, \
        AFX_HANDLER(&ThisClass::MeasureItem, void (AFX_MSG_CALL CWnd::*)(LPMEASUREITEMSTRUCT)) \
            ((LPMEASUREITEMSTRUCT)lParam))
#define ON_WM_DELETEITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, \
        AFX_HANDLER(&ThisClass::DeleteItem, void (AFX_MSG_CALL CWnd::*)(LPDELETEITEMSTRUCT)) \
            ((LPDELETEITEMSTRUCT)lParam))
#define ON_WM_COMPAREITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::CompareItem, int (AFX_MSG_CALL CWnd::*)(LPCOMPAREITEMSTRUCT)) \
            ((LPCOMPAREITEMSTRUCT)lParam))
#define ON_WM_CHARTOITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CHARTOITEM, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::CharToItem, int (AFX_MSG_CALL CWnd::*)(UINT, UINT)) \
            (LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_VKEYTOITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VKEYTOITEM, \
        *pResult = (LRESULT)AFX_HANDLER(&ThisClass::VKeyToItem, int (AFX_MSG_CALL CWnd::*)(UINT, UINT)) \
            (LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_HSCROLL_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, \
        AFX_HANDLER(&ThisClass::HScroll, void (AFX_MSG_CALL CWnd::*)(UINT, UINT)) \
            (LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_VSCROLL_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, \
        AFX_HANDLER(&ThisClass::VScroll, void (AFX_MSG_CALL CWnd::*)(UINT, UINT)) \
            (LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_PARENTNOTIFY_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_PARENTNOTIFY, \
        AFX_HANDLER(&ThisClass::ParentNotify, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM)) \
            ((UINT)wParam, lParam))

// ---- User-defined and registered messages --------------------------------------------------------------

#define AFX_MESSAGE_HANDLER(memberFxn) AFX_HANDLER(memberFxn, LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM))

#define ON_MESSAGE(message, memberFxn) \
    AFX_WM_ENTRY(message, *pResult = AFX_MESSAGE_HANDLER(memberFxn)(wParam, lParam))

// The id is read from the variable when a message arrives, so it may be registered (and even live in
// another module) after the map was built.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { 0xC000, 0, 0, 0, (UINT_PTR)(const UINT*)(&nMessageVariable), \
      AFX_MSG_THUNK(*pResult = AFX_MESSAGE_HANDLER(memberFxn)(wParam, lParam)) },

// ---- Commands and control notifications (WM_COMMAND) --------------------------------------------------

#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_HANDLER(memberFxn, void (AFX_MSG_CALL CCmdTarget::*)())(); return TRUE) },
#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(return AFX_HANDLER(memberFxn, BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT))((UINT)wParam)) },
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_HANDLER(memberFxn, void (AFX_MSG_CALL CCmdTarget::*)(UINT))((UINT)wParam); return TRUE) },
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(return AFX_HANDLER(memberFxn, BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT))((UINT)wParam)) },
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_HANDLER(memberFxn, void (AFX_MSG_CALL CCmdTarget::*)())(); return TRUE) },
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_HANDLER(memberFxn, void (AFX_MSG_CALL CCmdTarget::*)(UINT))((UINT)wParam); return TRUE) },

// ---- Notifications (WM_NOTIFY); handlers get the header and the result to answer --------------------

#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          AFX_HANDLER(memberFxn, void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*)) \
              (pNotify->pNMHDR, pNotify->pResult); \
          return TRUE) },
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          AFX_HANDLER(memberFxn, void (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*)) \
              ((UINT)wParam, pNotify->pNMHDR, pNotify->pResult); \
          return TRUE) },
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          return AFX_HANDLER(memberFxn, BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*)) \
              ((UINT)wParam, pNotify->pNMHDR, pNotify->pResult)) },
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          return AFX_HANDLER(memberFxn, BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*)) \
              ((UINT)wParam, pNotify->pNMHDR, pNotify->pResult)) },

// ---- Notifications reflected to the control that sent them ---------------------------------------------

// The parent sees a notification only when no reflected handler took it. An _EX handler returning FALSE
// lets the parent handle it as well.
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          AFX_HANDLER(memberFxn, void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*)) \
              (pNotify->pNMHDR, pNotify->pResult); \
          return TRUE) },
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          return AFX_HANDLER(memberFxn, BOOL (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*)) \
              (pNotify->pNMHDR, pNotify->pResult)) },
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_HANDLER(memberFxn, void (AFX_MSG_CALL CCmdTarget::*)())(); return TRUE) },
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, AfxSig_cmd, \
      AFX_CMD_THUNK(return AFX_HANDLER(memberFxn, BOOL (AFX_MSG_CALL CCmdTarget::*)())()) },

// ---- Control notification shorthands -------------------------------------------------------------------

#define ON_BN_CLICKED(id, memberFxn)       ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn)      ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn)     ON_CONTROL(BN_KILLFOCUS, id, memberFxn)

#define ON_EN_SETFOCUS(id, memberFxn)      ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn)     ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn)        ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn)        ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn)      ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn)       ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn)       ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn)       ON_CONTROL(EN_VSCROLL, id, memberFxn)

#define ON_STN_CLICKED(id, memberFxn)      ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn)       ON_CONTROL(STN_DBLCLK, id, memberFxn)

#define ON_LBN_ERRSPACE(id, memberFxn)     ON_CONTROL(LBN_ERRSPACE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn)    ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn)       ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn)    ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn)     ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn)    ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)

#define ON_CBN_ERRSPACE(id, memberFxn)     ON_CONTROL(CBN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn)    ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn)       ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn)     ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn)    ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn)   ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn)   ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn)     ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn)      ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn)     ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)

#endif // __AFXMSG__H__
