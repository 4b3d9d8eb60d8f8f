#!/usr/bin/env python3
"""Writes the program's help page, resources/help/vostrane.html, from the user's manual,
docs/manual.md, so that "Hilfe..." shows what the manual says. Its "## " sections become the
page's chapters; the pictures are embedded, so the page needs no file beside it wherever it is
installed. Only what the manual uses is converted: headings, paragraphs, lists, numbered steps,
tables, code blocks, pictures, `code`, **bold** and links.
The manual is written for users: a name of the repository's tests, tools or CI in it is refused.
Usage: tools/make_help.py [--check]   (--check: exit 1 when the committed page is stale or the
manual names the repository's tests or tools)
"""
import base64
import html
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
MANUAL = ROOT / "docs" / "manual.md"
PAGE = ROOT / "resources" / "help" / "vostrane.html"

# What only the repository's developers know: test folders and names, tools, CI, fuzzing, benchmarks.
FORBIDDEN = [r"tests?/", r"\btools/", r"\.ci\b", r"\bctest\b", r"test\.sh", r"crosscheck", r"fuzz",
             r"\bbench/", r"\bcli\.[a-z_]", r"\w_tests?\b", r"make[_-]examples", r"\.py\b"]

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
img { display: block; margin: 0.5em 0; max-width: 100%; }
</style>
</head>
<body>
"""


def slug(title):
    """The anchor of a heading, as the manual's links write it."""
    text = re.sub(r"[^\w\- ]", "", title.lower().replace("`", ""))
    return text.replace(" ", "-")


def picture(alt, path):
    data = base64.b64encode((MANUAL.parent / path).read_bytes()).decode("ascii")
    return f'<img alt="{html.escape(alt)}" src="data:image/png;base64,{data}">'


def inline(text):
    out = []
    # Code spans first: nothing inside them is markup.
    for i, part in enumerate(re.split(r"(`[^`]*`)", text)):
        if i % 2:
            out.append("<code>" + html.escape(part[1:-1], quote=False) + "</code>")
            continue
        part = html.escape(part, quote=False)
        part = re.sub(r"\*\*([^*]+)\*\*", r"<strong>\1</strong>", part)
        part = re.sub(r"!\[([^\]]*)\]\(([^)]+)\)", lambda m: picture(m[1], m[2]), part)
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
    kind = []  # "ul" or "ol" while items gather

    def flush():
        if block:
            out.append("<p>" + inline(" ".join(block)) + "</p>")
            block.clear()
        if items:
            out.append(f"<{kind[0]}>")
            out.extend(f"<li>{inline(i)}</li>" for i in items)
            out.append(f"</{kind[0]}>")
            items.clear()
            kind.clear()

    lines = markdown.splitlines()
    i = 0
    while i < len(lines):
        line = lines[i]
        bullet = re.match(r"^(- |\d+\. )", line)
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
        heading = re.match(r"^(#{3,4}) (.+)$", line)
        if heading:
            flush()
            level = len(heading[1])
            out.append(f'<h{level} id="{slug(heading[2])}">{inline(heading[2])}</h{level}>')
        elif not line.strip():
            flush()
        elif bullet:
            wanted = "ul" if bullet[1] == "- " else "ol"
            if block or (kind and kind[0] != wanted):
                flush()
            kind[:] = [wanted]
            items.append(line[len(bullet[1]):].strip())
        elif items and line.startswith("  "):
            items[-1] += " " + line.strip()
        else:
            block.append(line.strip())
        i += 1
    flush()
    return out


def page(text):
    text = re.sub(r"<!--.*?-->\n?", "", text, flags=re.S)
    title, rest = text.split("\n", 1)
    intro, body = rest.split("\n## ", 1)
    chapters = re.split(r"^## (.+)$", "## " + body, flags=re.M)[1:]
    titles, bodies = chapters[0::2], chapters[1::2]
    lines = [HEAD.rstrip("\n"), f"<h1>{inline(title.lstrip('# '))}</h1>"]
    lines += convert(intro)
    lines.append("<ul>")
    lines += [f'<li><a href="#{slug(t)}">{inline(t)}</a></li>' for t in titles]
    lines.append("</ul>")
    for t, b in zip(titles, bodies):
        lines.append(f'<h2 id="{slug(t)}">{inline(t)}</h2>')
        lines += convert(b)
    lines += ["</body>", "</html>"]
    return "\n".join(lines) + "\n"


def repository_names(text):
    found = []
    for n, line in enumerate(text.splitlines(), 1):
        found += [f"{MANUAL.name}:{n}: {m.group(0)!r}" for pattern in FORBIDDEN
                  for m in re.finditer(pattern, line)]
    return found


def main():
    text = MANUAL.read_text(encoding="utf-8")
    fresh = page(text)
    if "--check" in sys.argv[1:]:
        names = repository_names(text)
        for name in names:
            print(f"{name}: a name of the repository's tests or tools in the manual")
        stale = PAGE.read_text(encoding="utf-8") != fresh
        if stale:
            print(f"{PAGE.relative_to(ROOT)} is stale: run tools/make_help.py")
        if names or stale:
            return 1
        print("help page up to date")
        return 0
    PAGE.write_text(fresh, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
