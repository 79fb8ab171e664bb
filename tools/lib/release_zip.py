#!/usr/bin/python3
"""Writes a zip whose bytes follow from the files and the time given, nothing else.

Entries in the order given, each dated with the one time given (in UTC, so TZ does not matter), deflated
at level 9 by the system's zlib, marked as made on MS-DOS/Windows with the archive attribute alone (no
umask or file mode shows; zipfile would put 0600 in place of none), no extra fields, no comment, no
directory entries. Names must be ASCII: Explorer's zip folder reads other names in the local code page.

Usage: release_zip.py ZIP ROOT EPOCH NAME...   (each NAME a file under ROOT, '/' as separator)
"""
import os
import sys
import time
import zipfile


def main(argv):
    if len(argv) < 5:
        sys.exit(__doc__)
    zip_path, root, epoch, names = argv[1], argv[2], int(argv[3]), argv[4:]
    stamp = time.gmtime(epoch)[:6]
    tmp = zip_path + ".part"
    with zipfile.ZipFile(tmp, "w") as archive:
        for name in names:
            if not name.isascii() or name.startswith("/") or ".." in name.split("/"):
                sys.exit(f"not a plain ASCII relative name: {name!r}")
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.create_system = 0
            info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(root, name), "rb") as f:
                archive.writestr(info, f.read(), compresslevel=9)
    os.replace(tmp, zip_path)


if __name__ == "__main__":
    main(sys.argv)
