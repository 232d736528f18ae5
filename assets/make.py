#!/usr/bin/env python3
"""Draws every picture the system ships into assets/, byte for byte the same
on every run, plus a contact sheet that shows them all at 1x and 4x.

    python3 assets/make.py                       # rewrite the pictures and the sheet
    python3 assets/make.py --check               # compare with the files; non-zero on a difference
    python3 assets/make.py --sheet FILE.png      # where the sheet goes (build/contact-sheet.png)

Needs only Python 3 and the font package fonts-wqy-zenhei.
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep the source tree clean

from generator.catalogue import PICTURES  # noqa: E402
from generator.sheet import contact_sheet  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="only compare with the committed files")
    parser.add_argument("--sheet", default=os.path.join(HERE, "..", "build", "contact-sheet.png"))
    args = parser.parse_args()

    entries, differing = [], []
    for picture in PICTURES:
        data, images = picture.draw()
        entries.append((picture, data, images))
        path = os.path.join(HERE, picture.path)
        if args.check:
            with open(path, "rb") as f:
                if f.read() != data:
                    differing.append(picture.path)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    if args.check:
        for path in differing:
            print(f"differs from what the generator draws: assets/{path}")
        return 1 if differing else 0
    os.makedirs(os.path.dirname(os.path.abspath(args.sheet)), exist_ok=True)
    with open(args.sheet, "wb") as f:
        f.write(contact_sheet(entries))
    print(f"{len(entries)} pictures written; contact sheet: {os.path.normpath(args.sheet)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
