# The screen reader's side of screen_reader.sh: a real AT-SPI client.
#
# Run with Debian's /usr/bin/python3 (pyatspi) while the program runs in a
# German setting. Exits with 1 and says what was wrong at the first failure.
#
# The expected values are those of the start texts (120 minutes, 4,7 GB disc,
# one 128 kbit/s track, 80 MB overhead) and, worked out by hand from the
# calculation, those with the slider at 90 minutes: 5400 s,
#   audio 5400 * 16 = 86400 KB = 84,375 MB,
#   video space 4596736 - 86400 - 81920 = 4428416 KB,
#   average 4428416 * 8 / 5400 = 6560.6 -> 6560, min (6560 + 500) / 2 = 3530,
#   max (6560 + 9800) / 2 = 8180, video 5400 * 6560 / 8 / 1024 = 4324,21875 MB,
#   total 4324,21875 + 84,375 = 4408,59375 MB.

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# Roles are compared by their value: the names at-spi2-core gives them differ
# between its releases (2.56 calls a push button "button").
from pyatspi import (ROLE_COMBO_BOX as COMBO_BOX, ROLE_FRAME as FRAME, ROLE_LABEL as LABEL,
                     ROLE_NOTIFICATION as NOTIFICATION, ROLE_PUSH_BUTTON as PUSH_BUTTON,
                     ROLE_SCROLL_BAR as SCROLL_BAR, ROLE_TEXT as TEXT,
                     STATE_INVALID_ENTRY as INVALID)

RELEASE = os.environ["KELVARO_RELEASE"]  # from CTest
NOT_A_NUMBER = "Bitte eine Zahl eingeben, z. B. 1,5"

# The layout's fixed captions, each a label of its own.
CAPTIONS = sorted(
    ["DVD Typ", "Zeit", "Min", "Audio1", "Audio2", "X", "X", "Extras", "Subbs"]
    + ["MB"] * 3 + ["Mux", "Min", "Avg", "Max"] + ["kbps"] * 3
    + ["Video", "Audio1", "Audio2", "Video + Audo"] + ["MB"] * 4)


# The result captions, named by the words of their row and the whole value,
# and the texts of the result fields.
def results(video, audio, total, **texts):
    return texts, ["Empfohlene Auflösung 720x576", f"Video {video} MB", f"Audio1 {audio} MB",
                   "Audio2 0 MB", f"Video + Audo {total} MB"]


AT_START = results("4296,09375", "112,5", "4408,59375")
AT_90 = results("4324,21875", "84,375", "4408,59375", Zeit="90", Min="3530", Avg="6560",
                Max="8180")

# Every other object of the main window: the controls, each named by the
# words written beside it or on it, and the message about bad input. The
# three results cannot be typed in.
CONTROLS = sorted(
    [(COMBO_BOX, "DVD Typ"), (TEXT, "Zeit"), (COMBO_BOX, "Audio1"), (TEXT, "Audio1 X"),
     (COMBO_BOX, "Audio2"), (TEXT, "Audio2 X"), (TEXT, "Extras"), (TEXT, "Subbs"),
     (TEXT, "Mux"), (SCROLL_BAR, "Zeit-Regler"), (TEXT, "Min"), (TEXT, "Avg"), (TEXT, "Max"),
     (PUSH_BUTTON, "Berechnen"), (PUSH_BUTTON, "About"), (PUSH_BUTTON, "Exit"),
     (NOTIFICATION, "")])


def role_of(node):
    return pyatspi.Role(int(node.getRole()))


# What the reader hears: events kept as (type, role, name, detail1).
HEARD = []


def keep(event):
    try:
        HEARD.append((event.type, role_of(event.source), event.source.name, event.detail1))
    except Exception:  # the source may be gone already
        HEARD.append((event.type, None, "", event.detail1))


def heard(kind, role=None, name=None, detail=None):
    return [e for e in HEARD if e[0] == "object:" + kind and role in (None, e[1])
            and name in (None, e[2]) and detail in (None, e[3])]


def pump(seconds):
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def wait_until(predicate, what, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            if value := predicate():
                return value
        except Exception:  # the tree may be changing under the query
            pass
        pump(0.1)
    raise AssertionError(f"not within {seconds} s: {what}")


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def is_showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


# The program's shown window of that title, as a described frame.
def program_window(title):
    window = wait_until(lambda: [w for a in children(pyatspi.Registry.getDesktop(0))
                                 if a and a.name == "kelvaro"
                                 for w in children(a) if w.name == title and is_showing(w)],
                        f"the window {title!r}")[0]
    assert role_of(window) == FRAME and window.description, f"{title!r} is no described frame"
    return window


def control(window, role, name):
    found = [c for c in children(window) if role_of(c) == role and c.name == name]
    assert len(found) == 1, f"{len(found)} controls of role {role} named {name!r}"
    return found[0]


def results_read(window, expected):
    texts = {name: control(window, TEXT, name).queryText().getText(0, -1) for name in expected[0]}
    labels = [c.name for c in children(window) if role_of(c) == LABEL and c.name not in CAPTIONS]
    return (texts, labels) == expected


def do_action(action, name):
    action.doAction([action.getName(i) for i in range(action.nActions)].index(name))


# Presses the button and waits for its click: Qt shows it down until then.
def press(window, name):
    do_action((button := control(window, PUSH_BUTTON, name)).queryAction(), "Press")
    wait_until(lambda: not button.getState().contains(pyatspi.STATE_PRESSED), f"{name} let go")


def check_tree(window):
    nodes = children(window)
    assert [n.getIndexInParent() for n in nodes] == list(range(len(nodes))), "children's places"
    captions = sorted(n.name for n in nodes if role_of(n) == LABEL and n.name in CAPTIONS)
    assert captions == CAPTIONS, f"the captions are {captions}"
    assert results_read(window, AT_START), "the results at start"
    controls = [n for n in nodes if role_of(n) != LABEL]
    named = sorted((role_of(n), n.name) for n in controls)
    assert named == CONTROLS, f"the controls (no lines, shapes or working fields) are {named}"
    assert all(n.description for n in controls), "a control has no description"
    read_only = [n.name for n in controls if n.getState().contains(pyatspi.STATE_READ_ONLY)]
    assert sorted(read_only) == ["Avg", "Max", "Min"], f"the read-only controls are {read_only}"
    assert not is_showing(control(window, NOTIFICATION, "")), "the message shows for good input"


# A list's text area carries its name; its first action, the one a reader
# takes by default, opens its popup, and taken again closes it. The three
# lists are alike (AccessibleChoiceList); the tree names each.
def check_lists(window):
    audio = control(window, COMBO_BOX, "Audio1")
    parts = [(role_of(p), p.name, p.getIndexInParent()) for p in children(audio)]
    assert parts[1:] == [(TEXT, "Audio1", 1)], f"the parts of the list are {parts}"
    action = audio.queryAction()
    assert action.getName(0) == "ShowMenu", f"the list's first action is {action.getName(0)!r}"
    for showing in (True, False):
        action.doAction(0)
        wait_until(lambda: is_showing(children(audio)[0]) == showing,
                   f"the popup {'opened' if showing else 'closed'} by the first action")
    # Its other actions are the widget's own: SetFocus gives it the keyboard.
    do_action(action, "SetFocus")
    wait_until(lambda: heard("state-changed:focused", name="Audio1", detail=1), "focus by SetFocus")


def check_slider(window):
    control(window, SCROLL_BAR, "Zeit-Regler").queryValue().currentValue = 90
    wait_until(lambda: results_read(window, AT_90), "the results for 90 minutes")
    assert heard("property-change:accessible-name", LABEL, "Video 4324,21875 MB"), \
        "no name change told the new video size"


def type_over(text):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+a", "type", "--delay", "20", text],
                   check=True, timeout=10)


# Letters in the extras field: "Berechnen" marks it invalid and shows the
# message; the corrected field is no longer invalid and the message goes. A
# reader hears of the mark and of its clearing once each, and of the message
# showing once, not again when the same input is run again or fixed.
def check_bad_input(window):
    extras = control(window, TEXT, "Extras")
    description = extras.description
    assert extras.queryComponent().grabFocus(), "the extras field takes no focus"
    # Once the focus event arrives, the program sends what was subscribed.
    wait_until(lambda: heard("state-changed:focused", TEXT, "Extras", 1),
               "the focus event of the extras field")
    HEARD.clear()
    type_over("abc")
    wait_until(lambda: extras.queryText().getText(0, -1) == "abc", "the typed letters")
    press(window, "Berechnen")
    wait_until(lambda: extras.getState().contains(INVALID), "the extras field marked invalid")
    press(window, "Berechnen")  # the same mark again: nothing new to hear
    assert extras.getState().contains(INVALID), "asked again, the field is no longer marked"
    assert extras.description == NOT_A_NUMBER, f"the marked field says {extras.description!r}"
    notice = control(window, NOTIFICATION, NOT_A_NUMBER)
    assert notice.description != notice.name, "the message is said twice, as name and description"

    type_over("100")
    wait_until(lambda: not extras.getState().contains(INVALID), "the mark going after the fix")
    assert extras.description == description, f"the fixed field says {extras.description!r}"
    wait_until(lambda: heard("state-changed:showing", NOTIFICATION, detail=0),
               "the message going")
    pump(1.0)  # anything announced late or twice would have arrived by now
    # The state above is asked afresh; a reader that keeps what the events
    # told it hears of the field's fixing only from the event.
    told = heard("state-changed:invalid-entry") + heard("state-changed:showing", detail=1)
    assert told == [("object:state-changed:invalid-entry", TEXT, "Extras", 1),
                    ("object:state-changed:invalid-entry", TEXT, "Extras", 0),
                    ("object:state-changed:showing", NOTIFICATION, NOT_A_NUMBER, 1)], \
        f"a reader heard {told}"


def check_about(main):
    press(main, "About")
    about = program_window("About Kelvaro")
    nodes = sorted((role_of(n), n.name) for n in children(about))
    assert nodes == [(LABEL, "v.  " + RELEASE), (PUSH_BUTTON, "OK")], f"About holds {nodes}"
    assert control(about, PUSH_BUTTON, "OK").description, "\"OK\" has no description"
    press(about, "OK")
    program_window(main.name)


def main():
    window = program_window("Kelvaro  [BETA]    v. " + RELEASE)
    for kind in ("state-changed:showing", "state-changed:invalid-entry",
                 "state-changed:focused", "property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(keep, "object:" + kind)
    pump(1.0)  # the program hears of the listeners over the bus
    for step in (check_tree, check_lists, check_slider, check_bad_input, check_about):
        step(window)


try:
    main()
except AssertionError as failure:
    sys.exit(f"screen reader: {failure}")
