#pragma once

#include <afxcmn.h>

// Manages a plain list view that, when striping is on, gives every odd row its own background through the
// usual custom-draw notification: the plain way to do what the QEL colour hook does.
class CPlainStripeList : public CListCtrl
{
public:
    CPlainStripeList();

    void EnableStripes(bool bEnable) { m_bStripes = bEnable; }

protected:
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    bool m_bStripes;
};
