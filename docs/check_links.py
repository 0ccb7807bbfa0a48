#!/usr/bin/env python3
"""Checks the links inside a built HTML manual.

    check_links.py HTML_DIR

Every href and src that points into the manual must name a file that exists
and, with a #fragment, an element of that file with that id. Links to other
sites are not followed (the check runs offline). Exit status 1 lists every
broken link with the page it is on.
"""
import html.parser
import pathlib
import sys
import urllib.parse


class Page(html.parser.HTMLParser):
    def __init__(self) -> None:
        super().__init__()
        self.links: list = []
        self.ids: set = set()

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("id", "name") and value:
                self.ids.add(value)
            if (name == "href" and tag in ("a", "link")) or (name == "src" and tag in ("img", "script")):
                if value:
                    self.links.append(value)


def parse(path: pathlib.Path) -> Page:
    page = Page()
    page.feed(path.read_text(encoding="utf-8"))
    return page


def broken_links(top: pathlib.Path) -> list:
    pages = {path.resolve(): parse(path) for path in top.rglob("*.html")}
    broken = []
    for path, page in pages.items():
        for link in page.links:
            parts = urllib.parse.urlsplit(link)
            if parts.scheme or parts.netloc:  # another site, or mail
                continue
            target = (path.parent / urllib.parse.unquote(parts.path)).resolve() if parts.path else path
            if not target.is_file() or top.resolve() not in target.parents:
                broken.append("%s: %s (no such file in the manual)" % (path.relative_to(top.resolve()), link))
            elif parts.fragment and target in pages and parts.fragment not in pages[target].ids:
                broken.append("%s: %s (no such anchor)" % (path.relative_to(top.resolve()), link))
    return broken


def main() -> int:
    top = pathlib.Path(sys.argv[1])
    broken = broken_links(top)
    for line in broken:
        print("broken link:", line, file=sys.stderr)
    count = len(list(top.rglob("*.html")))
    print("check_links.py: %d pages, %d broken links" % (count, len(broken)))
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
