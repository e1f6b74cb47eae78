#!/usr/bin/env python3
"""End-to-end: the real zelvio program, built against a gateway on 127.0.0.1,
under a private Xvfb display, driven with xdotool.

Checks that the window carries the program's 24 x 24 icon, that the first
request is the start address through the gateway, that the window shows the
skinned exit button and its Chinese captions, that Enter in the address box
does nothing, that a typed address with a blank and "&" reaches the gateway
escaped, that copy and paste go through the desktop clipboard, that a link with
target="_blank" opens in the same window, that the exit button ends the program
with status 0 within a second, and that with no gateway at all the window still
opens skinned and the view shows WebKit's page for an unreachable address.
Servers and processes are cleaned up on every path."""

import argparse
import os
import subprocess
import sys
import time
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import x11session  # noqa: E402

# Form1's layout in client pixels (the GTK window's content is the client area).
COMMAND1 = (216, 536, 49, 25)
COMMAND2 = (208, 16, 49, 25)   # inside Frame1 at (0, 0)
TEXT2 = (8, 16, 193, 25)       # inside Frame1
FRAME1 = (0, 0, 273, 49)
BROWSER = (0, 48, 273, 433)    # WebBrowser1; its view sits inside the 2-pixel client edge
CLIENT = (274, 573)

BUTTON_OUTLINE = (0x1B, 0x8F, 0xD5)  # top edge of a skinned push button's Normal face
FIRST_PAGE_COLOUR = (0xFF, 0xCC, 0x00)
BLANK_PAGE_COLOUR = (0x00, 0xAA, 0x55)
BLANK_TARGET = "http://wap.example.test/blank-target"

GATEWAY_PATH = "/wapmo/wap.asp?url="


def gateway_page(path):
    """The gateway's answer: the page for the _blank target is green; every other
    page is a yellow block that is one big link with target="_blank"."""
    query = urllib.parse.urlsplit(path).query
    if query == "url=" + BLANK_TARGET:
        return ("<!DOCTYPE html><html><body style='margin:0;background:#00aa55'>"
                "<p>opened in the same window</p></body></html>")
    link = GATEWAY_PATH + BLANK_TARGET
    return ("<!DOCTYPE html><html><body style='margin:0;background:#ffffff'>"
            f"<a href='{link}' target='_blank' style='display:block;height:300px;background:#ffcc00'>"
            "new window</a></body></html>")


def gateway_requests(gateway):
    return [line for line in gateway.request_lines() if GATEWAY_PATH in line]


def close(a, b, tolerance=24):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


class Run:
    """One start of the program on a display; stops it on exit."""

    def __init__(self, program, display, out_dir, name):
        env = dict(os.environ, DISPLAY=display, GDK_BACKEND="x11", NO_AT_BRIDGE="1")
        env.pop("WAYLAND_DISPLAY", None)
        self.log_path = os.path.join(out_dir, f"{name}.log")
        self.log = open(self.log_path, "wb")
        self.started = time.monotonic()
        self.process = subprocess.Popen([program], env=env, stdout=self.log, stderr=subprocess.STDOUT,
                                        start_new_session=True)
        self.display = display
        self.window = None
        self.origin = (0, 0)

    def find_window(self, timeout=20):
        windows = x11session.wait_for(lambda: x11session.visible_windows(self.display, self.process.pid), timeout)
        if not windows:
            return False
        self.window = windows[0]
        x, y, _, _ = x11session.window_geometry(self.display, self.window)
        self.origin = (x, y)
        return True

    def screen_point(self, rect, dx=None, dy=None):
        x, y, w, h = rect
        return (self.origin[0] + x + (w // 2 if dx is None else dx),
                self.origin[1] + y + (h // 2 if dy is None else dy))

    def click(self, rect, dx=None, dy=None):
        px, py = self.screen_point(rect, dx, dy)
        x11session.xdotool(self.display, "mousemove", "--sync", px, py)
        x11session.xdotool(self.display, "click", "1")

    def grab(self, screen):
        return screen.grab(self.origin[0], self.origin[1], *CLIENT)

    def stop(self):
        x11session.stop_process_group(self.process)
        self.log.close()

    def print_log_tail(self, lines=30):
        with open(self.log_path, "rb") as f:
            tail = f.read().decode("utf-8", "replace").splitlines()[-lines:]
        print(f"---- last lines of {self.log_path}")
        print("\n".join(tail))


class Checks:
    def __init__(self):
        self.failures = []

    def expect(self, ok, what):
        print(("ok   " if ok else "FAIL ") + what, flush=True)
        if not ok:
            self.failures.append(what)
        return ok


def dark_pixels(image, rect):
    x, y, w, h = rect
    return sum(1 for yy in range(y, y + h) for xx in range(x, x + w) if sum(image.pixel(xx, yy)) < 3 * 110)


def check_browsing(args, checks, display, screen, start_address):
    gateway = x11session.Gateway(args.port, gateway_page)
    run = Run(args.program, display, args.out, "browsing")
    failures_before = len(checks.failures)
    try:
        checks.expect(run.find_window(), "the window appears")
        if run.window is None:
            return

        icons = screen.icon_sizes(run.window)
        checks.expect((24, 24) in icons, f"the window carries the program's 24 x 24 icon (icons: {icons})")

        first = x11session.wait_for(lambda: gateway_requests(gateway), 20)
        expected = f"GET {GATEWAY_PATH}{start_address} HTTP/1.1" if start_address else None
        got = first[0] if first else "(none)"
        if expected:
            checks.expect(got == expected, f"first request is the start address through the gateway: {got!r}")
        else:
            checks.expect(got.startswith(f"GET {GATEWAY_PATH}http"), f"first request goes through the gateway: {got!r}")

        # The gateway's page shows a yellow link block at the top of the view.
        link_point = (BROWSER[0] + 100, BROWSER[1] + 80)
        shown = x11session.wait_for(
            lambda: close(run.grab(screen).pixel(*link_point), FIRST_PAGE_COLOUR), 20, 0.1)
        checks.expect(shown, "the gateway's page shows in the browser view")

        image = run.grab(screen)
        image.save_png(os.path.join(args.out, "zelvio.png"))
        outline = image.pixel(COMMAND1[0] + COMMAND1[2] // 2, COMMAND1[1])
        checks.expect(close(outline, BUTTON_OUTLINE, 8),
                      f"Command1 is skinned: its top edge at ({COMMAND1[0] + COMMAND1[2] // 2}, {COMMAND1[1]}) "
                      f"is {outline}, expected {BUTTON_OUTLINE}")
        for name, rect in (("退 出", (COMMAND1[0] + 4, COMMAND1[1] + 4, COMMAND1[2] - 8, COMMAND1[3] - 8)),
                           ("转到", (COMMAND2[0] + 4, COMMAND2[1] + 4, COMMAND2[2] - 8, COMMAND2[3] - 8)),
                           ("地址栏", (FRAME1[0] + 6, FRAME1[1], 60, 13))):
            count = dark_pixels(image, rect)
            checks.expect(count >= 12, f"caption {name} is drawn ({count} dark pixels in {rect})")

        # A typed address with a blank and "&" reaches the gateway escaped.
        before = len(gateway_requests(gateway))
        run.click(TEXT2)
        x11session.xdotool(display, "windowfocus", "--sync", run.window, check=False)
        x11session.xdotool(display, "key", "--delay", "2", "End")
        x11session.xdotool(display, "key", "--repeat", "120", "--delay", "2", "BackSpace")
        x11session.xdotool(display, "type", "--delay", "20", "http://wap.example.test/a b&c=1")
        x11session.xdotool(display, "key", "Return")  # Enter does nothing
        time.sleep(0.5)
        checks.expect(len(gateway_requests(gateway)) == before, "Enter in the address box does not navigate")
        run.click(COMMAND2)
        typed = x11session.wait_for(lambda: gateway_requests(gateway)[before:], 10)
        expected = f"GET {GATEWAY_PATH}http://wap.example.test/a%20b%26c=1 HTTP/1.1"
        checks.expect(bool(typed) and typed[0] == expected,
                      f"Command2 sends the typed address escaped: {typed[0] if typed else '(none)'!r}")

        # The edit box's copy and paste go through the desktop clipboard.
        before = len(gateway_requests(gateway))
        run.click(TEXT2)  # the go button took the focus
        x11session.xdotool(display, "key", "--delay", "20", "ctrl+a", "ctrl+c", "End", "ctrl+v")
        run.click(COMMAND2)
        pasted = x11session.wait_for(lambda: gateway_requests(gateway)[before:], 10)
        doubled = "http://wap.example.test/a%20b%26c=1" * 2
        checks.expect(bool(pasted) and pasted[0] == f"GET {GATEWAY_PATH}{doubled} HTTP/1.1",
                      f"copy and paste in the address box: {pasted[0] if pasted else '(none)'!r}")

        # The _blank link loads in the same view; no second window opens.
        x11session.wait_for(lambda: close(run.grab(screen).pixel(*link_point), FIRST_PAGE_COLOUR), 20, 0.1)
        before = len(gateway_requests(gateway))
        run.click(BROWSER, 100, 80)
        opened = x11session.wait_for(
            lambda: [r for r in gateway_requests(gateway)[before:] if BLANK_TARGET in r], 10)
        checks.expect(bool(opened), "the _blank link is requested")
        same_view = x11session.wait_for(
            lambda: close(run.grab(screen).pixel(*link_point), BLANK_PAGE_COLOUR), 10, 0.1)
        checks.expect(same_view, "the _blank page shows in the same browser view")
        time.sleep(0.5)
        windows = x11session.visible_windows(display, run.process.pid)
        checks.expect(len(windows) == 1, f"one top-level window only (found {len(windows)})")

        # Command1 ends the program at once with status 0.
        x11session.xdotool(display, "mousemove", "--sync", *run.screen_point(COMMAND1))
        clicked = time.monotonic()
        x11session.xdotool(display, "click", "1")
        try:
            code = run.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            code = None
        elapsed = time.monotonic() - clicked
        checks.expect(code == 0, f"Command1 ends the program with status 0 (status {code})")
        checks.expect(code is not None and elapsed < 1.0, f"... within a second ({elapsed:.3f} s)")
    finally:
        run.stop()
        gateway.stop()
        if len(checks.failures) > failures_before:
            run.print_log_tail()


def check_no_gateway(args, checks, display, screen):
    """Nothing listens on the gateway's port: the window still opens skinned."""
    run = Run(args.program, display, args.out, "no-gateway")
    failures_before = len(checks.failures)
    try:
        checks.expect(run.find_window(), "without a gateway the window appears")
        if run.window is None:
            return
        point = (COMMAND1[0] + COMMAND1[2] // 2, COMMAND1[1])
        skinned = x11session.wait_for(lambda: close(run.grab(screen).pixel(*point), BUTTON_OUTLINE, 8), 10, 0.1)
        checks.expect(skinned, "without a gateway Command1 is skinned")
        # WebKit's own page for an address it cannot reach: text in the view.
        view = (BROWSER[0] + 4, BROWSER[1] + 4, BROWSER[2] - 8, 120)
        error_page = x11session.wait_for(lambda: dark_pixels(run.grab(screen), view) >= 50, 15, 0.2)
        checks.expect(error_page, "without a gateway the view shows WebKit's page for an unreachable address")
        run.grab(screen).save_png(os.path.join(args.out, "zelvio-no-gateway.png"))
        checks.expect(run.process.poll() is None, "without a gateway the program keeps running")
    finally:
        run.stop()
        if len(checks.failures) > failures_before:
            run.print_log_tail()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--gateway-host", required=True, help="127.0.0.1:PORT the program was built with")
    parser.add_argument("--start-address", default="", help="the program's start address, when known")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    host, _, port = args.gateway_host.partition(":")
    if host != "127.0.0.1" or not port.isdigit():
        print(f"the end-to-end test needs a program built for a gateway on 127.0.0.1:PORT, "
              f"not {args.gateway_host!r}")
        return 2
    args.port = int(port)
    os.makedirs(args.out, exist_ok=True)

    checks = Checks()
    xvfb = x11session.Xvfb()
    screen = None
    try:
        screen = x11session.Screen(xvfb.display)
        check_browsing(args, checks, xvfb.display, screen, args.start_address)
        check_no_gateway(args, checks, xvfb.display, screen)
    finally:
        if screen:
            screen.close()
        xvfb.stop()

    if checks.failures:
        print(f"{len(checks.failures)} check(s) failed")
        return 1
    print("all end-to-end checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
