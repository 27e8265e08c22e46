#!/usr/bin/env bash
# Builds the Debian package of Fenzo Setup from this checkout with CPack and
# prints the package's path as its last line:
#   tools/package.sh [CMAKE_OPTIONS...]   (e.g. -DFENZO_DB_HOST=db.example.org)
# A Release build with Debian's hardening flags, without tests, tools and
# benchmarks, in build-package/ (FENZO_PACKAGE_BUILD_DIR picks another).
# Install the result with: sudo apt-get install ./build-package/fenzo-setup_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

tools/setup-debian.sh

build=${FENZO_PACKAGE_BUILD_DIR:-build-package}
# The flags Debian builds its own packages with, with all hardening: fortify,
# stack protector, read-only relocations and immediate binding.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cxxflags=$(dpkg-buildflags --get CXXFLAGS)
ldflags=$(dpkg-buildflags --get LDFLAGS)

echo "package: configuring in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DFENZO_BUILD_TESTS=OFF -DFENZO_BUILD_TOOLS=OFF -DFENZO_BUILD_BENCH=OFF -DFENZO_BUILD_FUZZ=OFF \
  -DFENZO_SANITIZE=OFF -DFENZO_EXTRA_SERIAL_PORTS= \
  "-DCMAKE_CXX_FLAGS=$cppflags $cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "$@"
echo "package: building"
cmake --build "$build" -j "$(nproc)"
echo "package: packing"
rm -f "$build"/fenzo-setup_*.deb
(cd "$build" && cpack -G DEB) | tee "$build/cpack.log"
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$build/cpack.log" | tail -n 1)
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "package: CPack named no package" >&2
  exit 1
fi
echo "${deb#"$top"/}"
