"""Times commands from exec to the first setPilot datagram on a bulb's socket.

    timing.py RUNS ADDRESS -- LABEL=COMMAND ...

Plays one bulb on ADDRESS:38899 (it answers getPilot with its state and acknowledges setPilot,
which it applies), runs each COMMAND (a shell word list) RUNS times in turn, and prints each
label's median time from exec to the datagram (or to the exit, for a command that sends
nothing), in milliseconds, then ratios to the first label.
"""
import json
import select
import shlex
import socket
import statistics
import subprocess
import sys
import time


def main():
    runs = int(sys.argv[1])
    address = sys.argv[2]
    commands = [arg.split("=", 1) for arg in sys.argv[4:]]
    bulb = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    bulb.bind((address, 38899))
    state = {"state": False, "dimming": 100, "temp": 2700}
    medians = {}
    for label, command in commands:
        times = []
        for _ in range(runs):
            start = time.monotonic()
            process = subprocess.Popen(shlex.split(command), stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            arrived = None
            exited = None
            deadline = start + 5
            while time.monotonic() < deadline:
                if exited is None and process.poll() is not None:
                    exited = time.monotonic()
                ready, _, _ = select.select([bulb], [], [], 0.005)
                if not ready:
                    # Done once the command has exited and its last datagram is answered.
                    if exited is not None and time.monotonic() - exited > 0.05:
                        break
                    continue
                data, sender = bulb.recvfrom(2048)
                now = time.monotonic()
                try:
                    request = json.loads(data)
                except ValueError:
                    continue
                method = request.get("method")
                if method == "setPilot":
                    if arrived is None:
                        arrived = now
                    state.update(request.get("params", {}))
                    reply = {"method": "setPilot", "env": "pro", "result": {"success": True}}
                elif method == "getPilot":
                    reply = {"method": "getPilot", "env": "pro", "result": dict(state)}
                else:
                    continue
                bulb.sendto(json.dumps(reply).encode(), sender)
            process.wait(timeout=5)
            times.append(((arrived or exited or time.monotonic()) - start) * 1000)
            time.sleep(0.05)
        medians[label] = statistics.median(times)
        print(f"{label}: median {medians[label]:.1f} ms of {runs} "
              f"(min {min(times):.1f}, max {max(times):.1f})", flush=True)
    first = commands[0][0]
    for label, _ in commands[1:]:
        print(f"{label} / {first}: {medians[label] / medians[first]:.2f}")


if __name__ == "__main__":
    main()
