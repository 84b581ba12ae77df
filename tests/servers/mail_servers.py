#!/usr/bin/python3
"""Loopback servers for the mail delivery tests.

Starts, on free ports of 127.0.0.1:
  plain      SMTP without TLS, AUTH LOGIN/PLAIN offered in the clear
  starttls   SMTP offering STARTTLS, AUTH only after it
  smtps      SMTP over implicit TLS
  badstarttls / badsmtps   the same with a certificate from an untrusted CA
  wrongname  implicit TLS with a trusted certificate for another host name
  silent     accepts connections and never says a word
  refused    a port nobody listens on
  http       web images: /image.png, /page.html, /style.css, /missing (404),
             /hang (never answers), /big (large body)
  faulty     plain SMTP of our own that misbehaves as the recipient address
             asks: RCPT refused for now or for good, greylisting, the end
             of DATA refused, cut, never answered or slow (faulty_smtp.py)
  faulty_limit
             the same, but after every 3 accepted messages MAIL gets 421
             and the connection closes, until 2 seconds have passed
  faulty_nogreet
             accepts connections and never sends its greeting
  faulty_hangehlo / faulty_hangauth / faulty_hangmail
             go silent at EHLO, AUTH or MAIL
  faulty_small
             announces SIZE 20000 and refuses larger messages with 552
  faulty_away
             the faulty listener alone, for its "goaway" recipients, whose
             message makes it refuse connections for 2 seconds
A certificate authority is generated with openssl in the work folder; the
server certificate names localhost and 127.0.0.1.

Every accepted message is written to <work>/inbox/<n>.eml (the raw bytes as
received, dot-stuffing undone) with <n>.json beside it (envelope, login,
mechanism, TLS; the faulty listeners add whether the message was confirmed).
The faulty listeners keep counts of connections, logins, MAIL and RSET
commands and messages received per recipient in <work>/faulty-stats.json.
Once everything listens, one JSON line with the ports and paths (inbox, CA,
stats file) is printed. The process ends when its standard input closes, so
a test that dies leaves nothing behind.
"""
import asyncio
import base64
import json
import logging
import os
import socket
import ssl
import subprocess
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

import faulty_smtp

USER = "tester@localhost"
PASSWORD = "s3cret-pass"

# 2x2 red PNG
PNG = base64.b64decode(
    "iVBORw0KGgoAAAANSUhEUgAAAAIAAAACCAIAAAD91JpzAAAAFklEQVR4nGP8z8DAwMDAxMDAwMDAAAANHQEDasKb6QAAAABJRU5ErkJggg==")


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def make_ca(work, name):
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
            "-subj", f"/CN=Parvane test {name}", "-keyout", f"{name}.key",
            "-out", f"{name}.pem",
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign", cwd=work)


def make_cert(work, ca, name, san):
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=" + name.split("-")[0],
            "-keyout", f"{name}.key", "-out", f"{name}.csr", cwd=work)
    with open(os.path.join(work, f"{name}.ext"), "w") as ext:
        ext.write(f"subjectAltName={san}\nbasicConstraints=CA:FALSE\n"
                  "extendedKeyUsage=serverAuth\n")
    openssl("x509", "-req", "-in", f"{name}.csr", "-CA", f"{ca}.pem", "-CAkey", f"{ca}.key",
            "-CAcreateserial", "-days", "2", "-extfile", f"{name}.ext",
            "-out", f"{name}.pem", cwd=work)


def context(work, name):
    ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    ctx.load_cert_chain(os.path.join(work, f"{name}.pem"), os.path.join(work, f"{name}.key"))
    return ctx


class Inbox:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0
        os.makedirs(folder, exist_ok=True)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("reject"):
            return "550 5.1.1 <%s>: Recipient address rejected: User unknown" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    def store(self, content, meta):
        """Writes one message and its metadata; returns its number."""
        self.count += 1
        base = os.path.join(self.folder, str(self.count))
        # Write then rename, so a reader never sees half a message.
        with open(base + ".eml.tmp", "wb") as f:
            f.write(content)
        with open(base + ".json.tmp", "w") as f:
            json.dump(meta, f)
        os.replace(base + ".eml.tmp", base + ".eml")
        os.replace(base + ".json.tmp", base + ".json")
        return self.count

    async def handle_DATA(self, server, session, envelope):
        meta = {
            "listener": server.listener_name,
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "login": session.auth_data.login.decode()
            if isinstance(session.auth_data, LoginPassword) else None,
            "mechanism": getattr(session, "mechanism", None),
            "tls": server.transport.get_extra_info("ssl_object") is not None,
        }
        number = self.store(envelope.original_content, meta)
        return "250 2.0.0 Ok: queued as Q%04d" % number


def authenticator(server, session, envelope, mechanism, auth_data):
    session.mechanism = mechanism
    # Every AUTH that arrives, so a test can tell that a password never did.
    with open(os.path.join(server.event_handler.folder, "auth-attempts"), "a") as log:
        log.write(server.listener_name + "\n")
    # A second account of the same password, for runs shared by two accounts.
    if isinstance(auth_data, LoginPassword) \
            and auth_data.login in (USER.encode(), b"other." + USER.encode()) \
            and auth_data.password == PASSWORD.encode():
        return AuthResult(success=True, auth_data=auth_data)
    return AuthResult(success=False, handled=False)


def smtp_factory(name, inbox, **kwargs):
    def make():
        server = SMTP(inbox, hostname="localhost", authenticator=authenticator,
                      auth_required=False, **kwargs)
        server.listener_name = name
        return server
    return make


class Web(BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def reply(self, body, ctype):
        self.send_response(200)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        if self.path == "/image.png":
            self.reply(PNG, "image/png")
        elif self.path == "/page.html":
            self.reply(b"<html><body><p>not an image</p></body></html>\n", "text/html")
        elif self.path == "/style.css":
            self.reply(b"p { color: #123456; }\n", "text/css")
        elif self.path == "/big":
            self.reply(PNG + b"\0" * (256 * 1024), "image/png")
        elif self.path == "/hang":
            time.sleep(3600)
        else:
            body = b"<html><body>404 Not Found</body></html>"
            self.send_response(404)
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)


async def silent(reader, writer):
    # Keep the connection open and say nothing, until the client gives up.
    try:
        await reader.read()
    finally:
        writer.close()


def refusing_port():
    """A port bound but never listened on, held while the servers run: a
    connection to it is refused, and no other program can take it meanwhile
    (a port merely found free was once taken by a parallel suite)."""
    held = socket.socket()
    held.bind(("127.0.0.1", 0))
    return held


async def main(work):
    # Failed TLS handshakes are expected here; their tracebacks are noise.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    make_ca(work, "ca")
    make_cert(work, "ca", "localhost", "DNS:localhost,IP:127.0.0.1")
    make_cert(work, "ca", "otherhost-cert", "DNS:otherhost.invalid")
    make_ca(work, "rogue")
    make_cert(work, "rogue", "localhost-rogue", "DNS:localhost,IP:127.0.0.1")
    good = context(work, "localhost")
    rogue = context(work, "localhost-rogue")
    wrongname = context(work, "otherhost-cert")

    inbox = Inbox(os.path.join(work, "inbox"))
    loop = asyncio.get_running_loop()
    ports = {}

    async def listen(name, factory, ssl_ctx=None):
        server = await loop.create_server(factory, "127.0.0.1", 0, ssl=ssl_ctx)
        ports[name] = server.sockets[0].getsockname()[1]

    await listen("plain", smtp_factory("plain", inbox, auth_require_tls=False))
    await listen("starttls", smtp_factory("starttls", inbox, tls_context=good))
    await listen("smtps", smtp_factory("smtps", inbox, auth_require_tls=False), good)
    await listen("badstarttls", smtp_factory("badstarttls", inbox, tls_context=rogue))
    await listen("badsmtps", smtp_factory("badsmtps", inbox, auth_require_tls=False), rogue)
    await listen("wrongname", smtp_factory("wrongname", inbox, auth_require_tls=False),
                 wrongname)
    quiet = await asyncio.start_server(silent, "127.0.0.1", 0)
    ports["silent"] = quiet.sockets[0].getsockname()[1]
    refusing = refusing_port()
    ports["refused"] = refusing.getsockname()[1]

    stats_path = os.path.join(work, "faulty-stats.json")
    stats = faulty_smtp.Stats(stats_path, ["faulty", "faulty_limit", "faulty_nogreet",
                                           "faulty_hangehlo", "faulty_hangauth",
                                           "faulty_hangmail", "faulty_small", "faulty_away"])
    # STARTTLS on offer: "Auto" logs in only over TLS.
    ports["faulty"] = await faulty_smtp.start("faulty", inbox, stats, USER, PASSWORD,
                                              tls_context=good)
    ports["faulty_limit"] = await faulty_smtp.start("faulty_limit", inbox, stats, USER,
                                                    PASSWORD, limit=3, pause=2.0,
                                                    tls_context=good)
    ports["faulty_nogreet"] = await faulty_smtp.start("faulty_nogreet", inbox, stats, USER,
                                                      PASSWORD, never_greet=True)
    for verb in ("EHLO", "AUTH", "MAIL"):
        name = "faulty_hang" + verb.lower()
        ports[name] = await faulty_smtp.start(name, inbox, stats, USER, PASSWORD,
                                              hang_on=verb, tls_context=good)
    ports["faulty_small"] = await faulty_smtp.start("faulty_small", inbox, stats, USER,
                                                    PASSWORD, size_limit=20000,
                                                    tls_context=good)
    ports["faulty_away"] = await faulty_smtp.start("faulty_away", inbox, stats, USER, PASSWORD,
                                                   tls_context=good)

    web = ThreadingHTTPServer(("127.0.0.1", 0), Web)
    web.daemon_threads = True
    threading.Thread(target=web.serve_forever, daemon=True).start()
    ports["http"] = web.server_address[1]

    print(json.dumps({"ports": ports, "inbox": inbox.folder,
                      "ca": os.path.join(work, "ca.pem"), "stats": stats_path,
                      "user": USER, "password": PASSWORD}), flush=True)

    # Stay up until the test closes our standard input (or dies).
    await loop.run_in_executor(None, sys.stdin.buffer.read)
    os._exit(0)


if __name__ == "__main__":
    asyncio.run(main(sys.argv[1]))
