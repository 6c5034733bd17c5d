// Fixture and helpers of the in-place editor tests: the list fixture's list in a bold font, with five
// columns, in a top-level window or in a modeless dialog.
#pragma once

#include "QELListFixture.h"

#include <string>
#include <vector>

namespace qeltest {

// wParam of WM_MOUSEWHEEL: key flags in the low word, the signed delta in the high word.
inline WPARAM WheelWParam(UINT flags, int delta)
{
    return MAKEWPARAM(flags, static_cast<WORD>(static_cast<short>(delta)));
}

// The parent fills a drop-down list editor with the choices ("Red", "Green" and "Blue" unless given) when it
// is announced, and selects the entry equal to the cell's text.
void FillChoicesWhenAnnounced(CRecorderWnd& parent, CQELListCtrl& list,
                              const std::vector<tstring>& choices = { _T("Red"), _T("Green"), _T("Blue") });

// Captures the creation parameters of windows created on this thread while it lives (CBT hook).
class CCreationSpy
{
public:
    struct Creation
    {
        std::string className;
        DWORD       style;
        DWORD       exStyle;
        int         x, y, cx, cy;
        std::string text;
    };

    CCreationSpy();
    ~CCreationSpy();
    CCreationSpy(const CCreationSpy&) = delete;
    CCreationSpy& operator=(const CCreationSpy&) = delete;

    // The last creation of a window of the class (case-insensitive); null when there was none.
    const Creation* Last(const char* className) const;

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);

    HHOOK                 m_hHook;
    std::vector<Creation> m_creations;
    static CCreationSpy*  s_pActive;
};

// Five rows and five columns 110 wide in a bold 17-pixel font.
class EditorTest : public ListTest
{
protected:
    void SetUp() override;
    // Creates the list in the parent window (680 x 460) or in a dialog, and gives it the focus.
    void CreateEditorList(bool inDialog = false);

    CFont listFont;
};

} // namespace qeltest
