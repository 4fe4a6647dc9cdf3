#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. The thread
# tests run first under ThreadSanitizer, the window, model and scanner tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the scanner is
# fuzzed for a minute (separate builds); CTest runs last so its summary closes
# the output.
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

# --- AddressSanitizer and UndefinedBehaviorSanitizer: the assistant's window
# tests, the platform's window tests, the model and the scanner again; a use
# after free, an overflow or undefined behaviour fails the run. Leaks are not
# looked for: the windows' hosts live to the process's end on purpose.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMBRICK_ASAN=ON > /dev/null
cmake --build build-asan -j "$jobs" --target ui_tests platform_gui_tests model_tests scanner_tests
export ASAN_OPTIONS="detect_leaks=0" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
build-asan/tests/assistant/ui/ui_tests --gtest_brief=1
# A read through a null pointer turned into an exception from the signal
# handler is undefined behaviour by design.
build-asan/tests/platform/gui/platform_gui_tests --gtest_filter='-*ABadPointer*' --gtest_brief=1
build-asan/tests/assistant/model/model_tests --gtest_brief=1
build-asan/tests/assistant/scanner/scanner_tests --gtest_brief=1
unset ASAN_OPTIONS UBSAN_OPTIONS

# --- The scanner under libFuzzer and AddressSanitizer (clang): 60 seconds
# from the corpus in tests/assistant/scanner/fuzz/corpus.
bash scripts/fuzz-scanner.sh 60

# --- Every test.
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300
