#!/usr/bin/env bash
# Usage: completion.sh COMPLETION_FILE PELMORA PELMORA_SIM
# Loads the completion as bash-completion does and completes partial words.
set -uo pipefail
completion=$1 pelmora=$2 sim=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion || { echo "FAIL: bash-completion is not installed"; exit 1; }
# shellcheck disable=SC1090
source "$completion"
# compopt acts only inside real completion; remember what was asked instead.
compopt() { options_set+=" $*"; }

for command in pelmora pelmora-sim; do
  [ "$(complete -p "$command" 2>&1)" = "complete -F _pelmora $command" ] || fail "complete -p $command: $(complete -p "$command" 2>&1)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch printer.fls spare.FLS notes.txt logo.png
mkdir old

# The words of a command line, the last one being completed => the sorted offers.
check() {
  local expected=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  options_set=""
  _pelmora "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
  [ "$got" = "$expected" ] || fail "'${*:2}': expected [$expected], got [$got]"
}

check "config"                                   "$pelmora" con
check "--tcp --trace --transcript"               "$pelmora" --t
check "set"                                      "$pelmora" config s
check "delete download"                          "$pelmora" --tcp 10.0.0.5 nv d
check "--brightness"                             "$pelmora" nv download --auto --b
check "--all"                                    "$pelmora" nv print --a
check "Density="                                 "$pelmora" config set Den
[[ $options_set == *nospace* ]] || fail "a field's '=' is followed by a space"
check "StartSentinel[1]= StartSentinel[2]= StartSentinel[3]=" "$pelmora" config set --force StartS
check "TimeOff= TimeSave="                       "$pelmora" --serial /dev/ttyUSB0 config diff Density=5 Ti
check "BtConnMode= BtDeviceName= BtKeep= BtPinCode= BtSecurity=" "$pelmora" config set --from shop.json Bt
check "old printer.fls spare.FLS"                "$pelmora" firmware ""
check "printer.fls"                              "$pelmora" firmware --force pr
check "logo.png notes.txt old printer.fls spare.FLS" "$pelmora" --transcript ""
check "even none odd"                            "$pelmora" --parity ""
check "dtr-dsr"                                  "$pelmora" --serial /dev/ttyUSB0 --flow d
check ""                                         "$pelmora" --baud ""
check "--replay"                                 "$sim" --rep
check "--fault --firmware-out"                   "$sim" --f

echo "completion checked"
[ "$failures" -eq 0 ]
