// The visual-style theme against a recording stand-in for UxTheme. The program runs in its own Wine prefix,
// whose system folder holds the full stand-in as this program's UxTheme; another copy lies beside the
// program, where the theme must not look. Variants lacking entry points lie in subfolders: a test presents
// one of them to the control library as the system folder and loads it first to read its record.
#include "ThemeTestSupport.h"
#include "UxThemeStub.h"

#include <memory>
#include <string>

using namespace themetest;
using qeltest::CTestBitmap;

namespace {

const LPCWSTR kOpeningOrder[16] = {
    L"HEADER",   L"TOOLBAR",  L"BUTTON",    L"STATUS",      L"WINDOW",   L"REBAR",      L"COMBOBOX", L"PROGRESS",
    L"SCROLLBAR", L"EXPLORERBAR", L"TREEVIEW", L"STARTPANEL", L"TASKBAND", L"TASKBAR", L"SPIN",      L"TAB",
};

// Position of a class in the stand-in's table (its colour tag is this plus one).
int StubTag(LPCWSTR pszClass)
{
    for (int i = 0; i < 16; ++i)
    {
        if (lstrcmpW(kOpeningOrder[i], pszClass) == 0)
            return i + 1;
    }
    return 0;
}

std::string Narrow(LPCWSTR psz)
{
    std::string s;
    for (; *psz != 0; ++psz)
        s += static_cast<char>(*psz);
    return s;
}

// Folders without the final backslash, as narrow strings in either character set: the tests compare and
// print them, and only the fakes below hand a folder to the library.
std::string ExeFolder()
{
    char szExe[MAX_PATH];
    ::GetModuleFileNameA(NULL, szExe, MAX_PATH);
    const std::string path(szExe);
    return path.substr(0, path.find_last_of("\\/"));
}

std::string SystemFolder()
{
    char szFolder[MAX_PATH];
    ::GetSystemDirectoryA(szFolder, MAX_PATH);
    return szFolder;
}

std::string ModulePath(HMODULE hModule)
{
    char szPath[MAX_PATH];
    ::GetModuleFileNameA(hModule, szPath, MAX_PATH);
    return szPath;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The names under which the control library imports the calls that take text, in the build's character set.
#ifdef _UNICODE
const char kGetSystemDirectory[] = "GetSystemDirectoryW";
const char kLoadLibrary[] = "LoadLibraryW";
#else
const char kGetSystemDirectory[] = "GetSystemDirectoryA";
const char kLoadLibrary[] = "LoadLibraryA";
#endif

// Presents a folder of the test's choosing to the control library as the system folder, for its lifetime.
class CSystemFolder
{
public:
    explicit CSystemFolder(const std::string& folder)
        : m_patch(ControlLibrary(), kGetSystemDirectory, reinterpret_cast<void*>(&FakeGetSystemDirectory))
    {
        s_folder = folder.c_str();
    }
    bool Installed() const { return m_patch.Installed(); }

private:
    // As documented: the length copied, or the size needed (terminator included) when the buffer is too small.
    static UINT WINAPI FakeGetSystemDirectory(LPTSTR pszBuffer, UINT nSize)
    {
        const UINT nLength = static_cast<UINT>(s_folder.GetLength());
        if (nLength >= nSize)
            return nLength + 1;
        lstrcpy(pszBuffer, s_folder);
        return nLength;
    }

    static inline CString s_folder;
    CImportPatch              m_patch;
};

// Every module name that the control library asks LoadLibrary for while it exists.
class CLoadRecorder
{
public:
    CLoadRecorder()
        : m_patch(ControlLibrary(), kLoadLibrary, reinterpret_cast<void*>(&RecordingLoadLibrary))
    {
        s_names.clear();
    }
    const std::vector<std::string>& Names() const { return s_names; }

private:
    static HMODULE WINAPI RecordingLoadLibrary(LPCTSTR pszName)
    {
        s_names.push_back(qeltest::Narrow(pszName));
        return ::LoadLibrary(pszName);
    }

    static inline std::vector<std::string> s_names;
    CImportPatch                           m_patch;
};

class StubUxTheme : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(::GetModuleHandle(_T("uxtheme.dll")) == NULL) << "no UxTheme is loaded between tests";
    }

    void TearDown() override
    {
        m_theme.ClearTheme();
        _gThemeManager.ExInitThemeManager();
        if (m_hStub != NULL)
            ::FreeLibrary(m_hStub);
        EXPECT_TRUE(::GetModuleHandle(_T("uxtheme.dll")) == NULL) << "every reference was released";
    }

    // Loads the stand-in of the system folder, or a variant presented as the system folder, and resets its
    // record.
    void UseStub(const char* pszVariant = nullptr)
    {
        std::string folder = SystemFolder();
        if (pszVariant != nullptr)
        {
            folder = ExeFolder() + "\\" + pszVariant;
            m_pSystemFolder = std::make_unique<CSystemFolder>(folder);
            ASSERT_TRUE(m_pSystemFolder->Installed()) << "the control library asks for the system folder";
        }
        const std::string path = folder + "\\uxtheme.dll";
        m_hStub = ::LoadLibraryA(path.c_str());
        ASSERT_TRUE(m_hStub != NULL) << path;
        PFN_QELStubUxTheme pfnState = reinterpret_cast<PFN_QELStubUxTheme>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hStub, QEL_STUB_CONTROL_NAME)));
        PFN_QELStubUxThemeReset pfnReset = reinterpret_cast<PFN_QELStubUxThemeReset>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hStub, QEL_STUB_RESET_NAME)));
        ASSERT_TRUE(pfnState != NULL && pfnReset != NULL) << path << " is no stand-in: run through ctest, whose "
                                                          << "fixture installs it in this program's own prefix";
        pfnReset();
        m_pStub = pfnState();
    }

    // The recorded calls of one kind.
    std::vector<QELStubCall> Calls(int kind) const
    {
        std::vector<QELStubCall> calls;
        for (int i = 0; i < m_pStub->nCalls && i < QEL_STUB_MAX_CALLS; ++i)
        {
            if (m_pStub->calls[i].kind == kind)
                calls.push_back(m_pStub->calls[i]);
        }
        return calls;
    }

    void Forget() { m_pStub->nCalls = 0; }

    void SetMissing(const wchar_t* pszClasses) { lstrcpynW(m_pStub->szMissingClasses, pszClasses, 512); }

    std::unique_ptr<CSystemFolder> m_pSystemFolder;
    HMODULE                        m_hStub = NULL;
    QELStubState*                  m_pStub = nullptr;
    CTestThemeSystem               m_theme;
};

} // namespace

// ---- Binding and classes ---------------------------------------------------------------------------------

TEST_F(StubUxTheme, BindsTheSystemUxThemeNotTheOneBesideTheProgramAndReleasesIt)
{
    const std::string planted = ExeFolder() + "\\uxtheme.dll";
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(planted.c_str())) << planted;
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    const HMODULE hLoaded = ::GetModuleHandle(_T("uxtheme.dll"));
    ASSERT_TRUE(hLoaded != NULL);
    EXPECT_EQ(hLoaded, m_theme.Module());
    EXPECT_TRUE(SamePath(SystemFolder() + "\\uxtheme.dll", ModulePath(hLoaded))) << ModulePath(hLoaded);
    EXPECT_TRUE(::GetProcAddress(hLoaded, QEL_STUB_CONTROL_NAME) != NULL) << "the stand-in of the system folder";
    EXPECT_EQ(5, m_theme.EntryPointCount());

    m_theme.ClearTheme();
    EXPECT_TRUE(::GetModuleHandle(_T("uxtheme.dll")) == NULL) << "the module was freed";
    EXPECT_TRUE(m_theme.IsAllZero());
}

TEST_F(StubUxTheme, WithoutUxThemeInTheSystemFolderNothingLoadsNotEvenTheOneBesideTheProgram)
{
    struct Case { const char* pszWhat; std::string folder; };
    const Case cases[] = {
        {"no UxTheme there", ExeFolder() + "\\no-such-folder"},
        {"the folder fits, the file name does not", "C:\\" + std::string(MAX_PATH - 8, 'x')},
        {"the folder does not fit", "C:\\" + std::string(MAX_PATH + 20, 'x')},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszWhat);
        CSystemFolder folder(c.folder);
        ASSERT_TRUE(folder.Installed());
        CLoadRecorder loads;
        EXPECT_EQ(FALSE, m_theme.LoadTheme());
        EXPECT_TRUE(m_theme.IsAllZero());
        for (const std::string& name : loads.Names())
            EXPECT_TRUE(SamePath(c.folder + "\\UxTheme.dll", name)) << "only the whole path is tried: " << name;

        CKeepGlobalColors keep;
        _gWindowColor = TellingColors();
        _gThemeManager.InitThemeManager();
        EXPECT_FALSE(_gThemeManager.IsSystemTheme());
        EXPECT_TRUE(SameColors(CQELWindowColor(), _gWindowColor));
    }
}

TEST_F(StubUxTheme, OpensTheSixteenClassesInOrderForTheMainWindowAndClosesThemInOrder)
{
    UseStub();
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, AfxRegisterWndClass(0), _T("main"), WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    CWinThread* pThread = AfxGetThread();
    CWnd* pOldMain = pThread->m_pMainWnd;
    pThread->m_pMainWnd = &main;
    const BOOL bLoaded = m_theme.LoadTheme();
    pThread->m_pMainWnd = pOldMain;
    ASSERT_EQ(TRUE, bLoaded);

    const std::vector<QELStubCall> opens = Calls(QEL_STUB_OPENTHEMEDATA);
    ASSERT_EQ(16u, opens.size());
    EXPECT_EQ(16, m_pStub->nCalls) << "nothing but the opening";
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ(Narrow(kOpeningOrder[i]), Narrow(opens[i].szClass)) << "class " << i;
        EXPECT_EQ(main.GetSafeHwnd(), opens[i].hwnd) << "class " << i;
    }
    EXPECT_EQ(m_theme.Header(), opens[0].hTheme);
    EXPECT_EQ(m_theme.Toolbar(), opens[1].hTheme);
    EXPECT_EQ(m_theme.Button(), opens[2].hTheme);
    EXPECT_EQ(m_theme.ComboBox(), opens[6].hTheme);
    EXPECT_EQ(m_theme.Handles()[2], opens[5].hTheme) << "REBAR, opened sixth, is the third field";
    EXPECT_EQ(16, m_pStub->nOpenHandles);

    Forget();
    m_theme.ClearTheme();
    const std::vector<QELStubCall> closes = Calls(QEL_STUB_CLOSETHEMEDATA);
    ASSERT_EQ(16u, closes.size());
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(opens[i].hTheme, closes[i].hTheme) << "closed in opening order; class " << i;
    EXPECT_EQ(0, m_pStub->nOpenHandles);
    EXPECT_TRUE(m_theme.IsAllZero());

    Forget();
    m_theme.ClearTheme();
    EXPECT_EQ(0, m_pStub->nCalls) << "a second ClearTheme does nothing";
    main.DestroyWindow();
}

TEST_F(StubUxTheme, WithoutMainWindowTheClassesAreOpenedForNoWindow)
{
    UseStub();
    ASSERT_TRUE(AfxGetThread()->GetMainWnd() == NULL);
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    for (const QELStubCall& call : Calls(QEL_STUB_OPENTHEMEDATA))
        EXPECT_TRUE(call.hwnd == NULL);
}

TEST_F(StubUxTheme, MissingClassesStayNullAndAreNotClosed)
{
    UseStub();
    SetMissing(L"TOOLBAR;TAB");
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    const std::vector<HTHEME> handles = m_theme.Handles();
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(i == 1 || i == 15, handles[i] == NULL) << "field " << i;

    Forget();
    m_theme.ClearTheme();
    EXPECT_EQ(14u, Calls(QEL_STUB_CLOSETHEMEDATA).size());
    EXPECT_EQ(0, m_pStub->nOpenHandles);
}

TEST_F(StubUxTheme, NoClassAtAllMeansNotLoaded)
{
    UseStub();
    std::wstring all;
    for (LPCWSTR name : kOpeningOrder)
        all += std::wstring(name) + L";";
    SetMissing(all.c_str());
    EXPECT_EQ(FALSE, m_theme.LoadTheme());
    EXPECT_EQ(FALSE, m_theme.IsLoadTheme());
    EXPECT_TRUE(m_theme.IsAllZero());
    EXPECT_EQ(16u, Calls(QEL_STUB_OPENTHEMEDATA).size());
    EXPECT_EQ(0u, Calls(QEL_STUB_CLOSETHEMEDATA).size());
    // TearDown checks that the theme's reference on the module was released.
}

TEST_F(StubUxTheme, ReloadingClosesEverythingFirst)
{
    UseStub();
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    const HTHEME hHeader = m_theme.Header();
    SetMissing(L"HEADER");
    Forget();
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    EXPECT_EQ(16u, Calls(QEL_STUB_CLOSETHEMEDATA).size());
    ASSERT_GE(m_pStub->nCalls, 17);
    EXPECT_EQ(QEL_STUB_CLOSETHEMEDATA, m_pStub->calls[0].kind);
    EXPECT_EQ(hHeader, m_pStub->calls[0].hTheme);
    EXPECT_EQ(QEL_STUB_OPENTHEMEDATA, m_pStub->calls[16].kind) << "all closed before the first opening";
    EXPECT_TRUE(m_theme.Header() == NULL);
    EXPECT_EQ(15, m_pStub->nOpenHandles);
}

TEST_F(StubUxTheme, WithoutOpenThemeDataNothingLoads)
{
    UseStub("uxtheme-noopen");
    EXPECT_EQ(FALSE, m_theme.LoadTheme());
    EXPECT_EQ(FALSE, m_theme.IsLoadTheme());
    EXPECT_TRUE(m_theme.IsAllZero());
    EXPECT_EQ(0, m_pStub->nCalls);

    EXPECT_EQ(FALSE, m_theme.LoadControl()) << "no entry point to open with";

    CKeepGlobalColors keep;
    _gWindowColor = TellingColors();
    _gThemeManager.InitThemeManager();
    EXPECT_FALSE(_gThemeManager.IsSystemTheme());
    EXPECT_TRUE(SameColors(CQELWindowColor(), _gWindowColor));
}

TEST_F(StubUxTheme, WithOnlyOpenThemeDataEveryDrawingFallsBackToTheBuiltInLook)
{
    UseStub("uxtheme-openonly");
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    EXPECT_EQ(1, m_theme.EntryPointCount());

    CTestBitmap bitmap(20, 20), untouched(20, 20);
    CRect rect(2, 2, 18, 18);
    EXPECT_EQ(FALSE, m_theme.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, FALSE, NULL, NULL));
    EXPECT_EQ(FALSE, m_theme.DrawComboBorder(bitmap.GetDC(), rect, FALSE, FALSE, TRUE, NULL, NULL));
    EXPECT_EQ(FALSE, m_theme.DrawComboDropButton(bitmap.GetDC(), rect, FALSE, FALSE, TRUE, NULL, NULL));
    EXPECT_EQ(FALSE, m_theme.DrawParentBackground(bitmap.GetDC(), NULL, NULL, NULL));
    EXPECT_TRUE(SameBitmaps(untouched, bitmap, 20, 20));
    CQELWindowColor color = TellingColors();
    m_theme.UpdateWindowColor(&color);
    EXPECT_TRUE(SameColors(CQELWindowColor(), color));

    // Without CloseThemeData the handles are only forgotten.
    m_theme.ClearTheme();
    EXPECT_TRUE(m_theme.IsAllZero());

    _gThemeManager.InitThemeManager();
    ASSERT_TRUE(_gThemeManager.IsSystemTheme());
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, FALSE, NULL, NULL));
    EXPECT_EQ(CRect(3, 3, 18, 18), rect) << "the built-in pressed border drew";
}

// ---- Drawing ---------------------------------------------------------------------------------------------

TEST_F(StubUxTheme, HeaderItemStateIsPressedThenHotThenNormal)
{
    UseStub();
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    struct Case { BOOL bPressed, bHot; int nState; };
    for (const Case& c : {Case{TRUE, TRUE, 3}, Case{TRUE, FALSE, 3}, Case{FALSE, TRUE, 2}, Case{FALSE, FALSE, 1}})
    {
        Forget();
        CTestBitmap bitmap(4, 4);
        CRect rect(1, 2, 30, 20);
        EXPECT_EQ(TRUE, m_theme.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, c.bPressed, c.bHot, NULL, NULL));
        ASSERT_EQ(1, m_pStub->nCalls);
        const QELStubCall& call = m_pStub->calls[0];
        EXPECT_EQ(QEL_STUB_DRAWTHEMEBACKGROUND, call.kind);
        EXPECT_EQ("HEADER", Narrow(call.szClass));
        EXPECT_EQ(bitmap.GetSafeHdc(), call.hdc);
        EXPECT_EQ(1, call.nPart);
        EXPECT_EQ(c.nState, call.nState) << "pressed " << c.bPressed << " hot " << c.bHot;
        EXPECT_EQ(CRect(1, 2, 30, 20), CRect(call.rect));
        EXPECT_EQ(0, call.hasClip);
        EXPECT_EQ(CRect(1, 2, 30, 20), rect);
    }
}

TEST_F(StubUxTheme, OnlySuccessFromTheStyleCountsAsDrawn)
{
    UseStub();
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    CTestBitmap bitmap(4, 4);
    CRect rect(0, 0, 4, 4);
    RECT rc = {0, 0, 4, 4};
    for (HRESULT hr : {E_FAIL, S_FALSE})
    {
        m_pStub->hrDrawBackground = hr;
        m_pStub->hrDrawParentBackground = hr;
        EXPECT_EQ(FALSE, m_theme.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, FALSE, FALSE, NULL, NULL));
        EXPECT_EQ(FALSE, m_theme.DrawComboDropButton(bitmap.GetDC(), rect, FALSE, FALSE, FALSE, NULL, NULL));
        EXPECT_EQ(FALSE, m_theme.DrawParentBackground(bitmap.GetDC(), &rc, NULL, NULL));
    }
}

TEST_F(StubUxTheme, HeaderItemWithoutDeviceContextIsStillHandedToTheStyle)
{
    UseStub();
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    CRect rect(0, 0, 4, 4);
    EXPECT_EQ(TRUE, m_theme.DrawHeaderCtrlBorder(NULL, rect, FALSE, FALSE, NULL, NULL));
    ASSERT_EQ(1u, Calls(QEL_STUB_DRAWTHEMEBACKGROUND).size());
    EXPECT_TRUE(Calls(QEL_STUB_DRAWTHEMEBACKGROUND)[0].hdc == NULL);
}

TEST_F(StubUxTheme, DropButtonStateIsDisabledThenPressedThenHotThenNormal)
{
    UseStub();
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    for (int flags = 0; flags < 8; ++flags)
    {
        const BOOL bDisabled = flags & 1, bPressed = (flags >> 1) & 1, bHot = (flags >> 2) & 1;
        const int nExpected = bDisabled ? 4 : bPressed ? 3 : bHot ? 2 : 1;
        Forget();
        CTestBitmap bitmap(4, 4);
        CRect rect(3, 4, 20, 24);
        EXPECT_EQ(TRUE, m_theme.DrawComboDropButton(bitmap.GetDC(), rect, bDisabled, bPressed, bHot, NULL, NULL));
        ASSERT_EQ(1, m_pStub->nCalls);
        const QELStubCall& call = m_pStub->calls[0];
        EXPECT_EQ("COMBOBOX", Narrow(call.szClass));
        EXPECT_EQ(bitmap.GetSafeHdc(), call.hdc);
        EXPECT_EQ(1, call.nPart);
        EXPECT_EQ(nExpected, call.nState) << "flags " << flags;
        EXPECT_EQ(CRect(3, 4, 20, 24), CRect(call.rect));
        EXPECT_EQ(0, call.hasClip);
    }
    Forget();
    CRect rect(0, 0, 4, 4);
    EXPECT_EQ(FALSE, m_theme.DrawComboDropButton(NULL, rect, FALSE, FALSE, FALSE, NULL, NULL));
    EXPECT_EQ(0, m_pStub->nCalls);
}

TEST_F(StubUxTheme, MissingClassMeansNotDrawn)
{
    UseStub();
    SetMissing(L"HEADER;COMBOBOX");
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    Forget();
    CTestBitmap bitmap(10, 10), untouched(10, 10);
    CRect rect(0, 0, 10, 10);
    EXPECT_EQ(FALSE, m_theme.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, FALSE, FALSE, NULL, NULL));
    EXPECT_EQ(FALSE, m_theme.DrawComboDropButton(bitmap.GetDC(), rect, FALSE, FALSE, FALSE, NULL, NULL));
    EXPECT_EQ(FALSE, m_theme.DrawComboBorder(bitmap.GetDC(), rect, FALSE, FALSE, TRUE, NULL, NULL));
    EXPECT_EQ(0, m_pStub->nCalls);
    EXPECT_TRUE(SameBitmaps(untouched, bitmap, 10, 10));
}

TEST_F(StubUxTheme, ParentBackgroundIsHandedToTheStyle)
{
    UseStub();
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    CWnd* pWnd = CWnd::GetDesktopWindow();
    CTestBitmap bitmap(4, 4);
    RECT rc = {1, 2, 3, 4};
    EXPECT_EQ(TRUE, m_theme.DrawParentBackground(bitmap.GetDC(), &rc, pWnd, NULL));
    EXPECT_EQ(TRUE, m_theme.DrawParentBackground(bitmap.GetDC(), NULL, NULL, NULL));
    EXPECT_EQ(FALSE, m_theme.DrawParentBackground(NULL, &rc, pWnd, NULL));
    const std::vector<QELStubCall> calls = Calls(QEL_STUB_DRAWTHEMEPARENTBACKGROUND);
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ(pWnd->GetSafeHwnd(), calls[0].hwnd);
    EXPECT_EQ(bitmap.GetSafeHdc(), calls[0].hdc);
    EXPECT_EQ(1, calls[0].hasRect);
    EXPECT_EQ(CRect(1, 2, 3, 4), CRect(calls[0].rect));
    EXPECT_TRUE(calls[1].hwnd == NULL);
    EXPECT_EQ(0, calls[1].hasRect);
}

TEST_F(StubUxTheme, ComboBorderIsAFlatFrameInsideTheRectangleWithoutTheStyle)
{
    UseStub();
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    Forget();
    CQELWindowColor colors = TellingColors();
    struct Case { BOOL bDisabled, bPressed, bHot; COLORREF cr; };
    const Case cases[] = {
        {FALSE, FALSE, TRUE, colors.m_crHighlight}, {FALSE, TRUE, TRUE, colors.m_crHighlight},
        {FALSE, FALSE, FALSE, colors.m_crBtnShadow}, {TRUE, FALSE, TRUE, colors.m_crBtnShadow},
        {FALSE, TRUE, FALSE, colors.m_crBtnShadow},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "disabled " << c.bDisabled << " pressed " << c.bPressed << " hot "
                                        << c.bHot);
        CTestBitmap bitmap(10, 8);
        CRect rect(0, 0, 10, 8);
        EXPECT_EQ(TRUE, m_theme.DrawComboBorder(bitmap.GetDC(), rect, c.bDisabled, c.bPressed, c.bHot, NULL,
                                                &colors));
        EXPECT_EQ(CRect(0, 0, 10, 8), rect);
        for (int x = 0; x < 10; ++x)
        {
            EXPECT_EQ(RGB(255, 255, 255), bitmap.Pixel(x, 0)) << x;
            EXPECT_EQ(RGB(255, 255, 255), bitmap.Pixel(x, 7)) << x;
        }
        for (int x = 1; x < 9; ++x)
        {
            EXPECT_EQ(c.cr, bitmap.Pixel(x, 1)) << x;
            EXPECT_EQ(c.cr, bitmap.Pixel(x, 6)) << x;
        }
        for (int y = 1; y < 7; ++y)
        {
            EXPECT_EQ(c.cr, bitmap.Pixel(1, y)) << y;
            EXPECT_EQ(c.cr, bitmap.Pixel(8, y)) << y;
        }
        EXPECT_EQ(RGB(255, 255, 255), bitmap.Pixel(2, 2)) << "one pixel wide";
    }
    EXPECT_EQ(0, m_pStub->nCalls) << "the frame is drawn with GDI only";
}

// ---- Colours ---------------------------------------------------------------------------------------------

namespace {

struct ColorRead
{
    int                           nProp;
    COLORREF CQELWindowColor::*   field;
};
const ColorRead kToolbarReads[6] = {
    {3803, &CQELWindowColor::m_crToolbarText},    {3802, &CQELWindowColor::m_crToolbarFill},
    {3804, &CQELWindowColor::m_crToolbarLight},   {3805, &CQELWindowColor::m_crToolbarHighlight},
    {3806, &CQELWindowColor::m_crToolbarShadow},  {3807, &CQELWindowColor::m_crToolbarDkShadow},
};
const ColorRead kButtonReads[6] = {
    {3803, &CQELWindowColor::m_crBtnText},        {3802, &CQELWindowColor::m_crBtnFace},
    {3804, &CQELWindowColor::m_crButtonLight},    {3805, &CQELWindowColor::m_crBtnHighlight},
    {3806, &CQELWindowColor::m_crBtnShadow},      {3807, &CQELWindowColor::m_crButtonDkShadow},
};

// The defaults with the given reads applied as the stand-in answers them.
CQELWindowColor StubColors(bool bToolbar, bool bButton)
{
    CQELWindowColor color;
    for (int i = 0; i < 6 && bToolbar; ++i)
        color.*kToolbarReads[i].field = QEL_STUB_COLOR(StubTag(L"TOOLBAR"), kToolbarReads[i].nProp);
    for (int i = 0; i < 6 && bButton; ++i)
        color.*kButtonReads[i].field = QEL_STUB_COLOR(StubTag(L"BUTTON"), kButtonReads[i].nProp);
    return color;
}

} // namespace

TEST_F(StubUxTheme, ColoursAreReadFromToolbarThenButtonInOrder)
{
    UseStub();
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    Forget();
    CQELWindowColor color = TellingColors();
    m_theme.UpdateWindowColor(&color);
    EXPECT_TRUE(SameColors(StubColors(true, true), color));

    ASSERT_EQ(12, m_pStub->nCalls);
    for (int i = 0; i < 12; ++i)
    {
        const QELStubCall& call = m_pStub->calls[i];
        EXPECT_EQ(QEL_STUB_GETTHEMECOLOR, call.kind);
        EXPECT_EQ(i < 6 ? "TOOLBAR" : "BUTTON", Narrow(call.szClass)) << "read " << i;
        EXPECT_EQ(1, call.nPart) << "read " << i;
        EXPECT_EQ(0, call.nState) << "read " << i;
        EXPECT_EQ((i < 6 ? kToolbarReads : kButtonReads)[i % 6].nProp, call.nProp) << "read " << i;
    }
}

TEST_F(StubUxTheme, MissingToolbarClassChangesOnlyTheButtonColours)
{
    UseStub();
    SetMissing(L"TOOLBAR");
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    Forget();
    CQELWindowColor color = TellingColors();
    m_theme.UpdateWindowColor(&color);
    EXPECT_TRUE(SameColors(StubColors(false, true), color));
    EXPECT_EQ(6, m_pStub->nCalls);
}

TEST_F(StubUxTheme, MissingButtonClassChangesOnlyTheToolbarColours)
{
    UseStub();
    SetMissing(L"BUTTON");
    ASSERT_EQ(TRUE, m_theme.LoadTheme());
    CQELWindowColor color;
    m_theme.UpdateWindowColor(&color);
    EXPECT_TRUE(SameColors(StubColors(true, false), color));
}

// ---- Through the manager ---------------------------------------------------------------------------------

TEST_F(StubUxTheme, ManagerPrefersTheStyleWhileLoadedAndFallsBackWhenItFails)
{
    UseStub();
    CKeepGlobalColors keep;
    _gThemeManager.InitThemeManager();
    ASSERT_TRUE(_gThemeManager.IsSystemTheme());
    EXPECT_TRUE(SameColors(StubColors(true, true), _gWindowColor)) << "InitThemeManager refreshed the colours";

    Forget();
    CTestBitmap bitmap(20, 20), untouched(20, 20);
    CRect rect(2, 2, 18, 18);
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, FALSE, NULL, NULL));
    EXPECT_EQ(CRect(2, 2, 18, 18), rect) << "the style drew: the rectangle stays";
    EXPECT_EQ(TRUE, _gThemeManager.DrawComboDropButton(bitmap.GetDC(), rect, FALSE, TRUE, FALSE, NULL, NULL));
    EXPECT_EQ(2u, Calls(QEL_STUB_DRAWTHEMEBACKGROUND).size());
    EXPECT_TRUE(SameBitmaps(untouched, bitmap, 20, 20)) << "the stand-in draws nothing";

    m_pStub->hrDrawBackground = E_FAIL;
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, FALSE, NULL, NULL));
    EXPECT_EQ(CRect(3, 3, 18, 18), rect) << "the built-in pressed border drew after the style failed";
}

TEST_F(StubUxTheme, ManagerAsksCustomThenStyleThenBuiltInForEachBasicDrawing)
{
    UseStub();
    _gThemeManager.InitThemeManager();
    ASSERT_TRUE(_gThemeManager.IsSystemTheme());
    CRecordingTheme declining(FALSE);
    CInstallTheme install(&declining);
    CQELWindowColor colors = TellingColors();
    CWnd* pWnd = CWnd::GetDesktopWindow();
    Forget();

    // The three that go through UxTheme: each reaches the style once, and the style's success ends it.
    CTestBitmap bitmap(20, 20);
    CRect rect(2, 2, 18, 18);
    RECT rcClip = {1, 2, 3, 4};
    EXPECT_EQ(TRUE, _gThemeManager.DrawParentBackground(bitmap.GetDC(), &rcClip, pWnd, &colors));
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, FALSE, pWnd, &colors));
    EXPECT_EQ(TRUE, _gThemeManager.DrawComboDropButton(bitmap.GetDC(), rect, FALSE, TRUE, FALSE, pWnd, &colors));
    EXPECT_EQ(CRect(2, 2, 18, 18), rect) << "the built-in pressed border did not run";
    ASSERT_EQ(3, m_pStub->nCalls);
    EXPECT_EQ(QEL_STUB_DRAWTHEMEPARENTBACKGROUND, m_pStub->calls[0].kind);
    EXPECT_EQ(pWnd->GetSafeHwnd(), m_pStub->calls[0].hwnd);
    EXPECT_EQ(QEL_STUB_DRAWTHEMEBACKGROUND, m_pStub->calls[1].kind);
    EXPECT_EQ("HEADER", Narrow(m_pStub->calls[1].szClass));
    EXPECT_EQ(QEL_STUB_DRAWTHEMEBACKGROUND, m_pStub->calls[2].kind);
    EXPECT_EQ("COMBOBOX", Narrow(m_pStub->calls[2].szClass));

    // The two that the style draws with GDI: its filled arrow and flat frame, not the built-in outlines.
    CTestBitmap arrow(20, 12);
    CRect box(10, 4, 18, 8);
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlSortArrow(arrow.GetDC(), box, FALSE, pWnd, &colors));
    EXPECT_EQ(colors.m_crBtnShadow, arrow.Pixel(14, 6)) << "inside the triangle: filled";
    CTestBitmap border(10, 8);
    CRect rcBorder(0, 0, 10, 8);
    EXPECT_EQ(TRUE, _gThemeManager.DrawComboBorder(border.GetDC(), rcBorder, FALSE, FALSE, TRUE, pWnd, &colors));
    EXPECT_EQ(RGB(255, 255, 255), border.Pixel(0, 0)) << "the built-in sunken edge did not run";
    EXPECT_EQ(colors.m_crHighlight, border.Pixel(1, 1));

    const char* const kOps[] = {"DrawParentBackground", "DrawHeaderCtrlBorder", "DrawComboDropButton",
                                "DrawHeaderCtrlSortArrow", "DrawComboBorder"};
    ASSERT_EQ(5u, declining.m_calls.size());
    for (size_t i = 0; i < 5; ++i)
    {
        EXPECT_EQ(kOps[i], declining.m_calls[i].op) << "the custom theme is asked first";
        EXPECT_EQ(&colors, declining.m_calls[i].pColor);
    }

    // A failing style hands the parent background on to the built-in theme, which has no window to ask.
    m_pStub->hrDrawParentBackground = E_FAIL;
    EXPECT_EQ(FALSE, _gThemeManager.DrawParentBackground(bitmap.GetDC(), &rcClip, NULL, &colors));
    EXPECT_EQ(4, m_pStub->nCalls);
}

TEST_F(StubUxTheme, ManagerNeverAsksTheStyleForTheExtendedDrawings)
{
    UseStub();
    _gThemeManager.InitThemeManager();
    ASSERT_TRUE(_gThemeManager.IsSystemTheme());
    Forget();
    CQELWindowColor colors = TellingColors();
    CTestBitmap bitmap(10, 10);
    CRect rect(0, 0, 10, 10);
    EXPECT_EQ(TRUE, _gThemeManager.DrawComboBorderEx(bitmap.GetDC(), rect, FALSE, FALSE, TRUE, NULL, &colors));
    EXPECT_EQ(TRUE, _gThemeManager.DrawComboDropButtonEx(bitmap.GetDC(), rect, FALSE, FALSE, TRUE, NULL, &colors));
    EXPECT_EQ(0, m_pStub->nCalls);
    EXPECT_EQ(colors.m_crWindowFrame, bitmap.Pixel(0, 0));
}

TEST_F(StubUxTheme, ManagerAsksTheCustomThemeBeforeTheStyle)
{
    UseStub();
    _gThemeManager.InitThemeManager();
    ASSERT_TRUE(_gThemeManager.IsSystemTheme());
    Forget();
    CTestBitmap bitmap(10, 10);
    CRect rect(0, 0, 10, 10);
    {
        CRecordingTheme drawing(TRUE);
        CInstallTheme install(&drawing);
        EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, FALSE, TRUE, NULL, NULL));
        EXPECT_EQ(0, m_pStub->nCalls);
        EXPECT_EQ(1u, drawing.m_calls.size());
    }
    {
        CRecordingTheme declining(FALSE);
        CInstallTheme install(&declining);
        EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, FALSE, TRUE, NULL, NULL));
        ASSERT_EQ(1, m_pStub->nCalls);
        EXPECT_EQ(2, m_pStub->calls[0].nState);
    }
}

TEST_F(StubUxTheme, ManagerUpdateWindowColorReloadsTheStyle)
{
    UseStub();
    _gThemeManager.InitThemeManager();
    ASSERT_TRUE(_gThemeManager.IsSystemTheme());
    SetMissing(L"TOOLBAR");
    Forget();
    CQELWindowColor color = TellingColors();
    _gThemeManager.UpdateWindowColor(&color);
    EXPECT_EQ(16u, Calls(QEL_STUB_CLOSETHEMEDATA).size());
    EXPECT_EQ(16u, Calls(QEL_STUB_OPENTHEMEDATA).size());
    EXPECT_TRUE(SameColors(StubColors(false, true), color)) << "read against the reloaded classes";

    Forget();
    _gThemeManager.UpdateWindowColor(NULL);
    EXPECT_EQ(0, m_pStub->nCalls);
}

TEST_F(StubUxTheme, ManagerReleasesTheStyleOnExInit)
{
    UseStub();
    _gThemeManager.InitThemeManager();
    ASSERT_TRUE(_gThemeManager.IsSystemTheme());
    Forget();
    _gThemeManager.ExInitThemeManager();
    EXPECT_FALSE(_gThemeManager.IsSystemTheme());
    EXPECT_EQ(16u, Calls(QEL_STUB_CLOSETHEMEDATA).size());
    EXPECT_EQ(0, m_pStub->nOpenHandles);

    Forget();
    CTestBitmap bitmap(10, 10);
    CRect rect(0, 0, 10, 10);
    EXPECT_EQ(TRUE, _gThemeManager.DrawHeaderCtrlBorder(bitmap.GetDC(), rect, TRUE, FALSE, NULL, NULL));
    EXPECT_EQ(0, m_pStub->nCalls);
    EXPECT_EQ(CRect(1, 1, 10, 10), rect);
}
