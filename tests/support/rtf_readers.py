"""Reads an RTF file with real readers and prints what they saw, as JSON.

    rtf_readers.py FILE WORKDIR [--tab-stops]

Two readers: unrtf (to HTML) and LibreOffice headless (to UTF-8 text and to HTML), with a
private LibreOffice profile in WORKDIR. For each reader the output holds
  "text":  the document's text (LibreOffice: exact, tabs and line breaks as they are;
           unrtf: HTML text with white space collapsed, since it writes tabs as blanks)
  "runs":  the styled pieces of text in order: text (white space collapsed), bold, italic,
           underline, colour ("#rrggbb" or ""), size in points (0 when the reader gives
           none), the paragraph's alignment and background ("" when none)
With --tab-stops, LibreOffice also gives
  "tabs":  each paragraph's tab stops as it read them, positions in twips
A reader that fails gives {"error": "..."}.
"""
import html
import html.parser
import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

ALIGN_TAGS = {"center": "center"}

class StyledText(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = [dict(bold=False, italic=False, underline=False, color="", size=0.0,
                           align="left", background="")]
        self.tags = []
        self.runs = []
        self.in_body = False

    def style(self):
        return self.stack[-1]

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "body":
            self.in_body = True
            return
        if tag == "br":
            self.handle_data("\n")
        if tag in ("br", "meta", "link", "img"):
            return
        new = dict(self.style())
        css = attrs.get("style") or ""
        if tag in ("b", "strong"):
            new["bold"] = True
        elif tag in ("i", "em"):
            new["italic"] = True
        elif tag == "u":
            new["underline"] = True
        elif tag == "center":
            new["align"] = "center"
        if attrs.get("align"):
            new["align"] = attrs["align"].lower()
        if tag == "p" and not attrs.get("align"):
            new["align"] = "left"
        if attrs.get("color"):
            new["color"] = attrs["color"].lower()
        size = re.search(r"font-size:\s*([\d.]+)pt", css)
        if size:
            new["size"] = float(size.group(1))
        background = re.search(r"background:\s*(#[0-9a-fA-F]{6})", css)
        if background and tag in ("p", "div"):
            new["background"] = background.group(1).lower()
        self.tags.append(tag)
        self.stack.append(new)

    def handle_endtag(self, tag):
        if tag not in self.tags:
            return
        while self.tags:
            self.stack.pop()
            if self.tags.pop() == tag:
                break

    def handle_data(self, data):
        if not self.in_body:
            return
        style = self.style()
        if self.runs and all(self.runs[-1][k] == v for k, v in style.items()):
            self.runs[-1]["text"] += data
        else:
            self.runs.append(dict(style, text=data))

    def text(self):
        return collapsed("".join(run["text"] for run in self.runs))

    def styled_runs(self):
        runs = [dict(run, text=collapsed(run["text"])) for run in self.runs]
        return [run for run in runs if run["text"]]


def collapsed(text):
    return " ".join(text.replace("\u00a0", " ").split())

def join_surrogate_entities(text):
    """unrtf writes a character beyond the basic plane as two numeric entities, one per
    surrogate; joins them into the one character they stand for."""
    def joined(match):
        high, low = int(match.group(1)), int(match.group(2))
        return "&#%d;" % (0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00))
    return re.sub(r"&#(5[56]\d{3});&#(5[67]\d{3});", joined, text)

def parsed(html_text):
    parser = StyledText()
    parser.feed(html_text)
    parser.close()
    return parser

def read_unrtf(path):
    out = subprocess.run(["unrtf", "--html", path], capture_output=True, check=True, timeout=120)
    page = join_surrogate_entities(out.stdout.decode("utf-8", "replace"))
    parser = parsed(page)
    return {"text": parser.text(), "runs": parser.styled_runs()}

ODF = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
}
TWIPS_PER_UNIT = {"in": 1440.0, "cm": 1440 / 2.54, "mm": 144 / 2.54, "pt": 20.0, "pc": 240.0}

def twips(length):
    number, unit = re.fullmatch(r"(-?[\d.]+)([a-z]+)", length).groups()
    return round(float(number) * TWIPS_PER_UNIT[unit])

def tab_stops(fodt_path):
    """Each paragraph's tab stops (in twips) in a flat ODF text document, in order."""
    root = ElementTree.parse(fodt_path).getroot()
    stops = {}
    for style in root.iter("{%s}style" % ODF["style"]):
        found = style.findall("./{%(style)s}paragraph-properties/{%(style)s}tab-stops/{%(style)s}tab-stop" % ODF)
        stops[style.get("{%s}name" % ODF["style"])] = [twips(stop.get("{%s}position" % ODF["style"])) for stop in found]
    body = root.find("{%(office)s}body/{%(office)s}text" % ODF)
    return [stops.get(p.get("{%s}style-name" % ODF["text"]), []) for p in body.iter("{%s}p" % ODF["text"])]

def read_libreoffice(path, workdir, with_tab_stops=False):
    profile = "file://" + os.path.abspath(os.path.join(workdir, "lo-profile"))
    outdir = os.path.join(workdir, "lo-out")
    base = os.path.splitext(os.path.basename(path))[0]
    targets = ("txt:Text (encoded):UTF8", "html") + (("fodt",) if with_tab_stops else ())
    for target in targets:
        subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--convert-to", target,
                        "--outdir", outdir, path], capture_output=True, check=True, timeout=240)
    with open(os.path.join(outdir, base + ".txt"), encoding="utf-8-sig") as f:
        text = f.read()
    with open(os.path.join(outdir, base + ".html"), encoding="utf-8") as f:
        runs = parsed(f.read()).styled_runs()
    result = {"text": text, "runs": runs}
    if with_tab_stops:
        result["tabs"] = tab_stops(os.path.join(outdir, base + ".fodt"))
    return result

def main():
    path, workdir = sys.argv[1], sys.argv[2]
    with_tab_stops = sys.argv[3:] == ["--tab-stops"]
    result = {}
    for name, reader in (("unrtf", lambda: read_unrtf(path)),
                         ("libreoffice", lambda: read_libreoffice(path, workdir, with_tab_stops))):
        try:
            result[name] = reader()
        except Exception as error:  # the test reports what went wrong
            result[name] = {"error": repr(error)}
    json.dump(result, sys.stdout, ensure_ascii=False)

if __name__ == "__main__":
    main()
