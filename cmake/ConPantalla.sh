#!/usr/bin/env bash
# Runs a command on a virtual display that no other running test shares, so that window tests running side by side
# never share the screen, the keyboard focus or the clipboard. Either way it runs in a setting of its own
# (Aislado.sh: temporary folder, sanitizer options). Without Xvfb the command runs on the display there is.
#
# With KORVELIX_PANTALLAS naming a folder (ctest sets it to the build's own), the displays come from a pool kept
# there: the command takes the first free place of the pool (a lock held for as long as it runs), and the place's
# Xvfb, started by the first command that takes it, serves every command that takes the place after it. A server
# left without clients ends by itself a little later (-terminate), and the next command to take its place starts a
# new one. So a test run starts about as many servers as it runs tests side by side, not one per test; each test
# still has its display to itself while it runs, and its windows, selections and grabs end with its process.
# Without KORVELIX_PANTALLAS (a binary run by hand) the command gets a private server of its own, as before.
set -u
aislado="$(cd "$(dirname "$0")" && pwd)/Aislado.sh"
if ! command -v Xvfb >/dev/null 2>&1; then
  exec "$aislado" "$@"
fi

# arrancar_xvfb FOLDER [options]: starts an Xvfb that picks a free display number itself, writes its pid to
# FOLDER/pid and its number to FOLDER/pantalla once it accepts connections. Fails if it does not come up.
arrancar_xvfb() {
  local carpeta=$1
  shift
  rm -f "$carpeta/pantalla" "$carpeta/pid"
  # setsid: a pooled server outlives the command that started it (and is not killed with its process group).
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp "$@" 3>"$carpeta/pantalla" 2>"$carpeta/errores" \
    </dev/null >/dev/null 9>&- &
  local servidor=$!
  echo "$servidor" >"$carpeta/pid"
  for _ in $(seq 1 250); do
    [ -s "$carpeta/pantalla" ] && return 0
    kill -0 "$servidor" 2>/dev/null || break
    sleep 0.02
  done
  echo "ConPantalla: Xvfb did not start" >&2
  cat "$carpeta/errores" >&2
  kill "$servidor" 2>/dev/null
  return 1
}

# vivo FOLDER: whether the Xvfb recorded there still runs and still accepts connections on its display.
vivo() {
  local carpeta=$1 pid numero
  pid=$(cat "$carpeta/pid" 2>/dev/null) || return 1
  numero=$(head -n 1 "$carpeta/pantalla" 2>/dev/null) || return 1
  [ -n "$pid" ] && [ -n "$numero" ] && kill -0 "$pid" 2>/dev/null && [ -S "/tmp/.X11-unix/X$numero" ]
}

# responde NUMBER: whether the display answers a client. A pooled server left without clients ends 20 s later
# unless a client comes: this check is such a client, so a server that answers it stays 20 s more, time enough for
# the command to connect; and a server just started has had its first client, so it ends in time even if the command
# never connects.
responde() {
  xdpyinfo -display ":$1" >/dev/null 2>&1
}

if [ -n "${KORVELIX_PANTALLAS:-}" ] && command -v xdpyinfo >/dev/null 2>&1 && mkdir -p "$KORVELIX_PANTALLAS" 2>/dev/null
then
  for plaza in $(seq 0 63); do
    carpeta="$KORVELIX_PANTALLAS/$plaza"
    mkdir -p "$carpeta" || break
    # The lock stays held by descriptor 9, which the command inherits, until the command ends.
    exec 9>"$carpeta/cerrojo"
    if flock -n 9; then
      if ! vivo "$carpeta" || ! responde "$(head -n 1 "$carpeta/pantalla")"; then
        arrancar_xvfb "$carpeta" -terminate 20 || exit 1
        responde "$(head -n 1 "$carpeta/pantalla")" || exit 1
      fi
      DISPLAY=":$(head -n 1 "$carpeta/pantalla")" exec "$aislado" "$@"
    fi
    exec 9>&-
  done
fi

carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
arrancar_xvfb "$carpeta" || exit 1
numero=$(head -n 1 "$carpeta/pantalla")
DISPLAY=":$numero" "$aislado" "$@"
resultado=$?
servidor=$(cat "$carpeta/pid")
kill "$servidor" 2>/dev/null
wait "$servidor" 2>/dev/null
exit $resultado
