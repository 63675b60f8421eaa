#!/usr/bin/env bash
# Runs a sanitized program with the Vulkan driver preloaded. The loader unloads
# the driver when the instance goes; a leak inside it would then be reported
# from an unknown module, which no suppression can name. Preloaded, it stays
# mapped until exit. The sanitizer runtime must still come first.
# Usage: keep-driver-loaded.sh PROGRAM [ARGS...]  (PROGRAM defaults to $SANITIZED_PROGRAM)
set -euo pipefail
driver=$(sed -n 's/.*"library_path": *"\([^"]*\)".*/\1/p' /usr/share/vulkan/icd.d/lvp_icd.*.json | head -n 1)
program="${SANITIZED_PROGRAM:-$1}"
[ -n "${SANITIZED_PROGRAM:-}" ] || shift
LD_PRELOAD="$(gcc -print-file-name=libasan.so) $driver" exec "$program" "$@"
