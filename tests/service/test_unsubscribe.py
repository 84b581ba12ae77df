"""One-click unsubscribe on the service, as a mail provider and a recipient
use it and as an attacker tries it: registering a mailbox, a POST that
unsubscribes at once, a GET that only shows the page, tokens changed, cut
short or sealed for another mailbox, events read only with the mailbox's own
proof and forgotten once acknowledged, the rate limit, on SQLite and on
PostgreSQL, and two instances sharing one PostgreSQL."""

import base64
import json
import os
import unittest

from servicefixture import (FORM, ONE_CLICK, RESPONSE_TOKEN, Postgres, Service, TempDir, proof,
                            token)

BASE = {"templates": "none", "corpus": "none", "version": "2.1.1", "email": "a@parvane.test",
        "phone": "1"}


class Stores:
    """The cases, run on each store by the classes below."""

    def register(self, service=None):
        status, headers, body = (service or self.service).api("unsubscribe/register", {})
        self.assertEqual(status, 200, body)
        self.assertEqual(headers.get("authorization"), "Bearer " + RESPONSE_TOKEN)
        answer = json.loads(body)
        self.assertEqual(len(answer["mailbox"]), 32)
        return answer

    def events(self, mailbox, secret, acknowledged=None, service=None):
        body = {"mailbox": mailbox["mailbox"], "proof": proof(secret)}
        if acknowledged is not None:
            body["acknowledged"] = acknowledged
        status, _, answer = (service or self.service).api("unsubscribe/events", body)
        return status, json.loads(answer)

    def test_oneClickUnsubscribesAndNothingElseDoes(self):
        mailbox = self.register()
        secret = mailbox["secret"]
        ann = token(mailbox, secret, "Ann@example.com", "20261211T0900-ab", "fr")
        path = "/u/" + ann

        # A link scanner's GET shows the page and changes nothing.
        status, headers, page = self.service.request("GET", path)
        self.assertEqual(status, 200)
        self.assertIn(b'<form method="post">', page)
        self.assertIn("Me désabonner".encode(), page)
        self.assertIn(b'lang="fr"', page)
        self.assertNotIn(b"ann@example.com", page.lower(), "the page names nobody")
        self.assertEqual(self.events(mailbox, secret), (200, {"events": []}))

        # What an attacker can make of a token: changed, cut short, or with
        # another mailbox's identifier.
        other = self.register()
        flipped = ann[:40] + ("A" if ann[40] != "A" else "B") + ann[41:]
        swapped = base64.urlsafe_b64encode(
            b"\x01" + bytes.fromhex(other["mailbox"])
            + base64.urlsafe_b64decode(ann + "=" * (-len(ann) % 4))[17:]).rstrip(b"=").decode()
        for forged in (flipped, ann[:-3], swapped, "x" * 40, ann + "A"):
            status, _, _ = self.service.request("POST", "/u/" + forged, ONE_CLICK, FORM)
            self.assertEqual(status, 404, forged)
        self.assertEqual(self.events(mailbox, secret)[1]["events"], [])
        self.assertEqual(self.events(other, other["secret"])[1]["events"], [])

        # The provider's one-click POST: done at once, empty answer, twice
        # the same event.
        for _ in range(2):
            status, headers, body = self.service.request("POST", path, ONE_CLICK, FORM)
            self.assertEqual((status, body), (200, b""))
            self.assertEqual(headers.get("cache-control"), "no-store")
        # The page's button: the same, with a confirmation to read.
        status, _, page = self.service.request(
            "POST", "/u/" + token(mailbox, secret, "bob@example.com"),
            ONE_CLICK + b"&from=page", FORM)
        self.assertEqual(status, 200)
        self.assertIn(b"You are unsubscribed", page)

        # Only the mailbox's own proof reads its events; the refusal is the
        # service's own, so the program may trust it.
        body = {"mailbox": mailbox["mailbox"], "proof": proof(other["secret"])}
        status, headers, _ = self.service.api("unsubscribe/events", body)
        self.assertEqual(status, 403)
        self.assertEqual(headers.get("authorization"), "Bearer " + RESPONSE_TOKEN)
        status, answer = self.events(mailbox, secret)
        self.assertEqual(status, 200)
        found = [(e["address"], e["run"]) for e in answer["events"]]
        self.assertEqual(found, [("Ann@example.com", "20261211T0900-ab"),
                                 ("bob@example.com", "run-1")])
        self.assertEqual(self.events(other, other["secret"])[1]["events"], [])
        # Not acknowledged: given again; acknowledged by id: forgotten, and
        # only those.
        self.assertEqual(len(self.events(mailbox, secret)[1]["events"]), 2)
        ids = [e["id"] for e in answer["events"]]
        self.assertEqual([e["address"] for e in self.events(mailbox, secret, ids[:1])[1]["events"]],
                         ["bob@example.com"])
        self.assertEqual(self.events(mailbox, secret, ids[1:])[1]["events"], [])
        self.assertEqual(self.events(mailbox, secret)[1]["events"], [])

        # Unreadable asks are refused, and need the program's token.
        status, _, _ = self.service.api("unsubscribe/events", {"mailbox": "zz", "proof": "x"})
        self.assertEqual(status, 400)
        status, _, _ = self.service.api("unsubscribe/register", {}, token="wrong")
        self.assertEqual(status, 401)


class SqliteTest(Stores, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = TempDir()
        cls.service = Service(cls.tmp.path, dict(BASE, unsubscribe_requests_per_minute=1000))

    @classmethod
    def tearDownClass(cls):
        code = cls.service.stop()
        cls.tmp.cleanup()
        assert code == 0, cls.service.errors()

    def test_storeSurvivesARestartAndTheRateLimitAnswers429(self):
        mailbox = self.register()
        path = "/u/" + token(mailbox, mailbox["secret"], "cy@example.com")
        self.assertEqual(self.service.request("POST", path, ONE_CLICK, FORM)[0], 200)
        # The same file, read by a new instance with a small limit.
        folder = os.path.join(self.tmp.path, "second")
        os.makedirs(folder)
        limited = Service(folder, dict(BASE, unsubscribe_requests_per_minute=3,
                                       store_path=os.path.join(self.tmp.path,
                                                               "unsubscribe.sqlite")))
        try:
            status, answer = self.events(mailbox, mailbox["secret"], service=limited)
            self.assertEqual([e["address"] for e in answer["events"]], ["cy@example.com"])
            # Pages count (link scanners fetch them) ...
            statuses = [limited.request("GET", path)[0] for _ in range(4)]
            self.assertEqual(statuses, [200, 200, 200, 429])
            # ... a provider's one-click POST with a good token never waits ...
            self.assertEqual(limited.request("POST", path, ONE_CLICK, FORM)[0], 200)
            # ... and a forged one does.
            status, headers, _ = limited.request("POST", path[:-2], ONE_CLICK, FORM)
            self.assertEqual(status, 429)
            self.assertGreaterEqual(int(headers["retry-after"]), 1)
            # Another client address keeps its own share.
            self.assertEqual(limited.request("GET", path, source="127.0.0.2")[0], 200)
        finally:
            self.assertEqual(limited.stop(), 0, limited.errors())


class StoreDownTest(unittest.TestCase):
    """A store that stops answering is no verdict: the link is not called
    invalid nor the mailbox unknown, the service says to try again."""

    def test_aStoreThatDoesNotAnswerGives503(self):
        tmp = TempDir()
        postgres = Postgres()
        try:
            postgres.create_database("parvane")
            service = Service(tmp.path, dict(BASE, **postgres.store_config("parvane")))
            status, _, body = service.api("unsubscribe/register", {})
            self.assertEqual(status, 200)
            mailbox = json.loads(body)
            path = "/u/" + token(mailbox, mailbox["secret"], "ed@example.com")
            postgres.stop()
            for method, body in (("POST", ONE_CLICK), ("GET", None)):
                status, headers, _ = service.request(method, path, body, FORM)
                self.assertEqual(status, 503, method)
                self.assertIn("retry-after", headers)
            status, headers, _ = service.api("unsubscribe/events", {
                "mailbox": mailbox["mailbox"], "proof": proof(mailbox["secret"])})
            self.assertEqual(status, 503)
            self.assertNotIn("authorization", headers)
            self.assertEqual(service.stop(), 0, service.errors())
        finally:
            postgres.stop()
            tmp.cleanup()


class PostgresTest(Stores, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = TempDir()
        cls.postgres = Postgres()
        cls.postgres.create_database("parvane")
        config = dict(BASE, unsubscribe_requests_per_minute=1000,
                      **cls.postgres.store_config("parvane"))
        cls.service = Service(cls.tmp.path, config)
        folder = os.path.join(cls.tmp.path, "second")
        os.makedirs(folder)
        cls.second = Service(folder, config)

    @classmethod
    def tearDownClass(cls):
        codes = (cls.service.stop(), cls.second.stop())
        cls.postgres.stop()
        cls.tmp.cleanup()
        assert codes == (0, 0), cls.service.errors() + cls.second.errors()

    def test_twoInstancesShareTheirMailboxes(self):
        # Registered through one, clicked through the other, read through the first.
        mailbox = self.register(self.second)
        path = "/u/" + token(mailbox, mailbox["secret"], "dee@example.com")
        self.assertEqual(self.service.request("POST", path, ONE_CLICK, FORM)[0], 200)
        status, answer = self.events(mailbox, mailbox["secret"], service=self.second)
        self.assertEqual([e["address"] for e in answer["events"]], ["dee@example.com"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
