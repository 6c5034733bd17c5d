// Windows of the MFC-compatible layer: command targets and message maps, CWnd, dialogs, frame windows,
// the thread and application objects, and the Afx* functions around them.
#pragma once

#ifndef __AFXWIN_H__
#define __AFXWIN_H__

#include <afx.h>
#include "afxgdi_.h"

class CCmdTarget;
class CWnd;
class CDialog;
class CFrameWnd;
class CWinThread;
class CWinApp;
class CScrollBar;
class CListBox;
class CDataExchange;
class CHandleMap;
struct CCreateContext;
struct AFX_CMDHANDLERINFO;

// windows.h makes GetNextWindow a macro, which would rename CWnd::GetNextWindow; keep the function.
#ifdef GetNextWindow
#undef GetNextWindow
inline HWND GetNextWindow(HWND hWnd, UINT wCmd) { return ::GetWindow(hWnd, wCmd); }
#endif

// ---- Message maps --------------------------------------------------------------------------------------

#ifndef afx_msg
#define afx_msg
#endif
#define AFX_MSG_CALL

// Messages private to the layer.
#define WM_QUERYAFXWNDPROC  0x0360    // answered 1 by AfxWndProc
#define WM_SIZEPARENT       0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI  0x0363    // sent to the main window and its descendants at idle
#define WM_INITIALUPDATE    0x0364
#define WM_COMMANDHELP      0x0365
#define WM_HELPHITTEST      0x0366
#define WM_EXITHELPMODE     0x0367
#define WM_RECALCPARENT     0x0368
#define WM_SIZECHILD        0x0369
#define WM_KICKIDLE         0x036A    // sent to a modal window while its loop is idle
#define WM_QUERYCENTERWND   0x036B
#define WM_DISABLEMODAL     0x036C
#define WM_FLOATSTATUS      0x036D
#define WM_ACTIVATETOPLEVEL 0x036E

// A notification or control message reflected to the child that sent it arrives there as
// WM_REFLECT_BASE + the parent's message.
#define WM_REFLECT_BASE     0xBC00

// The 16-bit colour message, still the key of ON_WM_CTLCOLOR entries; lParam is an AFX_CTLCOLOR.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR         0x0019
#endif

// Command codes of OnCmdMsg.
#define CN_COMMAND          0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// One message-map entry: a message (or WM_COMMAND/WM_NOTIFY with a control code), a control id range and a
// thunk. The thunk casts the target to the class that declared the entry, cracks wParam/lParam and calls the
// handler; it returns whether the message was handled. Window-message thunks store the handler's answer in
// *pResult; command thunks get the control id in wParam and, for notifications, an AFX_NOTIFY* in lParam.
typedef BOOL (*AFX_PMSG)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

enum AfxSig
{
    AfxSig_end = 0,     // marks the end of a map
    AfxSig_msg = 1,     // window message
    AfxSig_cmd = 2      // command or notification
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;      // window message; 0xC000 for a registered message
    UINT nCode;         // control code or WM_NOTIFY code (low word)
    UINT nID;           // first control id (0 for window messages)
    UINT nLastID;       // last control id of the range
    UINT_PTR nSig;      // AfxSig value, or the address of the UINT holding a registered message id
    AFX_PMSG pfn;       // the thunk; null in the end marker
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();   // map of the base class; null for CCmdTarget's
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// What an ON_NOTIFY handler receives.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// WM_CTLCOLOR* messages packed as the 16-bit WM_CTLCOLOR message.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const \
        { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = \
        {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        static_cast<void>(sizeof(ThisClass)); \
        return &messageMap; \
    }

AFX_CLASS_API const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
    UINT nMsg, UINT nCode, UINT nID);

// ---- CCmdTarget ----------------------------------------------------------------------------------------

// Root of every object that receives messages through a message map.
class AFX_CLASS_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
protected:
public:
    // Constructors
    CCmdTarget();

    // Operations
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Overridables
    // Routes a command (nCode CN_COMMAND or a control code) or a notification (MAKELONG(code, WM_NOTIFY))
    // through the message map; TRUE when a handler took it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Implementation
    virtual ~CCmdTarget();

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// ---- CWnd ----------------------------------------------------------------------------------------------

// m_nFlags bits.
#define WF_TOOLTIPS         0x0001
#define WF_TEMPHIDE         0x0002
#define WF_STAYDISABLED     0x0004
#define WF_MODALLOOP        0x0008    // RunModalLoop is running
#define WF_CONTINUEMODAL    0x0010    // the modal loop goes on until EndModalLoop clears this
#define WF_OLECTLCONTAINER  0x0100

// RunModalLoop flags.
#define MLF_NOIDLEMSG       0x0001    // no WM_ENTERIDLE to the parent
#define MLF_NOKICKIDLE      0x0002    // no WM_KICKIDLE to the window
#define MLF_SHOWONIDLE      0x0004    // show the window when the loop first goes idle

// Manages one window handle: creation, subclassing, message dispatch through the message map, and the
// thin wrappers of the window functions. An object attached to a window (Create, SubclassWindow, Attach)
// is permanent; FromHandle of a window without an object makes a temporary one, freed at idle.
class AFX_CLASS_API CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
protected:
    static const MSG* PASCAL GetCurrentMessage();

public:
    // Attributes
    HWND m_hWnd;                      // the attached window; null when none

    HWND GetSafeHwnd() const { const CWnd* p = AfxLaunderPtr(this); return p == NULL ? NULL : p->m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }
    BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
    BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

    DWORD GetStyle() const { return (DWORD)::GetWindowLong(m_hWnd, GWL_STYLE); }
    DWORD GetExStyle() const { return (DWORD)::GetWindowLong(m_hWnd, GWL_EXSTYLE); }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0)
        { return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags); }
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0)
        { return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags); }
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd != NULL ? pOwnerWnd->m_hWnd : NULL; }

    // Constructors and other creation
    CWnd();

    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();

    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
        int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
    virtual BOOL DestroyWindow();

    // Subclassing an existing window: attach it and route its messages through AfxWndProc.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Special windows for SetWindowPos' insert-after argument.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // Dialog data
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Window tree access
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int nID) { return (int)::SetWindowLongPtr(m_hWnd, GWLP_ID, (LONG_PTR)nID); }
    CWnd* GetDlgItem(int nID) const { return CWnd::FromHandle(::GetDlgItem(m_hWnd, nID)); }
    void GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
        BOOL bOnlyPerm = FALSE)
        { SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm); }
    static void PASCAL SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
        BOOL bDeep, BOOL bOnlyPerm);
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetParentOwner() const;
    static CWnd* PASCAL GetSafeOwner(CWnd* pParent = NULL, HWND* pWndTop = NULL);

    // Message functions
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
        { return ::SendMessage(m_hWnd, message, wParam, lParam); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
        { return ::PostMessage(m_hWnd, message, wParam, lParam); }
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam)
        { return ::SendNotifyMessage(m_hWnd, message, wParam, lParam); }

    // Window text and font
    void SetWindowText(LPCTSTR lpszString) { ::SetWindowText(m_hWnd, lpszString); }
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
        { return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount); }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE)
        { ::SendMessage(m_hWnd, WM_SETFONT, (WPARAM)(pFont != NULL ? pFont->m_hObject : NULL), bRedraw); }
    CFont* GetFont() const { return CFont::FromHandle((HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0)); }

    // Menus
    CMenu* GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
    BOOL SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu != NULL ? pMenu->m_hMenu : NULL); }
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
    CMenu* GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }

    // Window size and position
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
        { ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint); }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE)
        { ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
            lpRect->bottom - lpRect->top, bRepaint); }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
        { return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags); }
    UINT ArrangeIconicWindows() { return ::ArrangeIconicWindows(m_hWnd); }
    void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const { return ::GetWindowPlacement(m_hWnd, lpwndpl); }
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl) { return ::SetWindowPlacement(m_hWnd, lpwndpl); }

    // Coordinate mapping
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
        { ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount); }
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
        { ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), (LPPOINT)lpRect, 2); }
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);
    enum AdjustType { adjustBorder = 0, adjustOutside = 1 };

    // Update and painting
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint) { return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint)); }
    void EndPaint(LPPAINTSTRUCT lpPaint) { ::EndPaint(m_hWnd, lpPaint); }
    CDC* GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
    CDC* GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
    CDC* GetDCEx(CRgn* prgnClip, DWORD flags)
        { return CDC::FromHandle(::GetDCEx(m_hWnd, prgnClip != NULL ? (HRGN)prgnClip->m_hObject : NULL, flags)); }
    int ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->m_hDC); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void SetRedraw(BOOL bRedraw = TRUE) { ::SendMessage(m_hWnd, WM_SETREDRAW, bRedraw, 0); }
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE) { return ::GetUpdateRect(m_hWnd, lpRect, bErase); }
    int GetUpdateRgn(CRgn* pRgn, BOOL bErase = FALSE)
        { return ::GetUpdateRgn(m_hWnd, pRgn != NULL ? (HRGN)pRgn->m_hObject : NULL, bErase); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, NULL, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE)
        { ::InvalidateRgn(m_hWnd, pRgn != NULL ? (HRGN)pRgn->m_hObject : NULL, bErase); }
    void ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
    void ValidateRgn(CRgn* pRgn) { ::ValidateRgn(m_hWnd, pRgn != NULL ? (HRGN)pRgn->m_hObject : NULL); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void ShowOwnedPopups(BOOL bShow = TRUE) { ::ShowOwnedPopups(m_hWnd, bShow); }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn* prgnUpdate = NULL,
        UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
        { return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate != NULL ? (HRGN)prgnUpdate->m_hObject : NULL, flags); }
    BOOL LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
    void UnlockWindowUpdate() { ::LockWindowUpdate(NULL); }
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH)
        { return ::EnableScrollBar(m_hWnd, nSBFlags, nArrowFlags); }

    // Timers
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void (CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD))
        { return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer); }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

    // Window state
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    static CWnd* PASCAL GetActiveWindow() { return CWnd::FromHandle(::GetActiveWindow()); }
    CWnd* SetActiveWindow() { return CWnd::FromHandle(::SetActiveWindow(m_hWnd)); }
    static CWnd* PASCAL GetForegroundWindow() { return CWnd::FromHandle(::GetForegroundWindow()); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    static CWnd* PASCAL GetCapture() { return CWnd::FromHandle(::GetCapture()); }
    CWnd* SetCapture() { return CWnd::FromHandle(::SetCapture(m_hWnd)); }
    static CWnd* PASCAL GetFocus() { return CWnd::FromHandle(::GetFocus()); }
    CWnd* SetFocus() { return CWnd::FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* PASCAL GetDesktopWindow() { return CWnd::FromHandle(::GetDesktopWindow()); }

    // Dialog-box items
    void CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
        { ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton); }
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const
        { return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned); }
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
        { return ::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount); }
    int GetDlgItemText(int nID, CString& rString) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const
        { return CWnd::FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious)); }
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const
        { return CWnd::FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious)); }
    UINT IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
        { return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam); }
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }
    void SetDlgItemText(int nID, LPCTSTR lpszString) { ::SetDlgItemText(m_hWnd, nID, lpszString); }

    // Scrolling
    int GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
        { ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos); }
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL)
        { ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect); }
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
        { ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw); }
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, nBar, bShow); }
    void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit(int nBar);

    // Window access
    CWnd* ChildWindowFromPoint(POINT point) const
        { return CWnd::FromHandle(::ChildWindowFromPoint(m_hWnd, point)); }
    static CWnd* PASCAL FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
        { return CWnd::FromHandle(::FindWindow(lpszClassName, lpszWindowName)); }
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const { return CWnd::FromHandle(::GetWindow(m_hWnd, nFlag)); }
    CWnd* GetTopWindow() const { return CWnd::FromHandle(::GetTopWindow(m_hWnd)); }
    CWnd* GetWindow(UINT nCmd) const { return CWnd::FromHandle(::GetWindow(m_hWnd, nCmd)); }
    CWnd* GetLastActivePopup() const { return CWnd::FromHandle(::GetLastActivePopup(m_hWnd)); }
    BOOL IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, pWnd->GetSafeHwnd()); }
    CWnd* GetParent() const { return CWnd::FromHandle(::GetParent(m_hWnd)); }
    CWnd* SetParent(CWnd* pWndNewParent) { return CWnd::FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd())); }
    static CWnd* PASCAL WindowFromPoint(POINT point) { return CWnd::FromHandle(::WindowFromPoint(point)); }

    // Clipboard
    BOOL OpenClipboard() { return ::OpenClipboard(m_hWnd); }
    static CWnd* PASCAL GetClipboardOwner() { return CWnd::FromHandle(::GetClipboardOwner()); }
    static CWnd* PASCAL GetOpenClipboardWindow() { return CWnd::FromHandle(::GetOpenClipboardWindow()); }

    // Alert functions
    BOOL FlashWindow(BOOL bInvert) { return ::FlashWindow(m_hWnd, bInvert); }
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK)
        { return ::MessageBox(GetSafeHwnd(), lpszText, lpszCaption, nType); }

    // Caret
    void CreateCaret(CBitmap* pBitmap) { ::CreateCaret(m_hWnd, pBitmap != NULL ? (HBITMAP)pBitmap->m_hObject : NULL, 0, 0); }
    void CreateSolidCaret(int nWidth, int nHeight) { ::CreateCaret(m_hWnd, (HBITMAP)0, nWidth, nHeight); }
    void CreateGrayCaret(int nWidth, int nHeight) { ::CreateCaret(m_hWnd, (HBITMAP)1, nWidth, nHeight); }
    static CPoint PASCAL GetCaretPos() { CPoint point; ::GetCaretPos((LPPOINT)&point); return point; }
    static void PASCAL SetCaretPos(POINT point) { ::SetCaretPos(point.x, point.y); }
    void HideCaret() { ::HideCaret(m_hWnd); }
    void ShowCaret() { ::ShowCaret(m_hWnd); }

    // Icons
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
        { return (HICON)::SendMessage(m_hWnd, WM_SETICON, bBigIcon, (LPARAM)hIcon); }
    HICON GetIcon(BOOL bBigIcon) const { return (HICON)::SendMessage(m_hWnd, WM_GETICON, bBigIcon, 0); }

    void CenterWindow(CWnd* pAlternateOwner = NULL);

    // Overridables
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL CheckAutoCenter();
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // Modal loops
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);
    int RunModalLoop(DWORD dwFlags = 0);

    // Implementation
    virtual ~CWnd();

    HWND m_hWndOwner;                 // owner set with SetOwner; null means the parent
    UINT m_nFlags;                    // WF_ flags
    WNDPROC m_pfnSuper;               // the procedure replaced by AfxWndProc; null means ::DefWindowProc

    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);
    BOOL PreTranslateInput(LPMSG lpMsg);
    BOOL IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessage(m_hWnd, lpMsg); }
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);
    BOOL ExecuteDlgInit(LPVOID lpResource);

protected:
    int m_nModalResult;               // result of RunModalLoop, set by EndModalLoop

    // Message handlers; each default passes the current message on with Default().
    afx_msg void OnActivate(UINT /*nState*/, CWnd* /*pWndOther*/, BOOL /*bMinimized*/) { Default(); }
    afx_msg void OnActivateApp(BOOL /*bActive*/, DWORD /*dwThreadID*/) { Default(); }
    afx_msg void OnCancelMode() { Default(); }
    afx_msg void OnCaptureChanged(CWnd* /*pWnd*/) { Default(); }
    afx_msg void OnChar(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }
    afx_msg int OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex);
    afx_msg void OnClose() { Default(); }
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    afx_msg void OnContextMenu(CWnd* /*pWnd*/, CPoint /*pos*/) { Default(); }
    afx_msg int OnCreate(LPCREATESTRUCT /*lpCreateStruct*/) { return (int)Default(); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDeadChar(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    afx_msg void OnDestroy() { Default(); }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnEnable(BOOL /*bEnable*/) { Default(); }
    afx_msg void OnEnterIdle(UINT /*nWhy*/, CWnd* /*pWho*/) { Default(); }
    afx_msg BOOL OnEraseBkgnd(CDC* /*pDC*/) { return (BOOL)Default(); }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* /*lpMMI*/) { Default(); }
    afx_msg UINT OnGetDlgCode() { return (UINT)Default(); }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnInitMenuPopup(CMenu* /*pPopupMenu*/, UINT /*nIndex*/, BOOL /*bSysMenu*/) { Default(); }
    afx_msg void OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }
    afx_msg void OnKeyUp(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }
    afx_msg void OnKillFocus(CWnd* /*pNewWnd*/) { Default(); }
    afx_msg void OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg void OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg void OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg void OnMButtonDblClk(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg void OnMButtonDown(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg void OnMButtonUp(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg int OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/) { return (int)Default(); }
    afx_msg void OnMouseHover(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg void OnMouseLeave() { Default(); }
    afx_msg void OnMouseMove(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg BOOL OnMouseWheel(UINT /*nFlags*/, short /*zDelta*/, CPoint /*pt*/) { return (BOOL)Default(); }
    afx_msg void OnMove(int /*x*/, int /*y*/) { Default(); }
    afx_msg BOOL OnNcActivate(BOOL /*bActive*/) { return (BOOL)Default(); }
    afx_msg void OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* /*lpncsp*/) { Default(); }
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT /*lpCreateStruct*/) { return (BOOL)Default(); }
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnNcHitTest(CPoint /*point*/) { return Default(); }
    afx_msg void OnNcLButtonDblClk(UINT /*nHitTest*/, CPoint /*point*/) { Default(); }
    afx_msg void OnNcLButtonDown(UINT /*nHitTest*/, CPoint /*point*/) { Default(); }
    afx_msg void OnNcLButtonUp(UINT /*nHitTest*/, CPoint /*point*/) { Default(); }
    afx_msg void OnNcMouseMove(UINT /*nHitTest*/, CPoint /*point*/) { Default(); }
    afx_msg void OnNcPaint() { Default(); }
    afx_msg void OnNcRButtonDown(UINT /*nHitTest*/, CPoint /*point*/) { Default(); }
    afx_msg void OnNcRButtonUp(UINT /*nHitTest*/, CPoint /*point*/) { Default(); }
    afx_msg void OnPaint() { Default(); }
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg HCURSOR OnQueryDragIcon() { return (HCURSOR)Default(); }
    afx_msg void OnRButtonDblClk(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg void OnRButtonDown(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg void OnRButtonUp(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
    afx_msg BOOL OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/) { return (BOOL)Default(); }
    afx_msg void OnSetFocus(CWnd* /*pOldWnd*/) { Default(); }
    afx_msg void OnSettingChange(UINT /*uFlags*/, LPCTSTR /*lpszSection*/) { Default(); }
    afx_msg void OnShowWindow(BOOL /*bShow*/, UINT /*nStatus*/) { Default(); }
    afx_msg void OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) { Default(); }
    afx_msg void OnSizing(UINT /*nSide*/, LPRECT /*lpRect*/) { Default(); }
    afx_msg void OnStyleChanged(int /*nStyleType*/, LPSTYLESTRUCT /*lpStyleStruct*/) { Default(); }
    afx_msg void OnStyleChanging(int /*nStyleType*/, LPSTYLESTRUCT /*lpStyleStruct*/) { Default(); }
    afx_msg void OnSysChar(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }
    afx_msg void OnSysColorChange();
    afx_msg void OnSysCommand(UINT /*nID*/, LPARAM /*lParam*/) { Default(); }
    afx_msg void OnSysKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }
    afx_msg void OnSysKeyUp(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }
    afx_msg LRESULT OnThemeChanged() { return Default(); }
    afx_msg void OnTimer(UINT_PTR /*nIDEvent*/) { Default(); }
    afx_msg int OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnWindowPosChanged(WINDOWPOS* /*lpwndpos*/) { Default(); }
    afx_msg void OnWindowPosChanging(WINDOWPOS* /*lpwndpos*/) { Default(); }
    afx_msg LRESULT OnNTCtlColor(WPARAM wParam, LPARAM lParam);

    // Message dispatch: AfxWndProc → WindowProc → OnWndMsg → the message map. None of them touches the
    // object after a handler returned, since the handler may have deleted it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void DoDataExchange(CDataExchange* pDX);

private:
    explicit CWnd(HWND hWnd);          // wndTop and friends: a handle and no map entry

    friend AFX_CLASS_API LRESULT AFXAPI AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
    friend class CHandleMap;

    DECLARE_MESSAGE_MAP()
};

// The one window procedure of every MFC window.
AFX_CLASS_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFX_CLASS_API WNDPROC AFXAPI AfxGetAfxWndProc();
AFX_CLASS_API LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0);
AFX_CLASS_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Window creation: CreateEx installs a thread-local CBT hook; the first window created afterwards is
// attached to pWnd and subclassed to AfxWndProc before it receives WM_NCCREATE.
AFX_CLASS_API void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
AFX_CLASS_API BOOL AFXAPI AfxUnhookWindowCreate();

// Temporary objects (FromHandle of unknown handles) are freed when the lock count returns to 0.
AFX_CLASS_API void AFXAPI AfxLockTempMaps();
AFX_CLASS_API BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);

// ---- Thread state ------------------------------------------------------------------------------------

// State of the layer for one thread.
class AFX_CLASS_API _AFX_THREAD_STATE
{
public:
    _AFX_THREAD_STATE();
    ~_AFX_THREAD_STATE();

    CWnd* m_pWndInit;                 // window CreateEx is creating, until the hook attached it; else null
    HHOOK m_hHookOldCbtFilter;        // the creation hook while a creation runs; else null
    MSG m_lastSentMsg;                // message AfxWndProc is dispatching, for Default()
    MSG m_msgCur;                     // current message of a thread without a CWinThread object
    HWND m_hLockoutNotifyWindow;      // window whose control notifications are ignored
    CWinThread* m_pCurrentWinThread;  // this thread's thread object; null when it has none
    CHandleMap* m_pmapHWND;           // window objects of this thread, permanent and temporary
    int m_nTempMapLock;               // temporary objects are freed only while this is 0
    TCHAR m_szTempClassName[96];      // result buffer of AfxRegisterWndClass

private:
    _AFX_THREAD_STATE(const _AFX_THREAD_STATE&);
    void operator=(const _AFX_THREAD_STATE&);
};

AFX_CLASS_API _AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

// ---- Dialog data exchange ------------------------------------------------------------------------------

// Carries the direction of a data exchange and the dialog it runs on.
class AFX_CLASS_API CDataExchange
{
public:
    BOOL m_bSaveAndValidate;          // TRUE: controls to members
    CWnd* m_pDlgWnd;

    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    void Fail();                      // marks the exchange as failed; UpdateData then returns FALSE

    BOOL m_bFailed;
    HWND m_hWndLastControl;
};

AFX_CLASS_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
AFX_CLASS_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_CLASS_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_CLASS_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// value: index of the checked button of the radio group that starts at nIDC (WS_GROUP ends it); -1 for none.
AFX_CLASS_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
AFX_CLASS_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Loading selects the first item that starts with value, or shows value in the edit part when none does.
AFX_CLASS_API void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
AFX_CLASS_API void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);

// Validation of the value the DDX_ call just before exchanged; a failure ends the exchange at that control.
// DDV_MaxChars also limits the control's text to nChars while loading.
AFX_CLASS_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars);
AFX_CLASS_API void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);

// ---- CDialog -------------------------------------------------------------------------------------------

// Manages a dialog box made from a resource template or an in-memory template, modal (DoModal) or
// modeless (Create, CreateIndirect).
class AFX_CLASS_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    // Modeless construction
    CDialog();
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // Modal construction
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // Attributes
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
    void SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }

    // Operations
    virtual INT_PTR DoModal();
    void NextDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl) { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1); }
    void SetDefID(UINT nID) { ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessage(m_hWnd, DM_GETDEFID, 0, 0); }
    void EndDialog(int nResult);

    // Overridables
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);

protected:
    virtual void OnOK();
    virtual void OnCancel();

public:
    // Implementation
    virtual ~CDialog();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL CheckAutoCenter();

protected:
    UINT m_nIDHelp;
    LPCTSTR m_lpszTemplateName;       // resource name or MAKEINTRESOURCE id; null for in-memory templates
    HGLOBAL m_hDialogTemplate;        // template given by handle (InitModalIndirect(HGLOBAL))
    LPCDLGTEMPLATE m_lpDialogTemplate;// template given in memory
    void* m_lpDialogInit;
    CWnd* m_pParentWnd;               // parent given at construction or creation
    HWND m_hWndTop;                   // top-level window disabled while modal

    virtual void PreInitDialog();
    HWND PreModal();
    void PostModal();

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// ---- CFrameWnd -----------------------------------------------------------------------------------------

#define FWS_ADDTOTITLE      0x00008000L
#define FWS_PREFIXTITLE     0x00004000L
#define FWS_SNAPTOBARS      0x00002000L

// Manages a top-level frame window: creation with a registered class, an optional menu and accelerator
// table. Frame objects are allocated with new; the frame deletes itself after its window is destroyed.
class AFX_CLASS_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static AFX_DATA const CRect rectDefault;   // lets the system choose position and size

    // Constructors
    CFrameWnd();
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault, CWnd* pParentWnd = NULL,
        LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
        CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

    // Attributes
    BOOL m_bAutoMenuEnable;
    BOOL m_bHelpMode;                 // context-help mode (never entered by this layer)
    HACCEL m_hAccelTable;             // accelerators translated in PreTranslateMessage; may be null

    // Operations
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    void SetMessageText(LPCTSTR lpszText) { (void)lpszText; }

    // Implementation
    virtual ~CFrameWnd();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    UINT m_nIDHelp;
    virtual void PostNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()
};

// ---- CWinThread and CWinApp ----------------------------------------------------------------------------

// Manages a thread's message loop: pumping, pre-translation up the window tree, idle processing.
class AFX_CLASS_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    // Constructors
    CWinThread();

    // Attributes
    CWnd* m_pMainWnd;                 // main window; its destruction ends the application's loop
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    operator HANDLE() const { const CWinThread* p = AfxLaunderPtr(this); return p == NULL ? NULL : p->m_hThread; }

    // Overridables
    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    virtual CWnd* GetMainWnd();

    // Implementation
    virtual ~CWinThread();
    MSG m_msgCur;                     // message PumpMessage is processing

protected:
    CPoint m_ptCursorLast;            // last mouse position, to ignore repeated mouse moves
    UINT m_nMsgLast;
};

// The application object: one per program, constructed as a global. Holds the instance handle, the
// command line and the name, and the wait-cursor state.
class AFX_CLASS_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Constructor
    explicit CWinApp(LPCTSTR lpszAppName = NULL);

    // Startup arguments
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;

    // Running arguments
    LPCTSTR m_pszAppName;             // owned copy; defaults to the executable's name
    LPCTSTR m_pszExeName;             // executable name without extension, owned
    LPCTSTR m_pszHelpFilePath;        // owned
    LPCTSTR m_pszProfileName;         // owned

    // Cursors and icons
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursor(NULL, lpszCursorName); }
    HCURSOR LoadOEMCursor(UINT nIDCursor) const { return ::LoadCursor(NULL, MAKEINTRESOURCE(nIDCursor)); }
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIcon(NULL, lpszIconName); }
    HICON LoadOEMIcon(UINT nIDIcon) const { return ::LoadIcon(NULL, MAKEINTRESOURCE(nIDIcon)); }

    // Profile settings (the application's .ini file)
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

    // Overridables
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL OnIdle(LONG lCount);
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void DoWaitCursor(int nCode);   // 1 begin, -1 end, 0 restore

    // Implementation
    virtual ~CWinApp();
    void SetCurrentHandles();

    int m_nWaitCursorCount;           // nesting of BeginWaitCursor
    HCURSOR m_hcurWaitCursorRestore;  // cursor to restore when the count returns to 0
};

// Shows the wait cursor for the lifetime of the object.
class AFX_CLASS_API CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();

private:
    CWaitCursor(const CWaitCursor&);
    void operator=(const CWaitCursor&);
};

// ---- Global functions ----------------------------------------------------------------------------------

AFX_CLASS_API CWinApp* AFXAPI AfxGetApp();
AFX_CLASS_API CWinThread* AFXAPI AfxGetThread();
AFX_CLASS_API CWnd* AFXAPI AfxGetMainWnd();
AFX_CLASS_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
AFX_CLASS_API void AFXAPI AfxWinTerm();
AFX_CLASS_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
AFX_CLASS_API void AFXAPI AfxPostQuitMessage(int nExitCode);
AFX_CLASS_API BOOL AFXAPI AfxPumpMessage();

AFX_CLASS_API LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0, HBRUSH hbrBackground = 0,
    HICON hIcon = 0);
AFX_CLASS_API BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass);

AFX_CLASS_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_CLASS_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// Window class names registered by the layer.
#define AFX_WND             _T("AfxWnd42")
#define AFX_WNDFRAMEORVIEW  _T("AfxFrameOrView42")

#include "afxmsg_.h"
#include "afxctl_.h"
#ifdef _AFXDLL
#include "afxdll_.h"
#endif

#endif // __AFXWIN_H__
