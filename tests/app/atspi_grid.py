# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real window through AT-SPI alone, as a screen reader would.

Started by atspi_grid.sh inside a private D-Bus session on a virtual X
server. Finds the controls by role and accessible name, types the threshold
and the list with EditableText, presses Show with its Action and reads the
grid's table at start-up, after a Show that draws nothing, and at 1, 36,
121, 1296 and 10000 entries; a mouse release generated through AT-SPI over
cell b must bring up the marker's box as an alert. Prints the default
list's first row and the time one cell of 10000 takes to answer.
    atspi_grid.py <cellaro> <close_window> <median-limit-ms> <max-limit-ms>
"""

import os
import statistics
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP, CLOSE_WINDOW = sys.argv[1], sys.argv[2]
MEDIAN_LIMIT_MS, MAX_LIMIT_MS = float(sys.argv[3]), float(sys.argv[4])
LOG = os.path.join(os.environ["work"], "app.log")

HEADERS = ("a b c ç d dh e ë f g gj h i j k l ll m n nj o p q r rr s sh t th "
           "u v x xh y z zh").split()
# The default list after Show at threshold 0, row 1 (6 columns).
DEFAULT_FIRST_ROW = ["a, 433, 9.08%", "b, 6, 0.13%", "c, 1, 0.02%",
                     "ç, 16, 0.34%", "d, 7, 0.15%", "dh, 5, 0.10%"]


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def pump(seconds):
    """Runs the main loop, which delivers the events, for `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.002)


def wait_for(test, what, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = test()
        if found:
            return found
        pump(0.02)
    raise Failure(what)


class Events:
    """Every event of the kinds a screen reader follows here."""

    # The toolkit sends children-changed only to a listener of state changes
    # too, as every screen reader is.
    KINDS = ["object:children-changed", "object:state-changed", "window:activate",
             # The last: once one of these arrives, the program knows of all.
             "object:property-change:accessible-description"]

    def __init__(self):
        self.seen = []
        for kind in self.KINDS:
            pyatspi.Registry.registerEventListener(self.seen.append, kind)
        pump(0.2)  # the program hears of the listeners

    def since(self, start, kind):
        return [e for e in self.seen[start:] if e.type.startswith(kind)]


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Cellaro":
            return app
    return None


def control(window, role, name):
    for i in range(window.childCount):
        child = window.getChildAtIndex(i)
        if child.getRoleName() == role and child.name == name:
            return child
    raise Failure("no %s named %r; the window holds %s" % (role, name, [
        (window.getChildAtIndex(i).getRoleName(), window.getChildAtIndex(i).name)
        for i in range(window.childCount)]))


def descendants(accessible):
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        yield child
        yield from descendants(child)


def gone(accessible):
    """Whether the object no longer stands for anything in the program."""
    try:
        return accessible.getRoleName() in ("invalid", "unknown") or accessible.getIndexInParent() < 0
    except Exception:  # the program no longer knows its path
        return True


def related(accessible, relation):
    return [r.getTarget(0) for r in accessible.getRelationSet()
            if r.getRelationType() == relation]


def summary(cells, rows, columns):
    if cells == 0:
        return "Bosh"
    def counted(n, one, many):
        return "%d %s" % (n, one if n == 1 else many)
    return ", ".join([counted(cells, "qelizë", "qeliza"), counted(rows, "rresht", "rreshta"),
                      counted(columns, "shtyllë", "shtylla")])


def numbered_list(n):
    """n lines "n<o>,<o>" with line feeds: every count differs."""
    return "".join("n%d,%d\n" % (o, o) for o in range(1, n + 1))


def numbered_names(n):
    """What the cells of numbered_list(n) say: a share only up to 121."""
    total = n * (n + 1) // 2
    if n > 121:
        return ["n%d, %d" % (o, o) for o in range(1, n + 1)]
    return ["n%d, %d, %.2f%%" % (o, o, o / total * 100) for o in range(1, n + 1)]


class Window:
    def __init__(self, app, events):
        self.events = events
        self.frame = wait_for(lambda: app.childCount > 0 and app.getChildAtIndex(0),
                              "the program has no window")
        self.grid = control(self.frame, "table", "Rrjeta e ngjyrave")
        self.table = self.grid.queryTable()
        self.list_box = control(self.frame, "text", "Lista")
        self.threshold = control(self.frame, "text", "Pragu")
        self.show = control(self.frame, "push button", "Shfaq")
        self.label = control(self.frame, "label", ">=")
        self.selector = control(self.frame, "combo box", "Gri")  # named by its current item
        self.default_list = self.list_box.queryText().getText(0, -1)

    def press_show(self):
        """Presses Show and waits until the table says it has changed."""
        start = len(self.events.seen)
        actions = self.show.queryAction()
        actions.doAction(0)
        wait_for(lambda: self.events.since(start, "object:property-change:accessible-description"),
                 "no description change after Show")
        return start

    def type_into(self, box, text):
        check(box.queryEditableText().setTextContents(text), "could not type into " + box.name)

    def shown(self, list_text, threshold):
        self.type_into(self.list_box, list_text)
        self.type_into(self.threshold, threshold)
        return self.press_show()

    def names(self, row, columns):
        return [self.table.getAccessibleAt(row, c).name for c in range(columns)]

    def check_shape(self, cells, rows, columns, headers=0):
        """The table's cells, rows, columns and description; its children
        are the headers of its columns and rows, then the cells."""
        shape = (self.grid.childCount, self.table.nRows, self.table.nColumns, self.grid.description)
        expected = (2 * headers + cells, rows, columns, summary(cells, rows, columns))
        check(shape == expected, "table of %s, expected %s" % (shape, expected))


def check_controls(window):
    check(window.grid.getRoleName() == "table", "the drawing area is not a table")
    check([t.name for t in related(window.threshold, pyatspi.RELATION_LABELLED_BY)] == [">="],
          "the threshold box is not labelled by \">=\"")
    check([t.name for t in related(window.label, pyatspi.RELATION_LABEL_FOR)] == ["Pragu"],
          "\">=\" labels no threshold box")
    check([t.name for t in related(window.selector, pyatspi.RELATION_LABELLED_BY)] == ["Skema e ngjyrave"],
          "the scheme selector is not labelled \"Skema e ngjyrave\"")
    check(window.grid.getState().contains(pyatspi.STATE_MANAGES_DESCENDANTS),
          "the table does not say it makes its cells as asked")


def check_start_up_and_nothing_drawn(window):
    window.check_shape(0, 0, 0)
    check(window.table.getAccessibleAt(0, 0) is None, "an empty table has a cell")
    window.shown(numbered_list(3), "100000")  # nothing reaches the threshold
    window.check_shape(0, 0, 0)


def check_typed_threshold(window):
    window.shown(window.default_list, "1000")
    window.check_shape(1, 1, 1)
    check(window.names(0, 1) == ["ë, 1377, 100.00%"], "threshold 1000: %s" % window.names(0, 1))


def check_default_list(window):
    held = window.table.getAccessibleAt(0, 0)
    window.type_into(window.threshold, "0")
    start = window.press_show()
    check(gone(held), "a cell of the grid shown before still answers")
    check([e for e in window.events.since(start, "object:children-changed:remove") if e.source == window.grid],
          "the table did not say that the cells read before are gone")
    window.check_shape(36, 6, 6)
    first = [window.table.getAccessibleAt(0, c) for c in range(6)]
    print("default list, row 1:", "; ".join("%s %r" % (c.getRoleName(), c.name) for c in first))
    check([c.name for c in first] == DEFAULT_FIRST_ROW, "row 1 is %s" % [c.name for c in first])
    check({c.getRoleName() for c in first} == {"table cell"}, "a cell of row 1 is no table cell")
    check(window.names(5, 6) == ["v, 0, 0.00%", "x, 0, 0.00%", "xh, 0, 0.00%",
                                 "y, 10, 0.21%", "z, 3, 0.06%", "zh, 0, 0.00%"],
          "row 6 is %s" % window.names(5, 6))
    b = first[1]
    check((window.table.getRowAtIndex(b.getIndexInParent()),
           window.table.getColumnAtIndex(b.getIndexInParent())) == (0, 1), "b is not at row 1, column 2")
    return b


def check_marker_box(window, b):
    """A release over b's box shows the coordinate as an alert."""
    box = b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    frame = window.frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    in_window = (box.x - frame.x, box.y - frame.y, box.width, box.height)
    check(in_window == (120, 20, 100, 100), "b's box at %s in the window" % (in_window,))
    start = len(window.events.seen)
    # Pixel 170 of the window: 2550 twips, 900 past the start of b's column.
    pyatspi.Registry.generateMouseEvent(box.x + 50, box.y + 50, "b1c")
    alert = wait_for(lambda: [e.source for e in window.events.since(start, "window:activate")
                              if e.source.getRoleName() == "alert"],
                     "no alert after a mouse release over the grid")[0]
    texts = [c.name for c in descendants(alert) if c.getRoleName() == "label"]
    check(alert.name == "Cellaro" and "900" in texts, "the alert %r says %s" % (alert.name, texts))
    ok = [c for c in descendants(alert) if c.getRoleName() == "push button" and c.name == "OK"]
    check(ok, "the alert has no OK button")
    ok[0].queryAction().doAction(0)
    wait_for(lambda: not alert.getState().contains(pyatspi.STATE_SHOWING), "OK did not close the alert")


# Lists of n entries "n<o>,<o>": rows, columns and header texts of the table.
NUMBERED = [(121, 11, 11, 0), (1296, 36, 36, 36), (10000, 100, 100, 0)]


def check_numbered(window, n, rows, columns, headers):
    window.shown(numbered_list(n), "0")
    window.check_shape(n, rows, columns, headers)
    expected = numbered_names(n)
    last_row = (n - 1) // columns
    check(window.names(0, columns) == expected[:columns], "%d entries: row 1 is %s" % (
        n, window.names(0, columns)))
    check(window.names(last_row, n - last_row * columns) == expected[last_row * columns:],
          "%d entries: the last row is %s" % (n, window.names(last_row, n - last_row * columns)))
    check(window.table.getAccessibleAt(rows, 0) is None, "%d entries: a cell below the last row" % n)
    texts = HEADERS if headers else [""] * columns
    check([window.table.getColumnDescription(c) for c in range(columns)] == texts
          and [window.table.getRowDescription(r) for r in range(rows)] == texts[:rows],
          "%d entries: the descriptions of columns and rows" % n)
    if headers:
        heads = [window.table.getColumnHeader(c) for c in range(36)] + \
            [window.table.getRowHeader(r) for r in range(36)]
        check([(h.getRoleName(), h.name) for h in heads]
              == [("table column header", t) for t in HEADERS] + [("table row header", t) for t in HEADERS],
              "the headers are %s" % [(h.getRoleName(), h.name) for h in heads])


def time_cells(window):
    """Asks 200 cells spread over the 100 x 100 grid for their names."""
    times = []
    for k in range(200):
        o = (k * 4999) % 10000 + 1  # a stride prime to 10000: all over the grid
        row, column = divmod(o - 1, 100)
        begin = time.perf_counter()
        name = window.table.getAccessibleAt(row, column).name
        times.append((time.perf_counter() - begin) * 1000)
        check(name == "n%d, %d" % (o, o), "cell (%d, %d) says %r" % (row + 1, column + 1, name))
    median = statistics.median(times)
    print("10000 entries, one cell asked and named: median %.2f ms, min %.2f, max %.2f (200 cells)"
          % (median, min(times), max(times)))
    check(median <= MEDIAN_LIMIT_MS and max(times) <= MAX_LIMIT_MS,
          "cells answer too slowly (limits %.0f ms median, %.0f ms max)" % (MEDIAN_LIMIT_MS, MAX_LIMIT_MS))


def close(process):
    window_id = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Cellaro - "],
                               capture_output=True, text=True).stdout.split()
    check(window_id, "the window is gone")
    subprocess.run([CLOSE_WINDOW, window_id[0]], check=True)
    try:
        status = process.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end when its window was closed")
    check(status == 0, "the program ended with status %d" % status)


def main():
    with open(LOG, "w") as log:
        process = subprocess.Popen([APP], stderr=log)
    try:
        app = wait_for(application, "the program did not appear on the accessibility bus")
        events = Events()
        window = Window(app, events)
        check_controls(window)
        check_start_up_and_nothing_drawn(window)
        check_typed_threshold(window)
        b = check_default_list(window)
        check_marker_box(window, b)
        for case in NUMBERED:
            check_numbered(window, *case)
        time_cells(window)
        close(process)
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    print("PASS: names, labels and the table through AT-SPI: empty at start-up and after a Show "
          "that draws nothing; 1, 36, 121, 1296 (with headers) and 10000 entries; the marker's alert")
    return 0


if __name__ == "__main__":
    sys.exit(main())
