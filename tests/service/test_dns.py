"""Domain checks against a real name server: dnsmasq on a loopback address of
our own with MX, address-only, null MX and missing names; and servers that
refuse or never answer, with the bound on checks waiting at once."""

import json
import os
import socket
import subprocess
import threading
import time
import unittest

from servicefixture import Service, TempDir, free_udp_port

DNS_ADDRESS = "127.0.86.1"
ZONE = "parvane-dns.test"


def dnsmasq(port, extra=()):
    process = subprocess.Popen(
        ["/usr/sbin/dnsmasq", "--keep-in-foreground", "--conf-file=/dev/null",
         "--port=%d" % port, "--listen-address=" + DNS_ADDRESS, "--bind-interfaces",
         "--no-resolv", "--no-hosts", "--user=root", "--pid-file=",
         # Everything under the zone is ours: unknown names are NXDOMAIN.
         "--local=/%s/" % ZONE, "--local-ttl=300",
         "--mx-host=mx.%s,mail.%s,10" % (ZONE, ZONE),
         "--host-record=mail.%s,127.0.0.25" % ZONE,
         "--host-record=aonly.%s,127.0.0.26" % ZONE,
         "--host-record=v6only.%s,::1" % ZONE,
         # A null MX: preference 0, the root as exchange.
         "--dns-rr=nullmx.%s,15,000000" % ZONE,
         "--host-record=nullmx.%s,127.0.0.27" % ZONE,
         "--txt-record=textonly.%s,nothing here" % ZONE, *extra],
        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    # Ready once it answers.
    probe = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    probe.settimeout(0.2)
    query = b"\x12\x34\x01\x00\x00\x01\x00\x00\x00\x00\x00\x00\x04mail" + \
        b"".join(bytes([len(p)]) + p.encode() for p in ZONE.split(".")) + b"\x00\x00\x01\x00\x01"
    for _ in range(100):
        if process.poll() is not None:
            raise RuntimeError("dnsmasq ended: " + process.stderr.read().decode())
        try:
            probe.sendto(query, (DNS_ADDRESS, port))
            probe.recvfrom(512)
            break
        except OSError:
            time.sleep(0.05)
    probe.close()
    return process


def stop(process):
    process.terminate()
    process.wait(10)
    process.stderr.close()


class DnsTest(unittest.TestCase):
    def setUp(self):
        self.tmp = TempDir()
        self.port = free_udp_port(DNS_ADDRESS)
        self.services = []
        self.servers = []

    def tearDown(self):
        for server in self.servers:
            if server.poll() is None:
                stop(server)
        for service in self.services:
            self.assertEqual(service.stop(), 0, service.errors())
        self.tmp.cleanup()

    def start_service(self, dns_server, timeout_ms=300, **limits):
        service = Service(self.tmp.path, {"templates": "none", "corpus": "none",
                                          "dns_timeout_ms": timeout_ms, "dns_attempts": 2,
                                          **limits},
                          env={"PARVANE_DNS_SERVER": dns_server})
        self.services.append(service)
        return service

    def check(self, service, domains):
        status, _, body = service.api("check/domains", {"os": "windows", "language": "en",
                                                        "domains": domains})
        self.assertEqual(status, 200, body)
        return json.loads(body)

    def test_verdicts_from_the_name_server(self):
        self.servers.append(dnsmasq(self.port))
        service = self.start_service("%s:%d" % (DNS_ADDRESS, self.port))
        asked = ["mx." + ZONE, "aonly." + ZONE, "v6only." + ZONE, "nullmx." + ZONE,
                 "missing." + ZONE, "textonly." + ZONE, "MX.%s." % ZONE.upper(),
                 "not a domain", "", "localhost", "a..b." + ZONE, "-x." + ZONE]
        self.assertEqual(self.check(service, asked), [
            {"domain": "mx." + ZONE, "valid": True},        # MX record
            {"domain": "aonly." + ZONE, "valid": True},     # no MX, an A record
            {"domain": "v6only." + ZONE, "valid": True},    # no MX, an AAAA record
            {"domain": "nullmx." + ZONE, "valid": False},   # "MX 0 ." refuses mail
            {"domain": "missing." + ZONE, "valid": False},  # NXDOMAIN
            {"domain": "textonly." + ZONE, "valid": False},  # exists, no way to mail it
            {"domain": "MX.%s." % ZONE.upper(), "valid": True},
            {"domain": "not a domain", "valid": False},
            {"domain": "", "valid": False},
            {"domain": "localhost", "valid": False},
            {"domain": "a..b." + ZONE, "valid": False},
            {"domain": "-x." + ZONE, "valid": False},
        ])
        # Repeats get one answer each.
        self.assertEqual([e["valid"] for e in self.check(service, ["mx." + ZONE] * 3)],
                         [True, True, True])

    def test_answers_are_cached_and_failures_are_not(self):
        server = dnsmasq(self.port)
        self.servers.append(server)
        service = self.start_service("%s:%d" % (DNS_ADDRESS, self.port))
        self.assertEqual([e["valid"] for e in self.check(service, ["mx." + ZONE,
                                                                    "nullmx." + ZONE])],
                         [True, False])
        stop(server)
        # The server is gone: cached answers (TTL 300 s) still hold, a new
        # name fails as not valid.
        self.assertEqual([e["valid"] for e in self.check(
            service, ["mx." + ZONE, "nullmx." + ZONE, "aonly." + ZONE])], [True, False, False])
        # That failure was not remembered: once the server is back the name is valid.
        self.servers.append(dnsmasq(self.port))
        self.assertEqual(self.check(service, ["aonly." + ZONE])[0]["valid"], True)

    def test_silent_server_gives_not_valid_in_bounded_time(self):
        silent = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        silent.bind((DNS_ADDRESS, 0))  # receives queries and never answers
        try:
            service = self.start_service("%s:%d" % silent.getsockname(), timeout_ms=300)
            domains = ["d%d.%s" % (i, ZONE) for i in range(30)]
            # The client's own limit is far above what the service may take
            # (two attempts of 0.3 s for all names at once).
            status, _, body = service.api("check/domains", {"domains": domains}, timeout=20)
            self.assertEqual(status, 200)
            self.assertEqual([e["valid"] for e in json.loads(body)], [False] * 30)
            silent.settimeout(1)
            self.assertTrue(silent.recv(512))  # the queries did reach it
        finally:
            silent.close()

    def test_checks_beyond_the_queue_are_refused_as_busy(self):
        silent = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        silent.bind((DNS_ADDRESS, 0))
        try:
            # Each check waits two attempts of 0.5 s; two run, one more waits.
            service = self.start_service("%s:%d" % silent.getsockname(), timeout_ms=500,
                                         workers=2, max_queued_requests=3)
            answers = []

            def check():
                answers.append(service.api("check/domains", {
                    "os": "windows", "language": "fr", "domains": ["a.%s" % ZONE]},
                    timeout=20))

            threads = [threading.Thread(target=check) for _ in range(6)]
            for thread in threads:
                thread.start()
            time.sleep(0.3)
            # Answers that wait on nothing are not held behind them.
            self.assertEqual(service.api("app-info", {"language": "en"}, timeout=5)[0], 200)
            for thread in threads:
                thread.join()
            self.assertEqual(sorted(status for status, _, _ in answers), [200] * 3 + [503] * 3)
            for status, headers, body in answers:
                if status == 503:
                    self.assertIn("réessayer", json.loads(body))
                    self.assertNotIn("authorization", headers)
                else:
                    self.assertEqual(json.loads(body), [{"domain": "a." + ZONE,
                                                         "valid": False}])
            # Once they are done, the queue takes checks again.
            self.assertEqual(self.check(service, ["b." + ZONE])[0]["valid"], False)
        finally:
            silent.close()

    def test_refusing_or_unreadable_server(self):
        # Nothing listens on this port.
        service = self.start_service("%s:%d" % (DNS_ADDRESS, free_udp_port(DNS_ADDRESS)))
        self.assertEqual(self.check(service, ["mx." + ZONE])[0]["valid"], False)
        broken = self.start_service("not-an-address")
        self.assertEqual(self.check(broken, ["mx." + ZONE])[0]["valid"], False)
        self.assertIn("not understood", broken.errors())


class ForgedAnswerTest(unittest.TestCase):
    """A reply that does not match the question asked is not believed."""

    def test_reply_to_another_question_is_ignored(self):
        tmp = TempDir()
        server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        server.bind((DNS_ADDRESS, 0))
        service = Service(tmp.path, {"templates": "none", "corpus": "none",
                                     "dns_timeout_ms": 300, "dns_attempts": 1},
                          env={"PARVANE_DNS_SERVER": "%s:%d" % server.getsockname()})
        try:
            import threading

            def answer_wrongly():
                server.settimeout(10)
                data, peer = server.recvfrom(512)
                # Same id, but the question is for another name, with an MX answer.
                other = b"\x05other\x04test\x00\x00\x0f\x00\x01"
                reply = (data[:2] + b"\x81\x80\x00\x01\x00\x01\x00\x00\x00\x00" + other
                         + b"\xc0\x0c\x00\x0f\x00\x01\x00\x00\x01\x2c\x00\x09\x00\x0a"
                         + b"\x04mail\xc0\x0c")
                server.sendto(reply, peer)
                server.sendto(b"\x00" * 3, peer)  # and some garbage

            thread = threading.Thread(target=answer_wrongly)
            thread.start()
            status, _, body = service.api("check/domains", {"domains": ["victim.test"]})
            thread.join()
            self.assertEqual(json.loads(body), [{"domain": "victim.test", "valid": False}])
        finally:
            self.assertEqual(service.stop(), 0)
            server.close()
            tmp.cleanup()


if __name__ == "__main__":
    unittest.main(verbosity=2)
