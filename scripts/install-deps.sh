#!/bin/sh
# Installs the Debian packages the build and the tests need, only those missing.
set -e
PACKAGES="cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgtest-dev libbenchmark-dev libofx-dev poppler-utils"
MISSING=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || MISSING="$MISSING $p"
done
[ -z "$MISSING" ] && exit 0
echo "Installing:$MISSING"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq || true
$SUDO apt-get install -y -qq --no-install-recommends $MISSING
