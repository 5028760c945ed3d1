"""A StatusNotifierWatcher with a host registered, as a panel provides, on the session bus.

Writes the bus name of each registered item, one a line, to the file given as the first
argument, and rewrites the file when an item's name leaves the bus. With --no-host it starts
without a host, as a panel's watcher does in the moment before its own host registers; a host
then registers by calling RegisterStatusNotifierHost. Runs until killed.
"""

import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
PROPERTIES = "org.freedesktop.DBus.Properties"

# Qt reads IsStatusNotifierHostRegistered through an interface built from this text: without the
# properties here it would take the watcher for no host and dock by XEmbed.
INTROSPECTION = f"""<node>
 <interface name="{WATCHER}">
  <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
 </interface>
 <interface name="{PROPERTIES}">
  <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/>
   <arg type="v" direction="out"/></method>
  <method name="GetAll"><arg type="s" direction="in"/><arg type="a{{sv}}" direction="out"/></method>
 </interface>
</node>"""


class Watcher(dbus.service.Object):
    def __init__(self, bus, log_path, hosts):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.bus = bus
        self.log_path = log_path
        self.items = []
        self.hosts = hosts
        self.write()

    def write(self):
        with open(self.log_path, "w", encoding="utf-8") as log:
            log.writelines(item + "\n" for item in self.items)

    def properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(bool(self.hosts)),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, _interface, name):
        return self.properties()[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, _interface):
        return self.properties()

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item may give its bus name or only its object path.
        name = service if not service.startswith("/") else sender
        if name not in self.items:
            self.items.append(name)
            self.bus.watch_name_owner(name, lambda owner, name=name: self.owner_changed(name, owner))
        self.write()
        self.StatusNotifierItemRegistered(name)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        self.hosts.append(service)
        self.StatusNotifierHostRegistered()

    def owner_changed(self, name, owner):
        if owner or name not in self.items:
            return
        self.items.remove(name)
        self.write()
        self.StatusNotifierItemUnregistered(name)

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, _service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, _service):
        pass

    @dbus.service.signal(WATCHER)
    def StatusNotifierHostRegistered(self):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    hosts = [] if "--no-host" in sys.argv[2:] else ["org.kde.StatusNotifierHost-panel"]
    watcher = Watcher(bus, sys.argv[1], hosts)
    # The name last, so that whoever sees it finds the object ready; both live as long as the loop.
    name = dbus.service.BusName(WATCHER, bus)
    GLib.MainLoop().run()
    return watcher, name


if __name__ == "__main__":
    main()
