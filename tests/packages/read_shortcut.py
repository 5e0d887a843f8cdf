#!/usr/bin/python3
"""Prints the target and the working folder of a Windows shortcut (.lnk),
one a line, as the Shell Link format ([MS-SHLLINK]) stores them.

usage: read_shortcut.py FILE.lnk"""

import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x1, 0x2, 0x80
# The optional strings, in their order in the file.
STRINGS = ((0x4, "name"), (0x8, "relative path"), (0x10, "working folder"),
           (0x20, "arguments"), (0x40, "icon location"))

data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 0x14)[0]
position = 0x4C  # after the header
if flags & HAS_ID_LIST:
    position += 2 + struct.unpack_from("<H", data, position)[0]
target = ""
if flags & HAS_LINK_INFO:
    size, _, _, _, base_path = struct.unpack_from("<5I", data, position)
    start = position + base_path
    target = data[start:data.index(b"\0", start)].decode("cp1252")
    position += size
strings = {}
for bit, name in STRINGS:
    if flags & bit:
        count = struct.unpack_from("<H", data, position)[0]
        width = 2 if flags & IS_UNICODE else 1
        raw = data[position + 2:position + 2 + count * width]
        strings[name] = raw.decode("utf-16-le" if width == 2 else "cp1252")
        position += 2 + count * width
print(target)
print(strings.get("working folder", ""))
