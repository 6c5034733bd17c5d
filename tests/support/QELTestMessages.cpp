// Decoders of the list's edit messages for the recording parent.
#include "QELTestMessages.h"

#include <string.h>

namespace qeltest {

static void CopyEditInfo(RecordedMessage& m)
{
    const auto* info = reinterpret_cast<const _tag_QELListEditInfo*>(m.lParam);
    if (info == nullptr)
        return;
    const BYTE* p = reinterpret_cast<const BYTE*>(info);
    m.record.assign(p, p + sizeof(*info));
    if (info->pStyle != nullptr)
    {
        const BYTE* s = reinterpret_cast<const BYTE*>(info->pStyle);
        m.record.insert(m.record.end(), s, s + sizeof(*info->pStyle));
    }
    if (info->pszText != nullptr)
    {
        m.textT = info->pszText;
        m.text = Narrow(info->pszText);
        m.hasText = true;
    }
}

void WatchListMessages(CRecorderWnd& wnd)
{
    for (UINT message : { WM_QEL_LISTEDITBEGIN, WM_QEL_LISTITEMCONST, WM_QEL_LISTEDITTING, WM_QEL_LISTEDITEND, WM_QEL_LISTEDITMAX })
        wnd.SetDecoder(message, CopyEditInfo);
    CRecorderWnd::s_cellOf = [](const RecordedMessage& m, int& item, int& sub) {
        if (m.record.size() < sizeof(_tag_QELListEditInfo))
            return false;
        const _tag_QELListEditInfo info = EditInfo(m);
        item = info.nItem;
        sub = info.nSubItem;
        return true;
    };
}

_tag_QELListEditInfo EditInfo(const RecordedMessage& m)
{
    _tag_QELListEditInfo info = {};
    if (m.record.size() >= sizeof(info))
        memcpy(&info, m.record.data(), sizeof(info));
    info.pszText = m.hasText ? const_cast<LPTSTR>(m.textT.c_str()) : nullptr;
    info.pStyle = HasStyle(m) ? reinterpret_cast<_tag_QELListColumnStyle*>(const_cast<BYTE*>(m.record.data() + sizeof(info))) : nullptr;
    return info;
}

bool HasStyle(const RecordedMessage& m)
{
    return m.record.size() >= sizeof(_tag_QELListEditInfo) + sizeof(_tag_QELListColumnStyle);
}

_tag_QELListColumnStyle StyleOf(const RecordedMessage& m)
{
    _tag_QELListColumnStyle style = {};
    if (HasStyle(m))
        memcpy(&style, m.record.data() + sizeof(_tag_QELListEditInfo), sizeof(style));
    return style;
}

} // namespace qeltest
