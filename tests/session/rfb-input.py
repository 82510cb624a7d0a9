#!/usr/bin/env python3
"""Sends pointer and key events to a VNC server (RFB 3.8, no authentication) on a Unix socket.

wayvnc turns them into the events of a virtual pointer and keyboard in the compositor, which
hands them to the surface under the pointer as it would a mouse's: a click made this way goes
through the compositor and the bar exactly as a user's does.

    rfb-input.py SOCKET click X Y [BUTTON]     press and release (1 left, 2 middle, 3 right)
    rfb-input.py SOCKET drag X1 Y1 X2 Y2       press at one point, move, release at the other
    rfb-input.py SOCKET key NAME...            press and release keys (Escape, Down, Return)
    rfb-input.py SOCKET type TEXT              type digits and dots
    rfb-input.py SOCKET relay LISTEN           stay connected to SOCKET and pass on the input of
                                               each client of the server it opens at LISTEN

Since wayvnc 0.9 every client gets a virtual keyboard of its own, made when it connects. The
compositor then hands the new keyboard's keymap to XWayland, which drops a key pressed before
it has taken the keymap in: with a connection for each command, the first key of each would
often be lost. Through the relay every command comes from the one keyboard of a session, made
once, as with wayvnc 0.5 (one keyboard for all clients) and as with a real keyboard.
"""

import os
import socket
import struct
import sys
import threading
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
    init = receive(connection, 24)  # width, height, pixel format, length of the desktop name
    init += receive(connection, struct.unpack(">I", init[20:])[0])
    return connection, init


def pointer(connection, buttons, x, y):
    connection.sendall(struct.pack(">BBHH", 5, buttons, x, y))
    time.sleep(0.05)


def key(connection, keysym, down):
    connection.sendall(struct.pack(">BBxxI", 4, 1 if down else 0, keysym))
    time.sleep(0.05)


# The length of each message a client of the relay may send: key and pointer events.
CLIENT_MESSAGES = {4: 8, 5: 6}


def serve(client, server, init):
    """Greets one client as a server without authentication would, then passes its key and
    pointer events on to the server, in order, until it closes."""
    client.settimeout(10)
    client.sendall(b"RFB 003.008\n")
    receive(client, 12)
    client.sendall(bytes([1, 1]))  # one security type: none
    receive(client, 1)
    client.sendall(struct.pack(">I", 0))
    receive(client, 1)  # shared or not: the server stays shared
    client.sendall(init)
    while True:
        kind = client.recv(1)
        if not kind:
            return
        if kind[0] not in CLIENT_MESSAGES:
            raise RuntimeError(f"a relay client sent message type {kind[0]}")
        server.sendall(kind + receive(client, CLIENT_MESSAGES[kind[0]] - 1))


def relay(server_path, listen_path):
    server, init = connect(server_path)
    server.settimeout(None)

    # Nothing the server sends (clipboard changes, bells) is wanted; when it goes, so does the
    # relay.
    def drain():
        while server.recv(4096):
            pass
        print("relay: the VNC server closed the connection", file=sys.stderr, flush=True)
        os._exit(1)

    threading.Thread(target=drain, daemon=True).start()
    listener = socket.socket(socket.AF_UNIX)
    listener.bind(listen_path)
    listener.listen(4)
    print(f"relaying {listen_path} to {server_path}", flush=True)
    while True:
        client, _ = listener.accept()
        with client:
            try:
                serve(client, server, init)
            except (OSError, EOFError, RuntimeError) as error:
                print(f"relay: {error}", file=sys.stderr, flush=True)


def main(argv):
    if len(argv) > 3 and argv[2] == "relay":
        relay(argv[1], argv[3])
        return
    connection, _ = connect(argv[1])
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
