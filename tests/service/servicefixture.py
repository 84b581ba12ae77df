"""Starts the built parvane-service on a free loopback port for a test, with a
configuration, templates and corpus of the test's own, and talks HTTP to it."""

import base64
import hashlib
import hmac
import http.client
import json
import os
import resource
import shutil
import signal
import socket
import struct
import subprocess
import tempfile
import time
import zlib

SERVICE = os.environ.get("PARVANE_SERVICE_BIN", "")
REQUEST_TOKEN = "3f0c9a12-7b4e-4d21-a8c5-0e6b2f91d7a3"
RESPONSE_TOKEN = "9a7e51c0-2d3b-4f86-b1e4-75c8a06d3e29"
TOKEN_BIN = os.environ.get("UNSUBSCRIBE_TOKEN_BIN", "")
ONE_CLICK = b"List-Unsubscribe=One-Click"
FORM = {"Content-Type": "application/x-www-form-urlencoded"}


def token(mailbox, secret, address, run="run-1", language="en"):
    """A message's one-click token, made by the program's own code."""
    return subprocess.run([TOKEN_BIN, mailbox["mailbox"], secret, address, run, language],
                          check=True, capture_output=True, text=True).stdout.strip()


def proof(secret):
    """The proof that reads a mailbox's events, derived from its secret as the
    program derives it."""
    raw = base64.urlsafe_b64decode(secret + "=" * (-len(secret) % 4))
    digest = hmac.new(raw, b"unsubscribe event proof", hashlib.sha256).digest()
    return base64.urlsafe_b64encode(digest).rstrip(b"=").decode()


def png(width, height, rgb=(200, 30, 30)):
    raw = b"".join(b"\x00" + bytes(rgb) * width for _ in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


# The smallest JPEG most decoders accept is not needed: the service only
# checks the signature.
JPEG = b"\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xff\xd9"


def write_template(folder, slug, title, categories, html, images, french=None):
    """french, when given, is (title, categories) in French."""
    base = os.path.join(folder, slug)
    os.makedirs(os.path.join(base, "images"), exist_ok=True)
    with open(os.path.join(base, "template.html"), "w", encoding="utf-8") as f:
        f.write(html)
    meta = {"title": title, "categories": categories}
    if french:
        meta.update({"title_fr": french[0], "categories_fr": french[1]})
    with open(os.path.join(base, "meta.json"), "w", encoding="utf-8") as f:
        json.dump(meta, f)
    with open(os.path.join(base, "preview.png"), "wb") as f:
        f.write(png(8, 6))
    for name, data in images.items():
        with open(os.path.join(base, "images", name), "wb") as f:
            f.write(data)


class Service:
    """One running service; stop() ends it and checks it did not crash. files,
    when given, is the service's limit of open files (soft and hard)."""

    def __init__(self, workdir, config, args=(), env=None, port=0, files=None):
        self.workdir = workdir
        path = os.path.join(workdir, "service.json")
        with open(path, "w", encoding="utf-8") as f:
            json.dump(config, f)
        self.log_path = os.path.join(workdir, "service.log")
        self.err_path = os.path.join(workdir, "service.err")
        full_env = dict(os.environ)
        full_env.pop("PARVANE_DNS_SERVER", None)
        full_env.update(env or {})
        limit = None
        if files is not None:
            def limit():
                resource.setrlimit(resource.RLIMIT_NOFILE, (files, files))
        with open(self.log_path, "wb") as out, open(self.err_path, "wb") as err:
            self.process = subprocess.Popen(
                [SERVICE, "--config", path, "--port", str(port), *args], stdout=out, stderr=err,
                env=full_env, preexec_fn=limit)
        deadline = time.monotonic() + 20
        first = ""
        while time.monotonic() < deadline:
            with open(self.log_path, encoding="utf-8", errors="replace") as f:
                first = f.readline()
            if first.endswith("\n") or self.process.poll() is not None:
                break
            time.sleep(0.02)
        if not first.startswith("listening on http://"):
            self.process.kill()
            raise RuntimeError("service did not start: %r %s" % (first, self.errors()))
        self.base = first.split(" ", 2)[2].strip()
        hostport = self.base[len("http://"):].rstrip("/")
        self.host, port = hostport.rsplit(":", 1)
        self.port = int(port)

    def cpu_seconds(self):
        """Processor time the service has used so far."""
        with open("/proc/%d/stat" % self.process.pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    def errors(self):
        with open(self.err_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def log_lines(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            return f.read().splitlines()[1:]

    def alive(self):
        return self.process.poll() is None

    def stop(self):
        if self.process.poll() is not None:
            return self.process.returncode
        self.process.send_signal(signal.SIGTERM)
        try:
            return self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            return None

    def connection(self, timeout=30, source=None):
        return http.client.HTTPConnection(self.host, self.port, timeout=timeout,
                                          source_address=(source, 0) if source else None)

    def request(self, method, path, body=None, headers=None, timeout=30, source=None):
        """Returns (status, headers as a dict of lower-case names, body bytes);
        source is the loopback address to send from."""
        conn = self.connection(timeout, source)
        try:
            conn.request(method, path, body=body, headers=headers or {})
            response = conn.getresponse()
            return (response.status, {k.lower(): v for k, v in response.getheaders()},
                    response.read())
        finally:
            conn.close()

    def api(self, name, body, token=REQUEST_TOKEN, raw=None, timeout=30, source=None):
        headers = {"Accept": "application/json", "Content-type": "application/json"}
        if token is not None:
            headers["Authorization"] = "Bearer " + token
        data = raw if raw is not None else json.dumps(body, separators=(",", ":")).encode()
        return self.request("POST", "/api/" + name, data, headers, timeout, source)

    def raw_socket(self):
        return socket.create_connection((self.host, self.port), timeout=30)


class TempDir:
    def __init__(self):
        self.path = tempfile.mkdtemp(prefix="parvane-service-test-")

    def cleanup(self):
        shutil.rmtree(self.path, ignore_errors=True)


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def free_udp_port(address):
    s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    s.bind((address, 0))
    port = s.getsockname()[1]
    s.close()
    return port


class Postgres:
    """A PostgreSQL server of the test's own, in a temporary folder, answering
    on a Unix socket only; run as the postgres user when the test is root,
    since the server refuses to run as root."""

    BIN = "/usr/lib/postgresql/15/bin"

    def __init__(self):
        # A folder of its own: the server's user must reach it.
        folder = tempfile.mkdtemp(prefix="parvane-postgres-")
        self.folder = folder
        self.data = os.path.join(folder, "data")
        self.socket_dir = folder
        self.port = free_port()
        self.user = "postgres" if os.geteuid() == 0 else os.environ.get("USER", "postgres")
        if os.geteuid() == 0:
            shutil.chown(folder, "postgres", "postgres")
        self._run([os.path.join(self.BIN, "initdb"), "-D", self.data, "-U", self.user,
                   "--auth=trust", "-E", "UTF8", "--locale=C"])
        self.log = open(os.path.join(folder, "server.log"), "wb")
        self.process = subprocess.Popen(
            self._as_owner([os.path.join(self.BIN, "postgres"), "-D", self.data, "-k",
                            self.socket_dir, "-p", str(self.port), "-c", "listen_addresses=",
                            "-c", "fsync=off"]), stdout=self.log, stderr=self.log)
        socket_path = os.path.join(self.socket_dir, ".s.PGSQL.%d" % self.port)
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            if os.path.exists(socket_path) and self._ready():
                break
            if self.process.poll() is not None:
                raise RuntimeError("postgres did not start; see " + self.log.name)
            time.sleep(0.1)
        else:
            raise RuntimeError("postgres did not answer; see " + self.log.name)

    def _as_owner(self, command):
        return (["runuser", "-u", "postgres", "--"] + command) if os.geteuid() == 0 else command

    def _run(self, command):
        subprocess.run(self._as_owner(command), check=True, capture_output=True)

    def _ready(self):
        return subprocess.run(self._as_owner([os.path.join(self.BIN, "pg_isready"), "-h",
                                              self.socket_dir, "-p", str(self.port)]),
                              capture_output=True).returncode == 0

    def create_database(self, name):
        self._run([os.path.join(self.BIN, "createdb"), "-h", self.socket_dir, "-p",
                   str(self.port), "-U", self.user, name])

    def store_config(self, database):
        return {"store": "postgresql", "store_host": self.socket_dir, "store_port": self.port,
                "store_database": database, "store_user": self.user}

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(20)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)
