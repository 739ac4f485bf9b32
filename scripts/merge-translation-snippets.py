#!/usr/bin/env python3
"""Merges per-language lines into the menu entry and the store listing.

    scripts/merge-translation-snippets.py FOLDER

FOLDER holds, for any language, <lang>.desktop with that language's lines of
the menu entry (Name[pl]=..., GenericName[pl]=..., Comment[pl]=...,
Keywords[pl]=...) and <lang>.metainfo.xml with its elements of the store
listing (<summary xml:lang="pl">, the description's <p> and each <li> in the
listing's order, the screenshot's <caption>). They go into
resources/desktop/tarnwick.desktop and tarnwick.metainfo.xml after the
English line of the same key or element, in the project's order of
languages; a language already there is replaced, so the script can run again
as more languages arrive. Both files are validated at the end.
"""

import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from xml.sax.saxutils import escape
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DESKTOP = ROOT / "resources/desktop/tarnwick.desktop"
METAINFO = ROOT / "resources/desktop/tarnwick.metainfo.xml"

# The order languages are listed in, under each key and element.
ORDER = ("de fr es pt_BR it ru zh_CN ja "
         "ar he fa bg ca cs da el et fi hr hu id ko lt lv nb nl pl ro sk sl sr sv th tr uk vi zh_TW").split()
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"
TAGS = ("name", "summary", "p", "li", "caption", "lang")

warnings = []


def rank(language):
    return (ORDER.index(language), "") if language in ORDER else (len(ORDER), language)


# The menu entry ------------------------------------------------------------

DESKTOP_LINE = re.compile(r"^([A-Za-z0-9-]+)(?:\[([^\]]+)\])?=(.*)$")


def desktop_snippets(folder):
    """{key: {language: line}} from every <lang>.desktop."""
    found = {}
    for path in sorted(folder.glob("*.desktop")):
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            line = line.strip()
            if not line or line.startswith("#") or line.startswith("["):
                continue
            match = DESKTOP_LINE.match(line)
            if not match or not match.group(2):
                warnings.append(f"{path.name}:{number}: not a translated key, left out: {line}")
                continue
            found.setdefault(match.group(1), {})[match.group(2)] = line
    return found


def merge_desktop(folder):
    snippets = desktop_snippets(folder)
    lines = DESKTOP.read_text(encoding="utf-8").splitlines()
    keys = {DESKTOP_LINE.match(l).group(1) for l in lines if DESKTOP_LINE.match(l)}
    for key in sorted(set(snippets) - keys):
        warnings.append(f"{key}: the menu entry has no such key, left out")
    out = []
    i = 0
    while i < len(lines):
        match = DESKTOP_LINE.match(lines[i])
        if not match or match.group(2) or match.group(1) not in snippets:
            out.append(lines[i])
            i += 1
            continue
        key = match.group(1)
        out.append(lines[i])
        i += 1
        translated = {}
        while i < len(lines):
            other = DESKTOP_LINE.match(lines[i])
            if not other or other.group(1) != key or not other.group(2):
                break
            translated[other.group(2)] = lines[i]
            i += 1
        translated.update(snippets[key])
        out.extend(translated[language] for language in sorted(translated, key=rank))
    DESKTOP.write_text("\n".join(out) + "\n", encoding="utf-8")


# The store listing ---------------------------------------------------------

CONTAINERS = ("component", "description", "ul", "ol", "screenshots", "screenshot", "languages")


def listing_snippets(folder):
    """{(tag, k): {language: element}}: the k-th element of a tag in each file."""
    found = {}
    for path in sorted(folder.glob("*.metainfo.xml")):
        file_language = path.name[: -len(".metainfo.xml")]
        text = re.sub(r"^\s*<\?xml[^>]*\?>", "", path.read_text(encoding="utf-8"))
        try:
            root = ElementTree.fromstring("<snippet>" + text + "</snippet>")
        except ElementTree.ParseError as error:
            warnings.append(f"{path.name}: not well-formed ({error}), left out")
            continue
        counts = {}

        def walk(parent):
            for element in parent:
                if element.tag in CONTAINERS:
                    walk(element)
                elif element.tag == "lang":
                    found.setdefault(("lang", 0), {})[(element.text or "").strip()] = element
                elif element.tag in TAGS:
                    k = counts.get(element.tag, 0)
                    counts[element.tag] = k + 1
                    language = element.get(XML_LANG, file_language)
                    found.setdefault((element.tag, k), {})[language] = element
                else:
                    warnings.append(f"{path.name}: <{element.tag}> is not merged, left out")

        walk(root)
    return found


def inner_text(element):
    """The element's content as it was written, escaped again."""
    return escape(element.text or "") + "".join(
        ElementTree.tostring(child, encoding="unicode") for child in element)


def render(tag, language, element, indent):
    if tag == "lang":
        percentage = element.get("percentage", "100") if element is not None else "100"
        return [f'{indent}<lang percentage="{percentage}">{language}</lang>']
    content = inner_text(element)
    if tag == "p":
        body = [line.strip() for line in content.strip().splitlines() if line.strip()]
        return ([f'{indent}<p xml:lang="{language}">'] + [indent + "  " + line for line in body] +
                [f"{indent}</p>"])
    return [f'{indent}<{tag} xml:lang="{language}">{" ".join(content.split())}</{tag}>']


OPENING = re.compile(r'^(\s*)<(%s)\b([^>]*)>' % "|".join(TAGS))


def blocks(lines):
    """The listing as blocks: (tag, language, indent, lines) for an element
    of a merged kind, (None, None, None, [line]) for any other line."""
    i = 0
    while i < len(lines):
        match = OPENING.match(lines[i])
        if not match:
            yield None, None, None, [lines[i]]
            i += 1
            continue
        tag = match.group(2)
        end = i
        while f"</{tag}>" not in lines[end]:
            end += 1
        text = lines[i: end + 1]
        if tag == "lang":
            language = re.sub(r"<[^>]+>", "", "".join(text)).strip()
        else:
            language = re.search(r'xml:lang="([^"]+)"', match.group(3))
            language = language.group(1) if language else None
        yield tag, language, match.group(1), text
        i = end + 1


def merge_listing(folder):
    snippets = listing_snippets(folder)
    # Every language with a listing has its line in <languages>.
    for (tag, _), by_language in list(snippets.items()):
        for language in by_language if tag != "lang" else ():
            snippets.setdefault(("lang", 0), {}).setdefault(language, None)
    items = list(blocks(METAINFO.read_text(encoding="utf-8").splitlines()))
    english = {}
    out = []
    i = 0
    while i < len(items):
        tag, language, indent, text = items[i]
        # A group: the English element and its translations after it, or
        # the lines of <languages>.
        if tag is None or (tag != "lang" and language is not None):
            out.extend(text)
            i += 1
            continue
        k = english.get(tag, 0) if tag != "lang" else 0
        translated = {}
        if tag != "lang":
            english[tag] = k + 1
            out.extend(text)
            i += 1
        while i < len(items) and items[i][0] == tag and items[i][1] is not None:
            translated[items[i][1]] = items[i][3]
            i += 1
        for new_language, element in snippets.get((tag, k), {}).items():
            if element is not None or new_language not in translated:
                translated[new_language] = render(tag, new_language, element, indent)
        for each in sorted(translated, key=rank):
            out.extend(translated[each])
    for (tag, k), by_language in sorted(snippets.items()):
        if tag != "lang" and k >= english.get(tag, 0):
            warnings.append(f"<{tag}> number {k + 1} of {', '.join(sorted(by_language))}: "
                            f"the listing has {english.get(tag, 0)}, left out")
    METAINFO.write_text("\n".join(out) + "\n", encoding="utf-8")


def validate():
    ok = True
    checks = [("desktop-file-validate", [str(DESKTOP)]),
              ("appstreamcli", ["validate", "--no-net", "--no-color", str(METAINFO)])]
    for program, arguments in checks:
        if not shutil.which(program):
            print(f"{program} not found: not validated")
            continue
        run = subprocess.run([program] + arguments, capture_output=True, text=True)
        report = (run.stdout + run.stderr).strip()
        problems = [l for l in report.splitlines() if re.match(r"^[EW]:", l) or "error" in l.lower()]
        if run.returncode != 0 or problems:
            ok = False
            print(report)
    return ok


def main():
    if len(sys.argv) != 2 or not Path(sys.argv[1]).is_dir():
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    folder = Path(sys.argv[1])
    merge_desktop(folder)
    merge_listing(folder)
    for warning in warnings:
        print("warning: " + warning, file=sys.stderr)
    return 0 if validate() else 1


if __name__ == "__main__":
    sys.exit(main())
