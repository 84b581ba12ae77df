"""An SMTP server that misbehaves on request, for tests of the sending run.

Written on bare asyncio streams rather than aiosmtpd, because the faults are
about what reaches the wire and when: a reply that never comes, a connection
cut in the middle of DATA, a message taken in but never confirmed.

EHLO offers STARTTLS (when made with a TLS context), AUTH LOGIN PLAIN and
8BITMIME; AUTH accepts
only the test login (535 otherwise) and is not required. MAIL, RCPT, DATA,
RSET, NOOP and QUIT work as usual, several messages per connection and many
connections at once.

What happens to a message is chosen by the local part of a recipient (the
text before "@", compared by prefix, ignoring case):
  rcpt451...    RCPT gets 451 4.3.0 (temporary failure)
  rcpt550...    RCPT gets 550 5.1.1 (user unknown)
  rcpt521...    RCPT gets 550 5.2.1 (mailbox disabled)
  rcpt571...    RCPT gets 550 5.7.1 (a policy refusal, about the sender)
  grey...       the first RCPT for that exact address in this process gets
                451 4.7.1 (greylisted); later ones are accepted
  close421...   RCPT gets 421 4.4.2 and the connection is closed
  hangrcpt...   RCPT is never answered
  droprcpt...   RCPT is answered by cutting the connection
  stall354...   DATA is never answered
  data554...    the message is read in full, then refused with 554 5.7.1
  data552...    the message is read in full, then refused with 552 5.3.4 (too big)
  dropdata...   after 354, a few hundred bytes are read and the connection
                is cut (reset) without a reply
  closeafter... the message is read in full, then the connection is closed
                without a reply
  hang...       the message is read in full and never answered
  slow...       the message is accepted, but only after 2 seconds
  goaway...     the message is accepted, then the listener closes the
                connection and refuses new ones for 2 seconds
  anything else accepted: 250 2.0.0 Ok: queued as F<n>
When several recipients of one message ask for different DATA faults, the
first in this order wins: dropdata, closeafter, hang, data552, data554, slow.

Accepted messages go to the shared inbox with "confirmed": true in their
metadata; closeafter and hang messages go there too, with "confirmed": false
(also slow ones whose client left before the 250). A listener made with a
limit answers the next MAIL after every `limit` accepted messages (over all
its connections) with 421 4.7.0 and closes; the count restarts `pause`
seconds after the first such 421. `never_greet` accepts connections and
stays silent until the client leaves; `hang_on` (a verb: EHLO, AUTH, MAIL)
goes silent once that command comes. A listener made with `size_limit`
announces it as SIZE, and refuses a larger message with 552 5.3.4, at MAIL
when the client gives its SIZE, otherwise once the message is in.

Counters per listener (connections, logins, auths: every AUTH command,
whatever its outcome, mails, rsets, messages, and received per recipient
address) are rewritten to a JSON file after every
change. A message counts as received once its final dot has been read,
whatever the reply: data554, closeafter, hang and slow messages count,
dropdata ones do not.
"""
import asyncio
import base64
import binascii
import json
import logging
import os
import time

log = logging.getLogger("faulty_smtp")

# Greylisting remembers addresses for the whole process, across listeners.
_greylisted = set()

# Longest command or message line we are willing to buffer.
MAX_LINE = 4 * 1024 * 1024
# How much of a dropdata message is read before the connection is cut.
DROP_AFTER = 300
SLOW_DELAY = 2.0
AWAY_SECONDS = 2.0

# Checked in this order, so "hangrcpt" is not taken for "hang".
RCPT_FAULTS = ("rcpt451", "rcpt550", "rcpt521", "rcpt571", "grey", "close421", "hangrcpt", "droprcpt")
DATA_FAULTS = ("dropdata", "closeafter", "hang", "data552", "data554", "slow", "goaway")


class Stats:
    """Counters of every faulty listener, mirrored to a JSON file."""

    def __init__(self, path, names):
        self.path = path
        self.data = {name: {"connections": 0, "logins": 0, "auths": 0, "mails": 0, "rsets": 0,
                            "messages": 0, "received": {}} for name in names}
        self.write()

    def bump(self, listener, key):
        self.data[listener][key] += 1
        self.write()

    def received(self, listener, addresses):
        entry = self.data[listener]
        entry["messages"] += 1
        for address in addresses:
            entry["received"][address] = entry["received"].get(address, 0) + 1
        self.write()

    def write(self):
        # Write then rename, so a reader never sees half a file.
        tmp = self.path + ".tmp"
        with open(tmp, "w") as f:
            json.dump(self.data, f)
        os.replace(tmp, self.path)


class Closed(Exception):
    """The client went away."""


class Connection:
    """Buffered line reading with a way to wait while noticing the client leaving."""

    def __init__(self, reader, writer):
        self.reader = reader
        self.writer = writer
        self.buffer = bytearray()
        self.scanned = 0

    async def fill(self):
        chunk = await self.reader.read(65536)
        if not chunk:
            raise Closed()
        self.buffer += chunk

    async def readline(self):
        """One line with its ending (LF or CRLF)."""
        while True:
            end = self.buffer.find(b"\n", self.scanned)
            if end >= 0:
                line = bytes(self.buffer[:end + 1])
                del self.buffer[:end + 1]
                self.scanned = 0
                return line
            self.scanned = len(self.buffer)
            if len(self.buffer) > MAX_LINE:
                raise Closed()
            await self.fill()

    async def reply(self, *lines):
        self.writer.write(b"".join(line.encode() + b"\r\n" for line in lines))
        await self.writer.drain()

    async def wait(self, seconds):
        """Sleep, keeping anything the client sends; False if it closed meanwhile."""
        deadline = time.monotonic() + seconds
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                return True
            try:
                await asyncio.wait_for(self.fill(), left)
            except asyncio.TimeoutError:
                return True
            except Closed:
                return False

    async def ignore_rest(self):
        """Read and drop everything until the client closes."""
        while await self.reader.read(65536):
            pass

    def close(self):
        self.writer.close()

    def cut(self):
        # No FIN handshake: unread data makes the kernel send a reset.
        self.writer.transport.abort()


def address_of(arg, keyword):
    """The address in 'FROM:<a> params' / 'TO:<a>', or None if malformed."""
    if not arg.upper().startswith(keyword):
        return None
    rest = arg[len(keyword):].strip()
    if rest.startswith("<"):
        end = rest.find(">")
        return rest[1:end] if end > 0 else None
    # Lenient: a bare address without angle brackets.
    return rest.split()[0] if rest else None


def kind_of(address, kinds):
    local = address.split("@", 1)[0].lower()
    for kind in kinds:
        if local.startswith(kind):
            return kind
    return None


def decode(text):
    try:
        return base64.b64decode(text.strip(), validate=True).decode("utf-8")
    except (binascii.Error, UnicodeDecodeError):
        return None


class FaultySMTP:
    """One listener; `handle` serves a connection."""

    def __init__(self, name, inbox, stats, user, password, limit=None, pause=2.0,
                 never_greet=False, tls_context=None, hang_on=None, size_limit=None):
        self.name = name
        self.tls_context = tls_context
        self.inbox = inbox
        self.stats = stats
        self.user = user
        self.password = password
        self.limit = limit
        self.pause = pause
        self.never_greet = never_greet
        self.hang_on = hang_on
        self.size_limit = size_limit
        self.server = None         # the listening server, closed while away
        self.port = None
        self.accepted = 0          # accepted since the limit last restarted
        self.blocked_since = None  # time of the first 421 of the current block

    def limit_reached(self):
        if self.limit is None or self.accepted < self.limit:
            return False
        now = time.monotonic()
        if self.blocked_since is None:
            self.blocked_since = now
            return True
        if now - self.blocked_since < self.pause:
            return True
        self.accepted = 0
        self.blocked_since = None
        return False

    def go_away(self):
        """Stops listening, so connections are refused, for AWAY_SECONDS."""
        if self.server is None:
            return
        self.server.close()
        self.server = None

        async def back():
            await asyncio.sleep(AWAY_SECONDS)
            self.server = await asyncio.start_server(self.handle, "127.0.0.1", self.port)
        asyncio.get_running_loop().create_task(back())

    async def handle(self, reader, writer):
        conn = Connection(reader, writer)
        try:
            self.stats.bump(self.name, "connections")
            if self.never_greet:
                await conn.ignore_rest()
            else:
                await self.session(conn)
        except (Closed, ConnectionError, asyncio.IncompleteReadError):
            pass
        except Exception:
            log.exception("%s: connection failed", self.name)
        finally:
            conn.close()

    async def session(self, conn):
        login = mechanism = None
        mail_from = None
        rcpts = []
        tls = False
        await conn.reply("220 localhost ESMTP Parvane fault test server")
        while True:
            line = (await conn.readline()).rstrip(b"\r\n").decode("utf-8", "replace")
            verb, _, arg = line.partition(" ")
            verb = verb.upper()
            arg = arg.strip()
            if self.hang_on and verb == self.hang_on:
                await conn.ignore_rest()
                return

            if verb == "EHLO":
                mail_from, rcpts = None, []
                offer = ["250-STARTTLS"] if self.tls_context and not tls else []
                if self.size_limit is not None:
                    offer.append("250-SIZE %d" % self.size_limit)
                await conn.reply("250-localhost", *offer, "250-AUTH LOGIN PLAIN", "250 8BITMIME")
            elif verb == "STARTTLS" and self.tls_context and not tls:
                await conn.reply("220 2.0.0 Ready to start TLS")
                await conn.writer.start_tls(self.tls_context)
                # A fresh session over TLS, as RFC 3207 wants.
                tls, login, mechanism, mail_from, rcpts = True, None, None, None, []
                conn.buffer.clear()
                conn.scanned = 0
            elif verb == "HELO":
                mail_from, rcpts = None, []
                await conn.reply("250 localhost")
            elif verb == "AUTH":
                self.stats.bump(self.name, "auths")
                if login is not None:
                    await conn.reply("503 5.5.1 Already authenticated")
                    continue
                result = await self.authenticate(conn, arg)
                if result:
                    login, mechanism = result
                    self.stats.bump(self.name, "logins")
            elif verb == "MAIL":
                self.stats.bump(self.name, "mails")
                if mail_from is not None:
                    await conn.reply("503 5.5.1 Nested MAIL command")
                    continue
                address = address_of(arg, "FROM:")
                if address is None:
                    await conn.reply("501 5.5.4 Syntax: MAIL FROM:<address>")
                    continue
                if self.limit_reached():
                    await conn.reply("421 4.7.0 Sending limit reached, try again later")
                    return
                if self.size_limit is not None and self.announced_size(arg) > self.size_limit:
                    await conn.reply("552 5.3.4 Message size exceeds fixed maximum message size")
                    continue
                mail_from = address
                await conn.reply("250 2.1.0 Ok")
            elif verb == "RCPT":
                if mail_from is None:
                    await conn.reply("503 5.5.1 Error: need MAIL command")
                    continue
                address = address_of(arg, "TO:")
                if address is None:
                    await conn.reply("501 5.5.4 Syntax: RCPT TO:<address>")
                    continue
                kind = kind_of(address, RCPT_FAULTS)
                if kind == "rcpt451":
                    await conn.reply("451 4.3.0 Temporary failure, try again later")
                elif kind == "rcpt550":
                    await conn.reply("550 5.1.1 User unknown")
                elif kind == "rcpt521":
                    await conn.reply("550 5.2.1 Mailbox disabled")
                elif kind == "rcpt571":
                    await conn.reply("550 5.7.1 Sender rejected by policy")
                elif kind == "grey" and address not in _greylisted:
                    _greylisted.add(address)
                    await conn.reply("451 4.7.1 Greylisted, try again later")
                elif kind == "close421":
                    await conn.reply("421 4.4.2 Closing connection")
                    return
                elif kind == "hangrcpt":
                    await conn.ignore_rest()
                    return
                elif kind == "droprcpt":
                    conn.cut()
                    return
                else:
                    rcpts.append(address)
                    await conn.reply("250 2.1.5 Ok")
            elif verb == "DATA":
                if mail_from is None:
                    await conn.reply("503 5.5.1 Error: need MAIL command")
                elif not rcpts:
                    await conn.reply("503 5.5.1 Error: need RCPT command")
                elif any(a.lower().startswith("stall354") for a in rcpts):
                    await conn.ignore_rest()
                    return
                else:
                    carry_on = await self.data(conn, mail_from, rcpts, login, mechanism)
                    if not carry_on:
                        return
                    mail_from, rcpts = None, []
            elif verb == "RSET":
                self.stats.bump(self.name, "rsets")
                mail_from, rcpts = None, []
                await conn.reply("250 2.0.0 Ok")
            elif verb == "NOOP":
                await conn.reply("250 2.0.0 Ok")
            elif verb == "QUIT":
                await conn.reply("221 2.0.0 Bye")
                return
            elif not verb:
                await conn.reply("500 5.5.2 Error: bad syntax")
            else:
                await conn.reply("502 5.5.2 Error: command not recognized")

    @staticmethod
    def announced_size(arg):
        """The SIZE= parameter of a MAIL command, 0 when none."""
        for param in arg.split()[1:]:
            key, _, value = param.partition("=")
            if key.upper() == "SIZE" and value.isdigit():
                return int(value)
        return 0

    async def authenticate(self, conn, arg):
        """Runs one AUTH exchange; (login, mechanism) on success, else None."""
        mech, _, initial = arg.partition(" ")
        mech = mech.upper()
        initial = initial.strip()

        async def ask(challenge):
            await conn.reply("334 " + challenge)
            answer = (await conn.readline()).rstrip(b"\r\n").decode("ascii", "replace")
            return None if answer == "*" else answer

        if mech == "PLAIN":
            response = initial if initial and initial != "=" else await ask("")
            if response is None:
                await conn.reply("501 5.7.0 Authentication cancelled")
                return None
            text = decode(response)
            parts = text.split("\0") if text is not None else []
            if len(parts) != 3:
                await conn.reply("501 5.5.2 Cannot decode response")
                return None
            user, password = parts[1], parts[2]
        elif mech == "LOGIN":
            response = initial or await ask("VXNlcm5hbWU6")
            if response is None:
                await conn.reply("501 5.7.0 Authentication cancelled")
                return None
            user = decode(response)
            response = await ask("UGFzc3dvcmQ6")
            if response is None:
                await conn.reply("501 5.7.0 Authentication cancelled")
                return None
            password = decode(response)
            if user is None or password is None:
                await conn.reply("501 5.5.2 Cannot decode response")
                return None
        else:
            await conn.reply("504 5.5.4 Unrecognized authentication type")
            return None

        # A second account of the same password, for runs shared by two accounts.
        if user in (self.user, "other." + self.user) and password == self.password:
            await conn.reply("235 2.7.0 Authentication successful")
            return user, mech
        await conn.reply("535 5.7.8 Authentication credentials invalid")
        return None

    async def data(self, conn, mail_from, rcpts, login, mechanism):
        """Reads one message and answers it; False when the connection is done."""
        fault = None
        for kind in DATA_FAULTS:
            if any(kind_of(a, DATA_FAULTS) == kind for a in rcpts):
                fault = kind
                break
        await conn.reply("354 End data with <CR><LF>.<CR><LF>")

        lines = []
        size = 0
        while True:
            line = await conn.readline()
            if line in (b".\r\n", b".\n"):
                break
            if line.startswith(b"."):
                line = line[1:]
            lines.append(line)
            size += len(line)
            if fault == "dropdata" and size >= DROP_AFTER:
                break
        if fault == "dropdata":
            conn.cut()
            return False

        content = b"".join(lines)
        self.stats.received(self.name, rcpts)
        meta = {"listener": self.name, "mail_from": mail_from, "rcpt_tos": list(rcpts),
                "login": login, "mechanism": mechanism,
                "tls": conn.writer.get_extra_info("ssl_object") is not None}

        if fault == "data554":
            await conn.reply("554 5.7.1 Message refused")
            return True
        if fault == "data552" or (self.size_limit is not None and size > self.size_limit):
            await conn.reply("552 5.3.4 Message size exceeds fixed maximum message size")
            return True
        if fault in ("closeafter", "hang"):
            self.inbox.store(content, dict(meta, confirmed=False))
            if fault == "hang":
                await conn.ignore_rest()
            return False
        if fault == "slow" and not await conn.wait(SLOW_DELAY):
            # The client gave up before hearing from us.
            self.inbox.store(content, dict(meta, confirmed=False))
            return False
        number = self.inbox.store(content, dict(meta, confirmed=True))
        self.accepted += 1
        await conn.reply("250 2.0.0 Ok: queued as F%d" % number)
        if fault == "goaway":
            self.go_away()
            return False
        return True


async def start(name, inbox, stats, user, password, **options):
    """Listens on a free loopback port; returns the port."""
    handler = FaultySMTP(name, inbox, stats, user, password, **options)
    handler.server = await asyncio.start_server(handler.handle, "127.0.0.1", 0)
    handler.port = handler.server.sockets[0].getsockname()[1]
    return handler.port
