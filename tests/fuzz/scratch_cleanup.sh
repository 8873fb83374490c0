#!/bin/sh
# A fuzz process removes its scratch folder when it ends, and sweeps the one a
# killed run left behind.  Usage: scratch_cleanup.sh FUZZER SEED_DIR
set -eu
fuzzer=$1
seeds=$2
base=/dev/shm
[ -d "$base" ] || base=${TMPDIR:-/tmp}

true & dead=$!
wait "$dead"
mkdir -p "$base/pelmora-fuzz-$dead"
touch "$base/pelmora-fuzz-$dead/left-behind.reg"

"$fuzzer" -runs=20 "$seeds" >/dev/null 2>&1 & pid=$!
wait "$pid"

status=0
if [ -e "$base/pelmora-fuzz-$pid" ]; then echo "the run's own folder was left behind"; status=1; fi
if [ -e "$base/pelmora-fuzz-$dead" ]; then echo "the dead run's folder was not swept"; status=1; fi
rm -rf "$base/pelmora-fuzz-$dead"
exit $status
