#!/usr/bin/env python3
"""Writes a reproducible zip: the given files, in the given order, under one
folder, each with the same fixed time and attributes, so that the same inputs
always give the same bytes.

usage: pack_release.py OUT.zip FOLDER EPOCH NAME=PATH...
"""
import sys
import time
import zipfile


def main():
    out, folder, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
    # Zip times are local times of day with 2-second steps, from 1980 on.
    stamp = time.gmtime(max(epoch, 315532800))
    date_time = (stamp.tm_year, stamp.tm_mon, stamp.tm_mday, stamp.tm_hour, stamp.tm_min,
                 stamp.tm_sec - stamp.tm_sec % 2)
    with zipfile.ZipFile(out, "w") as z:
        for pair in sys.argv[4:]:
            name, path = pair.split("=", 1)
            info = zipfile.ZipInfo(folder + "/" + name, date_time)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS attributes: the same wherever it is packed
            info.external_attr = 0x20  # archive
            with open(path, "rb") as f:
                z.writestr(info, f.read(), compresslevel=9)


if __name__ == "__main__":
    main()
