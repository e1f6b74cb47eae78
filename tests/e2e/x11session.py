"""A private X display (Xvfb), screenshots through Xlib, xdotool, and a loopback
gateway that records every request line. Python standard library only."""

import contextlib
import ctypes
import ctypes.util
import http.server
import os
import signal
import struct
import subprocess
import threading
import time
import zlib


# ---------------------------------------------------------------- X display

class Xvfb:
    """Starts Xvfb on a free display number (Xvfb picks it: -displayfd)."""

    def __init__(self, width=800, height=700):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        with os.fdopen(read_end, "rb", buffering=0) as pipe:
            while not number.endswith(b"\n") and time.monotonic() < deadline:
                chunk = pipe.read(16)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            self.stop()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()

    def stop(self):
        stop_process_group(self.process)


def stop_process_group(process, grace=3.0):
    """Ends a process started with start_new_session=True, and its children."""
    if process is None or process.poll() is not None:
        return
    with contextlib.suppress(ProcessLookupError):
        os.killpg(process.pid, signal.SIGTERM)
    try:
        process.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(process.pid, signal.SIGKILL)
        process.wait(timeout=grace)


# ---------------------------------------------------------------- screenshots

class _XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
        ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
        ("obdata", ctypes.c_void_p),
        # The image's own functions; destroy_image is the first.
        ("destroy_image", ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p)),
        ("other_functions", ctypes.c_void_p * 5),
    ]


class Image:
    """An RGB picture: pixel(x, y) gives (r, g, b)."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, x, y, width, height):
        rows = []
        for row in range(y, y + height):
            start = (row * self.width + x) * 3
            rows.append(self.rgb[start:start + width * 3])
        return Image(width, height, b"".join(rows))

    def save_png(self, path):
        raw = b"".join(b"\0" + self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
                       for y in range(self.height))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)))
            f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
            f.write(chunk(b"IEND", b""))


class Screen:
    """Reads the root window of a display through Xlib."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(_XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.handle = self.x11.XOpenDisplay(display.encode())
        if not self.handle:
            raise RuntimeError(f"cannot open display {display}")
        self.root = self.x11.XDefaultRootWindow(self.handle)

    def grab(self, x, y, width, height):
        z_pixmap, all_planes = 2, 0xFFFFFFFF
        image = self.x11.XGetImage(self.handle, self.root, x, y, width, height, all_planes, z_pixmap)
        if not image:
            raise RuntimeError("XGetImage failed")
        try:
            im = image.contents
            if im.bits_per_pixel != 32:
                raise RuntimeError(f"unexpected {im.bits_per_pixel} bits per pixel")
            stride = im.bytes_per_line
            data = ctypes.string_at(im.data, stride * height)
            rgb = bytearray(width * height * 3)
            for row in range(height):
                line = data[row * stride:row * stride + width * 4]
                # B, G, R, X in memory on a little-endian 24-bit visual.
                rgb[row * width * 3 + 0:(row + 1) * width * 3:3] = line[2::4]
                rgb[row * width * 3 + 1:(row + 1) * width * 3:3] = line[1::4]
                rgb[row * width * 3 + 2:(row + 1) * width * 3:3] = line[0::4]
            return Image(width, height, bytes(rgb))
        finally:
            image.contents.destroy_image(ctypes.cast(image, ctypes.c_void_p))

    def icon_sizes(self, window):
        """The sizes of the icons a window carries in _NET_WM_ICON (width, height pairs)."""
        x11 = self.x11
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
            ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong))]
        x11.XFree.argtypes = [ctypes.c_void_p]
        atom = x11.XInternAtom(self.handle, b"_NET_WM_ICON", 0)
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, remaining = ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.POINTER(ctypes.c_ulong)()
        any_type = 0
        x11.XGetWindowProperty(self.handle, window, atom, 0, 1 << 20, 0, any_type, ctypes.byref(kind),
                               ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(remaining), ctypes.byref(data))
        sizes, i = [], 0
        try:
            # Format-32 properties arrive as longs: width, height, then width * height pixels.
            while i + 2 <= count.value:
                width, height = data[i], data[i + 1]
                sizes.append((width, height))
                i += 2 + width * height
        finally:
            if data:
                x11.XFree(data)
        return sizes

    def close(self):
        if self.handle:
            self.x11.XCloseDisplay(self.handle)
            self.handle = None


# ---------------------------------------------------------------- xdotool

def xdotool(display, *args, check=True):
    result = subprocess.run(["xdotool", *map(str, args)], env=dict(os.environ, DISPLAY=display),
                            capture_output=True, text=True, timeout=30)
    if check and result.returncode != 0:
        raise RuntimeError(f"xdotool {' '.join(map(str, args))}: {result.stderr.strip()}")
    return result.stdout


def visible_windows(display, pid):
    """X windows of a process that are mapped (GTK sets _NET_WM_PID on its windows)."""
    out = xdotool(display, "search", "--onlyvisible", "--pid", pid, check=False)
    return [int(w) for w in out.split()]


def window_geometry(display, window):
    out = xdotool(display, "getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


# ---------------------------------------------------------------- gateway

class Gateway:
    """A WAP-to-HTML gateway stand-in on 127.0.0.1: records each request line and
    answers every request with page(path)."""

    def __init__(self, port, page):
        self.requests = []
        self.lock = threading.Lock()
        gateway = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                with gateway.lock:
                    gateway.requests.append(self.requestline)
                body = page(self.path).encode("utf-8")
                self.send_response(200)
                self.send_header("Content-Type", "text/html; charset=utf-8")
                self.send_header("Content-Length", str(len(body)))
                self.send_header("Cache-Control", "no-store")
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
        self.server.daemon_threads = True
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def request_lines(self):
        with self.lock:
            return list(self.requests)

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


def wait_for(condition, timeout, interval=0.05):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            return value
        time.sleep(interval)
