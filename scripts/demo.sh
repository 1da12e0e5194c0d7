#!/usr/bin/env bash
# The demo: the dealership web server with its demo data on a free loopback port, and the client
# pointed at it through the INI file of a demo folder. Closing the window stops the server.
# Usage: scripts/demo.sh [build folder]   (GARVEX_DEMO_DIR: the demo folder, default demo-run/)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build}
SERVER=$BUILD/webserver/garvex-webserver
CLIENT=$BUILD/src/app/garvex
DEMO=${GARVEX_DEMO_DIR:-$ROOT/demo-run}

# The demo dealership, its first used vehicle and its super-administrator.
CONCESSION=MER
ID_TVO=1001
ID_USER=1000001

log() { printf '\033[1m[demo]\033[0m %s\n' "$*" >&2; }

for program in "$SERVER" "$CLIENT"; do
  if [[ ! -x $program ]]; then
    log "$(basename "$program") n'est pas encore construit ($program) : rien à lancer"
    exit 0
  fi
done
if [[ -z ${DISPLAY:-}${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
  log "pas d'écran : la fenêtre s'ouvre hors écran ; Ctrl+C pour tout arrêter"
  export QT_QPA_PLATFORM=offscreen
fi
mkdir -p "$DEMO/Garvex" "$DEMO/temp" "$DEMO/components"

# A demo window already open for this folder: bring it to the front and leave its server alone.
lock=$DEMO/Garvex/ProjGarvex.lock
if [[ -f $lock ]] && kill -0 "$(head -n1 "$lock")" 2>/dev/null; then
  APPDATA=$DEMO exec "$CLIENT"
fi

rm -rf "$DEMO/demo.sqlite" "$DEMO/photos"
"$SERVER" --db "$DEMO/demo.sqlite" --port 0 --init-demo >"$DEMO/webserver.log" 2>&1 &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true' EXIT

port=
for _ in $(seq 600); do
  port=$(sed -n 's/^garvex-webserver: listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$DEMO/webserver.log")
  [[ -n $port ]] && break
  if ! kill -0 "$server_pid" 2>/dev/null; then
    log "le serveur de démonstration s'est arrêté :"
    cat "$DEMO/webserver.log" >&2
    exit 1
  fi
  sleep 0.1
done
if [[ -z $port ]]; then
  log "le serveur de démonstration ne répond pas (voir $DEMO/webserver.log)"
  exit 1
fi
base=http://127.0.0.1:$port/
log "serveur de démonstration : $base (journal : $DEMO/webserver.log)"

# The installed component matches the version the parameters expect.
printf '1.0.0.0\n' >"$DEMO/components/AxGarvex.ocx.version"
printf '%s\r\n' \
  '[Options]' \
  "HttpRoot=$base" \
  "BaseHRef=$base" \
  "idTVO=$ID_TVO" \
  'OCXName=AxGarvex.ocx' \
  'OCXVersion=1,0,0,0' \
  "OCXFolder=$DEMO/components" \
  "URLImages=${base}voimages/" \
  "idUser=$ID_USER" \
  "UserConcession=$CONCESSION" \
  'UserSite=#' \
  'idTypeVO=1' \
  'Trace=1' \
  "TraceRepTemp=$DEMO/temp" >"$DEMO/Garvex/TAXGarvex.ini"

log "fenêtre Garvex (paramètres : $DEMO/Garvex/TAXGarvex.ini, trace : $DEMO/temp/TAXGarvex.log)"
APPDATA=$DEMO "$CLIENT"
