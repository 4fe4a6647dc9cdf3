#!/usr/bin/env bash
# Builds the scanner's libFuzzer target with clang and AddressSanitizer, then
# fuzzes for a bounded time (seconds, default 60) from the corpus kept in
# tests/assistant/scanner/fuzz/corpus. New inputs go to a temporary folder,
# not into the repository; an input that fails is kept in <build>/artifacts.
# Exits non-zero on a crash, hang or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer -include $PWD/tests/assistant/scanner/fuzz/SourceLocationShim.h" \
  -DLUMBRICK_FUZZ=ON > /dev/null
cmake --build "$build" --target scanner_fuzz

found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
mkdir -p "$build/artifacts"
ASAN_OPTIONS="detect_leaks=1" "$build/tests/assistant/scanner/scanner_fuzz" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$found" tests/assistant/scanner/fuzz/corpus
