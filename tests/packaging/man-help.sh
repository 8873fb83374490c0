#!/usr/bin/env bash
# Usage: man-help.sh PROGRAM PAGE.gz [SOURCE_DIR]
# Checks a man page against the program's --help: every command's usage line
# heads a subsection that names each of that command's options, the program's
# own options are under OPTIONS, and the page renders without warnings. With
# SOURCE_DIR, every environment variable the code reads and every exit status
# the command line defines is documented.
set -uo pipefail
program=$1 page=$2 sources=${3:-}
name=$(basename "$program")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

warnings=$(zcat "$page" | groff -man -Tascii -ww -z 2>&1)
[ -z "$warnings" ] || fail "groff warnings: $warnings"
# One line per paragraph, no bold or underline: words stay whole for grep.
text=$(zcat "$page" | groff -man -Tascii -rLL=3000n -P-cbou 2>/dev/null)

# The lines of one part of the page: from the line equal to HEADING to the next
# heading of the same or a higher level.
part() {
  awk -v heading="$1" '
    $0 == heading { on = 1; match($0, /^ */); depth = RLENGTH; next }
    on { match($0, /^ */); if ($0 ~ /[^ ]/ && RLENGTH <= depth) exit; print }' <<<"$text"
}
long_options() { grep -oE '^ +(-[A-Za-z0-9],)?--[A-Za-z0-9][-A-Za-z0-9]*' | grep -oE -- '--[-A-Za-z0-9]+' | grep -vx -- --help; }
subcommands() { awk '/^Subcommands:/ { on = 1; next } on && /^  [^ ]/ { print $1 } on && /^$/ { on = 0 }'; }

for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES "SEE ALSO"; do
  grep -qx "$section" <<<"$text" || fail "no section $section"
done
for option in $("$program" --help | awk '/^Subcommands:/ { exit } { print }' | long_options); do
  grep -qE -- "(^|[ ,])$option( |$)" <<<"$(part OPTIONS)" || fail "OPTIONS lacks $option"
done

# Every command: its usage line heads a subsection naming all its options.
check_command() {
  local help usage sub
  help=$("$program" "$@" --help)
  for sub in $(subcommands <<<"$help"); do check_command "$@" "$sub"; done
  [ -n "$(subcommands <<<"$help")" ] && return
  usage=$(sed -n 's/^Usage: [^ ]*/'"$name"'/p' <<<"$help")
  local block
  block=$(part "   $usage")
  [ -n "$block" ] || { fail "no subsection '$usage'"; return; }
  for option in $(long_options <<<"$help"); do
    grep -qE -- "(^|[ ,])$option( |$)" <<<"$block" || fail "'$usage' lacks $option"
  done
}
if [ -n "$("$program" --help | subcommands)" ]; then
  check_command
fi

version=$("$program" --version 2>/dev/null | grep -oE '[0-9]+(\.[0-9]+)+' | head -n 1)
if [ -n "$version" ]; then
  tail -n 1 <<<"$text" | grep -qF "$name $version" || fail "footer is not '$name $version'"
fi

if [ -n "$sources" ]; then
  grep -qx ENVIRONMENT <<<"$text" || fail "no section ENVIRONMENT"
  environment=$(part ENVIRONMENT)
  # What getenv and its kin read, and every quoted PELMORA_ name (read through helpers).
  for variable in $(grep -rhoE '((getenv|qgetenv|qEnvironmentVariable[A-Za-z]*)\()?"[A-Z_][A-Z0-9_]*"' "$sources" |
                      grep -E '^[a-zA-Z]+\(|^"PELMORA_' | grep -oE '"[A-Z0-9_]+"' | tr -d '"' | sort -u); do
    grep -qw -- "$variable" <<<"$environment" || fail "ENVIRONMENT lacks $variable"
  done
  statuses=$(part "EXIT STATUS")
  for status in $(grep -rhoE '\bExit[A-Za-z]+ = [0-9]+' "$sources/cli" | grep -oE '[0-9]+$' | sort -u); do
    grep -qE "^ +$status( |$)" <<<"$statuses" || fail "EXIT STATUS lacks $status"
  done
fi

echo "$name: man page checked against --help"
[ "$failures" -eq 0 ]
