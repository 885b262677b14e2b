# The Windows build's DLLs and its zip. Sourced by scripts/windows after windows-qt.sh.

# Where the DLLs a Windows program of ours may load come from: Qt's, then the compiler's runtime.
WINDOWS_DLL_FOLDERS=("$QT_PREFIX/bin" "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
                     /usr/x86_64-w64-mingw32/lib)

# A folder of this machine as wine names it.
wine_path() { printf 'Z:%s' "${1//\//\\}"; }

# The DLL folders as a WINEPATH, so that programs run under wine in the build folder find them.
windows_dll_folders_for_wine() {
  local out=() folder
  for folder in "${WINDOWS_DLL_FOLDERS[@]}"; do out+=("$(wine_path "$folder")"); done
  (IFS=';'; echo "${out[*]}")
}

# Every DLL that the given Windows programs and plug-ins load, followed through the DLLs' own
# imports, found in WINDOWS_DLL_FOLDERS; the system's own DLLs are not there and are skipped.
dlls_needed_by() {
  local -A seen=()
  local queue=("$@") file name folder
  while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}; queue=("${queue[@]:1}")
    for name in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
      [ -n "${seen[${name,,}]:-}" ] && continue
      seen[${name,,}]=1
      for folder in "${WINDOWS_DLL_FOLDERS[@]}"; do
        if [ -f "$folder/$name" ]; then echo "$folder/$name"; queue+=("$folder/$name"); break; fi
      done
    done
  done
}

# pack_windows_zip BUILD_FOLDER ZIP: the two programs, the DLLs they load, the Windows platform
# and style plug-ins and a short README.txt.
pack_windows_zip() {
  local build=$1 zip=$2 stage
  stage=$(mktemp -d)
  local root=$stage/tavrel
  mkdir -p "$root/platforms" "$root/styles"
  cp "$build/app/tavrel.exe" "$build/tools/card/tavrel-card.exe" "$root/"
  cp "$QT_PREFIX/plugins/platforms/qwindows.dll" "$root/platforms/"
  cp "$QT_PREFIX/plugins/styles/qwindowsvistastyle.dll" "$root/styles/"
  dlls_needed_by "$root"/*.exe "$root"/platforms/*.dll "$root"/styles/*.dll | sort -u | xargs -r cp -t "$root/"
  # The compiler's runtime DLLs come with their debugging symbols: 25 MB of the zip otherwise.
  find "$root" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded
  cp "$ROOT/packaging/windows/README.txt" "$root/README.txt"
  mkdir -p "$(dirname "$zip")"
  rm -f "$zip"
  (cd "$stage" && zip -qr "$zip" tavrel)
  rm -rf "$stage"
}

# Unzips ZIP into a scratch folder and runs what a person would, under wine with nothing of the
# build machine's on its path: tavrel-card.exe check on a card with a damaged program file, and
# tavrel.exe on a virtual screen until its window, titled as on every platform, is up.
smoke_test_windows_zip() {
  local zip=$1 scratch
  scratch=$(mktemp -d)
  unzip -q "$zip" -d "$scratch"
  mkdir -p "$scratch/card"
  printf 'not a program' >"$scratch/card/SCH01.DAT"
  (
    unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM
    export WINEPREFIX=$scratch/wine WINEDEBUG=-all
    echo "-- tavrel-card.exe check on a card with a damaged file:"
    local code=0
    wine "$scratch/tavrel/tavrel-card.exe" check "$(wine_path "$scratch/card")" || code=$?
    [ "$code" -eq 1 ] || { echo "tavrel-card.exe check ended with $code, not 1 (findings)" >&2; exit 1; }
    # The wine session started above has no screen; the window needs a new one on the virtual screen.
    wineserver -k || true
    wineserver -w
    echo "-- tavrel.exe on a virtual screen:"
    xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
      wine "$1/tavrel/tavrel.exe" & for _ in $(seq 120); do
        if xwininfo -root -tree | grep -q "时程播放器使用工具"; then
          echo "window up: $(xwininfo -root -tree | grep -m1 -o "\"时程播放器使用工具\"")"; wineserver -k; exit 0
        fi
        sleep 1
      done
      echo "no window titled 时程播放器使用工具 within 120 s" >&2; wineserver -k; exit 1' _ "$scratch"
  )
  rm -rf "$scratch"
}
