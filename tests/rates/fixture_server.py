#!/usr/bin/python3
"""Serves the files of a folder on 127.0.0.1 for the exchange-rate tests.

Usage: fixture_server.py FOLDER LOG. Prints the port it listens on, then
serves until stopped. Every request's path is appended to LOG, so a test can
tell whether anything was asked. Some names are special: /redirect answers
302 to a plain-http address elsewhere, /loop redirects to itself, /tls
redirects to https:// on this server's own port (which speaks no TLS),
/escapes answers 500 with terminal escapes and HTML in its reason phrase,
/silent
never answers.
"""
import http.server
import os
import sys
import time

folder, log = sys.argv[1], sys.argv[2]


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(log, "a") as out:
            out.write(self.path + "\n")
        name = self.path.lstrip("/")
        if name == "redirect":
            self.send_response(302)
            self.send_header("Location", "http://example.invalid/eurofxref-daily.xml")
            self.end_headers()
            return
        if name == "loop":
            self.send_response(302)
            self.send_header("Location", "/loop")
            self.end_headers()
            return
        if name == "tls":
            port = self.server.server_address[1]
            self.send_response(302)
            self.send_header("Location", "https://127.0.0.1:%d/eurofxref-daily.xml" % port)
            self.end_headers()
            return
        if name == "escapes":
            self.send_response(500, "\x1b]0;TITLE\x07\x1b[31m<b>red</b>")
            self.end_headers()
            return
        if name == "silent":
            time.sleep(30)
            return
        path = os.path.join(folder, os.path.basename(name))
        if not os.path.isfile(path):
            self.send_error(404)
            return
        with open(path, "rb") as f:
            body = f.read()
        self.send_response(200)
        self.send_header("Content-Type", "text/xml")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
