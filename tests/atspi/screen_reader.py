#!/usr/bin/python3
"""Meets a running Kelvora through AT-SPI, as a screen reader does.

    screen_reader.py PID

Run by run-screen-reader.sh. Every window the program shows must be announced
as a frame, window or dialog named by its title, and every field, button and
list in it must have a name. The user picks the equipment component with the
Down key, types into the calculator and presses its button through AT-SPI,
and the result is read back from the main window; then every other entry is
opened as a screen reader opens a list item, and its window walked; the I-d
chart must be a dialog that says both air states in its description; Sao chép
must say in an alert that it copied. Every
failure is listed with its role and path before it exits 1.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG}
LIST_ROLES = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX}
TEXT_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}
NAMED_ROLES = TEXT_ROLES | LIST_ROLES | {pyatspi.ROLE_PUSH_BUTTON}
KEYSYM_DOWN = 0xFF54
# The titles the program gives its windows, with the equipment calculator's
# trailing blank.
TITLES = {"Kelvora", "Tinh Nhiet do may moc ", "Nhập", "Tinh nhiet do nguoi toa  ra",
          "Nhiet ton that do ro lot khong khi", "Nhiet buc xa qua kinh",
          "Nhiet truyen qua ket cau bao che do chenh lech nhiet do",
          "Nhiet luong ton that do buc xa qua mai", "Nhiet truyen qua nen"}

failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message, flush=True)


def wait_for(predicate, patience_s=15.0):
    """The first true value of predicate() within the patience, else None."""
    deadline = time.monotonic() + patience_s
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = predicate()
        except GLib.Error:  # an object gone while asked: not there yet
            value = None
        if value:
            return value
        time.sleep(0.05)
    return None


def describe(node):
    return "%s '%s'" % (node.getRoleName(), node.name)


def descendants(node, path=()):
    for child in node:
        if child is not None:
            yield child, path + (describe(child),)
            yield from descendants(child, path + (describe(child),))


def find(node, roles, name):
    return next((c for c, _ in descendants(node) if c.getRole() in roles and c.name == name), None)


def shown(app, title=None, besides=()):
    return next((w for w in app if w is not None and w.name not in besides
                 and w.getState().contains(pyatspi.STATE_SHOWING)
                 and (title is None or w.name == title)), None)


def check_window(window):
    if window.getRole() not in WINDOW_ROLES:
        fail("%s: announced as '%s', not as a window or dialog"
             % (describe(window), window.getRoleName()))
    if window.name not in TITLES:
        fail("%s: not named by its title" % describe(window))
    named = 0
    for node, path in descendants(window):
        if node.getRole() in NAMED_ROLES:
            named += 1
            if not node.name.strip():
                fail("nameless %s at %s" % (node.getRoleName(),
                                            " > ".join((describe(window),) + path)))
    if named < 2:  # else a window walked as empty would pass
        fail("%s: only %d fields, buttons and lists" % (describe(window), named))


def press(button):
    action = button.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    action.doAction(names.index("press") if "press" in names else 0)


def main(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in desktop if a is not None
                                 and a.get_process_id() == pid and shown(a)), None))
    if app is None:
        return fail("no application of process %d on the accessibility bus" % pid)
    main_window = wait_for(lambda: shown(app, "Kelvora"))
    if main_window is None:
        return fail("no window titled Kelvora")
    check_window(main_window)

    components = find(main_window, LIST_ROLES, "Chọn loại nhiệt thừa tính")
    result = find(main_window, TEXT_ROLES, "Q1")
    if components is None or result is None:
        return fail("the main window has no component list or no field Q1")
    if not wait_for(lambda: components.getState().contains(pyatspi.STATE_FOCUSED)):
        return fail("at start the component list does not have the focus")
    pyatspi.Registry.generateKeyboardEvent(KEYSYM_DOWN, None, pyatspi.KEY_SYM)
    equipment = wait_for(lambda: shown(app, "Tinh Nhiet do may moc "))
    if equipment is None:
        return fail("Down in the list opened no equipment calculator")
    check_window(equipment)
    computers = find(equipment, TEXT_ROLES, "Số máy vi tính")
    button = find(equipment, {pyatspi.ROLE_PUSH_BUTTON}, "Tính")
    if computers is None or button is None:
        return fail("the equipment calculator has no field 'Số máy vi tính' or no 'Tính'")
    computers.queryEditableText().setTextContents("4")
    press(button)
    # Four computers of 300 W.
    if not wait_for(lambda: result.queryText().getText(0, -1) == "1200"):
        fail("Q1 reads '%s', not '1200'" % result.queryText().getText(0, -1))

    for row in range(1, components.childCount):
        before = {w.name for w in app if w is not None
                  and w.getState().contains(pyatspi.STATE_SHOWING)}
        components[row].queryAction().doAction(0)
        window = wait_for(lambda: shown(app, besides=before))
        if window is None:
            fail("the entry %s opened no window" % describe(components[row]))
        else:
            check_window(window)

    # The chart is a picture: its dialog's description says what it shows.
    chart_button = find(main_window, {pyatspi.ROLE_PUSH_BUTTON}, "Biểu đồ I-d")
    if chart_button is None:
        return fail("the main window has no 'Biểu đồ I-d'")
    press(chart_button)
    chart = wait_for(lambda: shown(app, "Biểu đồ I-d"))
    if chart is None:
        fail("Biểu đồ I-d opened no window titled so")
    else:
        if chart.getRole() != pyatspi.ROLE_DIALOG:
            fail("%s: announced as '%s', not as a dialog" % (describe(chart), chart.getRoleName()))
        for state in ("Ngoài trời: 34.6 °C, độ ẩm 74 %", "Trong phòng: 25 °C, độ ẩm 65 %"):
            if state not in chart.description:
                fail("%s: its description '%s' does not say '%s'"
                     % (describe(chart), chart.description, state))
    # Sao chép says that it copied in an alert, which a screen reader reads
    # out as it shows, and which goes by itself.
    copy_button = find(main_window, {pyatspi.ROLE_PUSH_BUTTON}, "Sao chép")
    if copy_button is None:
        return fail("the main window has no 'Sao chép'")
    press(copy_button)
    alert = wait_for(lambda: next((node for node, _ in descendants(main_window)
                                   if node.getRole() == pyatspi.ROLE_ALERT
                                   and node.getState().contains(pyatspi.STATE_SHOWING)), None))
    if alert is None:
        fail("Sao chép showed no alert")
    elif alert.name != "Đã sao chép bảng của phòng":
        fail("Sao chép's alert says '%s'" % alert.name)
    elif not wait_for(lambda: not alert.getState().contains(pyatspi.STATE_SHOWING), 10.0):
        fail("Sao chép's alert stays")

    exit_button = find(main_window, {pyatspi.ROLE_PUSH_BUTTON}, "Thoát")
    if exit_button is None:
        return fail("the main window has no 'Thoát'")
    press(exit_button)


if __name__ == "__main__":
    try:
        main(int(sys.argv[1]))
    except Exception as error:  # an interface missing: a failure like any other
        fail("the walk stopped on %r" % error)
    if failures:
        sys.exit("%d failed check(s) through AT-SPI" % len(failures))
    print("every window and control announced and named; the calculator computed; the copy "
          "announced")
