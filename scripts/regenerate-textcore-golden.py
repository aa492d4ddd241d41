#!/usr/bin/env python3
"""Regenerates the reference outputs in tests/data/textcore/ from the sample
texts there, after an intended change of the rules. The rules are written
out here a second time, independently of the C++ code, so that a reference
never just repeats what the code does."""
import pathlib

DATA = pathlib.Path(__file__).resolve().parent.parent / "tests" / "data" / "textcore"


def sentence_list(text):
    entries, current = [], ""
    for c in text:
        current += c
        if c in "\n.?!":
            if current != "\r\n":
                entries.append(current)
            current = ""
    return [e.replace("\r", "").replace("\n", "").lstrip(" ") for e in entries]


def main():
    for sample in sorted(DATA.glob("*.txt")):
        if "." in sample.stem:
            continue
        text = sample.read_bytes().decode("utf-8")
        out = "".join(e + "\n" for e in sentence_list(text))
        target = sample.with_name(sample.stem + ".sentences.txt")
        target.write_bytes(out.encode("utf-8"))
        print("wrote", target)


if __name__ == "__main__":
    main()
