#!/bin/sh
# Builds everything and runs every test headless: first a normal build, then the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, then (with clang) the budget file fuzzer
# and the bank statement fuzzer for a bounded time shared between them.
set -e
cd "$(dirname "$0")"
./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
JOBS=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUDGET_SANITIZE=ON -DBUDGET_BENCH=OFF
cmake --build build-asan -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$JOBS"

if command -v clang++ >/dev/null 2>&1; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DBUDGET_FUZZ_BUILD=ON
    cmake --build build-fuzz -j "$JOBS" --target fuzz_budget_file fuzz_statements
    # FUZZ_SECONDS is shared: half to the budget file, half to the statements, at least 1 each.
    FUZZ_TOTAL=${FUZZ_SECONDS:-60}
    FUZZ_STATEMENT_SECONDS=$((FUZZ_TOTAL / 2))
    FUZZ_FILE_SECONDS=$((FUZZ_TOTAL - FUZZ_STATEMENT_SECONDS))
    [ "$FUZZ_STATEMENT_SECONDS" -ge 1 ] || FUZZ_STATEMENT_SECONDS=1
    [ "$FUZZ_FILE_SECONDS" -ge 1 ] || FUZZ_FILE_SECONDS=1
    rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus
    build/budget-cli new build-fuzz/corpus/new.bgt
    build/budget-cli demo build-fuzz/corpus/demo.bgt
    rm -f build-fuzz/corpus/*.lock build-fuzz/corpus/*.bak
    # Crafted budgets that once found faults start the fuzzer beside the generated ones.
    if [ -d fuzz/corpus ]; then cp fuzz/corpus/* build-fuzz/corpus/ 2>/dev/null || true; fi
    ASAN_OPTIONS=detect_leaks=1 build-fuzz/fuzz/fuzz_budget_file -max_total_time="$FUZZ_FILE_SECONDS" \
        -max_len=200000 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/corpus
    # One statement of each format starts the statement fuzzer (its first byte picks the options).
    rm -rf build-fuzz/statements && mkdir -p build-fuzz/statements && cp fuzz/statements/* build-fuzz/statements/
    ASAN_OPTIONS=detect_leaks=1 build-fuzz/fuzz/fuzz_statements -max_total_time="$FUZZ_STATEMENT_SECONDS" \
        -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/statements
fi
echo "All tests passed."
