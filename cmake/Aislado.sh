#!/usr/bin/env bash
# Runs one test process in a setting of its own, so that processes running side by side (a whole test binary
# beside the same binary's tests one by one) never meet:
# - a private temporary folder (TMPDIR, and TEST_TMPDIR for GoogleTest), removed when the process ends, with the
#   user's configuration and data folders (XDG) inside it;
# - for a sanitizer build, the leak suppressions of the system libraries (cmake/FugasSistema.supp), and undefined
#   behaviour reported with its stack and stopping the process. Options already in the environment come after
#   ours and win.
set -u
raiz=$(cd "$(dirname "$0")" && pwd)
carpeta=$(mktemp -d "${TMPDIR:-/tmp}/korvelix-prueba.XXXXXX") || exit 1
trap 'rm -rf "$carpeta"' EXIT
mkdir -p "$carpeta/config" "$carpeta/datos"
export TMPDIR="$carpeta" TEST_TMPDIR="$carpeta" XDG_CONFIG_HOME="$carpeta/config" XDG_DATA_HOME="$carpeta/datos"
export LSAN_OPTIONS="suppressions=$raiz/FugasSistema.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
"$@"
