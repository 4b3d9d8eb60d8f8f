#!/usr/bin/env python3
"""Writes the program's help page, resources/help/vostrane.html, from the README's section
"Using it" (its subsections become the page's chapters), so that "Hilfe..." shows what the
README says. Only what that section uses is converted: paragraphs, lists, tables, code blocks,
`code`, **bold** and links.
Usage: tools/make_help.py [--check]   (--check: exit 1 when the committed page is stale)
"""
import html
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
README = ROOT / "README.md"
PAGE = ROOT / "resources" / "help" / "vostrane.html"

HEAD = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Vostrane: Hilfe</title>
<style>
body { font-family: "Liberation Sans", Arial, sans-serif; max-width: 60em; margin: 2em auto; line-height: 1.4; }
code, pre { font-family: "Liberation Mono", monospace; }
pre { background: #f4f4f4; padding: 0.5em; }
table { border-collapse: collapse; } th, td { border: 1px solid #bbb; padding: 0.2em 0.5em; vertical-align: top; text-align: left; }
</style>
</head>
<body>
<h1>Vostrane</h1>
<p>Vostrane is a workbench for designing and analysing radio-frequency and microwave circuits. This help is the part of the program's README on using it.</p>
"""


def inline(text):
    out = []
    # Code spans first: nothing inside them is markup.
    for i, part in enumerate(re.split(r"(`[^`]*`)", text)):
        if i % 2:
            out.append("<code>" + html.escape(part[1:-1], quote=False) + "</code>")
            continue
        part = html.escape(part, quote=False)
        part = re.sub(r"\*\*([^*]+)\*\*", r"<strong>\1</strong>", part)
        part = re.sub(r"\[([^\]]+)\]\(([^)]+)\)", r'<a href="\2">\1</a>', part)
        out.append(part)
    return "".join(out)


def table(rows):
    cells = [[c.strip().replace("\\|", "|") for c in re.split(r"(?<!\\)\|", r.strip())[1:-1]]
             for r in rows]
    lines = ["<table>", "<tr>" + "".join(f"<th>{inline(c)}</th>" for c in cells[0]) + "</tr>"]
    for row in cells[2:]:
        lines.append("<tr>" + "".join(f"<td>{inline(c)}</td>" for c in row) + "</tr>")
    lines.append("</table>")
    return lines


def convert(markdown):
    out, block, items = [], [], []

    def flush():
        if block:
            out.append("<p>" + inline(" ".join(block)) + "</p>")
            block.clear()
        if items:
            out.append("<ul>")
            out.extend(f"<li>{inline(i)}</li>" for i in items)
            out.append("</ul>")
            items.clear()

    lines = markdown.splitlines()
    i = 0
    while i < len(lines):
        line = lines[i]
        if line.startswith("```"):
            flush()
            end = next(j for j in range(i + 1, len(lines)) if lines[j].startswith("```"))
            out.append("<pre>" + html.escape("\n".join(lines[i + 1:end]), quote=False) + "</pre>")
            i = end + 1
            continue
        # A table: a row, then its rule line; a paragraph line may begin with "|S21|".
        if line.startswith("|") and i + 1 < len(lines) and re.match(r"^\|[-| :]+\|$", lines[i + 1]):
            flush()
            end = i
            while end < len(lines) and lines[end].startswith("|"):
                end += 1
            out.extend(table(lines[i:end]))
            i = end
            continue
        if not line.strip():
            flush()
        elif line.startswith("- "):
            if block:
                flush()
            items.append(line[2:].strip())
        elif items and line.startswith("  "):
            items[-1] += " " + line.strip()
        else:
            block.append(line.strip())
        i += 1
    flush()
    return out


def page():
    text = README.read_text(encoding="utf-8")
    section = text.split("\n## Using it\n", 1)[1].split("\n## ", 1)[0]
    chapters = re.split(r"^### (.+)$", section, flags=re.M)[1:]
    titles, bodies = chapters[0::2], chapters[1::2]
    lines = [HEAD.rstrip("\n"), "<ul>"]
    lines += [f'<li><a href="#teil{n}">{inline(t)}</a></li>' for n, t in enumerate(titles, 1)]
    lines.append("</ul>")
    for n, (title, body) in enumerate(zip(titles, bodies), 1):
        lines.append(f'<h2 id="teil{n}">{inline(title)}</h2>')
        lines += convert(body)
    lines += ["</body>", "</html>"]
    return "\n".join(lines) + "\n"


def main():
    fresh = page()
    if "--check" in sys.argv[1:]:
        if PAGE.read_text(encoding="utf-8") != fresh:
            print(f"{PAGE.relative_to(ROOT)} is stale: run tools/make_help.py")
            return 1
        print("help page up to date")
        return 0
    PAGE.write_text(fresh, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
