// Message-map entries that must not compile. Each QEL_REJECT_<case> build holds one entry whose handler is
// named bare or has a type that only converts to the documented one; the build is expected to fail on it.
#include <afxwin.h>

class CRejectWnd : public CWnd
{
protected:
    afx_msg LRESULT OnUser(WPARAM, LPARAM) { return 0; }
    afx_msg void OnUserNoResult(WPARAM, LPARAM) {}
    afx_msg void OnHScroll(UINT, UINT, CWnd*) {}
    afx_msg bool OnEraseBkgnd(CDC*) { return true; }
    afx_msg void OnTimer(UINT) {}
    afx_msg BOOL OnClick(NMHDR*, LRESULT*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRejectWnd, CWnd)
#if defined(QEL_REJECT_bare_name)
    ON_MESSAGE(WM_USER, OnUser)
#elif defined(QEL_REJECT_no_result)
    ON_MESSAGE(WM_USER, &CRejectWnd::OnUserNoResult)
#elif defined(QEL_REJECT_window_for_scrollbar)
    ON_WM_HSCROLL()
#elif defined(QEL_REJECT_bool_for_BOOL)
    ON_WM_ERASEBKGND()
#elif defined(QEL_REJECT_UINT_for_UINT_PTR)
    ON_WM_TIMER()
#elif defined(QEL_REJECT_ex_handler_for_plain_entry)
    ON_NOTIFY_REFLECT(NM_CLICK, &CRejectWnd::OnClick)
#endif
END_MESSAGE_MAP()
