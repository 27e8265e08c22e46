#!/usr/bin/env bash
# check-package.sh DEB: checks the Debian package of Fenzo Setup as a user
# meets it. lintian finds no error and no warning that the README does not
# list; the menu entry and the AppStream data validate; everything lies where
# it belongs. Then the package is installed with apt-get, the menu entry's
# command is started from / with a fresh HOME in an X server of its own and
# without network (no database: it starts from the built-in data), its window must
# be drawn and carry the built-in icon, and the package is purged again with
# whatever apt-get brought along, so the machine is left as it was found.
# Needs root or passwordless sudo.
set -euo pipefail
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "usage: check-package.sh DEB" >&2
  exit 2
fi
deb=$(realpath "$1")
source=$(cd "$(dirname "$0")/../.." && pwd)
id=invalid.fenzo_setup.FenzoSetup
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo -n"

work=$(mktemp -d "${TMPDIR:-/tmp}/fenzo-package.XXXXXX")
installed=""
cleanup() {
  if [ -n "$installed" ]; then
    # What this apt-get brought along goes too, even after a failed install:
    # its own list, not a before-and-after comparison, which would take in
    # what someone else installs meanwhile.
    added=$(awk '/^The following NEW packages will be installed:/ { f = 1; next } f && /^  / { print; next } { f = 0 }' \
      "$work/install.log" | tr -s ' ' '\n' | grep -v -e '^fenzo-setup$' -e '^$' | tr '\n' ' ' || true)
    echo "package: purging fenzo-setup${added:+ and what came with it: $added}"
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q -o DPkg::Lock::Timeout=600 \
      fenzo-setup $added >"$work/purge.log" 2>&1 || { cat "$work/purge.log" >&2; exit 1; }
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
fail() { echo "package: FAIL: $*" >&2; exit 1; }

echo "package: lintian $deb"
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || { cat "$work/lintian.txt" >&2; fail "lintian reports errors"; }
warnings=$(sed -n 's/^W: [^:]*: \([a-z0-9-]*\).*/\1/p' "$work/lintian.txt" | sort -u | tr '\n' ' ')
# The README explains every warning lintian leaves, in its "Install" section.
for tag in $warnings; do
  grep -q -- "^| \`$tag\` |" "$source/README.md" || fail "lintian warning $tag is not explained in the README"
done
echo "package: lintian: 0 errors, $(grep -c '^W:' "$work/lintian.txt" || true) warnings${warnings:+ (}${warnings% }${warnings:+)}"

root=$work/root
dpkg-deb -x "$deb" "$root"
expected=(
  usr/bin/fenzo_setup
  usr/bin/fenzo_cli
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  usr/lib/udev/rules.d/70-fenzo-setup.rules
  usr/share/doc/fenzo-setup/copyright
  usr/share/doc/fenzo-setup/changelog.gz
  usr/share/man/man1/fenzo_setup.1.gz
  usr/share/man/man1/fenzo_cli.1.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for path in "${expected[@]}"; do
  [ -f "$root/$path" ] || fail "the package lacks /$path"
done
desktop=$root/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt" >&2; fail "appstreamcli rejects the AppStream data"; }
grep -q "^Icon=$id\$" "$desktop" || fail "the menu entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream data launch another menu entry"
echo "package: contents, menu entry and AppStream data are sound"

if dpkg-query -W -f='${db:Status-Status}' fenzo-setup 2>/dev/null | grep -q '^installed$'; then
  echo "package: SKIPPED installing: fenzo-setup is installed on this machine already; purge it to run this part"
  exit 0
fi
echo "package: installing with apt-get"
installed=1
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  -o DPkg::Lock::Timeout=600 "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; fail "apt-get install failed"; }
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
