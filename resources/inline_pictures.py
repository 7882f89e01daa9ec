#!/usr/bin/env python3
"""Makes the shipped user guide one file: every <img src="...png"> that names a
file beside the source guide is replaced by the picture itself, as a data URI.

    inline_pictures.py GUIDE.htm OUT.htm

The pictures stay separate files in the source tree (docs/pictures/), so the
repository holds each once and the guide in resources/ shows them in a browser.
A named picture that is missing fails the build rather than ship a broken guide.
"""
import base64
import os
import re
import sys


def inline(text, folder):
    def picture(match):
        path = os.path.join(folder, match.group(2))
        try:
            with open(path, "rb") as f:
                data = base64.b64encode(f.read()).decode("ascii")
        except OSError as e:
            sys.exit("inline_pictures: the guide's picture %s: %s (scripts/guide-pictures.sh "
                     "makes it)" % (match.group(2), e.strerror))
        return match.group(1) + "data:image/png;base64," + data + match.group(3)
    return re.sub(r'(<img\b[^>]*\bsrc=")([^":]+\.png)(")', picture, text)


def main():
    source, out = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = inline(f.read(), os.path.dirname(os.path.abspath(source)))
    with open(out + ".tmp", "w", encoding="utf-8", newline="") as f:
        f.write(text)
    os.replace(out + ".tmp", out)


if __name__ == "__main__":
    main()
