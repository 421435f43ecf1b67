#!/usr/bin/env bash
# Takes the screenshots of README.md from the real program under Xvfb:
# docs/acceso.png (the access dialog, filled in), docs/principal.png (the
# selection window after the sign-in, companies chosen, by date range) and
# docs/vista-previa.png (the preview of everything not sent yet).
# Uses a demo installation made for the purpose in a temporary folder.
#
#   bash scripts/capturas.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" != "--en-xvfb" ]]; then
  build="${1:-build}"
  for programa in norvane-envio norvane-demo; do
    [[ -x "$build/bin/$programa" ]] || { echo "falta $build/bin/$programa: compile primero" >&2; exit 1; }
  done
  # A fixed place, so that the pictures show the same server every time.
  instalacion="${TMPDIR:-/tmp}/norvane-demo"
  rm -rf "$instalacion"
  trap 'rm -rf "$instalacion"' EXIT
  "$build/bin/norvane-demo" "$instalacion" --documentos 1 >/dev/null
  xvfb-run -a -s "-screen 0 1280x900x24" bash "$0" --en-xvfb "$build" "$instalacion"
  echo "docs/acceso.png docs/principal.png docs/vista-previa.png"
  exit 0
fi

build="$2"
demo="$3"

# Waits for a window whose title matches, and prints its id.
ventana() {
  for _ in $(seq 1 100); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "no apareció la ventana \"$1\"" >&2
  return 1
}

# The picture of one window as the screen shows it.
capturar() {
  local id="$1" destino="$2"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$destino"
}

teclas() {
  xdotool key --delay 60 "$@"
  sleep 0.3
}

XDG_CONFIG_DIRS="$demo" "$build/bin/norvane-envio" >/dev/null 2>&1 &
programa=$!
trap 'kill "$programa" 2>/dev/null || true' EXIT

acceso=$(ventana "Control de acceso")
xdotool windowfocus --sync "$acceso"
sleep 0.5
xdotool type --delay 60 "sysdba"
teclas Return
xdotool type --delay 60 "clave2024"
teclas Return   # leaving the password connects the origin
teclas Return   # leaving the destination server copies user and password
sleep 0.5
capturar "$acceso" docs/acceso.png

teclas F2
principal=$(ventana "de informaci")
xdotool windowfocus --sync "$principal"
sleep 1
# Origin company: the first; destination: the second; then by date range.
teclas Down Tab Down Down Tab space
sleep 0.5
capturar "$principal" docs/principal.png

# Everything not sent yet, then "Vista previa" (left of "Enviar"); the
# preview writes nothing.
xdotool mousemove --window "$principal" 18 98 click 1
sleep 0.5
xdotool mousemove --window "$principal" 676 617 click 1
previa=$(ventana "Vista previa")
xdotool windowfocus --sync "$previa"
sleep 1
capturar "$previa" docs/vista-previa.png
