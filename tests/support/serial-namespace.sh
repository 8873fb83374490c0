#!/bin/sh
# serial-namespace.sh LINE[,LINE...] COMMAND...: runs COMMAND in a private
# mount namespace whose /sys/class/tty names each LINE (a /dev path) as a tty,
# which is how libserialport tells a serial line. Needs root; the real /sys is
# untouched. SERIAL_NAMESPACE_PRELOAD, when set, becomes COMMAND's LD_PRELOAD
# (and only its).
set -eu
lines=$1
shift
exec unshare --mount --propagation private sh -eu -c '
    mount -t tmpfs pelmora-tty /sys/class/tty
    for line in $(echo "$0" | tr "," " "); do
        name=${line#/dev/}
        mkdir -p "/sys/class/tty/$(dirname "$name")"
        ln -s "../../devices/virtual/tty/$(basename "$name")" "/sys/class/tty/$name"
    done
    exec env ${SERIAL_NAMESPACE_PRELOAD:+LD_PRELOAD="$SERIAL_NAMESPACE_PRELOAD"} "$@"' "$lines" "$@"
