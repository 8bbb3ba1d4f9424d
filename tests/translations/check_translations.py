#!/usr/bin/env python3
"""Checks that every text the program shows is in translations/chargefield_en.ts, translated.

lupdate, with the options of the build, reads the sources into a copy of the committed file
(the committed file is left alone). The check fails when
  - lupdate finds a text the committed file has not (marked in the sources, not translated),
  - the committed file holds a text the sources no longer have, or an unfinished or empty
    translation, or one whose places %1, %2 ... or line breaks differ from its source's;
  - a string literal of the sources with a Russian letter is no part of any text lupdate
    finds: a text shown without being marked for translation would stay Russian in English;
  - a string literal with a letter, Latin or Russian, drawn into a picture (in the argument of a
    picture box's text(), or of the variable it names) or written as a SourceText{} is not a
    whole text lupdate finds: a unit such as " B" for volts would stay as it is in every language.
    Symbols that read alike in every language are listed in SAME_IN_EVERY_LANGUAGE.
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
LETTER = re.compile("[A-Za-z\u0400-\u04ff]")
# Texts with letters that the pictures and the command line show alike in every language:
# symbols of quantities and the names of values, without a word or a unit.
SAME_IN_EVERY_LANGUAGE = {"E=0", "Ey=0!", "fi_max= ", "fi_min= ", "Ex_max= ", "Ex_min= ",
                          "Ey_max= ", "Ey_min= ", "N", "ru|en"}


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


def without_comments(code):
    """C++ code with its comments blanked out, its literals kept."""
    out, i, n = [], 0, len(code)
    while i < n:
        if code.startswith("//", i):
            end = code.find("\n", i)
            i = n if end < 0 else end
        elif code.startswith("/*", i):
            i = code.find("*/", i + 2) + 2
        elif code[i] in "\"'":
            j = i + 1
            while code[j] != code[i]:
                j += 2 if code[j] == "\\" else 1
            out.append(code[i:j + 1])
            i = j + 1
        else:
            out.append(code[i])
            i += 1
    return "".join(out)


def literals(code):
    """The string literals of C++ code, adjacent ones joined, escapes read; comments skipped."""
    code = without_comments(code)
    out, i, n = [], 0, len(code)
    pending = None
    while i < n:
        c = code[i]
        if c == "'":
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


def closing(code, i):
    """The index of the bracket that closes the one at i, skipping literals."""
    depth, n = 0, len(code)
    while i < n:
        c = code[i]
        if c in "\"'":
            j = i + 1
            while code[j] != c:
                j += 2 if code[j] == "\\" else 1
            i = j
        elif c in "({":
            depth += 1
        elif c in ")}":
            depth -= 1
            if depth == 0:
                return i
        i += 1
    return n


def picture_texts(code):
    """The code of the texts drawn into pictures and of the SourceText{}s: the argument of each
    call of text() on an object (pic.text(...), pic_->text(...)), or, where the argument is a
    variable's name, the expression that variable was last given before the call."""
    code = without_comments(code)
    out = []
    for m in re.finditer(r"(?:\.|->)text(\()|\bSourceText(\{)", code):
        start = m.start(1) if m.group(1) else m.start(2)
        argument = code[start + 1:closing(code, start)].strip()
        if re.fullmatch(r"\w+", argument):
            given = list(re.finditer(r"(?<![\w.>])%s\s*(=(?!=)|\(|\{)" % argument,
                                        code[:m.start()]))
            if given:
                at = given[-1].end()
                argument = code[at:code.find(";", at)]
        out.append(argument)
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
    contexts = {context for context, _ in updated}
    whole_texts = set(extracted) | contexts | SAME_IN_EVERY_LANGUAGE
    for path in sources:
        with open(path, encoding="utf-8") as f:
            code = f.read()
        where = os.path.relpath(path, source_dir)
        for literal in literals(code):
            if not CYRILLIC.search(literal) or literal in UNTRANSLATED:
                continue
            if not any(literal in source for source in extracted):
                failures.append("not marked for translation: %s: %r" % (where, literal))
        for text in picture_texts(code):
            for literal in literals(text):
                if LETTER.search(literal) and literal not in whole_texts:
                    failures.append("not translated in a picture: %s: %r" % (where, literal))

    for f in failures:
        print(f)
    print("%d texts, %d failures" % (len(committed), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
