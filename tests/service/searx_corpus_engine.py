"""The search engine that Debian's searx runs (its "command" engine) in the
tests: the pages of a corpus folder whose text holds every "@domain" word of
the query and at least one other word, one "URL<TAB>title" line each, the URL
being where a service serving that corpus publishes the page.
Usage: searx_corpus_engine.py CORPUS BASE_URL WORD..."""

import os
import sys
import urllib.parse


def main():
    corpus, base, words = sys.argv[1], sys.argv[2], [w.lower() for w in sys.argv[3:]]
    domains = [w for w in words if w.startswith("@")]
    terms = [w for w in words if not w.startswith("@")]
    for root, dirs, files in os.walk(corpus):
        dirs.sort()
        for name in sorted(files):
            path = os.path.join(root, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read().lower()
            if all(d in text for d in domains) and (not terms or any(t in text for t in terms)):
                relative = os.path.relpath(path, corpus)
                print("%scorpus/%s\t%s" % (base, urllib.parse.quote(relative), name))


main()
