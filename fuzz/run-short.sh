#!/usr/bin/env bash
# Runs every fuzz target on its seed corpus: fuzz/run-short.sh BUILD_DIR [SECONDS [MAX_LEN]]
# CI runs each for 10 s with inputs up to 4096 bytes; fuzz/README.md describes a longer run.
set -euo pipefail
dir="$1"; secs="${2:-10}"; maxlen="${3:-4096}"
here="$(cd "$(dirname "$0")" && pwd)"
shopt -s nullglob
for exe in "$dir"/*_fuzz; do
  name="$(basename "$exe")"
  corpus="$here/corpus/$name"
  work="$(mktemp -d)"
  [ -d "$corpus" ] && cp -r "$corpus/." "$work/"
  echo "fuzz: $name for ${secs}s"
  "$exe" -max_total_time="$secs" -max_len="$maxlen" -print_final_stats=0 "$work" 2>&1 | tail -n 2
  rm -rf "$work"
done
