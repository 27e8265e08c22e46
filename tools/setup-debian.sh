#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Fenzo Setup.
# Packages already present are left alone; nothing is installed when all are.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev cppcheck
  qtbase5-dev qtdeclarative5-dev libqt5serialport5-dev libqt5sql5-mysql qttools5-dev-tools qttools5-dev
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls qml-module-qtquick-controls2
  qml-module-qtquick-templates2 qml-module-qtquick-dialogs qml-module-qtquick-layouts qml-module-qttest
  qml-module-qt-labs-folderlistmodel qml-module-qt-labs-settings qml-module-qtquick-privatewidgets
  qttranslations5-l10n
  qtdeclarative5-dev-tools mariadb-server mariadb-client libmariadb-dev pkg-config xvfb xauth xdotool imagemagick python3 faketime
  dtv-scan-tables poppler-utils gdb
  dpkg-dev file binutils lintian desktop-file-utils appstream x11-utils
  # The Qt 6 build of tools/test.sh (stage qt6). The file dialog needs the
  # folder list module without depending on it.
  qt6-base-dev qt6-declarative-dev qt6-serialport-dev libqt6sql6-mysql qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-dialogs qml6-module-qtquick-layouts qml6-module-qtquick-window qml6-module-qttest
  qml6-module-qtqml-workerscript qml6-module-qt-labs-folderlistmodel qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
# Without recommends: a GTK platform theme would replace the QML file dialog
# by a native one.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
