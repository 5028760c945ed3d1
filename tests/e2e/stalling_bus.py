"""A session bus that answers at first and then stalls, as a daemon stopped at that moment does.

Usage: stalling_bus.py SOCKET_PATH begin|hello

Every client gets the authentication exchange: a question without a mechanism is told which one
to use, AUTH EXTERNAL is accepted and file-descriptor passing agreed. With "begin" the bus
stalls once a client ends that exchange (its Hello is never answered); with "hello" once it has
answered a client's Hello. From then on nothing is answered, on any connection, new ones
included. Runs until killed.
"""

import socket
import struct
import sys
import threading

GUID = b"0123456789abcdef0123456789abcdef"
stalled = threading.Event()


def padded(data, alignment):
    return data + b"\0" * (-len(data) % alignment)


def hello_reply(message):
    """The reply to the Hello that opens `message` (little-endian, as libdbus sends it here)."""
    serial = struct.unpack_from("<I", message, 8)[0]
    name = b":1.1"
    body = struct.pack("<I", len(name)) + name + b"\0"
    # Header fields: REPLY_SERIAL (5) as a uint32, SIGNATURE (8) "s".
    fields = padded(b"\x05\x01u\0" + struct.pack("<I", serial), 8) + b"\x08\x01g\0\x01s\0"
    header = struct.pack("<cBBBIII", b"l", 2, 0, 1, len(body), 1, len(fields))
    return padded(header + fields, 8) + body


def answer(client, data):
    if not stalled.is_set():
        client.sendall(data)


def serve(client, mode):
    pending = b""
    while True:
        data = client.recv(4096)
        if not data:
            return
        pending += data.lstrip(b"\0") if not pending else data
        while b"\r\n" in pending:
            line, pending = pending.split(b"\r\n", 1)
            command = line.split(b" ")
            if command[0] == b"BEGIN":
                if mode == "begin":
                    stalled.set()
                else:
                    while len(pending) < 16:
                        pending += client.recv(4096)
                    answer(client, hello_reply(pending))
                    stalled.set()
                # Read on, answer nothing.
                while client.recv(4096):
                    pass
                return
            if command[0] == b"AUTH" and len(command) > 1 and command[1] == b"EXTERNAL":
                answer(client, b"OK " + GUID + b"\r\n")
            elif command[0] == b"AUTH":
                answer(client, b"REJECTED EXTERNAL\r\n")
            elif command[0] == b"NEGOTIATE_UNIX_FD":
                answer(client, b"AGREE_UNIX_FD\r\n")
            else:
                answer(client, b"ERROR\r\n")


def main():
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(sys.argv[1])
    listener.listen(64)
    while True:
        client = listener.accept()[0]
        threading.Thread(target=serve, args=(client, sys.argv[2]), daemon=True).start()


if __name__ == "__main__":
    main()
