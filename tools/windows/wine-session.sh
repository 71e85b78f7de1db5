# Sourced by the Windows scripts: a fresh 64-bit Wine prefix in a temporary folder, on a private Xvfb display
# with openbox, removed again by wine_session_stop (or on exit).
#   wine_session_start   sets WINEPREFIX, DISPLAY and wine_work (the temporary folder)
#   windows_path PATH    the path as Windows programs under Wine see it (drive Z: is the root)

windows_path() {
  local path
  path=$(realpath -m "$1")
  echo "Z:${path//\//\\}"
}

wine_session_stop() {
  [[ -n ${wine_work:-} ]] || return 0
  WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
  [[ -n ${wine_openbox_pid:-} ]] && kill "$wine_openbox_pid" 2>/dev/null || true
  [[ -n ${wine_xvfb_pid:-} ]] && kill "$wine_xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$wine_work"
  wine_work=
}

wine_session_start() {
  wine_work=$(mktemp -d)
  trap wine_session_stop EXIT
  # Xvfb picks a free display number itself and writes it to the descriptor given.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$wine_work/display" 2>/dev/null &
  wine_xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $wine_work/display ]] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$wine_work/display")
  openbox >/dev/null 2>&1 &
  wine_openbox_pid=$!
  export WINEPREFIX=$wine_work/prefix WINEARCH=win64 WINEDEBUG=-all
  # No Mono or Gecko installer dialogs: the programs here need neither.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot --init >/dev/null 2>&1
  wineserver -w
}
