#pragma once

#include <QIcon>

namespace kelvaro {

// The program icon in its eight sizes, shared by both windows.
QIcon programIcon();

} // namespace kelvaro
