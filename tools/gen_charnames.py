#!/usr/bin/env python3
"""Writes the character-name data of Orlenta from Debian's Unicode data.

Two files come out, both committed; the build only reads them:

  platform/getuname/Names.txt  the names of the GetUName.dll stand-in: the BMP
                               repertoire of Unicode 3.1, one "XXXX,Name" line
                               per character and one "XXXX..YYYY,Name" line per
                               range whose names are derived (CJK ideographs,
                               Hangul syllables) or shared (surrogates,
                               private use). LF line ends, ";" comment lines.
  resources/CharNames.csv      the program's own name file: every BMP character
                               assigned after Unicode 3.1 outside the program's
                               seven built-in name ranges, "XXXX,Name" CR LF,
                               followed by one NUL byte.

Names are title-cased: "LATIN SMALL LETTER DOTLESS J" becomes "Latin Small
Letter Dotless J", "CJK" stays upper case, and so does a code point in hex
after a "-" ("CJK Compatibility Ideograph-FA2E"). Control characters are
"<Control>".

Usage: gen_charnames.py [--unicode DIR] [--root DIR]
"""

import argparse
import pathlib
import sys

LIBRARY_AGE = (3, 1)          # the repertoire GetUName knows
BMP_END = 0xFFFF

# The program's built-in name ranges (inclusive): never looked up, never in
# the name file.
BUILT_IN_RANGES = [
    (0x3400, 0x4DBF), (0x4E00, 0x9FA5), (0xD800, 0xDB7F), (0xDB80, 0xDBFF),
    (0xDC00, 0xDFFF), (0xE000, 0xF8FF), (0xF900, 0xFA2D),
]

# UnicodeData's range labels and the name their members get, as in the
# Unicode name derivation rules: ideographs append the code point, Hangul
# syllables their jamo (GetUName derives those itself), the rest share one
# name.
RANGE_NAMES = {
    "CJK Ideograph": "CJK Unified Ideograph",
    "CJK Ideograph Extension A": "CJK Unified Ideograph",
    "Hangul Syllable": "Hangul Syllable",
    "Non Private Use High Surrogate": "Non Private Use High Surrogate",
    "Private Use High Surrogate": "Private Use High Surrogate",
    "Low Surrogate": "Low Surrogate",
    "Private Use": "Private Use",
}
DERIVED_WITH_CODE = {"CJK Unified Ideograph"}

MAX_NAME = 127                # what fits into GetUName's buffer


def fail(message):
    sys.exit("gen_charnames: " + message)


def title_case(name, code):
    """UnicodeData's upper-case name in the title case Orlenta shows."""
    if name == "<control>":
        return "<Control>"
    suffix = "-%04X" % code
    if name.endswith(suffix):
        return title_case(name[: -len(suffix)], -1) + suffix
    words = []
    for word in name.split(" "):
        if word == "CJK":
            words.append(word)
        else:
            words.append("-".join(p[:1].upper() + p[1:].lower() for p in word.split("-")))
    return " ".join(words)


def read_unicode_data(path):
    """Returns ({code: name}, [(first, last, label)]) for the BMP."""
    names, ranges, first = {}, [], None
    for line in path.read_text(encoding="ascii").splitlines():
        fields = line.split(";")
        code, name = int(fields[0], 16), fields[1]
        if code > BMP_END:
            break
        if name.endswith(", First>"):
            first = (code, name[1:-len(", First>")])
        elif name.endswith(", Last>"):
            label = name[1:-len(", Last>")]
            if first is None or first[1] != label:
                fail("unpaired range end at %04X" % code)
            if label not in RANGE_NAMES:
                fail("unknown name range <%s>" % label)
            ranges.append((first[0], code, label))
            first = None
        else:
            names[code] = name
    return names, ranges


def read_ages(path):
    """Returns {code: (major, minor)} for every BMP code point DerivedAge lists."""
    ages = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        span, age = (f.strip() for f in line.split(";"))
        lo, _, hi = span.partition("..")
        lo, hi = int(lo, 16), int(hi or lo, 16)
        version = tuple(int(n) for n in age.split("."))
        for code in range(lo, min(hi, BMP_END) + 1):
            ages[code] = version
    return ages


def in_built_in_range(code):
    return any(lo <= code <= hi for lo, hi in BUILT_IN_RANGES)


def runs(codes):
    """Splits ascending codes into (first, last) runs of consecutive values."""
    result = []
    for code in codes:
        if result and result[-1][1] == code - 1:
            result[-1][1] = code
        else:
            result.append([code, code])
    return [tuple(r) for r in result]


def check_name(code, name):
    if not name or len(name) > MAX_NAME or not name.isascii() or "," in name:
        fail("unusable name for %04X: %r" % (code, name))


def build(names, ranges, ages):
    """Returns (library lines, name file lines, codes the library names)."""
    def age(code):
        if code not in ages:
            fail("%04X is in UnicodeData but not in DerivedAge" % code)
        return ages[code]

    library = {}     # start code -> line text
    library_codes = set()
    csv = {}
    own = {}         # code -> name of the library's individually named code points
    for code, raw in names.items():
        name = title_case(raw, code)
        check_name(code, name)
        if age(code) <= LIBRARY_AGE:
            own[code] = name
        elif not in_built_in_range(code):
            csv[code] = "%04X,%s" % (code, name)
    # Neighbours that share a name (the control characters) become one range.
    spans = []       # [first, last, name]
    for code in sorted(own):
        if spans and spans[-1][1] == code - 1 and spans[-1][2] == own[code]:
            spans[-1][1] = code
        else:
            spans.append([code, code, own[code]])
    for lo, hi, name in spans:
        library[lo] = "%04X,%s" % (lo, name) if lo == hi else "%04X..%04X,%s" % (lo, hi, name)
    library_codes.update(own)
    for first, last, label in ranges:
        shared = RANGE_NAMES[label]
        old = [c for c in range(first, last + 1) if age(c) <= LIBRARY_AGE]
        for lo, hi in runs(old):
            library[lo] = "%04X..%04X,%s" % (lo, hi, shared)
        library_codes.update(old)
        for code in range(first, last + 1):
            if code in library_codes or in_built_in_range(code):
                continue
            if shared not in DERIVED_WITH_CODE:
                fail("%04X in <%s> was added after the library and has no name of its own"
                     % (code, label))
            name = "%s-%04X" % (shared, code)
            check_name(code, name)
            csv[code] = "%04X,%s" % (code, name)
    return [library[c] for c in sorted(library)], [csv[c] for c in sorted(csv)], library_codes


def check_coverage(names, ranges, library_codes, csv_lines):
    """Every assigned BMP code point outside the built-in ranges must be named
    by exactly one of the library and the name file."""
    assigned = set(names)
    for first, last, _ in ranges:
        assigned.update(range(first, last + 1))
    csv_codes = {int(line[:4], 16) for line in csv_lines}
    both = library_codes & csv_codes
    if both:
        fail("named twice (library and name file): %s" % ", ".join("%04X" % c for c in sorted(both)))
    missing = [c for c in sorted(assigned)
               if not in_built_in_range(c) and c not in library_codes and c not in csv_codes]
    if missing:
        fail("assigned but named by nobody: %s" % ", ".join("%04X" % c for c in missing[:20]))
    stray = [c for c in sorted(csv_codes) if in_built_in_range(c) or c not in assigned]
    if stray:
        fail("name file holds codes it must not: %s" % ", ".join("%04X" % c for c in stray[:20]))


LIBRARY_HEADER = """\
; Character names of the GetUName.dll stand-in: the BMP repertoire of
; Unicode 3.1, written by tools/gen_charnames.py from Debian's unicode-data
; (UnicodeData.txt, DerivedAge.txt). Do not edit; run the script.
; "XXXX,Name" names one code point. "XXXX..YYYY,Name" names a range:
; "CJK Unified Ideograph" members are named "CJK Unified Ideograph-XXXX",
; "Hangul Syllable" members by their jamo, other ranges' members share Name.
; Code points not listed are "Undefined".
"""


def write(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    old = path.read_bytes() if path.exists() else None
    if old != data:
        path.write_bytes(data)
    print("%s: %d bytes%s" % (path, len(data), "" if old != data else " (unchanged)"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--unicode", default="/usr/share/unicode", type=pathlib.Path)
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parent.parent,
                        type=pathlib.Path)
    args = parser.parse_args()

    names, ranges = read_unicode_data(args.unicode / "UnicodeData.txt")
    ages = read_ages(args.unicode / "DerivedAge.txt")
    library_lines, csv_lines, library_codes = build(names, ranges, ages)
    check_coverage(names, ranges, library_codes, csv_lines)

    library_text = LIBRARY_HEADER + "".join(line + "\n" for line in library_lines)
    write(args.root / "platform/getuname/Names.txt", library_text.encode("ascii"))
    csv_text = "".join(line + "\r\n" for line in csv_lines) + "\0"
    write(args.root / "resources/CharNames.csv", csv_text.encode("ascii"))
    print("library: %d code points in %d lines; name file: %d lines"
          % (len(library_codes), len(library_lines), len(csv_lines)))


if __name__ == "__main__":
    main()
