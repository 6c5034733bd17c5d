// Pumping, keyboard and mouse input, pixels and clipboard for the tests.
#include "QELTest.h"

#include <algorithm>
#include <string.h>

namespace qeltest {

std::string Narrow(LPCTSTR psz)
{
#ifdef _UNICODE
    const int size = ::WideCharToMultiByte(CP_ACP, 0, psz, -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        ::WideCharToMultiByte(CP_ACP, 0, psz, -1, &text[0], size, nullptr, nullptr);
    return text;
#else
    return psz;
#endif
}

HMODULE LibraryModule(const char* baseName)
{
#ifdef _UNICODE
    const char* const suffix = "U.dll";
#else
    const char* const suffix = ".dll";
#endif
    return ::GetModuleHandleA((std::string(baseName) + suffix).c_str());
}

// ---- Message pumping -------------------------------------------------------------------------------

static bool DispatchOne()
{
    MSG msg;
    if (!::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT)
        return true;
    CWinThread* pThread = AfxGetThread();
    if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return true;
}

void PumpUntilIdle()
{
    // Several rounds: handling a message often posts another one.
    for (int quiet = 0; quiet < 3;)
    {
        if (DispatchOne())
            quiet = 0;
        else
            ++quiet;
    }
    // The idle rounds of CWinThread::Run: the second one frees temporary objects.
    if (CWinThread* pThread = AfxGetThread())
        for (LONG lCount = 0; pThread->OnIdle(lCount) && lCount < 8; ++lCount)
            ;
}

void PumpFor(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds)
    {
        if (!DispatchOne())
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
    PumpUntilIdle();
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done())
    {
        if (::GetTickCount() - start >= timeoutMs)
            return done();
        if (!DispatchOne())
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// ---- Keyboard state and input -----------------------------------------------------------------------

void SetModifierKeys(bool ctrl, bool shift)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    const BYTE ctrlState = ctrl ? 0x80 : 0;
    const BYTE shiftState = shift ? 0x80 : 0;
    keys[VK_CONTROL] = keys[VK_LCONTROL] = ctrlState;
    keys[VK_RCONTROL] = 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shiftState;
    keys[VK_RSHIFT] = 0;
    ::SetKeyboardState(keys);
}

void ReleaseAllKeys()
{
    BYTE keys[256] = {};
    ::SetKeyboardState(keys);
}

static LPARAM KeyLParam(UINT vk, bool up)
{
    const UINT scan = ::MapVirtualKeyA(vk, 0 /* MAPVK_VK_TO_VSC */);
    LPARAM l = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
    if (up)
        l |= (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31);
    return l;
}

void PressKey(HWND hwnd, UINT vk, bool translate)
{
    ::SendMessage(hwnd, WM_KEYDOWN, vk, KeyLParam(vk, false));
    if (translate && ::IsWindow(hwnd))
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        const bool ctrl = (keys[VK_CONTROL] & 0x80) != 0;
        TCHAR ch = 0;
        if (vk == VK_RETURN)
            ch = '\r';
        else if (vk == VK_ESCAPE)
            ch = 0x1B;
        else if (vk == VK_TAB)
            ch = '\t';
        else if (vk == VK_BACK)
            ch = '\b';
        else if (!ctrl && ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z') || vk == VK_SPACE))
            ch = static_cast<TCHAR>((vk >= 'A' && vk <= 'Z' && !(keys[VK_SHIFT] & 0x80)) ? vk - 'A' + 'a' : vk);
        if (ch != 0)
            ::SendMessage(hwnd, WM_CHAR, static_cast<TBYTE>(ch), KeyLParam(vk, false));
    }
    if (::IsWindow(hwnd))
        ::SendMessage(hwnd, WM_KEYUP, vk, KeyLParam(vk, true));
}

void TypeText(HWND hwnd, const char* text)
{
    // The A form on purpose: the system converts each byte for a Unicode window, as for an ANSI program.
    for (const char* p = text; *p != '\0' && ::IsWindow(hwnd); ++p)
        ::SendMessageA(hwnd, WM_CHAR, static_cast<BYTE>(*p), 1);
}

void TypeText(HWND hwnd, const wchar_t* text)
{
    for (const wchar_t* p = text; *p != L'\0' && ::IsWindow(hwnd); ++p)
        ::SendMessageW(hwnd, WM_CHAR, static_cast<WPARAM>(*p), 1);
}

static void SendKeyInput(UINT vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = static_cast<WORD>(vk);
    in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(in));
}

void InputKey(UINT vk, bool ctrl, bool shift)
{
    if (ctrl)
        SendKeyInput(VK_CONTROL, false);
    if (shift)
        SendKeyInput(VK_SHIFT, false);
    SendKeyInput(vk, false);
    SendKeyInput(vk, true);
    if (shift)
        SendKeyInput(VK_SHIFT, true);
    if (ctrl)
        SendKeyInput(VK_CONTROL, true);
    PumpUntilIdle();
}

void InputText(const char* text)
{
    for (const char* p = text; *p != '\0'; ++p)
    {
        const SHORT vks = ::VkKeyScanA(*p);
        InputKey(LOBYTE(vks), (HIBYTE(vks) & 2) != 0, (HIBYTE(vks) & 1) != 0);
    }
}

void Click(HWND hwnd, POINT pt, UINT keyFlags)
{
    const LPARAM lp = MAKELPARAM(pt.x, pt.y);
    ::PostMessage(hwnd, WM_LBUTTONUP, keyFlags, lp);
    ::SendMessage(hwnd, WM_LBUTTONDOWN, keyFlags | MK_LBUTTON, lp);
    PumpUntilIdle();
}

void DoubleClick(HWND hwnd, POINT pt)
{
    const LPARAM lp = MAKELPARAM(pt.x, pt.y);
    Click(hwnd, pt);
    ::PostMessage(hwnd, WM_LBUTTONUP, 0, lp);
    ::SendMessage(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, lp);
    PumpUntilIdle();
}

void RightClick(HWND hwnd, POINT pt)
{
    const LPARAM lp = MAKELPARAM(pt.x, pt.y);
    ::PostMessage(hwnd, WM_RBUTTONUP, 0, lp);
    ::SendMessage(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, lp);
    PumpUntilIdle();
}

void MouseMove(HWND hwnd, POINT pt, UINT keyFlags)
{
    ::SendMessage(hwnd, WM_MOUSEMOVE, keyFlags, MAKELPARAM(pt.x, pt.y));
}

// ---- Pixels -------------------------------------------------------------------------------------------

COLORREF PixelAt(HWND hwnd, int x, int y)
{
    ::UpdateWindow(hwnd);
    PumpUntilIdle();
    HDC hdc = ::GetDC(hwnd);
    const COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hwnd, hdc);
    return c;
}

COLORREF WindowPixelAt(HWND hwnd, int x, int y)
{
    ::UpdateWindow(hwnd);
    PumpUntilIdle();
    HDC hdc = ::GetWindowDC(hwnd);
    const COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hwnd, hdc);
    return c;
}

CTestBitmap::CTestBitmap(int cx, int cy, COLORREF fill)
    : m_hBitmap(NULL), m_hOldBitmap(NULL), m_cx(cx), m_cy(cy)
{
    HDC screen = ::GetDC(NULL);
    m_dc.Attach(::CreateCompatibleDC(screen));
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = NULL;
    m_hBitmap = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    ::ReleaseDC(NULL, screen);
    m_hOldBitmap = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
    Fill(fill);
}

CTestBitmap::~CTestBitmap()
{
    ::SelectObject(m_dc.GetSafeHdc(), m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_dc.Detach());
}

void CTestBitmap::Fill(COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    RECT r = { 0, 0, m_cx, m_cy };
    ::FillRect(m_dc.GetSafeHdc(), &r, brush);
    ::DeleteObject(brush);
}

// ---- Clipboard ----------------------------------------------------------------------------------------

// The text of one clipboard format up to the block's size or its first zero character.
template <typename Char>
static std::basic_string<Char> ReadClipboardFormat(UINT format, bool* ok)
{
    std::basic_string<Char> text;
    bool found = false;
    for (int attempt = 0; attempt < 50 && !::OpenClipboard(NULL); ++attempt)
        ::Sleep(10);
    if (HANDLE h = ::GetClipboardData(format))
    {
        if (const Char* p = static_cast<const Char*>(::GlobalLock(h)))
        {
            const size_t size = ::GlobalSize(h) / sizeof(Char);
            text.assign(p, std::find(p, p + size, Char(0)));
            found = true;
            ::GlobalUnlock(h);
        }
    }
    ::CloseClipboard();
    if (ok != nullptr)
        *ok = found;
    return text;
}

std::string ReadClipboardText(bool* ok)
{
    return ReadClipboardFormat<char>(CF_TEXT, ok);
}

std::wstring ReadClipboardUnicode(bool* ok)
{
    return ReadClipboardFormat<wchar_t>(CF_UNICODETEXT, ok);
}

std::string ReadClipboardCopy(bool* ok)
{
#ifdef _UNICODE
    return Narrow(ReadClipboardUnicode(ok).c_str());
#else
    return ReadClipboardText(ok);
#endif
}

void WriteClipboardText(const std::string& text)
{
    for (int attempt = 0; attempt < 50 && !::OpenClipboard(NULL); ++attempt)
        ::Sleep(10);
    ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* p = static_cast<char*>(::GlobalLock(h));
    memcpy(p, text.c_str(), text.size() + 1);
    ::GlobalUnlock(h);
    ::SetClipboardData(CF_TEXT, h);
    ::CloseClipboard();
}

// ---- In-memory dialog templates -------------------------------------------------------------------

CDialogTemplate::CDialogTemplate(LPCSTR caption, int cx, int cy, DWORD style)
{
    DLGTEMPLATE t = {};
    t.style = style;
    t.cx = static_cast<short>(cx);
    t.cy = static_cast<short>(cy);
    const WORD* w = reinterpret_cast<const WORD*>(&t);
    m_data.assign(w, w + sizeof(t) / sizeof(WORD));
    m_countOffset = offsetof(DLGTEMPLATE, cdit) / sizeof(WORD);
    AppendWord(0);              // no menu
    AppendWord(0);              // default class
    AppendString(caption);
    if (style & DS_SETFONT)
    {
        AppendWord(8);
        AppendString("MS Shell Dlg");
    }
}

void CDialogTemplate::AlignToDword()
{
    if (m_data.size() % 2 != 0)
        m_data.push_back(0);
}

void CDialogTemplate::AppendWord(WORD w)
{
    m_data.push_back(w);
}

void CDialogTemplate::AppendString(LPCSTR text)
{
    WCHAR wide[256] = {};
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 255);
    for (int i = 0; i < n; ++i)
        m_data.push_back(static_cast<WORD>(wide[i]));
    if (n == 0)
        m_data.push_back(0);
}

void CDialogTemplate::AddControl(LPCSTR className, LPCSTR text, UINT id, int x, int y, int cx, int cy, DWORD style)
{
    AlignToDword();
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = static_cast<short>(x);
    item.y = static_cast<short>(y);
    item.cx = static_cast<short>(cx);
    item.cy = static_cast<short>(cy);
    item.id = static_cast<WORD>(id);
    const WORD* w = reinterpret_cast<const WORD*>(&item);
    m_data.insert(m_data.end(), w, w + sizeof(item) / sizeof(WORD));
    AppendString(className);
    AppendString(text);
    AppendWord(0);              // no creation data
    ++m_data[m_countOffset];
}

LPCDLGTEMPLATE CDialogTemplate::Get()
{
    return reinterpret_cast<LPCDLGTEMPLATE>(m_data.data());
}

} // namespace qeltest
