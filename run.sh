#!/bin/sh
# Builds the program and starts it; ./run.sh FILE.bgt opens that budget.
set -e
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
cd - >/dev/null
# Until the desktop program exists, the command line shows what it can do.
if [ $# -gt 0 ]; then
    exec "$(dirname "$0")/build/budget-cli" verify "$@"
fi
exec "$(dirname "$0")/build/budget-cli" --help
