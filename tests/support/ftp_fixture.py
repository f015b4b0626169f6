#!/usr/bin/python3
# An FTP server for one test, on 127.0.0.1 and a free port: user "web",
# password "secret", rooted at the folder given. With a certificate and a key,
# explicit TLS is required on the control and data connections. Prints
# "PORT n" once it listens, and appends each connection, login and command to
# the log file. With FIXTURE_LOGIN_FOLDER set ("/www"), a login starts in that
# folder, as on a hosting account whose site lies below the login folder. With
# FIXTURE_THREADED=1, each connection gets a thread of its own (the benchmark's
# several connections at once); otherwise one thread serves them all in turn.
import logging
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer, ThreadedFTPServer

root, log_path = sys.argv[1], sys.argv[2]
cert = sys.argv[3] if len(sys.argv) > 4 else None
key = sys.argv[4] if len(sys.argv) > 4 else None


def note(line):
    with open(log_path, "a") as log:
        log.write(line + "\n")


Base = TLS_FTPHandler if cert else FTPHandler


class Handler(Base):
    def on_connect(self):
        note("CONNECT")

    def on_login(self, username):
        note("LOGIN " + username)
        login_folder = os.environ.get("FIXTURE_LOGIN_FOLDER")
        if login_folder:
            self.fs.cwd = login_folder

    def pre_process_command(self, line, cmd, arg):
        note("COMMAND " + cmd)
        return super().pre_process_command(line, cmd, arg)


class DataHandler(TLS_DTPHandler):
    # A client may start the data connection's handshake before it sends the
    # command that uses it. The stock handler takes that early data for a
    # hang-up and drops the connection; here the handshake runs, and the
    # finished connection then waits quietly for its command.
    def readable(self):
        if self._ssl_accepting:
            return True
        if not self.receive and not self._initialized:
            return False
        return super().readable()


authorizer = DummyAuthorizer()
authorizer.add_user("web", "secret", root, perm="elradfmwMT")
Handler.authorizer = authorizer
Handler.banner = "Fixture FTP server ready."
if cert:
    Handler.certfile = cert
    Handler.keyfile = key
    Handler.tls_control_required = True
    Handler.tls_data_required = True
    Handler.dtp_handler = DataHandler

logging.basicConfig(level=logging.CRITICAL)
Server = ThreadedFTPServer if os.environ.get("FIXTURE_THREADED") == "1" else FTPServer
server = Server(("127.0.0.1", 0), Handler)
print("PORT", server.address[1], flush=True)
server.serve_forever()
