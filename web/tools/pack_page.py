#!/usr/bin/env python3
"""Packs the browser edition into one HTML file: the page, its styles and scripts, the
WebAssembly core (a JavaScript module with the WebAssembly inside), Liberation Serif with its
licence, the help documents in both languages and the English translation, read from
translations/chargefield_en.ts as the desktop's build reads it.

Usage: pack_page.py SOURCE_DIR CORE_JS OUT_HTML
"""
import base64
import html
import json
import os
import re
import sys

FONT = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf"
FONT_LICENCE = "/usr/share/doc/fonts-liberation/copyright"


def translations(source_dir):
    """{context: {source: translation}} of the finished translations, read as the check of the
    translations reads them."""
    sys.path.insert(0, os.path.join(source_dir, "tests", "translations"))
    sys.dont_write_bytecode = True
    from check_translations import read_ts
    out = {}
    for (context, source), (text, kind) in read_ts(
            os.path.join(source_dir, "translations", "chargefield_en.ts")).items():
        if text and not kind:
            out.setdefault(context, {})[source] = text
    return out


def find_source(table, context, start):
    """The key of the one text of `context` that starts with `start`."""
    found = [s for s in table.get(context, {}) if s.startswith(start)]
    if len(found) != 1:
        sys.exit("pack_page: %d texts of %s start with %r" % (len(found), context, start))
    return context + "|" + found[0]


def data_uri(path, kind):
    with open(path, "rb") as f:
        return "data:%s;base64,%s" % (kind, base64.b64encode(f.read()).decode())


def document_body(path, images):
    """The body of a help document, its pictures inlined."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    style = "".join(re.findall(r"<style[^>]*>.*?</style>", text, re.S | re.I))
    body = re.search(r"<body[^>]*>(.*)</body>", text, re.S | re.I)
    body = body.group(1) if body else text
    for name, uri in images.items():
        body = body.replace('src="%s"' % name, 'src="%s"' % uri)
    # A document's own styles apply to it alone.
    style = re.sub(r"(^|})\s*([^{}@]+)\{",
                   lambda m: "%s #document_body %s{" % (m.group(1), m.group(2).strip()), style)
    return style + body


def script_text(text):
    """Text safe inside a <script> element."""
    if "</script" in text.lower():
        sys.exit("pack_page: a script holds </script")
    return text


def untranslated(table, page_html, app_js):
    """The page's texts (`context|source` in its attributes and in tr() of its script) that the
    translation has not."""
    keys = re.findall(r'data-(?:t|tip|name|desc|caption|quantity|unit)="([^"|]+)\|([^"]*)"', page_html)
    keys += re.findall(r"tr\('([^'|]+)\|([^']*)'\)", app_js)
    keys += re.findall(r"'([A-Za-z]+)\|([^']*)'", app_js)
    return sorted({"%s|%s" % (c, html.unescape(t)) for c, t in keys
                   if html.unescape(t) not in table.get(c, {})})


def main():
    source_dir, core_js, out_html = sys.argv[1:4]
    page = os.path.join(source_dir, "web", "page")
    read = lambda *p: open(os.path.join(*p), encoding="utf-8").read()
    table = translations(source_dir)

    docs_dir = os.path.join(source_dir, "docs")
    shot = os.path.join(docs_dir, "main_window.png")
    documents = {}
    for language, folder in (("ru", docs_dir), ("en", os.path.join(docs_dir, "en"))):
        documents[language] = {
            name: document_body(os.path.join(folder, name + ".html"),
                                {"main_window.png": "@@main_window.png@@"})
            for name in ("spravka", "gauss", "uprav")}
        documents[language]["instruction"] = read(folder, "instruction.txt")
    # The picture of the window once, put into a document when it is shown.
    documents["images"] = {"@@main_window.png@@": data_uri(shot, "image/png")}
    documents["authorsKey"] = find_source(table, "Menus", "chargefield, декабрь")
    documents["aboutKey"] = find_source(table, "Menus", "Программа строго")
    documents["registrationKey"] = find_source(table, "Menus", "chargefield — свободная")

    with open(FONT, "rb") as f:
        font = base64.b64encode(f.read()).decode()
    licence = read(FONT_LICENCE).replace("--", "- -")

    json_text = lambda v: script_text(json.dumps(v, ensure_ascii=False).replace("</", "<\\/"))
    parts = {
        "@@STYLE@@": read(page, "style.css"),
        "@@TRANSLATIONS@@": json_text(table),
        "@@DOCUMENTS@@": json_text(documents),
        "@@FONT@@": font,
        "@@CORE@@": script_text(read(core_js)),
        "@@WORKER@@": script_text(read(page, "worker.js")),
        "@@APP@@": script_text(read(page, "app.js")),
        "@@FONT_LICENCE@@": licence,
    }
    text = read(page, "index.html")
    missing = untranslated(table, text, read(page, "app.js"))
    if missing:
        sys.exit("pack_page: not in translations/chargefield_en.ts:\n  " + "\n  ".join(missing))
    # One pass, so that no inlined part is searched for the marks again.
    text = re.sub("|".join(re.escape(k) for k in parts), lambda m: parts[m.group(0)], text)
    with open(out_html, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
