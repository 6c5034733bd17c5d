// CStatic, CButton, CListBox, CComboBox, CEdit, CScrollBar: thin wrappers that send the control messages.
#include <afxwin.h>

#include <string.h>

namespace
{

inline LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessage(hWnd, message, wParam, lParam);
}

// Creation goes through CWnd::Create, which the wrappers' own Create functions hide.
BOOL CreateControl(CWnd* pWnd, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                   CWnd* pParentWnd, UINT nID)
{
    return pWnd->Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CStatic

IMPLEMENT_DYNAMIC(CStatic, CWnd)

CStatic::CStatic()
{
}

CStatic::~CStatic()
{
}

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateControl(this, _T("Static"), lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon)
{
    return (HICON)Send(m_hWnd, STM_SETICON, (WPARAM)hIcon);
}

HICON CStatic::GetIcon() const
{
    return (HICON)Send(m_hWnd, STM_GETICON);
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    return (HBITMAP)Send(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
}

HBITMAP CStatic::GetBitmap() const
{
    return (HBITMAP)Send(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP);
}

HCURSOR CStatic::SetCursor(HCURSOR hCursor)
{
    return (HCURSOR)Send(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor);
}

HCURSOR CStatic::GetCursor()
{
    return (HCURSOR)Send(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR);
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT)
{
}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CButton

IMPLEMENT_DYNAMIC(CButton, CWnd)

CButton::CButton()
{
}

CButton::~CButton()
{
}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateControl(this, _T("Button"), lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const
{
    return (UINT)Send(m_hWnd, BM_GETSTATE);
}

void CButton::SetState(BOOL bHighlight)
{
    Send(m_hWnd, BM_SETSTATE, bHighlight);
}

int CButton::GetCheck() const
{
    return (int)Send(m_hWnd, BM_GETCHECK);
}

void CButton::SetCheck(int nCheck)
{
    Send(m_hWnd, BM_SETCHECK, nCheck);
}

UINT CButton::GetButtonStyle() const
{
    return (UINT)::GetWindowLong(m_hWnd, GWL_STYLE) & 0xffff;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    Send(m_hWnd, BM_SETSTYLE, nStyle, (LPARAM)bRedraw);
}

HICON CButton::SetIcon(HICON hIcon)
{
    return (HICON)Send(m_hWnd, BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon);
}

HICON CButton::GetIcon() const
{
    return (HICON)Send(m_hWnd, BM_GETIMAGE, IMAGE_ICON);
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    return (HBITMAP)Send(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
}

HBITMAP CButton::GetBitmap() const
{
    return (HBITMAP)Send(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP);
}

HCURSOR CButton::SetCursor(HCURSOR hCursor)
{
    return (HCURSOR)Send(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor);
}

HCURSOR CButton::GetCursor()
{
    return (HCURSOR)Send(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CListBox

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::CListBox()
{
}

CListBox::~CListBox()
{
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateControl(this, _T("ListBox"), NULL, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return (int)Send(m_hWnd, LB_GETCOUNT); }
int CListBox::GetHorizontalExtent() const { return (int)Send(m_hWnd, LB_GETHORIZONTALEXTENT); }
void CListBox::SetHorizontalExtent(int cxExtent) { Send(m_hWnd, LB_SETHORIZONTALEXTENT, cxExtent); }
int CListBox::GetTopIndex() const { return (int)Send(m_hWnd, LB_GETTOPINDEX); }
int CListBox::SetTopIndex(int nIndex) { return (int)Send(m_hWnd, LB_SETTOPINDEX, nIndex); }
LCID CListBox::GetLocale() const { return (LCID)Send(m_hWnd, LB_GETLOCALE); }
LCID CListBox::SetLocale(LCID nNewLocale) { return (LCID)Send(m_hWnd, LB_SETLOCALE, (WPARAM)nNewLocale); }
int CListBox::InitStorage(int nItems, UINT nBytes) { return (int)Send(m_hWnd, LB_INITSTORAGE, (WPARAM)nItems, nBytes); }

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    const DWORD dw = (DWORD)Send(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    bOutside = !!HIWORD(dw);
    return LOWORD(dw);
}

int CListBox::GetCurSel() const { return (int)Send(m_hWnd, LB_GETCURSEL); }
int CListBox::SetCurSel(int nSelect) { return (int)Send(m_hWnd, LB_SETCURSEL, nSelect); }
int CListBox::GetSel(int nIndex) const { return (int)Send(m_hWnd, LB_GETSEL, nIndex); }
int CListBox::SetSel(int nIndex, BOOL bSelect) { return (int)Send(m_hWnd, LB_SETSEL, bSelect, nIndex); }
int CListBox::GetSelCount() const { return (int)Send(m_hWnd, LB_GETSELCOUNT); }
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    return (int)Send(m_hWnd, LB_GETSELITEMS, nMaxItems, (LPARAM)rgIndex);
}
void CListBox::SetAnchorIndex(int nIndex) { Send(m_hWnd, LB_SETANCHORINDEX, nIndex); }
int CListBox::GetAnchorIndex() const { return (int)Send(m_hWnd, LB_GETANCHORINDEX); }

DWORD_PTR CListBox::GetItemData(int nIndex) const { return (DWORD_PTR)Send(m_hWnd, LB_GETITEMDATA, nIndex); }
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return (int)Send(m_hWnd, LB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
}
void* CListBox::GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
int CListBox::SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return (int)Send(m_hWnd, LB_GETITEMRECT, nIndex, (LPARAM)lpRect);
}
int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
    return (int)Send(m_hWnd, LB_GETTEXT, nIndex, (LPARAM)lpszBuffer);
}

// An invalid index gives an empty string.
void CListBox::GetText(int nIndex, CString& rString) const
{
    const int nLen = GetTextLen(nIndex);
    if (nLen <= 0)
    {
        rString.Empty();
        return;
    }
    const int nCopied = GetText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
}

int CListBox::GetTextLen(int nIndex) const { return (int)Send(m_hWnd, LB_GETTEXTLEN, nIndex); }

void CListBox::SetColumnWidth(int cxWidth) { Send(m_hWnd, LB_SETCOLUMNWIDTH, cxWidth); }
BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return (BOOL)Send(m_hWnd, LB_SETTABSTOPS, nTabStops, (LPARAM)rgTabStops);
}
void CListBox::SetTabStops() { Send(m_hWnd, LB_SETTABSTOPS); }
BOOL CListBox::SetTabStops(const int& cxEachStop)
{
    return (BOOL)Send(m_hWnd, LB_SETTABSTOPS, 1, (LPARAM)&cxEachStop);
}
int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return (int)Send(m_hWnd, LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
}
int CListBox::GetItemHeight(int nIndex) const { return (int)Send(m_hWnd, LB_GETITEMHEIGHT, nIndex); }
int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return (int)Send(m_hWnd, LB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
}
int CListBox::GetCaretIndex() const { return (int)Send(m_hWnd, LB_GETCARETINDEX); }
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    return (int)Send(m_hWnd, LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0));
}

int CListBox::AddString(LPCTSTR lpszItem) { return (int)Send(m_hWnd, LB_ADDSTRING, 0, (LPARAM)lpszItem); }
int CListBox::DeleteString(UINT nIndex) { return (int)Send(m_hWnd, LB_DELETESTRING, nIndex); }
int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return (int)Send(m_hWnd, LB_INSERTSTRING, nIndex, (LPARAM)lpszItem);
}
void CListBox::ResetContent() { Send(m_hWnd, LB_RESETCONTENT); }
int CListBox::Dir(UINT attr, LPCTSTR lpszWildCard) { return (int)Send(m_hWnd, LB_DIR, attr, (LPARAM)lpszWildCard); }
int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const
{
    return (int)Send(m_hWnd, LB_FINDSTRING, nStartAfter, (LPARAM)lpszItem);
}
int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    return (int)Send(m_hWnd, LB_SELECTSTRING, nStartAfter, (LPARAM)lpszItem);
}
int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
    if (bSelect)
        return (int)Send(m_hWnd, LB_SELITEMRANGEEX, nFirstItem, nLastItem);
    return (int)Send(m_hWnd, LB_SELITEMRANGEEX, nLastItem, nFirstItem);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return 0;
}

void CListBox::DeleteItem(LPDELETEITEMSTRUCT)
{
}

int CListBox::VKeyToItem(UINT, UINT)
{
    return -1;   // the default action
}

int CListBox::CharToItem(UINT, UINT)
{
    return -1;
}

// Owner-draw and keyboard notifications of the list box go to its own overridables.
BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_DRAWITEM:
        DrawItem((LPDRAWITEMSTRUCT)lParam);
        break;
    case WM_MEASUREITEM:
        MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        break;
    case WM_COMPAREITEM:
        if (pResult != NULL)
            *pResult = CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case WM_DELETEITEM:
        DeleteItem((LPDELETEITEMSTRUCT)lParam);
        break;
    case WM_VKEYTOITEM:
        if (pResult != NULL)
            *pResult = VKeyToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_CHARTOITEM:
        if (pResult != NULL)
            *pResult = CharToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CComboBox

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::CComboBox()
{
}

CComboBox::~CComboBox()
{
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateControl(this, _T("ComboBox"), NULL, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return (int)Send(m_hWnd, CB_GETCOUNT); }
int CComboBox::GetCurSel() const { return (int)Send(m_hWnd, CB_GETCURSEL); }
int CComboBox::SetCurSel(int nSelect) { return (int)Send(m_hWnd, CB_SETCURSEL, nSelect); }
LCID CComboBox::GetLocale() const { return (LCID)Send(m_hWnd, CB_GETLOCALE); }
LCID CComboBox::SetLocale(LCID nNewLocale) { return (LCID)Send(m_hWnd, CB_SETLOCALE, (WPARAM)nNewLocale); }
int CComboBox::GetTopIndex() const { return (int)Send(m_hWnd, CB_GETTOPINDEX); }
int CComboBox::SetTopIndex(int nIndex) { return (int)Send(m_hWnd, CB_SETTOPINDEX, nIndex); }
int CComboBox::InitStorage(int nItems, UINT nBytes) { return (int)Send(m_hWnd, CB_INITSTORAGE, (WPARAM)nItems, nBytes); }
void CComboBox::SetHorizontalExtent(UINT nExtent) { Send(m_hWnd, CB_SETHORIZONTALEXTENT, nExtent); }
UINT CComboBox::GetHorizontalExtent() const { return (UINT)Send(m_hWnd, CB_GETHORIZONTALEXTENT); }
int CComboBox::SetDroppedWidth(UINT nWidth) { return (int)Send(m_hWnd, CB_SETDROPPEDWIDTH, nWidth); }
int CComboBox::GetDroppedWidth() const { return (int)Send(m_hWnd, CB_GETDROPPEDWIDTH); }

DWORD CComboBox::GetEditSel() const { return (DWORD)Send(m_hWnd, CB_GETEDITSEL); }
BOOL CComboBox::LimitText(int nMaxChars) { return (BOOL)Send(m_hWnd, CB_LIMITTEXT, nMaxChars); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    return (BOOL)Send(m_hWnd, CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const { return (DWORD_PTR)Send(m_hWnd, CB_GETITEMDATA, nIndex); }
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return (int)Send(m_hWnd, CB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
}
void* CComboBox::GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
int CComboBox::SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
    return (int)Send(m_hWnd, CB_GETLBTEXT, nIndex, (LPARAM)lpszText);
}

// An invalid index gives an empty string.
void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    const int nLen = GetLBTextLen(nIndex);
    if (nLen <= 0)
    {
        rString.Empty();
        return;
    }
    const int nCopied = GetLBText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
}

int CComboBox::GetLBTextLen(int nIndex) const { return (int)Send(m_hWnd, CB_GETLBTEXTLEN, nIndex); }

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return (int)Send(m_hWnd, CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
}
int CComboBox::GetItemHeight(int nIndex) const { return (int)Send(m_hWnd, CB_GETITEMHEIGHT, nIndex); }
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return (int)Send(m_hWnd, CB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
}
int CComboBox::SetExtendedUI(BOOL bExtended) { return (int)Send(m_hWnd, CB_SETEXTENDEDUI, bExtended); }
BOOL CComboBox::GetExtendedUI() const { return (BOOL)Send(m_hWnd, CB_GETEXTENDEDUI); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    Send(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect);
}
BOOL CComboBox::GetDroppedState() const { return (BOOL)Send(m_hWnd, CB_GETDROPPEDSTATE); }

void CComboBox::ShowDropDown(BOOL bShowIt) { Send(m_hWnd, CB_SHOWDROPDOWN, bShowIt); }
int CComboBox::AddString(LPCTSTR lpszString) { return (int)Send(m_hWnd, CB_ADDSTRING, 0, (LPARAM)lpszString); }
int CComboBox::DeleteString(UINT nIndex) { return (int)Send(m_hWnd, CB_DELETESTRING, nIndex); }
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    return (int)Send(m_hWnd, CB_INSERTSTRING, nIndex, (LPARAM)lpszString);
}
void CComboBox::ResetContent() { Send(m_hWnd, CB_RESETCONTENT); }
int CComboBox::Dir(UINT attr, LPCTSTR lpszWildCard) { return (int)Send(m_hWnd, CB_DIR, attr, (LPARAM)lpszWildCard); }
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    return (int)Send(m_hWnd, CB_FINDSTRING, nStartAfter, (LPARAM)lpszString);
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    return (int)Send(m_hWnd, CB_SELECTSTRING, nStartAfter, (LPARAM)lpszString);
}
void CComboBox::Clear() { Send(m_hWnd, WM_CLEAR); }
void CComboBox::Copy() { Send(m_hWnd, WM_COPY); }
void CComboBox::Cut() { Send(m_hWnd, WM_CUT); }
void CComboBox::Paste() { Send(m_hWnd, WM_PASTE); }

void CComboBox::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return 0;
}

void CComboBox::DeleteItem(LPDELETEITEMSTRUCT)
{
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_DRAWITEM:
        DrawItem((LPDRAWITEMSTRUCT)lParam);
        break;
    case WM_MEASUREITEM:
        MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        break;
    case WM_COMPAREITEM:
        if (pResult != NULL)
            *pResult = CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case WM_DELETEITEM:
        DeleteItem((LPDELETEITEMSTRUCT)lParam);
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CEdit

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::CEdit()
{
}

CEdit::~CEdit()
{
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateControl(this, _T("Edit"), NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::CanUndo() const { return (BOOL)Send(m_hWnd, EM_CANUNDO); }
int CEdit::GetLineCount() const { return (int)Send(m_hWnd, EM_GETLINECOUNT); }
BOOL CEdit::GetModify() const { return (BOOL)Send(m_hWnd, EM_GETMODIFY); }
void CEdit::SetModify(BOOL bModified) { Send(m_hWnd, EM_SETMODIFY, bModified); }
void CEdit::GetRect(LPRECT lpRect) const { Send(m_hWnd, EM_GETRECT, 0, (LPARAM)lpRect); }
DWORD CEdit::GetSel() const { return (DWORD)Send(m_hWnd, EM_GETSEL); }

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    Send(m_hWnd, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    nStartChar = (int)dwStart;
    nEndChar = (int)dwEnd;
}

HLOCAL CEdit::GetHandle() const { return (HLOCAL)Send(m_hWnd, EM_GETHANDLE); }
void CEdit::SetHandle(HLOCAL hBuffer) { Send(m_hWnd, EM_SETHANDLE, (WPARAM)hBuffer); }
void CEdit::SetMargins(UINT nLeft, UINT nRight)
{
    Send(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}
DWORD CEdit::GetMargins() const { return (DWORD)Send(m_hWnd, EM_GETMARGINS); }
void CEdit::SetLimitText(UINT nMax) { Send(m_hWnd, EM_SETLIMITTEXT, nMax); }
UINT CEdit::GetLimitText() const { return (UINT)Send(m_hWnd, EM_GETLIMITTEXT); }

CPoint CEdit::PosFromChar(UINT nChar) const
{
    return CPoint((LPARAM)(DWORD)Send(m_hWnd, EM_POSFROMCHAR, nChar));
}

int CEdit::CharFromPos(CPoint pt) const
{
    return (int)Send(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y));
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer) const
{
    return (int)Send(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (lpszBuffer == NULL || nMaxLength <= 0)
        return 0;
    if (nMaxLength < (int)sizeof(WORD))
    {
        // no room for the size word the control reads: copy through a buffer of our own
        TCHAR szTemp[sizeof(WORD) + 1];
        *(LPWORD)szTemp = (WORD)nMaxLength;
        const int nCopied = (int)Send(m_hWnd, EM_GETLINE, nIndex, (LPARAM)szTemp);
        const int nResult = (nCopied < nMaxLength) ? nCopied : nMaxLength;
        memcpy(lpszBuffer, szTemp, nResult);
        return nResult;
    }
    *(LPWORD)lpszBuffer = (WORD)(nMaxLength > 0xffff ? 0xffff : nMaxLength);
    return (int)Send(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}

void CEdit::EmptyUndoBuffer() { Send(m_hWnd, EM_EMPTYUNDOBUFFER); }
BOOL CEdit::FmtLines(BOOL bAddEOL) { return (BOOL)Send(m_hWnd, EM_FMTLINES, bAddEOL); }
void CEdit::LimitText(int nChars) { Send(m_hWnd, EM_LIMITTEXT, nChars); }
int CEdit::LineFromChar(int nIndex) const { return (int)Send(m_hWnd, EM_LINEFROMCHAR, nIndex); }
int CEdit::LineIndex(int nLine) const { return (int)Send(m_hWnd, EM_LINEINDEX, nLine); }
int CEdit::LineLength(int nLine) const { return (int)Send(m_hWnd, EM_LINELENGTH, nLine); }
void CEdit::LineScroll(int nLines, int nChars) { Send(m_hWnd, EM_LINESCROLL, nChars, nLines); }
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    Send(m_hWnd, EM_REPLACESEL, (WPARAM)bCanUndo, (LPARAM)lpszNewText);
}
void CEdit::SetPasswordChar(TCHAR ch) { Send(m_hWnd, EM_SETPASSWORDCHAR, (BYTE)ch); }
void CEdit::SetRect(LPCRECT lpRect) { Send(m_hWnd, EM_SETRECT, 0, (LPARAM)lpRect); }
void CEdit::SetRectNP(LPCRECT lpRect) { Send(m_hWnd, EM_SETRECTNP, 0, (LPARAM)lpRect); }

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    Send(m_hWnd, EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
    if (!bNoScroll)
        Send(m_hWnd, EM_SCROLLCARET);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    Send(m_hWnd, EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        Send(m_hWnd, EM_SCROLLCARET);
}

BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return (BOOL)Send(m_hWnd, EM_SETTABSTOPS, nTabStops, (LPARAM)rgTabStops);
}
void CEdit::SetTabStops() { Send(m_hWnd, EM_SETTABSTOPS); }
BOOL CEdit::SetTabStops(const int& cxEachStop)
{
    return (BOOL)Send(m_hWnd, EM_SETTABSTOPS, 1, (LPARAM)&cxEachStop);
}

BOOL CEdit::Undo() { return (BOOL)Send(m_hWnd, EM_UNDO); }
void CEdit::Clear() { Send(m_hWnd, WM_CLEAR); }
void CEdit::Copy() { Send(m_hWnd, WM_COPY); }
void CEdit::Cut() { Send(m_hWnd, WM_CUT); }
void CEdit::Paste() { Send(m_hWnd, WM_PASTE); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return (BOOL)Send(m_hWnd, EM_SETREADONLY, bReadOnly); }
int CEdit::GetFirstVisibleLine() const { return (int)Send(m_hWnd, EM_GETFIRSTVISIBLELINE); }
TCHAR CEdit::GetPasswordChar() const { return (TCHAR)Send(m_hWnd, EM_GETPASSWORDCHAR); }

/////////////////////////////////////////////////////////////////////////////
// CScrollBar

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

CScrollBar::CScrollBar()
{
}

CScrollBar::~CScrollBar()
{
}

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateControl(this, _T("ScrollBar"), NULL, dwStyle, rect, pParentWnd, nID);
}

int CScrollBar::GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) { return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
{
    ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw)
{
    ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
}
void CScrollBar::ShowScrollBar(BOOL bShow) { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags) { return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags); }

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(*lpScrollInfo);
    ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(*lpScrollInfo);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}

int CScrollBar::GetScrollLimit()
{
    int nMin = 0;
    int nMax = 0;
    GetScrollRange(&nMin, &nMax);
    SCROLLINFO info;
    memset(&info, 0, sizeof(info));
    if (GetScrollInfo(&info, SIF_PAGE))
    {
        nMax -= ((int)info.nPage - 1 > 0) ? (int)info.nPage - 1 : 0;
    }
    return nMax;
}
