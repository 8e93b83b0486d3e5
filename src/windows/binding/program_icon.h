#pragma once

#include <QIcon>

namespace kelvaro {

// The program icon in its eight sizes, decoded on each call: the windows and
// the application share one copy.
QIcon programIcon();

} // namespace kelvaro
