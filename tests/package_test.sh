#!/bin/bash
# The Debian package that `make package` builds holds the programs, the
# manual page, the help, the desktop entry, the icons and the bash
# completion, and nothing else, under a valid control file.
#   package_test.sh BUILD_DIR WORK_DIR [--install]
# With --install, run as root, it also installs the package into this
# system, runs what it installed, then purges it and looks for anything
# left behind: `make package-test` (CI) does that, not the everyday tests.
set -eu -o pipefail
build=$1 work=$2 install=${3:-}
rm -rf "$work" && mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
debs=("$work"/*.deb)
[ ${#debs[@]} = 1 ] || { echo "cpack made ${#debs[@]} packages"; exit 1; }
deb=${debs[0]}
failed=0
fail() { echo "$*"; failed=1; }

# Exactly these files; the window's only in a build with the window.
expected='./usr/bin/quillstat
./usr/share/bash-completion/completions/quillstat
./usr/share/man/man1/quillstat.1.gz'
if grep -q '^QUILLSTAT_BUILD_GUI:BOOL=ON$' "$build/CMakeCache.txt"; then
  expected+='
./usr/bin/quillstat-window
./usr/share/applications/quillstat.desktop
./usr/share/icons/hicolor/16x16/apps/quillstat.png
./usr/share/icons/hicolor/32x32/apps/quillstat.png
./usr/share/icons/hicolor/48x48/apps/quillstat.png
./usr/share/quillstat/quillstatHelp.html'
fi
dpkg-deb -c "$deb" >"$work/contents"
diff <(sort <<<"$expected") <(awk '$1 !~ /^d/ {print $6}' "$work/contents" | sort) ||
  fail "the package holds other files than these (<) or more (>)"
awk '$2 != "root/root" {print "not owned by root: " $6; bad=1} END {exit bad}' "$work/contents" ||
  failed=1

field() { dpkg-deb -f "$deb" "$1"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$(field Package)" = quillstat ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = devel ] || fail "Section: $(field Section)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[[ $(field Description) =~ ^[a-z].{10,} ]] || fail "Description: $(field Description)"
# Worked out by dpkg-shlibdeps from the programs: the C and C++ runtimes
# always, Qt with the window.
depends=$(field Depends)
for library in libc6 libstdc++6 $(grep -q '^QUILLSTAT_BUILD_GUI:BOOL=ON$' "$build/CMakeCache.txt" &&
                                 echo libqt6widgets6); do
  [[ ", $depends," == *", $library ("* ]] || fail "Depends lacks $library: $depends"
done

# What the package installs works from where it lands.
dpkg-deb -x "$deb" "$work/root"
[ "$("$work/root/usr/bin/quillstat" --version)" = "quillstat $version" ] ||
  fail "the packaged program's --version is not 'quillstat $version'"
bash -c 'source "$1" && complete -p quillstat' - \
  "$work/root/usr/share/bash-completion/completions/quillstat" >/dev/null ||
  fail "the completion does not load"

if [ "$install" = --install ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "not root: the package is not installed into this system"
  elif dpkg -s quillstat >/dev/null 2>&1 || [ -e /usr/bin/quillstat ]; then
    fail "quillstat is installed on this system already: the install check would replace it"
  else
    trap 'dpkg -P quillstat >/dev/null 2>&1 || true' EXIT
    dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; exit 1; }
    dpkg -L quillstat >"$work/installed"
    [ "$(/usr/bin/quillstat --version)" = "quillstat $version" ] ||
      fail "/usr/bin/quillstat --version is not 'quillstat $version'"
    bash -c 'source /usr/share/bash-completion/completions/quillstat && complete -p quillstat' \
      >/dev/null || fail "the installed completion does not load"
    dpkg -r quillstat >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; exit 1; }
    dpkg -P quillstat >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; exit 1; }
    trap - EXIT
    # A directory may stay only while it holds something else or another
    # package owns it too (/usr/share/icons/hicolor/16x16/apps).
    while read -r path; do
      if [ -d "$path" ] && [ ! -L "$path" ]; then
        [ -n "$(ls -A "$path")" ] || dpkg -S "$path" >/dev/null 2>&1 ||
          fail "left behind, empty: $path"
      elif [ -e "$path" ] || [ -L "$path" ]; then
        fail "left behind: $path"
      fi
    done <"$work/installed"
  fi
fi
exit $failed
