#!/usr/bin/env bash
# Installs what is missing, builds, starts a fresh sandbox server and the desktop client against it.
# The client keeps its files (logs, settings) in the demo folder printed below.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
BUILD_DIR="${BUILD_DIR:-build}"
bash scripts/build.sh

DEMO_DIR="${DEMO_DIR:-$(mktemp -d /tmp/courier-desk-demo.XXXXXX)}"
mkdir -p "$DEMO_DIR"
# Without a display (a server or CI shell) the window runs offscreen; it still logs everything.
source scripts/env.sh

"$BUILD_DIR/sandbox/courier-sandbox" --link-port 0 --lookup-port 0 --workdir "$DEMO_DIR/sandbox" \
    > "$DEMO_DIR/sandbox.out" 2>&1 &
SANDBOX_PID=$!
trap 'kill "$SANDBOX_PID" 2>/dev/null || true' EXIT

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

export COURIER_DESK_CONFIG="$DEMO_DIR/sandbox/courier_desk.conf"
export COURIER_DESK_HOME="$DEMO_DIR/client"
echo "client files: $COURIER_DESK_HOME (daily log under LOG/)"
"$BUILD_DIR/app/courier-desk" "$@"
