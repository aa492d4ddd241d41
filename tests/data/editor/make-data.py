#!/usr/bin/env python3
# Regenerates the editor's test files: settings files (Windows-1252, CR LF,
# numbers written as sign place, digits and one blank), plain texts in both
# encodings and a small rich text. Run from this folder.
crlf = b"\r\n"


def num(n):
    return b" %d " % n


# every value away from its default, a blank font line and the separator "="
full = [num(16711935), num(13421772), num(65280), num(16711680), num(255), num(8421504), num(16776960),
        num(32896), "ß,chs,".encode("cp1252"), num(16711680), num(65535), b"=", b"Comic Sans MS", b"",
        b"Times New Roman"]
open("settings-full.ini", "wb").write(crlf.join(full) + crlf)
# stops after line 7: colours 1-7 are taken, the rest keep their defaults
open("settings-short.ini", "wb").write(crlf.join(full[:7]) + crlf)
# the defaults as written on exit after a failed read (the tail of the file below)
defaults = [num(0), num(16777215), num(0), num(49152), num(16711680), num(255), num(12632064), num(12583104),
            b"", num(0), num(255), b"-"]
# what the exit writes after the file stopping after line 7: its colours, then defaults
open("settings-short-written.ini", "wb").write(crlf.join(full[:7] + defaults[7:]) + crlf)
# a blank separator line
open("settings-blank-separator.ini", "wb").write(crlf.join(full[:11] + [b""]) + crlf)
# plain texts in both encodings
text = "Grüße aus Köln.\r\nDas Mäd-chen liest."
open("brief.txt", "wb").write(text.encode("cp1252"))
open("UTF8.TXT", "wb").write(text.encode("utf-8"))
# a rich text: "Rot" red and bold in Arial, " bläu" blue, a soft hyphen in
# red, "grün" green in Verdana
rtf = (r"{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fswiss Verdana;}}"
       r"{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;\red0\green192\blue0;}"
       r"\pard\f0\fs24\cf1\b Rot\b0\cf2  bl\'e4u\cf1\'ad\cf3\f1 gr\'fcn}")
open("farben.rtf", "wb").write(rtf.encode("ascii"))
open("KAPUTT.RTF", "wb").write(b"Dies ist kein RTF.\r\n")


def coloured_rtf(runs):
    """runs: (text, (r, g, b)) pairs -> RTF with one colour table entry per run."""
    colours = []
    for _, rgb in runs:
        if rgb not in colours:
            colours.append(rgb)
    table = "".join(r"\red%d\green%d\blue%d;" % c for c in colours)
    body = ""
    for text, rgb in runs:
        escaped = "".join(ch if ord(ch) < 128 else r"\'%02x" % ch.encode("cp1252")[0] for ch in text)
        body += r"\cf%d %s" % (colours.index(rgb) + 1, escaped)
    return (r"{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}}{\colortbl ;" + table + "}"
            + r"\pard\f0\fs24" + body + "}")


RED, GREEN, MAGENTA, CYAN = (255, 0, 0), (0, 192, 0), (192, 0, 192), (0, 192, 192)
# coloured by sounds: capital red, vowels green, "ck" magenta, full stop cyan
open("LAUTE.RTF", "w", encoding="ascii").write(coloured_rtf(
    [("B", RED), ("a", GREEN), ("ck", MAGENTA), ("e", GREEN), (".", CYAN)]))
