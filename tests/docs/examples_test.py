#!/usr/bin/env python3
"""Every `pelmora` command the README and the man page show, run against
virtual printers, so that the examples cannot go stale: each must be taken
(exit 0, or 3 where `config diff` finds a change). Addresses and device paths
become the simulators' loopback addresses; the files they name are made here.

    examples_test.py SOURCE_DIR PELMORA PELMORA_SIM
"""
import os
import re
import shlex
import struct
import subprocess
import sys
import tempfile
import zlib

source, pelmora, sim = (os.path.abspath(p) for p in sys.argv[1:4])
LINK_OPTIONS = ("--tcp", "--serial", "--bluetooth", "--usb")
LINE_OPTIONS = ("--baud", "--parity", "--stop-bits", "--flow")


def examples():
    """(where, command) for each example line, comments and pipes cut off."""
    found = []
    readme = open(os.path.join(source, "README.md"), encoding="utf-8").read().splitlines()
    man = open(os.path.join(source, "packaging/man/pelmora.h2m"), encoding="utf-8").read().splitlines()
    for name, lines, unescape in (("README.md", readme, False), ("pelmora.h2m", man, True)):
        for number, line in enumerate(lines, 1):
            text = line.replace("\\-", "-") if unescape else line
            text = text.strip()
            if text.startswith("$ "):
                text = text[2:]
            if not text.startswith("pelmora "):
                continue
            # Synopses name placeholders, not values.
            if re.search(r"\b[A-Z]{3,}\b|\[|\.\.\.", text):
                continue
            text = re.split(r"\s+#\s", text)[0]
            text = text.split(" |")[0].strip()
            found.append((f"{name}:{number}", text))
    return found


def png(path, width, height, grey):
    rows = b"".join(b"\0" + bytes([grey]) * width for _ in range(height))
    chunk = lambda kind, data: struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def start_printer(work, name):
    process = subprocess.Popen([sim, "--listen", "127.0.0.1:0", "--restart-ms", "0",
                                "--state", os.path.join(work, name + ".json")],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    line = process.stdout.readline()
    return process, line.strip().split()[-1]


def localised(words, printers):
    """The command with every link option on a simulator, in order of the addresses met."""
    out, seen, i = [], {}, 0
    while i < len(words):
        word = words[i]
        if word in LINE_OPTIONS:
            i += 2
            continue
        if word in LINK_OPTIONS and i + 1 < len(words):
            where = seen.setdefault(words[i + 1], printers[len(seen) % len(printers)])
            out += ["--tcp", where]
            i += 2
            continue
        out.append(word)
        i += 1
    if "discover" in out:  # only the simulators' loopback addresses are searched
        at = out.index("discover")
        rest = [w for w in out[at + 1:] if w.startswith("--") or w.endswith(".printers")]
        out = out[:at + 1] + printers + rest
    return out


def main():
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        env = dict(os.environ, PELMORA_REGISTRY=os.path.join(work, "registry.reg"))
        a, address_a = start_printer(work, "a")
        b, address_b = start_printer(work, "b")
        printers = [address_a, address_b]
        try:
            for name in ("shop-12.printers", "shop.printers"):
                with open(os.path.join(work, name), "w") as f:
                    f.write("".join(f"tcp {p}\n" for p in printers))
            for name in ("shop-logo.png", "logo.png", "holiday.jpg"):
                png(os.path.join(work, name), 200, 60, 90)
            with open(os.path.join(work, "Q700_V2.fls"), "wb") as f:
                f.write(b"\xa5" * 5000)
            ran = 0
            for where, command in examples():
                words = shlex.split(command)
                if "127.0.0.1:9200" in words:  # the replay example: its own recorded printer
                    continue
                redirect = None
                if ">" in words:
                    redirect = words[words.index(">") + 1]
                    words = words[:words.index(">")]
                args = localised(words[1:], printers)
                out = open(os.path.join(work, redirect), "w") if redirect else subprocess.PIPE
                run = subprocess.run([pelmora] + args, cwd=work, env=env, stdout=out, stderr=subprocess.PIPE,
                                     stdin=subprocess.DEVNULL, text=True, timeout=300)
                ran += 1
                if run.returncode not in (0, 3):
                    failures += 1
                    print(f"FAIL {where}: {command}\n  ran: pelmora {' '.join(args)}\n  exit {run.returncode}: "
                          f"{run.stderr.strip()[:400]}")
        finally:
            a.terminate()
            b.terminate()
    print(f"{ran} examples run, {failures} failed")
    return 1 if failures or ran < 10 else 0


sys.exit(main())
