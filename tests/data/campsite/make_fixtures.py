#!/usr/bin/env python3
"""Writes the campsite file fixtures of tests/campsite, byte by byte.

Run it from anywhere; the files land beside this script. The fixtures are
committed, so this only documents how each one is made and remakes them.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def short(text):
    data = text.encode("cp1252") if isinstance(text, str) else text
    return bytes([len(data)]) + data


def i8(v):
    return b"\x02" + struct.pack("<b", v)


def i16(v):
    return b"\x03" + struct.pack("<h", v)


def i32(v):
    return b"\x04" + struct.pack("<i", v)


def prop(name, value):
    return short(name) + value


def entry(cls, name, props, children=b"", prefix=b""):
    return b"TPF0" + prefix + short(cls) + short(name) + props + b"\x00" + children + b"\x00"


def record(cls, name, props, children=b""):
    """A child object record: no signature."""
    return short(cls) + short(name) + props + b"\x00" + children + b"\x00"


def integer(v):
    """The narrowest integer tag, as the program writes it."""
    return i8(v) if -128 <= v < 128 else i16(v) if -32768 <= v < 32768 else i32(v)


def geometry(left, top, width, height):
    return prop("Left", integer(left)) + prop("Top", integer(top)) + \
        prop("Width", integer(width)) + prop("Height", integer(height))


def bmp(width, height, colours):
    """A 24-bit bottom-up BMP file; colours is a function (x, y) -> (r, g, b), y from the top."""
    row = (width * 3 + 3) // 4 * 4
    pixels = b""
    for y in reversed(range(height)):
        line = b"".join(bytes(reversed(colours(x, y))) for x in range(width))
        pixels += line + b"\x00" * (row - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = b"BM" + struct.pack("<IHHI", 14 + 40 + len(pixels), 0, 0, 54)
    return header + info + pixels


def picture_block(bmp_file, cls="TBitmap"):
    return short(cls) + struct.pack("<I", len(bmp_file)) + bmp_file


def binary(data):
    return b"\x0a" + struct.pack("<I", len(data)) + data


TENT = bmp(3, 2, lambda x, y: (0, 255, 0) if y == 1 else (128, 128, 128))
SIGN = bmp(2, 2, lambda x, y: (200, 200, 200))

FIXTURES = {
    # The label "Label2" at 32, 96, 64 x 48, captioned "Label2": 67 bytes.
    "label2.gnd": entry("TLabel", "Label2", geometry(32, 96, 64, 48) + prop("Caption", b"\x06" + short("Label2")))
    + b"\x00",
    # An empty layout.
    "empty-layout.gnd": b"\x00",
    # Two tents sharing one picture, a "Fall In" sign and a label, as the program writes them.
    "campsite.gnd": entry("TImage", "Image1", geometry(16, 24, 40, 32) + prop("Picture.Data", binary(picture_block(TENT)))
                          + prop("Stretch", b"\x09") + prop("Transparent", b"\x09"))
    + entry("TImage", "Image2", geometry(200, 8, 40, 32) + prop("Picture.Data", binary(picture_block(TENT)))
            + prop("Stretch", b"\x09") + prop("Transparent", b"\x09"))
    + entry("TImage", "Image3", geometry(-8, 300, 24, 16) + prop("Picture.Data", binary(picture_block(SIGN)))
            + prop("Stretch", b"\x09"))
    + entry("TLabel", "Label2", geometry(48, 64, 0, 0) + prop("Caption", b"\x06" + short("Camp Fire")))
    + b"\x00",
    # An image between records of other kinds, with unknown properties holding every tag.
    "every-tag.gnd": entry(
        "TPanel", "Panel1",
        prop("Align", b"\x07" + short("alTop")) + prop("Tag", b"\x13" + struct.pack("<q", -5))
        + prop("Nothing", b"\x00") + prop("Ratio", b"\x05" + bytes(10)) + prop("Scale", b"\x0f" + bytes(4))
        + prop("Price", b"\x10" + bytes(8)) + prop("When", b"\x11" + bytes(8)) + prop("Link", b"\x0d"),
        children=record("TButton", "Button1", prop("Caption", b"\x06" + short("OK")))
        + record("TPanel", "Panel2", b"", children=record("TEdit", "Edit1", prop("Text", b"\x14" + struct.pack("<I", 2) + b"hi")))
    )
    + entry(
        "TImage", "Image1",
        geometry(8, 16, 24, 32)
        + prop("Items", b"\x01" + i8(1) + i16(300) + i32(70000) + b"\x01" + b"\x08\x09" + b"\x00" + b"\x06" + short("x") + b"\x00")
        + prop("Anchors", b"\x0b" + short("akLeft") + short("akTop") + b"\x00")
        + prop("Lines.Strings", b"\x01" + b"\x0c" + struct.pack("<I", 3) + b"abc" + b"\x12" + struct.pack("<I", 1) + "é".encode("utf-16-le") + b"\x00")
        + prop("Columns", b"\x0e" + b"\x01" + prop("Width", i8(5)) + b"\x00" + i8(3) + b"\x01" + prop("Title.Caption", b"\x06" + short("c")) + b"\x00" + b"\x00")
        + prop("OnClick", b"\x07" + short("Image1Click"))
        + prop("Picture.Data", b"\x06" + short("not a picture"))
        + prop("Stretch", b"\x07" + short("True")) + prop("Transparent", b"\x08"),
    )
    + entry("TLabel", "Label5", geometry(1, 2, 3, 4) + prop("Caption", b"\x12" + struct.pack("<I", 2) + "Zé".encode("utf-16-le")),
            prefix=b"\xf2" + i16(7))
    + b"\x00",
    # "TShape" between an image and a label.
    "shape-between.gnd": entry("TImage", "Image1", geometry(8, 8, 16, 16))
    + entry("TShape", "Shape1", geometry(0, 0, 65, 65) + prop("Shape", b"\x07" + short("stCircle")))
    + entry("TLabel", "Label3", geometry(0, 40, 30, 13) + prop("Caption", b"\x06" + short("Pond")))
    + b"\x00",
    # An image with a hint and a misspelt property.
    "hint-misspelt.gnd": entry("TImage", "Image1", geometry(8, 8, 16, 16) + prop("Hint", b"\x06" + short("Patrol tent"))
                               + prop("Strech", b"\x09") + prop("Transparent", b"\x09"))
    + b"\x00",
    # A label after whose closing byte more bytes follow.
    "trailing-bytes.gnd": entry("TLabel", "Label1", geometry(0, 0, 10, 10) + prop("Caption", b"\x06" + short("First")))
    + b"\x00" + b"TPF0garbage\xff\xff",
    # Objects whose stored names are no identifiers, between two good ones.
    "bad-names.gnd": entry("TImage", "Image1", geometry(0, 0, 8, 8))
    + entry("TImage", "9Lives", geometry(0, 0, 8, 8))
    + entry("TLabel", "Camp Fire", geometry(0, 0, 8, 8))
    + entry("TLabel", "Label7", geometry(0, 0, 8, 8))
    + b"\x00",
    # Pictures that cannot be read: another graphic class, a size that does not fit, no "BM".
    "bad-pictures.gnd": entry("TImage", "Image1", geometry(0, 0, 8, 8) + prop("Picture.Data", binary(picture_block(TENT, "TIcon"))))
    + entry("TImage", "Image2", geometry(0, 0, 8, 8) + prop("Picture.Data", binary(picture_block(TENT)[:-1])))
    + entry("TImage", "Image3", geometry(0, 0, 8, 8) + prop("Picture.Data", binary(picture_block(b"XX" + TENT[2:]))))
    + b"\x00",
    # A length field of 4 GB in a short file.
    "huge-length.gnd": entry("TLabel", "Label3", geometry(0, 0, 8, 8) + prop("Caption", b"\x0c" + struct.pack("<I", 0xFFFFFFFF) + b"abc")),
}

if __name__ == "__main__":
    for name, data in FIXTURES.items():
        with open(os.path.join(HERE, name), "wb") as out:
            out.write(data)
    print("\n".join(f"{len(d):6d} {n}" for n, d in FIXTURES.items()))
