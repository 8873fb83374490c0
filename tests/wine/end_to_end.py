#!/usr/bin/env python3
"""pelmora.exe against pelmora-sim.exe under Wine, over loopback TCP: each kind
of job, the settings in Wine's registry and the decoded images; then, given a
Linux pelmora-sim, over Wine's COM9 mapped to its pseudo-terminal, whose
modem lines (DSR) the tests' stand-in for the modem-line ioctls, preloaded
into Wine, keeps. WINEPREFIX and the like come from the caller
(scripts/windows-test).

    end_to_end.py BUILD_DIR [LINUX_PELMORA_SIM MODEM_PRELOAD]
"""
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

WINE = os.environ.get("WINE", "/usr/lib/wine/wine64")
build = os.path.abspath(sys.argv[1])
linux_sim, preload = sys.argv[2:4] if len(sys.argv) > 3 else (None, None)
pelmora, sim = (os.path.join(build, p) for p in ("src/cli/pelmora.exe", "src/sim/pelmora-sim.exe"))
KEY = r"HKCU\Software\Korvane\Pelmora"
corpus = os.path.join(os.path.dirname(__file__), "../fuzz/corpus/parse_image")
failures = []


def run(*args, cwd, env=None, expect=0):
    done = subprocess.run([WINE, pelmora, *args], cwd=cwd, env=env, capture_output=True, text=True, timeout=120)
    if done.returncode != expect:
        failures.append(f"pelmora {' '.join(args)}: exit {done.returncode}\n{done.stderr.strip()}")
        return ""
    return done.stdout


def check(ok, what):
    if not ok:
        failures.append(what)


def png(path, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 0, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(
            b"".join(b"\0" + bytes(r) for r in rows))) + chunk(b"IEND", b""))


def dots(path):
    """The preview's size and its dots, rows of bits, from the one-bit PNG it writes."""
    data = open(path, "rb").read()
    width, height, depth = struct.unpack(">IIB", data[16:25])
    idat, at = b"", 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        idat += data[at + 8:at + 8 + length] if kind == b"IDAT" else b""
        at += 12 + length
    raw, stride = zlib.decompress(idat), (width + 7) // 8
    assert depth == 1 and all(raw[y * (stride + 1)] == 0 for y in range(height)), "unfiltered rows"
    return width, height, [raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)] for y in range(height)]


def registry(*args):
    return subprocess.run([WINE, "reg", *args], capture_output=True, text=True, timeout=60)


def registry_value(name):
    query = registry("query", KEY, "/v", name)
    return query.stdout.split()[-1] if query.returncode == 0 else None


def start(command):
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return process, process.stdout.readline().split()[-1]


def over_tcp(work):
    registry("delete", KEY, "/f")  # what an earlier run stored
    printer, address = start([WINE, sim, "--listen", "127.0.0.1:0", "--restart-ms", "0"])
    try:
        check(run("--version", cwd=work).startswith("pelmora "), "--version")
        check("MPT-Q700VII" in run("--tcp", address, "identify", cwd=work), "identify over TCP")
        settings = json.loads(run("--tcp", address, "config", "get", "--json", cwd=work))
        settings["Density"] = 6
        with open(os.path.join(work, "profile.json"), "w") as f:
            json.dump(settings, f)
        run("--tcp", address, "config", "set", "--from", "profile.json", cwd=work)
        check(json.loads(run("--tcp", address, "config", "get", "--json", cwd=work))["Density"] == 6, "Density kept")
        check(registry_value("Density") == "0x6", "Density in HKCU\\Software\\Korvane\\Pelmora")
        png(os.path.join(work, "logo.png"), [[0, 255] * 20] * 10)
        run("--tcp", address, "nv", "download", "--auto", "logo.png", cwd=work)
        check(run("--tcp", address, "nv", "list", cwd=work).split(), "nv list after a download")
        with open(os.path.join(work, "update.fls"), "wb") as f:
            f.write(b"\xa5" * 9000)
        run("--tcp", address, "firmware", "--keep-settings", "update.fls", cwd=work)
        check(json.loads(run("--tcp", address, "config", "get", "--json", cwd=work))["Density"] == 6,
              "Density kept across the firmware update")
    finally:
        printer.terminate()
        printer.wait()


def previews(work):
    """WIC decodes as libpng, libjpeg and giflib do on Linux: the dots of each picture, and a file cut short refused."""
    png(os.path.join(work, "stripes.png"), [[0, 255] * 20] * 10)
    with open(os.path.join(work, "dot.gif"), "wb") as f:  # 1 x 1, no colours at all: black
        f.write(b"GIF89a\1\0\1\0\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;")
    for name in ("rgb_9x7.jpg", "exif_turned_9x7.jpg", "grey16_2x1.png"):
        shutil.copy(os.path.join(corpus, name), work)
    expected = {"stripes.png": (40, 10, bytes([0xAA] * 5)), "dot.gif": (1, 1, b"\x80"), "rgb_9x7.jpg": (9, 7, None),
                "exif_turned_9x7.jpg": (7, 9, None), "grey16_2x1.png": (2, 1, None)}
    for name, (width, height, first_row) in expected.items():
        if run("nv", "preview", name, "--out", name + ".out.png", cwd=work):
            got = dots(os.path.join(work, name + ".out.png"))
            check(got[:2] == (width, height) and first_row in (None, got[2][0]), f"nv preview {name}: {got}")
        with open(os.path.join(work, name), "rb") as whole, open(os.path.join(work, "cut-" + name), "wb") as cut:
            cut.write(whole.read()[:-20])
        run("nv", "preview", "cut-" + name, "--out", "cut.png", cwd=work, expect=2)


def over_com_port(work):
    lines = os.path.join(work, "modem-lines")
    printer, node = start([linux_sim, "--pty", "--modem-lines", lines])
    com9 = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "com9")
    env = dict(os.environ, LD_PRELOAD=preload, PELMORA_MODEM_TTY=node, PELMORA_MODEM_LINES=lines)
    try:
        if os.path.lexists(com9):
            os.remove(com9)
        os.symlink(node, com9)
        check("MPT-Q700VII" in run("--serial", "COM9", "identify", cwd=work, env=env), "identify over COM9")
        check("Density" in run("--serial", "COM9", "config", "get", cwd=work, env=env), "config get over COM9")
    finally:
        printer.terminate()
        printer.wait()
        if os.path.lexists(com9):
            os.remove(com9)


with tempfile.TemporaryDirectory() as work:
    over_tcp(work)
    previews(work)
    if linux_sim:
        over_com_port(work)
    else:
        print("no Linux pelmora-sim built: the COM port was not tried")
for failure in failures:
    print("FAIL", failure)
print(f"pelmora.exe end to end under Wine: {len(failures)} failed" + ("" if linux_sim else " (no COM port)"))
sys.exit(1 if failures else 0)
