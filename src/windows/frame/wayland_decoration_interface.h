#pragma once

// The interface through which Qt's Wayland platform plugin asks a plugin for
// a window's title bar and frame. Where Qt's private headers of its Wayland
// client are installed (Qt 6.8 and later on Debian), the frame is built
// against them; elsewhere against the declarations of the binary interface
// that Qt 6.4 exports. CMakeLists.txt chooses; the frame's code is the same
// on both routes.
#if defined(KELVARO_QT_WAYLAND_PRIVATE_HEADERS)
#include <QtWaylandClient/private/qwaylandabstractdecoration_p.h>
#include <QtWaylandClient/private/qwaylanddecorationplugin_p.h>
#include <QtWaylandClient/private/qwaylandwindow_p.h>
#else
#include "frame/wayland_decoration_abi.h"
#endif
