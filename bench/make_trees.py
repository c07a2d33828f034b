#!/usr/bin/env python3
"""Writes the benchmark's source trees straight to the Linux file system
(far faster than through Wine).

  make_trees.py tree <folder> <files> [--data]   small files, 100 per folder
  make_trees.py large <folder> <files> <MiB>     big files of random bytes
  make_trees.py folders <folder> <count>         folders of one empty file each,
                                                 kept if the folder is there

Small files get sizes of 0 to 8191 bytes from a fixed sequence; without
--data they are sparse (sized, no blocks written), with --data they hold
bytes. Every file name is unique in the tree, so a flat copy cannot clash.
"""
import os
import shutil
import sys

FILES_PER_FOLDER = 100
FOLDERS_PER_GROUP = 25


def size_of(index):
    # A fixed scramble of the index: sizes look random but repeat every run.
    return (index * 2654435761 + 40503) % 8192


def small_tree(root, count, with_data):
    block = os.urandom(16384) if with_data else b""
    for index in range(count):
        leaf = index // FILES_PER_FOLDER
        folder = os.path.join(root, "g%03d" % (leaf // FOLDERS_PER_GROUP), "d%05d" % leaf)
        if index % FILES_PER_FOLDER == 0:
            os.makedirs(folder, exist_ok=True)
        size = size_of(index)
        with open(os.path.join(folder, "f%07d.dat" % index), "wb") as out:
            if with_data:
                start = index % 8192
                out.write(block[start:start + size])
            else:
                out.truncate(size)


def large_files(root, count, mebibytes):
    os.makedirs(root, exist_ok=True)
    for index in range(count):
        with open(os.path.join(root, "big%02d.bin" % index), "wb") as out:
            for _ in range(mebibytes):
                out.write(os.urandom(1 << 20))


def folder_tree(root, count):
    # Under Wine a folder costs a scan far more than a file does, so this
    # keeps a scan busy for seconds with a tree that is quick to write. The
    # tree is written beside its place and renamed at the end, so a folder
    # found there is complete and is kept (removing it costs more than
    # writing it).
    if os.path.isdir(root):
        return
    part = root + ".part"
    shutil.rmtree(part, ignore_errors=True)
    for index in range(count):
        folder = os.path.join(part, "g%03d" % (index // FILES_PER_FOLDER), "d%05d" % index)
        os.makedirs(folder, exist_ok=True)
        open(os.path.join(folder, "f%05d.dat" % index), "wb").close()
    os.rename(part, root)


def main(argv):
    if len(argv) >= 4 and argv[1] == "tree":
        small_tree(argv[2], int(argv[3]), "--data" in argv[4:])
    elif len(argv) == 5 and argv[1] == "large":
        large_files(argv[2], int(argv[3]), int(argv[4]))
    elif len(argv) == 4 and argv[1] == "folders":
        folder_tree(argv[2], int(argv[3]))
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
