#!/usr/bin/env python3
"""Builds the help project of the main window from its one topic source.

Usage: gen_help.py TOPICS.txt OUTDIR

Writes into OUTDIR the project "Orlenta.hhp", one page per topic
("t<number>.htm", the topic's title and text), a contents page, the map of
context numbers to pages (so that a program opens a topic by its number)
and "cshelp.txt", the topics' text popups. A help compiler (chmcmd) then
makes "Orlenta.chm" from OUTDIR, run inside OUTDIR so that the project's
paths stay relative.
"""
import html
import os
import re
import sys

HEADER = re.compile(r"^\[(\d+)\]\s*(.*)$")


def read_topics(path):
    """The topics as (number, title, paragraphs), in file order; the same
    rules as the program's own reader (mainwin/HelpTopics.cpp)."""
    topics, seen, current = [], set(), None
    with open(path, encoding="ascii", errors="replace") as f:
        for raw in f:
            line = raw.strip(" \t\r\n")
            if line.startswith("#"):
                continue
            if line.startswith("["):
                current = None
                m = HEADER.match(line)
                if m and 0 < int(m.group(1)) <= 2147483647 and int(m.group(1)) not in seen:
                    seen.add(int(m.group(1)))
                    current = (int(m.group(1)), m.group(2).strip(), [[]])
                    topics.append(current)
                continue
            if current is None:
                continue
            paragraphs = current[2]
            if not line:
                if paragraphs[-1]:
                    paragraphs.append([])
                continue
            paragraphs[-1].append(line)
    return [(n, t, [" ".join(p) for p in ps if p]) for n, t, ps in topics]


def write(path, text):
    with open(path, "w", encoding="ascii", newline="\r\n") as f:
        f.write(text)


def main():
    source, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    topics = read_topics(source)
    for number, title, paragraphs in topics:
        body = "".join("<p>%s</p>\n" % html.escape(p) for p in paragraphs)
        write(os.path.join(out, "t%d.htm" % number),
              "<html><head><title>%s</title></head><body>\n<h3>%s</h3>\n%s</body></html>\n"
              % (html.escape(title), html.escape(title), body))
    items = "".join('<li><a href="t%d.htm">%s</a></li>\n' % (n, html.escape(t)) for n, t, _ in topics)
    write(os.path.join(out, "index.htm"),
          "<html><head><title>Orlenta</title></head><body>\n<h3>Orlenta</h3>\n<ul>\n%s</ul>\n</body></html>\n"
          % items)
    write(os.path.join(out, "Context.h"), "".join("#define IDH_%d %d\n" % (n, n) for n, _, _ in topics))
    write(os.path.join(out, "Alias.h"), "".join("IDH_%d=t%d.htm\n" % (n, n) for n, _, _ in topics))
    write(os.path.join(out, "cshelp.txt"),
          "".join(".topic %d\n%s\n\n" % (n, "\n\n".join([t] + ps)) for n, t, ps in topics))
    files = "\n".join(["index.htm", "cshelp.txt"] + ["t%d.htm" % n for n, _, _ in topics])
    write(os.path.join(out, "Orlenta.hhp"),
          "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=Orlenta.chm\nDefault topic=index.htm\n"
          "Display compile progress=No\nLanguage=0x409 English (United States)\nTitle=Orlenta\n\n"
          "[FILES]\n%s\n\n[ALIAS]\n#include Alias.h\n\n[MAP]\n#include Context.h\n" % files)


if __name__ == "__main__":
    main()
