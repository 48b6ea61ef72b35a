# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real window through AT-SPI alone, as a screen reader would.

Run by atspi_grid.sh in a private D-Bus session on a virtual X server, once
the program's window is there. Finds the controls by role and name, types the list and the threshold with
EditableText, presses Show with its Action and reads the grid's table; a
mouse release generated through AT-SPI over cell b must bring up the
marker's box as an alert. Prints the default list's first row and how long
a cell of 10000 takes to answer.
    atspi_grid.py <median-limit-ms> <max-limit-ms>
"""

import statistics
import sys
import time

import pyatspi
from gi.repository import GLib

MEDIAN_LIMIT_MS, MAX_LIMIT_MS = float(sys.argv[1]), float(sys.argv[2])
HEADERS = "a b c ç d dh e ë f g gj h i j k l ll m n nj o p q r rr s sh t th u v x xh y z zh".split()


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(test, what, seconds=10):
    """Runs the main loop, which delivers the events, until `test` holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = test()
        if found:
            return found
        if not context.iteration(False):
            time.sleep(0.002)
    raise Failure(what)


def children(accessible, deep=False):
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        yield child
        if deep:
            yield from children(child, deep)


def control(window, role, name):
    found = [c for c in children(window) if c.getRoleName() == role and c.name == name]
    check(found, "no %s named %r among %s" % (role, name, [(c.getRoleName(), c.name) for c in children(window)]))
    return found[0]


def labels(accessible, relation):
    return [r.getTarget(0).name for r in accessible.getRelationSet() if r.getRelationType() == relation]


def gone(accessible):
    """Whether the object no longer stands for anything in the program."""
    try:
        return accessible.getIndexInParent() < 0
    except Exception:  # the program no longer knows its path
        return True


def numbered(n):
    """A list of n lines "n<o>,<o>" and the names of its cells: with their
    share only up to 121 entries, where the boxes print it."""
    total = n * (n + 1) // 2
    share = (lambda o: ", %.2f%%" % (o / total * 100)) if n <= 121 else (lambda o: "")
    return ("".join("n%d,%d\n" % (o, o) for o in range(1, n + 1)),
            ["n%d, %d%s" % (o, o, share(o)) for o in range(1, n + 1)])


class Window:
    def __init__(self, app):
        self.seen = []
        # The toolkit sends children-changed only to listeners of state
        # changes as well, as every screen reader is.
        for kind in ["object:children-changed", "object:state-changed", "window:activate",
                     "object:property-change:accessible-description"]:
            pyatspi.Registry.registerEventListener(self.seen.append, kind)
        frame = wait_for(lambda: app.childCount > 0 and app.getChildAtIndex(0), "no window")
        self.frame = frame
        self.grid = control(frame, "table", "Rrjeta e ngjyrave")
        self.table = self.grid.queryTable()
        self.list_box = control(frame, "text", "Lista")
        self.threshold = control(frame, "text", "Pragu")
        self.show_button = control(frame, "push button", "Shfaq")
        self.label = control(frame, "label", ">=")
        self.selector = control(frame, "combo box", "Gri")  # named by its item
        self.default_list = self.list_box.queryText().getText(0, -1)

    def events(self, start, kind):
        return [e for e in self.seen[start:] if e.type.startswith(kind) and e.source == self.grid]

    def show(self, list_text, threshold):
        """Types both boxes, presses Show and waits until the table has
        changed; returns where its events start."""
        for box, text in ((self.list_box, list_text), (self.threshold, threshold)):
            check(box.queryEditableText().setTextContents(text), "could not type into " + box.name)
        start = len(self.seen)
        self.show_button.queryAction().doAction(0)
        wait_for(lambda: self.events(start, "object:property-change:accessible-description"),
                 "the table did not change after Show")
        return start

    def row(self, row, columns):
        return [self.table.getAccessibleAt(row, c).name for c in range(columns)]

    def check_table(self, what, cells, rows, columns, description, headers=()):
        """Its size, its description and the texts heading its columns and
        rows; its children are the headers, then the cells."""
        seen = (self.grid.childCount, self.table.nRows, self.table.nColumns, self.grid.description,
                [self.table.getColumnDescription(c) for c in range(columns)],
                [self.table.getRowDescription(r) for r in range(rows)])
        texts = list(headers) or [""] * max(rows, columns)
        expected = (2 * len(headers) + cells, rows, columns, description, texts[:columns], texts[:rows])
        check(seen[:4] == expected[:4] and seen[4:] == expected[4:], "%s: %s, expected %s" % (
            what, seen[:4], expected[:4]))
        check(self.table.getAccessibleAt(rows, 0) is None and self.table.getAccessibleAt(0, columns) is None,
              "%s: a cell outside the table" % what)


def check_names_and_labels(window):
    check(labels(window.threshold, pyatspi.RELATION_LABELLED_BY) == [">="], "the threshold box's label")
    check(labels(window.label, pyatspi.RELATION_LABEL_FOR) == ["Pragu"], "what \">=\" labels")
    check(labels(window.selector, pyatspi.RELATION_LABELLED_BY) == ["Skema e ngjyrave"],
          "the scheme selector's label")
    check(window.grid.getState().contains(pyatspi.STATE_MANAGES_DESCENDANTS),
          "the table does not say that it makes its cells when asked")


def check_default_list(window):
    window.check_table("at start-up", 0, 0, 0, "Bosh")
    window.show(numbered(3)[0], "100000")
    window.check_table("nothing reaches the threshold", 0, 0, 0, "Bosh")
    window.show(window.default_list, "1000")
    window.check_table("threshold 1000", 1, 1, 1, "1 qelizë, 1 rresht, 1 shtyllë")
    check(window.row(0, 1) == ["ë, 1377, 100.00%"], "threshold 1000: %s" % window.row(0, 1))

    held = window.table.getAccessibleAt(0, 0)
    start = window.show(window.default_list, "0")
    check(gone(held) and window.events(start, "object:children-changed:remove"),
          "the cell read before Show was not announced gone")
    window.check_table("the default list", 36, 6, 6, "36 qeliza, 6 rreshta, 6 shtylla")
    first = [window.table.getAccessibleAt(0, c) for c in range(6)]
    print("default list, row 1:", "; ".join("%s %r" % (c.getRoleName(), c.name) for c in first))
    check([(c.getRoleName(), c.name) for c in first] == [("table cell", n) for n in [
        "a, 433, 9.08%", "b, 6, 0.13%", "c, 1, 0.02%", "ç, 16, 0.34%", "d, 7, 0.15%", "dh, 5, 0.10%"]],
        "row 1 of the default list")
    check(window.row(5, 6) == ["v, 0, 0.00%", "x, 0, 0.00%", "xh, 0, 0.00%", "y, 10, 0.21%",
                               "z, 3, 0.06%", "zh, 0, 0.00%"], "row 6 is %s" % window.row(5, 6))
    index = first[1].getIndexInParent()
    check((window.table.getRowAtIndex(index), window.table.getColumnAtIndex(index)) == (0, 1),
          "b is not in row 1, column 2")
    return first[1]


def check_marker_alert(window, b):
    box = b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    frame = window.frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    place = (box.x - frame.x, box.y - frame.y, box.width, box.height)
    check(place == (120, 20, 100, 100), "b's box stands at %s in the window" % (place,))
    start = len(window.seen)
    # Window pixel 170: 2550 twips, 900 past the start of b's column.
    pyatspi.Registry.generateMouseEvent(box.x + 50, box.y + 50, "b1c")
    alert = wait_for(lambda: [e.source for e in window.seen[start:]
                              if e.type.startswith("window:activate") and e.source.getRoleName() == "alert"],
                     "no alert after a mouse release over the grid")[0]
    inside = list(children(alert, deep=True))
    texts = [c.name for c in inside if c.getRoleName() == "label"]
    check(alert.name == "Cellaro" and "900" in texts, "the alert %r says %s" % (alert.name, texts))
    [c for c in inside if c.getRoleName() == "push button" and c.name == "OK"][0].queryAction().doAction(0)
    wait_for(lambda: not alert.getState().contains(pyatspi.STATE_SHOWING), "OK did not close the alert")


def check_numbered(window, n, side, headers=()):
    list_text, names = numbered(n)
    window.show(list_text, "0")
    window.check_table("%d entries" % n, n, side, side, "%d qeliza, %d rreshta, %d shtylla" % (n, side, side),
                       headers)
    check(window.row(0, side) + window.row(side - 1, side) == names[:side] + names[-side:],
          "%d entries: the first and the last row" % n)
    if headers:
        heads = [window.table.getColumnHeader(c) for c in range(side)] + \
            [window.table.getRowHeader(r) for r in range(side)]
        check([(h.getRoleName(), h.name) for h in heads] == [("table column header", t) for t in headers]
              + [("table row header", t) for t in headers], "%d entries: the headers" % n)


def time_cells(window):
    """Asks 200 cells spread over the 100 x 100 grid for their names."""
    times = []
    for k in range(200):
        o = (k * 4999) % 10000 + 1  # a stride prime to 10000: all over the grid
        begin = time.perf_counter()
        name = window.table.getAccessibleAt((o - 1) // 100, (o - 1) % 100).name
        times.append((time.perf_counter() - begin) * 1000)
        check(name == "n%d, %d" % (o, o), "cell %d says %r" % (o, name))
    median = statistics.median(times)
    print("10000 entries, a cell asked for and named: median %.2f ms, min %.2f, max %.2f (200 cells)"
          % (median, min(times), max(times)))
    check(median <= MEDIAN_LIMIT_MS and max(times) <= MAX_LIMIT_MS, "cells answer too slowly")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return [a for a in children(desktop) if a is not None and a.name == "Cellaro"]


def main():
    try:
        window = Window(wait_for(application, "the program is not on the accessibility bus")[0])
        check_names_and_labels(window)
        check_marker_alert(window, check_default_list(window))
        check_numbered(window, 121, 11)
        check_numbered(window, 1296, 36, HEADERS)
        check_numbered(window, 10000, 100)
        time_cells(window)
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    print("PASS: names and labels; the table empty at start-up and after a Show that draws nothing, "
          "at 1, 36, 121, 1296 (with headers) and 10000 entries; the marker's alert")
    return 0


if __name__ == "__main__":
    sys.exit(main())
