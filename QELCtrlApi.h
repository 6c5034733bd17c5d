// Export and import of the control library's classes, functions and data, and its character set.
#pragma once

// The library comes in two character sets: QELCtrl::QELCtrl is built with _MBCS, QELCtrl::QELCtrlU with UNICODE
// and _UNICODE. A program with a mixed setting stops here with one message rather than with many conversion
// errors in the headers after this one: GCC goes on after #error, but not after a missing include.
#if defined(_MBCS) && (defined(UNICODE) || defined(_UNICODE))
#error "QELCtrl::QELCtrl is an ANSI/MBCS build: compile without UNICODE and _UNICODE, or link the Unicode build QELCtrl::QELCtrlU"
#include <QELCtrl_requires_ANSI_MBCS>
#elif defined(UNICODE) != defined(_UNICODE)
#error "QELCtrl::QELCtrlU needs both UNICODE and _UNICODE: the Windows headers read the one, the C run-time headers the other"
#include <QELCtrl_requires_UNICODE_and__UNICODE>
#endif

#ifdef QELCTRL_BUILD
#define QELCTRL_API __declspec(dllexport)
#else
#define QELCTRL_API __declspec(dllimport)
#endif

// Exports a class template instance that an exported class holds as a data member, together with that class,
// as Microsoft's compiler asks (warning C4251 otherwise): the library instantiates it and its clients built
// with that compiler import it. GCC exports no inline member of an instance, so its clients keep their own
// copies, as they do of any template.
#if defined(QELCTRL_BUILD)
#define QELCTRL_TEMPLATE_INSTANCE(...) template class QELCTRL_API __VA_ARGS__;
#elif defined(_MSC_VER)
#define QELCTRL_TEMPLATE_INSTANCE(...) extern template class QELCTRL_API __VA_ARGS__;
#else
#define QELCTRL_TEMPLATE_INSTANCE(...)
#endif
