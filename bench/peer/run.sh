#!/usr/bin/env bash
# Peer comparison of the formula engine (minutes; not part of CI).
#   bench/peer/run.sh [BUILD_DIR] [SIZES...]     default: build/default, 100000 1000000
# CMAKE names the cmake that builds the two programs (a wrapper that takes the same arguments
# will do); SKIP_BUILD=1 takes them as they are.
# Installs the peer engine into bench/peer/node_modules (ignored by git), generates each
# workload by seed, runs both engines, checks that every value agrees, and prints a table.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:-$root/build/default}"; shift || true
sizes=("${@:-100000 1000000}"); sizes=(${sizes[@]})
[ -d "$here/node_modules/hyperformula" ] || (cd "$here" && npm install --silent --no-audit --no-fund)
[ "${SKIP_BUILD:-0}" = 1 ] || "${CMAKE:-cmake}" --build "$build" --target peer_engine vnstd >/dev/null
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
# Times are wall-clock seconds; the *_cpu_x ratios compare processor time, steadier on a busy
# machine. calc_cli_s: the whole `vnstd sheet calc` process, best of 3; cli_x: the peer's build
# over it.
printf '%-7s %8s | %9s %9s %8s | %9s %9s %8s | %7s %7s %6s | %9s %9s | %9s %6s\n' kind cells \
  peer_build peer_recalc peer_MiB our_build our_recalc our_MiB build_x recalc_x mem_x \
  bld_cpu_x rec_cpu_x calc_cli_s cli_x
for cells in "${sizes[@]}"; do
  for kind in mixed chain grid; do
    csv="$work/$kind-$cells.csv"
    node "$here/gen.mjs" "$kind" "$cells" 7 > "$csv"
    peer=$(node --expose-gc --max-old-space-size=16000 "$here/hf.mjs" "$csv" "$work/peer.csv")
    ours=$("$build/bench/peer_engine" "$csv" "$work/ours.csv")
    node "$here/compare.mjs" "$work/peer.csv" "$work/ours.csv" >&2 || echo "warning: $kind $cells: values differ" >&2
    cli=$(for k in 1 2 3; do
      { /usr/bin/time -f %e "$build/tools/vnstd/vnstd" sheet calc "$csv" >/dev/null; } 2>&1 | tail -n1
    done | sort -n | head -n1)
    node -e '
      const p = JSON.parse(process.argv[1]), o = JSON.parse(process.argv[2]);
      const f = (x, d) => x.toFixed(d);
      console.log([process.argv[3].padEnd(7), process.argv[4].padStart(8), "|",
        f(p.build_s, 3).padStart(9), f(p.recalc_s, 4).padStart(9), f(p.peak_mib, 0).padStart(8), "|",
        f(o.build_s, 3).padStart(9), f(o.recalc_s, 4).padStart(9), f(o.peak_mib, 0).padStart(8), "|",
        f(p.build_s / o.build_s, 1).padStart(7), f(p.recalc_s / o.recalc_s, 1).padStart(7),
        f(p.peak_mib / o.peak_mib, 1).padStart(6), "|",
        f(p.build_cpu_s / o.build_cpu_s, 1).padStart(9), f(p.recalc_cpu_s / o.recalc_cpu_s, 1).padStart(9),
        "|", process.argv[5].padStart(9), f(p.build_s / Number(process.argv[5]), 1).padStart(6)].join(" "));
    ' "$peer" "$ours" "$kind" "$cells" "$cli"
  done
done
