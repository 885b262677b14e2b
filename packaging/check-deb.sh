#!/usr/bin/env bash
# Unpacks a built package into a scratch folder and checks what a person would get from it: every
# file in its place, the window starting from its installed path (offscreen, in both languages)
# and tavrel-card answering --help.
#   packaging/check-deb.sh PACKAGE.deb
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

app=io.github.tavrel.Tavrel
expected=(
  usr/bin/tavrel
  usr/bin/tavrel-card
  usr/share/applications/$app.desktop
  usr/share/metainfo/$app.metainfo.xml
  usr/share/man/man1/tavrel-card.1.gz
  usr/share/doc/tavrel/copyright
)
for size in 16 22 24 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app.png"); done
missing=0
for file in "${expected[@]}"; do
  if [ ! -s "$root/$file" ]; then echo "missing from the package: /$file" >&2; missing=1; fi
done
[ "$missing" -eq 0 ]

dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "Depends names no Qt library" >&2; exit 1; }

for lang in zh en; do
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$root/usr/bin/tavrel" --lang "$lang" --quit-after-start
done
"$root/usr/bin/tavrel-card" --help | grep -q check
"$root/usr/bin/tavrel-card" --version >/dev/null
echo "package checked: $deb"
