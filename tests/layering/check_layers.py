#!/usr/bin/python3
"""Fails when a source file includes a header of a layer above its own, when a folder of sources is
one docs/architecture.md does not name, or when a source file passes its size.

    check_layers.py SOURCE_DIR    checks the tree and lists every problem
    check_layers.py --self-test   checks generated trees, right and wrong, to prove the rules bite
"""
import os
import re
import sys
import tempfile

# The core's layers from the ground up, as the build adds them: a layer may include its own headers
# and those of the layers before it.
LAYERS_FILE = os.path.join("cmake", "layers.txt")
# The guide that must name every folder of sources, as `folder/`.
GUIDE = os.path.join("docs", "architecture.md")
# Lines a source file may hold: the product's own, and the tests'. Past that a file holds two
# concerns, or a table that wants its own file.
MOST_LINES = 450
MOST_TEST_LINES = 500
# The two programs stand side by side on the whole core: neither includes the other.
PROGRAMS = ["cli", "app"]
# The editor's folders from the ground up; a folder under app/ uses only those before it. Files
# directly in app/ are held to the core rules only.
APP_FOLDERS = ["common", "document", "settings", "files", "sounds", "banks", "transfer", "library", "window"]
# Build-time generators: the standard library and themselves.
TOOLS = "tools"

QT_FOLDERS = {"app"}
ALSA_FOLDERS = ("midiio/alsa/", "playback/")
# Folders of sources outside the layers, named in the guide too.
OTHER_FOLDERS = ["tests", "bench", "fuzz"]


def read_layers(root):
    with open(os.path.join(root, LAYERS_FILE), encoding="utf-8") as listing:
        return [line.strip() for line in listing if line.strip() and not line.startswith("#")]


CORE = []

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".c")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# QWidget, QtCore (a whole module), QtCore/QObject, qglobal.h.
QT_HEADER = re.compile(r"^(Q[A-Z]\w*|Qt\w*(/.*)?|q\w+\.h)$")


def allowed_layers(layer):
    if layer in CORE:
        return set(CORE[: CORE.index(layer) + 1])
    if layer in PROGRAMS:
        return set(CORE) | {layer}
    if layer == TOOLS:
        return {TOOLS}
    return None


def layer_of(relative):
    """The top folder of a repository path, or None outside the layers."""
    top = relative.split("/", 1)[0]
    if top in CORE or top in PROGRAMS or top == TOOLS:
        return top
    return None


def app_folder_of(relative):
    parts = relative.split("/")
    if len(parts) > 2 and parts[0] == "app" and parts[1] in APP_FOLDERS:
        return parts[1]
    return None


def resolve(root, including, target, bracket='"'):
    """The repository path an include names: beside the including file first (quoted only), then
    from the root, which is an include path, then (for the editor) from app/. Where no such file
    exists, the text itself for a quoted include (generated), None for <...> (a system header)."""
    bases = [os.path.dirname(including), ""] if bracket == '"' else [""]
    if layer_of(including) == "app":
        bases.append("app")
    for base in bases:
        candidate = os.path.normpath(os.path.join(base, target))
        if not candidate.startswith("..") and os.path.isfile(os.path.join(root, candidate)):
            return candidate
    # A bare name found through an include path into one of the editor's folders.
    if layer_of(including) == "app" and "/" not in target:
        named = [os.path.relpath(os.path.join(directory, target), root)
                 for directory, _, files in os.walk(os.path.join(root, "app")) if target in files]
        if len(named) == 1:
            return named[0]
    return os.path.normpath(target) if bracket == '"' else None


def problems_in(root, relative):
    layer = layer_of(relative)
    folder = app_folder_of(relative)
    found = []
    with open(os.path.join(root, relative), encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, target = match.groups()
            closing = ">" if bracket == "<" else '"'
            where = f"{relative}:{number}: {bracket}{target}{closing}"
            if target.startswith("alsa/") and not relative.startswith(ALSA_FOLDERS):
                found.append(f"{where}: ALSA is for midiio/alsa/ and playback/ only")
                continue
            if QT_HEADER.match(target) and layer not in QT_FOLDERS:
                found.append(f"{where}: Qt is for app/ only")
                continue
            if layer == TOOLS and bracket == "<" and ("." in target or "/" in target):
                found.append(f"{where}: tools/ uses the standard library only")
                continue
            resolved = resolve(root, relative, target, bracket)
            if resolved is None:
                continue
            used = layer_of(resolved)
            if used is None:
                if layer == TOOLS:
                    found.append(f"{where}: tools/ uses the standard library only")
                continue
            if used not in allowed_layers(layer):
                found.append(f"{where}: {layer}/ may not use {used}/")
                continue
            used_folder = app_folder_of(resolved)
            if folder and used_folder and APP_FOLDERS.index(used_folder) > APP_FOLDERS.index(folder):
                found.append(f"{where}: app/{folder}/ may not use app/{used_folder}/")
    return found


def too_long(root, relative):
    with open(os.path.join(root, relative), encoding="utf-8", errors="replace") as source:
        lines = sum(1 for _ in source)
    most = MOST_TEST_LINES if relative.split("/", 1)[0] in OTHER_FOLDERS else MOST_LINES
    return [f"{relative}: {lines} lines, more than {most}"] if lines > most else []


def source_folders(root, top):
    """Each folder under top that holds a source file, top itself included, relative to the root."""
    for directory, folders, files in os.walk(os.path.join(root, top)):
        folders[:] = sorted(folder for folder in folders if not folder.startswith("."))
        if any(name.endswith(SOURCE_SUFFIXES) for name in files):
            yield os.path.relpath(directory, root)


def unnamed_folders(root):
    """The folders of sources the guide does not name: every layer and program, the editor's and
    midiio's folders, and the tests', benchmarks' and fuzz targets' tops."""
    try:
        with open(os.path.join(root, GUIDE), encoding="utf-8") as guide:
            named = set(re.findall(r"`([\w/]+)/`", guide.read()))
    except OSError:
        return [f"{GUIDE}: missing"]
    found = []
    for top in CORE + PROGRAMS + [TOOLS] + OTHER_FOLDERS:
        for folder in source_folders(root, top):
            parts = folder.split("/")
            if top in OTHER_FOLDERS and len(parts) > 1:
                continue
            if folder not in named and not (len(parts) > 1 and "/".join(parts[1:]) in named):
                found.append(f"{folder}/: a folder of sources that {GUIDE} does not name")
    return found


def check(root):
    """What reaches up, folders the guide leaves out, files past their size, and how many files
    were read."""
    global CORE
    CORE = read_layers(root)
    found = unnamed_folders(root)
    scanned = 0
    for top in CORE + PROGRAMS + [TOOLS] + OTHER_FOLDERS:
        for directory, _, files in os.walk(os.path.join(root, top)):
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    relative = os.path.relpath(os.path.join(directory, name), root)
                    if top not in OTHER_FOLDERS:
                        found.extend(problems_in(root, relative))
                    found.extend(too_long(root, relative))
                    scanned += 1
    return sorted(found), scanned


def self_test():
    """Each wrong include is caught alone, in a tree where everything else is right."""
    right = {
        "bytes/ByteBuffer.h": ["<vector>"],
        "audio/PcmFrames.h": ['"bytes/ByteBuffer.h"', "<sndfile.h>"],
        "soundlibrary/LibraryScan.h": ['"audio/PcmFrames.h"', "<sqlite3.h>"],
        "model/BankBase.h": ['"audio/PcmFrames.h"', '"CBankPart.h"'],
        "model/CBankPart.h": [],
        "midiio/alsa/Alsa.cpp": ["<alsa/asoundlib.h>", '"model/BankBase.h"', '"midiio/Transport.h"'],
        "midiio/Transport.h": ['"playback/Pcm.h"'],
        "playback/Pcm.cpp": ["<alsa/asoundlib.h>", '"audio/PcmFrames.h"'],
        "midiio/alsa/Alsa.h": [],
        "tests/BankTest.cpp": ['"model/BankBase.h"', '"tests/support/Bytes.h"'],
        "tests/support/Bytes.h": [],
        "cli/Main.cpp": ['"playback/Pcm.h"', "<CLI/CLI.hpp>", "<model/BankBase.h>"],
        "playback/Pcm.h": [],
        "app/EditorWindow.cpp": ["<QWidget>", "<QtCore/QObject>", '"app/EditorWindow.h"', '"ui_EditorWindow.h"'],
        "app/EditorWindow.h": [],
        "app/window/CMain.cpp": ['"app/banks/CView.h"', '"../common/Dialogs.h"', "<app/banks/CView.h>", "<QtCore>"],
        "app/banks/CView.h": ['"app/document/CWorking.h"', '"common/Dialogs.h"', '"CViewPart.h"'],
        "app/banks/CViewPart.h": [],
        "app/document/CWorking.h": ['"model/BankBase.h"'],
        "app/common/Dialogs.h": ["<QMessageBox>"],
        "tools/generate.cpp": ["<cmath>", '"tools/tables.h"'],
        "tools/tables.h": [],
        # Headers only the wrong includes below name.
        "cli/Main.h": [],
        "cli/Command.h": [],
        "app/window/CMain.h": [],
        "app/banks/CView.cpp": [],
    }
    wrong = [
        ("bytes/ByteBuffer.h", '"audio/PcmFrames.h"'),
        ("audio/PcmFrames.h", '"soundlibrary/LibraryScan.h"'),
        ("soundlibrary/LibraryScan.h", '"model/BankBase.h"'),
        ("audio/PcmFrames.h", "<alsa/asoundlib.h>"),
        ("midiio/alsa/Alsa.h", "<QObject>"),
        ("midiio/Transport.h", "<alsa/asoundlib.h>"),
        ("playback/Pcm.h", '"midiio/Transport.h"'),
        ("content/SlotContent.h", "<alsa/asoundlib.h>"),
        ("playback/Pcm.h", '"cli/Main.h"'),
        ("cli/Main.cpp", '"app/EditorWindow.h"'),
        ("cli/Main.cpp", "<QtCore/QString>"),
        ("app/EditorWindow.h", '"cli/Command.h"'),
        ("app/common/Dialogs.h", '"app/document/CWorking.h"'),
        ("app/document/CWorking.h", '"../banks/CView.h"'),
        ("app/banks/CViewPart.h", '"window/CMain.h"'),
        ("app/common/Dialogs.h", '"CWorking.h"'),
        ("tools/tables.h", '"bytes/ByteBuffer.h"'),
        ("tools/generate.cpp", "<zlib.h>"),
        # Not includes: a folder the guide leaves out, and a file past its size.
        ("app/library/CBrowser.h", None),
        ("model/BankBase.h", "#define LONG" + "\n" * MOST_LINES),
        # The root is an include path, so <...> reaches the project's folders as "..." does.
        ("app/EditorWindow.h", "<cli/Command.h>"),
        ("model/BankBase.h", "<midiio/alsa/Alsa.h>"),
        ("app/document/CWorking.h", "<app/banks/CView.h>"),
        ("playback/Pcm.h", "<QtCore>"),
    ]

    layers = ["bytes", "midifile", "audio", "soundlibrary", "playback", "content", "model", "midiio"]
    guide = " ".join(f"`{folder}/`" for folder in layers + ["alsa", "cli", "app", "window", "banks",
                                                              "document", "common", "tools", "tests"])

    def build(root, files):
        for relative, includes in files.items():
            os.makedirs(os.path.dirname(os.path.join(root, relative)), exist_ok=True)
            with open(os.path.join(root, relative), "w", encoding="utf-8") as out:
                out.write("#pragma once\n")
                out.writelines(include if include.startswith("#") else f"#include {include}\n"
                               for include in includes if include is not None)
        for relative, text in ((LAYERS_FILE, "\n".join(layers)), (GUIDE, guide)):
            os.makedirs(os.path.dirname(os.path.join(root, relative)), exist_ok=True)
            with open(os.path.join(root, relative), "w", encoding="utf-8") as out:
                out.write(text + "\n")

    failures = []
    with tempfile.TemporaryDirectory() as root:
        build(root, right)
        found, scanned = check(root)
        if found or scanned != len(right):
            failures.append(f"the right tree gave {found} after {scanned} files")
    for relative, include in wrong:
        with tempfile.TemporaryDirectory() as root:
            files = {name: list(includes) for name, includes in right.items()}
            files.setdefault(relative, []).append(include)
            build(root, files)
            found, _ = check(root)
            named = os.path.dirname(relative) + "/" if include is None else relative + ":"
            said = include is None or include.startswith("#") or include in found[0]
            if len(found) != 1 or not found[0].startswith(named) or not said:
                failures.append(f"{relative} including {include} gave {found}")
    for failure in failures:
        print("self-test:", failure)
    print(f"self-test: {len(wrong)} wrong includes, {len(failures)} failures")
    return 1 if failures else 0


def main(arguments):
    if arguments == ["--self-test"]:
        return self_test()
    if len(arguments) != 1 or not os.path.isdir(arguments[0]):
        print(__doc__, file=sys.stderr)
        return 2
    found, scanned = check(arguments[0])
    for problem in found:
        print(problem)
    print(f"{scanned} files, {len(found)} problems")
    # No files read would pass a tree the test never saw.
    return 1 if found or scanned == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
