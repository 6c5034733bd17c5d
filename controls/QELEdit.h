// Themed edit box: a flat two-ring frame that follows hover and focus, drawn through the theme manager.
#pragma once

#include <afxwin.h>
#include "QELCtrlApi.h"

// Manages an edit control that paints its own frame over the two-pixel client edge.
class QELCTRL_API CQELEdit : public CEdit
{
    DECLARE_DYNAMIC(CQELEdit)

// Construction
public:
    CQELEdit();
    virtual ~CQELEdit();

// Attributes
public:
    // 1: the control paints its own frame; any other value leaves the frame to the system.
    // Takes effect at the next frame painting.
    void SetStyle(DWORD dwStyle);

// Overridables
protected:
    // Paints the frame into the non-client area (or leaves it to the system, see SetStyle).
    virtual void DrawFrame();

// Message handlers
protected:
    afx_msg void OnNcPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

protected:
    BOOL  m_bHover;   // the mouse pointer is over the control; set by mouse moves, cleared on leave
    DWORD m_dwStyle;  // frame style: 1 = own frame, anything else = system frame

private:
    CQELEdit(const CQELEdit&);
    CQELEdit& operator=(const CQELEdit&);
};
