// In-place text editor window of the list control.
#include "QELListEdit.h"

#include "QELDC.h"
#include "QELListEditorInternal.h"
#include "QELStdWin.h"

IMPLEMENT_DYNAMIC(CQELListEdit, CQELEdit)

BEGIN_MESSAGE_MAP(CQELListEdit, CQELEdit)
    ON_WM_KILLFOCUS()
    ON_WM_CREATE()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_CONTROL_REFLECT(EN_CHANGE, &CQELListEdit::OnChange)
END_MESSAGE_MAP()

CQELListEdit::CQELListEdit()
    : m_nItem(-1)
    , m_nSubItem(-1)
    , m_nMinWidth(0)
    , m_bCancel(FALSE)
    , m_dwFlags(0)
{
}

CQELListEdit::~CQELListEdit()
{
    // The list deletes the editor from inside the editor's own focus-loss handling; the window goes here.
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CQELListEdit::Create(UINT nID, CRect& rect, LPCTSTR pszText, int nItem, int nSubItem, CWnd* pParentWnd,
                          _tag_QELListColumnStyle* const pStyle)
{
    const DWORD dwStyle = (pStyle != NULL ? (pStyle->dwStyle & ~(DWORD)WS_BORDER) : 0)
                        | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;

    // Created empty: an edit window created with an initial text much longer than 32K characters fails
    // to be created, which would leave a long cell uneditable. The text is set right below.
    const BOOL bCreated = CreateEx(WS_EX_CLIENTEDGE, _T("Edit"), _T(""), dwStyle,
                                   rect.left, rect.top, rect.Width(), rect.Height(),
                                   pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID);
    if (bCreated != 1)
        return bCreated;

    m_nItem = nItem;
    m_nSubItem = nSubItem;
    m_nMinWidth = rect.right - rect.left;
    m_dwFlags = pStyle != NULL ? pStyle->dwFlags : 0;

    m_strStart = pszText;
    SetWindowText(pszText);
    ResizeWindow();

    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SCROLLCARET, 0, 0);

    SetOwner(pParentWnd);
    return bCreated;
}

int CQELListEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CQELEdit::OnCreate(lpCreateStruct) == -1)
        return -1;

    QELListEditor::TakeParentFont(this);
    SetFocus();
    return 0;
}

void CQELListEdit::ResizeWindow()
{
    if (!(m_dwFlags & QEL_STYLEFLAG_AUTO))
        return;

    CDC* pDC = GetDC();
    if (pDC == NULL)
        return;
    {
        CWindowRect rcWindow(this, 0);

        CString strText;
        GetWindowText(strText);

        const HFONT hFont = (HFONT)SendMessage(WM_GETFONT, 0, 0);
        CFontDC fontDC(pDC->GetSafeHdc(), hFont, 0xFF000000);

        SIZE size = {0, 0};
        ::GetTextExtentPoint32(pDC->GetSafeHdc(), strText, strText.GetLength(), &size);

        const int nNeeded = size.cx + TextPadding(rcWindow.Width());
        const int nWidth = nNeeded > m_nMinWidth ? nNeeded : m_nMinWidth;
        const int nHeight = rcWindow.Height();
        SetWindowPos(NULL, 0, 0, nWidth, nHeight, SWP_NOMOVE | SWP_NOOWNERZORDER);
        if (nWidth > rcWindow.Width())
            ShowTextFromStart();
    }   // the font is deselected before the device context goes back
    ReleaseDC(pDC);
}

// The edit scrolled its text while the window was narrower and keeps that offset when it grows: with the whole
// text fitting now, scroll back to its start, then keep the caret in view as before.
void CQELListEdit::ShowTextFromStart()
{
    const DWORD dwSelection = (DWORD)SendMessage(EM_GETSEL, 0, 0);
    SendMessage(EM_SETSEL, 0, 0);
    SendMessage(EM_SCROLLCARET, 0, 0);
    SendMessage(EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
    SendMessage(EM_SCROLLCARET, 0, 0);
}

// Room beside the text: at least 16 pixels, and enough for the frame, the edit's formatting rectangle (its
// margins) and the caret, which can take more (a frame of 4 and margins of 7 with the list's font under Wine).
// With less, the caret placed after the last character scrolls the text and its first characters leave the view.
int CQELListEdit::TextPadding(int nWindowWidth)
{
    CRect rectFormat;
    SendMessage(EM_GETRECT, 0, (LPARAM)&rectFormat);
    DWORD dwCaret = 1;
    ::SystemParametersInfo(SPI_GETCARETWIDTH, 0, &dwCaret, 0);
    const int nPadding = nWindowWidth - rectFormat.Width() + (int)dwCaret;
    return nPadding > 16 ? nPadding : 16;
}

void CQELListEdit::OnChange()
{
    ResizeWindow();
}

void CQELListEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (QELListEditor::ApplyKeyRules(this, m_item, nChar, nRepCnt, nFlags, m_nItem, m_nSubItem, m_bCancel))
        Default();
}

void CQELListEdit::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}

BOOL CQELListEdit::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    QELListEditor::ApplyWheelRule(this, m_item, nFlags, zDelta, pt, m_nItem, m_nSubItem, m_bCancel);
    return TRUE;   // handled: neither the edit nor the list scrolls while editing
}

BOOL CQELListEdit::PreTranslateMessage(MSG* pMsg)
{
    // Tab, Enter, Escape and Ctrl combinations go straight to OnKeyDown, past a dialog's navigation and
    // default buttons and past accelerators.
    if (QELListEditor::DispatchEditorKey(pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CQELListEdit::OnKillFocus(CWnd* pNewWnd)
{
    CQELEdit::OnKillFocus(pNewWnd);
    SetListText();
}

void CQELListEdit::SetListText()
{
    // The list deletes this editor while handling the end; nothing of it is used afterwards.
    QELListEditor::ReportText(this, m_strStart, m_nItem, m_nSubItem, m_bCancel);
}
