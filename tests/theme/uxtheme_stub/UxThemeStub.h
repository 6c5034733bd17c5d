/* Recording stand-in for UxTheme, used by the visual-style tests: the state shared by the stub DLL and
   the tests. The stub opens every class that is not listed as missing, records every call it receives,
   and answers the drawing calls with configurable results. */
#pragma once

#include <windows.h>

#define QEL_STUB_MAX_CALLS 256
#define QEL_STUB_NAME_LEN  32

enum QELStubCallKind
{
    QEL_STUB_OPENTHEMEDATA = 1,
    QEL_STUB_CLOSETHEMEDATA,
    QEL_STUB_DRAWTHEMEBACKGROUND,
    QEL_STUB_DRAWTHEMEPARENTBACKGROUND,
    QEL_STUB_GETTHEMECOLOR
};

typedef struct QELStubCall
{
    int     kind;                           /* QELStubCallKind */
    WCHAR   szClass[QEL_STUB_NAME_LEN];     /* class of the call's theme handle (or the one opened) */
    HWND    hwnd;                           /* OpenThemeData, DrawThemeParentBackground */
    HDC     hdc;                            /* the drawing calls */
    HANDLE  hTheme;                         /* handle passed in, or returned by OpenThemeData */
    int     nPart;
    int     nState;
    int     nProp;                          /* GetThemeColor */
    RECT    rect;                           /* copy of the rectangle passed, when hasRect */
    int     hasRect;
    int     hasClip;                        /* DrawThemeBackground got a clip rectangle */
} QELStubCall;

typedef struct QELStubState
{
    /* Configuration, kept until changed */
    WCHAR   szMissingClasses[512];          /* ";"-separated class names that OpenThemeData refuses */
    HRESULT hrDrawBackground;               /* answer of DrawThemeBackground (S_OK after reset) */
    HRESULT hrDrawParentBackground;         /* answer of DrawThemeParentBackground (S_OK after reset) */

    /* Record */
    int         nOpenHandles;               /* opened and not yet closed */
    int         nCalls;                     /* number of calls recorded (calls beyond the array are counted only) */
    QELStubCall calls[QEL_STUB_MAX_CALLS];
} QELStubState;

/* The colour that the stub's GetThemeColor gives for a property of a class: the class's position in the
   stub's table of names (1-based) in bits 16-23, the property number in bits 0-15. */
#define QEL_STUB_COLOR(classTag, prop) ((COLORREF)((((DWORD)(classTag)) << 16) | ((DWORD)(prop) & 0xFFFF)))

/* Exported by every variant of the stub under this name: the state, to configure and to read back. */
typedef QELStubState* (__cdecl* PFN_QELStubUxTheme)(void);
#define QEL_STUB_CONTROL_NAME "QELStubUxTheme"

/* Restores the configuration of a fresh load: no class missing, both drawing results S_OK, empty record
   (open handles are still counted). Exported as "QELStubUxThemeReset". */
typedef void (__cdecl* PFN_QELStubUxThemeReset)(void);
#define QEL_STUB_RESET_NAME "QELStubUxThemeReset"
