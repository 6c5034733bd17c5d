// What the theme sources share. Not installed.
#pragma once

#include "QELWindowColor.h"

namespace QELTheme
{

// The colour set a drawing uses: the caller's, or the library's own when the caller gives none.
inline CQELWindowColor* ColorsOf(CQELWindowColor* pColor)
{
    return pColor != NULL ? pColor : &_gWindowColor;
}

} // namespace QELTheme
