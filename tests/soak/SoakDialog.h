// Modeless dialog host of the soaked list.
#pragma once

#include "SoakParent.h"

namespace soak {

// Manages a modeless dialog around the soaked list (subclassed from the dialog's list view) and an OK button;
// the list's registered messages go to the soak parent, Enter and Escape to the open editor.
class CSoakDialog : public CDialog
{
public:
    static const UINT kListId = 1001;

    CSoakDialog(CSoakParent& parent, CSoakList& list) : m_parent(parent), m_list(list) {}
    CSoakDialog(const CSoakDialog&) = delete;
    CSoakDialog& operator=(const CSoakDialog&) = delete;

    BOOL CreateHost();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A dialog turns Enter and Escape into its default commands before an editor sees them.
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void ForwardToEditor(UINT nKey);

    CSoakParent& m_parent;
    CSoakList&   m_list;
};

} // namespace soak
