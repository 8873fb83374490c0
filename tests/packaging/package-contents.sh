#!/usr/bin/env bash
# Usage: package-contents.sh CPACK_CONFIG OUT_DIR EXPECTED_DIR VERSION
# Builds the Debian packages from the build tree and checks what they hold: every
# file EXPECTED_DIR/<package>.txt lists, no file in two packages, no Qt for the command line, nothing world-writable, the control fields, the maintainer
# scripts, desktop entries that start programs the package holds, and
# software-centre entries that name its desktop entries and programs.
set -uo pipefail
config=$1 out=$2 expected=$3 version=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$out"
mkdir -p "$out"
cpack --config "$config" -G DEB -B "$out" > "$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
arch=$(dpkg --print-architecture)
control=$(mktemp -d) root=$(mktemp -d)
trap 'rm -rf "$control" "$root"' EXIT

# One list of expected files per package: pelmora.txt, pelmora-gui.txt.
all_paths=
for list in "$expected"/*.txt; do
  package=$(basename "$list" .txt)
  deb=$out/${package}_${version}_${arch}.deb
  [ -f "$deb" ] || { ls "$out"; echo "FAIL: no $deb"; exit 1; }
  listing=$(dpkg-deb -c "$deb") || exit 1
  paths=$(awk '{ print $6 }' <<<"$listing")
  while read -r path; do
    grep -qxF -- "$path" <<<"$paths" || fail "$package: missing $path"
  done < "$list"
  all_paths+=$(grep -v '/$' <<<"$paths")$'\n'

  writable=$(awk 'substr($1, 9, 1) == "w" && substr($1, 1, 1) != "l"' <<<"$listing")
  [ -z "$writable" ] || fail "$package: world-writable: $writable"

  field() { dpkg-deb -f "$deb" "$1"; }
  [ "$(field Package)" = "$package" ] || fail "Package is '$(field Package)', not $package"
  [ "$(field Version)" = "$version" ] || fail "$package: Version is '$(field Version)'"
  [ "$(field Architecture)" = "$arch" ] || fail "$package: Architecture is '$(field Architecture)'"
  [ -n "$(field Maintainer)" ] || fail "$package: no Maintainer"
  [[ $(field Description) == *$'\n'* ]] || fail "$package: no long description"
  # Computed from the shared libraries: the C library is always among them.
  [[ $(field Depends) == *libc6* ]] || fail "$package: Depends not computed: '$(field Depends)'"
  case $package in
    pelmora)
      # A headless till installs the command line without any graphical toolkit.
      [[ $(field Depends) != *qt6* && $(field Depends) != *libx* ]] || fail "pelmora depends on Qt: '$(field Depends)'"
      # Opened at run time (searches, pictures, inventory), where dpkg-shlibdeps cannot see them.
      for library in libudev1 libsystemd0 libpng16-16 libjpeg62-turbo libgif7 libnettle8; do
        [[ $(field Depends) == *$library* ]] || fail "pelmora does not depend on $library: '$(field Depends)'"
      done
      rm -rf "$control"/*
      dpkg-deb -e "$deb" "$control"
      for script in postinst postrm; do
        [ -x "$control/$script" ] || fail "no executable $script"
      done ;;
    pelmora-gui)
      [[ $(field Depends) == *"pelmora (= $version)"* ]] || fail "pelmora-gui does not depend on pelmora: '$(field Depends)'" ;;
  esac
  dpkg-deb -x "$deb" "$root"
done
# dpkg refuses to install two packages that hold the same file.
shared=$(sort <<<"$all_paths" | uniq -d | grep -v '^$')
[ -z "$shared" ] || fail "in more than one package: $shared"

# Every start would load libudev, libsystemd and what they pull in; only the searches need them.
for program in pelmora pelmora-sim; do
  needed=$(objdump -p "$root/usr/bin/$program" | awk '$1 == "NEEDED" { print $2 }')
  ! grep -qE '^lib(udev|systemd)\.' <<<"$needed" || fail "$program is linked with libudev or libsystemd: $needed"
done

# Device access goes to the seat's user through uaccess, never to everybody.
for rules in "$root"/usr/lib/udev/rules.d/*.rules; do
  [ -e "$rules" ] || continue
  grep -q 'TAG+="uaccess"' "$rules" || fail "$(basename "$rules") tags nothing with uaccess"
  ! grep -qE 'MODE[:+]?="?[0-7]*[2367]("|[^0-7]|$)' "$rules" || fail "$(basename "$rules") makes a node world-writable"
  # Every serial device a rule grants is a printer: no bare USB-serial or ACM node.
  ! grep -vE '^\s*#' "$rules" | grep -E 'uaccess' | grep -E 'ttyUSB|ttyACM' | grep -qv 'idVendor' ||
    fail "$(basename "$rules") grants every USB-serial device, not only printers"
  ! grep -vE '^\s*#' "$rules" | grep -E 'usbmisc' | grep -qv 'bInterfaceClass}=="07"' ||
    fail "$(basename "$rules") grants usbmisc nodes that are not printers"
done

# A menu entry must start a program of the package and show its icon (the
# entries' own validity is packaging.metadata's).
for entry in "$root"/usr/share/applications/*.desktop; do
  [ -e "$entry" ] || continue
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry" | head -n 1)
  [ -x "$root/usr/bin/$program" ] || fail "$(basename "$entry") starts '$program', not in /usr/bin"
  icon=$(sed -n 's/^Icon=//p' "$entry" | head -n 1)
  compgen -G "$root/usr/share/icons/hicolor/*/apps/$icon.*" >/dev/null || fail "$(basename "$entry"): no icon '$icon'"
done

# The changelog parses as Debian's, and its newest entry is this version.
changelog=$(zcat "$root/usr/share/doc/pelmora/changelog.gz" | dpkg-parsechangelog -l - -S Version 2>&1)
[ "$changelog" = "$version" ] || fail "changelog.gz: newest version '$changelog'"

# A software-centre entry launches a desktop entry of the package and provides its programs.
if compgen -G "$root/usr/share/metainfo/*.xml" >/dev/null; then
  problems=$(appstreamcli validate-tree --no-net "$root" 2>&1) || fail "software-centre entries: $problems"
  for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$root"/usr/share/metainfo/*.xml); do
    [ -x "$root/usr/bin/$binary" ] || fail "a software-centre entry provides '$binary', not in /usr/bin"
  done
fi

echo "$(cat "$expected"/*.txt | wc -l) expected files checked in $(ls "$out"/*.deb | wc -l) packages"
[ "$failures" -eq 0 ]
