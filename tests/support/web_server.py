#!/usr/bin/python3
# A web server on 127.0.0.1 for the tests: the pages of a folder, and the ways a
# server goes wrong. Prints its port, then serves until it is ended.
#   /pages/NAME     the folder's file, as text/html in UTF-8
#   /moved          302 to /pages/news.html; /loop redirects to itself, /to-file to a file
#   /slow           says nothing for a minute
#   /endless        an HTML page that never ends
#   /plain, /picture, /cyrillic (windows-1251, said only by the server)
#   /part/N         part N of 3, each linking the next (rel="next"); the last links the first
#   /chain/N        a page in endless parts; /broken/1 links a part that is not there
#   /cookie         sets a cookie and sends the reader to /cookie-check, which
#                   says whether the cookie came back
import http.server
import os
import sys
import time

PAGES = sys.argv[1]
PNG = (b"\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x00\x00\x01\x00\x00\x00\x01\x08\x06\x00\x00\x00\x1f\x15\xc4\x89"
       b"\x00\x00\x00\rIDATx\x9cc\xf8\x0f\x00\x00\x01\x01\x00\x05\x18\xd8N\x00\x00\x00\x00IEND\xaeB`\x82")


def part(n, count, base, title):
    nxt = f'<link rel="next" href="{base}{n % count + 1}">'
    return (f"<html><head><title>{title} (page {n}) | Site</title>{nxt}</head><body>"
            f"<nav><a href='/'>Home</a> <a href='/a'>A</a> <a href='/b'>B</a></nav>"
            f"<article><h1>{title}</h1><p>This is the text of part number {n}, with enough words, "
            f"commas, and sentences to be taken for the article itself.</p></article>"
            f"<footer>Footer text</footer></body></html>").encode()


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def answer(self, code, kind, body, headers=()):
        self.send_response(code)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        path = self.path.split("?")[0]
        html = "text/html; charset=utf-8"
        if path.startswith("/pages/") and "/" not in path[7:]:
            try:
                with open(os.path.join(PAGES, path[7:]), "rb") as f:
                    self.answer(200, html, f.read())
            except OSError:
                self.answer(404, "text/plain", b"no such page")
        elif path == "/moved":
            self.answer(302, "text/plain", b"", [("Location", "/pages/news.html")])
        elif path == "/to-file":
            self.answer(302, "text/plain", b"", [("Location", "file:///etc/passwd")])
        elif path == "/loop":
            self.answer(302, "text/plain", b"", [("Location", "/loop")])
        elif path == "/slow":
            time.sleep(60)
        elif path == "/endless":
            self.send_response(200)
            self.send_header("Content-Type", html)
            self.end_headers()
            chunk = b"<p>" + b"more " * 200000 + b"</p>\n"
            try:
                while True:
                    self.wfile.write(chunk)
            except OSError:
                pass
        elif path == "/plain":
            self.answer(200, "text/plain; charset=utf-8", "A plain page of text, read as it is: \u00e9t\u00e9.\n".encode())
        elif path == "/picture":
            self.answer(200, "image/png", PNG)
        elif path == "/cyrillic":
            body = "<html><body><p>\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440.</p></body></html>"
            self.answer(200, "text/html; charset=windows-1251", body.encode("cp1251"))
        elif path.startswith("/part/"):
            self.answer(200, html, part(int(path[6:]), 3, "/part/", "A story in parts"))
        elif path == "/broken/1":
            self.answer(200, html, part(1, 2, "/broken/", "A story cut short"))
        elif path.startswith("/chain/"):
            n = int(path[7:])
            self.answer(200, html, part(n, n + 1, "/chain/", "An endless story"))
        elif path == "/cookie":
            self.answer(302, "text/plain", b"", [("Set-Cookie", "visitor=42; Path=/"), ("Location", "/cookie-check")])
        elif path == "/cookie-check":
            said = "cookie came back" if "visitor" in (self.headers.get("Cookie") or "") else "no cookie was sent"
            self.answer(200, html, f"<html><body><p>The server says: {said}.</p></body></html>".encode())
        else:
            self.answer(404, "text/plain", b"no such page")


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
