#!/usr/bin/python3
"""A Dovecot IMAP server on loopback for the mailbox tests.

Runs Dovecot from a configuration of its own in <work>/dovecot, with one user
(its password in a file there) whose mailbox is the Maildir
<work>/dovecot/home/<user>/Maildir: a test puts messages in its "new" folder
and reads their flags back from the file names. It listens on 127.0.0.1 with
plain IMAP (STARTTLS on offer) and IMAP over implicit TLS, the certificate
from an authority made in the work folder, for the name localhost only. Once both listen, one JSON line
is printed (ports, user, password, CA, Maildir). The server stops when
standard input closes, so a test that dies leaves nothing behind.
"""
import json
import os
import pwd
import shutil
import signal
import socket
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from mail_servers import make_ca, make_cert  # noqa: E402

USER = "reports@localhost"
PASSWORD = "imap-secret"
# Dovecot's own unprivileged users, made when its package is installed.
MAIL_USER = "dovecot"
LOGIN_USER = "dovenull"


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def listening(port):
    with socket.socket() as probe:
        probe.settimeout(0.2)
        return probe.connect_ex(("127.0.0.1", port)) == 0


def configure(root, work, imap, imaps):
    mail = pwd.getpwnam(MAIL_USER)
    home = os.path.join(root, "home", USER)
    maildir = os.path.join(home, "Maildir")
    for sub in ("cur", "new", "tmp"):
        os.makedirs(os.path.join(maildir, sub), exist_ok=True)
    # The mail processes run as Dovecot's user; tests write as themselves.
    for folder, _, _ in os.walk(os.path.join(root, "home")):
        os.chown(folder, mail.pw_uid, mail.pw_gid)
        os.chmod(folder, 0o777)
    with open(os.path.join(root, "passwd"), "w") as users:
        users.write(f"{USER}:{{PLAIN}}{PASSWORD}\n")
    dh = "/usr/share/dovecot/dh.pem"
    with open(os.path.join(root, "dovecot.conf"), "w") as conf:
        conf.write(f"""
base_dir = {root}/run
state_dir = {root}/state
instance_name = parvane-imap-{os.getpid()}
log_path = {root}/dovecot.log
protocols = imap
listen = 127.0.0.1
ssl = yes
ssl_cert = <{work}/imap-localhost.pem
ssl_key = <{work}/imap-localhost.key
{"ssl_dh = <" + dh if os.path.exists(dh) else ""}
disable_plaintext_auth = no
auth_mechanisms = plain login
auth_failure_delay = 0
default_internal_user = {MAIL_USER}
default_login_user = {LOGIN_USER}
first_valid_uid = 1
mail_location = maildir:~/Maildir
passdb {{
  driver = passwd-file
  args = scheme=PLAIN username_format=%u {root}/passwd
}}
userdb {{
  driver = static
  args = uid={mail.pw_uid} gid={mail.pw_gid} home={root}/home/%u
}}
service imap-login {{
  inet_listener imap {{
    address = 127.0.0.1
    port = {imap}
  }}
  inet_listener imaps {{
    address = 127.0.0.1
    port = {imaps}
    ssl = yes
  }}
}}
""")
    return maildir


def main(work):
    make_ca(work, "ca")
    # The name alone: a client that reaches it as 127.0.0.1 must refuse it.
    make_cert(work, "ca", "imap-localhost", "DNS:localhost")
    root = os.path.join(work, "dovecot")
    # Dovecot's own users must pass through the work folder (a private
    # temporary one) to reach the password file and the mailbox.
    os.chmod(work, 0o711)
    # Ports found free may be taken before Dovecot binds them: try again.
    for _ in range(5):
        shutil.rmtree(os.path.join(root, "run"), ignore_errors=True)
        os.makedirs(os.path.join(root, "run"), exist_ok=True)
        os.makedirs(os.path.join(root, "state"), exist_ok=True)
        imap, imaps = free_port(), free_port()
        maildir = configure(root, work, imap, imaps)
        server = subprocess.Popen(["/usr/sbin/dovecot", "-F", "-c",
                                   os.path.join(root, "dovecot.conf")],
                                  stdin=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and server.poll() is None:
            if listening(imap) and listening(imaps):
                break
            time.sleep(0.05)
        if server.poll() is None and listening(imap) and listening(imaps):
            break
        server.kill()
        server.wait()
    else:
        sys.exit("dovecot did not start: see " + os.path.join(root, "dovecot.log"))
    print(json.dumps({"ports": {"imap": imap, "imaps": imaps}, "user": USER,
                      "password": PASSWORD, "ca": os.path.join(work, "ca.pem"),
                      "maildir": maildir}), flush=True)
    # Stopped by a signal as well as by the end of its input: Dovecot goes too.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        sys.stdin.buffer.read()
    finally:
        server.terminate()
        try:
            server.wait(5)
        except subprocess.TimeoutExpired:
            server.kill()


if __name__ == "__main__":
    main(sys.argv[1])
