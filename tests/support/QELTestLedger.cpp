// Resource ledger: import hooks in the library modules that record acquisitions and releases and inject
// failures.
#include "QELTestLedger.h"

#include "QELTestImportPatch.h"

#include <algorithm>
#include <map>
#include <new>
#include <sstream>
#include <unordered_map>
#include <utility>

namespace qeltest {

namespace {

// ---- Recorded state ------------------------------------------------------------------------------------

enum class Kind { Heap, Gdi, Dc, Window, Menu, Timer, Global };

const char* KindName(Kind kind)
{
    switch (kind)
    {
    case Kind::Heap:   return "heap block";
    case Kind::Gdi:    return "GDI object";
    case Kind::Dc:     return "DC";
    case Kind::Window: return "window";
    case Kind::Menu:   return "menu";
    case Kind::Timer:  return "timer";
    case Kind::Global: return "global block";
    }
    return "?";
}

struct Entry
{
    Kind               kind;
    const char*        function;
    size_t             size;      // bytes of a heap block, 0 otherwise
    unsigned long long sequence;
};

using TimerKey = std::pair<HWND, UINT_PTR>;

struct ModuleRange
{
    UINT_PTR begin;
    UINT_PTR end;
};

// Shared by the hooks, which are plain functions. Guarded by `lock`; `busy` marks that this thread is
// inside the ledger already (its own containers allocate through hooked imports of the test program).
struct LedgerState
{
    CRITICAL_SECTION                        lock;
    bool                                    installed = false;
    bool                                    busy = false;
    std::unordered_map<UINT_PTR, Entry>     heap;
    std::unordered_map<UINT_PTR, Entry>     handles;    // GDI objects, DCs, windows, menus, global blocks
    std::map<TimerKey, Entry>               timers;
    size_t                                  pruneAt = 0;  // records of handles and timers that start a prune
    std::vector<ModuleRange>                libraries;  // code ranges of the library modules
    unsigned long long                      sequence = 0;
    int                                     globalLocks = 0;
    int                                     clipboardOpen = 0;
    int                                     modules = 0;
    std::map<std::string, int>              calls;
    int                                     failAllocationAt = 0;   // countdown, 0 when disarmed
    ModuleRange                             failAllocationIn{0, 0}; // caller range counted; empty: any library
    std::string                             failFunction;
    int                                     failFunctionAt = 0;
    int                                     faults = 0;
    const char*                             lastFault = "";
};

// Never destroyed: hooks left in place by a patch installed over the ledger may still run at exit.
LedgerState& State()
{
    static LedgerState* s_pState = [] {
        LedgerState* pState = new LedgerState;
        ::InitializeCriticalSection(&pState->lock);
        return pState;
    }();
    return *s_pState;
}

// Holds the ledger's lock; Active() is false outside an installed ledger and on re-entry from the
// ledger's own work, where hooks only pass the call on.
class CLedgerScope
{
public:
    CLedgerScope() : m_state(State())
    {
        ::EnterCriticalSection(&m_state.lock);
        m_active = m_state.installed && !m_state.busy;
        if (m_active)
            m_state.busy = true;
    }
    ~CLedgerScope()
    {
        if (m_active)
            m_state.busy = false;
        ::LeaveCriticalSection(&m_state.lock);
    }
    CLedgerScope(const CLedgerScope&) = delete;
    CLedgerScope& operator=(const CLedgerScope&) = delete;

    bool Active() const { return m_active; }
    LedgerState& Get() { return m_state; }
    LedgerState* operator->() { return &m_state; }

private:
    LedgerState& m_state;
    bool         m_active = false;
};

bool FromLibrary(const LedgerState& state, const void* pReturn)
{
    const UINT_PTR address = reinterpret_cast<UINT_PTR>(pReturn);
    return std::any_of(state.libraries.begin(), state.libraries.end(),
                       [address](const ModuleRange& r) { return address >= r.begin && address < r.end; });
}

// Each helper below takes the ledger's lock for its own bookkeeping only: the hooks call the real
// function without it, as that call may run window procedures that allocate and release in turn.

// Counts a call of the library modules and tells whether it is the one that must fail.
bool CountCall(const char* pszFunction, const void* pReturn, const char* pszDetail = nullptr)
{
    CLedgerScope scope;
    if (!scope.Active() || !FromLibrary(scope.Get(), pReturn))
        return false;
    std::string name = pszFunction;
    ++scope->calls[name];
    if (pszDetail != nullptr)
        ++scope->calls[name + "(" + pszDetail + ")"];
    if (scope->failFunctionAt == 0)
        return false;
    const bool match = scope->failFunction == name
        || (pszDetail != nullptr && scope->failFunction == name + "(" + pszDetail + ")");
    if (!match || --scope->failFunctionAt != 0)
        return false;
    ++scope->faults;
    scope->lastFault = pszFunction;
    return true;
}

bool CountAllocation(const char* pszFunction, const void* pReturn)
{
    CLedgerScope scope;
    if (!scope.Active() || !FromLibrary(scope.Get(), pReturn))
        return false;
    ++scope->calls["alloc"];
    ++scope->calls[pszFunction];
    const ModuleRange& range = scope->failAllocationIn;
    const UINT_PTR address = reinterpret_cast<UINT_PTR>(pReturn);
    if (range.end != 0 && (address < range.begin || address >= range.end))
        return false;
    if (scope->failAllocationAt == 0 || --scope->failAllocationAt != 0)
        return false;
    ++scope->faults;
    scope->lastFault = pszFunction;
    return true;
}

void AddHeap(const void* p, size_t size, const char* pszFunction)
{
    CLedgerScope scope;
    if (scope.Active() && p != nullptr)
        scope->heap[reinterpret_cast<UINT_PTR>(p)] = Entry{Kind::Heap, pszFunction, size, ++scope->sequence};
}

void RemoveHeap(const void* p)
{
    CLedgerScope scope;
    if (scope.Active() && p != nullptr)
        scope->heap.erase(reinterpret_cast<UINT_PTR>(p));
}

bool IsHeapTracked(const void* p)
{
    CLedgerScope scope;
    return scope.Active() && scope->heap.count(reinterpret_cast<UINT_PTR>(p)) != 0;
}

void PruneWhenGrown(LedgerState& state);

void AddHandle(Kind kind, const void* h, const char* pszFunction)
{
    CLedgerScope scope;
    if (scope.Active() && h != nullptr)
    {
        scope->handles[reinterpret_cast<UINT_PTR>(h)] = Entry{kind, pszFunction, 0, ++scope->sequence};
        PruneWhenGrown(scope.Get());
    }
}

void RemoveHandle(const void* h)
{
    CLedgerScope scope;
    if (scope.Active())
        scope->handles.erase(reinterpret_cast<UINT_PTR>(h));
}

void AddTimer(HWND hwnd, UINT_PTR nId)
{
    CLedgerScope scope;
    if (scope.Active())
    {
        scope->timers[TimerKey(hwnd, nId)] = Entry{Kind::Timer, "SetTimer", 0, ++scope->sequence};
        PruneWhenGrown(scope.Get());
    }
}

void RemoveTimer(HWND hwnd, UINT_PTR nId)
{
    CLedgerScope scope;
    if (scope.Active())
        scope->timers.erase(TimerKey(hwnd, nId));
}

// Adds delta to one of the balance counters (open clipboard, global locks, loaded modules).
void Adjust(int LedgerState::*pCounter, int delta)
{
    CLedgerScope scope;
    if (scope.Active())
        scope.Get().*pCounter += delta;
}

bool StillExists(const Entry& e, UINT_PTR handle)
{
    switch (e.kind)
    {
    case Kind::Gdi:    return ::GetObjectType(reinterpret_cast<HGDIOBJ>(handle)) != 0;
    case Kind::Window: return ::IsWindow(reinterpret_cast<HWND>(handle)) != FALSE;
    case Kind::Menu:   return ::IsMenu(reinterpret_cast<HMENU>(handle)) != FALSE;
    default:           return true;
    }
}

// Forgets windows, menus and GDI objects that went away without a hooked call (children destroyed with
// their parent, objects deleted by the test program) and timers of destroyed windows.
void Prune(LedgerState& state)
{
    for (auto it = state.handles.begin(); it != state.handles.end();)
        it = StillExists(it->second, it->first) ? std::next(it) : state.handles.erase(it);
    for (auto it = state.timers.begin(); it != state.timers.end();)
        it = ::IsWindow(it->first.first) ? std::next(it) : state.timers.erase(it);
}

// Prunes whenever the records have doubled since the last prune, so that the ledger's own memory follows what
// is alive: a window of the library that its parent took along leaves no hooked call, and its record would
// stay until the next snapshot however many such windows came and went.
void PruneWhenGrown(LedgerState& state)
{
    const size_t kMinimum = 64;
    if (state.handles.size() + state.timers.size() < std::max(kMinimum, state.pruneAt))
        return;
    Prune(state);
    state.pruneAt = 2 * (state.handles.size() + state.timers.size());
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hwnd, CountChild, lParam);
    return TRUE;
}

// ---- Real functions ------------------------------------------------------------------------------------

template <typename F>
F Resolve(const char* pszModule, const char* pszFunction)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA(pszModule), pszFunction)));
}

// The exported function itself, looked up once per hook.
#define QEL_REAL(F, dll, name) ([]() -> F { static const F s_pfn = Resolve<F>(dll, name); return s_pfn; }())

#ifdef _WIN64
#define QEL_SIZE "y"
#else
#define QEL_SIZE "j"
#endif

const char kNew[] = "_Znw" QEL_SIZE;
const char kNewArray[] = "_Zna" QEL_SIZE;
const char kNewNothrow[] = "_Znw" QEL_SIZE "RKSt9nothrow_t";
const char kNewArrayNothrow[] = "_Zna" QEL_SIZE "RKSt9nothrow_t";
const char kDelete[] = "_ZdlPv";
const char kDeleteArray[] = "_ZdaPv";
const char kDeleteSized[] = "_ZdlPv" QEL_SIZE;
const char kDeleteArraySized[] = "_ZdaPv" QEL_SIZE;
const char kDeleteNothrow[] = "_ZdlPvRKSt9nothrow_t";
const char kDeleteArrayNothrow[] = "_ZdaPvRKSt9nothrow_t";

const char kCrt[] = "msvcrt.dll";
const char kCxx[] = "libstdc++-6.dll";
const char kGdi[] = "gdi32.dll";
const char kUser[] = "user32.dll";
const char kKernel[] = "kernel32.dll";

// Functions hooked in both their ANSI and wide forms, by one template each.
const char kCreateDCA[] = "CreateDCA", kCreateDCW[] = "CreateDCW";
const char kCreateICA[] = "CreateICA", kCreateICW[] = "CreateICW";
const char kCreateWindowExA[] = "CreateWindowExA", kCreateWindowExW[] = "CreateWindowExW";
const char kCreateDialogA[] = "CreateDialogIndirectParamA", kCreateDialogW[] = "CreateDialogIndirectParamW";
const char kGetSystemDirectoryA[] = "GetSystemDirectoryA", kGetSystemDirectoryW[] = "GetSystemDirectoryW";
const char kLoadLibraryA[] = "LoadLibraryA", kLoadLibraryW[] = "LoadLibraryW";

// ---- Heap hooks ----------------------------------------------------------------------------------------

using PfnMalloc = void* (__cdecl*)(size_t);
using PfnCalloc = void* (__cdecl*)(size_t, size_t);
using PfnRealloc = void* (__cdecl*)(void*, size_t);
using PfnFree = void (__cdecl*)(void*);
using PfnStrdup = char* (__cdecl*)(const char*);
using PfnNewNothrow = void* (*)(size_t, const std::nothrow_t&);
using PfnDeleteSized = void (*)(void*, size_t);
using PfnDeleteNothrow = void (*)(void*, const std::nothrow_t&);

void* __cdecl HookMalloc(size_t size)
{
    if (CountAllocation("malloc", __builtin_return_address(0)))
        return nullptr;
    void* p = QEL_REAL(PfnMalloc, kCrt, "malloc")(size);
    AddHeap(p, size, "malloc");
    return p;
}

void* __cdecl HookCalloc(size_t count, size_t size)
{
    if (CountAllocation("calloc", __builtin_return_address(0)))
        return nullptr;
    void* p = QEL_REAL(PfnCalloc, kCrt, "calloc")(count, size);
    AddHeap(p, count * size, "calloc");
    return p;
}

void* __cdecl HookRealloc(void* pOld, size_t size)
{
    if (CountAllocation("realloc", __builtin_return_address(0)))
        return nullptr;   // the old block stays valid, as after a real failure
    const bool tracked = IsHeapTracked(pOld);
    void* p = QEL_REAL(PfnRealloc, kCrt, "realloc")(pOld, size);
    if (p != nullptr || size == 0)
        RemoveHeap(pOld);
    // A block that grew from one allocated before the ledger is not the library's new holding.
    if (pOld == nullptr || tracked)
        AddHeap(p, size, "realloc");
    return p;
}

void __cdecl HookFree(void* p)
{
    RemoveHeap(p);
    QEL_REAL(PfnFree, kCrt, "free")(p);
}

char* __cdecl HookStrdup(const char* psz)
{
    if (CountAllocation("_strdup", __builtin_return_address(0)))
        return nullptr;
    char* p = QEL_REAL(PfnStrdup, kCrt, "_strdup")(psz);
    AddHeap(p, p != nullptr ? strlen(p) + 1 : 0, "_strdup");
    return p;
}

template <const char* Name>
void* HookNew(size_t size)
{
    if (CountAllocation(Name, __builtin_return_address(0)))
        throw std::bad_alloc();
    void* p = QEL_REAL(PfnMalloc, kCxx, Name)(size);
    AddHeap(p, size, Name);
    return p;
}

template <const char* Name>
void* HookNewNothrow(size_t size, const std::nothrow_t& tag)
{
    if (CountAllocation(Name, __builtin_return_address(0)))
        return nullptr;
    void* p = QEL_REAL(PfnNewNothrow, kCxx, Name)(size, tag);
    AddHeap(p, size, Name);
    return p;
}

template <const char* Name>
void HookDelete(void* p)
{
    RemoveHeap(p);
    QEL_REAL(PfnFree, kCxx, Name)(p);
}

template <const char* Name>
void HookDeleteSized(void* p, size_t size)
{
    RemoveHeap(p);
    QEL_REAL(PfnDeleteSized, kCxx, Name)(p, size);
}

template <const char* Name>
void HookDeleteNothrow(void* p, const std::nothrow_t& tag)
{
    RemoveHeap(p);
    QEL_REAL(PfnDeleteNothrow, kCxx, Name)(p, tag);
}

// ---- GDI hooks -----------------------------------------------------------------------------------------

// A GDI creator: fails on request, records the object it made.
#define QEL_GDI_CREATOR(Ret, Name, Params, Args)                                          \
    Ret WINAPI Hook##Name Params                                                          \
    {                                                                                     \
        if (CountCall(#Name, __builtin_return_address(0)))                         \
            return NULL;                                                                  \
        const Ret hMade = QEL_REAL(decltype(&::Name), kGdi, #Name) Args;                  \
        AddHandle(Kind::Gdi, hMade, #Name);                                        \
        return hMade;                                                                     \
    }

QEL_GDI_CREATOR(HBITMAP, CreateBitmap, (int cx, int cy, UINT planes, UINT bits, const void* pBits), (cx, cy, planes, bits, pBits))
QEL_GDI_CREATOR(HBITMAP, CreateBitmapIndirect, (const BITMAP* pbm), (pbm))
QEL_GDI_CREATOR(HBITMAP, CreateCompatibleBitmap, (HDC hdc, int cx, int cy), (hdc, cx, cy))
QEL_GDI_CREATOR(HBITMAP, CreateDiscardableBitmap, (HDC hdc, int cx, int cy), (hdc, cx, cy))
QEL_GDI_CREATOR(HBRUSH, CreateBrushIndirect, (const LOGBRUSH* plb), (plb))
QEL_GDI_CREATOR(HBRUSH, CreateDIBPatternBrushPt, (const void* pPacked, UINT usage), (pPacked, usage))
QEL_GDI_CREATOR(HBRUSH, CreateHatchBrush, (int style, COLORREF cr), (style, cr))
QEL_GDI_CREATOR(HBRUSH, CreatePatternBrush, (HBITMAP hbm), (hbm))
QEL_GDI_CREATOR(HBRUSH, CreateSolidBrush, (COLORREF cr), (cr))
QEL_GDI_CREATOR(HPEN, CreatePen, (int style, int width, COLORREF cr), (style, width, cr))
QEL_GDI_CREATOR(HPEN, CreatePenIndirect, (const LOGPEN* plp), (plp))
QEL_GDI_CREATOR(HPEN, ExtCreatePen, (DWORD style, DWORD width, const LOGBRUSH* plb, DWORD count, const DWORD* pStyle),
                (style, width, plb, count, pStyle))
QEL_GDI_CREATOR(HFONT, CreateFontIndirectA, (const LOGFONTA* plf), (plf))
QEL_GDI_CREATOR(HFONT, CreateFontIndirectW, (const LOGFONTW* plf), (plf))
QEL_GDI_CREATOR(HFONT, CreateFontA,
                (int h, int w, int esc, int orient, int weight, DWORD italic, DWORD underline, DWORD strike,
                 DWORD charset, DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitch, LPCSTR face),
                (h, w, esc, orient, weight, italic, underline, strike, charset, outPrecision, clipPrecision, quality,
                 pitch, face))
QEL_GDI_CREATOR(HRGN, CreateEllipticRgn, (int l, int t, int r, int b), (l, t, r, b))
QEL_GDI_CREATOR(HRGN, CreateEllipticRgnIndirect, (const RECT* prc), (prc))
QEL_GDI_CREATOR(HRGN, CreatePolygonRgn, (const POINT* ppt, int count, int mode), (ppt, count, mode))
QEL_GDI_CREATOR(HRGN, CreatePolyPolygonRgn, (const POINT* ppt, const INT* pc, int count, int mode), (ppt, pc, count, mode))
QEL_GDI_CREATOR(HRGN, CreateRectRgn, (int l, int t, int r, int b), (l, t, r, b))
QEL_GDI_CREATOR(HRGN, CreateRectRgnIndirect, (const RECT* prc), (prc))
QEL_GDI_CREATOR(HRGN, CreateRoundRectRgn, (int l, int t, int r, int b, int w, int h), (l, t, r, b, w, h))
QEL_GDI_CREATOR(HRGN, ExtCreateRegion, (const XFORM* px, DWORD count, const RGNDATA* pData), (px, count, pData))

#undef QEL_GDI_CREATOR

BOOL WINAPI HookDeleteObject(HGDIOBJ h)
{
    CountCall("DeleteObject", __builtin_return_address(0));
    const BOOL ok = QEL_REAL(decltype(&::DeleteObject), kGdi, "DeleteObject")(h);
    if (ok)
        RemoveHandle(h);
    return ok;
}

HDC WINAPI HookCreateCompatibleDC(HDC hdc)
{
    if (CountCall("CreateCompatibleDC", __builtin_return_address(0)))
        return NULL;
    const HDC h = QEL_REAL(decltype(&::CreateCompatibleDC), kGdi, "CreateCompatibleDC")(hdc);
    AddHandle(Kind::Dc, h, "CreateCompatibleDC");
    return h;
}

// CreateDC and CreateIC in either form.
template <const char* Name, typename Char, typename DevMode>
HDC WINAPI HookCreateDC(const Char* pszDriver, const Char* pszDevice, const Char* pszPort, const DevMode* pdm)
{
    if (CountCall(Name, __builtin_return_address(0)))
        return NULL;
    using Pfn = HDC(WINAPI*)(const Char*, const Char*, const Char*, const DevMode*);
    const HDC h = QEL_REAL(Pfn, kGdi, Name)(pszDriver, pszDevice, pszPort, pdm);
    AddHandle(Kind::Dc, h, Name);
    return h;
}

BOOL WINAPI HookDeleteDC(HDC hdc)
{
    CountCall("DeleteDC", __builtin_return_address(0));
    const BOOL ok = QEL_REAL(decltype(&::DeleteDC), kGdi, "DeleteDC")(hdc);
    if (ok)
        RemoveHandle(hdc);
    return ok;
}

// ---- User hooks ----------------------------------------------------------------------------------------

HDC WINAPI HookGetDC(HWND hwnd)
{
    if (CountCall("GetDC", __builtin_return_address(0)))
        return NULL;
    const HDC h = QEL_REAL(decltype(&::GetDC), kUser, "GetDC")(hwnd);
    AddHandle(Kind::Dc, h, "GetDC");
    return h;
}

HDC WINAPI HookGetWindowDC(HWND hwnd)
{
    if (CountCall("GetWindowDC", __builtin_return_address(0)))
        return NULL;
    const HDC h = QEL_REAL(decltype(&::GetWindowDC), kUser, "GetWindowDC")(hwnd);
    AddHandle(Kind::Dc, h, "GetWindowDC");
    return h;
}

int WINAPI HookReleaseDC(HWND hwnd, HDC hdc)
{
    CountCall("ReleaseDC", __builtin_return_address(0));
    RemoveHandle(hdc);
    return QEL_REAL(decltype(&::ReleaseDC), kUser, "ReleaseDC")(hwnd, hdc);
}

HDC WINAPI HookBeginPaint(HWND hwnd, LPPAINTSTRUCT pps)
{
    CountCall("BeginPaint", __builtin_return_address(0));
    const HDC h = QEL_REAL(decltype(&::BeginPaint), kUser, "BeginPaint")(hwnd, pps);
    AddHandle(Kind::Dc, h, "BeginPaint");
    return h;
}

BOOL WINAPI HookEndPaint(HWND hwnd, const PAINTSTRUCT* pps)
{
    CountCall("EndPaint", __builtin_return_address(0));
    if (pps != nullptr)
        RemoveHandle(pps->hdc);
    return QEL_REAL(decltype(&::EndPaint), kUser, "EndPaint")(hwnd, pps);
}

template <const char* Name, typename Char>
HWND WINAPI HookCreateWindowEx(DWORD exStyle, const Char* pszClass, const Char* pszName, DWORD style, int x, int y,
                               int cx, int cy, HWND hwndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID pParam)
{
    if (CountCall(Name, __builtin_return_address(0)))
    {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    using Pfn = HWND(WINAPI*)(DWORD, const Char*, const Char*, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE, LPVOID);
    const HWND h = QEL_REAL(Pfn, kUser, Name)(exStyle, pszClass, pszName, style, x, y, cx, cy, hwndParent, hMenu,
                                              hInstance, pParam);
    AddHandle(Kind::Window, h, Name);
    return h;
}

// Both forms take the same template structure.
template <const char* Name>
HWND WINAPI HookCreateDialogIndirectParam(HINSTANCE hInstance, LPCDLGTEMPLATE pTemplate, HWND hwndParent,
                                          DLGPROC pfnDialog, LPARAM lInit)
{
    if (CountCall(Name, __builtin_return_address(0)))
        return NULL;
    const HWND h = QEL_REAL(decltype(&::CreateDialogIndirectParamW), kUser, Name)(hInstance, pTemplate, hwndParent,
                                                                                  pfnDialog, lInit);
    AddHandle(Kind::Window, h, Name);
    return h;
}

BOOL WINAPI HookDestroyWindow(HWND hwnd)
{
    CountCall("DestroyWindow", __builtin_return_address(0));
    return QEL_REAL(decltype(&::DestroyWindow), kUser, "DestroyWindow")(hwnd);
}

HMENU WINAPI HookCreatePopupMenu()
{
    if (CountCall("CreatePopupMenu", __builtin_return_address(0)))
        return NULL;
    const HMENU h = QEL_REAL(decltype(&::CreatePopupMenu), kUser, "CreatePopupMenu")();
    AddHandle(Kind::Menu, h, "CreatePopupMenu");
    return h;
}

HMENU WINAPI HookCreateMenu()
{
    if (CountCall("CreateMenu", __builtin_return_address(0)))
        return NULL;
    const HMENU h = QEL_REAL(decltype(&::CreateMenu), kUser, "CreateMenu")();
    AddHandle(Kind::Menu, h, "CreateMenu");
    return h;
}

BOOL WINAPI HookDestroyMenu(HMENU hMenu)
{
    CountCall("DestroyMenu", __builtin_return_address(0));
    const BOOL ok = QEL_REAL(decltype(&::DestroyMenu), kUser, "DestroyMenu")(hMenu);
    if (ok)
        RemoveHandle(hMenu);
    return ok;
}

UINT_PTR WINAPI HookSetTimer(HWND hwnd, UINT_PTR nId, UINT elapse, TIMERPROC pfnTimer)
{
    if (CountCall("SetTimer", __builtin_return_address(0)))
        return 0;
    const UINT_PTR id = QEL_REAL(decltype(&::SetTimer), kUser, "SetTimer")(hwnd, nId, elapse, pfnTimer);
    if (id != 0)
        AddTimer(hwnd, hwnd != NULL ? nId : id);
    return id;
}

BOOL WINAPI HookKillTimer(HWND hwnd, UINT_PTR nId)
{
    CountCall("KillTimer", __builtin_return_address(0));
    RemoveTimer(hwnd, nId);
    return QEL_REAL(decltype(&::KillTimer), kUser, "KillTimer")(hwnd, nId);
}

BOOL WINAPI HookOpenClipboard(HWND hwnd)
{
    if (CountCall("OpenClipboard", __builtin_return_address(0)))
    {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    const BOOL ok = QEL_REAL(decltype(&::OpenClipboard), kUser, "OpenClipboard")(hwnd);
    if (ok)
        Adjust(&LedgerState::clipboardOpen, 1);
    return ok;
}

BOOL WINAPI HookCloseClipboard()
{
    CountCall("CloseClipboard", __builtin_return_address(0));
    const BOOL ok = QEL_REAL(decltype(&::CloseClipboard), kUser, "CloseClipboard")();
    if (ok)
        Adjust(&LedgerState::clipboardOpen, -1);
    return ok;
}

BOOL WINAPI HookEmptyClipboard()
{
    if (CountCall("EmptyClipboard", __builtin_return_address(0)))
        return FALSE;
    return QEL_REAL(decltype(&::EmptyClipboard), kUser, "EmptyClipboard")();
}

HANDLE WINAPI HookSetClipboardData(UINT format, HANDLE hMem)
{
    if (CountCall("SetClipboardData", __builtin_return_address(0)))
        return NULL;
    const HANDLE h = QEL_REAL(decltype(&::SetClipboardData), kUser, "SetClipboardData")(format, hMem);
    if (h != NULL)
        RemoveHandle(hMem);   // the clipboard owns the block now
    return h;
}

// ---- Kernel hooks --------------------------------------------------------------------------------------

HGLOBAL WINAPI HookGlobalAlloc(UINT flags, SIZE_T size)
{
    if (CountCall("GlobalAlloc", __builtin_return_address(0)))
    {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return NULL;
    }
    const HGLOBAL h = QEL_REAL(decltype(&::GlobalAlloc), kKernel, "GlobalAlloc")(flags, size);
    AddHandle(Kind::Global, h, "GlobalAlloc");
    return h;
}

HGLOBAL WINAPI HookGlobalFree(HGLOBAL h)
{
    CountCall("GlobalFree", __builtin_return_address(0));
    const HGLOBAL hResult = QEL_REAL(decltype(&::GlobalFree), kKernel, "GlobalFree")(h);
    if (hResult == NULL)
        RemoveHandle(h);
    return hResult;
}

LPVOID WINAPI HookGlobalLock(HGLOBAL h)
{
    if (CountCall("GlobalLock", __builtin_return_address(0)))
        return nullptr;
    void* p = QEL_REAL(decltype(&::GlobalLock), kKernel, "GlobalLock")(h);
    if (p != nullptr)
        Adjust(&LedgerState::globalLocks, 1);
    return p;
}

BOOL WINAPI HookGlobalUnlock(HGLOBAL h)
{
    CountCall("GlobalUnlock", __builtin_return_address(0));
    Adjust(&LedgerState::globalLocks, -1);
    return QEL_REAL(decltype(&::GlobalUnlock), kKernel, "GlobalUnlock")(h);
}

template <const char* Name, typename Char>
UINT WINAPI HookGetSystemDirectory(Char* pszBuffer, UINT nSize)
{
    if (CountCall(Name, __builtin_return_address(0)))
    {
        ::SetLastError(ERROR_PATH_NOT_FOUND);
        return 0;
    }
    using Pfn = UINT(WINAPI*)(Char*, UINT);
    return QEL_REAL(Pfn, kKernel, Name)(pszBuffer, nSize);
}

// The module's name as counted: the ANSI form's own, the wide form's in the ANSI code page.
const char* CountedName(LPCSTR pszName, char*)
{
    return pszName;
}

const char* CountedName(LPCWSTR pszName, char* pszBuffer)
{
    if (pszName == nullptr)
        return nullptr;
    ::WideCharToMultiByte(CP_ACP, 0, pszName, -1, pszBuffer, MAX_PATH, nullptr, nullptr);
    return pszBuffer;
}

template <const char* Name, typename Char>
HMODULE WINAPI HookLoadLibrary(const Char* pszName)
{
    char szName[MAX_PATH] = "";
    if (CountCall(Name, __builtin_return_address(0), CountedName(pszName, szName)))
    {
        ::SetLastError(ERROR_MOD_NOT_FOUND);
        return NULL;
    }
    using Pfn = HMODULE(WINAPI*)(const Char*);
    const HMODULE hModule = QEL_REAL(Pfn, kKernel, Name)(pszName);
    if (hModule != NULL)
        Adjust(&LedgerState::modules, 1);
    return hModule;
}

BOOL WINAPI HookFreeLibrary(HMODULE hModule)
{
    CountCall("FreeLibrary", __builtin_return_address(0));
    const BOOL ok = QEL_REAL(decltype(&::FreeLibrary), kKernel, "FreeLibrary")(hModule);
    if (ok)
        Adjust(&LedgerState::modules, -1);
    return ok;
}

FARPROC WINAPI HookGetProcAddress(HMODULE hModule, LPCSTR pszName)
{
    const bool byName = HIWORD(reinterpret_cast<UINT_PTR>(pszName)) != 0;
    if (CountCall("GetProcAddress", __builtin_return_address(0), byName ? pszName : nullptr))
    {
        ::SetLastError(ERROR_PROC_NOT_FOUND);
        return NULL;
    }
    return QEL_REAL(decltype(&::GetProcAddress), kKernel, "GetProcAddress")(hModule, pszName);
}

// ---- Hook table ----------------------------------------------------------------------------------------

struct Hook
{
    const char* dll;
    const char* function;
    const void* replacement;
    bool        release;   // also hooked in the test program (it may release what the library acquired)
};

template <typename F>
const void* Fn(F pfn)
{
    return reinterpret_cast<const void*>(pfn);
}

#define QEL_HOOK(dll, Name) {dll, #Name, Fn(&Hook##Name), false}
#define QEL_RELEASE(dll, Name) {dll, #Name, Fn(&Hook##Name), true}

const Hook kHooks[] = {
    {kCrt, "malloc", Fn(&HookMalloc), false},
    {kCrt, "calloc", Fn(&HookCalloc), false},
    {kCrt, "realloc", Fn(&HookRealloc), false},
    {kCrt, "_strdup", Fn(&HookStrdup), false},
    {kCrt, "free", Fn(&HookFree), true},
    {kCxx, kNew, Fn(&HookNew<kNew>), false},
    {kCxx, kNewArray, Fn(&HookNew<kNewArray>), false},
    {kCxx, kNewNothrow, Fn(&HookNewNothrow<kNewNothrow>), false},
    {kCxx, kNewArrayNothrow, Fn(&HookNewNothrow<kNewArrayNothrow>), false},
    {kCxx, kDelete, Fn(&HookDelete<kDelete>), true},
    {kCxx, kDeleteArray, Fn(&HookDelete<kDeleteArray>), true},
    {kCxx, kDeleteSized, Fn(&HookDeleteSized<kDeleteSized>), true},
    {kCxx, kDeleteArraySized, Fn(&HookDeleteSized<kDeleteArraySized>), true},
    {kCxx, kDeleteNothrow, Fn(&HookDeleteNothrow<kDeleteNothrow>), true},
    {kCxx, kDeleteArrayNothrow, Fn(&HookDeleteNothrow<kDeleteArrayNothrow>), true},
    QEL_HOOK(kGdi, CreateBitmap),
    QEL_HOOK(kGdi, CreateBitmapIndirect),
    QEL_HOOK(kGdi, CreateCompatibleBitmap),
    QEL_HOOK(kGdi, CreateDiscardableBitmap),
    QEL_HOOK(kGdi, CreateBrushIndirect),
    QEL_HOOK(kGdi, CreateDIBPatternBrushPt),
    QEL_HOOK(kGdi, CreateHatchBrush),
    QEL_HOOK(kGdi, CreatePatternBrush),
    QEL_HOOK(kGdi, CreateSolidBrush),
    QEL_HOOK(kGdi, CreatePen),
    QEL_HOOK(kGdi, CreatePenIndirect),
    QEL_HOOK(kGdi, ExtCreatePen),
    QEL_HOOK(kGdi, CreateFontIndirectA),
    QEL_HOOK(kGdi, CreateFontIndirectW),
    QEL_HOOK(kGdi, CreateFontA),
    QEL_HOOK(kGdi, CreateEllipticRgn),
    QEL_HOOK(kGdi, CreateEllipticRgnIndirect),
    QEL_HOOK(kGdi, CreatePolygonRgn),
    QEL_HOOK(kGdi, CreatePolyPolygonRgn),
    QEL_HOOK(kGdi, CreateRectRgn),
    QEL_HOOK(kGdi, CreateRectRgnIndirect),
    QEL_HOOK(kGdi, CreateRoundRectRgn),
    QEL_HOOK(kGdi, ExtCreateRegion),
    QEL_RELEASE(kGdi, DeleteObject),
    QEL_HOOK(kGdi, CreateCompatibleDC),
    {kGdi, kCreateDCA, Fn(&HookCreateDC<kCreateDCA, char, DEVMODEA>), false},
    {kGdi, kCreateDCW, Fn(&HookCreateDC<kCreateDCW, wchar_t, DEVMODEW>), false},
    {kGdi, kCreateICA, Fn(&HookCreateDC<kCreateICA, char, DEVMODEA>), false},
    {kGdi, kCreateICW, Fn(&HookCreateDC<kCreateICW, wchar_t, DEVMODEW>), false},
    QEL_RELEASE(kGdi, DeleteDC),
    QEL_HOOK(kUser, GetDC),
    QEL_HOOK(kUser, GetWindowDC),
    QEL_RELEASE(kUser, ReleaseDC),
    QEL_HOOK(kUser, BeginPaint),
    QEL_HOOK(kUser, EndPaint),
    {kUser, kCreateWindowExA, Fn(&HookCreateWindowEx<kCreateWindowExA, char>), false},
    {kUser, kCreateWindowExW, Fn(&HookCreateWindowEx<kCreateWindowExW, wchar_t>), false},
    {kUser, kCreateDialogA, Fn(&HookCreateDialogIndirectParam<kCreateDialogA>), false},
    {kUser, kCreateDialogW, Fn(&HookCreateDialogIndirectParam<kCreateDialogW>), false},
    QEL_HOOK(kUser, DestroyWindow),
    QEL_HOOK(kUser, CreatePopupMenu),
    QEL_HOOK(kUser, CreateMenu),
    QEL_RELEASE(kUser, DestroyMenu),
    QEL_HOOK(kUser, SetTimer),
    QEL_HOOK(kUser, KillTimer),
    QEL_HOOK(kUser, OpenClipboard),
    QEL_HOOK(kUser, CloseClipboard),
    QEL_HOOK(kUser, EmptyClipboard),
    QEL_HOOK(kUser, SetClipboardData),
    QEL_HOOK(kKernel, GlobalAlloc),
    QEL_RELEASE(kKernel, GlobalFree),
    QEL_HOOK(kKernel, GlobalLock),
    QEL_HOOK(kKernel, GlobalUnlock),
    {kKernel, kGetSystemDirectoryA, Fn(&HookGetSystemDirectory<kGetSystemDirectoryA, char>), false},
    {kKernel, kGetSystemDirectoryW, Fn(&HookGetSystemDirectory<kGetSystemDirectoryW, wchar_t>), false},
    {kKernel, kLoadLibraryA, Fn(&HookLoadLibrary<kLoadLibraryA, char>), false},
    {kKernel, kLoadLibraryW, Fn(&HookLoadLibrary<kLoadLibraryW, wchar_t>), false},
    QEL_HOOK(kKernel, FreeLibrary),
    QEL_HOOK(kKernel, GetProcAddress),
};

#undef QEL_HOOK
#undef QEL_RELEASE

// The binaries of a Unicode build carry the suffix U.
#ifdef _UNICODE
#define QEL_LIBRARY_FILE(name) name "U.dll"
#else
#define QEL_LIBRARY_FILE(name) name ".dll"
#endif
const char* const kLibraryModules[] = {QEL_LIBRARY_FILE("QELCtrl"), QEL_LIBRARY_FILE("QELAfx"), QEL_LIBRARY_FILE("QELDC"),
                                       QEL_LIBRARY_FILE("QELStdWin"), QEL_LIBRARY_FILE("QELStd")};
#undef QEL_LIBRARY_FILE

ModuleRange RangeOf(HMODULE hModule)
{
    const BYTE* pBase = reinterpret_cast<const BYTE*>(hModule);
    const IMAGE_NT_HEADERS* pNt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
    const UINT_PTR begin = reinterpret_cast<UINT_PTR>(pBase);
    return ModuleRange{begin, begin + pNt->OptionalHeader.SizeOfImage};
}

} // namespace

// ---- Snapshots -----------------------------------------------------------------------------------------

std::string Difference(const LedgerSnapshot& before, const LedgerSnapshot& after, bool withThreadWindows)
{
    std::ostringstream out;
    auto field = [&out](const char* pszName, long long delta) {
        if (delta == 0)
            return;
        if (out.tellp() > 0)
            out << ", ";
        out << pszName << ' ' << (delta > 0 ? "+" : "") << delta;
    };
    field("heap blocks", after.heapBlocks - before.heapBlocks);
    if (after.heapBytes != before.heapBytes)
        out << " (" << (after.heapBytes > before.heapBytes ? "+" : "") << after.heapBytes - before.heapBytes << " bytes)";
    field("GDI objects", after.gdiObjects - before.gdiObjects);
    field("DCs", after.dcs - before.dcs);
    field("windows", after.windows - before.windows);
    if (withThreadWindows)
        field("thread windows", after.threadWindows - before.threadWindows);
    field("menus", after.menus - before.menus);
    field("timers", after.timers - before.timers);
    field("global blocks", after.globalBlocks - before.globalBlocks);
    field("global locks", after.globalLocks - before.globalLocks);
    field("open clipboard", after.clipboardOpen - before.clipboardOpen);
    field("loaded modules", after.modules - before.modules);
    return out.str();
}

CLedger::CLedger()
{
    {
        CLedgerScope scope;
        LedgerState& state = scope.Get();
        state.libraries.clear();
        for (const char* pszModule : kLibraryModules)
            if (HMODULE hModule = ::GetModuleHandleA(pszModule))
                state.libraries.push_back(RangeOf(hModule));
    }
    const HMODULE hProgram = ::GetModuleHandleA(nullptr);
    for (const Hook& hook : kHooks)
    {
        for (const char* pszModule : kLibraryModules)
            if (HMODULE hModule = ::GetModuleHandleA(pszModule))
                m_patches.push_back(std::make_unique<CImportPatch>(hModule, hook.function, hook.replacement, hook.dll));
        if (hook.release)
            m_patches.push_back(std::make_unique<CImportPatch>(hProgram, hook.function, hook.replacement, hook.dll));
    }
    CLedgerScope scope;
    scope->installed = true;
}

CLedger::~CLedger()
{
    {
        CLedgerScope scope;
        LedgerState& state = scope.Get();
        state.installed = false;
        state.heap.clear();
        state.handles.clear();
        state.timers.clear();
        state.pruneAt = 0;
        state.calls.clear();
        state.globalLocks = 0;
        state.clipboardOpen = 0;
        state.modules = 0;
        state.failAllocationAt = 0;
        state.failFunctionAt = 0;
        state.faults = 0;
        state.lastFault = "";
    }
    m_patches.clear();
}

LedgerSnapshot CLedger::Snapshot() const
{
    LedgerSnapshot snap;
    {
        CLedgerScope scope;
        LedgerState& state = scope.Get();
        Prune(state);
        for (const auto& block : state.heap)
        {
            ++snap.heapBlocks;
            snap.heapBytes += static_cast<long long>(block.second.size);
        }
        for (const auto& handle : state.handles)
        {
            switch (handle.second.kind)
            {
            case Kind::Gdi:    ++snap.gdiObjects; break;
            case Kind::Dc:     ++snap.dcs; break;
            case Kind::Window: ++snap.windows; break;
            case Kind::Menu:   ++snap.menus; break;
            case Kind::Global: ++snap.globalBlocks; break;
            default:           break;
            }
        }
        snap.timers = static_cast<int>(state.timers.size());
        snap.globalLocks = state.globalLocks;
        snap.clipboardOpen = state.clipboardOpen;
        snap.modules = state.modules;
        snap.sequence = state.sequence;
    }
    ::EnumThreadWindows(::GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&snap.threadWindows));
    return snap;
}

std::string CLedger::Leaks(const LedgerSnapshot& since) const
{
    std::vector<std::pair<unsigned long long, std::string>> lines;
    {
        CLedgerScope scope;
        LedgerState& state = scope.Get();
        Prune(state);
        auto add = [&lines, &since](const Entry& e, UINT_PTR key) {
            if (e.sequence <= since.sequence)
                return;
            std::ostringstream line;
            line << KindName(e.kind) << " from " << e.function;
            if (e.kind == Kind::Heap)
                line << ", " << e.size << " bytes";
            else
                line << ", handle 0x" << std::hex << key;
            lines.emplace_back(e.sequence, line.str());
        };
        for (const auto& block : state.heap)
            add(block.second, block.first);
        for (const auto& handle : state.handles)
            add(handle.second, handle.first);
        for (const auto& timer : state.timers)
            add(timer.second, timer.first.second);
    }
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const auto& line : lines)
        text += line.second + "\n";
    return text;
}

void CLedger::FailAllocation(int n, const char* pszModule)
{
    const HMODULE hModule = pszModule != nullptr ? ::GetModuleHandleA(pszModule) : NULL;
    CLedgerScope scope;
    scope->failAllocationAt = n > 0 ? n : 0;
    scope->failAllocationIn = hModule != NULL ? RangeOf(hModule) : ModuleRange{0, 0};
}

void CLedger::FailCall(const char* pszFunction, int n)
{
    CLedgerScope scope;
    State().failFunction = pszFunction;
    State().failFunctionAt = n > 0 ? n : 0;
}

void CLedger::Disarm()
{
    CLedgerScope scope;
    State().failAllocationAt = 0;
    State().failFunctionAt = 0;
}

int CLedger::FaultsInjected() const
{
    CLedgerScope scope;
    return State().faults;
}

std::string CLedger::LastFault() const
{
    CLedgerScope scope;
    return scope->lastFault;
}

int CLedger::Calls(const char* pszFunction) const
{
    CLedgerScope scope;
    const auto it = scope->calls.find(pszFunction);
    return it != scope->calls.end() ? it->second : 0;
}

std::vector<std::string> CLedger::HookedFunctions() const
{
    std::vector<std::string> names;
    for (const Hook& hook : kHooks)
    {
        for (const char* pszModule : kLibraryModules)
        {
            const CImportPatch probe(::GetModuleHandleA(pszModule), hook.function, hook.replacement, hook.dll);
            if (probe.Count() != 0)
            {
                names.emplace_back(hook.function);
                break;
            }
        }
    }
    return names;
}

} // namespace qeltest
