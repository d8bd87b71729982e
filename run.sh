#!/bin/sh
# Builds the program and starts it.
#   ./run.sh             the program, with its splash window
#   ./run.sh FILE.bgt    the program with that budget open
#   ./run.sh --demo      writes the sample budget into your documents folder (once) and opens it
set -e
HERE=$(cd "$(dirname "$0")" && pwd)
"$HERE/scripts/install-deps.sh"
cmake -S "$HERE" -B "$HERE/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$HERE/build" -j "$(nproc)"
if [ "$1" = "--demo" ]; then
    DIR="${XDG_DOCUMENTS_DIR:-$HOME/Documents}"
    mkdir -p "$DIR"
    FILE="$DIR/Budget Demo.bgt"
    [ -e "$FILE" ] || "$HERE/build/budget-cli" demo "$FILE"
    exec "$HERE/build/budget" "$FILE"
fi
exec "$HERE/build/budget" "$@"
