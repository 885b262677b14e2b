# Qt's base module for Windows, built from Debian's source package and cached.
# Sourced by scripts/windows after lib.sh; sets QT_VERSION and QT_PREFIX and defines
# ensure_windows_qt.

# The host's Qt provides moc, rcc and uic, so the source must be exactly its version.
QT_DEBIAN_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev)
QT_VERSION=${QT_DEBIAN_VERSION%%+*}
QT_PREFIX=$CACHE/qt-$QT_VERSION-mingw64

# Only what the tool uses: Core, Gui, Widgets, Concurrent and Test, the Windows platform plug-in
# and the Windows styles. Debian's source leaves out the tablet header, and a desktop OpenGL
# loader is of no use to a form-based window.
QT_FLAGS=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
          -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
          -DFEATURE_tabletevent=OFF -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF
          -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
          -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF)
QT_STAMP=$QT_PREFIX/tavrel-qt-build.txt

qt_stamp_text() {
  printf 'qt6-base %s\ncompiler %s\nflags %s\n' "$QT_DEBIAN_VERSION" \
    "$(x86_64-w64-mingw32-g++-posix -dumpfullversion)" "${QT_FLAGS[*]}"
}

# Downloads the source package through a deb-src entry that exists only while apt needs it.
download_qt_source() {
  local dest=$1 entry=/etc/apt/sources.list.d/tavrel-qt-source.sources
  as_root tee "$entry" >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $(. /etc/os-release && echo "$VERSION_CODENAME")
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  trap "as_root rm -f '$entry'" EXIT
  as_root apt-get update -qq
  (cd "$dest" && apt-get source -qq --download-only "qt6-base=$QT_DEBIAN_VERSION")
  as_root rm -f "$entry"
  trap - EXIT
  as_root apt-get update -qq
}

# Where the build machine's Qt keeps its CMake packages (Debian puts them under the multiarch
# folder, where Qt does not look by itself).
host_qt_cmake_dir() { dirname "$(dirname "$(find /usr/lib -path '*/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake' | head -n 1)")"; }

ensure_windows_qt() {
  if [ -f "$QT_STAMP" ] && [ "$(cat "$QT_STAMP")" = "$(qt_stamp_text)" ]; then
    echo "   reused from the cache ($(head -n 1 "$QT_STAMP"))"
    return 0
  fi
  local download=$CACHE/qt6-base-$QT_DEBIAN_VERSION work=$CACHE/qt-build
  rm -rf "$work" "$QT_PREFIX"
  if ! ls "$download"/qt6-base_*.dsc >/dev/null 2>&1; then
    mkdir -p "$download"
    download_qt_source "$download"
  fi
  mkdir -p "$work"
  (cd "$work" && dpkg-source -q -x "$download"/qt6-base_*.dsc source >/dev/null)
  cmake -S "$work/source" -B "$work/build" -G Ninja "${QT_FLAGS[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DTAVREL_SHARED_RUNTIME=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$(host_qt_cmake_dir)" -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" >"$work/configure.log"
  # Qt's own sources give thousands of warnings with this compiler: they go to a log beside the
  # cache, and only a failure's end is shown.
  local log=$CACHE/qt-build.log
  echo "   building Qt (about half an hour on 2 cores; log in $log)"
  if ! cmake --build "$work/build" -j "$(jobs)" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "building Qt failed; the whole log is in $log" >&2
    return 1
  fi
  cmake --install "$work/build" >/dev/null
  qt_stamp_text >"$QT_STAMP"
  rm -rf "$work"
}
