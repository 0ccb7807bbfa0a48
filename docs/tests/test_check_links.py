"""check_links.py over a small manual: each kind of link it must accept or report."""
import pathlib
import sys

import pytest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import check_links  # noqa: E402

CASES = [  # element on index.html, its link, broken
    ('<a href="%s">', "page.html", False),
    ('<a href="%s">', "page.html#part", False),
    ('<a href="%s">', "#top", False),
    ('<a href="%s">', "sub/../page.html", False),
    ('<a href="%s">', "https://example.org/missing.html", False),
    ('<a href="%s">', "//example.org/missing.html", False),
    ('<a href="%s">', "mailto:someone@example.org", False),
    ('<link href="%s">', "page.html", False),
    ('<img alt="%s">', "missing.png", False),
    ('<a href="%s">', "missing.html", True),
    ('<a href="%s">', "page.html#nowhere", True),
    ('<a href="%s">', "#nowhere", True),
    ('<a href="%s">', "../outside.html", True),
    ('<link href="%s">', "missing.css", True),
    ('<img src="%s">', "missing.png", True),
    ('<script src="%s">', "missing.js", True),
]


@pytest.mark.parametrize("element,link,broken", CASES)
def test_links(tmp_path, monkeypatch, capsys, element, link, broken):
    manual = tmp_path / "html"
    (manual / "sub").mkdir(parents=True)
    (tmp_path / "outside.html").write_text("<p>not in the manual</p>")
    (manual / "sub/empty.html").write_text("")
    (manual / "page.html").write_text('<h1 id="part">Part</h1>')
    (manual / "index.html").write_text('<div id="top">%s</div>' % (element % link))
    monkeypatch.setattr(sys, "argv", ["check_links.py", str(manual)])
    assert check_links.main() == int(broken)
    out, err = capsys.readouterr()
    assert out == "check_links.py: 3 pages, %d broken links\n" % broken
    assert ("index.html: " + link in err) == broken
