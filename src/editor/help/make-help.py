#!/usr/bin/env python3
# Builds data/KOLORATHELP.RTF, the help text installed with the program,
# from kolorathelp.txt (UTF-8): lines starting with "# " become blue bold
# headings, every other line a paragraph. Run after changing the text.
import os

here = os.path.dirname(os.path.abspath(__file__))

def rtf_escape(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 128:
            out.append(ch)
        else:
            try:
                out.append("\\'%02x" % ch.encode("cp1252")[0])
            except UnicodeEncodeError:
                out.append("\\u%d?" % (code if code < 32768 else code - 65536))
    return "".join(out)


parts = [r"{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fswiss Verdana;}}",
         r"{\colortbl ;\red0\green0\blue0;\red0\green0\blue255;}", "\n"]
for line in open(os.path.join(here, "kolorathelp.txt"), encoding="utf-8").read().splitlines():
    if line.startswith("# "):
        parts.append(r"\pard\f1\fs32\b\cf2 " + rtf_escape(line[2:]) + r"\b0\par" + "\n")
    elif line:
        parts.append(r"\pard\f0\fs24\cf1 " + rtf_escape(line) + r"\par" + "\n")
    else:
        parts.append(r"\pard\f0\fs24\cf1\par" + "\n")
parts.append("}\n")
open(os.path.join(here, "..", "..", "..", "data", "KOLORATHELP.RTF"), "w", encoding="ascii", newline="\r\n").write("".join(parts))
