#!/usr/bin/python3
"""Runs lupdate over the editor's sources into scratch copies of the translation files and fails,
naming each text, when a file lacks a text the window shows, holds one it no longer shows, leaves
one unfinished, or drops a %1 placeholder of the English (the number or name it stands for would
vanish from the sentence). The texts are the editor's and those the core marks with ZYLOX_TR; the
English file (_en.ts) holds only the plural forms of the editor's texts that count with %n.
Usage: check_translations.py LUPDATE SOURCE_ROOT FILE.ts..."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(\d+)")


def messages(path):
    """(context, source, comment) -> the message element, for every message of a .ts file."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"), message.findtext("comment") or "")] = message
    return found


def forms(message):
    translation = message.find("translation")
    if message.get("numerus") == "yes":
        return [form.text or "" for form in translation.iter("numerusform")]
    return [translation.text or ""]


def problems(original, refreshed):
    kept = messages(original)
    for key, message in messages(refreshed).items():
        context, source, _ = key
        said = f'{context}: "{source}"'
        kind = message.find("translation").get("type")
        if kind in ("vanished", "obsolete"):
            yield f"no longer in the code: {said}"
        elif key not in kept:
            yield f"new text, not in the file: {said}"
        elif kind == "unfinished" or not all(forms(message)):
            yield f"not translated: {said}"
        else:
            wanted = set(PLACEHOLDER.findall(source))
            for form in forms(message):
                if missing := wanted - set(PLACEHOLDER.findall(form)):
                    yield f"the translation lacks %{', %'.join(sorted(missing))}: {said} -> \"{form}\""


def main(lupdate, root, files):
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(path, os.path.join(scratch, os.path.basename(path))) for path in files]
        english = [copy for copy in copies if copy.endswith("_en.ts")]
        others = [copy for copy in copies if copy not in english]
        app = [os.path.join(root, "app")]
        with open(os.path.join(root, "cmake", "layers.txt"), encoding="utf-8") as listing:
            layers = [os.path.join(root, line.strip()) for line in listing if re.match(r"[a-z]", line)]
        # The core's texts, which the window shows too, are marked with ZYLOX_TR; their English for
        # one is the core's, so the English file holds only the window's own plural forms.
        core = ["-tr-function-alias", "QT_TRANSLATE_NOOP+=ZYLOX_TR,QT_TRANSLATE_N_NOOP+=ZYLOX_TR_N", *app, *layers]
        for options, targets in ((["-pluralonly", *app], english), (core, others)):
            if not targets:
                continue
            run = subprocess.run([lupdate, "-silent", "-I", root, *options, "-ts", *targets],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                print(f"lupdate failed: {run.stderr}")
                return 1
        for path, copy in zip(files, copies):
            found = list(problems(path, copy))
            for problem in found:
                print(f"{os.path.basename(path)}: {problem}")
            print(f"{os.path.basename(path)}: {len(messages(copy))} texts, {len(found)} to do")
            failed = failed or bool(found)
    if failed:
        print("To bring the files up to the code: cmake --build <build folder> --target zylox_app_lupdate, "
              "then translate what is marked unfinished (linguist or an editor) and build.")
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
