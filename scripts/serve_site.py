#!/usr/bin/python3
"""Serves the built web page from a folder on 127.0.0.1, with the types browsers insist on."""
import functools
import http.server
import sys

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".json": "application/json",
    ".png": "image/png",
    ".bmp": "image/bmp",
    ".wav": "audio/wav",
    ".svg": "image/svg+xml",
}


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def end_headers(self):
        # Every file is asked for anew; the page keeps its own copies for going offline.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, *args):
        pass


def make_server(root, port=0):
    """A threading server for `root` on 127.0.0.1:`port` (0: a free port), not yet started."""
    handler = functools.partial(Handler, directory=str(root))
    return http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)


if __name__ == "__main__":
    root, port = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 8080
    server = make_server(root, port)
    print(f"Serving the drill at http://127.0.0.1:{server.server_port}/ (Ctrl+C to stop)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
