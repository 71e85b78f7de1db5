#!/usr/bin/env bash
# package.sh [BUILD_DIR]: makes the Windows installer RNA-Introducere-VERSION-setup.exe (NSIS) and a portable
# RNA-Introducere-VERSION.zip of the same files from the Windows build (tools/windows/build.sh; SKIP_BUILD=1
# uses BUILD_DIR as it is) and prints their paths. The files: the program, exactly the DLLs it and the Windows
# platform plug-in load (found by reading their import tables), the icon, and the licenses.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-${BUILD_DIR:-$root/build-windows}}
qt=${RNA_QT_MINGW:-$HOME/.cache/rna/qt-6.4.2-mingw}
if [[ -z ${SKIP_BUILD:-} ]]; then
  BUILD_DIR=$build bash "$root/tools/windows/build.sh" >/dev/null
fi
version=$(sed -n 's/^project(RnaIntroducere VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[[ -n $version ]] || { echo "package.sh: no VERSION in the root project()" >&2; exit 1; }
name=RNA-Introducere
out=$build/package
stage=$out/$name
rm -rf "$out"
mkdir -p "$stage/platforms" "$stage/licenses"

# The DLLs a Windows binary loads from outside the system: its import table, followed through each DLL found
# among Qt's and the MinGW runtime's.
dll_dirs=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
add_imports() {
  local dll found dir
  for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
    [[ -f $stage/$dll ]] && continue
    found=
    for dir in "${dll_dirs[@]}"; do
      if [[ -f $dir/$dll ]]; then found=$dir/$dll; break; fi
    done
    [[ -n $found ]] || continue  # a system DLL
    cp "$found" "$stage/$dll"
    add_imports "$found"
  done
}
cp "$build/app/RNA.exe" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
add_imports "$stage/RNA.exe"
add_imports "$stage/platforms/qwindows.dll"
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip {} +

# The icon at the sizes Windows shows (menu, desktop, large icons), from the theme icons.
icons=$root/packaging/icons/hicolor
convert "$icons"/{16x16,32x32,48x48,64x64,256x256}/apps/ro.rna_introducere.rna.png "$stage/RNA.ico"

cp "$root/LICENSE" "$stage/licenses/RNA-Introducere.txt"
cp "$root"/assets/fonts/LICENSE-*.txt "$root/assets/fonts/GPL-2.txt" "$stage/licenses/"
cp /usr/share/common-licenses/LGPL-3 "$stage/licenses/Qt-LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/licenses/GPL-3.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/GCC-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/MinGW-w64-runtime.txt"
cat >"$stage/licenses/README.txt" <<EOF
RNA - Introducere $version: MIT license (RNA-Introducere.txt).
Qt $(basename "$qt" | sed 's/qt-\([0-9.]*\).*/\1/') (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms\\qwindows.dll): LGPL 3
(Qt-LGPL-3.txt, GPL-3.txt), built from Debian's qt6-base source package, which is its source.
libstdc++-6.dll, libgcc_s_seh-1.dll: GPL 3 with the GCC Runtime Library Exception (GCC-runtime.txt).
libwinpthread-1.dll: MinGW-w64's license (MinGW-w64-runtime.txt).
Embedded fonts: Liberation Sans (LICENSE-LiberationSans.txt), Liberation Sans Narrow
(LICENSE-LiberationSansNarrow.txt, GPL-2.txt).
EOF

# The portable zip: the same files in one folder.
(cd "$out" && rm -f "$name-$version.zip" && zip -qr -X "$name-$version.zip" "$name")

# The installer: the list of files is written out, so the uninstaller removes exactly what was installed.
installs=$out/files.nsh removes=$out/removes.nsh
: >"$installs"; : >"$removes"
while IFS= read -r dir; do
  rel=${dir#"$stage"}; rel=${rel#/}; win=${rel//\//\\}
  echo "SetOutPath \"\$INSTDIR${win:+\\$win}\"" >>"$installs"
  for file in "$dir"/*; do
    [[ -f $file ]] || continue
    echo "File \"$file\"" >>"$installs"
    echo "Delete \"\$INSTDIR${win:+\\$win}\\$(basename "$file")\"" >>"$removes"
  done
done < <(find "$stage" -type d | sort)
find "$stage" -mindepth 1 -type d | sort -r | while IFS= read -r dir; do
  rel=${dir#"$stage"/}
  echo "RMDir \"\$INSTDIR\\${rel//\//\\}\"" >>"$removes"
done
makensis -V2 -DVERSION="$version" -DOUT="$out/$name-$version-setup.exe" -DSTAGE="$stage" \
  -DFILES="$installs" -DREMOVES="$removes" "$root/tools/windows/installer.nsi" >&2
echo "$out/$name-$version-setup.exe"
echo "$out/$name-$version.zip"
