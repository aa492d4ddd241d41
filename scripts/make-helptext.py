#!/usr/bin/env python3
"""Builds the German help text data/KOLORATHELP.RTF from its source
data/helptext.de.txt (markup described at the top of that file), and writes
the coloured examples it contains to tests/data/help/examples.txt so that the
tests can check them against the program's own colouring.

The example colours are worked out here with the program's rules written out
a second time (initial sound colours, both syllable counting modes), so a test
comparing them with the C++ engines is a real cross-check.

The RTF is plain RTF 1 in Windows-1252: every character outside ASCII is
written as \\'xx, so the file reads the same in any editor and in the program."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = ROOT / "data" / "helptext.de.txt"
TARGET = ROOT / "data" / "KOLORATHELP.RTF"
EXAMPLES = ROOT / "tests" / "data" / "help" / "examples.txt"

SHY = "\u00ad"

# Initial sound colours, as (R, G, B).
BLACK = (0, 0, 0)
CONSONANT = BLACK
VOWEL = (0, 192, 0)
UMLAUT = (0, 0, 255)
CAPITAL = (255, 0, 0)
PUNCTUATION = (0, 192, 192)
DOUBLE = (192, 0, 192)
# Initial syllable colours.
SYLLABLE_FIRST = BLACK
SYLLABLE_SECOND = (255, 0, 0)

HEADING = (0, 0, 160)

BODY_SIZE = 20  # half points
SIZES = {"title": 36, "h2": 28, "h3": 22}
EXAMPLE_SIZE = 24


def sound_colours(text):
    """Colours of the sound colour window, no special letter groups."""
    out = []
    for c in text:
        if c in "bcdfghjklmnpqrsßtvwxyz":
            out.append(CONSONANT)
        elif c in "aeiou":
            out.append(VOWEL)
        elif c in "äöü":
            out.append(UMLAUT)
        elif c in "ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ":
            out.append(CAPITAL)
        elif c in ".:,;-!?":
            out.append(PUNCTUATION)
        else:
            out.append(BLACK)
    n = len(text)
    for i in range(n - 2):
        group = 0
        if text[i + 1] == text[i]:
            group = 2
        if text[i:i + 2] in ("ck", "tz"):
            group = 2
        if text[i + 1] == SHY and text[i + 2] == text[i]:
            group = 3
        if text[i:i + 3] == "t" + SHY + "z":
            group = 3
        for k in range(i, i + group):
            out[k] = DOUBLE
    return out


def syllable_colours(text, multi_syllable_words):
    out, k = [], 0
    for c in text:
        if c == SHY:
            k = (k + 1) % 2
        if c in "\r ":
            k = 0 if multi_syllable_words else (k + 1) % 2
        out.append(SYLLABLE_SECOND if k else SYLLABLE_FIRST)
    return out


def example_runs(mode, marked):
    """The example as shown: (text, colour) runs without the syllable marks."""
    text = marked.replace("-", SHY)
    # Kolorat colours the whole text, so a doubled letter at the end of the
    # example is still seen: give the rules the character that follows.
    if mode == "S":
        colours = sound_colours(text + " ")[:len(text)]
    else:
        colours = syllable_colours(text, mode == "M")
    runs = []
    for c, colour in zip(text, colours):
        if c == SHY:
            continue
        if runs and runs[-1][1] == colour:
            runs[-1][0] += c
        else:
            runs.append([c, colour])
    return runs


class Rtf:
    def __init__(self):
        self.colours = [BLACK]
        self.body = []
        self.after_heading = False

    def colour_index(self, colour):
        if colour not in self.colours:
            self.colours.append(colour)
        return self.colours.index(colour) + 1  # entry 0 is the "auto" colour

    @staticmethod
    def escape(text):
        out = []
        for c in text:
            if c in "\\{}":
                out.append("\\" + c)
            elif ord(c) < 128:
                out.append(c)
            else:
                try:
                    out.append("\\'%02x" % c.encode("cp1252")[0])
                except UnicodeEncodeError:
                    sys.exit("not in Windows-1252: %r" % c)
        return "".join(out)

    def inline(self, text, examples):
        """Body text with **bold** and coloured [X:...] examples."""
        parts = []
        for token in re.split(r"(\*\*.+?\*\*|\[[SAM]:[^\]]+\])", text):
            if not token:
                continue
            if token.startswith("**"):
                parts.append("{\\b %s}" % self.escape(token[2:-2]))
            elif re.fullmatch(r"\[[SAM]:[^\]]+\]", token):
                mode, marked = token[1], token[3:-1]
                examples.append((mode, marked))
                runs = "".join("\\cf%d %s" % (self.colour_index(colour), self.escape(chunk))
                               for chunk, colour in example_runs(mode, marked))
                parts.append("{\\f1\\fs%d\\b %s}" % (EXAMPLE_SIZE, runs))
            else:
                parts.append(self.escape(token))
        return "".join(parts)

    def paragraph(self, text, examples):
        self.body.append("\\pard %s\\par" % self.inline(text, examples))

    def item(self, text, examples):
        self.body.append("\\pard\\li360\\fi-240 \\'95 %s\\par" % self.inline(text, examples))

    def blank(self):
        # An empty paragraph, not paragraph spacing: the program's text field
        # keeps characters only, and the help is read there first.
        self.body.append("\\pard\\par")

    def heading(self, level, text):
        self.body.append("\\pard\\keepn {\\f1\\fs%d\\b\\cf%d %s}\\par"
                         % (SIZES[level], self.colour_index(HEADING), self.escape(text)))

    def render(self):
        table = "".join("\\red%d\\green%d\\blue%d;" % c for c in self.colours)
        head = ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031"
                "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fswiss\\fcharset0 Verdana;}}"
                "{\\colortbl;%s}" % table)
        return head + "\n\\f0\\fs%d\n" % BODY_SIZE + "\n".join(self.body) + "\n}\n"


def blocks(source):
    lines = [l.rstrip() for l in source.splitlines() if not l.startswith("#")]
    block = []
    for line in lines + [""]:
        if line:
            block.append(line)
        elif block:
            yield block
            block = []


def main():
    rtf, examples = Rtf(), []
    for number, block in enumerate(blocks(SOURCE.read_text(encoding="utf-8"))):
        # A blank line between blocks, none between a heading and its text.
        if number and not rtf.after_heading:
            rtf.blank()
        rtf.after_heading = block[0].startswith("=")
        if block[0].startswith("="):
            marks, _, text = block[0].partition(" ")
            rtf.heading({"=": "title", "==": "h2", "===": "h3"}[marks], text)
            continue
        if block[0].startswith("* "):
            for line in block:
                if not line.startswith("* "):
                    sys.exit("list item must start with '* ': %r" % line)
                rtf.item(line[2:], examples)
            continue
        rtf.paragraph(" ".join(block), examples)
    # The help text travels as Windows-1252 bytes; the escapes keep it ASCII.
    TARGET.write_bytes(rtf.render().encode("ascii"))
    EXAMPLES.parent.mkdir(parents=True, exist_ok=True)
    with EXAMPLES.open("w", encoding="utf-8", newline="\n") as out:
        out.write("# Coloured examples of data/KOLORATHELP.RTF, written by scripts/make-helptext.py.\n"
                  "# S: by sounds, A: by syllables alternating, M: multi-syllable words;\n"
                  "# \"-\" marks a syllable boundary that the help text does not show.\n")
        for mode, marked in examples:
            out.write("%s\t%s\n" % (mode, marked))
    print("wrote", TARGET, "and", EXAMPLES)


if __name__ == "__main__":
    main()
