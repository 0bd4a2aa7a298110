#!/usr/bin/env bash
# Builds the programs and their Debian package, build/vantor_VERSION_ARCH.deb, which `apt install ./build/...deb`
# installs. Usage: tools/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-dependencies.sh
tools/build.sh build
(cd build && cpack -G DEB >/dev/null)
ls build/vantor_*.deb
