"""net_wm_state.py WINDOW STATE...: asks the window manager, as a pager or a
desktop shortcut does, to add the given _NET_WM_STATE states (for example
_NET_WM_STATE_MAXIMIZED_VERT _NET_WM_STATE_MAXIMIZED_HORZ, or
_NET_WM_STATE_FULLSCREEN) to the X11 window WINDOW (decimal or 0x hex).
Uses libX11 directly; DISPLAY names the display."""
import ctypes
import ctypes.util
import sys

ADD = 1
CLIENT_MESSAGE = 33
SUBSTRUCTURE_REDIRECT = 1 << 20
SUBSTRUCTURE_NOTIFY = 1 << 19


class ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class Event(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


def main():
    if len(sys.argv) < 3 or len(sys.argv) > 4:
        print(__doc__, file=sys.stderr)
        return 2
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(Event)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        print("net_wm_state: cannot open the display", file=sys.stderr)
        return 1
    atom = lambda name: x11.XInternAtom(display, name.encode(), 0)
    event = Event()
    event.client.type = CLIENT_MESSAGE
    event.client.send_event = 1
    event.client.window = int(sys.argv[1], 0)
    event.client.message_type = atom("_NET_WM_STATE")
    event.client.format = 32
    event.client.data[0] = ADD
    event.client.data[1] = atom(sys.argv[2])
    event.client.data[2] = atom(sys.argv[3]) if len(sys.argv) == 4 else 0
    event.client.data[3] = 2  # from a pager or the user's desktop
    root = x11.XDefaultRootWindow(display)
    x11.XSendEvent(display, root, 0, SUBSTRUCTURE_REDIRECT | SUBSTRUCTURE_NOTIFY,
                   ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    return 0


sys.exit(main())
