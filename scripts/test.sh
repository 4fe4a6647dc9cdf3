#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. The thread
# tests run first under ThreadSanitizer and the scanner is fuzzed for a minute
# (separate builds); CTest runs last so its summary closes the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$jobs"

# --- ThreadSanitizer: the thread tests again; no race may be reported.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMBRICK_TSAN=ON > /dev/null
cmake --build build-tsan -j "$jobs" --target library_tests demo_tests
TSAN_OPTIONS="halt_on_error=1 exitcode=66" \
  build-tsan/tests/library/library_tests --gtest_filter='*Thread*:*Worker*' --gtest_brief=1
# The demo's failure tests turn faults into exceptions from a signal handler,
# which ThreadSanitizer does not allow; its thread tests provoke none.
TSAN_OPTIONS="halt_on_error=1 exitcode=66" \
  build-tsan/tests/demo/demo_tests --gtest_filter='*Thread*:*Worker*' --gtest_brief=1

# --- The scanner under libFuzzer and AddressSanitizer (clang): 60 seconds
# from the corpus in tests/assistant/scanner/fuzz/corpus.
bash scripts/fuzz-scanner.sh 60

# --- Every test.
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300
