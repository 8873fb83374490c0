#!/usr/bin/env python3
"""pelmora discover against the aims, on loopback only.

Usage: discover_bench.py PELMORA PELMORA_SIM

- a /24 with 8 virtual printers, the rest closed: at most 2 s;
- a /24 where every connect times out (each address a listener whose queue
  is full, so the kernel drops the SYN): at most the connect time-out + 1 s;
- 1000 printers of one `pelmora-sim --count 1000`: at most
  1.2 x ceil(1000 / jobs) x one identification;
- peak resident memory of a /16 search (--force, all refused): below 100 MB.
"""
import math
import resource
import socket
import subprocess
import sys
import time

pelmora, sim = sys.argv[1], sys.argv[2]
JOBS = 256
TIMEOUT_MS = 1000


def start_sim(*args):
    proc = subprocess.Popen([sim, *args], stdout=subprocess.PIPE, text=True)
    lines = [proc.stdout.readline().strip()]
    return proc, lines


def discover(*args):
    started = time.monotonic()
    run = subprocess.run([pelmora, "discover", "--jobs", str(JOBS), "--timeout", str(TIMEOUT_MS), *args],
                         capture_output=True, text=True)
    return time.monotonic() - started, run


def report(name, seconds, aim, extra=""):
    verdict = "ok" if seconds <= aim else "OVER"
    print(f"{name}: {seconds:.2f} s (aim <= {aim:.2f} s) {verdict} {extra}".rstrip())


def eight_printers():
    first, line = start_sim("--listen=127.0.2.10:0")
    port = int(line[0].rsplit(":", 1)[1])
    sims = [first] + [start_sim(f"--listen=127.0.2.{10 + i}:{port}")[0] for i in range(1, 8)]
    try:
        seconds, run = discover("127.0.2.0/24", "--port", str(port))
        report("/24 with 8 printers", seconds, 2.0, run.stdout.strip().splitlines()[-1])
    finally:
        for s in sims:
            s.terminate()
            s.wait()


def nothing_answers():
    held = []
    port = 0
    for host in range(1, 255):
        listener = socket.socket()
        listener.bind((f"127.0.3.{host}", port))
        listener.listen(0)
        port = listener.getsockname()[1]
        held.append(listener)
        # Fill the queue: later SYNs are dropped and the connect waits.
        for _ in range(2):
            filler = socket.socket()
            filler.setblocking(False)
            try:
                filler.connect((f"127.0.3.{host}", port))
            except BlockingIOError:
                pass
            held.append(filler)
    time.sleep(0.5)
    seconds, run = discover("127.0.3.0/24", "--port", str(port))
    report("/24 where nothing answers", seconds, TIMEOUT_MS / 1000 + 1, run.stdout.strip().splitlines()[-1])
    for s in held:
        s.close()


def thousand_printers():
    proc = subprocess.Popen([sim, "--listen=127.0.0.1:0", "--count", "1000"], stdout=subprocess.PIPE, text=True)
    addresses = [proc.stdout.readline().strip().removeprefix("listening on ") for _ in range(1000)]
    try:
        ones = sorted(discover(addresses[0])[0] for _ in range(5))
        one = ones[2]
        seconds, run = discover(*addresses)
        found = run.stdout.strip().splitlines()[-1]
        aim = 1.2 * math.ceil(1000 / JOBS) * one
        report("1000 printers", seconds, aim, f"(one: {one:.2f} s) {found}")
    finally:
        proc.terminate()
        proc.wait()


def slash16_memory():
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    seconds, run = discover("127.4.0.0/16", "--force")
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    print(f"/16 search: {seconds:.2f} s, peak resident {peak / 1024:.1f} MB (aim < 100 MB; "
          f"children's peak before {before / 1024:.1f} MB)")


# First, so that the peak is pelmora's and not a simulator's.
slash16_memory()
eight_printers()
nothing_answers()
thousand_printers()
