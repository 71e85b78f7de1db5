#!/usr/bin/env bash
# Checks a Debian package of the program as a distribution checks one (lintian, the desktop entry's and the
# AppStream data's validators), then installs it, runs the installed program as the desktop would start it and
# removes it again. Run as root: the package is installed system-wide for the check.
#
#   bash tools/check-package.sh PACKAGE.deb
#
# The installed program must answer --version with the package's version, reach its first paint when started
# by its desktop entry's Exec line, and show the window class the entry's StartupWMClass names. A package that
# was installed before the check is left installed (in the checked version); otherwise it is removed.
set -euo pipefail
deb=$(realpath "$1")
name=$(dpkg-deb -f "$deb" Package)
version=$(dpkg-deb -f "$deb" Version)
work=$(mktemp -d)
server=""
program=""
remove_after=0
cleanup() {
  [[ -n $program ]] && kill "$program" 2>/dev/null || true
  [[ -n $server ]] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
  if [[ $remove_after == 1 ]]; then
    echo "== apt-get remove =="
    DEBIAN_FRONTEND=noninteractive apt-get remove -y --purge -o DPkg::Lock::Timeout=300 "$name"
  fi
}
trap cleanup EXIT
fail() {
  echo "package check: $*" >&2
  exit 1
}

dpkg-deb -x "$deb" "$work/root"
desktop_entries=("$work"/root/usr/share/applications/*.desktop)
metainfo=("$work"/root/usr/share/metainfo/*.metainfo.xml)
[[ -f ${desktop_entries[0]} && ${#desktop_entries[@]} == 1 ]] || fail "the package must hold one desktop entry"
[[ -f ${metainfo[0]} && ${#metainfo[@]} == 1 ]] || fail "the package must hold one AppStream file"

echo "== lintian =="
lintian --fail-on error,warning "$deb"
echo "== desktop-file-validate =="
desktop-file-validate "${desktop_entries[0]}"
echo "== appstreamcli validate =="
appstreamcli validate --no-net "${metainfo[0]}"

# One check at a time on this machine: another run's removal must not pull the program away under this one.
exec 9>/var/lock/rna-package-check.lock
flock -w 900 9 || fail "another package check holds the lock"
is_installed() { dpkg-query -W -f '${Status}' "$name" 2>/dev/null | grep -q "install ok installed"; }
is_installed || remove_after=1

echo "== apt-get install =="
DEBIAN_FRONTEND=noninteractive apt-get install -y -o DPkg::Lock::Timeout=300 "$deb"

entry=/usr/share/applications/$(basename "${desktop_entries[0]}")
field() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
# The Exec line without the field codes a launcher would fill in.
exec_line=$(field Exec | sed 's/ *%[fFuUick]//g')
wm_class=$(field StartupWMClass)

echo "== the installed program =="
expected="RNA - Introducere $version"
for command in RNA rna; do
  answer=$("/usr/bin/$command" --version)
  [[ $answer == "$expected" ]] || fail "$command --version answers \"$answer\", not \"$expected\""
  echo "$command --version: $answer"
done

# A private X server on the first free display: the program is started there as the desktop starts it. With
# -noreset the server does not restart when its last client leaves, which would refuse the next one meanwhile.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb gave no display number"
export DISPLAY=:$(head -n 1 "$work/display") QT_QPA_PLATFORM=xcb

[[ $(sh -c "command -v ${exec_line%% *}") == /usr/bin/* ]] || fail "\"$exec_line\" does not start the installed program"
RNA_BENCH_EXIT_AFTER_FIRST_PAINT=1 timeout 60 sh -c "$exec_line" || fail "\"$exec_line\" did not reach its first paint"
echo "$exec_line: reached its first paint"

sh -c "exec $exec_line" 2>/dev/null &
program=$!
shown=""
for _ in $(seq 100); do
  shown=$(xprop -name "RNA - Introducere" WM_CLASS 2>/dev/null |
    sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p') || true
  [[ -n $shown ]] && break
  sleep 0.1
done
kill "$program" 2>/dev/null || true
program=""
[[ $shown == "$wm_class" ]] || fail "the main window's class is \"$shown\", the desktop entry's StartupWMClass \"$wm_class\""
echo "window class: $shown, as StartupWMClass says"

# A lesson file is of the package's type by its name and by its content, and the desktop opens it with the program.
echo "== the lesson file type =="
lesson_type=application/x-rna-lesson
example=$(dirname "$(realpath "$0")")/../docs/examples/single-input.rna
cp "$example" "$work/lesson.rna"
cp "$example" "$work/lesson-without-suffix"
for file in lesson.rna lesson-without-suffix; do
  found=$(xdg-mime query filetype "$work/$file")
  [[ $found == "$lesson_type" ]] || fail "xdg-mime finds $file of type \"$found\", not $lesson_type"
  echo "$file: $found"
done
default=$(xdg-mime query default "$lesson_type")
[[ $default == "$(basename "$entry")" ]] || fail "$lesson_type opens with \"$default\", not $(basename "$entry")"
echo "$lesson_type opens with $default"

if [[ $remove_after == 1 ]]; then
  remove_after=0
  echo "== apt-get remove =="
  DEBIAN_FRONTEND=noninteractive apt-get remove -y --purge -o DPkg::Lock::Timeout=300 "$name"
  ! is_installed || fail "$name is still installed"
else
  echo "$name was installed before the check: left installed, now in version $version"
fi
echo "package check: $(basename "$deb") passed"
