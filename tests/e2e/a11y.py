"""What a screen reader finds in a running program, asked over the accessibility bus.

  a11y.py known PID                  exits 0 once the process is on the bus
  a11y.py tree PID [TOP_LEVEL_ROLE]  one line per object: depth|role|name|showing (1 or 0)|
                                     actions|AT-SPI role number; with a role, only the top-level
                                     windows of that role
  a11y.py extents PID ROLE NAME      "x y width height" on the screen of the first such object
  a11y.py press PID ROLE NAME        runs the first action of the first such object that shows
  a11y.py text PID ROLE NAME         the text the first such object holds, as a reader reads it
  a11y.py focused PID                "role|name" of each object that says it has the keyboard (a
                                     view and its current entry both do), as a reader announces it
  a11y.py told PID                   asks the program to tell of keyboard moves, prints "listening",
                                     then "role|name" of each object it tells has taken the
                                     keyboard, the last one being where a reader stays; runs until
                                     ended

Exits with 1 when the process or the object is not found. Every command walks the tree the same
way, with the names the program itself gives its roles, as a screen reader reads them: a list's
entries say nothing the list's own name does not.
"""

import sys

from gi.repository import Gio, GLib

ACCESSIBLE = "org.a11y.atspi.Accessible"
ROOT = "/org/a11y/atspi/accessible/root"
# Bits 12 and 25 of the state set's first word.
FOCUSED = 1 << 12
SHOWING = 1 << 25


class Bus:
    def __init__(self):
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                     None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000,
                                     None).unpack()[0]
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                 | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        self.connection = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)

    def call(self, name, path, interface, method, arguments=None):
        return self.connection.call_sync(name, path, interface, method, arguments, None,
                                         Gio.DBusCallFlags.NONE, 5000, None).unpack()

    def application(self, pid):
        """The bus name under which process PID registered its accessible objects."""
        for name, _ in self.call("org.a11y.atspi.Registry", ROOT, ACCESSIBLE, "GetChildren")[0]:
            owner = self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                              "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,)))[0]
            if owner == pid:
                return name
        return None


class Node:
    def __init__(self, bus, name, path):
        self.bus, self.name, self.path = bus, name, path

    def call(self, interface, method, arguments=None):
        return self.bus.call(self.name, self.path, interface, method, arguments)

    def role_name(self):
        return self.call(ACCESSIBLE, "GetRoleName")[0]

    def role(self):
        return self.call(ACCESSIBLE, "GetRole")[0]

    def label(self):
        return self.call("org.freedesktop.DBus.Properties", "Get",
                         GLib.Variant("(ss)", (ACCESSIBLE, "Name")))[0]

    def showing(self):
        return bool(self.call(ACCESSIBLE, "GetState")[0][0] & SHOWING)

    def focused(self):
        return bool(self.call(ACCESSIBLE, "GetState")[0][0] & FOCUSED)

    def actions(self):
        try:
            return [action[0] for action in self.call("org.a11y.atspi.Action", "GetActions")[0]]
        except GLib.Error:
            return []

    def children(self):
        return [Node(self.bus, name, path) for name, path in self.call(ACCESSIBLE, "GetChildren")[0]]


def walk(node, depth=0, top_level_role=None):
    role = node.role_name()
    if depth == 1 and top_level_role and role != top_level_role:
        return
    yield depth, role, node
    if role == "list":
        return
    for child in node.children():
        yield from walk(child, depth + 1, top_level_role)


def find(root, role, name, only_showing=False):
    for _, node_role, node in walk(root):
        if node_role == role and node.label() == name and (not only_showing or node.showing()):
            return node
    return None


def listen(bus, name):
    # A program tells only of the events some listener has asked the registry for.
    bus.call("org.a11y.atspi.Registry", "/org/a11y/atspi/registry", "org.a11y.atspi.Registry",
             "RegisterEvent", GLib.Variant("(sass)", ("object:state-changed:focused", [], "")))

    def changed(_connection, _sender, path, _interface, _member, parameters):
        detail, taken = parameters.unpack()[:2]
        if detail == "focused" and taken == 1:
            node = Node(bus, name, path)
            print(f"{node.role_name()}|{node.label()}", flush=True)

    bus.connection.signal_subscribe(name, "org.a11y.atspi.Event.Object", "StateChanged", None, None,
                                    Gio.DBusSignalFlags.NONE, changed)
    print("listening", flush=True)
    GLib.MainLoop().run()
    return 0


def main():
    command, pid = sys.argv[1], int(sys.argv[2])
    try:
        bus = Bus()
        name = bus.application(pid)
    except GLib.Error:
        return 1
    if name is None:
        return 1
    root = Node(bus, name, ROOT)
    if command == "known":
        return 0
    if command == "tree":
        top_level_role = sys.argv[3] if len(sys.argv) > 3 else None
        for depth, role, node in walk(root, 0, top_level_role):
            # One object a line: a line break in a name is written as the two characters \n.
            fields = [depth, role, node.label().replace("\n", "\\n"), int(node.showing()),
                      ",".join(node.actions()), node.role()]
            print("|".join(str(field) for field in fields))
        return 0
    if command == "focused":
        # Into tables too, whose cells a reader announces one by one.
        def everything(node, depth=0):
            yield node
            if depth < 40:
                for child in node.children():
                    yield from everything(child, depth + 1)
        found = [f"{node.role_name()}|{node.label()}" for node in everything(root)
                 if node.focused() and node.showing()]
        print("\n".join(found))
        return 0 if found else 1
    if command == "told":
        return listen(bus, name)
    role, label = sys.argv[3], sys.argv[4]
    if command == "extents":
        node = find(root, role, label)
        if node is None:
            return 1
        # Coordinates of the screen.
        print(*node.call("org.a11y.atspi.Component", "GetExtents", GLib.Variant("(u)", (0,)))[0])
        return 0
    if command == "press":
        node = find(root, role, label, only_showing=True)
        if node is None:
            return 1
        return 0 if node.call("org.a11y.atspi.Action", "DoAction", GLib.Variant("(i)", (0,)))[0] else 1
    if command == "text":
        node = find(root, role, label)
        if node is None:
            return 1
        print(node.call("org.a11y.atspi.Text", "GetText", GLib.Variant("(ii)", (0, -1)))[0])
        return 0
    print(f"a11y.py: no command {command}", file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
