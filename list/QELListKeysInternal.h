// The key questions of the list and its editors: whether a key is down, and which keys the editors turn into
// move requests. Not installed.
#pragma once

#include <afxwin.h>

namespace QELListKeys
{

// TRUE while nVirtKey is down, as of the message being processed.
inline BOOL IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x80) != 0;
}

// TRUE when the editor key rules (CQELBaseListItem::OnKeyDown) post a move request for nChar with the
// current state of Ctrl: Page Up and Page Down always; Tab, End, Home, Up and Down with Ctrl.
BOOL IsMoveKey(UINT nChar);

} // namespace QELListKeys
