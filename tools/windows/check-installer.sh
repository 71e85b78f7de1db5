#!/usr/bin/env bash
# check-installer.sh SETUP.exe: in a fresh Wine prefix, installs silently (/S) as a user would be given it, checks
# the Start-menu entry and the Add/Remove Programs entry, starts the installed program (with only the files it
# was installed with) to its first paint, uninstalls silently and checks that every installed file, the entry
# and the registry key are gone.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
setup=$(realpath "${1:?usage: check-installer.sh RNA-Introducere-VERSION-setup.exe}")
source "$root/tools/windows/wine-session.sh"
wine_session_start
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\RNA-Introducere'
fail() { echo "check-installer: $*" >&2; exit 1; }

wine "$setup" /S
wineserver -w
users=$WINEPREFIX/drive_c/users
installed=$(find "$users" -path '*/AppData/Local/Programs/RNA-Introducere' -type d | head -1)
[[ -n $installed && -f $installed/RNA.exe ]] || fail "nothing installed under the user's AppData\\Local\\Programs"
echo "installed into ${installed#"$WINEPREFIX"/}: $(find "$installed" -type f | wc -l) files"
find "$installed" -type f | sort >"$wine_work/files"
shortcut=$(find "$users" -name 'RNA - Introducere.lnk' | head -1)
[[ -n $shortcut ]] || fail "no Start-menu entry"
echo "Start-menu entry: ${shortcut#"$WINEPREFIX"/}"
registered=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString; do
  grep -q "^ *$value " <<<"$registered" || fail "the uninstall entry has no $value"
done
grep -E "^ *(DisplayName|DisplayVersion|Publisher|DisplayIcon) " <<<"$registered"

# The installed program alone: no WINEPATH, no plug-in path, only what the installer put beside it.
env -u WINEPATH -u QT_PLUGIN_PATH RNA_BENCH_EXIT_AFTER_FIRST_PAINT=1 timeout 120 wine "$installed/RNA.exe" \
  >/dev/null 2>&1 || fail "the installed program did not reach its first paint"
echo "the installed program reached its first paint"

wine "$installed/Uninstall.exe" /S
wineserver -w  # the uninstaller runs from a copy of itself: wait for it
if [[ -e $installed ]]; then
  echo "left behind:" >&2
  find "$installed" >&2
  fail "the uninstaller left files"
fi
[[ ! -e $shortcut ]] || fail "the uninstaller left the Start-menu entry"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstaller left the registry key"; fi
echo "uninstalled: every installed file, the Start-menu entry and the registry key removed"
