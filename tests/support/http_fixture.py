#!/usr/bin/python3
"""A small threaded HTTP (and HTTPS) server for the network tests, on 127.0.0.1 only.

Usage: http_fixture.py LOG [CERT KEY]
Prints "PORTS <http> <https or 0>" on its first line, then serves until killed.
A request in absolute form ("GET http://host/path") is served as a proxy would
and logged to LOG as "PROXY <url>"; every request is logged as "GET <path>"
(or "HEAD <path>"), "AGENT <User-Agent>" and "ACCEPT <Accept>". HEAD answers
every path with the status and headers a GET would get, and no body.

Paths:
  /page              200 with a small page
  /missing           404 Not Found with an error page
  /forbidden         403 Forbidden
  /error             500 Internal Server Error
  /redirect/N        302 to /redirect/N-1; /redirect/0 redirects to /page
  /moved             301 to /page (Location only)
  /slow?ms=N         200 after N milliseconds
  /trickle?n=N       200 with N bytes sent 1000 at a time, 20 ms apart
  /close             closes the connection without an answer
  /busy              429 with Retry-After: 1 the first time a client asks, then 200
  /large?n=N&rate=R  200 with N bytes (Content-Length given), R bytes a second
                     (0 or none: as fast as the client reads)
  /endless           200 without a length, sent until the client goes
  /nohead/PATH       HEAD is refused (405); GET serves /PATH
"""
import http.server
import socketserver
import ssl
import sys
import threading
import time
import urllib.parse

LOG = sys.argv[1]
log_lock = threading.Lock()
busy_seen = set()


def log(line):
    with log_lock:
        with open(LOG, "a") as f:
            f.write(line + "\n")


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def send_body(self, code, body, headers=()):
        self.send_response(code)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def send_stream(self, length, rate):
        """length bytes (None: without end), at rate bytes a second (0: at once)."""
        self.send_response(200)
        if length is None:
            self.send_header("Connection", "close")
            self.close_connection = True
        else:
            self.send_header("Content-Length", str(length))
        self.end_headers()
        if self.command == "HEAD":
            return
        piece = 65536 if rate <= 0 else max(1, min(65536, rate // 10))
        sent = 0
        start = time.monotonic()
        try:
            while length is None or sent < length:
                n = piece if length is None else min(piece, length - sent)
                self.wfile.write(b"x" * n)
                sent += n
                if rate > 0:
                    ahead = sent / rate - (time.monotonic() - start)
                    if ahead > 0:
                        time.sleep(ahead)
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError, OSError):
            self.close_connection = True

    def do_HEAD(self):
        self.do_GET()

    def do_GET(self):
        target = self.path
        if target.startswith("http://") or target.startswith("https://"):
            log("PROXY " + target)
            target = urllib.parse.urlsplit(target)._replace(scheme="", netloc="").geturl() or "/"
        log(self.command + " " + target)
        log("AGENT " + self.headers.get("User-Agent", ""))
        log("ACCEPT " + self.headers.get("Accept", ""))
        url = urllib.parse.urlsplit(target)
        query = urllib.parse.parse_qs(url.query)
        path = url.path
        if path.startswith("/nohead/"):
            if self.command == "HEAD":
                self.send_body(405, b"", [("Allow", "GET")])
                return
            path = path[len("/nohead"):]
        if path == "/page":
            self.send_body(200, b"<html><body>fixture page</body></html>\n")
        elif path == "/missing":
            self.send_body(404, b"<html><body>no such page</body></html>\n")
        elif path == "/forbidden":
            self.send_body(403, b"forbidden\n")
        elif path == "/error":
            self.send_body(500, b"broken\n")
        elif path.startswith("/redirect/"):
            n = int(path.rsplit("/", 1)[1])
            location = "/page" if n <= 0 else "/redirect/%d" % (n - 1)
            self.send_body(302, b"", [("Location", location)])
        elif path == "/moved":
            self.send_body(301, b"", [("Location", "/page")])
        elif path == "/slow":
            time.sleep(int(query.get("ms", ["1000"])[0]) / 1000.0)
            self.send_body(200, b"slow page\n")
        elif path == "/large":
            self.send_stream(int(query.get("n", ["1000000"])[0]), int(query.get("rate", ["0"])[0]))
        elif path == "/endless":
            self.send_stream(None, 0)
        elif path == "/trickle":
            n = int(query.get("n", ["100000"])[0])
            self.send_response(200)
            self.send_header("Content-Length", str(n))
            self.end_headers()
            if self.command == "HEAD":
                return
            sent = 0
            try:
                while sent < n:
                    piece = min(1000, n - sent)
                    self.wfile.write(b"t" * piece)
                    self.wfile.flush()
                    sent += piece
                    time.sleep(0.02)
            except (BrokenPipeError, ConnectionResetError):
                pass
        elif path == "/status":
            # Any status, with or without an error page: /status?code=502&body=0
            code = int(query.get("code", ["500"])[0])
            body = b"" if query.get("body", ["1"])[0] == "0" else b"<html><body>error page</body></html>\n"
            self.send_body(code, body)
        elif path == "/close":
            self.close_connection = True
            self.connection.close()
        elif path == "/busy":
            key = self.client_address[0] + self.headers.get("User-Agent", "")
            if key in busy_seen:
                self.send_body(200, b"not busy now\n")
            else:
                busy_seen.add(key)
                self.send_body(429, b"busy\n", [("Retry-After", "1")])
        else:
            self.send_body(404, b"unknown fixture path\n")


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 256  # many checks connect at once


def main():
    plain = Server(("127.0.0.1", 0), Handler)
    tls_port = 0
    servers = [plain]
    if len(sys.argv) >= 4:
        secure = Server(("127.0.0.1", 0), Handler)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(sys.argv[2], sys.argv[3])
        secure.socket = context.wrap_socket(secure.socket, server_side=True)
        servers.append(secure)
        tls_port = secure.server_address[1]
    for s in servers[1:]:
        threading.Thread(target=s.serve_forever, daemon=True).start()
    print("PORTS %d %d" % (plain.server_address[1], tls_port), flush=True)
    plain.serve_forever()


if __name__ == "__main__":
    main()
