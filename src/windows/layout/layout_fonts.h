#pragma once

#include "layout/layout_table.h"

#include <QFont>

namespace kelvaro {

// The layout's fonts on Debian's metric-compatible faces, sized in pixels at
// 96 dots per inch so that the layout does not depend on the screen's DPI.
QFont layoutFont(LayoutFont font);

} // namespace kelvaro
