"""The SearXNG back end against a real instance: Debian's searx on loopback,
whose only engine reads a corpus folder (searx_corpus_engine.py) and links to
the pages of that corpus as the service that searches through searx serves
them: links to the service's own corpus are kept, though on loopback."""

import json
import os
import socket
import subprocess
import sys
import time
import unittest
import urllib.request

from servicefixture import Service, TempDir, free_port

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLE = "/usr/share/doc/searx/examples/settings.yml"


class SearxTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not os.path.exists(EXAMPLE):
            raise RuntimeError("searx is not installed (Debian package searx)")
        import yaml  # python3-yaml, which searx depends on

        cls.tmp = TempDir()
        root = cls.tmp.path
        corpus = os.path.join(root, "corpus")
        os.makedirs(corpus)
        for i in range(25):
            with open(os.path.join(corpus, "page%02d.html" % i), "w", encoding="utf-8") as f:
                f.write("<html><body>Press office %d: desk%d@searx-corpus.test</body></html>"
                        % (i, i))
        with open(os.path.join(corpus, "other.html"), "w", encoding="utf-8") as f:
            f.write("<html><body>Bakery: bread@searx-corpus.test</body></html>")
        # The service's address is needed by the engine, before either starts.
        service_port = free_port()
        service_base = "http://127.0.0.1:%d/" % service_port

        with open(EXAMPLE, encoding="utf-8") as f:
            settings = yaml.safe_load(f)
        cls.searx_port = free_port()
        settings["server"].update({"port": cls.searx_port, "bind_address": "127.0.0.1",
                                   "secret_key": os.urandom(16).hex()})
        settings["search"]["formats"] = ["html", "json"]
        settings["engines"] = [{
            "name": "corpus", "engine": "command", "shortcut": "corpus",
            "categories": "general", "disabled": False,
            "command": [sys.executable, os.path.join(HERE, "searx_corpus_engine.py"), corpus,
                        service_base, "{{QUERY}}"],
            "delimiter": {"chars": "\t", "keys": ["url", "title"]}}]
        settings_path = os.path.join(root, "searx.yml")
        with open(settings_path, "w", encoding="utf-8") as f:
            yaml.safe_dump(settings, f)
        cls.searx_log = open(os.path.join(root, "searx.log"), "wb")
        cls.searx = subprocess.Popen([sys.executable, "-m", "searx.webapp"],
                                     env=dict(os.environ, SEARX_SETTINGS_PATH=settings_path),
                                     stdout=cls.searx_log, stderr=subprocess.STDOUT)
        for _ in range(300):
            try:
                socket.create_connection(("127.0.0.1", cls.searx_port), timeout=1).close()
                break
            except OSError:
                if cls.searx.poll() is not None:
                    break
                time.sleep(0.1)
        if cls.searx.poll() is not None:
            raise RuntimeError("searx did not start: "
                               + open(os.path.join(root, "searx.log")).read())
        cls.service = Service(os.path.join(root), {"templates": "none", "corpus": "corpus"},
                              args=["--searxng", "http://127.0.0.1:%d/" % cls.searx_port],
                              port=service_port)
        assert cls.service.base == service_base, cls.service.base

    @classmethod
    def tearDownClass(cls):
        cls.searx.terminate()
        cls.searx.wait(10)
        cls.searx_log.close()
        code = cls.service.stop()
        cls.tmp.cleanup()
        assert code == 0, code

    def search(self, start, terms="press office"):
        status, _, body = self.service.api("search/contacts", {
            "terms": terms, "domains": [{"domain": "@searx-corpus.test", "start_index": start}],
            "country": "FR", "search_language": "fr", "os": "windows", "language": "en"})
        self.assertEqual(status, 200, body)
        return json.loads(body)

    def test_pages_through_searx(self):
        links = []
        for start, size in [(1, 10), (11, 10), (21, 5)]:
            answer = self.search(start)
            self.assertEqual(len(answer), 1)
            self.assertEqual(answer[0]["domain"], "@searx-corpus.test")
            self.assertEqual(len(answer[0]["links"]), size, start)
            links += answer[0]["links"]
        self.assertEqual(self.search(31), [])
        self.assertEqual(len(set(links)), 25)
        self.assertNotIn(self.service.base + "corpus/other.html", links)
        self.assertTrue(all(link.startswith(self.service.base + "corpus/") for link in links))
        # The links are real pages holding the domain's addresses.
        with urllib.request.urlopen(links[-1], timeout=10) as response:
            self.assertIn(b"@searx-corpus.test", response.read())
        self.assertEqual(len(self.search(1, terms="bakery")[0]["links"]), 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
