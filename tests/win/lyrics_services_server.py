#!/usr/bin/env python3
"""Plays the lyrics services over HTTPS on loopback for the Windows tests.

usage: lyrics_services_server.py start STATE_DIR ROUTES_FILE
       lyrics_services_server.py stop STATE_DIR

start makes a throw-away certificate authority and a certificate for
localhost in STATE_DIR, starts the server in the background and returns once
it listens. The client names the service it means as the first path segment:
GET /lrclib.net/api/get?... is LRCLIB's /api/get?... . ROUTES_FILE maps
"host/path?query" to {"status": ..., "file": ...} (status 200 by default;
file relative to ROUTES_FILE, no body without one), or to
{"nested": {"list": NAME, "depth": N}}: a JSON object whose array NAME holds
one object with a member nested N arrays deep, as no real service answers;
every other request gets a 404. STATE_DIR then holds:

  server.json    {"port": ..., "authority": "ca.der", "requests": "requests.jsonl"},
                 written once the server listens; the file names are
                 relative to STATE_DIR
  ca.der         the authority's certificate, DER
  requests.jsonl one JSON object per request, written before it is answered:
                 {"service", "path", "user_agent", "routed"}
  server.log     the server's own output

stop ends the server and removes server.json, so that nothing finds a server
that is gone.
"""
import http.server
import json
import os
import signal
import ssl
import subprocess
import sys
import threading
import time

STARTUP_DEADLINE_S = 20
STOP_DEADLINE_S = 10
# A server whose stop never came (an interrupted test run) ends by itself.
LIFETIME_S = 1800

CERTIFICATE_EXTENSIONS = """
[authority]
basicConstraints = critical, CA:TRUE
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash
[localhost]
basicConstraints = critical, CA:FALSE
keyUsage = critical, digitalSignature, keyEncipherment
extendedKeyUsage = serverAuth
subjectAltName = DNS:localhost, IP:127.0.0.1
subjectKeyIdentifier = hash
authorityKeyIdentifier = keyid
"""


def openssl(*arguments, cwd):
    subprocess.run(["openssl", *arguments], cwd=cwd, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def make_certificates(state):
    """An authority good for one day and the localhost certificate it signs."""
    with open(os.path.join(state, "extensions.cnf"), "w", encoding="utf-8") as out:
        out.write(CERTIFICATE_EXTENSIONS)
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "ca.key", "-out", "ca.pem",
            "-days", "1", "-subj", "/CN=Tembo Notch test authority",
            "-config", "extensions.cnf", "-extensions", "authority", cwd=state)
    openssl("x509", "-in", "ca.pem", "-outform", "der", "-out", "ca.der", cwd=state)
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", "localhost.key", "-out", "localhost.csr",
            "-subj", "/CN=localhost", cwd=state)
    openssl("x509", "-req", "-in", "localhost.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
            "-out", "localhost.pem", "-days", "1", "-extfile", "extensions.cnf", "-extensions", "localhost",
            cwd=state)


def load_routes(routes_file):
    """{"host/path?query": (status, body)} from the routes file."""
    folder = os.path.dirname(os.path.abspath(routes_file))
    with open(routes_file, encoding="utf-8") as source:
        table = json.load(source)
    routes = {}
    for target, answer in table.items():
        body = b""
        if "nested" in answer:
            list_name, depth = answer["nested"]["list"], answer["nested"]["depth"]
            body = ('{"%s":[{"a":' % list_name + "[" * depth + "]" * depth + "}]}").encode()
        if "file" in answer:
            with open(os.path.join(folder, answer["file"]), "rb") as fixture:
                body = fixture.read()
        routes[target] = (answer.get("status", 200), body)
    return routes


def serve(state, routes_file):
    signal.alarm(LIFETIME_S)
    routes = load_routes(routes_file)
    log_lock = threading.Lock()
    requests_log = os.path.join(state, "requests.jsonl")

    class ServiceHandler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            service, _, rest = self.path[1:].partition("/")
            path = "/" + rest
            route = routes.get(service + path)
            status, body = route if route else (404, b"")
            record = {"service": service, "path": path, "routed": route is not None,
                      "user_agent": self.headers.get("User-Agent", "")}
            with log_lock, open(requests_log, "a", encoding="utf-8") as out:
                out.write(json.dumps(record) + "\n")
            self.send_response(status)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), ServiceHandler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(state, "localhost.pem"), os.path.join(state, "localhost.key"))
    server.socket = context.wrap_socket(server.socket, server_side=True)
    open(requests_log, "w", encoding="utf-8").close()
    info = {"port": server.server_address[1], "authority": "ca.der", "requests": "requests.jsonl"}
    # Renamed into place, so that a reader never sees half of it.
    with open(os.path.join(state, "server.json.part"), "w", encoding="utf-8") as out:
        json.dump(info, out)
    os.replace(os.path.join(state, "server.json.part"), os.path.join(state, "server.json"))
    server.serve_forever()


def start(state, routes_file):
    stop(state)
    os.makedirs(state, exist_ok=True)
    for name in os.listdir(state):
        os.remove(os.path.join(state, name))
    make_certificates(state)
    # Detached, with no handle on the caller's pipes, so that CTest does not
    # wait for the server when this step ends.
    with open(os.path.join(state, "server.log"), "w", encoding="utf-8") as log:
        server = subprocess.Popen([sys.executable, os.path.abspath(__file__), "serve", state, routes_file],
                                  stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    with open(os.path.join(state, "server.pid"), "w", encoding="utf-8") as out:
        out.write(str(server.pid))
    deadline = time.monotonic() + STARTUP_DEADLINE_S
    while not os.path.exists(os.path.join(state, "server.json")):
        if server.poll() is not None or time.monotonic() > deadline:
            with open(os.path.join(state, "server.log"), encoding="utf-8") as log:
                sys.stderr.write(log.read())
            sys.stderr.write("lyrics services server did not start\n")
            stop(state)
            return 1
        time.sleep(0.05)
    return 0


def running(pid):
    """Whether the process exists and has not ended: an ended server may stay
    a zombie for a while when nothing reaps it."""
    try:
        with open(f"/proc/{pid}/stat", encoding="utf-8") as stat:
            state = stat.read().rsplit(")", 1)[1].split()[0]
    except (FileNotFoundError, IndexError):
        return False
    return state != "Z"


def stop(state):
    info = os.path.join(state, "server.json")
    if os.path.exists(info):
        os.remove(info)
    pid_file = os.path.join(state, "server.pid")
    if not os.path.exists(pid_file):
        return 0
    with open(pid_file, encoding="utf-8") as source:
        pid = int(source.read())
    os.remove(pid_file)
    if running(pid):
        os.kill(pid, signal.SIGTERM)
    deadline = time.monotonic() + STOP_DEADLINE_S
    while running(pid):
        if time.monotonic() > deadline:
            sys.stderr.write(f"lyrics services server {pid} did not stop\n")
            return 1
        time.sleep(0.05)
    return 0


def main(argv):
    if len(argv) == 3 and argv[0] == "start":
        return start(os.path.abspath(argv[1]), os.path.abspath(argv[2]))
    if len(argv) == 3 and argv[0] == "serve":
        return serve(argv[1], argv[2])
    if len(argv) == 2 and argv[0] == "stop":
        return stop(os.path.abspath(argv[1]))
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
