// Test support: start-up, message pumping, keyboard state and input, pixels, clipboard, and a top-level
// parent window that records what it receives.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace qeltest {

// ---- Text in either character set ------------------------------------------------------------------

// The text in the ANSI code page, for comparison with narrow literals: the text itself in an MBCS build,
// converted in a Unicode build (characters the code page lacks become '?').
std::string Narrow(LPCTSTR psz);

// A string of the build's character type.
using tstring = std::basic_string<TCHAR>;

// The loaded library binary of that base name ("QELCtrl"), under the file name of the build's character set.
HMODULE LibraryModule(const char* baseName);

// ---- Message pumping -------------------------------------------------------------------------------

// Dispatches every queued message of this thread (posted messages, timers that are due, paints) until
// the queue stays empty; then runs the MFC idle rounds (which free temporary objects).
void PumpUntilIdle();

// Dispatches messages for the given time, then until idle.
void PumpFor(DWORD milliseconds);

// Dispatches messages until the predicate holds or the time runs out; returns the predicate's last value.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// ---- Keyboard state and input -----------------------------------------------------------------------

// Sets the Ctrl and Shift state seen by GetKeyState on this thread (SetKeyboardState); GetAsyncKeyState
// is not affected by it.
void SetModifierKeys(bool ctrl, bool shift);

// Clears every key of the thread's keyboard state.
void ReleaseAllKeys();

// Sends WM_KEYDOWN (and WM_CHAR for keys that produce one when `translate` is set) then WM_KEYUP to
// the window, as TranslateMessage would have produced them from real input.
void PressKey(HWND hwnd, UINT vk, bool translate = true);

// Sends WM_CHAR for each byte of the text, as an ANSI program types it; WM_CHAR of each UTF-16 unit of a
// wide text.
void TypeText(HWND hwnd, const char* text);
void TypeText(HWND hwnd, const wchar_t* text);

// Real input through the system queue (SendInput), for paths that must pass PreTranslateMessage.
void InputKey(UINT vk, bool ctrl = false, bool shift = false);
void InputText(const char* text);

// Mouse messages in client coordinates. A list view's button-down handler runs a drag-detect loop that
// waits for a button-up in the queue, so Click posts the button-up before sending the button-down.
void Click(HWND hwnd, POINT pt, UINT keyFlags = 0);
void DoubleClick(HWND hwnd, POINT pt);
void RightClick(HWND hwnd, POINT pt);
void MouseMove(HWND hwnd, POINT pt, UINT keyFlags = 0);

// ---- Pixels -------------------------------------------------------------------------------------------

// Colour of a client-area pixel after the window has painted (UpdateWindow first).
COLORREF PixelAt(HWND hwnd, int x, int y);

// Colour of a pixel of the whole window, non-client area included (window coordinates).
COLORREF WindowPixelAt(HWND hwnd, int x, int y);

// A memory DC with a 32-bit bitmap for drawing tests; Pixel reads back.
class CTestBitmap
{
public:
    CTestBitmap(int cx, int cy, COLORREF fill = RGB(255, 255, 255));
    ~CTestBitmap();
    CTestBitmap(const CTestBitmap&) = delete;
    CTestBitmap& operator=(const CTestBitmap&) = delete;

    CDC* GetDC() { return &m_dc; }
    HDC GetSafeHdc() const { return m_dc.GetSafeHdc(); }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.GetSafeHdc(), x, y); }
    void Fill(COLORREF colour);

private:
    CDC     m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    int     m_cx;
    int     m_cy;
};

// ---- Clipboard ----------------------------------------------------------------------------------------

// The CF_TEXT contents of the clipboard, bytes as stored up to the block's size (the terminating zero is
// not part of the result); `ok` tells whether the format was present.
std::string ReadClipboardText(bool* ok = nullptr);

// The CF_UNICODETEXT contents, as ReadClipboardText reads CF_TEXT.
std::wstring ReadClipboardUnicode(bool* ok = nullptr);

// The text of the format the list copies in this build (CF_UNICODETEXT in Unicode, CF_TEXT otherwise), in
// the ANSI code page.
std::string ReadClipboardCopy(bool* ok = nullptr);

// Puts a text on the clipboard (owner: none).
void WriteClipboardText(const std::string& text);

// ---- Recording parent ---------------------------------------------------------------------------------

// How a message reached the recorder: sent (by this thread or another) or posted to a queue.
enum class Delivery { Any, Sent, Posted };

// One message as the recorder saw it; `record` holds a copy of the bytes behind lParam and `text` a copy
// of a text the record points to, when a decoder was registered for the message.
struct RecordedMessage
{
    UINT              message = 0;
    WPARAM            wParam = 0;
    LPARAM            lParam = 0;
    Delivery          delivery = Delivery::Sent;
    std::vector<BYTE> record;
    std::string       text;       // in the ANSI code page
    tstring           textT;      // the same text in the build's character set
    bool              hasText = false;
};

// Copies what lParam points to into the recorded message.
using RecordDecoder = std::function<void(RecordedMessage&)>;

// Answers a recorded message; `handled` false lets the window's normal processing answer.
using MessageAnswer = std::function<LRESULT(const RecordedMessage&, bool& handled)>;

// Expected message in a sequence; unset fields are not compared.
struct Expected
{
    UINT        message = 0;
    bool        checkWParam = false;
    WPARAM      wParam = 0;
    bool        checkLParam = false;
    LPARAM      lParam = 0;
    int         nItem = INT_MIN;       // compared with the decoded record's row when set
    int         nSubItem = INT_MIN;    // compared with the decoded record's column when set
    const char* text = nullptr;        // compared with the decoded text when set
    Delivery    delivery = Delivery::Any;
    bool        optional = false;      // may be absent
};

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
inline Expected WithLParam(Expected e, LPARAM lParam)
{
    e.checkLParam = true;
    e.lParam = lParam;
    return e;
}
inline Expected Posted(Expected e)
{
    e.delivery = Delivery::Posted;
    return e;
}
inline Expected Sent(Expected e)
{
    e.delivery = Delivery::Sent;
    return e;
}
inline Expected Optional(Expected e)
{
    e.optional = true;
    return e;
}

// Readable name of a message (registered messages by their registration string).
std::string MessageName(UINT message);

// Compares a recorded sequence with the expected one, in order, all of it; prints both on a mismatch.
::testing::AssertionResult MatchSequence(const std::vector<RecordedMessage>& actual, std::initializer_list<Expected> expected);

// Top-level MFC window that records the messages it is told to watch (all registered messages by
// default), sent or posted, optionally answers them, and compares whole sequences.
class CRecorderWnd : public CWnd
{
public:
    CRecorderWnd();
    ~CRecorderWnd() override;

    // Creates the visible top-level window (client area of the given size).
    BOOL CreateParent(int cx = 640, int cy = 480, LPCSTR title = "QELTest");

    void Watch(UINT message) { m_watched.insert(message); }
    void WatchNotify(bool watch) { m_watchNotify = watch; }     // WM_NOTIFY codes are kept in wParam field
    void WatchCommand(bool watch) { m_watchCommand = watch; }
    void SetDecoder(UINT message, RecordDecoder decoder) { m_decoders[message] = std::move(decoder); }
    void SetAnswer(UINT message, MessageAnswer answer) { m_answers[message] = std::move(answer); }
    void SetAnswer(UINT message, LRESULT result);
    void ClearAnswers() { m_answers.clear(); }

    void Flush() { m_messages.clear(); }
    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    std::vector<RecordedMessage> MessagesOf(UINT message) const;
    int Count(UINT message) const;

    // Compares the recorded sequence with the expected one, in order, all of it.
    ::testing::AssertionResult Matches(std::initializer_list<Expected> expected) const;

    // Records a watched message that reached `hwndTo` (this window, or a window handing its messages on to
    // this one) and answers it; this window's normal processing answers what no answer handles.
    LRESULT Receive(HWND hwndTo, UINT message, WPARAM wParam, LPARAM lParam);

    // Row and column of a decoded record (for Expected::nItem / nSubItem); set by the library decoders.
    static std::function<bool(const RecordedMessage&, int&, int&)> s_cellOf;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsWatched(UINT message) const;

    std::vector<RecordedMessage>       m_messages;
    std::set<UINT>                     m_watched;
    std::map<UINT, RecordDecoder>      m_decoders;
    std::map<UINT, MessageAnswer>      m_answers;
    bool                               m_watchNotify = false;
    bool                               m_watchCommand = false;
};

// ---- In-memory dialog templates -------------------------------------------------------------------

// Builds a DLGTEMPLATE with controls in memory, for CDialog::InitModalIndirect / CreateIndirect.
class CDialogTemplate
{
public:
    CDialogTemplate(LPCSTR caption, int cx, int cy, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME);
    // Adds a control by window class name, in dialog units.
    void AddControl(LPCSTR className, LPCSTR text, UINT id, int x, int y, int cx, int cy, DWORD style);
    LPCDLGTEMPLATE Get();

private:
    void AlignToDword();
    void AppendWord(WORD w);
    void AppendString(LPCSTR text);

    std::vector<WORD> m_data;
    size_t            m_countOffset;
};

} // namespace qeltest
