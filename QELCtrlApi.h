// Export and import of the control library's classes, functions and data.
#pragma once

#ifdef QELCTRL_BUILD
#define QELCTRL_API __declspec(dllexport)
#else
#define QELCTRL_API __declspec(dllimport)
#endif
