// The recording parent window and its readable sequence comparison.
#include "QELTest.h"

#include <sstream>

namespace qeltest {

std::function<bool(const RecordedMessage&, int&, int&)> CRecorderWnd::s_cellOf;

// A posted message reaches a window procedure from the thread's queue, a sent one directly. InSendMessageEx
// cannot tell them apart here: it reports only messages sent from another thread, and the tests and the
// library send from this one. So while a recorder exists a message hook notes each message taken from the
// queue, and a recorder receiving exactly that message knows it was posted.
namespace {

MSG   g_taken = {};
HHOOK g_hTakenHook = NULL;
int   g_nRecorders = 0;

LRESULT CALLBACK NoteTakenMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam == PM_REMOVE)
        g_taken = *reinterpret_cast<const MSG*>(lParam);
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Whether the message being received is the one last taken from the queue; it is received once.
Delivery TakeDelivery(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (g_taken.hwnd != hwnd || g_taken.message != message || g_taken.wParam != wParam || g_taken.lParam != lParam)
        return Delivery::Sent;
    g_taken = MSG();
    return Delivery::Posted;
}

} // namespace

std::string MessageName(UINT message)
{
    if (message >= 0xC000 && message <= 0xFFFF)
    {
        char name[256] = {};
        if (::GetClipboardFormatNameA(message, name, sizeof(name)) > 0)
            return name;
    }
    switch (message)
    {
    case WM_NOTIFY:  return "WM_NOTIFY";
    case WM_COMMAND: return "WM_COMMAND";
    default:         break;
    }
    std::ostringstream s;
    s << "0x" << std::hex << message;
    return s.str();
}

CRecorderWnd::CRecorderWnd()
{
    if (g_nRecorders++ == 0)
        g_hTakenHook = ::SetWindowsHookExA(WH_GETMESSAGE, NoteTakenMessage, NULL, ::GetCurrentThreadId());
}

CRecorderWnd::~CRecorderWnd()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
    if (--g_nRecorders == 0)
    {
        ::UnhookWindowsHookEx(g_hTakenHook);
        g_hTakenHook = NULL;
    }
}

BOOL CRecorderWnd::CreateParent(int cx, int cy, LPCSTR title)
{
    CRect r(0, 0, cx, cy);
    ::AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (!CreateEx(0, cls, CString(title), WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, r.Width(), r.Height(), NULL, NULL))
        return FALSE;
    ::SetForegroundWindow(m_hWnd);
    ::SetActiveWindow(m_hWnd);
    UpdateWindow();
    PumpUntilIdle();
    return TRUE;
}

void CRecorderWnd::SetAnswer(UINT message, LRESULT result)
{
    SetAnswer(message, [result](const RecordedMessage&, bool& handled) {
        handled = true;
        return result;
    });
}

bool CRecorderWnd::IsWatched(UINT message) const
{
    if (message >= 0xC000 && message <= 0xFFFF)
        return true;
    if (message == WM_NOTIFY)
        return m_watchNotify;
    if (message == WM_COMMAND)
        return m_watchCommand;
    return m_watched.count(message) != 0;
}

std::vector<RecordedMessage> CRecorderWnd::MessagesOf(UINT message) const
{
    std::vector<RecordedMessage> result;
    for (const RecordedMessage& m : m_messages)
        if (m.message == message)
            result.push_back(m);
    return result;
}

int CRecorderWnd::Count(UINT message) const
{
    int n = 0;
    for (const RecordedMessage& m : m_messages)
        if (m.message == message)
            ++n;
    return n;
}

LRESULT CRecorderWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWatched(message))
        return CWnd::WindowProc(message, wParam, lParam);
    return Receive(m_hWnd, message, wParam, lParam);
}

LRESULT CRecorderWnd::Receive(HWND hwndTo, UINT message, WPARAM wParam, LPARAM lParam)
{
    RecordedMessage m;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.delivery = TakeDelivery(hwndTo, message, wParam, lParam);
    if (message == WM_NOTIFY && lParam != 0)
        m.wParam = static_cast<WPARAM>(static_cast<UINT>(reinterpret_cast<NMHDR*>(lParam)->code));
    auto decoder = m_decoders.find(message);
    if (decoder != m_decoders.end())
        decoder->second(m);
    m_messages.push_back(m);

    auto answer = m_answers.find(message);
    if (answer != m_answers.end())
    {
        bool handled = false;
        const LRESULT result = answer->second(m, handled);
        if (handled)
            return result;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

static std::string Describe(const RecordedMessage& m)
{
    std::ostringstream s;
    s << MessageName(m.message) << " w=0x" << std::hex << static_cast<unsigned long long>(m.wParam) << std::dec;
    int item = 0, sub = 0;
    if (CRecorderWnd::s_cellOf && CRecorderWnd::s_cellOf(m, item, sub))
        s << " cell=(" << item << "," << sub << ")";
    else
        s << " l=" << static_cast<long long>(m.lParam);
    if (m.hasText)
        s << " text=\"" << (m.text.size() > 40 ? m.text.substr(0, 40) + "..." : m.text) << "\"";
    if (m.delivery == Delivery::Posted)
        s << " (posted)";
    return s.str();
}

static std::string DescribeExpected(const Expected& e)
{
    std::ostringstream s;
    s << MessageName(e.message);
    if (e.checkWParam)
        s << " w=0x" << std::hex << static_cast<unsigned long long>(e.wParam) << std::dec;
    if (e.checkLParam)
        s << " l=" << static_cast<long long>(e.lParam);
    if (e.nItem != INT_MIN || e.nSubItem != INT_MIN)
        s << " cell=(" << e.nItem << "," << e.nSubItem << ")";
    if (e.text != nullptr)
        s << " text=\"" << e.text << "\"";
    if (e.delivery != Delivery::Any)
        s << (e.delivery == Delivery::Posted ? " (posted)" : " (sent)");
    if (e.optional)
        s << " (optional)";
    return s.str();
}

::testing::AssertionResult CRecorderWnd::Matches(std::initializer_list<Expected> expected) const
{
    return MatchSequence(m_messages, expected);
}

::testing::AssertionResult MatchSequence(const std::vector<RecordedMessage>& actual, std::initializer_list<Expected> expected)
{
    auto fits = [](const Expected& e, const RecordedMessage& m) {
        if (e.message != m.message)
            return false;
        if ((e.checkWParam && e.wParam != m.wParam) || (e.checkLParam && e.lParam != m.lParam))
            return false;
        if (e.nItem != INT_MIN || e.nSubItem != INT_MIN)
        {
            int item = 0, sub = 0;
            if (!CRecorderWnd::s_cellOf || !CRecorderWnd::s_cellOf(m, item, sub))
                return false;
            if ((e.nItem != INT_MIN && e.nItem != item) || (e.nSubItem != INT_MIN && e.nSubItem != sub))
                return false;
        }
        if (e.text != nullptr && (!m.hasText || m.text != e.text))
            return false;
        return e.delivery == Delivery::Any || e.delivery == m.delivery;
    };

    size_t i = 0;
    bool ok = true;
    for (const Expected& e : expected)
    {
        if (i < actual.size() && fits(e, actual[i]))
            ++i;
        else if (!e.optional)
        {
            ok = false;
            break;
        }
    }
    if (ok && i == actual.size())
        return ::testing::AssertionSuccess();

    std::ostringstream s;
    s << "message sequence differs\n  expected:\n";
    for (const Expected& e : expected)
        s << "    " << DescribeExpected(e) << "\n";
    s << "  actual:\n";
    for (const RecordedMessage& m : actual)
        s << "    " << Describe(m) << "\n";
    return ::testing::AssertionFailure() << s.str();
}

} // namespace qeltest
