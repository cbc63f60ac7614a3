#!/usr/bin/env bash
# Runs a command on a display of its own: a private Xvfb server for this one process, so that window tests running
# side by side never share the screen, the keyboard focus or the clipboard. Without Xvfb the command runs on the
# display there is. Either way it runs in a setting of its own (Aislado.sh: temporary folder, sanitizer options).
set -u
aislado="$(cd "$(dirname "$0")" && pwd)/Aislado.sh"
if ! command -v Xvfb >/dev/null 2>&1; then
  exec "$aislado" "$@"
fi
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
# -displayfd: the server picks a free display number itself and writes it once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$carpeta/pantalla" 2>"$carpeta/errores" &
servidor=$!
for _ in $(seq 1 200); do
  [ -s "$carpeta/pantalla" ] && break
  kill -0 "$servidor" 2>/dev/null || break
  sleep 0.02
done
numero=$(head -n 1 "$carpeta/pantalla" 2>/dev/null)
if [ -z "$numero" ]; then
  echo "ConPantalla: Xvfb did not start" >&2
  cat "$carpeta/errores" >&2
  kill "$servidor" 2>/dev/null
  exit 1
fi
DISPLAY=":$numero" "$aislado" "$@"
resultado=$?
kill "$servidor" 2>/dev/null
wait "$servidor" 2>/dev/null
exit $resultado
