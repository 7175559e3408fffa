#!/usr/bin/env bash
# Builds every libFuzzer target listed in tests/fuzz/targets.txt with clang and
# runs each for a bounded time from its committed seed corpus
# (tests/fuzz/corpus/<name>/). Exits non-zero on any finding. A fuzzer keeps
# one core busy for its whole time, so as many run at once as there are cores
# (YZ_FUZZ_JOBS): each still gets its full time of a core.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${YZ_FUZZ_SECONDS:-20}
out=${YZ_FUZZ_DIR:-$root/build-fuzz}
jobs=${YZ_FUZZ_JOBS:-$(nproc)}
mkdir -p "$out"

# fuzz NAME SOURCES...: builds and runs one target; its report goes to
# $out/report_NAME, and it fails on a finding.
fuzz() {
  local name=$1; shift
  local srcs=() s
  for s in "$@"; do srcs+=("$root/$s"); done
  local bin="$out/fuzz_$name" work="$out/corpus_$name" report="$out/report_$name"
  if ! clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
      -I"$root" "$root/tests/fuzz/$name.cpp" "${srcs[@]}" -o "$bin" -ldl >"$report" 2>&1; then
    echo "fuzz $name: does not build" >>"$report"; return 1
  fi
  rm -rf "$work"; mkdir -p "$work"
  [ -d "$root/tests/fuzz/corpus/$name" ] && cp -r "$root/tests/fuzz/corpus/$name/." "$work/"
  if ! (cd "$out" && "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$out/crash_${name}_" "$work" >"$out/fuzz_$name.log" 2>&1); then
    { echo "fuzz $name (${seconds}s): FINDING, see $out/fuzz_$name.log"; tail -n 30 "$out/fuzz_$name.log"; } >>"$report"
    return 1
  fi
  echo "fuzz $name (${seconds}s): $(grep -o 'Done [0-9]* runs' "$out/fuzz_$name.log" | tail -n1), no finding" >>"$report"
}

names=()
pids=()
while IFS= read -r line; do
  case "$line" in ''|'#'*) continue ;; esac
  name=${line%%:*}
  # shellcheck disable=SC2086 # the sources are a list
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz "$name" ${line#*:} &
  names+=("$name")
  pids+=($!)
done < "$root/tests/fuzz/targets.txt"

status=0
for i in "${!names[@]}"; do
  wait "${pids[$i]}" || status=1
  cat "$out/report_${names[$i]}" 2>/dev/null || echo "fuzz ${names[$i]}: no report"
done
exit $status
