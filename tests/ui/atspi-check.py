#!/usr/bin/env python3
"""torvaly-puzzle read through the accessibility bus, as a screen reader
reads it: each figure field by its caption (labelled-by), the progress bar
named and without actions, the table named; after a search started through
the bus, the round trips read 11.5 and the table holds 47 rows. Then a
double-click on a row opens the crossing view, whose lists 日本, 米国 and 舟
name the travellers that the row's cells place there; its 次へ button,
pressed through the bus, announces the next step and selects its row.
Beside the picture, the list 規則 holds the boat's seats and the nine rules,
numbered. Last, the view's game, 自分で解く, chosen through the bus: the first
traveller of the table's first trip, checked by its toggle action, is
refused alone with 渡る, and a line of 規則 is selected; with the second
checked, the two cross, and the view announces their landing at 米国.
Usage: atspi-check.py <torvaly-puzzle>; runs inside a session bus and an X
server (atspi-check.sh sets them up)."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CAPTIONS = ["経過時間", "試行回数", "往復回数", "到着人数", "別解個数"]
DEADLINE_S = 20


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def wait_for(what, condition):
    end = time.monotonic() + DEADLINE_S
    while time.monotonic() < end:
        # Events from the bus reach their listeners here.
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise SystemExit(f"FAIL: {what} within {DEADLINE_S} s")


def same(traveller, header):
    """Whether a traveller's name is a column's header; a header too wide
    for its column ends in an ellipsis."""
    return traveller == header or (header.endswith("…") and traveller.startswith(header[:-1]))


def lists_of(app):
    return {n.name: n for n in walk(app) if n.getRole() == pyatspi.ROLE_LIST}


def members(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def press(app, name, failures):
    """Presses the button named name; one that stays pressed, as a mode's
    does, is a check box on the bus."""
    roles = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX)
    buttons = [n for n in walk(app) if n.getRole() in roles and n.name == name]
    if len(buttons) != 1:
        failures.append(f"{len(buttons)} buttons named {name}")
        return False
    buttons[0].queryAction().doAction(0)
    return True


def check_crossing_view(app, table, failures):
    """Opens the view on the table's second row and reads it; returns the
    headers of the travellers aboard there."""
    row = 1
    cells = table.queryTable()
    names = [cells.getColumnHeader(c).name for c in range(1, cells.nColumns)]
    places = [cells.getAccessibleAt(row, c).name for c in range(1, cells.nColumns)]
    expected = {"日本": [n for n, p in zip(names, places) if p == "日本"],
                "米国": [n for n, p in zip(names, places) if p == "米国"],
                "舟": [n for n, p in zip(names, places) if p in ("行き", "帰り")]}
    box = cells.getAccessibleAt(row, 1).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, pyatspi.MOUSE_B1D)

    found = wait_for("the crossing view's lists",
                     lambda: (lambda f: f if {"日本", "米国", "舟"} <= set(f) else None)(lists_of(app)))
    for name, travellers in expected.items():
        listed = [item.name for item in members(found[name])]
        if len(listed) != len(travellers) or not all(map(same, listed, travellers)):
            failures.append(f"the list {name} holds {listed}, the row says {travellers}")

    if press(app, "次へ", failures):
        wait_for("the next step announced", lambda: any(d.startswith("手順 3 / 47") for d in ANNOUNCED))
        wait_for("the next step's row selected", lambda: cells.isRowSelected(row + 1))
    return expected["舟"]


def check_rules(app, failures):
    """The list 規則: the boat's seats, then the nine rules numbered."""
    rules = lists_of(app).get("規則")
    if rules is None:
        failures.append(f"no list 規則 among {sorted(lists_of(app))}")
        return None
    lines = [item.name for item in members(rules)]
    if len(lines) != 10 or not all(line.startswith(f"{n}. ") for n, line in enumerate(lines[1:], 1)):
        failures.append(f"the list 規則 holds {lines}")
    return rules


def check_game(app, trip, rules, failures):
    """Plays the first trip of the table in the view's game, through the bus,
    after the first of it alone is refused."""
    if not press(app, "自分で解く", failures):
        return
    def actions_of(item):
        actions = item.queryAction()
        return [actions.getName(k) for k in range(actions.nActions)]
    # The bridge does not carry the checkable state: a traveller that can be
    # chosen offers the toggle action.
    def checkable():
        items = members(lists_of(app).get("日本", app))
        return items if len(items) == 12 and all("Toggle" in actions_of(i) for i in items) else None
    items = wait_for("the travellers at 日本 offering Toggle", checkable)
    chosen = [i for i in items if any(same(i.name, header) for header in trip)]
    if len(chosen) != len(trip):
        failures.append(f"the trip {trip} is not among {[i.name for i in items]}")
        return
    for index, item in enumerate(chosen):
        item.queryAction().doAction(actions_of(item).index("Toggle"))
        wait_for(f"{item.name} checked", lambda: item.getState().contains(pyatspi.STATE_CHECKED))
        if index == 0 and rules is not None and press(app, "渡る", failures):
            wait_for("the refused rule selected in 規則",
                     lambda: any(line.getState().contains(pyatspi.STATE_SELECTED) for line in members(rules)))
    if not press(app, "渡る", failures):
        return
    said = wait_for("the trip announced", lambda: [d for d in ANNOUNCED if d.startswith("渡った回数 1")])
    names = [i.name for i in chosen]
    if not all(name in said[-1] for name in names):
        failures.append(f"the trip of {names} was announced as {said[-1]!r}")
    landed = [i.name for i in members(lists_of(app)["米国"])]
    if landed != names:
        failures.append(f"after the trip 米国 lists {landed}, not {names}")


# The descriptions that changed, as a screen reader hears them.
ANNOUNCED = []


def main():
    # Listening before the program starts, so that it knows of the listener
    # from its first moment.
    pyatspi.Registry.registerEventListener(lambda event: ANNOUNCED.append(event.source.description),
                                           "object:property-change:accessible-description")
    program = subprocess.Popen([sys.argv[1]])
    failures = []
    try:
        app = wait_for("the program on the bus", lambda: find_app(program.pid))
        tabular = (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE)
        nodes = wait_for("the dialog's controls",
                         lambda: [n for n in walk(app) if n.getRole() in tabular] and list(walk(app)))
        fields = {}
        for node in nodes:
            if node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
                labels = [t.name for r in node.getRelationSet()
                          if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                          for t in (r.getTarget(k) for k in range(r.getNTargets()))]
                fields[node.name] = (labels, node)
        for caption in CAPTIONS:
            if caption not in fields:
                failures.append(f"no field named {caption}: {sorted(fields)}")
            elif fields[caption][0] != [caption]:
                failures.append(f"{caption} labelled by {fields[caption][0]}")

        bars = [n for n in nodes if n.getRole() == pyatspi.ROLE_PROGRESS_BAR]
        if len(bars) != 1 or not bars[0].name:
            failures.append(f"progress bar names: {[b.name for b in bars]}")
        else:
            try:
                actions = bars[0].queryAction()
                names = [actions.getName(i) for i in range(actions.nActions)]
            except NotImplementedError:
                names = []
            if names:
                failures.append(f"the progress bar offers actions {names}")

        tables = [n for n in nodes if n.getRole() in tabular]
        if len(tables) != 1 or not tables[0].name:
            failures.append(f"table names: {[t.name for t in tables]}")

        start = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "スタート"]
        if len(start) != 1 or "往復回数" not in fields:
            failures.append("no start button or round-trips field to run a search with")
        else:
            start[0].queryAction().doAction(0)
            text = fields["到着人数"][1].queryText()
            wait_for("a complete search", lambda: text.getText(0, -1) == "12")
            trips = fields["往復回数"][1].queryText().getText(0, -1)
            if trips != "11.5":
                failures.append(f"round trips read {trips!r}")
            rows = tables[0].queryTable().nRows if tables else 0
            if rows != 47:
                failures.append(f"the table has {rows} rows")
            else:
                trip = check_crossing_view(app, tables[0], failures)
                rules = check_rules(app, failures)
                check_game(app, trip, rules, failures)
    finally:
        program.terminate()
        program.wait(timeout=10)
    for failure in failures:
        print("FAIL:", failure)
    print("AT-SPI check:", "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
