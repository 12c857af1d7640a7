#!/usr/bin/env bash
# Rings a call in a running sandbox: its caller-ID server answers the client's next poll with the
# call, and its serial box sends it.
#
#   scripts/ring.sh <number> [line] [sandbox workdir]
#
# line is the number that was called (default: the demo store's telephone). The workdir defaults
# to run_demo.sh's ($DEMO_DIR/sandbox, ~/.local/share/courier-desk-demo/sandbox).
set -euo pipefail
number="${1:?usage: ring.sh <number> [line] [sandbox workdir]}"
line="${2:-}"
demo_dir="${DEMO_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/courier-desk-demo}"
workdir="${3:-$demo_dir/sandbox}"
conf="$workdir/courier_desk.conf"
[ -f "$conf" ] || { echo "ring: $workdir is not a running sandbox's folder (no courier_desk.conf)" >&2; exit 1; }
command -v curl >/dev/null || { echo "ring: curl is missing; bash scripts/install_deps.sh installs it" >&2; exit 1; }
host="$(sed -n 's/^[[:space:]]*web\.host[[:space:]]*=[[:space:]]*//p' "$conf" | head -n1)"
ca="$(sed -n 's/^[[:space:]]*tls\.ca_file[[:space:]]*=[[:space:]]*//p' "$conf" | head -n1)"
[ -n "$host" ] || { echo "no web.host in $conf" >&2; exit 1; }
body="{\"number\":\"$number\",\"line\":\"$line\"}"
case "$number$line" in *[!0-9-]*) echo "ring: numbers are digits and '-'" >&2; exit 1;; esac
curl --silent --show-error --fail --cacert "$ca" -H 'Content-Type: application/json' \
    --data-binary "$body" "$host/sandbox/ring"
echo
