#!/usr/bin/env bash
# The program with a simulated device: starts orvik-sim (ОРВИК 5 "расширяемый"
# with a configured demonstration plant) on a pseudo-terminal, starts the
# program with that terminal chosen under "Др" in the exchange window, and
# stops the simulator when the program exits.
#   scripts/demo.sh BINDIR      BINDIR holds nastrum (build/<preset>/src/app)
set -euo pipefail

bindir=${1:?usage: scripts/demo.sh BINDIR}
build=$(cd "$bindir/../.." && pwd)
sim="$build/sim/orvik-sim"
program="$bindir/nastrum"
for f in "$sim" "$program"; do
  [ -x "$f" ] || { echo "demo: $f is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/orvik-demo.XXXXXX")
link="$work/orvik"
log="$work/orvik-sim.log"

"$sim" --kind 2 --demo --link "$link" >"$log" 2>&1 &
sim_pid=$!
stop_sim() {
  kill "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap stop_sim EXIT
trap 'exit 130' INT TERM

for _ in $(seq 100); do
  grep -q '^orvik-sim ready' "$log" 2>/dev/null && break
  kill -0 "$sim_pid" 2>/dev/null || { cat "$log" >&2; exit 1; }
  sleep 0.1
done
grep -q '^orvik-sim ready' "$log" || { echo "demo: orvik-sim did not start" >&2; cat "$log" >&2; exit 1; }

echo "Simulated ОРВИК 5 расширяемый on $link (chosen under \"Др\" in \"Параметры обмена\")."
echo "Try \"Чтение с ОРВИК\", then \"Чтение параметров\"; the names password is empty."
"$program" --demo-port "$link"
