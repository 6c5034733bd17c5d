// Recording of the control library's registered messages: copies of the edit record behind lParam.
#pragma once

#include "QELTest.h"
#include "QELListTypes.h"

namespace qeltest {

// Registers, on the recorder, decoders that copy the _tag_QELListEditInfo (and the style it points to)
// of the list's edit messages, so that sequences can be compared by cell and text after the sender's
// record is gone.
void WatchListMessages(CRecorderWnd& wnd);

// The copied edit record of a recorded list message (pszText points into the recorded text, pStyle into
// the recorded style copy, or null). Only valid while the RecordedMessage lives.
_tag_QELListEditInfo EditInfo(const RecordedMessage& m);
bool HasStyle(const RecordedMessage& m);
_tag_QELListColumnStyle StyleOf(const RecordedMessage& m);

// Expected entries for sequence comparison.
inline Expected Msg(UINT message)
{
    Expected e;
    e.message = message;
    return e;
}
inline Expected Cell(UINT message, int nItem, int nSubItem)
{
    Expected e = Msg(message);
    e.nItem = nItem;
    e.nSubItem = nSubItem;
    return e;
}
inline Expected CellText(UINT message, int nItem, int nSubItem, const char* text)
{
    Expected e = Cell(message, nItem, nSubItem);
    e.text = text;
    return e;
}
inline Expected WithWParam(Expected e, WPARAM wParam)
{
    e.checkWParam = true;
    e.wParam = wParam;
    return e;
}
inline Expected Optional(Expected e)
{
    e.optional = true;
    return e;
}

} // namespace qeltest
