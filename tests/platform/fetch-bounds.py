#!/usr/bin/env python3
"""The page helper against hostile answers from a server of this test's own on 127.0.0.1: a page larger
than any banner page, an endless answer and one that never ends are refused with status 1 and little
memory; a page is printed with status 0; a helper whose program ends goes with it.
    fetch-bounds.py TINTRA_FETCH"""
import http.server
import os
import resource
import signal
import subprocess
import sys
import threading
import time

helper = sys.argv[1]
failures = 0


def fail(what):
    global failures
    failures += 1
    print("FAIL:", what)


class Site(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def send(self, body, length=True):
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        if length:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        try:
            if self.path == "/page":
                self.send(b"<html><body>banner</body></html>")
            elif self.path == "/large":  # says its size
                self.send(b"x" * (3 * 1024 * 1024))
            elif self.path in ("/endless", "/dribble"):  # says nothing of its size, and never ends
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.end_headers()
                piece = b"x" * 65536 if self.path == "/endless" else b"x"
                while True:
                    self.wfile.write(piece)
                    self.wfile.flush()
                    if self.path == "/dribble":
                        time.sleep(0.2)
        except (BrokenPipeError, ConnectionResetError):
            pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Site)
server.daemon_threads = True
threading.Thread(target=server.serve_forever, daemon=True).start()
site = "http://127.0.0.1:%d" % server.server_address[1]


def fetch(path, *extra):
    """The helper's status, output and the largest memory it held, in MB."""
    process = subprocess.Popen([helper, site + path, *extra], stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    out, _ = process.communicate(timeout=60)
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
    return process.returncode, out, peak


status, out, _ = fetch("/page")
if status != 0 or out != (site + "/page\n<html><body>banner</body></html>").encode():
    fail("a banner page: status %d, %r" % (status, out[:200]))

for path, extra in (("/large", ()), ("/endless", ()), ("/dribble", ("2",))):
    status, out, peak = fetch(path, *extra)
    if status != 1:
        fail("%s: status %d, not 1" % (path, status))
    if out != (site + path + "\n").encode():
        fail("%s: printed %d bytes past the address" % (path, len(out) - len(site + path) - 1))
    if peak > 200:
        fail("%s: the helper held %d MB" % (path, peak))

# The helper goes with the program that started it, however that ends.
parent = subprocess.Popen(["/bin/sh", "-c", '"$0" "$1" & echo $!; wait', helper, site + "/dribble"],
                          stdout=subprocess.PIPE)
child = int(parent.stdout.readline())
time.sleep(0.5)
parent.send_signal(signal.SIGKILL)
parent.wait()
def running(pid):
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] not in "ZX"  # a zombie has ended
    except FileNotFoundError:
        return False


for _ in range(50):
    if not running(child):
        break
    time.sleep(0.1)
else:
    os.kill(child, signal.SIGKILL)
    fail("the helper outlived the program that started it")

server.shutdown()
print("PASS" if failures == 0 else "%d failed" % failures)
sys.exit(1 if failures else 0)
