#!/usr/bin/env bash
# Posts a notice or a message into a running sandbox (for demos and manual tests).
#
#   scripts/post_message.sh <sandbox workdir> message [to_id] [title] [content] [type]
#   scripts/post_message.sh <sandbox workdir> notice [title] [body] [kind]
#
# The workdir is the one given to courier-sandbox --workdir (run_demo.sh: $DEMO_DIR/sandbox); the
# address and certificate are read from its courier_desk.conf. A message type of 7001/7002 ends the
# client, 7005 reloads the cash balance, 7006 reloads a delivery group (add1), 7011 asks for the logs
# ("yyyymmdd~yyyymmdd" as content).
set -euo pipefail
workdir="${1:?sandbox workdir}"
what="${2:-message}"
conf="$workdir/courier_desk.conf"
if [ ! -f "$conf" ]; then
    echo "post_message: $workdir is not a sandbox folder (no courier_desk.conf there)." >&2
    echo "Give the folder of a running sandbox: run_demo.sh's is <demo folder>/sandbox," >&2
    echo "e.g. ~/.local/share/courier-desk-demo/sandbox; courier-sandbox alone uses ~/.local/share/courier-sandbox." >&2
    exit 1
fi
command -v curl >/dev/null || { echo "post_message: curl is missing; bash scripts/install_deps.sh installs it" >&2; exit 1; }
host="$(sed -n 's/^[[:space:]]*web\.host[[:space:]]*=[[:space:]]*//p' "$conf" | head -n1)"
ca="$(sed -n 's/^[[:space:]]*tls\.ca_file[[:space:]]*=[[:space:]]*//p' "$conf" | head -n1)"
[ -n "$host" ] || { echo "no web.host in $conf" >&2; exit 1; }

json_string() { python3 -c 'import json,sys; print(json.dumps(sys.argv[1]))' "$1"; }

if [ "$what" = "notice" ]; then
    body="{\"what\":\"notice\",\"kind\":$(json_string "${5:-플랫폼공지}"),\"title\":$(json_string "${3:-공지}"),\"body\":$(json_string "${4:-<p>공지 내용</p>}")}"
else
    body="{\"what\":\"message\",\"to_id\":$(json_string "${3:-demo}"),\"title\":$(json_string "${4:-알림}"),\"content\":$(json_string "${5:-샌드박스에서 보낸 메세지입니다.}"),\"type\":$(json_string "${6:-4001}")}"
fi
curl --silent --show-error --fail --cacert "$ca" -H 'Content-Type: application/json' \
    --data-binary "$body" "$host/sandbox/post-message"
echo
