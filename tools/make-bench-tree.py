#!/usr/bin/env python3
"""Makes the benchmark's folder tree, the same every time, in a Linux folder that is a drive.

    make-bench-tree.py FOLDER [FOLDERS [FILES]]

Builds FOLDERS folders (200,000) and FILES empty files (400,000) below FOLDER with names as
people make them: blanks, dots, digits, mixed case, stems shared by many folders and a few
accented letters. A folder with subfolders has 3 to 30 of them, and no folder lies more than
12 levels below FOLDER. A fixed seed makes the same tree on every run.
"""
import os
import random
import sys

SEED = 20261208
MAX_LEVEL = 12
MIN_FANOUT, MAX_FANOUT = 3, 30
# The longest folder path the tree holds on the Windows side, drive letter included: well
# inside the 259 characters a folder path with its backslash may have.
MAX_PATH_CHARS = 200
SHALLOW = 0.7

STEMS = [
    "Photos", "photos", "Pictures", "Music", "Videos", "Documents", "Docs", "docs", "Projects",
    "Project", "project", "Backup", "backup", "Old", "old stuff", "New folder", "Temp", "tmp",
    "Downloads", "Invoices", "Tax", "Letters", "School", "Homework", "Work", "Clients",
    "Reports", "Drafts", "Archive", "Scans", "Kids", "Holiday", "Family", "Recipes", "Games",
    "Saves", "Mods", "src", "build", "lib", "include", "test", "tests", "assets", "data",
    "config", "bin", "obj", "Release", "Debug", "vendor", "node_modules", "packages",
    "Album", "Disc", "Chapter", "Season", "Episode", "Volume", "Part", "Meeting notes",
    "Résumé", "Café", "Rechnungen März", "Übersicht", "Fotos Málaga", "Señor", "Garçon",
    "Zürich", "Crème brûlée", "Ideas", "Misc", "misc", "Shared", "Public", "Private",
]
PLACES = ["Spain", "Paris", "London", "Berlin", "Oslo", "Lisboa", "Kraków", "Roma", "Wien"]
WORDS = ["final", "draft", "copy", "old", "new", "v2", "FINAL", "Final", "latest", "backup"]
EXTENSIONS = [".txt", ".jpg", ".JPG", ".png", ".pdf", ".docx", ".xlsx", ".mp3", ".cpp", ".h",
              ".zip", ".log", ".ini", ".dat", ".html", ".md", ".json", ".mov", ".odt"]


def folder_name(rng):
    """One folder name as a person might have typed it, or a program made it."""
    stem = rng.choice(STEMS)
    kind = rng.randrange(14)
    if kind == 0:
        return stem
    if kind == 1:
        return f"{stem} {rng.randrange(1990, 2027)}"
    if kind == 2:
        return f"{stem} ({rng.randrange(2, 9)})"
    if kind == 3:
        return f"{rng.randrange(1995, 2027)}-{rng.randrange(1, 13):02d}-{rng.randrange(1, 29):02d}"
    if kind == 4:
        return f"{stem} {rng.choice(PLACES)}"
    if kind == 5:
        return f"v{rng.randrange(0, 5)}.{rng.randrange(0, 20)}.{rng.randrange(0, 10)}"
    if kind == 6:
        return f"{stem}.{rng.choice(['bak', 'old', 'orig', 'tmp'])}"
    if kind == 7:
        return f"{stem} - {rng.choice(WORDS)}"
    if kind == 8:
        return f"{stem.upper()}_{rng.randrange(100)}"
    if kind == 9:
        return f"{stem.lower()}-{rng.choice(WORDS).lower()}"
    if kind == 10:
        return f"IMG_{rng.randrange(10000):04d}"
    if kind == 11:
        return f"{stem} {rng.randrange(1, 40):02d}"
    if kind == 12:
        return f"{rng.choice(STEMS)} and {stem.lower()}"
    return f"{stem}{rng.randrange(1, 100)}"


def file_name(rng):
    kind = rng.randrange(5)
    if kind == 0:
        base = f"IMG_{rng.randrange(10000):04d}"
    elif kind == 1:
        base = f"{rng.choice(STEMS)} {rng.choice(WORDS)}"
    elif kind == 2:
        base = f"{rng.choice(STEMS).lower()}_{rng.randrange(1000)}"
    elif kind == 3:
        base = f"{rng.choice(STEMS)} {rng.randrange(1990, 2027)}"
    else:
        base = rng.choice(STEMS)
    return base + rng.choice(EXTENSIONS)


def fitting(name, room):
    """The name cut to room characters; Windows names end in neither a blank nor a dot."""
    return name[:max(room, 1)].rstrip(" .") or "x"


def unique(name, taken):
    """The name, or the name with " (n)" as Windows makes it, unused by a sibling."""
    candidate, n = name, 2
    while candidate.casefold() in taken:
        candidate = f"{name} ({n})"
        n += 1
    taken.add(candidate.casefold())
    return candidate


class Folder:
    __slots__ = ("path", "length", "level", "names", "children")

    def __init__(self, path, length, level):
        self.path, self.length, self.level = path, length, level
        self.names = set()  # casefolded names of subfolders and files, only for uniqueness
        self.children = 0


def plan(folders, rng):
    """The tree's folders, parents first: grows it by giving a random leaf 3 to 30 subfolders."""
    root = Folder("", 2, 0)  # "D:" before the first backslash
    tree = [root]
    leaves = [root]
    while len(tree) - 1 < folders:
        # A leaf n levels down is chosen with odds 0.7 ** n: most folders then lie four to
        # eight levels down, as on a used disk, and a few reach the deepest level.
        i = rng.randrange(len(leaves))
        parent = leaves[i]
        if rng.random() > SHALLOW ** parent.level:
            continue
        leaves[i] = leaves[-1]
        leaves.pop()
        count = min(rng.randint(MIN_FANOUT, MAX_FANOUT), folders - (len(tree) - 1))
        if count < MIN_FANOUT:
            # The last few: added to a folder that already has subfolders and room for more.
            parent = next(f for f in tree if MIN_FANOUT <= f.children <= MAX_FANOUT - count)
        for _ in range(count):
            room = MAX_PATH_CHARS - parent.length - 1
            name = unique(fitting(folder_name(rng), room), parent.names)
            child = Folder(os.path.join(parent.path, name), parent.length + 1 + len(name), parent.level + 1)
            parent.children += 1
            tree.append(child)
            if child.level < MAX_LEVEL and child.length < MAX_PATH_CHARS - 8:
                leaves.append(child)
    return tree


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    top = sys.argv[1]
    folders = int(sys.argv[2]) if len(sys.argv) > 2 else 200000
    files = int(sys.argv[3]) if len(sys.argv) > 3 else 400000
    rng = random.Random(SEED)
    tree = plan(folders, rng)
    # Most folders hold none or a few files; one in 200 holds a hundred or so, as a folder of
    # photos or downloads does.
    busy = tree[1::200]
    contents = {}
    for _ in range(files):
        folder = rng.choice(busy) if rng.random() < 0.3 else rng.choice(tree)
        contents.setdefault(folder.path, []).append(unique(fitting(file_name(rng), 40), folder.names))
    # Each folder is made with its files: touching the folders in turn rather than at random
    # takes about half the time.
    for folder in tree:
        if folder.level > 0:
            os.mkdir(os.path.join(top, folder.path))
        for name in contents.get(folder.path, ()):
            os.mknod(os.path.join(top, folder.path, name))
    levels = [0] * (MAX_LEVEL + 1)
    for folder in tree[1:]:
        levels[folder.level] += 1
    print(f"{len(tree) - 1} folders, {files} files; folders per level 1-{MAX_LEVEL}: {levels[1:]}")


if __name__ == "__main__":
    main()
