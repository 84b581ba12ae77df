#!/usr/bin/python3
"""An OAuth 2.0 authorization server and an SMTP server that takes its tokens,
on loopback, for the sign-in tests.

The authorization server is built on oauthlib's server classes: the
authorization code grant with PKCE (S256) required, refresh tokens, revocation
(RFC 7009), introspection (RFC 7662) and an ID token naming the user. Its
/authorize page is what a browser shows: a consent form whose "allow" or
"deny" a test posts as a browser would. The SMTP server (aiosmtpd, STARTTLS
from an authority made in the work folder) offers XOAUTH2 and OAUTHBEARER and
asks the authorization server, over HTTP, whether each token is valid.

A second argument names a folder whose authority (ca.pem, ca.key) signs the
SMTP certificate instead of one made here.

Test controls: POST /control with "revoke_user=1" revokes every token of the
user (as a user does in the provider's settings); GET /events lists what the
servers saw. Once both listen, one JSON line is printed;
the servers stop when standard input closes.
"""
import asyncio
import base64
import json
import os
import shutil
import sys
import threading
import time
import urllib.parse
import urllib.request
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

from aiosmtpd.smtp import SMTP, AuthResult
from oauthlib.common import generate_token
from oauthlib.oauth2 import RequestValidator, Server

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from mail_servers import Inbox, context, make_ca, make_cert  # noqa: E402

CLIENT_ID = "parvane-test-client"
USER = "signed.in@oauth.test"
SCOPES = ["https://outlook.office.com/SMTP.Send", "offline_access", "openid", "email",
          "https://mail.google.com/"]

lock = threading.Lock()
codes = {}        # code -> {client_id, redirect_uri, challenge, method, scopes, user}
tokens = {}       # access token -> {user, expires, scopes, refresh}
refreshes = {}    # refresh token -> {user, scopes, revoked}
events = []       # what the servers saw, for the tests


class Validator(RequestValidator):
    def validate_client_id(self, client_id, request, *args, **kwargs):
        return client_id == CLIENT_ID

    def client_authentication_required(self, request, *args, **kwargs):
        return False  # a public client: PKCE proves it

    def authenticate_client_id(self, client_id, request, *args, **kwargs):
        if client_id != CLIENT_ID:
            return False
        request.client = type("Client", (), {"client_id": client_id})()
        return True

    def validate_redirect_uri(self, client_id, redirect_uri, request, *args, **kwargs):
        # RFC 8252: a loopback address on any port.
        parsed = urllib.parse.urlparse(redirect_uri)
        return parsed.scheme == "http" and parsed.hostname in ("127.0.0.1", "localhost")

    def get_default_redirect_uri(self, client_id, request, *args, **kwargs):
        return None

    def validate_scopes(self, client_id, scopes, client, request, *args, **kwargs):
        return all(scope in SCOPES for scope in scopes)

    def get_default_scopes(self, client_id, request, *args, **kwargs):
        return ["openid"]

    def validate_response_type(self, client_id, response_type, client, request, *args, **kwargs):
        return response_type == "code"

    def is_pkce_required(self, client_id, request):
        return True

    def save_authorization_code(self, client_id, code, request, *args, **kwargs):
        with lock:
            codes[code["code"]] = {"client_id": client_id, "redirect_uri": request.redirect_uri,
                                   "challenge": request.code_challenge,
                                   "method": request.code_challenge_method,
                                   "scopes": request.scopes, "user": USER}

    def validate_code(self, client_id, code, client, request, *args, **kwargs):
        with lock:
            saved = codes.get(code)
        if not saved or saved["client_id"] != client_id:
            return False
        request.scopes = saved["scopes"]
        request.user = saved["user"]
        return True

    def get_code_challenge(self, code, request):
        with lock:
            return codes.get(code, {}).get("challenge")

    def get_code_challenge_method(self, code, request):
        with lock:
            return codes.get(code, {}).get("method")

    def confirm_redirect_uri(self, client_id, code, redirect_uri, client, request, *args,
                             **kwargs):
        with lock:
            return codes.get(code, {}).get("redirect_uri") == redirect_uri

    def validate_grant_type(self, client_id, grant_type, client, request, *args, **kwargs):
        return grant_type in ("authorization_code", "refresh_token")

    def invalidate_authorization_code(self, client_id, code, request, *args, **kwargs):
        with lock:
            codes.pop(code, None)

    def save_bearer_token(self, token, request, *args, **kwargs):
        with lock:
            user = getattr(request, "user", None) or USER
            tokens[token["access_token"]] = {"user": user,
                                             "expires": time.time() + token["expires_in"],
                                             "refresh": token.get("refresh_token")}
            if token.get("refresh_token"):
                refreshes[token["refresh_token"]] = {"user": user, "scopes": request.scopes,
                                                     "revoked": False}
            events.append("token " + request.grant_type)

    def validate_refresh_token(self, refresh_token, client, request, *args, **kwargs):
        with lock:
            saved = refreshes.get(refresh_token)
        if not saved or saved["revoked"]:
            return False
        request.user = saved["user"]
        return True

    def get_original_scopes(self, refresh_token, request, *args, **kwargs):
        with lock:
            return refreshes[refresh_token]["scopes"]

    def rotate_refresh_token(self, request):
        return False  # the refresh token stays the same, as Microsoft's and Google's mostly do

    def validate_bearer_token(self, token, scopes, request):
        with lock:
            saved = tokens.get(token)
        return bool(saved) and saved["expires"] > time.time()

    def revoke_token(self, token, token_type_hint, request, *args, **kwargs):
        with lock:
            if token in refreshes:
                refreshes[token]["revoked"] = True
            tokens.pop(token, None)


validator = Validator()
server = Server(validator)


def id_token(user):
    # The client reads the user's address from it, over TLS from the token
    # endpoint; no signature is needed for that (OpenID Connect 3.1.3.7).
    def part(value):
        return base64.urlsafe_b64encode(json.dumps(value).encode()).rstrip(b"=").decode()
    return part({"alg": "none"}) + "." + part({"iss": "oauth.test", "email": user,
                                               "preferred_username": user}) + "."


class Web(BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def answer(self, status, headers, body):
        self.send_response(status)
        for name, value in (headers or {}).items():
            self.send_header(name, value)
        body = body.encode() if isinstance(body, str) else (body or b"")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def body(self):
        return self.rfile.read(int(self.headers.get("Content-Length", 0))).decode()

    def uri(self):
        return "http://127.0.0.1:%d%s" % (self.server.server_port, self.path)

    def do_GET(self):
        if self.path.startswith("/authorize"):
            try:
                scopes, credentials = server.validate_authorization_request(self.uri())
            except Exception as error:  # an unknown client, a bad redirect: said on the page
                return self.answer(400, {"Content-Type": "text/plain"}, repr(error))
            query = urllib.parse.urlparse(self.path).query
            page = f"""<html><body><form method="post" action="/authorize?{query}">
<p>Parvane wants to send mail as {USER}.</p>
<button name="consent" value="allow">Allow</button>
<button name="consent" value="deny">Deny</button></form></body></html>"""
            return self.answer(200, {"Content-Type": "text/html"}, page)
        if self.path == "/events":
            with lock:
                return self.answer(200, {"Content-Type": "application/json"}, json.dumps(events))
        return self.answer(404, {}, "")

    def do_POST(self):
        body = self.body()
        form = urllib.parse.parse_qs(body)
        if self.path.startswith("/authorize"):
            scopes, credentials = server.validate_authorization_request(self.uri())
            if form.get("consent") != ["allow"]:
                events.append("consent refused")
                location = credentials["redirect_uri"] + "?" + urllib.parse.urlencode(
                    {"error": "access_denied", "error_description": "The user declined.",
                     "state": credentials.get("state", "")})
                return self.answer(302, {"Location": location}, "")
            headers, text, status = server.create_authorization_response(
                self.uri(), "POST", body, dict(self.headers), scopes, credentials)
            return self.answer(status, headers, text)
        if self.path == "/token":
            headers, text, status = server.create_token_response(
                self.uri(), "POST", body, dict(self.headers))
            if status == 200:
                answer = json.loads(text)
                with lock:
                    answer["id_token"] = id_token(tokens[answer["access_token"]]["user"])
                text = json.dumps(answer)
            else:
                events.append("token refused " + json.loads(text).get("error", ""))
            return self.answer(status, headers, text)
        if self.path == "/revoke":
            headers, text, status = server.create_revocation_response(
                self.uri(), "POST", body, dict(self.headers))
            return self.answer(status, headers, text)
        if self.path == "/introspect":
            token = form.get("token", [""])[0]
            with lock:
                saved = tokens.get(token)
                active = bool(saved) and saved["expires"] > time.time()
            return self.answer(200, {"Content-Type": "application/json"}, json.dumps(
                {"active": active, "username": saved["user"] if saved else None}))
        if self.path == "/control":
            with lock:
                if "revoke_user" in form:
                    for saved in refreshes.values():
                        saved["revoked"] = True
                    tokens.clear()
            return self.answer(200, {}, "")
        return self.answer(404, {}, "")


class TokenSmtp:
    """The SMTP side: an account's mail is taken with a valid token only."""

    def __init__(self, inbox, web_port):
        self.inbox = inbox
        self.web_port = web_port
        self.folder = inbox.folder

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        return await self.inbox.handle_RCPT(server, session, envelope, address, rcpt_options)

    async def handle_DATA(self, server, session, envelope):
        number = self.inbox.store(envelope.original_content, {
            "listener": "oauth", "mail_from": envelope.mail_from, "rcpt_tos": envelope.rcpt_tos,
            "login": session.auth_data, "tls": True})
        return "250 2.0.0 Ok: queued as Q%04d" % number

    def valid(self, user, token):
        request = urllib.request.Request(
            "http://127.0.0.1:%d/introspect" % self.web_port,
            data=urllib.parse.urlencode({"token": token}).encode())
        answer = json.load(urllib.request.urlopen(request, timeout=5))
        return answer["active"] and answer["username"] == user

    async def check(self, server, user, token):
        good = await asyncio.get_running_loop().run_in_executor(None, self.valid, user, token)
        with lock:
            events.append("smtp login " + ("accepted" if good else "refused"))
        if good:
            return AuthResult(success=True, auth_data=user)
        return AuthResult(success=False, handled=False,
                          message="535 5.7.8 Authentication unsuccessful")

    async def auth_XOAUTH2(self, server, args):
        raw = base64.b64decode(args[1]) if len(args) > 1 else await server.challenge_auth("")
        fields = dict(part.split("=", 1) for part in raw.decode().split("\x01") if "=" in part)
        return await self.check(server, fields.get("user", ""),
                                fields.get("auth", "").removeprefix("Bearer "))

    async def auth_OAUTHBEARER(self, server, args):
        raw = base64.b64decode(args[1]) if len(args) > 1 else await server.challenge_auth("")
        head, *pairs = raw.decode().split("\x01")
        fields = dict(part.split("=", 1) for part in pairs if "=" in part)
        user = next((p[2:] for p in head.split(",") if p.startswith("a=")), "")
        return await self.check(server, user, fields.get("auth", "").removeprefix("Bearer "))


async def main(work, ca_from=None):
    # Another suite's authority may sign the certificate, so that the
    # program trusts both servers alike.
    if ca_from:
        for name in ("ca.pem", "ca.key"):
            shutil.copy(os.path.join(ca_from, name), os.path.join(work, name))
    else:
        make_ca(work, "ca")
    make_cert(work, "ca", "localhost", "DNS:localhost,IP:127.0.0.1")
    web = ThreadingHTTPServer(("127.0.0.1", 0), Web)
    threading.Thread(target=web.serve_forever, daemon=True).start()
    inbox = Inbox(os.path.join(work, "inbox"))
    handler = TokenSmtp(inbox, web.server_port)
    loop = asyncio.get_running_loop()
    smtp = await loop.create_server(
        lambda: SMTP(handler, hostname="localhost", tls_context=context(work, "localhost"),
                     auth_require_tls=True, auth_exclude_mechanism=["LOGIN", "PLAIN"]),
        "127.0.0.1", 0)
    base = "http://127.0.0.1:%d" % web.server_port
    print(json.dumps({"authorize": base + "/authorize", "token": base + "/token",
                      "revoke": base + "/revoke", "control": base + "/control",
                      "events": base + "/events", "client_id": CLIENT_ID, "user": USER,
                      "smtp": smtp.sockets[0].getsockname()[1], "inbox": inbox.folder,
                      "ca": os.path.join(work, "ca.pem")}), flush=True)
    await loop.run_in_executor(None, sys.stdin.buffer.read)
    web.shutdown()


if __name__ == "__main__":
    asyncio.run(main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None))
