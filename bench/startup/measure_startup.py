#!/usr/bin/env python3
"""Measures zelvio's start-up under Xvfb: from process start to the first frame of
the skinned window on the screen (the exit button's blue outline showing), page
load excluded (no gateway answers). Also measures the CPU the idle window uses.

    bench/startup/measure_startup.py --program build/e2e/app/zelvio [--runs 5]
"""

import argparse
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
import x11session  # noqa: E402

OUTLINE_POINT = (216 + 24, 536)  # top edge of Command1, client coordinates
OUTLINE = (0x1B, 0x8F, 0xD5)


def matches(pixel, expected, tolerance=8):
    return all(abs(a - b) <= tolerance for a, b in zip(pixel, expected))


def cpu_seconds(pid):
    """User plus system time of a process, from /proc."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = os.sysconf("SC_CLK_TCK")
    return (int(fields[11]) + int(fields[12])) / ticks


def one_run(program, display, screen, idle_seconds):
    env = dict(os.environ, DISPLAY=display, GDK_BACKEND="x11", NO_AT_BRIDGE="1")
    started = time.monotonic()
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        # Without a window manager the window maps at the screen's origin.
        first_frame = None
        deadline = started + 20
        while time.monotonic() < deadline:
            if matches(screen.grab(*OUTLINE_POINT, 1, 1).pixel(0, 0), OUTLINE):
                first_frame = time.monotonic() - started
                break
            time.sleep(0.001)
        idle_cpu = None
        if first_frame is not None and idle_seconds > 0:
            time.sleep(2)  # let the first page attempt and WebKit's start settle
            before = cpu_seconds(process.pid)
            time.sleep(idle_seconds)
            idle_cpu = (cpu_seconds(process.pid) - before) / idle_seconds
        return first_frame, idle_cpu
    finally:
        x11session.stop_process_group(process)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle-seconds", type=float, default=5)
    args = parser.parse_args()

    xvfb = x11session.Xvfb()
    screen = x11session.Screen(xvfb.display)
    try:
        times, idles = [], []
        for run in range(args.runs):
            first_frame, idle = one_run(args.program, xvfb.display, screen, args.idle_seconds if run == 0 else 0)
            if first_frame is None:
                print(f"run {run + 1}: the skinned window did not show")
                return 1
            times.append(first_frame)
            if idle is not None:
                idles.append(idle)
            print(f"run {run + 1}: first skinned frame after {first_frame * 1000:.0f} ms")
            time.sleep(0.3)
        print(f"median of {len(times)}: {statistics.median(times) * 1000:.0f} ms "
              f"(min {min(times) * 1000:.0f}, max {max(times) * 1000:.0f})")
        for idle in idles:
            print(f"idle window CPU over {args.idle_seconds:.0f} s: {idle * 100:.2f} %")
    finally:
        screen.close()
        xvfb.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
