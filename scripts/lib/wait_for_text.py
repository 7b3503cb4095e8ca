#!/usr/bin/env python3
"""Waits until a rectangle of the X screen shows text on the start-up window's grey and
prints the time of the screen grab that saw it, in milliseconds since the epoch.

Usage: wait_for_text.py WIDTH HEIGHT X Y TIMEOUT-MS

The rectangle counts as showing text once its four corners are the window's grey 808080 and
some pixel in it is dark: before the window is mapped the screen there is black, and until its
first refresh the label is plain grey. Reads the screen through Xlib directly, so that a grab
takes about a millisecond and the time is exact to a few. Exits with 1 on timeout.
"""
import ctypes
import sys
import time

GREY = 0x80
DARK = 0x40
Z_PIXMAP = 2
ALL_PLANES = ctypes.c_ulong(~0 & 0xFFFFFFFFFFFFFFFF)
POLL_SECONDS = 0.005


class XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, enough to read a 32-bit pixel grab.
    _fields_ = [
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int),
        ("data", ctypes.c_void_p),
        ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
    ]


def open_screen():
    xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XGetImage.restype = ctypes.POINTER(XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("wait_for_text.py: cannot open the display")
    return xlib, display, xlib.XDefaultRootWindow(display)


def grab(xlib, display, root, width, height, x, y):
    """The rectangle's pixels as bytes, four a pixel (blue, green, red, unused)."""
    image = xlib.XGetImage(display, root, x, y, width, height, ALL_PLANES, Z_PIXMAP)
    if not image:
        sys.exit("wait_for_text.py: cannot read the screen")
    info = image.contents
    if info.bits_per_pixel != 32:
        sys.exit("wait_for_text.py: needs a screen of 24 or 32 bits a pixel")
    rows = [ctypes.string_at(info.data + row * info.bytes_per_line, width * 4) for row in range(height)]
    xlib.XFree(info.data)
    xlib.XFree(image)
    return rows


def shows_text(rows, width, height):
    corners = [rows[0][0:4], rows[0][(width - 1) * 4:width * 4],
               rows[height - 1][0:4], rows[height - 1][(width - 1) * 4:width * 4]]
    if any(corner[0:3] != bytes([GREY] * 3) for corner in corners):
        return False
    return any(min(row[2::4]) < DARK for row in rows)


def main():
    width, height, x, y, timeout_ms = (int(value) for value in sys.argv[1:6])
    xlib, display, root = open_screen()
    deadline = time.time() + timeout_ms / 1000
    while time.time() < deadline:
        seen_at = time.time()
        if shows_text(grab(xlib, display, root, width, height, x, y), width, height):
            print(int(seen_at * 1000))
            return 0
        time.sleep(POLL_SECONDS)
    return 1


if __name__ == "__main__":
    sys.exit(main())
