"""Walks the running program's accessibility tree as a screen reader does,
through the AT-SPI bus: the menus, the channel list's cells, the option
features' controls by name, the progress of a read, a message box, and no
focusable control without a name. Exits 0 when all hold, 1 with the reasons."""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

failures = []
# A command that opens a modal window answers only once it closes: its call
# is not waited for that long.
Atspi.set_timeout(3000, 15000)


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def wait_for(find, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    return None


def children(acc):
    try:
        return [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except Exception:
        return []


def walk(acc, prune=("table", "list", "tree", "tree table", "text")):
    """Every object under acc; the contents of tables, lists and texts are
    their own (cells and list entries), and walked only where asked."""
    for child in children(acc):
        if child is None:
            continue
        yield child
        try:
            role = child.getRoleName()
        except GLib.GError:
            continue  # gone meanwhile
        if role not in prune:
            yield from walk(child, prune)


def find(root, role, name=None, pattern=None):
    for acc in walk(root):
        try:
            if acc.getRoleName() == role and (name is None or acc.name == name) and (
                    pattern is None or re.fullmatch(pattern, acc.name or "")):
                return acc
        except GLib.GError:
            pass  # gone meanwhile: a window closed
    return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def menu_item(app, menu, item):
    bar = find(app, "menu bar")
    top = bar and next((m for m in children(bar) if m.name == menu), None)
    popup = top and next(iter(children(top)), None)
    return popup and next((i for i in children(popup) if i.name == item), None)


def trigger(acc):
    """Runs a menu item's or a button's action, as a screen reader's user does."""
    try:
        acc.queryAction().doAction(0)
    except GLib.GError:
        pass  # a modal window opened: it is there to be read


def run(program, args):
    process = subprocess.Popen([program] + args)
    try:
        app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                     if a is not None and a.name == "ZR-4400"), None))
        if not check(app, "the program never registered on the AT-SPI bus as ZR-4400"):
            return
        main = wait_for(lambda: find(app, "frame"))
        check(wait_for(lambda: find(app, "table", "Channel Information")),
              "the channel information window's grid is not there by its name")

        # The main menu: each menu and its items by their captions.
        for menu, item in (("File", "Open"), ("Edit", "Undo"), ("Program", "Read from Radio"),
                           ("View", "Channel List"), ("Help", "Help topics")):
            check(menu_item(app, menu, item), "menu item %s > %s not found" % (menu, item))

        # The channel list: cells read with their row and column.
        trigger(menu_item(app, "View", "Channel List"))
        table = wait_for(lambda: find(app, "table", "Channel List"))
        if check(table, "the channel list is not there by its name"):
            grid = table.queryTable()
            cell = grid.getAccessibleAt(0, 3)
            check(cell and re.fullmatch(r"(CB|HF) A Channel 1, Frequency, \d+\.\d{4}", cell.name),
                  "a channel list cell reads %r" % (cell and cell.name))
            empty = grid.getAccessibleAt(39, 3)
            check(empty and empty.name.endswith(", Frequency, blank")
                  or re.search(r", Frequency, \d", empty.name or ""),
                  "a channel list cell reads %r" % (empty and empty.name))

        # The option features: the controls by the names of their labels.
        trigger(menu_item(app, "Edit", "Option Features"))
        options = wait_for(lambda: find(app, "combo box", "TOT"))
        if check(options, "the option features' TOT list is not there by its name"):
            check(find(app, "combo box", "MIC"), "no list named MIC")
            check(find(app, "text", "Tx Offset"), "no box named Tx Offset")

        # Nothing a user reaches is without a name.
        unnamed = [(a.getRoleName(), a.parent.name if a.parent else "")
                   for a in walk(app, prune=("list", "text"))
                   if a.getState().contains(pyatspi.STATE_FOCUSABLE) and showing(a)
                   and not (a.name or "").strip() and a.getRoleName() != "table cell"]
        check(not unnamed, "focusable controls without a name: %s" % unnamed)

        # A read from the simulated radio: its question is read, then the
        # progress window tells its value.
        trigger(menu_item(app, "Program", "Read from Radio"))
        question = wait_for(lambda: find(app, "label", pattern=r"Read data from radio\.\n.*"), 30)
        if check(question, "the question before a read was not read"):
            dialog = question.parent
            ok = next((b for b in walk(dialog) if b.getRoleName() == "push button"
                       and b.name == "OK"), None)
            if check(ok, "the question has no OK button"):
                trigger(ok)
        bar = wait_for(lambda: find(app, "progress bar"), 60)
        if check(bar, "no progress bar during a read"):
            value = wait_for(lambda: bar.queryValue().currentValue > 0 or None, 60)
            check(value and bar.queryValue().maximumValue == 100,
                  "the progress bar's value is not told during the read")
    finally:
        process.terminate()
        try:
            process.wait(20)
        except subprocess.TimeoutExpired:
            process.kill()


if __name__ == "__main__":
    run(sys.argv[1], sys.argv[2:])
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)
