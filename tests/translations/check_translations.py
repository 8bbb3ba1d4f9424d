#!/usr/bin/env python3
"""Checks that every text the program shows is in translations/chargefield_en.ts, translated.

lupdate, with the options of the build, reads the sources into a copy of the committed file
(the committed file is left alone). The check fails when
  - lupdate finds a text the committed file has not (marked in the sources, not translated),
  - the committed file holds a text the sources no longer have, or an unfinished or empty
    translation, or one whose places %1, %2 ... or line breaks differ from its source's;
  - a string literal of the sources with a Russian letter is no part of any text lupdate
    finds: a text shown without being marked for translation would stay Russian in English.
Usage: check_translations.py SOURCE_DIR LUPDATE
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

# Texts that stay as they are in every language: the language menu names each language in its
# own, under a title both can read.
UNTRANSLATED = {"Язык / Language", "Русский"}
CYRILLIC = re.compile("[\u0400-\u04ff]")


def decode(text):
    text = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda m: chr(int(m.group(1), 16)), text)
    return html.unescape(text)


def read_ts(path):
    """{(context, source): (translation, type)} of a .ts file."""
    with open(path, encoding="utf-8") as f:
        ts = f.read()
    out = {}
    for context in re.finditer(r"<context>\s*<name>(.*?)</name>(.*?)</context>", ts, re.S):
        for message in re.finditer(r"<message>(.*?)</message>", context.group(2), re.S):
            body = message.group(1)
            source = decode(re.search(r"<source>(.*?)</source>", body, re.S).group(1))
            tr = re.search(r'<translation(?: type="(\w+)")?>(.*?)</translation>|'
                           r'<translation(?: type="(\w+)")?/>', body, re.S)
            kind = (tr.group(1) or tr.group(3) or "") if tr else "missing"
            text = decode(tr.group(2) or "") if tr else ""
            out[(decode(context.group(1)), source)] = (text, kind)
    return out


def literals(code):
    """The string literals of C++ code, adjacent ones joined, escapes read; comments skipped."""
    out, i, n = [], 0, len(code)
    pending = None
    while i < n:
        c = code[i]
        if code.startswith("//", i):
            i = code.find("\n", i)
            i = n if i < 0 else i
        elif code.startswith("/*", i):
            i = code.find("*/", i + 2) + 2
        elif c == "'":
            j = i + 1
            while code[j] != "'":
                j += 2 if code[j] == "\\" else 1
            i = j + 1
        elif c == '"':
            j, text = i + 1, []
            while code[j] != '"':
                if code[j] == "\\":
                    esc = code[j + 1]
                    text.append({"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\",
                                 "'": "'"}.get(esc, esc))
                    j += 2
                else:
                    text.append(code[j])
                    j += 1
            pending = (pending or "") + "".join(text)
            i = j + 1
            continue
        elif not c.isspace() and pending is not None:
            out.append(pending)
            pending = None
        i += 1
    if pending is not None:
        out.append(pending)
    return out


def main():
    source_dir, lupdate = sys.argv[1], sys.argv[2]
    committed_path = os.path.join(source_dir, "translations", "chargefield_en.ts")
    sources = sorted(os.path.join(d, f) for d, _, files in os.walk(os.path.join(source_dir, "src"))
                     for f in files if f.endswith((".cpp", ".h")))
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        updated_path = os.path.join(tmp, "chargefield_en.ts")
        shutil.copyfile(committed_path, updated_path)
        listing = os.path.join(tmp, "sources.lst")
        with open(listing, "w", encoding="utf-8") as f:
            f.write("-I" + os.path.join(source_dir, "src") + "\n" + "\n".join(sources) + "\n")
        subprocess.run([lupdate, "-silent", "-tr-function-alias", "QT_TRANSLATE_NOOP+=CF_TEXT",
                        "-locations", "none", "-no-obsolete", "-source-language", "ru_RU",
                        "@" + listing, "-ts", updated_path],
                       check=True)
        updated = read_ts(updated_path)
    committed = read_ts(committed_path)

    for key in sorted(set(updated) - set(committed)):
        failures.append("not in the .ts file (run the target update_translations): %s: %r" % key)
    for key in sorted(set(committed) - set(updated)):
        failures.append("in the .ts file, no longer in the sources: %s: %r" % key)
    for key, (text, kind) in sorted(committed.items()):
        if kind or not text:
            failures.append("not translated (%s): %s: %r" % (kind or "empty", *key))
            continue
        source = key[1]
        if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
            failures.append("places %%N differ: %s: %r" % key)
        if source.count("\n") != text.count("\n") or source.count("\r") != text.count("\r"):
            failures.append("line breaks differ: %s: %r" % key)

    extracted = [source for _, source in updated]
    for path in sources:
        with open(path, encoding="utf-8") as f:
            for literal in literals(f.read()):
                if not CYRILLIC.search(literal) or literal in UNTRANSLATED:
                    continue
                if not any(literal in source for source in extracted):
                    failures.append("not marked for translation: %s: %r"
                                    % (os.path.relpath(path, source_dir), literal))

    for f in failures:
        print(f)
    print("%d texts, %d failures" % (len(committed), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
