#!/bin/sh
# Installs what building, running and testing Mirabo need on Debian 12, as
# root. Idempotent and quiet when everything is already there.
set -e

packages="g++ cmake make file bc googletest libbenchmark-dev clang libclang-rt-14-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 xvfb xauth locales fonts-ipafont-gothic imagemagick x11-apps xdotool
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils qemu-user-static python3"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" != 0 ]; then
        echo "deps: missing packages:$missing (run as root to install them)" >&2
        exit 1
    fi
    echo "deps: installing$missing" >&2
    dpkg --print-foreign-architectures | grep -q i386 || dpkg --add-architecture i386
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

# Code page 932 under Wine needs the Japanese UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    if [ "$(id -u)" != 0 ]; then
        echo "deps: the ja_JP.UTF-8 locale is missing (run as root to generate it)" >&2
        exit 1
    fi
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null 2>&1
fi
