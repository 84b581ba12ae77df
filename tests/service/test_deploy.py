"""The nginx site of service/deploy in front of two instances of the service
that share one PostgreSQL: TLS with a certificate made for the run, the
tokens passed through both ways, the plain HTTP port sending browsers to
HTTPS, nginx's own refusals as JSON strings, and one-click unsubscribes made
through one instance and read through the other."""

import http.client
import json
import os
import re
import shutil
import socket
import ssl
import subprocess
import time
import unittest

from servicefixture import (FORM, ONE_CLICK, REQUEST_TOKEN, RESPONSE_TOKEN, Postgres, Service,
                            TempDir, free_port, proof, token)

SITE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "service", "deploy",
                    "nginx-parvane.conf")
NGINX = shutil.which("nginx", path="/usr/sbin:/usr/bin")


class DeployTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if NGINX is None:
            raise RuntimeError("nginx is not installed (Debian package nginx)")
        cls.tmp = TempDir()
        root = cls.tmp.path
        cls.postgres = Postgres()
        cls.postgres.create_database("parvane")
        config = {"templates": "none", "corpus": "none", "version": "2.1.1",
                  "email": "a@parvane.test", "phone": "1", "trust_forwarded_for": True,
                  **cls.postgres.store_config("parvane")}
        cls.service = Service(root, config)
        os.makedirs(os.path.join(root, "second"))
        cls.second = Service(os.path.join(root, "second"), config)
        cls.cert = os.path.join(root, "cert.pem")
        key = os.path.join(root, "key.pem")
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout",
                        key, "-out", cls.cert, "-days", "1", "-subj", "/CN=parvane.example",
                        "-addext", "subjectAltName=DNS:parvane.example"],
                       check=True, capture_output=True)
        cls.https, cls.http = free_port(), free_port()
        with open(SITE, encoding="utf-8") as f:
            site = f.read()
        site = site.replace("/etc/letsencrypt/live/parvane.example/fullchain.pem", cls.cert)
        site = site.replace("/etc/letsencrypt/live/parvane.example/privkey.pem", key)
        site = re.sub(r"listen \[::\]:\d+[^;]*;\n", "", site)
        site = site.replace("listen 80;", "listen 127.0.0.1:%d;" % cls.http)
        site = site.replace("listen 443 ", "listen 127.0.0.1:%d " % cls.https)
        site = site.replace("/var/log/nginx/access.log", os.path.join(root, "logs", "access.log"))
        site = site.replace("server 127.0.0.1:8765;", "server 127.0.0.1:%d;" % cls.service.port)
        site = site.replace("# server 127.0.0.1:8766;", "server 127.0.0.1:%d;" % cls.second.port)
        os.makedirs(os.path.join(root, "logs"))
        with open(os.path.join(root, "site.conf"), "w", encoding="utf-8") as f:
            f.write(site)
        user = "user root root;\n" if os.geteuid() == 0 else ""
        with open(os.path.join(root, "nginx.conf"), "w", encoding="utf-8") as f:
            f.write("%sdaemon off;\npid %s/nginx.pid;\nerror_log %s/logs/error.log;\n"
                    "events {}\nhttp { client_body_temp_path %s/body;\n"
                    "proxy_temp_path %s/proxy; include %s/site.conf; }\n"
                    % (user, root, root, root, root, root))
        cls.nginx = subprocess.Popen([NGINX, "-p", root, "-c", os.path.join(root, "nginx.conf")],
                                     stderr=subprocess.PIPE)
        for _ in range(100):
            try:
                socket.create_connection(("127.0.0.1", cls.https), timeout=1).close()
                break
            except OSError:
                if cls.nginx.poll() is not None:
                    raise RuntimeError(cls.nginx.stderr.read().decode())
                time.sleep(0.05)

    @classmethod
    def tearDownClass(cls):
        cls.nginx.terminate()
        cls.nginx.wait(10)
        cls.nginx.stderr.close()
        codes = (cls.service.stop(), cls.second.stop())
        cls.postgres.stop()
        cls.tmp.cleanup()
        assert codes == (0, 0)

    def post(self, path, body, headers=None, api=True):
        context = ssl.create_default_context(cafile=self.cert)
        conn = http.client.HTTPSConnection("127.0.0.1", self.https, timeout=20, context=context)
        # The certificate names the public host, as the client sees it.
        conn.sock = context.wrap_socket(socket.create_connection(("127.0.0.1", self.https)),
                                        server_hostname="parvane.example")
        try:
            conn.request("POST", path, body=body, headers={
                "Host": "parvane.example",
                **({"Content-type": "application/json",
                    "Authorization": "Bearer " + REQUEST_TOKEN} if api else {}),
                **(headers or {})})
            response = conn.getresponse()
            return response.status, {k.lower(): v for k, v in response.getheaders()}, \
                response.read()
        finally:
            conn.close()

    def test_requests_through_tls(self):
        status, headers, body = self.post("/api/app-info", b'{"os":"windows","language":"en"}')
        self.assertEqual(status, 200)
        self.assertEqual(headers["authorization"], "Bearer " + RESPONSE_TOKEN)
        self.assertEqual(json.loads(body)["version"], "2.1.1")
        status, headers, body = self.post("/api/app-info", b"{}", {"Authorization": "Bearer x"})
        self.assertEqual(status, 401)
        self.assertIsInstance(json.loads(body), str)
        self.assertNotIn("authorization", headers)

    def test_refusals_of_nginx_are_json_strings(self):
        status, _, body = self.post("/api/app-info", b"a" * 70000)
        self.assertEqual(status, 413)
        self.assertIsInstance(json.loads(body), str)
        status, _, body = self.post("/api/app-info", b"{}", {"X-Filler": "f" * 9000})
        self.assertEqual(status, 431)
        self.assertIsInstance(json.loads(body), str)

    def test_unsubscribes_reach_the_mailbox_through_either_instance(self):
        status, _, body = self.post("/api/unsubscribe/register", b"{}")
        self.assertEqual(status, 200, body)
        mailbox = json.loads(body)
        addresses = ["r%d@example.com" % i for i in range(4)]
        for address in addresses:
            status, _, body = self.post("/u/" + token(mailbox, mailbox["secret"], address),
                                        ONE_CLICK, FORM, api=False)
            self.assertEqual((status, body), (200, b""))
        # nginx spread the clicks over both instances, whose logs keep no token ...
        for instance in (self.service, self.second):
            self.assertTrue(any(" POST /u/- 200 " in line for line in instance.log_lines()),
                            instance.log_lines())
        # ... nor does nginx's, which logs the rest ...
        with open(os.path.join(self.tmp.path, "logs", "access.log"), encoding="utf-8") as log:
            logged = log.read()
        self.assertIn("/api/unsubscribe/register", logged)
        self.assertNotIn("/u/", logged)
        # ... and both read every one of them from the shared store.
        ask = json.dumps({"mailbox": mailbox["mailbox"], "proof": proof(mailbox["secret"])})
        for instance in (self.service, self.second):
            status, _, body = instance.api("unsubscribe/events", None, raw=ask.encode())
            self.assertEqual(status, 200, body)
            self.assertEqual(sorted(e["address"] for e in json.loads(body)["events"]), addresses)

    def test_plain_http_sends_to_https(self):
        conn = http.client.HTTPConnection("127.0.0.1", self.http, timeout=10)
        conn.request("GET", "/download?os=windows", headers={"Host": "parvane.example"})
        response = conn.getresponse()
        self.assertEqual(response.status, 301)
        self.assertEqual(response.getheader("Location"),
                         "https://parvane.example/download?os=windows")
        conn.close()


if __name__ == "__main__":
    unittest.main(verbosity=2)
