# SPDX-License-Identifier: GPL-3.0-or-later
"""A strict reading of an HTML5 page with Python's html.parser, which on its own accepts almost
anything: here every element must be known and closed in order (only void elements stand
alone, only SVG elements may close themselves), ids are unique, attributes are not repeated,
character references are well formed, tables and lists hold what they may, and the bytes are
UTF-8 without control characters. Gives a small tree of the page to query, or the errors."""

import re
from html.parser import HTMLParser

HTML_ELEMENTS = set(
    "a abbr b body br button caption code col colgroup details div em figcaption figure footer "
    "h1 h2 h3 h4 head header hr html i li main meta nav ol p script section small span strong "
    "style sub summary sup table tbody td tfoot th thead title tr ul".split())
VOID_ELEMENTS = {"br", "col", "hr", "meta"}
SVG_ELEMENTS = {"svg", "g", "path", "rect", "text", "title", "line", "polyline"}
# Elements that may only stand directly inside one of these.
PARENTS = {
    "tr": {"thead", "tbody", "tfoot"},
    "td": {"tr"}, "th": {"tr"},
    "thead": {"table"}, "tbody": {"table"}, "tfoot": {"table"}, "caption": {"table"},
    "li": {"ul", "ol"},
    "summary": {"details"},
    "figcaption": {"figure"},
    "head": {"html"}, "body": {"html"},
}
CHARACTER_REFERENCE = re.compile(r"&(#[0-9]+|#x[0-9a-fA-F]+|amp|lt|gt|quot|apos|nbsp);")
CONTROL = re.compile(r"[\x00-\x08\x0b\x0c\x0e-\x1f\x7f-\x9f]")


class Element:
    def __init__(self, tag, attrs, parent):
        self.tag, self.attrs, self.parent = tag, dict(attrs), parent
        self.children = []  # Elements and strings, in order

    def text(self):
        return "".join(c if isinstance(c, str) else c.text() for c in self.children)

    def iter(self, tag=None):
        for child in self.children:
            if isinstance(child, Element):
                if tag is None or child.tag == tag:
                    yield child
                yield from child.iter(tag)

    def find(self, tag, **attrs):
        for element in self.iter(tag):
            if all(element.attrs.get(k) == v for k, v in attrs.items()):
                return element
        return None


class StrictParser(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Element("#document", [], None)
        self.stack = [self.root]
        self.errors = []
        self.ids = set()
        self.doctype = None

    def error_at(self, message):
        line, column = self.getpos()
        self.errors.append(f"line {line}, column {column}: {message}")

    def in_svg(self):
        return any(e.tag == "svg" for e in self.stack)

    def open(self, tag, attrs):
        known = SVG_ELEMENTS if (self.in_svg() or tag == "svg") else HTML_ELEMENTS
        if tag not in known:
            self.error_at(f"unknown element <{tag}>")
        if self.doctype is None:
            self.error_at("an element before the doctype")
        names = [name for name, _ in attrs]
        if len(names) != len(set(names)):
            self.error_at(f"an attribute repeated in <{tag}>")
        for name, value in attrs:
            if name == "id":
                if value in self.ids:
                    self.error_at(f"id {value!r} used twice")
                self.ids.add(value)
        parent = self.stack[-1]
        if tag in PARENTS and parent.tag not in PARENTS[tag]:
            self.error_at(f"<{tag}> inside <{parent.tag}>")
        element = Element(tag, attrs, parent)
        parent.children.append(element)
        return element

    def handle_decl(self, decl):
        if decl.lower() != "doctype html" or self.doctype is not None or len(self.stack) > 1:
            self.error_at(f"unexpected declaration {decl!r}")
        self.doctype = decl

    def handle_starttag(self, tag, attrs):
        element = self.open(tag, attrs)
        if tag not in VOID_ELEMENTS:
            self.stack.append(element)

    def handle_startendtag(self, tag, attrs):
        self.open(tag, attrs)
        if not (self.in_svg() or tag == "svg") and tag not in VOID_ELEMENTS:
            self.error_at(f"<{tag}/> closes itself outside SVG")

    def handle_endtag(self, tag):
        if tag in VOID_ELEMENTS:
            self.error_at(f"end tag of the void element {tag}")
        elif len(self.stack) == 1 or self.stack[-1].tag != tag:
            self.error_at(f"</{tag}> closes <{self.stack[-1].tag}>")
        else:
            self.stack.pop()

    def handle_data(self, data):
        self.stack[-1].children.append(data)

    def unknown_decl(self, data):
        self.error_at(f"unknown declaration {data!r}")

    def handle_pi(self, data):
        self.error_at(f"processing instruction {data!r}")


def parse(page_bytes):
    """(tree, errors) of a page given as bytes."""
    errors = []
    try:
        text = page_bytes.decode("utf-8")
    except UnicodeDecodeError as e:
        return None, [f"not UTF-8: {e}"]
    for match in CONTROL.finditer(text):
        errors.append(f"control character {match.group()!r} at offset {match.start()}")
    # Script and style hold code, where & has no markup meaning.
    markup = re.sub(r"<(script|style)>.*?</\1>", "", text, flags=re.DOTALL)
    for match in re.finditer(r"&", markup):
        if not CHARACTER_REFERENCE.match(markup, match.start()):
            errors.append(f"a bare &: {markup[match.start():match.start() + 12]!r}")
    parser = StrictParser()
    parser.feed(text)
    parser.close()
    errors += parser.errors
    if parser.doctype is None:
        errors.append("no <!DOCTYPE html>")
    if len(parser.stack) > 1:
        errors.append("not closed at the end: " + " ".join(e.tag for e in parser.stack[1:]))
    return parser.root, errors


EXTERNAL = re.compile(r"""\bsrc\s*=|\bhref\s*=\s*(?!["']?#)|@import|url\(""", re.IGNORECASE)


def external_references(text):
    """The places where a page refers to something outside itself."""
    return [text[m.start():m.start() + 40] for m in EXTERNAL.finditer(text)]


if __name__ == "__main__":
    # strict_html.py PAGE...: the errors of each page; exit status 1 when there are any.
    import sys
    failed = False
    for name in sys.argv[1:]:
        with open(name, "rb") as f:
            text = f.read()
        _, errors = parse(text)
        errors += [f"refers outside: {r!r}" for r in external_references(text.decode("utf-8", "replace"))]
        for error in errors:
            print(f"{name}: {error}")
        failed = failed or bool(errors)
    sys.exit(1 if failed else 0)
