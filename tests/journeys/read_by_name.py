"""Drives Tavix through the accessibility bus alone, as a screen reader user does: finds the
controls by the names they speak, presses them, and reads the answer back from the list.

    read_by_name.py ROAD_TEAM HOME_TEAM

Exits 0 when a prediction naming one of the two teams was read back, 1 otherwise, saying why.
"""
import sys
import time

import pyatspi


def fail(why):
    print("journey: FAILED: " + why, file=sys.stderr)
    sys.exit(1)


def walk(node, depth=0):
    """Every accessible below `node`, itself first; a node that goes away mid-walk is left out."""
    try:
        yield node
        if depth > 40:
            return
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from walk(child, depth + 1)
    except Exception:  # the window changed under the walk: the caller tries again
        return


# The limits only end a wait for something that never comes: a loaded machine may need much of them.
def find(root, what, test, seconds=120):
    until = time.time() + seconds
    while time.time() < until:
        for node in walk(root):
            try:
                if test(node):
                    return node
            except Exception:
                pass
        time.sleep(0.2)
    fail("nothing found: " + what)


def press(node, what):
    actions = node.queryAction()
    if actions.nActions == 0:
        fail(what + " offers no action")
    names = [actions.getName(i) for i in range(actions.nActions)]
    for wanted in ("press", "click", "toggle", "Press", "Toggle"):
        if wanted in names:
            actions.doAction(names.index(wanted))
            return names[names.index(wanted)]
    actions.doAction(0)
    return names[0]


def role(node):
    return node.getRoleName()


def main():
    road, home = sys.argv[1], sys.argv[2]
    desktop = pyatspi.Registry.getDesktop(0)
    app = find(desktop, "the Tavix application on the bus",
               lambda n: n.getRole() == pyatspi.ROLE_APPLICATION and "tavix" in n.name.lower())
    item = find(app, "the menu item Single Game Predictions",
                lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name.replace("&", "") == "Single Game Predictions")
    press(item, "Single Game Predictions")
    window = find(app, "the predictions window",
                  lambda n: role(n) in ("dialog", "frame", "window") and "Predictions" in n.name
                  and n.getState().contains(pyatspi.STATE_SHOWING))

    for team in (road, home):
        control = find(window, "a control named " + team, lambda n, t=team: n.name == t)
        press(control, team)
        until = time.time() + 60
        while not control.getState().contains(pyatspi.STATE_CHECKED):
            if time.time() > until:
                fail(team + " was pressed but does not say it is chosen")
            time.sleep(0.1)
        print("journey: chose " + team + " (" + role(control) + ", checked)")

    predict = find(window, "the Predict button",
                   lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Predict")
    answers = find(window, "the list named Predictions",
                   lambda n: n.name == "Predictions" and role(n) in ("list", "list box", "table", "tree table"))
    before = answers.childCount
    press(predict, "Predict")
    until = time.time() + 60
    while answers.childCount <= before:
        if time.time() > until:
            fail("Predict added no line to the list")
        time.sleep(0.1)
    line = answers.getChildAtIndex(answers.childCount - 1).name
    print("journey: read back: " + line)
    nick = lambda team: team.split()[-1]
    if nick(road) not in line and nick(home) not in line and "Pick" not in line:
        fail("the line read back names neither team: " + line)


if __name__ == "__main__":
    main()
