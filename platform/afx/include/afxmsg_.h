// Message-map entry macros. Each entry's thunk is a captureless lambda that casts the target to ThisClass
// (defined by BEGIN_MESSAGE_MAP), cracks wParam/lParam into the handler's arguments and calls it.
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

#define AFX_WM_ENTRY(message, ...) { (UINT)(message), 0, 0, 0, AfxSig_msg, AFX_MSG_THUNK(__VA_ARGS__) },

#define AFX_LPARAM_POINT(lParam) CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))

// ---- Window messages -----------------------------------------------------------------------------------

#define ON_WM_ACTIVATE() \
    AFX_WM_ENTRY(WM_ACTIVATE, pThis->OnActivate(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam)))
#define ON_WM_ACTIVATEAPP() \
    AFX_WM_ENTRY(WM_ACTIVATEAPP, pThis->OnActivateApp((BOOL)wParam, (DWORD)lParam))
#define ON_WM_CANCELMODE() \
    AFX_WM_ENTRY(WM_CANCELMODE, pThis->OnCancelMode())
#define ON_WM_CAPTURECHANGED() \
    AFX_WM_ENTRY(WM_CAPTURECHANGED, pThis->OnCaptureChanged(CWnd::FromHandle((HWND)lParam)))
#define ON_WM_CHAR() \
    AFX_WM_ENTRY(WM_CHAR, pThis->OnChar((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_CHARTOITEM() \
    AFX_WM_ENTRY(WM_CHARTOITEM, *pResult = (LRESULT)pThis->OnCharToItem(LOWORD(wParam), \
        (CListBox*)CWnd::FromHandle((HWND)lParam), HIWORD(wParam)))
#define ON_WM_CLOSE() \
    AFX_WM_ENTRY(WM_CLOSE, pThis->OnClose())
#define ON_WM_COMPAREITEM() \
    AFX_WM_ENTRY(WM_COMPAREITEM, *pResult = (LRESULT)pThis->OnCompareItem((int)wParam, (LPCOMPAREITEMSTRUCT)lParam))
#define ON_WM_CONTEXTMENU() \
    AFX_WM_ENTRY(WM_CONTEXTMENU, pThis->OnContextMenu(CWnd::FromHandle((HWND)wParam), AFX_LPARAM_POINT(lParam)))
#define ON_WM_CREATE() \
    AFX_WM_ENTRY(WM_CREATE, *pResult = (LRESULT)pThis->OnCreate((LPCREATESTRUCT)lParam))
#define ON_WM_DEADCHAR() \
    AFX_WM_ENTRY(WM_DEADCHAR, pThis->OnDeadChar((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_DELETEITEM() \
    AFX_WM_ENTRY(WM_DELETEITEM, pThis->OnDeleteItem((int)wParam, (LPDELETEITEMSTRUCT)lParam))
#define ON_WM_DESTROY() \
    AFX_WM_ENTRY(WM_DESTROY, pThis->OnDestroy())
#define ON_WM_DRAWITEM() \
    AFX_WM_ENTRY(WM_DRAWITEM, pThis->OnDrawItem((int)wParam, (LPDRAWITEMSTRUCT)lParam))
#define ON_WM_ENABLE() \
    AFX_WM_ENTRY(WM_ENABLE, pThis->OnEnable((BOOL)wParam))
#define ON_WM_ENTERIDLE() \
    AFX_WM_ENTRY(WM_ENTERIDLE, pThis->OnEnterIdle((UINT)wParam, CWnd::FromHandle((HWND)lParam)))
#define ON_WM_ERASEBKGND() \
    AFX_WM_ENTRY(WM_ERASEBKGND, *pResult = (LRESULT)pThis->OnEraseBkgnd(CDC::FromHandle((HDC)wParam)))
#define ON_WM_GETDLGCODE() \
    AFX_WM_ENTRY(WM_GETDLGCODE, *pResult = (LRESULT)pThis->OnGetDlgCode())
#define ON_WM_GETMINMAXINFO() \
    AFX_WM_ENTRY(WM_GETMINMAXINFO, pThis->OnGetMinMaxInfo((MINMAXINFO*)lParam))
#define ON_WM_HSCROLL() \
    AFX_WM_ENTRY(WM_HSCROLL, pThis->OnHScroll(LOWORD(wParam), HIWORD(wParam), \
        (CScrollBar*)CWnd::FromHandle((HWND)lParam)))
#define ON_WM_INITMENUPOPUP() \
    AFX_WM_ENTRY(WM_INITMENUPOPUP, pThis->OnInitMenuPopup(CMenu::FromHandle((HMENU)wParam), \
        LOWORD(lParam), (BOOL)HIWORD(lParam)))
#define ON_WM_KEYDOWN() \
    AFX_WM_ENTRY(WM_KEYDOWN, pThis->OnKeyDown((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_KEYUP() \
    AFX_WM_ENTRY(WM_KEYUP, pThis->OnKeyUp((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_KILLFOCUS() \
    AFX_WM_ENTRY(WM_KILLFOCUS, pThis->OnKillFocus(CWnd::FromHandle((HWND)wParam)))
#define ON_WM_LBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_LBUTTONDBLCLK, pThis->OnLButtonDblClk((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_LBUTTONDOWN() \
    AFX_WM_ENTRY(WM_LBUTTONDOWN, pThis->OnLButtonDown((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_LBUTTONUP() \
    AFX_WM_ENTRY(WM_LBUTTONUP, pThis->OnLButtonUp((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_MBUTTONDBLCLK, pThis->OnMButtonDblClk((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MBUTTONDOWN() \
    AFX_WM_ENTRY(WM_MBUTTONDOWN, pThis->OnMButtonDown((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MBUTTONUP() \
    AFX_WM_ENTRY(WM_MBUTTONUP, pThis->OnMButtonUp((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MEASUREITEM() \
    AFX_WM_ENTRY(WM_MEASUREITEM, pThis->OnMeasureItem((int)wParam, (LPMEASUREITEMSTRUCT)lParam))
#define ON_WM_MOUSEACTIVATE() \
    AFX_WM_ENTRY(WM_MOUSEACTIVATE, *pResult = (LRESULT)pThis->OnMouseActivate(CWnd::FromHandle((HWND)wParam), \
        LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_MOUSEHOVER() \
    AFX_WM_ENTRY(WM_MOUSEHOVER, pThis->OnMouseHover((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MOUSELEAVE() \
    AFX_WM_ENTRY(WM_MOUSELEAVE, pThis->OnMouseLeave())
#define ON_WM_MOUSEMOVE() \
    AFX_WM_ENTRY(WM_MOUSEMOVE, pThis->OnMouseMove((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_MOUSEWHEEL() \
    AFX_WM_ENTRY(WM_MOUSEWHEEL, *pResult = (LRESULT)pThis->OnMouseWheel(LOWORD(wParam), (short)HIWORD(wParam), \
        AFX_LPARAM_POINT(lParam)))
#define ON_WM_MOVE() \
    AFX_WM_ENTRY(WM_MOVE, pThis->OnMove((short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_NCACTIVATE() \
    AFX_WM_ENTRY(WM_NCACTIVATE, *pResult = (LRESULT)pThis->OnNcActivate((BOOL)wParam))
#define ON_WM_NCCALCSIZE() \
    AFX_WM_ENTRY(WM_NCCALCSIZE, pThis->OnNcCalcSize((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam))
#define ON_WM_NCCREATE() \
    AFX_WM_ENTRY(WM_NCCREATE, *pResult = (LRESULT)pThis->OnNcCreate((LPCREATESTRUCT)lParam))
#define ON_WM_NCDESTROY() \
    AFX_WM_ENTRY(WM_NCDESTROY, pThis->OnNcDestroy())
#define ON_WM_NCHITTEST() \
    AFX_WM_ENTRY(WM_NCHITTEST, *pResult = (LRESULT)pThis->OnNcHitTest(AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCLBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, pThis->OnNcLButtonDblClk((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCLBUTTONDOWN() \
    AFX_WM_ENTRY(WM_NCLBUTTONDOWN, pThis->OnNcLButtonDown((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCLBUTTONUP() \
    AFX_WM_ENTRY(WM_NCLBUTTONUP, pThis->OnNcLButtonUp((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCMOUSEMOVE() \
    AFX_WM_ENTRY(WM_NCMOUSEMOVE, pThis->OnNcMouseMove((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCPAINT() \
    AFX_WM_ENTRY(WM_NCPAINT, pThis->OnNcPaint())
#define ON_WM_NCRBUTTONDOWN() \
    AFX_WM_ENTRY(WM_NCRBUTTONDOWN, pThis->OnNcRButtonDown((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_NCRBUTTONUP() \
    AFX_WM_ENTRY(WM_NCRBUTTONUP, pThis->OnNcRButtonUp((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_PAINT() \
    AFX_WM_ENTRY(WM_PAINT, pThis->OnPaint())
#define ON_WM_PARENTNOTIFY() \
    AFX_WM_ENTRY(WM_PARENTNOTIFY, pThis->OnParentNotify((UINT)wParam, lParam))
#define ON_WM_QUERYDRAGICON() \
    AFX_WM_ENTRY(WM_QUERYDRAGICON, *pResult = (LRESULT)pThis->OnQueryDragIcon())
#define ON_WM_RBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_RBUTTONDBLCLK, pThis->OnRButtonDblClk((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_RBUTTONDOWN() \
    AFX_WM_ENTRY(WM_RBUTTONDOWN, pThis->OnRButtonDown((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_RBUTTONUP() \
    AFX_WM_ENTRY(WM_RBUTTONUP, pThis->OnRButtonUp((UINT)wParam, AFX_LPARAM_POINT(lParam)))
#define ON_WM_SETCURSOR() \
    AFX_WM_ENTRY(WM_SETCURSOR, *pResult = (LRESULT)pThis->OnSetCursor(CWnd::FromHandle((HWND)wParam), \
        LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SETFOCUS() \
    AFX_WM_ENTRY(WM_SETFOCUS, pThis->OnSetFocus(CWnd::FromHandle((HWND)wParam)))
#define ON_WM_SETTINGCHANGE() \
    AFX_WM_ENTRY(WM_SETTINGCHANGE, pThis->OnSettingChange((UINT)wParam, (LPCTSTR)lParam))
#define ON_WM_SHOWWINDOW() \
    AFX_WM_ENTRY(WM_SHOWWINDOW, pThis->OnShowWindow((BOOL)wParam, (UINT)lParam))
#define ON_WM_SIZE() \
    AFX_WM_ENTRY(WM_SIZE, pThis->OnSize((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SIZING() \
    AFX_WM_ENTRY(WM_SIZING, pThis->OnSizing((UINT)wParam, (LPRECT)lParam))
#define ON_WM_STYLECHANGED() \
    AFX_WM_ENTRY(WM_STYLECHANGED, pThis->OnStyleChanged((int)wParam, (LPSTYLESTRUCT)lParam))
#define ON_WM_STYLECHANGING() \
    AFX_WM_ENTRY(WM_STYLECHANGING, pThis->OnStyleChanging((int)wParam, (LPSTYLESTRUCT)lParam))
#define ON_WM_SYSCHAR() \
    AFX_WM_ENTRY(WM_SYSCHAR, pThis->OnSysChar((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SYSCOLORCHANGE() \
    AFX_WM_ENTRY(WM_SYSCOLORCHANGE, pThis->OnSysColorChange())
#define ON_WM_SYSCOMMAND() \
    AFX_WM_ENTRY(WM_SYSCOMMAND, pThis->OnSysCommand((UINT)wParam, lParam))
#define ON_WM_SYSKEYDOWN() \
    AFX_WM_ENTRY(WM_SYSKEYDOWN, pThis->OnSysKeyDown((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_SYSKEYUP() \
    AFX_WM_ENTRY(WM_SYSKEYUP, pThis->OnSysKeyUp((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_THEMECHANGED() \
    AFX_WM_ENTRY(WM_THEMECHANGED, *pResult = pThis->OnThemeChanged())
#define ON_WM_TIMER() \
    AFX_WM_ENTRY(WM_TIMER, pThis->OnTimer((UINT_PTR)wParam))
#define ON_WM_VKEYTOITEM() \
    AFX_WM_ENTRY(WM_VKEYTOITEM, *pResult = (LRESULT)pThis->OnVKeyToItem(LOWORD(wParam), \
        (CListBox*)CWnd::FromHandle((HWND)lParam), HIWORD(wParam)))
#define ON_WM_VSCROLL() \
    AFX_WM_ENTRY(WM_VSCROLL, pThis->OnVScroll(LOWORD(wParam), HIWORD(wParam), \
        (CScrollBar*)CWnd::FromHandle((HWND)lParam)))
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, pThis->OnWindowPosChanged((WINDOWPOS*)lParam))
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, pThis->OnWindowPosChanging((WINDOWPOS*)lParam))

// WM_CTLCOLOR* arrive packed in an AFX_CTLCOLOR; the DC and the control are lent to the handler as
// objects on the stack, as a permanent object when the control has one.
#define ON_WM_CTLCOLOR() \
    AFX_WM_ENTRY(WM_CTLCOLOR, \
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam; \
        CDC dcTemp; dcTemp.m_hDC = dcTemp.m_hAttribDC = pCtl->hDC; \
        CWnd wndTemp; wndTemp.m_hWnd = pCtl->hWnd; \
        CWnd* pWndCtl = CWnd::FromHandlePermanent(pCtl->hWnd); \
        HBRUSH hbr = pThis->OnCtlColor(&dcTemp, pWndCtl != NULL ? pWndCtl : &wndTemp, pCtl->nCtlType); \
        dcTemp.m_hDC = dcTemp.m_hAttribDC = NULL; wndTemp.m_hWnd = NULL; \
        *pResult = (LRESULT)hbr)

// ---- Messages reflected to the child control that caused them ------------------------------------------

#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, \
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam; \
        CDC dcTemp; dcTemp.m_hDC = dcTemp.m_hAttribDC = pCtl->hDC; \
        HBRUSH hbr = pThis->CtlColor(&dcTemp, pCtl->nCtlType); \
        dcTemp.m_hDC = dcTemp.m_hAttribDC = NULL; \
        *pResult = (LRESULT)hbr)
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, pThis->DrawItem((LPDRAWITEMSTRUCT)lParam))
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, pThis->MeasureItem((LPMEASUREITEMSTRUCT)lParam))
#define ON_WM_DELETEITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, pThis->DeleteItem((LPDELETEITEMSTRUCT)lParam))
#define ON_WM_COMPAREITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, *pResult = (LRESULT)pThis->CompareItem((LPCOMPAREITEMSTRUCT)lParam))
#define ON_WM_CHARTOITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CHARTOITEM, *pResult = (LRESULT)pThis->CharToItem(LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_VKEYTOITEM_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VKEYTOITEM, *pResult = (LRESULT)pThis->VKeyToItem(LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_HSCROLL_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, pThis->HScroll(LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_VSCROLL_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, pThis->VScroll(LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_PARENTNOTIFY_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_PARENTNOTIFY, pThis->ParentNotify((UINT)wParam, lParam))

// ---- User-defined and registered messages --------------------------------------------------------------

// Handler: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    AFX_WM_ENTRY(message, *pResult = pThis->memberFxn(wParam, lParam))

// The id is read from the variable when a message arrives, so it may be registered (and even live in
// another module) after the map was built.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { 0xC000, 0, 0, 0, (UINT_PTR)(const UINT*)(&nMessageVariable), \
      AFX_MSG_THUNK(*pResult = pThis->memberFxn(wParam, lParam)) },

// ---- Commands and control notifications (WM_COMMAND) --------------------------------------------------

#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(pThis->memberFxn(); return TRUE) },
#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(return pThis->memberFxn((UINT)wParam)) },
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(pThis->memberFxn((UINT)wParam); return TRUE) },
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(return pThis->memberFxn((UINT)wParam)) },
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(pThis->memberFxn(); return TRUE) },
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(pThis->memberFxn((UINT)wParam); return TRUE) },

// ---- Notifications (WM_NOTIFY); handlers get the header and the result to answer --------------------

#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          pThis->memberFxn(pNotify->pNMHDR, pNotify->pResult); return TRUE) },
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          pThis->memberFxn((UINT)wParam, pNotify->pNMHDR, pNotify->pResult); return TRUE) },
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          return pThis->memberFxn((UINT)wParam, pNotify->pNMHDR, pNotify->pResult)) },
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          return pThis->memberFxn((UINT)wParam, pNotify->pNMHDR, pNotify->pResult)) },

// ---- Notifications reflected to the control that sent them ---------------------------------------------

// The parent sees a notification only when no reflected handler took it. An _EX handler returning FALSE
// lets the parent handle it as well.
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          pThis->memberFxn(pNotify->pNMHDR, pNotify->pResult); return TRUE) },
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_cmd, \
      AFX_CMD_THUNK(AFX_NOTIFY* pNotify = (AFX_NOTIFY*)lParam; \
          return pThis->memberFxn(pNotify->pNMHDR, pNotify->pResult)) },
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, AfxSig_cmd, \
      AFX_CMD_THUNK(pThis->memberFxn(); return TRUE) },
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, AfxSig_cmd, \
      AFX_CMD_THUNK(return pThis->memberFxn()) },

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
