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

} // namespace qeltest
