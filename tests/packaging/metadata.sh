#!/usr/bin/env bash
# Usage: metadata.sh FILE...
# Software-centre entries (*.metainfo.xml) and menu entries (*.desktop) are
# valid as software centres and desktops read them: a warning fails too.
set -uo pipefail
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for file in "$@"; do
  case $file in
    *.metainfo.xml) problems=$(appstreamcli validate --no-net "$file" 2>&1) ;;
    *.desktop) problems=$(desktop-file-validate "$file" 2>&1) ;;
    *) fail "$file: neither a metainfo nor a desktop file"; continue ;;
  esac
  [ $? -eq 0 ] || fail "$(basename "$file"): $problems"
done

echo "$# files validated"
[ "$failures" -eq 0 ]
