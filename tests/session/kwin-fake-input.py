#!/usr/bin/env python3
"""Real pointer clicks and key presses on KWin (Wayland) for the session test: a small Wayland
client of KWin's fake-input protocol (org_kde_kwin_fake_input), which KWin feeds into its own
input handling as it does a mouse's and a keyboard's events. It speaks the Wayland wire
protocol itself, so it needs nothing but Python's standard library.

    kwin-fake-input.py click X Y [BUTTON]    # BUTTON 1 left (default), 2 middle, 3 right
    kwin-fake-input.py key NAME...           # Escape, Return, Tab, Down, Up
    kwin-fake-input.py type TEXT             # digits and dots

The compositor is the one named by WAYLAND_DISPLAY in XDG_RUNTIME_DIR."""

import os
import socket
import struct
import sys
import time

DISPLAY_ID, REGISTRY_ID = 1, 2
BUTTONS = {1: 0x110, 2: 0x112, 3: 0x111}  # BTN_LEFT, BTN_MIDDLE, BTN_RIGHT
# evdev key codes
KEYS = {"Escape": 1, "Return": 28, "Tab": 15, "Down": 108, "Up": 103, ".": 52, "0": 11}
KEYS.update({str(digit): 1 + digit for digit in range(1, 10)})
PRESSED, RELEASED = 1, 0
HOVER = 0.2  # seconds

# Requests of org_kde_kwin_fake_input, by opcode.
AUTHENTICATE, BUTTON, POINTER_MOTION_ABSOLUTE, KEYBOARD_KEY = 0, 2, 9, 10


class Connection:
    def __init__(self):
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ.get("WAYLAND_DISPLAY", "wayland-0"))
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.sock.settimeout(5)
        self.buffer = b""
        # New objects take the next free id, in order.
        self.next_id = 3

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, object_id, opcode, payload=b""):
        self.sock.sendall(struct.pack("<II", object_id, (8 + len(payload)) << 16 | opcode) + payload)

    def events(self):
        while True:
            while len(self.buffer) >= 8:
                object_id, word = struct.unpack_from("<II", self.buffer)
                size = word >> 16
                if len(self.buffer) < size:
                    break
                body, self.buffer = self.buffer[8:size], self.buffer[size:]
                yield object_id, word & 0xFFFF, body
            chunk = self.sock.recv(65536)
            if not chunk:
                raise SystemExit("the compositor closed the connection")
            self.buffer += chunk

    def roundtrip(self, on_event=lambda object_id, opcode, body: None):
        """Sends wl_display.sync and hands every event up to its answer to on_event."""
        callback = self.new_id()
        self.send(DISPLAY_ID, 0, uint(callback))
        for object_id, opcode, body in self.events():
            if object_id == DISPLAY_ID and opcode == 0:
                failed_object, code = struct.unpack_from("<II", body)
                raise SystemExit(f"protocol error {code} on object {failed_object}: {string_at(body, 8)[0]}")
            if object_id == callback:
                return
            on_event(object_id, opcode, body)


def uint(value):
    return struct.pack("<I", value)


def fixed(value):
    return struct.pack("<i", int(round(value * 256)))


def string(text):
    data = text.encode() + b"\0"
    return uint(len(data)) + data + b"\0" * (-len(data) % 4)


def string_at(body, offset):
    (length,) = struct.unpack_from("<I", body, offset)
    text = body[offset + 4 : offset + 4 + length - 1].decode()
    return text, offset + 4 + length + (-length % 4)


def fake_input(connection):
    """Binds the compositor's fake input and introduces this client to it; returns its id."""
    globals_found = {}

    def on_global(object_id, opcode, body):
        if object_id == REGISTRY_ID and opcode == 0:
            (name,) = struct.unpack_from("<I", body)
            interface, offset = string_at(body, 4)
            (version,) = struct.unpack_from("<I", body, offset)
            globals_found[interface] = (name, version)

    connection.send(DISPLAY_ID, 1, uint(REGISTRY_ID))
    connection.roundtrip(on_global)
    if "org_kde_kwin_fake_input" not in globals_found:
        raise SystemExit("the compositor offers no org_kde_kwin_fake_input")
    name, version = globals_found["org_kde_kwin_fake_input"]
    if version < 4:
        raise SystemExit(f"org_kde_kwin_fake_input version {version} has no keyboard")
    interface = "org_kde_kwin_fake_input"
    fake = connection.new_id()
    connection.send(REGISTRY_ID, 0, uint(name) + string(interface) + uint(4) + uint(fake))
    connection.send(fake, AUTHENTICATE, string("Glowdeck session test") + string("drives the session"))
    connection.roundtrip()
    return fake


def main(argv):
    if len(argv) < 3 or argv[1] not in ("click", "key", "type"):
        raise SystemExit(__doc__)
    connection = Connection()
    fake = fake_input(connection)
    if argv[1] == "click":
        x, y = float(argv[2]), float(argv[3])
        button = BUTTONS[int(argv[4]) if len(argv) > 4 else 1]
        connection.send(fake, POINTER_MOTION_ABSOLUTE, fixed(x) + fixed(y))
        connection.roundtrip()
        # The pointer rests on the target a moment before the press, as a person's does.
        time.sleep(HOVER)
        connection.send(fake, BUTTON, uint(button) + uint(PRESSED))
        connection.roundtrip()
        time.sleep(0.05)
        connection.send(fake, BUTTON, uint(button) + uint(RELEASED))
    else:
        keys = argv[2:] if argv[1] == "key" else list(argv[2])
        for key in keys:
            connection.send(fake, KEYBOARD_KEY, uint(KEYS[key]) + uint(PRESSED))
            connection.roundtrip()
            time.sleep(0.03)
            connection.send(fake, KEYBOARD_KEY, uint(KEYS[key]) + uint(RELEASED))
            connection.roundtrip()
            time.sleep(0.05)
    connection.roundtrip()


if __name__ == "__main__":
    main(sys.argv)
