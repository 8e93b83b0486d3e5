# The screen reader's side of screen_reader.sh: a real AT-SPI client.
#
# Run with Debian's /usr/bin/python3 (pyatspi) while the program runs in a
# German setting. Exits with 1 and says what was wrong at the first failure.
#
# The expected values are those of the start texts (120 minutes, 4,7 GB disc,
# one 128 kbit/s track, 80 MB overhead) and, worked out by hand from the
# calculation, those of two further runs:
#   slider at 90 minutes: 5400 s, audio 5400 * 16 = 86400 KB = 84,375 MB,
#     video space 4596736 - 86400 - 81920 = 4428416 KB,
#     average 4428416 * 8 / 5400 = 6560.6 -> 6560, min (6560 + 500) / 2 = 3530,
#     max (6560 + 9800) / 2 = 8180, video 5400 * 6560 / 8 / 1024 = 4324,21875 MB,
#     total 4324,21875 + 84,375 = 4408,59375 MB;
#   then 100 MB of extras and "Berechnen": space 4428416 - 102400 = 4326016 KB,
#     average 4326016 * 8 / 5400 = 6408.9 -> 6408, min 3454, max 8104,
#     video 5400 * 6408 / 8 / 1024 = 4224,0234375 MB,
#     total 4224,0234375 + 84,375 = 4308,3984375 MB.

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
                     ROLE_SCROLL_BAR as SCROLL_BAR, ROLE_TEXT as TEXT)

RELEASE = os.environ["KELVARO_RELEASE"]  # from CTest
MAIN_TITLE = "Kelvaro  [BETA]    v. " + RELEASE
ABOUT_TITLE = "About Kelvaro"
NOT_A_NUMBER = "Bitte eine Zahl eingeben, z. B. 1,5"
WAIT_SECONDS = 20


# The layout's fixed captions, each a label of its own.
CAPTIONS = sorted(
    ["DVD Typ", "Zeit", "Min", "Audio1", "Audio2", "X", "X", "Extras", "Subbs"]
    + ["MB"] * 3 + ["Mux", "Min", "Avg", "Max"] + ["kbps"] * 3
    + ["Video", "Audio1", "Audio2", "Video + Audo"] + ["MB"] * 4)

# The result captions: named by the words of their row and the whole value.
RESULTS_AT_START = [
    "Empfohlene Auflösung 720x576",
    "Video 4296,09375 MB",
    "Audio1 112,5 MB",
    "Audio2 0 MB",
    "Video + Audo 4408,59375 MB",
]
RESULTS_AT_90 = {
    "texts": {"Zeit": "90", "Min": "3530", "Avg": "6560", "Max": "8180"},
    "labels": ["Empfohlene Auflösung 720x576", "Video 4324,21875 MB",
               "Audio1 84,375 MB", "Audio2 0 MB", "Video + Audo 4408,59375 MB"],
}
RESULTS_WITH_EXTRAS = {
    "texts": {"Zeit": "90", "Extras": "100", "Min": "3454", "Avg": "6408", "Max": "8104"},
    "labels": ["Empfohlene Auflösung 720x576", "Video 4224,0234375 MB",
               "Audio1 84,375 MB", "Audio2 0 MB", "Video + Audo 4308,3984375 MB"],
}

# Every other object of the main window: the controls, each named by the
# words written beside it or on it, and the message about bad input. The
# three results cannot be typed in.
CONTROLS = sorted(
    [(COMBO_BOX, "DVD Typ"), (TEXT, "Zeit"), (COMBO_BOX, "Audio1"), (TEXT, "Audio1 X"),
     (COMBO_BOX, "Audio2"), (TEXT, "Audio2 X"), (TEXT, "Extras"), (TEXT, "Subbs"),
     (TEXT, "Mux"), (SCROLL_BAR, "Zeit-Regler"), (TEXT, "Min"), (TEXT, "Avg"), (TEXT, "Max"),
     (PUSH_BUTTON, "Berechnen"), (PUSH_BUTTON, "About"), (PUSH_BUTTON, "Exit"),
     (NOTIFICATION, "")])
RESULTS = ["Avg", "Max", "Min"]


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


# The node's role as one of pyatspi's ROLE_ values, which print by name.
def role_of(node):
    return pyatspi.Role(int(node.getRole()))


# Tuples with their roles by name, for a message.
def readable(items):
    return [tuple(str(x) if isinstance(x, pyatspi.Role) else x for x in item) for item in items]


# What the reader hears: events kept as (type, role, name, detail1).
class Events:
    def __init__(self):
        self.seen = []
        for kind in ("showing", "invalid-entry", "focused"):
            pyatspi.Registry.registerEventListener(self._keep, "object:state-changed:" + kind)
        pyatspi.Registry.registerEventListener(self._keep, "object:property-change:accessible-name")

    def _keep(self, event):
        try:
            role, name = role_of(event.source), event.source.name
        except Exception:  # the source may be gone already
            role, name = None, ""
        self.seen.append((event.type, role, name, event.detail1))

    def matching(self, kind, role=None, name=None, detail=None):
        return [e for e in self.seen if e[0] == kind and role in (None, e[1])
                and name in (None, e[2]) and detail in (None, e[3])]


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_until(predicate, what, seconds=WAIT_SECONDS):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            if predicate():
                return
        except Exception:  # the tree may be changing under the query
            pass
        pump(0.1)
    raise Failure(f"not within {seconds} s: {what}")


def program_window(title):
    apps = [a for a in children(pyatspi.Registry.getDesktop(0)) if a and a.name == "kelvaro"]
    shown = [w for a in apps for w in children(a) if w and w.name == title and is_showing(w)]
    return shown[0] if shown else None


def is_showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def text_of(node):
    return node.queryText().getText(0, -1)


def control(window, role, name):
    found = [c for c in children(window) if role_of(c) == role and c.name == name]
    check(len(found) == 1, f"{len(found)} controls of role {role} named {name!r}")
    return found[0]


def result_labels(window):
    words = set(CAPTIONS)
    return [c.name for c in children(window)
            if role_of(c) == LABEL and c.name not in words]


def check_window(window):
    check(role_of(window) == FRAME and window.description,
          f"{window.name!r} is no described frame but {role_of(window)}")


def check_tree(window, _events):
    check_window(window)
    nodes = children(window)
    check([n.getIndexInParent() for n in nodes] == list(range(len(nodes)))
          and window.getChildAtIndex(len(nodes)) is None,
          "the children do not know their places, or there is one beyond them")
    captions = sorted(n.name for n in nodes
                      if role_of(n) == LABEL and n.name in set(CAPTIONS))
    check(captions == CAPTIONS, f"the captions are {captions}")
    check(result_labels(window) == RESULTS_AT_START,
          f"the result captions read {result_labels(window)}")
    controls = [n for n in nodes if role_of(n) != LABEL]
    named = sorted((role_of(n), n.name) for n in controls)
    check(named == CONTROLS, f"the controls (no lines, shapes or working fields) are "
                             f"{readable(named)}")
    check(all(n.description for n in controls), "a control has no description")
    read_only = sorted(n.name for n in controls
                       if n.getState().contains(pyatspi.STATE_READ_ONLY))
    check(read_only == RESULTS, f"the read-only controls are {read_only}")
    check(not is_showing(control(window, NOTIFICATION, "")),
          "the notification is shown while the input is good")


# A list's text area carries its name; its first action, the one a reader
# takes by default, opens its popup, and taken again closes it.
def check_lists(window, _events):
    for name in ("DVD Typ", "Audio1", "Audio2"):
        parts = children(control(window, COMBO_BOX, name))
        check([(role_of(p), p.name, p.getIndexInParent()) for p in parts[1:]] == [(TEXT, name, 1)],
              f"the text area of {name!r} is {readable([(role_of(p), p.name) for p in parts])}")
    audio = control(window, COMBO_BOX, "Audio1")
    action = audio.queryAction()
    check(action.getName(0) == "ShowMenu", f"the list's first action is {action.getName(0)!r}")
    popup = children(audio)[0]
    for showing in (True, False):
        action.doAction(0)
        wait_until(lambda: is_showing(popup) == showing,
                   f"the popup {'opened' if showing else 'closed'} by the first action")


def results_read(window, expected):
    texts = {name: text_of(control(window, TEXT, name)) for name in expected["texts"]}
    return texts == expected["texts"] and result_labels(window) == expected["labels"]


def check_slider(window, events):
    slider = control(window, SCROLL_BAR, "Zeit-Regler")
    slider.queryValue().currentValue = 90
    wait_until(lambda: results_read(window, RESULTS_AT_90),
               "the results for 90 minutes after the slider moved")
    check(events.matching("object:property-change:accessible-name", LABEL,
                          "Video 4324,21875 MB"),
          "no name change told the new video size")


def set_text_by_keyboard(text):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+a"], check=True, timeout=10)
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True, timeout=10)


def press(window, name):
    button = control(window, PUSH_BUTTON, name)
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, f"{name!r} cannot be pressed: {names}")
    action.doAction(names.index("Press"))


def check_bad_input(window, events):
    extras = control(window, TEXT, "Extras")
    description = extras.description
    check(extras.queryComponent().grabFocus(), "the extras field takes no focus")
    # Once the focus event arrives, the program sends what was subscribed.
    wait_until(lambda: events.matching("object:state-changed:focused", TEXT, "Extras", 1),
               "the focus event of the extras field")
    events.seen.clear()

    set_text_by_keyboard("abc")
    wait_until(lambda: text_of(extras) == "abc", "the typed letters in the extras field")
    press(window, "Berechnen")
    wait_until(lambda: extras.getState().contains(pyatspi.STATE_INVALID_ENTRY),
               "the invalid-entry state of the extras field")
    check(extras.description == NOT_A_NUMBER,
          f"the marked field's description is {extras.description!r}")
    pump(1.0)  # anything announced twice would have arrived by now
    shown = events.matching("object:state-changed:showing", detail=1)
    check(shown == [("object:state-changed:showing", NOTIFICATION, NOT_A_NUMBER, 1)],
          f"the message was announced as {readable(shown)}")
    notice = control(window, NOTIFICATION, NOT_A_NUMBER)
    check(notice.description != notice.name, "the message is said twice, as name and description")
    marked = events.matching("object:state-changed:invalid-entry", TEXT, "Extras")
    check(marked == [("object:state-changed:invalid-entry", TEXT, "Extras", 1)],
          f"the state changes of the field were {readable(marked)}")
    check(results_read(window, RESULTS_AT_90), "the results changed after bad input")

    events.seen.clear()
    set_text_by_keyboard("100")
    wait_until(lambda: not extras.getState().contains(pyatspi.STATE_INVALID_ENTRY),
               "the invalid-entry state going after the input was corrected")
    check(extras.description == description,
          f"the corrected field's description is {extras.description!r}")
    wait_until(lambda: events.matching("object:state-changed:showing", NOTIFICATION,
                                       detail=0),
               "the message going")
    check(not events.matching("object:state-changed:showing", detail=1),
          "something was announced when the input was corrected")
    # The state above is asked afresh; a reader that keeps what the events
    # told it hears of the field's fixing only from the event.
    wait_until(lambda: events.matching("object:state-changed:invalid-entry", TEXT, "Extras", 0),
               "the invalid-entry state's clearing announced")
    pump(1.0)  # anything announced twice would have arrived by now
    cleared = events.matching("object:state-changed:invalid-entry", TEXT, "Extras")
    check(cleared == [("object:state-changed:invalid-entry", TEXT, "Extras", 0)],
          f"the state changes of the corrected field were {readable(cleared)}")
    check(not is_showing(notice), "the message is still shown")

    press(window, "Berechnen")
    wait_until(lambda: results_read(window, RESULTS_WITH_EXTRAS),
               "the results with 100 MB of extras")


def check_about(main, _events):
    press(main, "About")
    wait_until(lambda: program_window(ABOUT_TITLE) is not None, "the About window")
    about = program_window(ABOUT_TITLE)
    check_window(about)
    nodes = sorted((role_of(n), n.name) for n in children(about))
    check(nodes == sorted([(LABEL, "v.  " + RELEASE), (PUSH_BUTTON, "OK")]),
          f"the About window holds {readable(nodes)}")
    check(control(about, PUSH_BUTTON, "OK").description, "\"OK\" has no description")
    press(about, "OK")
    wait_until(lambda: program_window(MAIN_TITLE) is not None, "the main window again")


def main():
    wait_until(lambda: program_window(MAIN_TITLE) is not None, "the main window over AT-SPI")
    window = program_window(MAIN_TITLE)
    events = Events()
    pump(1.0)  # the program hears of the listeners over the bus
    for step in (check_tree, check_lists, check_slider, check_bad_input, check_about):
        step(window, events)
        print(f"screen reader: {step.__name__} OK")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        sys.exit(f"screen reader: {failure}")
