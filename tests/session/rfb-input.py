#!/usr/bin/env python3
"""Sends pointer and key events to a VNC server (RFB 3.8, no authentication) on a Unix socket.

wayvnc turns them into the events of a virtual pointer and keyboard in the compositor, which
hands them to the surface under the pointer as it would a mouse's: a click made this way goes
through the compositor and the bar exactly as a user's does.

    rfb-input.py SOCKET click X Y [BUTTON]     press and release (1 left, 2 middle, 3 right)
    rfb-input.py SOCKET drag X1 Y1 X2 Y2       press at one point, move, release at the other
    rfb-input.py SOCKET key NAME...            press and release keys (Escape, Down, Return)
    rfb-input.py SOCKET type TEXT              type digits and dots
"""

import socket
import struct
import sys
import time

KEYSYMS = {"Escape": 0xFF1B, "Down": 0xFF54, "Return": 0xFF0D}


def receive(connection, size):
    data = b""
    while len(data) < size:
        chunk = connection.recv(size - len(data))
        if not chunk:
            raise EOFError("the VNC server closed the connection")
        data += chunk
    return data


def connect(path):
    connection = socket.socket(socket.AF_UNIX)
    connection.settimeout(10)
    connection.connect(path)
    receive(connection, 12)  # the server's protocol version
    connection.sendall(b"RFB 003.008\n")
    count = receive(connection, 1)[0]
    if 1 not in receive(connection, count):
        raise RuntimeError("the VNC server wants authentication")
    connection.sendall(bytes([1]))
    if struct.unpack(">I", receive(connection, 4))[0] != 0:
        raise RuntimeError("the VNC server refused the connection")
    connection.sendall(b"\x01")  # shared
    receive(connection, 20)  # width, height, pixel format
    receive(connection, struct.unpack(">I", receive(connection, 4))[0])  # desktop name
    return connection


def pointer(connection, buttons, x, y):
    connection.sendall(struct.pack(">BBHH", 5, buttons, x, y))
    time.sleep(0.05)


def key(connection, keysym, down):
    connection.sendall(struct.pack(">BBxxI", 4, 1 if down else 0, keysym))
    time.sleep(0.05)


def main(argv):
    connection = connect(argv[1])
    action, arguments = argv[2], argv[3:]
    if action == "click":
        x, y = int(arguments[0]), int(arguments[1])
        mask = 1 << (int(arguments[2]) - 1 if len(arguments) > 2 else 0)
        # The pointer glides in as a hand's does. XWayland loses a press that comes in the very
        # frame the pointer first enters one of its windows: it reports the press at a stale
        # position instead.
        pointer(connection, 0, max(0, x - 2), max(0, y - 2))
        time.sleep(0.1)
        pointer(connection, 0, x, y)
        pointer(connection, mask, x, y)
        pointer(connection, 0, x, y)
    elif action == "drag":
        x1, y1, x2, y2 = (int(value) for value in arguments[:4])
        pointer(connection, 0, x1, y1)
        pointer(connection, 1, x1, y1)
        steps = 8
        for step in range(1, steps + 1):
            pointer(connection, 1, x1 + (x2 - x1) * step // steps, y1 + (y2 - y1) * step // steps)
        pointer(connection, 0, x2, y2)
    elif action in ("key", "type"):
        # Digits and the dot are their own keysyms.
        keysyms = [KEYSYMS[name] for name in arguments] if action == "key" else [
            ord(character) for character in arguments[0]]
        for keysym in keysyms:
            key(connection, keysym, True)
            key(connection, keysym, False)
    else:
        raise SystemExit(__doc__)
    # Closing at once could drop the last events before the server has read them.
    time.sleep(0.1)
    connection.close()


if __name__ == "__main__":
    main(sys.argv)
