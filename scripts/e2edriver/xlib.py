"""A few calls of libX11 through ctypes: the top-level windows of a display
with their titles and places, and the pixels of a window. One connection
answers a poll in a few milliseconds, where a tool a look would take a
process each."""

import ctypes
import ctypes.util

from PIL import Image

_lib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")

_Window = ctypes.c_ulong
_Atom = ctypes.c_ulong
_IS_VIEWABLE = 2
_Z_PIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class _WindowAttributes(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_int), ("y", ctypes.c_int),
        ("width", ctypes.c_int), ("height", ctypes.c_int),
        ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
        ("visual", ctypes.c_void_p), ("root", _Window),
        ("c_class", ctypes.c_int), ("bit_gravity", ctypes.c_int),
        ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
        ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
        ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
        ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
        ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
        ("do_not_propagate_mask", ctypes.c_long),
        ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p),
    ]


class _XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
        ("data", ctypes.POINTER(ctypes.c_char)),
        ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
    ]


_lib.XOpenDisplay.restype = ctypes.c_void_p
_lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
_lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
_lib.XDefaultRootWindow.restype = _Window
_lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_lib.XQueryTree.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_Window),
                            ctypes.POINTER(_Window), ctypes.POINTER(ctypes.POINTER(_Window)),
                            ctypes.POINTER(ctypes.c_uint)]
_lib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, _Window,
                                      ctypes.POINTER(_WindowAttributes)]
_lib.XInternAtom.restype = _Atom
_lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_lib.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, _Window, _Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, _Atom,
    ctypes.POINTER(_Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
_lib.XFree.argtypes = [ctypes.c_void_p]
_lib.XGetImage.restype = ctypes.POINTER(_XImage)
_lib.XGetImage.argtypes = [ctypes.c_void_p, _Window, ctypes.c_int, ctypes.c_int,
                           ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_lib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
_lib.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(_Window),
                                ctypes.POINTER(ctypes.c_int)]
_lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_lib.XSetErrorHandler.restype = ctypes.c_void_p

# A window may go between the listing and the question about it; X would
# then end the process at its error, so errors are only counted.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
    lambda display, event: 0)
_lib.XSetErrorHandler.argtypes = [_ERROR_HANDLER.__class__]
_lib.XSetErrorHandler(_ERROR_HANDLER)


class TopLevel:
    def __init__(self, wid, title, x, y, width, height, override_redirect):
        self.wid = wid
        self.title = title
        self.x, self.y, self.width, self.height = x, y, width, height
        self.override_redirect = override_redirect

    def __repr__(self):
        return f"{self.title!r} {self.width}x{self.height}+{self.x}+{self.y}"


class Display:
    def __init__(self, name):
        self._d = _lib.XOpenDisplay(name.encode())
        if not self._d:
            raise RuntimeError(f"cannot open X display {name}")
        self._root = _lib.XDefaultRootWindow(self._d)
        self._net_wm_name = _lib.XInternAtom(self._d, b"_NET_WM_NAME", 0)
        self._utf8 = _lib.XInternAtom(self._d, b"UTF8_STRING", 0)

    def close(self):
        if self._d:
            _lib.XCloseDisplay(self._d)
            self._d = None

    def _title(self, wid):
        actual = _Atom()
        fmt = ctypes.c_int()
        count = ctypes.c_ulong()
        after = ctypes.c_ulong()
        data = ctypes.c_void_p()
        if _lib.XGetWindowProperty(self._d, wid, self._net_wm_name, 0, 1024, 0, self._utf8,
                                   ctypes.byref(actual), ctypes.byref(fmt), ctypes.byref(count),
                                   ctypes.byref(after), ctypes.byref(data)) != 0:
            return ""
        if not data.value:
            return ""
        text = ctypes.string_at(data.value, count.value).decode("utf-8", "replace")
        _lib.XFree(data)
        return text

    def viewable_top_levels(self):
        """The top-level windows that show, bottom to top."""
        root = _Window()
        parent = _Window()
        children = ctypes.POINTER(_Window)()
        count = ctypes.c_uint()
        if not _lib.XQueryTree(self._d, self._root, ctypes.byref(root), ctypes.byref(parent),
                               ctypes.byref(children), ctypes.byref(count)):
            return []
        ids = [children[i] for i in range(count.value)]
        if children:
            _lib.XFree(children)
        found = []
        for wid in ids:
            attributes = _WindowAttributes()
            if not _lib.XGetWindowAttributes(self._d, wid, ctypes.byref(attributes)):
                continue
            if attributes.map_state != _IS_VIEWABLE:
                continue
            found.append(TopLevel(wid, self._title(wid), attributes.x, attributes.y,
                                  attributes.width, attributes.height,
                                  bool(attributes.override_redirect)))
        _lib.XSync(self._d, 0)
        return found

    def focus(self):
        """The window that holds the keyboard (0 for none, 1 for the one under the pointer)."""
        wid = _Window()
        revert = ctypes.c_int()
        _lib.XGetInputFocus(self._d, ctypes.byref(wid), ctypes.byref(revert))
        return wid.value

    def grab(self, width, height):
        """The root window's pixels, as an RGB image."""
        image = _lib.XGetImage(self._d, self._root, 0, 0, width, height, _ALL_PLANES, _Z_PIXMAP)
        if not image:
            raise RuntimeError("XGetImage failed")
        im = image.contents
        size = im.bytes_per_line * im.height
        raw = ctypes.string_at(im.data, size)
        picture = Image.frombuffer("RGB", (im.width, im.height), raw, "raw", "BGRX",
                                   im.bytes_per_line, 1).copy()
        _free_image(image)
        return picture


def _free_image(image):
    _lib.XDestroyImage(image)
