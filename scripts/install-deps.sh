#!/usr/bin/env bash
# Installs every Debian package that building, running, testing and
# benchmarking Parvane needs. Safe to run again: apt-get skips what is there.
set -euo pipefail

PACKAGES=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  # Qt 6.4
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
  qt6-svg-dev qt6-webview-dev qt6-webview-plugins qt6-webengine-dev qt6-networkauth-dev
  qt6-websockets-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-qpa-plugins qt6-image-formats-plugins libqt6svg6
  # Qt's own texts (standard buttons, dialogs) in the interface's languages
  qt6-translations-l10n
  qml6-module-qtqml qml6-module-qtqml-workerscript qml6-module-qtqml-models
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-layouts qml6-module-qtquick-window qml6-module-qtquick-dialogs
  qml6-module-qtquick-shapes qml6-module-qt-labs-settings qml6-module-qt-labs-platform
  # the Qt Quick file dialog, used where the platform has no native one
  qml6-module-qt-labs-folderlistmodel
  qml6-module-qtwebview qml6-module-qtwebengine qml6-module-qttest qml6-module-qtcore
  # code checks
  clang-format
  # the Debian package: its checks, and the trace that shows what it reads
  desktop-file-utils appstream lintian strace
  # mail delivery, QR codes, HTML scanning
  libcurl4-openssl-dev libgmime-3.0-dev libqrcodegencpp-dev libxml2-dev
  libgumbo-dev
  # reading what comes back to the sender's mailbox over IMAP
  libvmime-dev
  # (qt6-networkauth-dev above: signing in with Microsoft and Google, OAuth 2.0)
  # passwords in the system's keychain (libsecret is what it loads to reach
  # the Secret Service); the tests run a GNOME Keyring in a D-Bus session
  qtkeychain-qt6-dev libsecret-1-0 gnome-keyring libsecret-tools dbus
  # the web service: Boost.Beast (header-only) and zlib for template archives;
  # its store of unsubscribes through Qt SQL, in SQLite or PostgreSQL (whose
  # server the tests start in a folder of their own); the unsubscribe tokens'
  # cipher (OpenSSL)
  libboost-dev zlib1g-dev libssl-dev libqt6sql6-sqlite libqt6sql6-psql postgresql
  # test servers and tools
  python3 python3-aiosmtpd openssl dnsmasq-base zbar-tools
  # the IMAP server of the mailbox tests (run with a configuration of its own)
  dovecot-imapd
  # the OAuth 2.0 authorization server of the sign-in tests
  python3-oauthlib
  # the web service's search back end, run on loopback by its tests
  searx
  xvfb xauth x11-apps imagemagick librsvg2-bin xdotool
  # bench: smtp-sink and smtp-source (the daemon is never started)
  postfix
  # bench of the web service: a static file served beside it (run as a child
  # with a configuration of its own; the system's nginx is never used)
  nginx
  fonts-dejavu-core
  # symbols drawn by the window and close buttons (🗙 🗗 🗖 🗸)
  fonts-symbola
)

# Optional: what redraws the message templates' images and re-renders their
# previews (service/templates/make-images.py and render-previews.sh; ImageMagick
# is above). Building, running and testing do not need them and Chromium is
# large, so they come only on request: scripts/install-deps.sh --template-tools
TEMPLATE_TOOLS=(
  chromium python3-pil
  # faces with the widths of Arial and Times, so previews wrap as mail clients do
  fonts-liberation2
)
if [ "${1:-}" = "--template-tools" ]; then
  PACKAGES+=("${TEMPLATE_TOOLS[@]}")
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
# Postfix asks for a configuration type: "No configuration" keeps it inert.
echo "postfix postfix/main_mailer_type select No configuration" | $SUDO debconf-set-selections
echo "postfix postfix/mailname string localhost" | $SUDO debconf-set-selections
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
# Where a service manager runs, Debian starts nginx (port 80) and Dovecot
# (ports 143 and 993) as it installs them; the bench and the tests run their
# own and never need those.
for pair in nginx:nginx dovecot-imapd:dovecot; do
  if printf '%s\n' "${missing[@]}" | grep -qx "${pair%%:*}" && command -v systemctl >/dev/null &&
      systemctl is-active --quiet "${pair#*:}" 2>/dev/null; then
    $SUDO systemctl disable --now "${pair#*:}" || true
  fi
done
