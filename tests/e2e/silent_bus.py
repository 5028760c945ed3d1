"""A session bus that accepts every connection and never answers, as a wedged daemon does.

Listens on the Unix socket path given as the argument and runs until killed.
"""

import socket
import sys


def main():
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(sys.argv[1])
    listener.listen(64)
    # Kept open and never read: the clients wait for an answer that does not come.
    accepted = []
    while True:
        accepted.append(listener.accept()[0])


if __name__ == "__main__":
    main()
