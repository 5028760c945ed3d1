"""A pointer for a headless wlroots compositor: virtual_pointer.py COMMANDS DONE.

Speaks the Wayland wire protocol on $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY and creates one virtual
pointer (zwlr_virtual_pointer_v1) that lives as long as this process, so that clients see a seat
with a pointer throughout, as with a real mouse. Reads commands, one a line, from the FIFO
COMMANDS, each time a writer opens it:
  move X Y         the pointer to X, Y of the first output (its pixels)
  click BUTTON     press and release: 1 left, 2 middle, 3 right
Once the compositor has handled a command, appends "done" to the file DONE. Runs until killed.
"""

import os
import socket
import struct
import sys
import time

# Linux input event codes of the three buttons.
BUTTONS = {"1": 0x110, "2": 0x112, "3": 0x111}
DISPLAY_ID = 1


class Connection:
    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.next_id = 2
        self.buffer = b""
        self.globals = {}
        self.output_size = None

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, sender, opcode, payload=b""):
        size = 8 + len(payload)
        self.sock.sendall(struct.pack("=II", sender, size << 16 | opcode) + payload)

    def roundtrip(self, handler=None):
        """Waits until the compositor has handled every request sent so far."""
        callback = self.new_id()
        self.send(DISPLAY_ID, 0, struct.pack("=I", callback))
        while True:
            sender, opcode, payload = self.receive()
            if sender == DISPLAY_ID and opcode == 0:
                _, code = struct.unpack_from("=II", payload)
                sys.exit(f"virtual_pointer: protocol error {code}: {string_at(payload, 8)[0]}")
            if sender == callback:
                return
            if handler:
                handler(sender, opcode, payload)

    def receive(self):
        while len(self.buffer) < 8 or len(self.buffer) < struct.unpack_from("=I", self.buffer, 4)[0] >> 16:
            data = self.sock.recv(65536)
            if not data:
                sys.exit("virtual_pointer: the compositor closed the connection")
            self.buffer += data
        sender, word = struct.unpack_from("=II", self.buffer)
        size = word >> 16
        payload, self.buffer = self.buffer[8:size], self.buffer[size:]
        return sender, word & 0xFFFF, payload


def string_at(payload, offset):
    length = struct.unpack_from("=I", payload, offset)[0]
    text = payload[offset + 4 : offset + 4 + length - 1].decode()
    return text, offset + 4 + (length + 3) // 4 * 4


def encode_string(text):
    data = text.encode() + b"\0"
    return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)


def main():
    commands, done = sys.argv[1], sys.argv[2]
    display = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
    wayland = Connection(os.path.join(os.environ["XDG_RUNTIME_DIR"], display))

    registry = wayland.new_id()
    wayland.send(DISPLAY_ID, 1, struct.pack("=I", registry))

    def on_global(sender, opcode, payload):
        if sender == registry and opcode == 0:
            name = struct.unpack_from("=I", payload)[0]
            interface, offset = string_at(payload, 4)
            version = struct.unpack_from("=I", payload, offset)[0]
            wayland.globals.setdefault(interface, (name, version))

    wayland.roundtrip(on_global)

    def bind(interface, version):
        if interface not in wayland.globals:
            sys.exit(f"virtual_pointer: the compositor offers no {interface}")
        name = wayland.globals[interface][0]
        object_id = wayland.new_id()
        wayland.send(registry, 0, struct.pack("=I", name) + encode_string(interface) + struct.pack("=II", version, object_id))
        return object_id

    seat = bind("wl_seat", 1)
    output = bind("wl_output", 1)

    def on_output(sender, opcode, payload):
        # wl_output.mode: flags, width, height, refresh; the current one has flag 1.
        if sender == output and opcode == 1:
            flags, width, height, _ = struct.unpack_from("=Iiii", payload)
            if flags & 1:
                wayland.output_size = (width, height)

    wayland.roundtrip(on_output)
    if wayland.output_size is None:
        sys.exit("virtual_pointer: the output told no mode")
    manager = bind("zwlr_virtual_pointer_manager_v1", 1)
    pointer = wayland.new_id()
    wayland.send(manager, 0, struct.pack("=II", seat, pointer))
    wayland.roundtrip()

    width, height = wayland.output_size

    # Real milliseconds: toolkits compare event times, as a menu does to tell the click that
    # opened it from the one that picks an entry.
    def now():
        return int(time.monotonic() * 1000) & 0xFFFFFFFF

    def button(code, pressed):
        wayland.send(pointer, 2, struct.pack("=III", now(), code, 1 if pressed else 0))
        wayland.send(pointer, 4)

    while True:
        with open(commands, encoding="utf-8") as lines:
            for line in lines:
                words = line.split()
                if words[:1] == ["move"] and len(words) == 3:
                    x, y = int(words[1]), int(words[2])
                    wayland.send(pointer, 1, struct.pack("=IIIII", now(), x, y, width, height))
                    wayland.send(pointer, 4)
                elif words[:1] == ["click"] and len(words) == 2 and words[1] in BUTTONS:
                    button(BUTTONS[words[1]], True)
                    button(BUTTONS[words[1]], False)
                else:
                    print(f"virtual_pointer: cannot do '{line.strip()}'", file=sys.stderr)
                wayland.roundtrip()
                with open(done, "a", encoding="utf-8") as record:
                    record.write("done\n")


if __name__ == "__main__":
    main()
