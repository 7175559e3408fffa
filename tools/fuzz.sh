#!/usr/bin/env bash
# Builds every libFuzzer target listed in tests/fuzz/targets.txt with clang and
# runs each for a bounded time from its committed seed corpus
# (tests/fuzz/corpus/<name>/). Exits non-zero on any finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${YZ_FUZZ_SECONDS:-20}
out=${YZ_FUZZ_DIR:-$root/build-fuzz}
mkdir -p "$out"
status=0
while IFS= read -r line; do
  case "$line" in ''|'#'*) continue ;; esac
  name=${line%%:*}
  sources=${line#*:}
  srcs=()
  for s in $sources; do srcs+=("$root/$s"); done
  bin="$out/fuzz_$name"
  clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root" "$root/tests/fuzz/$name.cpp" "${srcs[@]}" -o "$bin" -ldl
  work="$out/corpus_$name"
  rm -rf "$work"; mkdir -p "$work"
  [ -d "$root/tests/fuzz/corpus/$name" ] && cp -r "$root/tests/fuzz/corpus/$name/." "$work/"
  echo "fuzz $name: ${seconds}s"
  if ! (cd "$out" && "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$out/crash_${name}_" "$work" >"$out/fuzz_$name.log" 2>&1); then
    echo "fuzz $name: FINDING, see $out/fuzz_$name.log"; tail -n 30 "$out/fuzz_$name.log"; status=1
  else
    echo "fuzz $name: $(grep -o 'Done [0-9]* runs' "$out/fuzz_$name.log" | tail -n1), no finding"
  fi
done < "$root/tests/fuzz/targets.txt"
exit $status
