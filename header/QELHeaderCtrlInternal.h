// What the source files of CQELHeaderCtrl share. Not installed.
#pragma once

namespace QELHeader
{

// Caption buffer of the painting and the menu: 255 characters and the terminator.
const int kCaptionBuffer = 256;

} // namespace QELHeader
