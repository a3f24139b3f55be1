"""Start-up, memory and size of the program beside two references, measured
from outside on one fresh Xvfb, in interleaved rounds.

Start-up is the time from exec to the MapNotify of the window titled
"Vellaro助手" (seen by this client, which selects SubstructureNotify on the root
window before each start), and to the third box's text being on the screen
(polled in its pixels). Peak memory comes from wait4's rusage."""

import argparse
import os
import select
import statistics
import subprocess
import sys
import time

from Xlib import X, display as xdisplay
from Xlib.protocol import event as xevent

TITLE = "Vellaro助手"
# The third box's text area, in client coordinates.
TEXT_AREA = (10, 48, 110, 24)


def start_server(width=1920, height=1080):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as number:
        return server, ":" + number.readline().strip()


def title(window, display):
    try:
        value = window.get_full_property(display.intern_atom("_NET_WM_NAME"),
                                         display.intern_atom("UTF8_STRING"))
    except Exception:
        return None
    return value.value.decode("utf-8", "replace") if value else None


def text_painted(window):
    x, y, width, height = TEXT_AREA
    image = window.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
    data = image.data
    # Dark pixels on the white box: any channel sum under 300 (BGRX, 4 bytes).
    return any(data[i] + data[i + 1] + data[i + 2] < 300 for i in range(0, len(data), 4))


def run_once(executable, display, env, deadline=20.0):
    root = display.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    display.sync()
    while display.pending_events():
        display.next_event()

    started = time.monotonic()
    process = subprocess.Popen([executable], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    mapped_at = window = None
    end = started + deadline
    while window is None:
        if time.monotonic() > end:
            process.kill()
            raise RuntimeError(f"{executable}: no window within {deadline} s")
        if not display.pending_events():
            select.select([display.fileno()], [], [], 0.05)
        while display.pending_events():
            event = display.next_event()
            if event.type == X.MapNotify and title(event.window, display) == TITLE:
                mapped_at, window = time.monotonic(), event.window
    while not text_painted(window):
        if time.monotonic() > end:
            process.kill()
            raise RuntimeError(f"{executable}: no text within {deadline} s")
    painted_at = time.monotonic()

    with open(f"/proc/{process.pid}/maps") as maps:
        libraries = {line.split()[-1] for line in maps if ".so" in line.split()[-1]}
    message = xevent.ClientMessage(
        window=window, client_type=display.intern_atom("WM_PROTOCOLS"),
        data=(32, [display.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    window.send_event(message)
    display.flush()
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = status
    return {"map": (mapped_at - started) * 1000, "paint": (painted_at - started) * 1000,
            "rss": usage.ru_maxrss / 1024, "libraries": len(libraries)}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=30)
    parser.add_argument("--output", required=True)
    parser.add_argument("--copy-bench", required=True)
    parser.add_argument("subjects", nargs="+", help="name=executable; the first is the program")
    arguments = parser.parse_args()
    subjects = [subject.split("=", 1) for subject in arguments.subjects]

    server, name = start_server()
    env = dict(os.environ, DISPLAY=name, XDG_RUNTIME_DIR=os.environ.get("TMPDIR", "/tmp"))
    env.pop("WAYLAND_DISPLAY", None)
    env.pop("QT_QPA_PLATFORM", None)
    display = xdisplay.Display(name)
    try:
        results = {label: [] for label, _ in subjects}
        for executable in (path for _, path in subjects):  # one warm-up start each
            run_once(executable, display, env)
        for round in range(arguments.rounds):
            order = subjects[round % len(subjects):] + subjects[:round % len(subjects)]
            for label, executable in order:
                results[label].append(run_once(executable, display, env))
        copy = subprocess.run([arguments.copy_bench], env=env, capture_output=True, text=True,
                              check=True, timeout=300).stdout
    finally:
        display.close()
        server.terminate()
        server.wait()

    lines = report(subjects, results, copy, arguments.rounds)
    with open(arguments.output, "w") as output:
        output.write("\n".join(lines) + "\n")
    print("\n".join(lines))


def report(subjects, results, copy, rounds):
    def median(label, key):
        return statistics.median(run[key] for run in results[label])

    def spread(label, key):
        values = sorted(run[key] for run in results[label])
        return values[len(values) // 10], values[-1 - len(values) // 10]

    program, reference = subjects[0][0], subjects[1][0]
    lines = [f"Start-up, memory and size, {rounds} interleaved rounds on one Xvfb "
             f"(median, 10th to 90th percentile; ratios to {reference})", "",
             "| | exec to mapped (ms) | exec to text painted (ms) | peak RSS (MiB) "
             "| shared libraries | binary (KiB) |",
             "|---|---|---|---|---|---|"]
    for label, executable in subjects:
        cells = []
        for key in ("map", "paint"):
            low, high = spread(label, key)
            ratio = median(label, key) / median(reference, key)
            cells.append(f"{median(label, key):.1f} ({low:.1f} to {high:.1f}), {ratio:.2f}x")
        rss = median(label, "rss")
        cells.append(f"{rss:.1f}, {rss / median(reference, 'rss'):.2f}x")
        cells.append(f"{median(label, 'libraries'):.0f}")
        cells.append(f"{os.path.getsize(executable) / 1024:.0f}")
        lines.append(f"| {label} | " + " | ".join(cells) + " |")
    lines += ["", "In process, on the same X server (median of 50):"]
    lines += [f"- {line.split()[0]}: {line.split()[1]} ms" for line in copy.split("\n") if line]
    targets = [("start-up within 1.10x the bare Qt window",
                median(program, "paint") <= 1.10 * median(reference, "paint")),
               ("memory within 1.15x the bare Qt window",
                median(program, "rss") <= 1.15 * median(reference, "rss")),
               ("a 1 MiB copy click under 20 ms",
                all(float(line.split()[1]) < 20 for line in copy.split("\n")
                    if line.startswith("copy_")))]
    lines += ["", "Targets:"] + [f"- {name}: {'met' if met else 'MISSED'}" for name, met in targets]
    return lines


if __name__ == "__main__":
    sys.exit(main())
