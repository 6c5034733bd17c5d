// The MFC declarations the control library relies on, each named with the exact type MFC documents for it.
// This file only compiles: a layer declaration that drifts from MFC's (a parameter, const, return type,
// calling convention, virtual, explicit, a missing overload) stops the build here. When the library starts
// using another MFC member, name it here with its documented type.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxdtctl.h>
#include <afxtempl.h>

#include <type_traits>
#include <utility>

namespace afxsurface {

// Exactly<T>(&C::m) converts only a member of type T (for an overloaded name: the overload of that type).
template <class T> T Exactly(T);
#define QEL_SURFACE(member, ...) \
    static_assert(std::is_same<decltype(Exactly<__VA_ARGS__>(member)), __VA_ARGS__>::value, #member)

// ---- CObject, CRuntimeClass and the run-time class macros ----------------------------------------------

class CDynamicSurface : public CObject
{
    DECLARE_DYNAMIC(CDynamicSurface)
};
IMPLEMENT_DYNAMIC(CDynamicSurface, CObject)

class CCreatableSurface : public CObject
{
    DECLARE_DYNCREATE(CCreatableSurface)
public:
    CCreatableSurface() {}
};
IMPLEMENT_DYNCREATE(CCreatableSurface, CObject)

class CObjectSurface : public CObject
{
    CRuntimeClass* GetRuntimeClass() const override;
};

static_assert(!std::is_copy_constructible<CCreatableSurface>::value, "CObject's copy constructor is private");
QEL_SURFACE(&CObject::IsKindOf, BOOL (CObject::*)(const CRuntimeClass*) const);
QEL_SURFACE(&CCreatableSurface::CreateObject, CObject* (PASCAL*)());
static_assert(std::is_same<decltype(RUNTIME_CLASS(CCreatableSurface)), CRuntimeClass*>::value, "RUNTIME_CLASS");
static_assert(std::is_same<decltype(RUNTIME_CLASS(CDialog)), CRuntimeClass*>::value, "RUNTIME_CLASS");

QEL_SURFACE(&CRuntimeClass::m_lpszClassName, LPCSTR CRuntimeClass::*);
QEL_SURFACE(&CRuntimeClass::m_nObjectSize, int CRuntimeClass::*);
QEL_SURFACE(&CRuntimeClass::m_wSchema, UINT CRuntimeClass::*);
QEL_SURFACE(&CRuntimeClass::m_pfnCreateObject, CObject* (PASCAL* CRuntimeClass::*)());
QEL_SURFACE(&CRuntimeClass::CreateObject, CObject* (CRuntimeClass::*)());
QEL_SURFACE(&CRuntimeClass::IsDerivedFrom, BOOL (CRuntimeClass::*)(const CRuntimeClass*) const);

// CObject's allocation functions, including the DEBUG_NEW form.
QEL_SURFACE(&CObject::operator new, void* (PASCAL*)(size_t));
QEL_SURFACE(&CObject::operator new, void* (PASCAL*)(size_t, void*));
QEL_SURFACE(&CObject::operator new, void* (PASCAL*)(size_t, LPCSTR, int));
QEL_SURFACE(&CObject::operator delete, void (PASCAL*)(void*));
QEL_SURFACE(&CObject::operator delete, void (PASCAL*)(void*, void*));
QEL_SURFACE(&CObject::operator delete, void (PASCAL*)(void*, LPCSTR, int));

// The shared-library form of the run-time class record, and creation by class name.
QEL_SURFACE(&CRuntimeClass::m_pfnGetBaseClass, CRuntimeClass* (PASCAL* CRuntimeClass::*)());
QEL_SURFACE(&CRuntimeClass::CreateObject, CObject* (PASCAL*)(LPCSTR));
QEL_SURFACE(&CRuntimeClass::CreateObject, CObject* (PASCAL*)(LPCWSTR));

// ---- Message maps: the ON_WM_ entries the library's windows use, with the handlers CWnd declares -------

class CMapSurface : public CWnd
{
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMapSurface, CWnd)
    ON_WM_CANCELMODE()
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSELEAVE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_PARENTNOTIFY()
    ON_WM_SETCURSOR()
    ON_WM_SIZE()
    ON_WM_STYLECHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_TIMER()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

// Entries naming their handlers as &Class::Fn, each handler of the documented type.
UINT g_nSurfaceMessage = 0;

class CEntryMapSurface : public CWnd
{
protected:
    afx_msg LRESULT OnAppMessage(WPARAM, LPARAM) { return 0; }
    afx_msg LRESULT OnSurfaceMessage(WPARAM, LPARAM) { return 0; }
    afx_msg void OnEndDrag(NMHDR*, LRESULT*) {}
    afx_msg void OnColumnClick(NMHDR*, LRESULT*) {}
    afx_msg BOOL OnDividerDblClick(NMHDR*, LRESULT*) { return FALSE; }
    afx_msg void OnKillFocusReflect() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEntryMapSurface, CWnd)
    ON_MESSAGE(WM_APP, &CEntryMapSurface::OnAppMessage)
    ON_REGISTERED_MESSAGE(g_nSurfaceMessage, &CEntryMapSurface::OnSurfaceMessage)
    ON_NOTIFY(HDN_ENDDRAG, 0, &CEntryMapSurface::OnEndDrag)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, &CEntryMapSurface::OnColumnClick)
    ON_NOTIFY_REFLECT_EX(HDN_DIVIDERDBLCLICKA, &CEntryMapSurface::OnDividerDblClick)
    ON_CONTROL_REFLECT(CBN_KILLFOCUS, &CEntryMapSurface::OnKillFocusReflect)
END_MESSAGE_MAP()

// ---- CCmdTarget, CWinThread, CWinApp, thread state -----------------------------------------------------

QEL_SURFACE(&CCmdTarget::BeginWaitCursor, void (CCmdTarget::*)());
QEL_SURFACE(&CCmdTarget::EndWaitCursor, void (CCmdTarget::*)());
QEL_SURFACE(&AfxGetApp, CWinApp* (AFXAPI*)());
static_assert(std::is_same<decltype(AfxGetThread()), CWinThread*>::value, "AfxGetThread");

class CThreadSurface : public CWinThread
{
    CWnd* GetMainWnd() override;
};

// ---- CWnd ----------------------------------------------------------------------------------------------

static_assert(std::is_default_constructible<CWnd>::value, "CWnd()");
static_assert(!std::is_constructible<CWnd, HWND>::value, "only CWnd() constructs a window object");
QEL_SURFACE(&CWnd::m_hWnd, HWND CWnd::*);
QEL_SURFACE(&CWnd::GetSafeHwnd, HWND (CWnd::*)() const);
QEL_SURFACE(&CWnd::FromHandle, CWnd* (PASCAL*)(HWND));
QEL_SURFACE(&CWnd::GetParent, CWnd* (CWnd::*)() const);
QEL_SURFACE(&CWnd::GetOwner, CWnd* (CWnd::*)() const);
QEL_SURFACE(&CWnd::SetOwner, void (CWnd::*)(CWnd*));
QEL_SURFACE(&CWnd::SetFocus, CWnd* (CWnd::*)());
QEL_SURFACE(&CWnd::SendMessage, LRESULT (CWnd::*)(UINT, WPARAM, LPARAM));
QEL_SURFACE(&CWnd::PostMessage, BOOL (CWnd::*)(UINT, WPARAM, LPARAM));
QEL_SURFACE(&CWnd::InvalidateRect, void (CWnd::*)(LPCRECT, BOOL));
QEL_SURFACE(&CWnd::RedrawWindow, BOOL (CWnd::*)(LPCRECT, CRgn*, UINT));
QEL_SURFACE(&CWnd::UpdateWindow, void (CWnd::*)());
QEL_SURFACE(&CWnd::GetClientRect, void (CWnd::*)(LPRECT) const);
QEL_SURFACE(&CWnd::ScreenToClient, void (CWnd::*)(LPPOINT) const);
QEL_SURFACE(&CWnd::ScreenToClient, void (CWnd::*)(LPRECT) const);
QEL_SURFACE(&CWnd::MapWindowPoints, void (CWnd::*)(CWnd*, LPRECT) const);
QEL_SURFACE(&CWnd::MapWindowPoints, void (CWnd::*)(CWnd*, LPPOINT, UINT) const);
QEL_SURFACE(&CWnd::GetStyle, DWORD (CWnd::*)() const);
QEL_SURFACE(&CWnd::ModifyStyle, BOOL (CWnd::*)(DWORD, DWORD, UINT));
QEL_SURFACE(&CWnd::SetTimer, UINT_PTR (CWnd::*)(UINT_PTR, UINT, void (CALLBACK*)(HWND, UINT, UINT_PTR, DWORD)));
QEL_SURFACE(&CWnd::KillTimer, BOOL (CWnd::*)(UINT_PTR));
QEL_SURFACE(&CWnd::GetScrollInfo, BOOL (CWnd::*)(int, LPSCROLLINFO, UINT));
QEL_SURFACE(&CWnd::SubclassDlgItem, BOOL (CWnd::*)(UINT, CWnd*));
QEL_SURFACE(&CWnd::SetWindowText, void (CWnd::*)(LPCTSTR));
QEL_SURFACE(&CWnd::GetWindowTextLength, int (CWnd::*)() const);
QEL_SURFACE(&CWnd::GetWindowText, int (CWnd::*)(LPTSTR, int) const);
QEL_SURFACE(&CWnd::GetWindowText, void (CWnd::*)(CString&) const);
QEL_SURFACE(&CWnd::GetDC, CDC* (CWnd::*)());
QEL_SURFACE(&CWnd::ReleaseDC, int (CWnd::*)(CDC*));
QEL_SURFACE(&CWnd::SetWindowPos, BOOL (CWnd::*)(const CWnd*, int, int, int, int, UINT));
QEL_SURFACE(&CWnd::MoveWindow, void (CWnd::*)(int, int, int, int, BOOL));
QEL_SURFACE(&CWnd::MoveWindow, void (CWnd::*)(LPCRECT, BOOL));
QEL_SURFACE(&CWnd::GetDlgCtrlID, int (CWnd::*)() const);

// Protected members are named through a derived class, as the library's windows reach them; an override
// compiles only if the base declares a virtual of exactly that type.
class CWndSurface : public CWnd
{
    BOOL DestroyWindow() override;
    BOOL CreateEx(DWORD, LPCTSTR, LPCTSTR, DWORD, int, int, int, int, HWND, HMENU, LPVOID) override;
    BOOL CreateEx(DWORD, LPCTSTR, LPCTSTR, DWORD, const RECT&, CWnd*, UINT, LPVOID) override;
    BOOL PreCreateWindow(CREATESTRUCT&) override;
    void PreSubclassWindow() override;
    void PostNcDestroy() override;
    BOOL PreTranslateMessage(MSG*) override;
    LRESULT WindowProc(UINT, WPARAM, LPARAM) override;
    BOOL OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) override;

    QEL_SURFACE(&CWndSurface::Default, LRESULT (CWnd::*)());
    QEL_SURFACE(&CWndSurface::GetCurrentMessage, const MSG* (PASCAL*)());

    QEL_SURFACE(&CWndSurface::OnCancelMode, void (CWnd::*)());
    QEL_SURFACE(&CWndSurface::OnCreate, int (CWnd::*)(LPCREATESTRUCT));
    QEL_SURFACE(&CWndSurface::OnEraseBkgnd, BOOL (CWnd::*)(CDC*));
    QEL_SURFACE(&CWndSurface::OnHScroll, void (CWnd::*)(UINT, UINT, CScrollBar*));
    QEL_SURFACE(&CWndSurface::OnVScroll, void (CWnd::*)(UINT, UINT, CScrollBar*));
    QEL_SURFACE(&CWndSurface::OnKeyDown, void (CWnd::*)(UINT, UINT, UINT));
    QEL_SURFACE(&CWndSurface::OnKeyUp, void (CWnd::*)(UINT, UINT, UINT));
    QEL_SURFACE(&CWndSurface::OnKillFocus, void (CWnd::*)(CWnd*));
    QEL_SURFACE(&CWndSurface::OnSetFocus, void (CWnd::*)(CWnd*));
    QEL_SURFACE(&CWndSurface::OnLButtonDown, void (CWnd::*)(UINT, CPoint));
    QEL_SURFACE(&CWndSurface::OnLButtonDblClk, void (CWnd::*)(UINT, CPoint));
    QEL_SURFACE(&CWndSurface::OnLButtonUp, void (CWnd::*)(UINT, CPoint));
    QEL_SURFACE(&CWndSurface::OnRButtonDown, void (CWnd::*)(UINT, CPoint));
    QEL_SURFACE(&CWndSurface::OnMouseMove, void (CWnd::*)(UINT, CPoint));
    QEL_SURFACE(&CWndSurface::OnMouseWheel, BOOL (CWnd::*)(UINT, short, CPoint));
    QEL_SURFACE(&CWndSurface::OnMouseLeave, void (CWnd::*)());
    QEL_SURFACE(&CWndSurface::OnNcCalcSize, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*));
    QEL_SURFACE(&CWndSurface::OnNcPaint, void (CWnd::*)());
    QEL_SURFACE(&CWndSurface::OnPaint, void (CWnd::*)());
    QEL_SURFACE(&CWndSurface::OnParentNotify, void (CWnd::*)(UINT, LPARAM));
    QEL_SURFACE(&CWndSurface::OnSetCursor, BOOL (CWnd::*)(CWnd*, UINT, UINT));
    QEL_SURFACE(&CWndSurface::OnSize, void (CWnd::*)(UINT, int, int));
    QEL_SURFACE(&CWndSurface::OnStyleChanged, void (CWnd::*)(int, LPSTYLESTRUCT));
    QEL_SURFACE(&CWndSurface::OnSysColorChange, void (CWnd::*)());
    QEL_SURFACE(&CWndSurface::OnTimer, void (CWnd::*)(UINT_PTR));
    QEL_SURFACE(&CWndSurface::OnDrawItem, void (CWnd::*)(int, LPDRAWITEMSTRUCT));
};

// ---- Controls ------------------------------------------------------------------------------------------

QEL_SURFACE(&CListCtrl::GetHeaderCtrl, CHeaderCtrl* (CListCtrl::*)());
QEL_SURFACE(&CListCtrl::GetEditControl, CEdit* (CListCtrl::*)() const);
QEL_SURFACE(&CListCtrl::GetColumnOrderArray, BOOL (CListCtrl::*)(LPINT, int));
QEL_SURFACE(&CListCtrl::GetItemText, int (CListCtrl::*)(int, int, LPTSTR, int) const);
QEL_SURFACE(&CListCtrl::GetItemText, CString (CListCtrl::*)(int, int) const);
QEL_SURFACE(&CListCtrl::GetItemData, DWORD_PTR (CListCtrl::*)(int) const);
QEL_SURFACE(&CListCtrl::SetItemText, BOOL (CListCtrl::*)(int, int, LPCTSTR));
QEL_SURFACE(&CListCtrl::SetItemState, BOOL (CListCtrl::*)(int, LVITEM*));
QEL_SURFACE(&CListCtrl::SetItemState, BOOL (CListCtrl::*)(int, UINT, UINT));
QEL_SURFACE(&CListCtrl::GetNextItem, int (CListCtrl::*)(int, int) const);
QEL_SURFACE(&CListCtrl::GetColumnWidth, int (CListCtrl::*)(int) const);
QEL_SURFACE(&CListCtrl::GetItemState, UINT (CListCtrl::*)(int, UINT) const);
QEL_SURFACE(&CListCtrl::GetSelectedCount, UINT (CListCtrl::*)() const);
QEL_SURFACE(&CListCtrl::GetSelectionMark, int (CListCtrl::*)());
QEL_SURFACE(&CListCtrl::HitTest, int (CListCtrl::*)(LVHITTESTINFO*) const);
QEL_SURFACE(&CListCtrl::HitTest, int (CListCtrl::*)(CPoint, UINT*) const);
QEL_SURFACE(&CListCtrl::GetSubItemRect, BOOL (CListCtrl::*)(int, int, int, CRect&));
QEL_SURFACE(&CHeaderCtrl::GetOrderArray, BOOL (CHeaderCtrl::*)(LPINT, int));
QEL_SURFACE(&CHeaderCtrl::SetOrderArray, BOOL (CHeaderCtrl::*)(int, LPINT));
QEL_SURFACE(&CHeaderCtrl::GetItemCount, int (CHeaderCtrl::*)() const);

class CListSurface : public CListCtrl
{
    BOOL Create(DWORD, const RECT&, CWnd*, UINT) override;
};
class CEditSurface : public CEdit
{
    BOOL Create(DWORD, const RECT&, CWnd*, UINT) override;
};
class CComboSurface : public CComboBox
{
    BOOL Create(DWORD, const RECT&, CWnd*, UINT) override;
};
class CDateTimeSurface : public CDateTimeCtrl
{
    BOOL Create(DWORD, const RECT&, CWnd*, UINT) override;
};

// The header's order array takes its count: there is no default.
template <class T, class = void> struct OrderArrayWithoutCount : std::false_type {};
template <class T>
struct OrderArrayWithoutCount<T, std::void_t<decltype(std::declval<T&>().GetOrderArray(LPINT()))>>
    : std::true_type {};
static_assert(!OrderArrayWithoutCount<CHeaderCtrl>::value, "CHeaderCtrl::GetOrderArray(LPINT, int)");

QEL_SURFACE(&CDateTimeCtrl::SetTime, BOOL (CDateTimeCtrl::*)(LPSYSTEMTIME));

// ---- GDI and menus -------------------------------------------------------------------------------------

QEL_SURFACE(&CDC::m_hDC, HDC CDC::*);
QEL_SURFACE(&CDC::FromHandle, CDC* (PASCAL*)(HDC));
QEL_SURFACE(&CDC::GetSafeHdc, HDC (CDC::*)() const);
QEL_SURFACE(&CDC::FillRect, void (CDC::*)(LPCRECT, CBrush*));
QEL_SURFACE(&CDC::SetBkMode, int (CDC::*)(int));
QEL_SURFACE(&CDC::DrawText, int (CDC::*)(const CString&, LPRECT, UINT));
QEL_SURFACE(&CDC::Draw3dRect, void (CDC::*)(LPCRECT, COLORREF, COLORREF));
QEL_SURFACE(&CDC::Draw3dRect, void (CDC::*)(int, int, int, int, COLORREF, COLORREF));
QEL_SURFACE(&CDC::SelectObject, CPen* (CDC::*)(CPen*));
QEL_SURFACE(&CDC::SelectObject, CBrush* (CDC::*)(CBrush*));
QEL_SURFACE(&CDC::SelectObject, CBitmap* (CDC::*)(CBitmap*));
QEL_SURFACE(&CDC::SelectObject, int (CDC::*)(CRgn*));
QEL_SURFACE(&CDC::SelectObject, CGdiObject* (CDC::*)(CGdiObject*));
QEL_SURFACE(&CDC::MoveTo, CPoint (CDC::*)(int, int));
QEL_SURFACE(&CDC::MoveTo, CPoint (CDC::*)(POINT));
QEL_SURFACE(&CDC::LineTo, BOOL (CDC::*)(int, int));
QEL_SURFACE(&CDC::LineTo, BOOL (CDC::*)(POINT));
QEL_SURFACE(&CDC::SelectClipRgn, int (CDC::*)(CRgn*));
QEL_SURFACE(&CDC::SelectClipRgn, int (CDC::*)(CRgn*, int));
QEL_SURFACE(&CDC::OffsetWindowOrg, CPoint (CDC::*)(int, int));
QEL_SURFACE(&CDC::SetWindowOrg, CPoint (CDC::*)(int, int));
QEL_SURFACE(&CDC::SetWindowOrg, CPoint (CDC::*)(POINT));

class CDCSurface : public CDC
{
    COLORREF SetTextColor(COLORREF) override;
    int DrawText(LPCTSTR, int, LPRECT, UINT) override;
    CFont* SelectObject(CFont*) override;
};

template <class DC> constexpr bool kExplicitFromWnd =
    std::is_constructible<DC, CWnd*>::value && !std::is_convertible<CWnd*, DC>::value;
static_assert(kExplicitFromWnd<CPaintDC> && kExplicitFromWnd<CClientDC> && kExplicitFromWnd<CWindowDC>,
              "explicit CPaintDC/CClientDC/CWindowDC(CWnd*)");

QEL_SURFACE(&CGdiObject::DeleteObject, BOOL (CGdiObject::*)());
QEL_SURFACE(&CGdiObject::GetSafeHandle, HGDIOBJ (CGdiObject::*)() const);
static_assert(std::is_default_constructible<CBrush>::value && std::is_constructible<CBrush, COLORREF>::value &&
              std::is_constructible<CBrush, int, COLORREF>::value && std::is_constructible<CBrush, CBitmap*>::value,
              "CBrush constructors");
QEL_SURFACE(&CBrush::CreateSolidBrush, BOOL (CBrush::*)(COLORREF));
static_assert(std::is_default_constructible<CPen>::value && std::is_constructible<CPen, int, int, COLORREF>::value &&
              std::is_constructible<CPen, int, int, const LOGBRUSH*, int, const DWORD*>::value, "CPen constructors");
QEL_SURFACE(&CRgn::CreateRectRgnIndirect, BOOL (CRgn::*)(LPCRECT));
QEL_SURFACE(&CMenu::CreatePopupMenu, BOOL (CMenu::*)());
QEL_SURFACE(&CMenu::DestroyMenu, BOOL (CMenu::*)());
QEL_SURFACE(&CMenu::GetSafeHmenu, HMENU (CMenu::*)() const);
QEL_SURFACE(&CMenu::TrackPopupMenu, BOOL (CMenu::*)(UINT, int, int, CWnd*, LPCRECT));

QEL_SURFACE(&CDC::Polygon, BOOL (CDC::*)(LPPOINT, int));

// CDC selects GDI objects only through their MFC wrappers.
template <class T, class = void> struct SelectsHandle : std::false_type {};
template <class T>
struct SelectsHandle<T, std::void_t<decltype(std::declval<T&>().SelectObject(std::declval<HGDIOBJ>()))>>
    : std::true_type {};
static_assert(!SelectsHandle<CDC>::value, "no CDC::SelectObject(HGDIOBJ)");

static_assert(!std::is_convertible<CBitmap*, CBrush>::value, "explicit CBrush(CBitmap*)");

// ---- Value types and collections -----------------------------------------------------------------------

static_assert(std::is_constructible<CString, LPCSTR>::value && std::is_constructible<CString, LPCWSTR>::value &&
              std::is_copy_constructible<CString>::value && std::is_assignable<CString&, LPCSTR>::value &&
              std::is_convertible<CString, LPCTSTR>::value, "CString construction, assignment, conversion");
static_assert(std::is_same<CString, CStringT<TCHAR, StrTraitMFC<TCHAR>>>::value &&
              std::is_same<CStringA, CStringT<char, StrTraitMFC<char>>>::value &&
              std::is_same<CStringW, CStringT<wchar_t, StrTraitMFC<wchar_t>>>::value, "CString is a typedef");
static_assert(std::is_constructible<CStringA, LPCWSTR>::value && std::is_constructible<CStringW, LPCSTR>::value &&
              std::is_assignable<CStringA&, LPCWSTR>::value && std::is_assignable<CStringW&, LPCSTR>::value,
              "narrow and wide strings convert into each other");
QEL_SURFACE(&CString::GetLength, int (CString::*)() const);

static_assert(std::is_default_constructible<CRect>::value && std::is_constructible<CRect, int, int, int, int>::value &&
              std::is_constructible<CRect, const RECT&>::value && std::is_constructible<CRect, LPCRECT>::value,
              "CRect constructors");
QEL_SURFACE(&CRect::Width, int (CRect::*)() const);
QEL_SURFACE(&CRect::Height, int (CRect::*)() const);
QEL_SURFACE(&CRect::SetRect, void (CRect::*)(int, int, int, int));
QEL_SURFACE(&CRect::IsRectEmpty, BOOL (CRect::*)() const);
QEL_SURFACE(&CRect::PtInRect, BOOL (CRect::*)(POINT) const);
QEL_SURFACE(&CRect::InflateRect, void (CRect::*)(int, int));
QEL_SURFACE(&CRect::DeflateRect, void (CRect::*)(int, int));
QEL_SURFACE(&CRect::OffsetRect, void (CRect::*)(int, int));
QEL_SURFACE(&CRect::SetRectEmpty, void (CRect::*)());
QEL_SURFACE(&CRect::operator LPRECT, LPRECT (CRect::*)());
QEL_SURFACE(&CRect::operator LPCRECT, LPCRECT (CRect::*)() const);
static_assert(std::is_default_constructible<CPoint>::value && std::is_constructible<CPoint, int, int>::value &&
              std::is_constructible<CPoint, LPARAM>::value, "CPoint constructors");

struct SurfaceValue { int n; };
typedef CMap<int, int, SurfaceValue, SurfaceValue&> CSurfaceMap;
static_assert(std::is_base_of<CObject, CSurfaceMap>::value && std::is_constructible<CSurfaceMap, INT_PTR>::value,
              "CMap");
QEL_SURFACE(&CSurfaceMap::Lookup, BOOL (CSurfaceMap::*)(int, SurfaceValue&) const);
QEL_SURFACE(&CSurfaceMap::SetAt, void (CSurfaceMap::*)(int, SurfaceValue&));
QEL_SURFACE(&CSurfaceMap::RemoveKey, BOOL (CSurfaceMap::*)(int));
QEL_SURFACE(&CSurfaceMap::RemoveAll, void (CSurfaceMap::*)());
QEL_SURFACE(&CSurfaceMap::GetCount, INT_PTR (CSurfaceMap::*)() const);
QEL_SURFACE(&CSurfaceMap::GetStartPosition, POSITION (CSurfaceMap::*)() const);
QEL_SURFACE(&CSurfaceMap::GetNextAssoc, void (CSurfaceMap::*)(POSITION&, int&, SurfaceValue&) const);
static_assert(std::is_same<POSITION, __POSITION*>::value, "POSITION");

typedef CArray<int, int> CSurfaceArray;
static_assert(std::is_base_of<CObject, CSurfaceArray>::value &&
              std::is_same<CArray<int>, CArray<int, const int&>>::value, "CArray");
QEL_SURFACE(&CSurfaceArray::SetSize, void (CSurfaceArray::*)(INT_PTR, INT_PTR));
QEL_SURFACE(&CSurfaceArray::GetSize, INT_PTR (CSurfaceArray::*)() const);
QEL_SURFACE(&CSurfaceArray::GetData, int* (CSurfaceArray::*)());
QEL_SURFACE(&CSurfaceArray::GetData, const int* (CSurfaceArray::*)() const);
QEL_SURFACE(&CSurfaceArray::operator[], int& (CSurfaceArray::*)(INT_PTR));
QEL_SURFACE(&CSurfaceArray::operator[], const int& (CSurfaceArray::*)(INT_PTR) const);

// Extension-DLL start-up and shut-down.
QEL_SURFACE(&AFX_EXTENSION_MODULE::bInitialized, BOOL AFX_EXTENSION_MODULE::*);
QEL_SURFACE(&AFX_EXTENSION_MODULE::hModule, HMODULE AFX_EXTENSION_MODULE::*);
QEL_SURFACE(&AFX_EXTENSION_MODULE::hResource, HMODULE AFX_EXTENSION_MODULE::*);
QEL_SURFACE(&AFX_EXTENSION_MODULE::pFirstSharedClass, CRuntimeClass* AFX_EXTENSION_MODULE::*);
QEL_SURFACE(&AFX_EXTENSION_MODULE::pFirstSharedFactory, COleObjectFactory* AFX_EXTENSION_MODULE::*);
QEL_SURFACE(&AfxInitExtensionModule, BOOL (AFXAPI*)(AFX_EXTENSION_MODULE&, HMODULE));
QEL_SURFACE(&AfxTermExtensionModule, void (AFXAPI*)(AFX_EXTENSION_MODULE&, BOOL));
static_assert(std::is_constructible<CDynLinkLibrary, AFX_EXTENSION_MODULE&>::value &&
              std::is_constructible<CDynLinkLibrary, AFX_EXTENSION_MODULE&, BOOL>::value, "CDynLinkLibrary");

} // namespace afxsurface
