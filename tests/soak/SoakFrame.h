// Frame window host of the soaked list.
#pragma once

#include "SoakParent.h"

namespace soak {

// Manages a top-level frame whose client area is the soaked list, an ordinary or an owner-data one; the list's
// registered messages and its requests for texts go to the soak parent. The test owns the object: destroying
// the window does not delete it.
class CSoakFrame : public CFrameWnd
{
public:
    static const UINT kListId = 1000;

    CSoakFrame(CSoakParent& parent, CSoakList& list) : m_parent(parent), m_list(list) {}
    CSoakFrame(const CSoakFrame&) = delete;
    CSoakFrame& operator=(const CSoakFrame&) = delete;

    BOOL CreateHost(bool bOwnerData);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override {}
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    CSoakParent& m_parent;
    CSoakList&   m_list;
};

} // namespace soak
