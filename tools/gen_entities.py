#!/usr/bin/env python3
"""Writes resources/Entities.ent, Orlenta's entity list, from w3c-sgml-lib.

One line per BMP code point that has an entity name, ascending, CR LF:

    XXXX,MM,name1,name2,...

MM is "IE" when the code point has an HTML 4 entity (HTMLlat1, HTMLsymbol,
HTMLspecial: 252 names) and two blanks otherwise. The HTML 4 name comes first;
the MathML 2 names follow in the order of their sets (iso8879/, iso9573-13/,
mathml/, each by file name, then in declaration order), each name once.
An entity whose text is a blank followed by one combining mark stands for
that mark (the blank only carries it: "DotDot" is U+20DC). Entities whose
text is otherwise not exactly one BMP character are left out, and so is a
MathML name that HTML 4 gives to another character. No NUL at the end.

Usage: gen_entities.py [--dtd DIR] [--root DIR]
"""

import argparse
import pathlib
import re
import sys
import unicodedata

HTML4_DIR = "REC-html401-19991224"
HTML4_SETS = ["HTMLlat1.ent", "HTMLsymbol.ent", "HTMLspecial.ent"]
HTML4_COUNT = 252
MATHML_DIR = "XX-MathML2-20031104"
MATHML_FOLDERS = ["iso8879", "iso9573-13", "mathml"]

COMMENT = re.compile(r"<!--.*?-->", re.S)
# <!ENTITY name "text"> (XML) and <!ENTITY name CDATA "text" -- ... --> (SGML);
# "%" before the name declares a parameter entity.
DECLARATION = re.compile(r'<!ENTITY\s+(%\s+)?([A-Za-z][A-Za-z0-9.]*)\s+(?:CDATA\s+)?"([^"]*)"')
CHAR_REF = re.compile(r"&#(?:x([0-9A-Fa-f]+)|([0-9]+));")
PE_REF = re.compile(r"%([A-Za-z][A-Za-z0-9.]*);")


def fail(message):
    sys.exit("gen_entities: " + message)


def char_refs(text):
    return CHAR_REF.sub(lambda m: chr(int(m.group(1), 16) if m.group(1) else int(m.group(2))), text)


def read_set(path):
    """Returns [(name, text)] of the general entities a set declares, in order.

    The literal is expanded as an XML processor does: parameter-entity and
    character references when declared, and character references once more
    where the entity is used ("&#38;#60;" is "<")."""
    source = COMMENT.sub("", path.read_text(encoding="ascii"))
    parameters, entities = {}, []
    for match in DECLARATION.finditer(source):
        is_parameter, name, literal = match.groups()

        def parameter(m):
            if m.group(1) not in parameters:
                fail("%s: %s uses undeclared %%%s;" % (path, name, m.group(1)))
            return parameters[m.group(1)]

        if re.search("[&%]", PE_REF.sub("", CHAR_REF.sub("", literal))):
            fail("%s: cannot read the text of %s: %r" % (path, name, literal))
        value = char_refs(PE_REF.sub(parameter, literal))
        if is_parameter:
            parameters[name] = value
        else:
            entities.append((name, char_refs(value)))
    if not entities:
        fail("%s declares no entity" % path)
    return entities


def single_bmp(text):
    """The code point of a text that is one BMP character, or a blank
    carrying one combining mark (the mark's), else None."""
    if len(text) == 2 and text[0] == " " and unicodedata.category(text[1]).startswith("M"):
        text = text[1]
    if len(text) == 1 and ord(text) <= 0xFFFF:
        return ord(text)
    return None


def build(dtd):
    html = {}            # code -> HTML 4 name
    names = {}           # code -> [names]
    for file in HTML4_SETS:
        for name, text in read_set(dtd / HTML4_DIR / file):
            code = single_bmp(text)
            if code is None:
                fail("HTML 4 entity %s is not one BMP character" % name)
            if code in html:
                fail("U+%04X has two HTML 4 names: %s, %s" % (code, html[code], name))
            html[code] = name
            names[code] = [name]
    if len(html) != HTML4_COUNT:
        fail("found %d HTML 4 entities, expected %d" % (len(html), HTML4_COUNT))

    # A name HTML 4 binds to another character keeps its HTML 4 meaning only
    # (MathML's "phi" is U+03D5, HTML 4's U+03C6).
    html_code = {name: code for code, name in html.items()}
    skipped, overridden = 0, []
    for folder in MATHML_FOLDERS:
        files = sorted((dtd / MATHML_DIR / folder).glob("*.ent"))
        if not files:
            fail("no entity sets in %s" % (dtd / MATHML_DIR / folder))
        for path in files:
            for name, text in read_set(path):
                code = single_bmp(text)
                if code is None:
                    skipped += 1
                    continue
                if html_code.get(name, code) != code:
                    overridden.append("%s (U+%04X)" % (name, code))
                    continue
                line = names.setdefault(code, [])
                if name not in line:
                    line.append(name)
    return html, names, skipped, sorted(set(overridden))


def lines(html, names):
    result = []
    for code in sorted(names):
        marker = "IE" if code in html else "  "
        for name in names[code]:
            if not re.fullmatch(r"[A-Za-z][A-Za-z0-9.]*", name):
                fail("unusable entity name %r" % name)
        result.append("%04X,%s,%s" % (code, marker, ",".join(names[code])))
    marked = sum(1 for line in result if line[5:7] == "IE")
    if marked != HTML4_COUNT:
        fail("%d lines carry IE, expected %d" % (marked, HTML4_COUNT))
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dtd", default="/usr/share/xml/w3c-sgml-lib/schema/dtd", type=pathlib.Path)
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parent.parent,
                        type=pathlib.Path)
    args = parser.parse_args()

    html, names, skipped, overridden = build(args.dtd)
    text = "".join(line + "\r\n" for line in lines(html, names))
    path = args.root / "resources/Entities.ent"
    data = text.encode("ascii")
    old = path.read_bytes() if path.exists() else None
    if old != data:
        path.write_bytes(data)
    widest = max(len(v) for v in names.values())
    print("%s: %d lines, %d marked IE, up to %d names a line; %d entities skipped "
          "(sequences or outside the BMP)%s"
          % (path, len(names), len(html), widest, skipped, "" if old != data else " (unchanged)"))
    if overridden:
        print("MathML names left to their HTML 4 meaning: " + ", ".join(overridden))


if __name__ == "__main__":
    main()
