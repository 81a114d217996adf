#!/usr/bin/env python3
"""Every HTML5 page the converters write, and every one the tests keep, through the HTML checker.

The test makes pages with pagewright-convert from hand-written inputs and files of the system, each
in both styles, classic and --html5. It then starts the checker once for all HTML5 pages, the
stored ones (expected pages under convert/tests and app/**/tests, and the whole pages in the
conformance examples) and every HTML5 page the conformance examples write; each must pass with no
error and no warning. Finally the text a reader sees must be the same on both pages of every pair.
"""

import argparse
import html.parser
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

# Elements whose start and end separate words where they stand: blocks, table rows and cells, list
# items, and line breaks.
BOUNDARIES = {
    "address", "article", "aside", "blockquote", "body", "br", "caption", "center", "dd", "div", "dl",
    "dt", "figcaption", "figure", "footer", "h1", "h2", "h3", "h4", "h5", "h6", "header", "hr", "html",
    "li", "main", "nav", "ol", "p", "pre", "section", "table", "tbody", "td", "tfoot", "th", "thead",
    "tr", "ul",
}
HIDDEN = {"head", "title", "style", "script", "template"}

# The page a list or table fragment is checked in.
FRAGMENT_PAGE = ('<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
                 "<title>Fragment</title>\n</head>\n<body>\n{}</body>\n</html>\n")

MAIL = """\
Date: Tue, 1 Dec 2026 09:30:00 +0100
From: Anna Berger <anna@example.org>
To: Team <team@example.org>
Subject: Minutes & next steps
Message-ID: <20261201093000.1234@example.org>
X-Mailer: Notes 4.2

Hello everyone,

the minutes are at http://example.org/minutes?id=7&view=full and the
slides at https://example.org/slides. Questions to anna@example.org.

> Can we move the meeting to Thursday?
> -- Ben

Yes -- Thursday at 10 works. Budget: 20 +/- 2 %.

-- 
Anna
"""

MARKUP = """\
\\H1 Release notes
\\H2 Version 8.42

A paragraph with <b>bold</b> words, a break<br>and more.
<p>
----------
Ruled off above; half a rule below.
---------- 50%
<pre>
  indented    code
     keeps its spaces
</pre>
Links: www.example.com, ftp://ftp.example.com/pub and mail@example.net.
==== a line of equals signs ====
<hr>
The end.
"""

GERMAN = """\
\\H1 Protokoll der Sitzung

Die Sitzung begann um neun Uhr. Frau Berger begrüßte alle Anwesenden und stellte die Tagesordnung
vor. Zuerst wurde über den Haushalt des nächsten Jahres gesprochen, danach über die neuen Räume im
Erdgeschoss. Alle Beschlüsse wurden einstimmig gefasst.

Zum Haushalt: Die Ausgaben für Papier und Druck sind im letzten Jahr deutlich gestiegen, weil mehr
Berichte verschickt wurden als geplant. Der Vorstand schlägt vor, die Berichte künftig als Webseiten
zu veröffentlichen und nur noch auf Wunsch zu drucken. Dafür werden die bisherigen Vorlagen
überarbeitet, damit jede Seite auch auf dem Telefon gut zu lesen ist.

Zu den Räumen: Die neuen Räume im Erdgeschoss sind hell und ruhig, haben aber noch keine Regale. Herr
Schmidt kümmert sich bis Ende des Monats um die Einrichtung. Bis dahin bleibt das Archiv im Keller,
der Schlüssel liegt wie immer im Sekretariat.

Zur Webseite: Frau Berger zeigte die ersten Entwürfe der neuen Seiten. Die Texte werden weiterhin
von Hand geschrieben, die Tabellen und Listen aber aus den vorhandenen Daten erzeugt. Einige
Mitglieder wünschten sich größere Schrift und kräftigere Farben; andere baten darum, dass die Seiten
auch ohne Bilder verständlich bleiben. Beide Wünsche sollen bei der Überarbeitung berücksichtigt
werden, und die fertigen Seiten werden vor der Veröffentlichung noch einmal geprüft.

Zum Sommerfest: Das Fest findet wie im vergangenen Jahr im Garten hinter dem Vereinshaus statt.
Für Getränke sorgt der Vorstand, für Kuchen und Salate die Mitglieder. Wer beim Aufbau helfen
möchte, trägt sich bitte in die Liste an der Tür ein. Bei Regen wird das Fest in den großen Saal
verlegt, der dafür bereits reserviert ist.

Die nächste Sitzung findet am Donnerstag statt. Bitte bringen Sie die Unterlagen mit, die Ihnen
mit dieser Nachricht zugehen. Weitere Fragen beantwortet das Sekretariat gern.
"""

ACCENTED = """\
Grüße aus Köln: café, naïve, façade, Ærøskøbing, señor, 20 ± 2 °C, 5 € — ¼ ½ ¾ “quoted” ‘text’…
"""

CSV = ('Name,Amount,Note\n"Berger, Anna",12.50,"two\nlines"\n"Said ""hi""",-3,plain\n'
       'Köln,+7,"a, b and c"\n')

HEADED = """\
\\TH Item;Count;Remark
Apples;12;fresh\\!from the market
Pears;7;in a box
Lemons;-2;returned\\!twice
"""

ITEMS = """\
3. The first item
   goes on here
4. The second item
* 5. <b>tagged</b> & plain
"""

STARRED = """\
* Milk & honey
* Bread <fresh>
more bread
* Butter
"""


def main():
    options = argparse.ArgumentParser(description=__doc__)
    options.add_argument("--converter", required=True, help="pagewright-convert as built")
    options.add_argument("--library", required=True, help="the folder of libvellum62.so as built")
    options.add_argument("--checker", required=True, help="vnu.jar")
    options.add_argument("--source", required=True, help="the source tree, for the stored pages")
    options.add_argument("--c-source", required=True, help="a C source file of the system")
    options.add_argument("--conformance-test", required=True, help="conformance_test as built")
    args = options.parse_args()

    java = shutil.which("java")
    problems = []
    if java is None:
        problems.append("java was not found on PATH: the HTML checker needs it (bash scripts/install-deps.sh "
                        "installs default-jre-headless)")
    if not os.path.isfile(args.checker):
        problems.append(f"the HTML checker {args.checker} is missing: bash scripts/install-deps.sh installs it "
                        "(npm ci in tools/checker)")
    if problems:
        sys.exit("html5_pages: " + "\n".join(problems))

    work = pathlib.Path(tempfile.mkdtemp(prefix="pagewright-html5-"))
    failures = []
    pairs = make_pages(args, work, failures)
    checked = checkable_pages(pairs, work / "fragments")
    stored = stored_pages(pathlib.Path(args.source), work / "stored")
    written = conformance_pages(args.conformance_test, work / "conformance", failures)
    checked += stored + written
    failures += check_pages(java, args.checker, checked)
    failures += compare_texts(pairs)

    print(f"{len(pairs)} pairs of pages made; {len(checked)} HTML5 pages checked, {len(stored)} of them kept "
          f"by the tests and {len(written)} written by the conformance examples")
    if failures:
        print(f"\n{len(failures)} problem(s); the pages are kept in {work}:", file=sys.stderr)
        for failure in failures:
            print(failure, file=sys.stderr)
        sys.exit(1)
    shutil.rmtree(work)


def make_pages(args, work, failures):
    """The cases, each converted in both styles: a list of (classic page, HTML5 page)."""
    inputs = work / "in"
    inputs.mkdir(parents=True)
    write = lambda name, text, encoding="utf-8": (inputs / name).write_bytes(text.encode(encoding))
    write("mail.txt", MAIL)
    write("markup.txt", MARKUP)
    write("german.txt", GERMAN)
    licence = pathlib.Path("/usr/share/common-licenses/GPL-3").read_text(encoding="utf-8")
    write("licence-utf8.txt", ACCENTED + licence)
    subprocess.run(["iconv", "-f", "UTF-8", "-t", "WINDOWS-1252", "-o", str(inputs / "licence-1252.txt"),
                    str(inputs / "licence-utf8.txt")], check=True)
    write("quoted.csv", CSV)
    write("headed.txt", HEADED)
    write("items.txt", ITEMS)
    write("starred.txt", STARRED)
    import json.decoder  # a module of the interpreter that runs this test, so it is there

    system = {"c": args.c_source, "py": json.decoder.__file__, "passwd": "/etc/passwd"}
    table = ["--wrapper"]
    colours = ["--text-color", "#102030", "--background-color", "#FFFFEE"]
    # name: (arguments of both pages, arguments of the HTML5 page alone)
    cases = {
        "mail": (["text", "in/mail.txt"], []),
        "markup": (["text", "in/markup.txt"] + colours, []),
        "licence-utf8": (["text", "in/licence-utf8.txt"], []),
        "licence-1252": (["text", "in/licence-1252.txt"], []),
        "german": (["text", "in/german.txt"], ["--lang", "de"]),
        "linked": (["text", "in/markup.txt"], ["--stylesheet", "../site.css?v=2&x=1"]),
        "template": (["template", "--title", "Grüße & <Tags>"] + colours, []),
        "template-untitled": (["template"], []),
        "template-1252": (["template", "--title", "Ω café", "--encoding", "windows-1252"], []),
        "code-c": (["code", system["c"], "--margin", "2", "--tab", "8"], []),
        "code-py": (["code", system["py"], "--margin", "0"], []),
        # Coloured: the reader sees the plain text; line numbers are drawn by the stylesheet.
        "code-c-coloured": (["code", system["c"], "--tab", "8"], ["--highlight", "--line-numbers"]),
        "code-py-coloured": (["code", system["py"]], ["--highlight"]),
        "code-sh-coloured": (["code", "/etc/profile"], ["--highlight", "--language", "bash", "--line-numbers"]),
        "csv": (["table", "in/quoted.csv"] + table, []),
        "csv-styled": (["table", "in/quoted.csv", "--padding", "2", "--width", "80%", "--border", "2",
                        "--cellpadding", "4", "--cellspacing", "1", "--center-text", "--center-table"]
                       + colours + table, []),
        "headed": (["table", "in/headed.txt", "--separator", "semicolon", "--width", "600px", "--escape"]
                   + table, []),
        "passwd": (["table", system["passwd"], "--separator", ":", "--border", "1"] + table, []),
        "table-fragment": (["table", "in/quoted.csv", "--border", "1", "--center-table"], []),
        "blank-ordered": (["list", "--blank", "--ordered", "--count", "3", "--start", "5", "--wrapper"], []),
        "blank-unordered": (["list", "--numbered", "--count", "4", "--style", "square", "--center",
                             "--wrapper"], []),
        "numbered-roman": (["list", "--numbered", "--style", "i", "--start", "3", "--count", "3",
                            "--wrapper"], []),
        "items-numeral": (["list", "in/items.txt", "--item-separator", "numeral", "--style", "A",
                           "--wrapper"], []),
        "items-asterisk": (["list", "in/starred.txt", "--item-separator", "asterisk", "--style", "circle",
                            "--escape", "--center", "--wrapper"], []),
        "items-blank": (["list", "in/licence-utf8.txt", "--item-separator", "blank", "--style", "disc",
                         "--escape", "--wrapper"], ["--lang", "en-GB"]),
        "list-fragment": (["list", "in/starred.txt", "--item-separator", "asterisk", "--ordered", "--escape"],
                          []),
    }
    environment = dict(os.environ, LD_LIBRARY_PATH=args.library)
    pairs = []
    for name, (both, html5_only) in cases.items():
        pages = []
        for style, extra in (("classic", []), ("html5", ["--html5"] + html5_only)):
            (work / style).mkdir(exist_ok=True)
            page = work / style / f"{name}.htm"
            command = [args.converter] + both + extra + [str(page)]
            run = subprocess.run(command, cwd=work, env=environment, capture_output=True, text=True)
            if run.returncode != 0:
                failures.append(f"{name} ({style}): pagewright-convert {' '.join(command[1:])} ended with "
                                f"status {run.returncode}: {run.stderr.strip()}")
            pages.append(page)
        if all(page.exists() for page in pages):
            pairs.append(tuple(pages))
    return pairs


def checkable_pages(pairs, folder):
    """The HTML5 pages made; a list or table written without its page is placed in a minimal one."""
    folder.mkdir()
    pages = []
    for _, page in pairs:
        text = page.read_text(encoding="utf-8", errors="replace")
        if text.startswith("<!DOCTYPE html>"):
            pages.append(page)
        else:
            pages.append(folder / page.name)
            pages[-1].write_text(FRAGMENT_PAGE.format(text), encoding="utf-8")
    return pages


def stored_pages(source, folder):
    """Expected HTML5 pages kept in the source tree: files that are one, and the whole pages of the
    conformance examples (those of a conversion that stopped early are not whole)."""
    folder.mkdir()
    found = []
    for top in [source / "convert" / "tests"] + sorted(source.glob("app/**/tests")):
        for path in sorted(top.rglob("*")):
            if path.is_file() and path.open("rb").read(15) == b"<!DOCTYPE html>":
                found.append(path)
    for examples in sorted((source / "convert" / "tests" / "conformance").glob("*.txt")):
        for number, (line, result, page) in enumerate(expected_pages(examples), 1):
            if page.startswith(b"<!DOCTYPE html>") and result not in ("-6", "-7", "-8"):
                found.append(folder / f"{examples.stem}-{number}-line{line}.htm")
                found[-1].write_bytes(page)
    return found


def conformance_pages(runner, folder, failures):
    """The HTML5 pages the conformance examples write, each a whole page. Whether they are the
    expected ones is the conformance test's own check; here they must only be written."""
    folder.mkdir()
    subprocess.run([runner, "--gtest_brief=1"], env=dict(os.environ, PAGEWRIGHT_HTML5_PAGES=str(folder)),
                   capture_output=True)
    pages = sorted(folder.glob("*.htm"))
    if not pages:
        failures.append(f"{runner} wrote no HTML5 page into PAGEWRIGHT_HTML5_PAGES")
    return pages


def expected_pages(path):
    """(line, result, expected bytes) of every example of a conformance file."""
    block, start, result = None, 0, "0"
    for number, line in enumerate(path.read_text(encoding="utf-8", errors="surrogateescape").split("\n"), 1):
        if line.startswith("~~~"):
            words = line[3:].split()
            if block is not None:
                yield start, result, bytes(block)
                block = None
            if words and words[0] == "expect":
                block, start = bytearray(), number
                result = next((w[7:] for w in words if w.startswith("result=")), "0")
        elif block is not None:
            text, line_end = unescape(line)
            block += text + (b"\n" if line_end else b"")


def unescape(line):
    """The bytes a line of a conformance block stands for, and whether its line end counts."""
    out, line_end, i = bytearray(), True, 0
    raw = line.encode("utf-8", errors="surrogateescape")
    while i < len(raw):
        c, following = raw[i:i + 1], raw[i + 1:i + 2]
        if c == b"\\" and following in (b"t", b"r", b"\\"):
            out += {b"t": b"\t", b"r": b"\r", b"\\": b"\\"}[following]
            i += 2
        elif c == b"\\" and following == b"$":
            line_end, i = False, i + 2
        elif c == b"\\" and following == b"x":
            out.append(int(raw[i + 2:i + 4], 16))
            i += 4
        elif c == b"\\" and following == b"{":
            star, close = raw.index(b"*", i), raw.index(b"}", i)
            out += unescape(raw[star + 1:close].decode("utf-8", "surrogateescape"))[0] * int(raw[i + 2:star])
            i = close + 1
        else:
            out += c
            i += 1
    return bytes(out), line_end


def check_pages(java, checker, pages):
    """The checker's findings, one line each; it runs once for all pages."""
    run = subprocess.run([java, "-jar", checker, "--Werror", "--format", "gnu"] + [str(p) for p in pages],
                         capture_output=True, text=True)
    if run.returncode == 0:
        return []
    # Errors and warnings; informational notes pass.
    findings = [line for line in (run.stdout + run.stderr).splitlines() if line.strip() and ": info: " not in line]
    return [f"checker: {line}" for line in findings] or [
        f"the HTML checker ended with status {run.returncode} and said nothing"]


class VisibleText(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts, self.hidden = [], 0

    def handle_starttag(self, tag, attrs):
        if tag in HIDDEN:
            self.hidden += 1
        elif tag in BOUNDARIES:
            self.parts.append(" ")

    def handle_endtag(self, tag):
        if tag in HIDDEN:
            self.hidden = max(0, self.hidden - 1)
        elif tag in BOUNDARIES:
            self.parts.append(" ")

    def handle_data(self, data):
        if not self.hidden:
            self.parts.append(data)


def visible_text(page):
    """The text a reader sees, words apart where blocks, cells, items and breaks part them."""
    raw = page.read_bytes()
    declared = re.search(rb"<meta[^>]*charset\s*=\s*[\"']?([A-Za-z0-9_-]+)", raw[:2048], re.IGNORECASE)
    charset = declared.group(1).decode().lower() if declared else "windows-1252"
    if charset in ("iso-8859-1", "latin1", "us-ascii", "ascii"):
        charset = "windows-1252"  # as a browser reads these labels
    parser = VisibleText()
    parser.feed(raw.decode(charset, errors="replace"))
    parser.close()
    return re.sub(r"\s+", " ", "".join(parser.parts)).strip()


def compare_texts(pairs):
    failures = []
    for classic, html5 in pairs:
        a, b = visible_text(classic), visible_text(html5)
        if a == b:
            continue
        at = next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))
        shown = lambda text: f"{text[max(0, at - 50):at]!r} >>> {text[at:at + 50]!r}"
        failures.append(f"{html5.name}: the HTML5 page's text differs from the classic page's at character "
                        f"{at} (>>>):\n  classic: {shown(a)}\n  html5:   {shown(b)}")
    return failures


if __name__ == "__main__":
    main()
