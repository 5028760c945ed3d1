"""Runs the first action of an accessible object of a process: a11y_press.py PID ROLE NAME.

Exits with 0 when the action ran, 1 when no showing object of that role and name was found.
"""

import sys

import pyatspi


def find(node, role, name):
    if node is None:
        return None
    if node.getRoleName() == role and node.name == name and node.getState().contains(
        pyatspi.STATE_SHOWING
    ):
        return node
    for child in node:
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def main():
    pid, role, name = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    for application in pyatspi.Registry.getDesktop(0):
        if application is None or application.get_process_id() != pid:
            continue
        target = find(application, role, name)
        if target is not None and target.queryAction().doAction(0):
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
