#!/usr/bin/env python3
"""Compiles skins.toml into the skin engine's .she files (format: FORMAT.md).

    compile_skins.py SKINS.toml OUTPUT_DIR

Writes OUTPUT_DIR/skin-01.she ... skin-NN.she, one per [[skin]] in order.
Fails with a message on any missing, unknown or out-of-range field.
"""
import pathlib
import struct
import sys
import tomllib
import zlib

SIGNATURE = b".SHE\x00\x03"
VERSION = 1
MAX_BODY = 4096
MAX_NAME = 63
MAX_RADIUS = 12

# (key, tag, kind) in tag order; kinds: name, colour, radius.
FIELDS = [
    ("name", 1, "name"),
    ("window_face", 2, "colour"),
    ("frame", 3, "colour"),
    ("caption", 4, "colour"),
    ("caption_text", 5, "colour"),
    ("container_face", 6, "colour"),
    ("container_frame", 7, "colour"),
    ("button_face", 8, "colour"),
    ("button_face_bottom", 9, "colour"),
    ("button_border", 10, "colour"),
    ("button_hot", 11, "colour"),
    ("button_pressed", 12, "colour"),
    ("button_text", 13, "colour"),
    ("button_corner_radius", 14, "radius"),
    ("check_box_face", 15, "colour"),
    ("check_box_border", 16, "colour"),
    ("check_box_tick", 17, "colour"),
    ("group_frame", 18, "colour"),
]
OPTIONAL = {"button_face_bottom"}


def fail(number, message):
    sys.exit(f"compile_skins: skin {number}: {message}")


def value_bytes(number, key, kind, value):
    if kind == "name":
        raw = value.encode("utf-8") if isinstance(value, str) else b""
        if not 1 <= len(raw) <= MAX_NAME or any(b < 0x20 or b == 0x7F for b in raw):
            fail(number, f"{key} must be 1 to {MAX_NAME} printable bytes")
        return raw
    if kind == "radius":
        if not isinstance(value, int) or not 0 <= value <= MAX_RADIUS:
            fail(number, f"{key} must be a whole number from 0 to {MAX_RADIUS}")
        return bytes([value])
    if not (isinstance(value, str) and len(value) == 7 and value[0] == "#"):
        fail(number, f"{key} must be a colour #RRGGBB, not {value!r}")
    try:
        return bytes.fromhex(value[1:])
    except ValueError:
        fail(number, f"{key} must be a colour #RRGGBB, not {value!r}")


def compile_skin(number, skin):
    known = {key for key, _, _ in FIELDS}
    unknown = sorted(set(skin) - known)
    if unknown:
        fail(number, f"unknown field(s) {', '.join(unknown)}")
    body = b""
    for key, tag, kind in FIELDS:
        if key not in skin:
            if key in OPTIONAL:
                continue
            fail(number, f"missing field {key}")
        value = value_bytes(number, key, kind, skin[key])
        body += bytes([tag, len(value)]) + value
    if len(body) > MAX_BODY:
        fail(number, "too large")
    header = SIGNATURE + struct.pack("<HII", VERSION, len(body), zlib.crc32(body))
    return header + body


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    skins = tomllib.loads(source.read_text(encoding="utf-8")).get("skin", [])
    if len(skins) != 25:
        sys.exit(f"compile_skins: {source}: 25 skins expected, found {len(skins)}")
    out.mkdir(parents=True, exist_ok=True)
    for number, skin in enumerate(skins, 1):
        target = out / f"skin-{number:02d}.she"
        data = compile_skin(number, skin)
        target.write_bytes(data)


if __name__ == "__main__":
    main()
