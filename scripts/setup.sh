#!/bin/sh
# Installs what building, testing and running need, when it is missing.
# Debian 12, as root. Quick when everything is there already.
set -eu
packages="cmake make g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 xvfb xauth
          fonts-wqy-zenhei googletest imagemagick zip python3"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
