#!/usr/bin/python3
# A misbehaving FTP server for one test, on 127.0.0.1 and a free port. It
# logs anyone in and then, depending on the mode given:
#   endless  - every listing goes on without end;
#   huge N   - every listing holds N entries;
#   trickle  - every download sends 2 bytes a second.
# Prints "PORT n" once it listens. It stops by itself after 120 seconds, so a
# test that dies cannot leave it behind for long.
import socket
import sys
import threading
import time

mode = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 0
deadline = time.time() + 120


def line(n):
    return ("type=file;size=1;modify=20240101000000; file%08d.txt\r\n" % n).encode()


def send_listing(data):
    n = 0
    while time.time() < deadline and (mode == "endless" or n < count):
        data.sendall(b"".join(line(n + i) for i in range(100)))
        n += 100


def send_trickle(data):
    for _ in range(60):
        if time.time() > deadline:
            return
        data.sendall(b"ab")
        time.sleep(1)


def serve(control):
    control.settimeout(130)
    reply = lambda text: control.sendall((text + "\r\n").encode())
    reply("220 Hostile fixture ready")
    passive = None
    reader = control.makefile("rb")
    for raw in reader:
        words = raw.decode("latin-1").strip().split(" ", 1)
        command = words[0].upper()
        if command == "USER":
            reply("331 Password please")
        elif command == "PASS":
            reply("230 Logged in")
        elif command == "PWD":
            reply('257 "/" is the current folder')
        elif command in ("CWD", "TYPE"):
            reply("250 OK" if command == "CWD" else "200 OK")
        elif command == "SIZE":
            reply("213 120")
        elif command in ("EPSV", "PASV"):
            passive = socket.socket()
            passive.bind(("127.0.0.1", 0))
            passive.listen(1)
            port = passive.getsockname()[1]
            if command == "EPSV":
                reply("229 Entering extended passive mode (|||%d|)" % port)
            else:
                reply("227 Entering passive mode (127,0,0,1,%d,%d)" % (port // 256, port % 256))
        elif command in ("MLSD", "LIST", "NLST", "RETR") and passive:
            reply("150 Here it comes")
            data, _ = passive.accept()
            try:
                send_trickle(data) if command == "RETR" else send_listing(data)
                data.close()
                reply("226 Done")
            except OSError:
                data.close()
                reply("426 Connection closed; transfer aborted")
            passive.close()
            passive = None
        elif command == "QUIT":
            reply("221 Bye")
            break
        else:
            reply("502 Not here")
    control.close()


listener = socket.socket()
listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listener.bind(("127.0.0.1", 0))
listener.listen(8)
listener.settimeout(1)
print("PORT", listener.getsockname()[1], flush=True)
while time.time() < deadline:
    try:
        client, _ = listener.accept()
    except socket.timeout:
        continue
    threading.Thread(target=serve, args=(client,), daemon=True).start()
