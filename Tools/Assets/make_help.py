#!/usr/bin/python3
"""Builds the in-game help and the HTML manual from one source,
Data/Help/guide.txt:

  Data/Entries/help_index_rsc   one page title per line
  Data/Entries/help1_rsc ...    the pages, in the order of the index
  Data/Help/JetWarden.html      the same guide as one web page

The game wraps help text itself (words are added to a line while it stays
narrower than 185 pixels in its normal font, a newline ends a line), so a
paragraph is written as one long line and a blank line separates
paragraphs. Every entry ends with a NUL, which the game takes as the end of
the text. When the normal font's metrics Data/Fonts/font.fmc are present,
the titles are checked to fit on one index line, since the game opens the
page whose number is the index line that was tapped. The manual also lists
the airports and aircraft from Data/Tables as appendices.
"""

import csv
import html
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
SOURCE = os.path.join(ROOT, "Data", "Help", "guide.txt")
ENTRIES = os.path.join(ROOT, "Data", "Entries")
MANUAL = os.path.join(ROOT, "Data", "Help", "JetWarden.html")
TABLES = os.path.join(ROOT, "Data", "Tables")
FONT_METRICS = os.path.join(ROOT, "Data", "Fonts", "font.fmc")
LINE_LIMIT = 185


def parse(text):
    """Pages as (title, blocks); a block is ("p", text) or ("ul", [items])."""
    pages = []
    title = None
    lines = []

    def flush():
        if title is None:
            return
        blocks = []
        para = []
        items = []

        def end_para():
            if para:
                blocks.append(("p", " ".join(para)))
                para.clear()

        def end_list():
            if items:
                blocks.append(("ul", list(items)))
                items.clear()

        for line in lines:
            line = line.strip()
            if not line:
                end_para()
                end_list()
            elif line.startswith("- "):
                end_para()
                items.append(line[2:].strip())
            elif items:
                items[-1] += " " + line
            else:
                para.append(line)
        end_para()
        end_list()
        pages.append((title, blocks))

    for raw in text.splitlines():
        if raw.startswith("# "):
            flush()
            title = raw[2:].strip()
            lines = []
        elif title is not None:
            lines.append(raw)
    flush()
    return pages


def page_text(title, blocks):
    parts = [title]
    for kind, body in blocks:
        if kind == "p":
            parts.append(body)
        else:
            parts.append("\n".join("- " + item for item in body))
    return "\n\n".join(parts) + "\n"


def font_widths():
    if not os.path.exists(FONT_METRICS):
        return None
    with open(FONT_METRICS, "rb") as f:
        data = f.read()
    fc, nc, ic = struct.unpack_from("<HHH", data, 0)
    widths = {}
    for i in range(nc):
        x, w = struct.unpack_from("<HB", data, 6 + 4 * i)
        widths[(fc + i) & 0xFF] = w
    default = widths.get(ic & 0xFF, 0)
    return lambda s: sum(widths.get(ord(c), default) if widths.get(ord(c), 255) != 255 else default for c in s)


def check_ascii(name, text):
    for c in text:
        if c != "\n" and not (" " <= c <= "~"):
            sys.exit("%s holds the character %r, which the game's fonts lack" % (name, c))


def esc(text):
    """Text for the page; quotes need no escaping outside attributes."""
    return html.escape(text, quote=False)


def read_table(name):
    with open(os.path.join(TABLES, name), newline="", encoding="ascii") as f:
        return list(csv.DictReader(f))


def appendices():
    """The world tables as reference pages of the manual."""
    airports = read_table("airports.csv")
    out = ["<section id=\"airports\">\n<h2>Appendix: the airports</h2>\n",
           "<p>Every airport with its size (50 for small regional fields up to 250 for the "
           "great hubs) and the six neighbours its routes may reach, with the distance in km. "
           "Airports marked * may be chosen as a home airport.</p>\n"]
    for continent in ["Europe", "N America", "Asia", "Africa", "S America", "Australia"]:
        title = {"N America": "North America", "S America": "South America",
                 "Australia": "Australia and Oceania"}.get(continent, continent)
        out.append("<h3>%s</h3>\n<table>\n<tr><th>Airport</th><th>Country</th><th>Size</th>"
                   "<th>Neighbours</th></tr>\n" % esc(title))
        for a in airports:
            if a["continent"] != continent:
                continue
            dists = [int(a["distance%d" % k]) for k in range(6)]
            home = int(a["size"]) < 200 and min(dists) < 1500
            hops = ", ".join("%s %d" % (airports[int(a["neighbour%d" % k])]["short_name"], dists[k])
                             for k in range(6))
            out.append("<tr><td>%s%s<br><small>%s</small></td><td>%s</td><td>%s</td><td>%s</td></tr>\n"
                       % (esc(a["short_name"]), " *" if home else "", esc(a["name"]), esc(a["country"]),
                          a["size"], esc(hops)))
        out.append("</table>\n")
    out.append("</section>\n")
    models = read_table("planemodels.csv")
    out.append("<section id=\"models\">\n<h2>Appendix: the aircraft</h2>\n"
               "<p>The aircraft market in order of introduction. Prices are those of the year the "
               "model went on sale; the withdrawal year is when its sale ends, after which it is "
               "still serviced for the months shown.</p>\n<table>\n<tr><th>Model</th><th>On sale</th>"
               "<th>Price</th><th>km/h</th><th>Range km</th><th>Seats</th><th>Support</th></tr>\n")
    for m in models:
        out.append("<tr><td>%s</td><td>%s&ndash;%s</td><td class=\"n\">$%s</td><td class=\"n\">%s</td>"
                   "<td class=\"n\">%s</td><td class=\"n\">%s</td><td class=\"n\">%s mo.</td></tr>\n"
                   % (esc(m["name"]), m["intro_year"], m["withdrawal_year"], "{:,}".format(int(m["price"])),
                      m["speed_kmh"], m["range_km"], m["seats"], m["support_months"]))
    out.append("</table>\n</section>\n")
    return "".join(out)


def write_manual(pages):
    out = []
    out.append("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<title>Jet Warden - Player's Guide</title>\n<style>\n"
               "body { font-family: Verdana, Geneva, sans-serif; margin: 0; background: #e9e4d4; color: #1c2c44; }\n"
               "header { background: #3a6896; color: #fff; padding: 18px 24px; border-bottom: 4px solid #1c2c44; }\n"
               "header h1 { margin: 0; font-size: 26px; letter-spacing: 1px; }\n"
               "header p { margin: 4px 0 0; color: #d6e2ee; }\n"
               "main { max-width: 760px; margin: 0 auto; padding: 8px 24px 40px; }\n"
               "nav { background: #fff; border: 1px solid #b0a478; padding: 8px 20px; margin: 20px 0; }\n"
               "nav ol { columns: 2; margin: 8px 0; }\n"
               "section { background: #fff; border: 1px solid #b0a478; padding: 4px 20px 12px; margin: 16px 0; }\n"
               "h2 { color: #3a6896; border-bottom: 2px solid #cec496; padding-bottom: 4px; }\n"
               "a { color: #2a5886; }\n"
               "p, li { line-height: 1.5; }\n"
               "table { border-collapse: collapse; width: 100%; font-size: 13px; margin-bottom: 12px; }\n"
               "th { background: #3a6896; color: #fff; text-align: left; padding: 4px 6px; }\n"
               "td { border-bottom: 1px solid #e0d8bc; padding: 3px 6px; vertical-align: top; }\n"
               "td.n { text-align: right; white-space: nowrap; }\n"
               "h3 { color: #1c2c44; margin-top: 18px; }\n"
               "footer { text-align: center; color: #6b6248; font-size: 12px; padding: 16px; }\n"
               "</style>\n</head>\n<body>\n<header>\n<h1>Jet Warden</h1>\n"
               "<p>Player's Guide &mdash; Northgate Soft</p>\n</header>\n<main>\n"
               "<nav>\n<strong>Contents</strong>\n<ol>\n")
    for i, (title, _) in enumerate(pages, 1):
        out.append("<li><a href=\"#page%d\">%s</a></li>\n" % (i, esc(title)))
    out.append("<li><a href=\"#airports\">Appendix: the airports</a></li>\n")
    out.append("<li><a href=\"#models\">Appendix: the aircraft</a></li>\n")
    out.append("</ol>\n</nav>\n")
    for i, (title, blocks) in enumerate(pages, 1):
        out.append("<section id=\"page%d\">\n<h2>%s</h2>\n" % (i, esc(title)))
        for kind, body in blocks:
            if kind == "p":
                out.append("<p>%s</p>\n" % esc(body))
            else:
                out.append("<ul>\n%s</ul>\n" % "".join("<li>%s</li>\n" % esc(item) for item in body))
        out.append("<p><a href=\"#top\">Back to the contents</a></p>\n</section>\n")
    out.append(appendices())
    out.append("</main>\n<footer>Jet Warden &copy; Northgate Soft</footer>\n</body>\n</html>\n")
    text = "".join(out).replace("<body>", "<body id=\"top\">", 1)
    with open(MANUAL, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print("wrote", os.path.relpath(MANUAL, ROOT))


def main():
    with open(SOURCE, encoding="ascii") as f:
        pages = parse(f.read())
    if not pages:
        sys.exit("no pages in " + SOURCE)
    measure = font_widths()
    index = "".join(title + "\n" for title, _ in pages)
    check_ascii("help index", index)
    if measure:
        for title, _ in pages:
            if measure(title) >= LINE_LIMIT:
                sys.exit("title %r is %d pixels wide; index lines must stay below %d"
                         % (title, measure(title), LINE_LIMIT))
    os.makedirs(ENTRIES, exist_ok=True)
    # Pages from an earlier run that no longer exist must not stay behind.
    for name in os.listdir(ENTRIES):
        if name.startswith("help") and name.endswith("_rsc"):
            os.remove(os.path.join(ENTRIES, name))
    with open(os.path.join(ENTRIES, "help_index_rsc"), "wb") as f:
        f.write(index.encode("ascii") + b"\0")
    for n, (title, blocks) in enumerate(pages, 1):
        text = page_text(title, blocks)
        check_ascii(title, text)
        if measure:
            for word in text.split():
                if measure(word) >= LINE_LIMIT:
                    sys.exit("word %r on page %r does not fit on a help line" % (word, title))
        with open(os.path.join(ENTRIES, "help%d_rsc" % n), "wb") as f:
            f.write(text.encode("ascii") + b"\0")
    print("wrote help_index_rsc and %d pages" % len(pages))
    write_manual(pages)


if __name__ == "__main__":
    main()
