#!/usr/bin/env python3
"""Copies a UTF-8 source with its non-ASCII characters written as code page
932 octal escapes, for compilers that cannot make CP932 string constants
themselves (clang knows only UTF-8 as execution character set).

Octal escapes are used because they end after three digits: a hexadecimal
escape would swallow a following letter or digit, and a raw CP932 byte could
be a backslash (the second byte of many double-byte characters). Characters
that CP932 lacks can only stand in comments; they are kept as they are.

usage: cp932_literals.py SOURCE OUTPUT
"""
import os
import sys


def convert(text):
    out = []
    for ch in text:
        if ord(ch) < 0x80:
            out.append(ch)
            continue
        try:
            data = ch.encode("cp932")
        except UnicodeEncodeError:
            out.append(ch)
            continue
        out.append("".join("\\%03o" % b for b in data))
    return "".join(out)


def main():
    source, output = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    os.makedirs(os.path.dirname(output), exist_ok=True)
    with open(output, "w", encoding="utf-8", newline="") as f:
        # Diagnostics and sanitizer reports name the original file.
        f.write('#line 1 "%s"\n' % source.replace("\\", "/"))
        f.write(convert(text))


if __name__ == "__main__":
    main()
