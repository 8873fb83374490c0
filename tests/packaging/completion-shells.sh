#!/usr/bin/env bash
# Usage: completion-shells.sh COMPLETION_DIR BIN_DIR
# The zsh and fish completions, loaded by each shell, complete partial words
# from the programs' own --help. fish completes for real (complete -C); zsh's
# completion builtins need its line editor, so compadd and _files are stood in
# for by functions that print what would be offered.
set -uo pipefail
completions=$1 bin=$2
export PATH=$bin/cli:$bin/sim:$PATH
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch printer.fls
cat > offers.zsh <<'ZSH'
compadd() {
    local array=
    while (( $# )); do
        case $1 in
            -S|-P|-J|-X) shift 2 ;;
            -a) array=$2; shift 2 ;;
            -*) shift ;;
            *) break ;;
        esac
    done
    [[ -n $array ]] && print -l -- "${(@P)array}"
    (( $# )) && print -l -- "$@"
    return 0
}
_files() { print FILES; }
source "$COMPLETION" >/dev/null 2>&1
words=("$@"); CURRENT=$#
_pelmora
ZSH

# The words of a command line, the last being completed => a word among the offers.
zsh_offers() {
  local wanted=$1
  shift
  COMPLETION=$completions/_pelmora zsh offers.zsh "$@" | grep -qxF -- "$wanted" || fail "zsh '$*' does not offer $wanted"
}
fish_offers() {
  local wanted=$1 line=$2
  fish -c "source $completions/pelmora.fish; complete -C '$line'" | cut -f1 | grep -qxF -- "$wanted" ||
    fail "fish '$line' does not offer $wanted"
}

zsh_offers config pelmora con
zsh_offers set pelmora config se
zsh_offers Density= pelmora config set Den
zsh_offers --tcp pelmora --tc
zsh_offers --dither pelmora --tcp host nv download --d
zsh_offers FILES pelmora firmware pr
zsh_offers FILES pelmora --tcp ho
zsh_offers --listen pelmora-sim --li

fish_offers config 'pelmora con'
fish_offers Density= 'pelmora config set Dens'
fish_offers --dither 'pelmora --tcp host nv download --d'
fish_offers printer.fls 'pelmora firmware pr'
fish_offers --listen 'pelmora-sim --li'

[ $failures -eq 0 ] && echo "zsh and fish completions: all offers found"
exit $((failures > 0))
