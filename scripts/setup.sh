#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's registry, once.
# Idempotent: packages already present are not asked for again.
# Recommended packages are not installed, so everything a step uses is named here, including
# what a full install would bring as a recommendation: clang's sanitizer and libFuzzer runtimes
# (libclang-rt-14-dev), the mingw binutils' objdump for the static checks.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for p in g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth fonts-wqy-microhei fonts-arphic-uming \
         imagemagick x11-apps cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev python3 \
         binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 util-linux; do
  have "$p" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # The registry is a snapshot whose Release files may be past their validity date.
  apt-get -o Acquire::Check-Valid-Until=false update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
echo "setup: toolchain ready"
