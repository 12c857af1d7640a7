#!/usr/bin/env bash
# Installs what is missing, builds, starts a fresh sandbox server and the desktop client against it.
#
# The client keeps its files (logs, settings, the saved ID) in one demo folder per user, so they
# are there again at the next run: $DEMO_DIR if set, else $XDG_DATA_HOME/courier-desk-demo
# (~/.local/share/courier-desk-demo). With --fresh the run uses a new empty folder instead and
# leaves the usual one alone. Every other argument goes to the client.
set -euo pipefail
cd "$(dirname "$0")/.."

FRESH=0
CLIENT_ARGS=()
for arg in "$@"; do
    if [ "$arg" = "--fresh" ]; then
        FRESH=1
    else
        CLIENT_ARGS+=("$arg")
    fi
done

bash scripts/install_deps.sh
BUILD_DIR="${BUILD_DIR:-build}"
# Only what the demo runs: the app and the sandbox, not the tests and benchmarks.
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j"$(nproc)" --target courier-desk courier-sandbox courier-receipt-printer

if [ "$FRESH" -eq 1 ]; then
    DEMO_DIR="$(mktemp -d /tmp/courier-desk-demo.XXXXXX)"
else
    DEMO_DIR="${DEMO_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/courier-desk-demo}"
fi
mkdir -p "$DEMO_DIR"
echo "demo folder: $DEMO_DIR"
# Without a display (a server or CI shell) the window runs offscreen; it still logs everything.
source scripts/env.sh

# The demo's telephones: a caller-ID server on CID_PORT and a serial caller-ID box linked at
# $DEMO_DIR/sandbox/cid-box; scripts/ring.sh rings them.
export COURIER_SANDBOX_CID_PORT="${CID_PORT:-20005}"
export COURIER_SANDBOX_CID_BOX="$DEMO_DIR/sandbox/cid-box"
mkdir -p "$DEMO_DIR/sandbox"
"$BUILD_DIR/sandbox/courier-sandbox" --link-port 0 --lookup-port 0 --workdir "$DEMO_DIR/sandbox" \
    > "$DEMO_DIR/sandbox.out" 2>&1 &
SANDBOX_PID=$!
trap 'kill "$SANDBOX_PID" 2>/dev/null || true' EXIT

# The receipt printer of the demo: a network printer on 127.0.0.1:$PRINTER_PORT and a serial one on
# a pseudo-terminal. Every receipt lands in $DEMO_DIR/receipts as text and as a picture.
PRINTER_PORT="${PRINTER_PORT:-9100}"
PRINTER_TTY="$DEMO_DIR/receipt-printer-tty"
"$BUILD_DIR/sandbox/courier-receipt-printer" --folder "$DEMO_DIR/receipts" --port "$PRINTER_PORT" \
    --serial-link "$PRINTER_TTY" > "$DEMO_DIR/receipt-printer.out" 2>&1 &
PRINTER_PID=$!
trap 'kill "$SANDBOX_PID" "$PRINTER_PID" 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do
    grep -q "PRINTER READY" "$DEMO_DIR/receipt-printer.out" 2>/dev/null && break
    sleep 0.1
done
grep "PRINTER READY" "$DEMO_DIR/receipt-printer.out" || cat "$DEMO_DIR/receipt-printer.out" >&2
echo "receipts the demo prints: $DEMO_DIR/receipts"
# Same-day labels go to PDF files there, standing in for the label printer.
export COURIER_DESK_LABEL_PDF_DIR="$DEMO_DIR/labels"

for _ in $(seq 1 100); do
    grep -q "SANDBOX READY" "$DEMO_DIR/sandbox.out" 2>/dev/null && break
    sleep 0.1
done
if ! grep -q "SANDBOX READY" "$DEMO_DIR/sandbox.out"; then
    echo "the sandbox did not start:" >&2
    cat "$DEMO_DIR/sandbox.out" >&2
    exit 1
fi
grep "SANDBOX READY" "$DEMO_DIR/sandbox.out"
echo "requests the sandbox received: $DEMO_DIR/sandbox/requests.log"

export COURIER_DESK_CONFIG="$DEMO_DIR/sandbox/courier_desk.conf"
export COURIER_DESK_HOME="$DEMO_DIR/client"
# The client polls the sandbox's caller-ID server unless its settings say otherwise already.
mkdir -p "$COURIER_DESK_HOME"
CLIENT_INI="$COURIER_DESK_HOME/CourierDesk_env.ini"
if ! grep -qi '^\[CID\]' "$CLIENT_INI" 2>/dev/null; then
    printf '\n[CID]\nUSE=1\nSERVER_IP=127.0.0.1\nPort=%s\nNaeSun=1001\n' "$COURIER_SANDBOX_CID_PORT" >> "$CLIENT_INI"
fi
grep "SANDBOX CID" "$DEMO_DIR/sandbox.out" || echo "caller ID: the sandbox's caller-ID server did not start (see sandbox.out)"
# The client's printer slots point at the demo's printer the first time: slot 1 the network
# printer (customer and store copies), slot 2 the serial one (kitchen copies).
if ! grep -q '^\[Print1\]' "$CLIENT_INI" 2>/dev/null; then
    cat >> "$CLIENT_INI" <<INI
[Print1]
USE=1
TYPE=1
GUBUN=1
NAME=127.0.0.1
RAGE=$PRINTER_PORT
PRT_TYPE=0
PRT_ST_1001=1
TPRT_ST_2001=1
PRT_OUT=1100
[Print2]
USE=1
TYPE=0
GUBUN=0
NAME=$PRINTER_TTY
RAGE=9600
PRT_TYPE=0
PRT_ST_1001=1
TPRT_ST_2001=1
PRT_OUT=0010
INI
fi
echo "client files: $COURIER_DESK_HOME (daily log under LOG/)"
"$BUILD_DIR/app/courier-desk" ${CLIENT_ARGS[@]+"${CLIENT_ARGS[@]}"}
