#!/usr/bin/env python3
"""A local HTTP witness: records the path and User-Agent of every request it gets,
so the end-to-end tests can see what the browser pane really asked for."""
import http.server
import sys


class Witness(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(self.server.log_path, "a", encoding="utf-8") as log:
            log.write(f"{self.path}\t{self.headers.get('User-Agent', '')}\n")
        body = b"<!doctype html><title>witness</title><p>ok</p>"
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        self.wfile.write(body)

    do_POST = do_GET

    def log_message(self, *args):
        pass


def main():
    log_path, port_path = sys.argv[1], sys.argv[2]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Witness)
    server.log_path = log_path
    open(log_path, "w").close()
    with open(port_path + ".tmp", "w") as port_file:
        port_file.write(str(server.server_address[1]))
    import os
    os.rename(port_path + ".tmp", port_path)
    server.serve_forever()


if __name__ == "__main__":
    main()
