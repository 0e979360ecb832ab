#!/usr/bin/python3
"""Zips a folder the same way every time: the entries in sorted order, each
dated by SOURCE_DATE_EPOCH (else 1980-01-01), files 0644 and folders 0755
whatever the umask, no extra fields. Two builds of one commit give the same
bytes.

usage: zip-folder.py [--contents] FOLDER ZIP_FILE  (the zip holds FOLDER's name
as its top, or with --contents what FOLDER holds)"""
import os
import sys
import time
import zipfile

contents = sys.argv[1] == "--contents"
folder, target = os.path.normpath(sys.argv[1 + contents]), sys.argv[2 + contents]
epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800)
stamp = time.gmtime(epoch)[:6]
top = "" if contents else os.path.basename(folder) + "/"


def entry(name, mode):
    info = zipfile.ZipInfo(name, stamp)
    info.external_attr = mode << 16
    info.create_system = 3  # Unix, so that the modes hold
    return info


paths = []
for here, folders, files in os.walk(folder):
    folders.sort()
    relative = os.path.relpath(here, folder)
    inside = top if relative == "." else f"{top}{relative}/"
    if inside:
        paths.append((inside, None))
    paths += [(f"{inside}{name}", os.path.join(here, name)) for name in files]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for name, path in sorted(paths):
        if path is None:
            archive.writestr(entry(name, 0o40755), b"")
        else:
            with open(path, "rb") as source:
                archive.writestr(entry(name, 0o100644), source.read())
