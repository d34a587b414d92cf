#!/usr/bin/python3
"""Meets a running Kelvora through AT-SPI, as a screen reader does.

    screen_reader.py PID

Run by run-screen-reader.sh, which starts the program (PID) on a private
desktop with the accessibility bus up. It walks every window the program
shows: each must be announced as a frame, window or dialog, named by the title
the window manager shows, and every field, button and list in it must have a
name. It also picks the equipment component in the main window's list by the
keyboard, types into the calculator and presses its button through AT-SPI,
and reads the result back from the main window. Every failure found is
listed, with the role and the path of the control, before it exits 1, or
2 when it had to stop before pressing the main window's Thoát.
"""

import os
import subprocess
import sys
import time
import traceback

import pyatspi
from gi.repository import GLib

WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG}
NAMED_ROLES = {
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_BOX,
}
TEXT_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}

MAIN_TITLE = "Kelvora"
COMPONENT_LIST = "Chọn loại nhiệt thừa tính"
EQUIPMENT_TITLE = "Tinh Nhiet do may moc "
COMPUTERS_FIELD = "Số máy vi tính"
COMPUTERS = "4"
COMPUTE_BUTTON = "Tính"
EQUIPMENT_RESULT = "Q1"
EQUIPMENT_WATTS = "1200"  # four computers of 300 W, nothing else
EXIT_BUTTON = "Thoát"

KEYSYM_DOWN = 0xFF54

# Long enough for a window to open on a loaded machine (ctest -j), short
# enough that a window that never opens fails the test well before CTest
# stops it.
PATIENCE_S = 15.0


class Fatal(Exception):
    """A failure after which nothing further can be checked."""


failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message, flush=True)


def pump():
    """Delivers the events that have arrived: the program's announcements."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(predicate, patience_s=PATIENCE_S):
    """The first true value of predicate() within the patience, else None. An
    object that goes away while it is asked counts as not there yet."""
    deadline = time.monotonic() + patience_s
    while True:
        pump()
        try:
            value = predicate()
        except GLib.Error:
            value = None
        if value:
            return value
        if time.monotonic() >= deadline:
            return None
        time.sleep(0.05)


def describe(node):
    return "%s '%s'" % (node.getRoleName(), node.name)


def has_state(node, state):
    return node.getState().contains(state)


def descendants(node, path=()):
    """Every node under node, each with the path leading to it."""
    for child in node:
        if child is None:
            continue
        child_path = path + (describe(child),)
        yield child, child_path
        yield from descendants(child, child_path)


def find(node, roles, name):
    for child, _ in descendants(node):
        if child.getRole() in roles and child.name == name:
            return child
    return None


def window_manager_titles():
    """The titles of the windows the window manager has on the screen."""
    def prop(*args):
        return subprocess.run(
            ["xprop", "-notype", *args],
            check=True, capture_output=True, text=True,
            env={**os.environ, "LC_ALL": "C.UTF-8"},
        ).stdout

    listed = prop("-root", "_NET_CLIENT_LIST")
    ids = [word.strip(",") for word in listed.split("#", 1)[-1].split()]
    titles = set()
    for window in ids:
        line = prop("-id", window, "_NET_WM_NAME").strip()
        if " = " in line:
            # xprop quotes the text and escapes quotes and backslashes.
            quoted = line.split(" = ", 1)[1]
            titles.add(quoted[1:-1].replace('\\"', '"').replace("\\\\", "\\"))
    return titles


def check_window(window):
    """A window announces itself by its role and its title, and every control
    in it says what it is for."""
    label = describe(window)
    if window.getRole() not in WINDOW_ROLES:
        fail("%s: the window is announced as '%s', not as a frame, window or dialog"
             % (label, window.getRoleName()))
    # The window manager lists a window a moment after the program shows it.
    titles = set()

    def titled():
        titles.clear()
        titles.update(window_manager_titles())
        return window.name in titles

    if window.name == "" or not wait_for(titled):
        fail("%s: the window's name is not its title (the window manager shows %s)"
             % (label, sorted(titles)))
    named = 0
    for node, path in descendants(window):
        if node.getRole() not in NAMED_ROLES:
            continue
        named += 1
        if node.name.strip() == "":
            fail("nameless %s at %s" % (node.getRoleName(), " > ".join((label,) + path)))
    # A window without a control would pass the check above without being walked.
    if named < 2:
        fail("%s: only %d fields, buttons and lists found" % (label, named))


def shown_windows(app):
    return [w for w in app if w is not None and has_state(w, pyatspi.STATE_SHOWING)]


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("press", "click"):
        if wanted in [n.lower() for n in names]:
            action.doAction([n.lower() for n in names].index(wanted))
            return
    raise Fatal("%s offers no press action, only %s" % (describe(button), names))


def read(field):
    return field.queryText().getText(0, -1)


def find_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)

    def application():
        for app in desktop:
            if app is not None and app.get_process_id() == pid and shown_windows(app):
                return app
        return None

    app = wait_for(application)
    if app is None:
        seen = [a.name for a in desktop if a is not None]
        raise Fatal("no application of process %d with a window on the accessibility bus"
                    " (there: %s)" % (pid, seen))
    return app


def compute_equipment(app, main, announcements):
    """The user picks the first component with the Down key in the list,
    which has the focus when the program starts, fills the calculator in and
    presses its button, all through what AT-SPI offers."""
    components = find(main, {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX}, COMPONENT_LIST)
    if components is None:
        raise Fatal("the main window has no list named '%s'" % COMPONENT_LIST)
    if not wait_for(lambda: has_state(main, pyatspi.STATE_ACTIVE)
                    and has_state(components, pyatspi.STATE_FOCUSED)):
        raise Fatal("at start the main window is not active with its list focused, so keys"
                    " do not reach the list")
    pyatspi.Registry.generateKeyboardEvent(KEYSYM_DOWN, None, pyatspi.KEY_SYM)

    calculator = wait_for(lambda: next(
        (w for w in shown_windows(app) if w.name == EQUIPMENT_TITLE), None))
    if calculator is None:
        raise Fatal("Down in the list opened no window named '%s' (shown: %s)"
                    % (EQUIPMENT_TITLE, [describe(w) for w in shown_windows(app)]))
    # A screen reader speaks a window when it is activated.
    announced = wait_for(lambda: next(
        (a for a in announcements if a[1] == EQUIPMENT_TITLE), None))
    if announced is None:
        fail("the calculator '%s' was not announced (window:activate) when it opened"
             % EQUIPMENT_TITLE)
    elif announced[0] not in WINDOW_ROLES:
        fail("the calculator '%s' is announced as '%s', not as a window or dialog"
             % (EQUIPMENT_TITLE, announced[2]))
    check_window(calculator)

    computers = find(calculator, TEXT_ROLES, COMPUTERS_FIELD)
    button = find(calculator, {pyatspi.ROLE_PUSH_BUTTON}, COMPUTE_BUTTON)
    result = find(main, TEXT_ROLES, EQUIPMENT_RESULT)
    for node, what in ((computers, "field '%s'" % COMPUTERS_FIELD),
                       (button, "button '%s'" % COMPUTE_BUTTON)):
        if node is None:
            raise Fatal("the calculator '%s' has no %s" % (EQUIPMENT_TITLE, what))
    if result is None:
        raise Fatal("the main window has no field named '%s'" % EQUIPMENT_RESULT)
    computers.queryEditableText().setTextContents(COMPUTERS)
    if read(computers) != COMPUTERS:
        fail("'%s' reads '%s' after setting it to '%s'"
             % (COMPUTERS_FIELD, read(computers), COMPUTERS))
    press(button)
    if not wait_for(lambda: read(result) == EQUIPMENT_WATTS):
        fail("after '%s', the main window's '%s' reads '%s', not '%s'"
             % (COMPUTE_BUTTON, EQUIPMENT_RESULT, read(result), EQUIPMENT_WATTS))
    return components


def walk_other_calculators(app, components):
    """Every other entry of the list, activated as a screen reader activates
    a list item (by its first action), shows a calculator of its own, walked
    while it is shown."""
    for row in range(1, components.childCount):
        entry = components[row]
        before = {w.name for w in shown_windows(app)} - {MAIN_TITLE}
        action = entry.queryAction()
        action.doAction(0)
        shown = wait_for(lambda: next(
            (w for w in shown_windows(app) if w.name != MAIN_TITLE and w.name not in before),
            None))
        if shown is None:
            fail("the entry %s (%s) opened no window" % (row, describe(entry)))
            continue
        check_window(shown)


def main():
    pid = int(sys.argv[1])
    app = find_application(pid)
    # Registered before anything opens, so that the program knows to send them.
    announcements = []

    def heard(event):
        source = event.source
        announcements.append((source.getRole(), source.name, source.getRoleName()))

    pyatspi.Registry.registerEventListener(heard, "window:activate")

    main_window = wait_for(lambda: next(
        (w for w in shown_windows(app) if w.name == MAIN_TITLE), None))
    if main_window is None:
        raise Fatal("no window named '%s' (shown: %s)"
                    % (MAIN_TITLE, [describe(w) for w in shown_windows(app)]))
    check_window(main_window)
    components = compute_equipment(app, main_window, announcements)
    walk_other_calculators(app, components)

    exit_button = find(main_window, {pyatspi.ROLE_PUSH_BUTTON}, EXIT_BUTTON)
    if exit_button is None:
        raise Fatal("the main window has no button '%s'" % EXIT_BUTTON)
    press(exit_button)


if __name__ == "__main__":
    stopped_short = False
    try:
        main()
    except Fatal as fatal:
        fail(str(fatal))
        stopped_short = True
    except Exception:
        # An interface missing or an object gone: a failure like any other.
        traceback.print_exc()
        fail("the walk stopped on an error")
        stopped_short = True
    if failures:
        print("%d failed check(s) through AT-SPI" % len(failures))
        # 2: the walk did not get as far as ending the program.
        sys.exit(2 if stopped_short else 1)
    print("every window and control announced and named; the calculator computed")
