#!/usr/bin/env bash
# Builds the Debian packages from a finished build folder (cpack, no new
# build) and checks them: file lists and dependencies, the programs and
# manual pages from the unpacked tree, the utility writing nothing into its
# installed folder, and the SDK example built against the unpacked
# development package (with pkg-config and with find_package) printing a
# label on the emulator of the unpacked tree.
#
#   scripts/package-check.sh [BUILD_DIR]     (default: $BUILD_DIR, else build/)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-${BUILD_DIR:-$root/build}}" && pwd)"
started=$SECONDS

work="$(mktemp -d "${TMPDIR:-/tmp}/tolvane-package-check-XXXXXX")"
started_pids=()
cleanup() {
  for pid in "${started_pids[@]}"; do
    kill -KILL "$pid" 2>/dev/null || true
  done
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "package-check: $*" >&2
  exit 1
}

# The process started last in the background, remembered for the clean-up.
remember() { started_pids+=("$1"); }

# Waits up to 30 s for a file to exist while process $2 runs; false when
# the process ended or the time ran out.
wait_for_file() {
  local file="$1" pid="$2"
  for _ in $(seq 150); do
    [ -e "$file" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}

# Stops process $1 with SIGTERM; it must end with status 0 within 10 s.
stop_cleanly() {
  local pid="$1" what="$2" log="$3" status=0
  kill -TERM "$pid"
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    cat "$log" >&2
    fail "$what did not stop within 10 s of SIGTERM"
  fi
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || {
    cat "$log" >&2
    fail "$what ended with status $status after SIGTERM"
  }
}

echo "--- packages"
rm -f "$build"/tolvane_*.deb "$build"/libcobrix-dev_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log" >&2
  fail "cpack failed"
}
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
arch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
program_deb="$(ls "$build"/tolvane_"$version"-*.deb)"
sdk_deb="$(ls "$build"/libcobrix-dev_"$version"-*.deb)"
for deb in "$program_deb" "$sdk_deb"; do
  printf '%s: %s KiB, %s entries\n' "$(basename "$deb")" "$(($(stat -c %s "$deb") / 1024))" \
    "$(dpkg-deb -c "$deb" | wc -l)"
done

echo "--- dependencies"
depends="$(dpkg-deb -f "$program_deb" Depends)"
echo "tolvane: Depends: $depends"
depended="$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libcups2 libpng16-16 libjpeg62-turbo \
  libgif7 qt6-qpa-plugins udev; do
  grep -Fqx "$package" <<<"$depended" || fail "tolvane does not depend on $package"
done
sdk_depends="$(dpkg-deb -f "$sdk_deb" Depends)"
echo "libcobrix-dev: Depends: $sdk_depends"
grep -Fqx "tolvane (= $(dpkg-deb -f "$program_deb" Version))" <<<"$sdk_depends" ||
  fail "libcobrix-dev does not depend on exactly this tolvane"
for script in postinst postrm; do
  dpkg-deb -I "$program_deb" "$script" | grep -q 'udevadm control --reload-rules' ||
    fail "the $script script does not reload the udev rules"
done

echo "--- file lists"
# "path" or "path -> target", one a line.
listing() { dpkg-deb -c "$1" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }'; }
listing "$program_deb" >"$work/program.list"
listing "$sdk_deb" >"$work/sdk.list"
program_dir=./usr/lib/tolvane
expected_program=(
  "./usr/bin/tolvane -> ../lib/tolvane/tolvane"
  "./usr/bin/tolvane-cli -> ../lib/tolvane/tolvane-cli"
  "./usr/bin/printer-emulator -> ../lib/tolvane/printer-emulator"
  "$program_dir/.installed"
  "$program_dir/FWUpdate/Brakwell"
  ./usr/lib/udev/rules.d/60-tolvane-printers.rules
  ./usr/share/applications/tolvane.desktop
  ./usr/share/icons/hicolor/256x256/apps/tolvane.png
)
for name in tolvane tolvane-cli printer-emulator libcobrix.so libescrix.so libtsprix.so libhalvix.so; do
  expected_program+=("$program_dir/$name")
done
for page in tolvane tolvane-cli printer-emulator; do
  expected_program+=("./usr/share/man/man1/$page.1.gz")
done
for source in "$root"/icons/*; do
  expected_program+=("$program_dir/icons/$(basename "$source")")
done
for source in "$root"/emulator/profiles/*.profile; do
  expected_program+=("$program_dir/emulator-profiles/$(basename "$source")")
done
shipped=()
for source in "$root"/files/*.ini "$root"/files/*.txt; do
  [ "$(basename "$source")" = CMakeLists.txt ] || shipped+=("$source")
done
for source in "${shipped[@]}"; do
  expected_program+=("$program_dir/files/$(basename "$source")")
done
for entry in "${expected_program[@]}"; do
  grep -Fqx "$entry" "$work/program.list" || fail "tolvane lacks $entry"
done
if grep -E '_tests$|/bench_|/fuzz_|PgmOrCdr|CBT\.bmp|PrtDll|/include/|\.pc$' "$work/program.list"; then
  fail "tolvane carries the files above, which belong to the build or the SDK package"
fi
for entry in ./usr/include/cobrix.h "./usr/lib/$arch/libcobrix.so -> ../tolvane/libcobrix.so" \
  "./usr/lib/$arch/pkgconfig/cobrix.pc" "./usr/lib/$arch/cmake/Cobrix/CobrixConfig.cmake" \
  "./usr/lib/$arch/cmake/Cobrix/CobrixConfigVersion.cmake"; do
  grep -Fqx "$entry" "$work/sdk.list" || fail "libcobrix-dev lacks $entry"
done
if grep -F "$program_dir/" "$work/sdk.list"; then
  fail "libcobrix-dev carries files of the program folder"
fi

echo "--- unpacked tree"
tree="$work/root"
dpkg-deb -x "$program_deb" "$tree"
dpkg-deb -x "$sdk_deb" "$tree"
bin="$tree/usr/bin"
for source in "${shipped[@]}"; do
  cmp -s "$source" "$tree/usr/lib/tolvane/files/$(basename "$source")" ||
    fail "files/$(basename "$source") differs from the shipped source"
done
for name in tolvane tolvane-cli printer-emulator libcobrix.so libescrix.so libtsprix.so libhalvix.so; do
  elf="$tree/usr/lib/tolvane/$name"
  if readelf -S "$elf" | grep -q '\.debug_info'; then
    fail "$name still carries debug information"
  fi
  if readelf -d "$elf" | grep -E 'R(UN)?PATH' | grep -Fq "$build"; then
    fail "$name has a run path into the build folder"
  fi
done
for program in tolvane tolvane-cli printer-emulator; do
  answer="$("$bin/$program" --version)"
  [ "$answer" = "$program $version" ] || fail "$program --version printed \"$answer\""
done
"$bin/printer-emulator" --help | grep -q '^Usage: printer-emulator' || fail "printer-emulator --help"
for page in tolvane tolvane-cli printer-emulator; do
  text="$tree/usr/share/man/man1/$page.1.gz"
  zcat "$text" | grep -q "^\.Os Tolvane $version\$" || fail "$page.1 does not name version $version"
  if command -v groff >/dev/null; then
    warnings="$(zcat "$text" | groff -mandoc -ww -z -Tutf8 2>&1)"
    [ -z "$warnings" ] || fail "$page.1: $warnings"
  fi
done

echo "--- the installed folder stays unwritten"
# Everything of the tree with its kind, mode, size, time and content. The
# tree is made read-only too, though root (as in CI) writes anyway.
snapshot() {
  (cd "$tree" && find . -printf '%p %y %m %s %T@ %l\n' | sort && find . -type f -exec md5sum {} + | sort -k 2)
}
# Fails, showing what changed, when the tree differs from its first snapshot.
check_tree_unchanged() {
  snapshot >"$work/after"
  if ! diff "$work/before" "$work/after" >"$work/tree.diff"; then
    head -40 "$work/tree.diff" >&2
    fail "the programs wrote into the installed tree ($1)"
  fi
}
chmod -R a-w "$tree/usr"
snapshot >"$work/before"
home="$work/home"
mkdir -p "$home" "$work/tmp"
export HOME="$home" TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen
unset XDG_DATA_HOME
user_data="$home/.local/share/OstrelUtility"

"$bin/tolvane" --demo -EN >"$work/demo.log" 2>&1 &
demo_pid=$!
remember "$demo_pid"
for _ in $(seq 150); do
  [ -n "$(find "$home/.local/share" -name PrtConfig_SysPm.ini 2>/dev/null)" ] && break
  kill -0 "$demo_pid" 2>/dev/null || break
  sleep 0.2
done
[ -n "$(find "$home/.local/share" -name PrtConfig_SysPm.ini 2>/dev/null)" ] || {
  cat "$work/demo.log" >&2
  fail "tolvane --demo did not reach its first show"
}
sleep 1
stop_cleanly "$demo_pid" "tolvane --demo" "$work/demo.log"

"$bin/tolvane" -EN >"$work/tolvane.log" 2>&1 &
program_pid=$!
remember "$program_pid"
wait_for_file "$user_data/files/PrinterList.txt" "$program_pid" || {
  cat "$work/tolvane.log" >&2
  check_tree_unchanged "tolvane"
  fail "tolvane made no printer list in $user_data within 30 s"
}
sleep 1
stop_cleanly "$program_pid" "tolvane" "$work/tolvane.log"
[ -d "$user_data/PgmOrCdr" ] || fail "tolvane made no per-printer folder in $user_data"
"$bin/tolvane-cli" printers >"$work/printers.txt" || fail "tolvane-cli printers from the installed tree"

check_tree_unchanged "tolvane --demo, tolvane, tolvane-cli"
echo "nothing written into the tree; the user's files went to $user_data"

echo "--- SDK example against the unpacked development package"
example_flags=(-std=c11 -Wall -Wextra -Wpedantic -Werror)
read -r -a cobrix_flags < <(PKG_CONFIG_SYSROOT_DIR="$tree" PKG_CONFIG_LIBDIR="$tree/usr/lib/$arch/pkgconfig" \
  pkg-config --cflags --libs cobrix)
echo "pkg-config: ${cobrix_flags[*]}"
cc "${example_flags[@]}" "$root/examples/cobrix_label.c" "${cobrix_flags[@]}" -o "$work/label-pkg-config"
cmake -S "$root/examples" -B "$work/example-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$tree/usr" -DCMAKE_C_FLAGS=-Werror >"$work/example-cmake.log" 2>&1 || {
  cat "$work/example-cmake.log" >&2
  fail "the example's CMake configuration failed"
}
grep -Fq "Cobrix_DIR:PATH=$tree/usr/lib/$arch/cmake/Cobrix" "$work/example-build/CMakeCache.txt" ||
  fail "find_package(Cobrix) did not find the unpacked package"
cmake --build "$work/example-build" >"$work/example-build.log" 2>&1 || {
  cat "$work/example-build.log" >&2
  fail "the example did not build with find_package"
}

"$bin/printer-emulator" --profile "$tree/usr/lib/tolvane/emulator-profiles/corla_cpcl.profile" \
  --tcp 127.0.0.1:0 --log "$work/corla.log" >"$work/emulator.out" 2>&1 &
emulator_pid=$!
remember "$emulator_pid"
port=""
for _ in $(seq 100); do
  port="$(sed -n 's/^listening tcp 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$work/emulator.out")"
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || fail "the emulator did not start: $(cat "$work/emulator.out")"
# The library comes from the tree: the CMake build's run path points there;
# the pkg-config build's run path may name /usr/lib/tolvane (pkg-config
# applies the sysroot to it or not), so it also gets LD_LIBRARY_PATH.
LD_LIBRARY_PATH="$tree/usr/lib/tolvane" "$work/label-pkg-config" "NET,127.0.0.1,$port" | grep -qx 'label sent' ||
  fail "the example built with pkg-config did not print"
"$work/example-build/cobrix_label" "NET,127.0.0.1,$port" | grep -qx 'label sent' ||
  fail "the example built with find_package did not print"
stop_cleanly "$emulator_pid" "printer-emulator" "$work/emulator.out"
for part in 'cpcl TEXT.*Hello from Cobrix' 'cpcl BARCODE.*TOLVANE-0001' 'cpcl PRINT'; do
  [ "$(grep -c "$part" "$work/corla.log")" -eq 2 ] || {
    cat "$work/corla.log" >&2
    fail "the emulator did not receive \"$part\" once from each example"
  }
done
# With the emulator gone its port refuses: the example reports the SDK's text.
status=0
"$work/example-build/cobrix_label" "NET,127.0.0.1,$port" 2>"$work/refused.txt" || status=$?
[ "$status" -eq 1 ] && grep -q 'failed (-\?[0-9]*): .' "$work/refused.txt" ||
  fail "the example did not report a refused connection: status $status, $(cat "$work/refused.txt")"
echo "example: $(cat "$work/refused.txt")"

echo "package check done in $((SECONDS - started)) s"
