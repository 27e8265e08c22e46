#!/usr/bin/env bash
# check-package.sh DEB: checks the Debian package of Fenzo Setup as a user
# meets it. lintian finds no error and no warning that the README does not
# list; the menu entry and the AppStream data validate; everything lies where
# it belongs. Then the package is installed with apt-get, the menu entry's
# command is started from / with a fresh HOME in an X server of its own and
# without network (no database: its error box is expected), its window must
# be drawn and carry the built-in icon, and the package is purged again with
# whatever apt-get brought along, so the machine is left as it was found.
# Needs root or passwordless sudo.
set -euo pipefail
[ $# -eq 1 ] && [ -f "$1" ] || { echo "usage: check-package.sh DEB" >&2; exit 2; }
deb=$(realpath "$1")
source=$(cd "$(dirname "$0")/../.." && pwd)
id=invalid.fenzo_setup.FenzoSetup
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo -n"

work=$(mktemp -d "${TMPDIR:-/tmp}/fenzo-package.XXXXXX")
installed=""
cleanup() {
  if [ -n "$installed" ]; then
    echo "package: purging fenzo-setup${added:+ and what came with it:$added}"
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q -o DPkg::Lock::Timeout=600 \
      fenzo-setup $added >"$work/purge.log" 2>&1 || { cat "$work/purge.log" >&2; exit 1; }
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
fail() { echo "package: FAIL: $*" >&2; exit 1; }
# wait_for TENTHS COMMAND...: bounded polling for a condition.
wait_for() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
installed_packages() {
  dpkg-query -W -f='${Package}:${Architecture} ${db:Status-Status}\n' | awk '$2 == "installed" { print $1 }' | sort
}

echo "package: lintian $deb"
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || { cat "$work/lintian.txt" >&2; fail "lintian reports errors"; }
warnings=$(sed -n 's/^W: [^:]*: \([a-z0-9-]*\).*/\1/p' "$work/lintian.txt" | sort -u)
# The README explains every warning lintian leaves, in its "Install" section.
for tag in $warnings; do
  grep -q -- "^| \`$tag\` |" "$source/README.md" || fail "lintian warning $tag is not explained in the README"
done
echo "package: lintian: 0 errors, $(grep -c '^W:' "$work/lintian.txt" || true) warnings${warnings:+ (}$(echo $warnings)${warnings:+)}"

root=$work/root
dpkg-deb -x "$deb" "$root"
expected=(
  usr/bin/fenzo_setup
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  usr/lib/udev/rules.d/70-fenzo-setup.rules
  usr/share/doc/fenzo-setup/copyright
  usr/share/doc/fenzo-setup/changelog.gz
  usr/share/man/man1/fenzo_setup.1.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for path in "${expected[@]}"; do
  [ -f "$root/$path" ] || fail "the package lacks /$path"
done
for size in 16 32 48 64 128 256; do
  [ "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png")" = "${size}x$size" ] ||
    fail "the ${size} px icon has another size"
done
desktop=$root/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt" >&2; fail "appstreamcli rejects the AppStream data"; }
grep -q "^Icon=$id\$" "$desktop" || fail "the menu entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream data launch another menu entry"
rule=$root/usr/lib/udev/rules.d/70-fenzo-setup.rules
for key in 'ATTRS{idVendor}=="0483"' 'ATTRS{idProduct}=="5740"' 'TAG+="uaccess"' 'ENV{ID_MM_DEVICE_IGNORE}="1"'; do
  grep -qF "$key" "$rule" || fail "the udev rule lacks $key"
done
echo "package: contents, menu entry and AppStream data are sound"

if dpkg-query -W -f='${db:Status-Status}' fenzo-setup 2>/dev/null | grep -q '^installed$'; then
  echo "package: SKIPPED installing: fenzo-setup is installed on this machine already; purge it to run this part"
  exit 0
fi
installed_packages >"$work/before"
echo "package: installing with apt-get"
installed=1
added=""
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  -o DPkg::Lock::Timeout=600 "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; fail "apt-get install failed"; }
installed_packages >"$work/after"
added=$(comm -13 "$work/before" "$work/after" | grep -v '^fenzo-setup:' | tr '\n' ' ' || true)
added=${added:+ $added}
[ -f /usr/lib/udev/rules.d/70-fenzo-setup.rules ] || fail "the udev rule is not installed"
# udev reads the rule without complaint: it names a faulty line by its file
# and number. (Whether the switch's port gets the tag needs the switch.)
if command -v udevadm >/dev/null; then
  device=$(find /sys/class/tty -mindepth 1 -maxdepth 1 | head -n 1)
  $sudo timeout 60 udevadm test --action=add "$device" >"$work/udev.txt" 2>&1 || true
  grep -q '^Reading rules file: /usr/lib/udev/rules.d/70-fenzo-setup.rules$' "$work/udev.txt" ||
    fail "udev does not read the rule: $(tail -n 3 "$work/udev.txt")"
  if grep '70-fenzo-setup.rules:' "$work/udev.txt" >&2; then
    fail "udev finds fault with the rule"
  fi
  echo "package: udev reads the rule without complaint"
fi

command=$(sed -n 's/^Exec=//p' /usr/share/applications/$id.desktop)
[ "$(command -v "$command")" = /usr/bin/fenzo_setup ] || fail "the menu entry runs \"$command\", not /usr/bin/fenzo_setup"
home=$work/home
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
echo "package: starting \"$command\" from / with a fresh HOME, without network"
unshare=(unshare -n)
[ "$(id -u)" -eq 0 ] || unshare=(unshare -rn)
FENZO_COMMAND=$command FENZO_HOME=$home FENZO_WORK=$work "${unshare[@]}" \
  "$source/tests/common/with-display.sh" "$source/tests/package/installed-window.sh" ||
  fail "the installed program did not show its window with its icon (see above)"
[ -d "$home/.local/share/fenzo_setup" ] || fail "the program made no data directory ~/.local/share/fenzo_setup"
echo "package: the installed program drew its window with the built-in icon"
