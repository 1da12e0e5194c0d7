#!/usr/bin/env bash
# Requests per second and latency of the web server under wrk (2 threads, 32 connections, loopback):
# AxInfoVO of one vehicle, and a customer-name search over 100,000 customers.
# Usage: compare_webserver_wrk.sh BUILD_DIR [SECONDS]
set -euo pipefail
BUILD=${1:?build folder}
SECONDS_RUN=${2:-10}
BIN=$BUILD/webserver/garvex-webserver
WORK=$(mktemp -d)
SERVER_PID=
cleanup() {
  [[ -n $SERVER_PID ]] && kill "$SERVER_PID" 2>/dev/null && wait "$SERVER_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

echo "== base de démonstration : 2 x 50 000 clients, 2 x 120 véhicules"
"$BIN" --db "$WORK/bench.db" --init-demo --demo-customers 50000 --demo-vehicles 120 --port 0 >"$WORK/server.log" 2>&1 &
SERVER_PID=$!
for _ in $(seq 600); do
  grep -q 'listening on' "$WORK/server.log" && break
  kill -0 "$SERVER_PID" 2>/dev/null || { cat "$WORK/server.log"; exit 1; }
  sleep 0.1
done
PORT=$(sed -n 's/.*listening on 127.0.0.1:\([0-9]*\).*/\1/p' "$WORK/server.log")
ROOT="http://127.0.0.1:$PORT/garvex"
# The demo's first used vehicle, with its costs and photos.
ID=1001
COUNT=$(curl -sg "$ROOT/AxQuery?XMLC_OutputFormat=XML&SQL=select%20count(*)%20as%20n%20from%20tClients&idClient=" |
  sed -n 's/.*<n>\([0-9]*\)<\/n>.*/\1/p')
echo "   clients : $COUNT, serveur sur le port $PORT"

VO="$ROOT/AxInfoVO?XMLC_OutputFormat=XML&idTVO=$ID&UserID=1000001&idClient="
SEARCH="$ROOT/AxQuery?XMLC_OutputFormat=XML&SQL=SELECT%20-1%20AS%20TypeVO,%20idClient%20AS%20VO_ID,%20idClient%20AS%20VO_NO,%20CliMobile,%20[CliCP],%20[CliVille],%20[CliAdresse1],%20[CliAdresse2],%20[CliNom],%20[CliPrenom],%20CliTelDom,%20Site%20AS%20VO_SITE,%20Concession,%20idOwner%20FROM%20TClients%20Where%20(Concession='MER')%20and%20((CliNom%20like%20'%25DUP%25'))%20ORDER%20BY%20CliNom,%20CliPreNom,%20idClient%20desc&MaxRows=50&idClient="

for name in VO SEARCH; do
  url=${!name}
  curl -sgf "$url" | grep -q -e '<tVO>' -e 'RowCount="50"' || { echo "réponse inattendue pour $name"; exit 1; }
  echo "== $name : wrk -t2 -c32 -d${SECONDS_RUN}s --latency"
  wrk -t2 -c32 -d"${SECONDS_RUN}s" --latency "$url" | grep -E 'Requests/sec|Latency|50%|75%|90%|99%|requests in|Socket errors|Non-2xx'
done
