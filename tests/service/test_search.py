"""Address search: the local corpus (paging from 1 to 91, language, country,
terms, the domain as written) and the SearXNG back end against a loopback
stand-in that serves recorded answers of its JSON API."""

import http.server
import json
import os
import threading
import time
import unittest
import urllib.parse
import urllib.request

from servicefixture import Service, TempDir

PAGES = 104  # pages holding @paging.test addresses: results up to 101-104


def write_corpus(root):
    def page(path, body, lang="en", country="FR"):
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        meta = '<meta name="geo.country" content="%s">' % country if country else ""
        lang_attr = ' lang="%s"' % lang if lang else ""
        with open(full, "w", encoding="utf-8") as f:
            f.write("<!DOCTYPE html><html%s><head>%s<title>t</title></head><body>%s</body></html>"
                    % (lang_attr, meta, body))

    for i in range(PAGES):
        # Pages mentioning "agency" once, twice...: their rank is known.
        page("paging/p%03d.html" % i, "News agency " + "agency " * (i % 3)
             + "write to desk%d@paging.test" % i)
    page("filters/french.html", "Agence de presse: redaction@filters.test", lang="fr-FR")
    page("filters/canada.html", "News agency: desk@filters.test", country="CA")
    page("filters/anywhere.html", "News agency of the world: world@filters.test", lang="",
         country="")
    page("filters/region.html", '<meta name="geo.region" content="BE-BRU">agency desk@region.test',
         country="")
    page("filters/script.html", "<script>var agency='x@script.test'</script>plain text",
         lang="", country="")
    page("filters/longer.html", "News agency: desk@filters.test.example", lang="", country="")
    page("filters/other words.html", "Bakery: bread@filters.test", lang="", country="")
    page("accents/cafe.html", "Le Café des Agences: bonjour@accents.test", lang="fr")
    page("swap/page.html", "Swapped: desk@swap.test")
    page("swap/dir/inner.html", "Inner: desk@swap.test")


class CorpusSearchTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = TempDir()
        write_corpus(os.path.join(cls.tmp.path, "corpus"))
        # A link out of the corpus folder is not indexed.
        with open(os.path.join(cls.tmp.path, "outside.html"), "w") as f:
            f.write("<p>agency leak@paging.test</p>")
        os.symlink(os.path.join(cls.tmp.path, "outside.html"),
                   os.path.join(cls.tmp.path, "corpus", "paging", "zz-link.html"))
        cls.service = Service(cls.tmp.path, {"templates": "none", "corpus": "corpus"})

    @classmethod
    def tearDownClass(cls):
        code = cls.service.stop()
        cls.tmp.cleanup()
        assert code == 0, cls.service.errors()

    def search(self, domains, terms="news agency", country="FR", language="en"):
        status, _, body = self.service.api("search/contacts", {
            "terms": terms, "domains": domains, "country": country,
            "search_language": language, "os": "windows", "language": "en"})
        self.assertEqual(status, 200, body)
        return json.loads(body)

    def links(self, domain, start=1, **kwargs):
        answer = self.search([{"domain": domain, "start_index": start}], **kwargs)
        if not answer:
            return []
        self.assertEqual(len(answer), 1)
        self.assertEqual(answer[0]["domain"], domain)
        return answer[0]["links"]

    def test_paging_from_1_to_91(self):
        seen = []
        for start in range(1, 92, 10):
            links = self.links("@paging.test", start)
            self.assertEqual(len(links), 10, start)
            seen += links
        self.assertEqual(len(set(seen)), 100)
        # The links are pages of the service that hold the domain's addresses.
        for link in seen[:3] + seen[-3:]:
            self.assertTrue(link.startswith(self.service.base + "corpus/paging/p"), link)
            with urllib.request.urlopen(link, timeout=10) as response:
                self.assertIn(b"@paging.test", response.read())
        # Ranked: the pages saying "agency" three times come first.
        first = self.links("@paging.test", 1)
        self.assertTrue(all(int(link[-8:-5]) % 3 == 2 for link in first), first)
        self.assertNotIn(self.service.base + "corpus/paging/zz-link.html", seen)

    def test_language_country_terms_and_domain(self):
        anywhere = self.service.base + "corpus/filters/anywhere.html"
        self.assertEqual(self.links("@filters.test"), [anywhere])
        self.assertEqual(sorted(self.links("@filters.test", country="CA")),
                         [anywhere, self.service.base + "corpus/filters/canada.html"])
        self.assertEqual(self.links("@filters.test", language="fr", terms="agence"),
                         [self.service.base + "corpus/filters/french.html"])
        self.assertEqual(sorted(self.links("@filters.test", language="fr", terms="agence news")),
                         [anywhere, self.service.base + "corpus/filters/french.html"])
        # Terms: at least one word of them, case and accents aside.
        self.assertEqual(self.links("@filters.test", terms="BAKERY"),
                         [self.service.base + "corpus/filters/other%20words.html"])
        self.assertEqual(self.links("@accents.test", terms="cafe", language="fr"),
                         [self.service.base + "corpus/accents/cafe.html"])
        self.assertEqual(self.links("@region.test", country="BE", terms="agency"),
                         [self.service.base + "corpus/filters/region.html"])
        self.assertEqual(self.links("@region.test", country="FR", terms="agency"), [])
        # Short words ("of", "de") match nearly everything: they do not count
        # beside longer ones.
        self.assertEqual(self.links("@filters.test", terms="bakery of"),
                         [self.service.base + "corpus/filters/other%20words.html"])
        # Words inside a script are not the page's text.
        self.assertEqual(self.links("@script.test", terms="agency"), [])
        # The domain given without its "@", and another letter case.
        self.assertEqual(self.links("FILTERS.test"), [anywhere])

    def test_entries_without_results_are_left_out(self):
        answer = self.search([{"domain": "@nowhere.test", "start_index": 1},
                              {"domain": "@paging.test", "start_index": 101 - 10},
                              {"domain": "@filters.test", "start_index": 11}])
        self.assertEqual([entry["domain"] for entry in answer], ["@paging.test"])
        self.assertEqual(len(answer[0]["links"]), 10)
        self.assertEqual(self.search([{"domain": "@nowhere.test", "start_index": 1}]), [])

    def test_corpus_pages_served_only_from_the_index(self):
        status, headers, body = self.service.request("GET", "/corpus/filters/other%20words.html")
        self.assertEqual(status, 200)
        self.assertIn(b"bread@filters.test", body)
        self.assertIn("script-src 'none'", headers["content-security-policy"])
        for path in ["/corpus/paging/zz-link.html", "/corpus/../outside.html", "/corpus/",
                     "/corpus/paging", "/corpus/%2e%2e/outside.html"]:
            self.assertIn(self.service.request("GET", path)[0], (400, 404), path)

    def test_corpus_pages_are_served_as_the_folder_holds_them_now(self):
        corpus = os.path.join(self.tmp.path, "corpus", "swap")
        page, folder = os.path.join(corpus, "page.html"), os.path.join(corpus, "dir")
        outside = os.path.join(self.tmp.path, "elsewhere")
        os.makedirs(outside)
        with open(os.path.join(outside, "inner.html"), "w") as f:
            f.write("TOPSECRET")
        os.rename(page, page + ".kept")
        os.rename(folder, folder + ".kept")
        try:
            # Links put in place of a page, or of a folder on its way.
            os.symlink(os.path.join(outside, "inner.html"), page)
            os.symlink(outside, folder)
            for path in ["/corpus/swap/page.html", "/corpus/swap/dir/inner.html"]:
                status, _, body = self.service.request("GET", path)
                self.assertEqual(status, 404, path)
                self.assertNotIn(b"TOPSECRET", body)
            os.unlink(page)
            # A named pipe would hold a reader that waits for a writer.
            os.mkfifo(page)
            self.assertEqual(self.service.request("GET", "/corpus/swap/page.html",
                                                  timeout=5)[0], 404)
            os.unlink(page)
            # Pages up to 2 MiB are served, larger ones are not.
            for size, status in [(2 * 1024 * 1024, 200), (2 * 1024 * 1024 + 1, 404)]:
                with open(page, "wb") as f:
                    f.write(b"a" * size)
                got, _, body = self.service.request("GET", "/corpus/swap/page.html")
                self.assertEqual(got, status, size)
                if status == 200:
                    self.assertEqual(len(body), size)
            os.unlink(page)
        finally:
            for path in [page, folder]:
                if os.path.lexists(path):
                    os.unlink(path)
                os.rename(path + ".kept", path)
        status, _, body = self.service.request("GET", "/corpus/swap/dir/inner.html")
        self.assertEqual(status, 200)
        self.assertIn(b"desk@swap.test", body)


# Links a search engine may hand back that lead into the service's own
# network; the service's own address is filled in once it runs.
HOSTILE_LINKS = [
    "http://169.254.169.254/latest/meta-data/", "http://10.0.0.1/", "http://[::1]/",
    "http://intranet/", "http://OWN_HOST:OWN_PORT/admin", "http://localhost/",
    "http://LOCALHOST./", "http://printer.localhost/x", "http://0x7f000001/", "http://2130706433/",
    "http://0177.0.0.1/", "http://127.1/", "http://0/", "http://0.0.0.0:8080/",
    "http://172.16.5.4/", "http://172.31.255.255/", "http://192.168.1.1/", "http://100.64.0.1/",
    "http://[fe80::1]/", "http://[fe80::1%25eth0]/", "http://[fd12:3456::1]/",
    "http://[ff02::1]/", "http://[::]/", "http://[::ffff:127.0.0.1]/", "http://[::ffff:a00:1]/",
    "http://[64:ff9b::a9fe:a9fe]/", "http://224.0.0.1/", "http://255.255.255.255/",
    "http://user@127.0.0.1/", "http://127.0.0.1./", "http://1.2.3.4.5/", "http://08.0.0.1/",
    "http://\uff11\uff12\uff17\u30020.0.1/", "http://nas.local/", "http:/\\127.0.0.1/",
    "OWN_BASEcorpus/../templates/", "file:///etc/passwd", "gopher://news.example/",
]
PUBLIC_LINKS = [
    "https://news.example/contact", "http://93.184.216.34/page", "https://[2606:4700::1111]/",
    "http://172.32.0.1/", "http://100.128.0.1/", "http://0x7f000001.example/",
    "OWN_BASEcorpus/filters/anywhere.html",
]


class RecordedSearxng(http.server.BaseHTTPRequestHandler):
    """Answers like SearXNG's JSON API: two pages of fifteen and seven results,
    with repeats and links the application could not fetch or must not."""
    queries = []
    own_base = ""

    def log_message(self, *args):
        pass

    def do_GET(self):
        url = urllib.parse.urlparse(self.path)
        query = urllib.parse.parse_qs(url.query)
        RecordedSearxng.queries.append(query)
        if url.path != "/search" or query.get("format") != ["json"]:
            self.send_error(400)
            return
        if "fail" in query["q"][0]:
            self.send_error(500)
            return
        if "slow" in query["q"][0]:
            time.sleep(1.5)  # a slow engine, each answer within the service's wait
        page = int(query["pageno"][0])
        results = []
        if "hostile" in query["q"][0]:
            own = urllib.parse.urlparse(RecordedSearxng.own_base)
            results = [{"url": link.replace("OWN_BASE", RecordedSearxng.own_base)
                        .replace("OWN_HOST", own.hostname).replace("OWN_PORT", str(own.port)),
                        "title": "t"} for link in HOSTILE_LINKS + PUBLIC_LINKS]
        elif page == 1:
            results = [{"url": "https://news%d.example/contact" % i, "title": "t",
                        "content": "c", "engine": "e"} for i in range(15)]
            results.append({"url": "https://news3.example/contact", "title": "repeat"})
            results.append({"url": "javascript:alert(1)", "title": "not a page"})
            results.append({"url": "ftp://files.example/x", "title": "not the web"})
        elif page == 2:
            results = [{"url": "https://more%d.example/" % i, "title": "t"} for i in range(7)]
        body = json.dumps({"query": query["q"][0], "number_of_results": 0,
                           "results": results, "answers": [], "suggestions": []}).encode()
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


class SearxngSearchTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = TempDir()
        cls.engine = http.server.ThreadingHTTPServer(("127.0.0.1", 0), RecordedSearxng)
        threading.Thread(target=cls.engine.serve_forever, daemon=True).start()
        cls.service = Service(cls.tmp.path, {"templates": "none", "corpus": "none",
                                             "search_timeout_ms": 2000, "search_budget_ms": 3000},
                              args=["--searxng", "http://127.0.0.1:%d" % cls.engine.server_port])
        RecordedSearxng.own_base = cls.service.base

    @classmethod
    def tearDownClass(cls):
        code = cls.service.stop()
        cls.engine.shutdown()
        cls.engine.server_close()
        cls.tmp.cleanup()
        assert code == 0, cls.service.errors()

    def search(self, start, terms="agences de presse", domain="@presse.test"):
        RecordedSearxng.queries = []
        return self.service.api("search/contacts", {
            "terms": terms, "domains": [{"domain": domain, "start_index": start}],
            "country": "CA", "search_language": "fr", "os": "windows", "language": "fr"})

    def test_query_mapping_and_paging(self):
        status, headers, body = self.search(1)
        self.assertEqual(status, 200)
        answer = json.loads(body)
        self.assertEqual(answer, [{"domain": "@presse.test", "links": [
            "https://news%d.example/contact" % i for i in range(10)]}])
        query = RecordedSearxng.queries[0]
        self.assertEqual(query["q"], ['agences de presse "@presse.test"'])
        self.assertEqual(query["language"], ["fr-CA"])
        self.assertEqual(query["pageno"], ["1"])
        # Results 11 to 20 span the engine's two pages; repeats and links
        # that are not web pages do not count.
        status, _, body = self.search(11)
        self.assertEqual(json.loads(body)[0]["links"],
                         ["https://news%d.example/contact" % i for i in range(10, 15)]
                         + ["https://more%d.example/" % i for i in range(5)])
        self.assertEqual([q["pageno"] for q in RecordedSearxng.queries], [["1"], ["2"]])
        status, _, body = self.search(21)
        self.assertEqual(json.loads(body)[0]["links"],
                         ["https://more%d.example/" % i for i in range(5, 7)])
        status, _, body = self.search(31)
        self.assertEqual(json.loads(body), [])

    def test_links_into_private_networks_are_dropped(self):
        status, _, body = self.search(1, terms="hostile")
        self.assertEqual(status, 200, body)
        self.assertEqual(json.loads(body), [{"domain": "@presse.test", "links": [
            link.replace("OWN_BASE", self.service.base) for link in PUBLIC_LINKS]}])

    def test_a_slow_engine_is_bounded_for_the_whole_request(self):
        # Each answer takes 1.5 s, within the 2 s the service waits for one;
        # ten domains would take 15 s, but the request's own bound of 3 s
        # answers first.
        status, _, body = self.service.api("search/contacts", {
            "terms": "slow", "domains": [{"domain": "@d%d.test" % i, "start_index": 1}
                                         for i in range(10)],
            "country": "FR", "search_language": "fr"}, timeout=12)
        self.assertEqual(status, 502)
        self.assertIsInstance(json.loads(body), str)

    def test_engine_failure_is_a_server_error_not_an_empty_answer(self):
        status, _, body = self.search(1, terms="fail")
        self.assertEqual(status, 502)
        self.assertIsInstance(json.loads(body), str)


if __name__ == "__main__":
    unittest.main(verbosity=2)
