#!/usr/bin/env bash
# Runs a test program built with -mfma where the processor has a fused
# multiply-add, and otherwise tells CTest to skip it (status 77) with one line
# saying why.
#
#   bash tests/cpu/if-fma.sh PROGRAM [ARGS...]
set -euo pipefail
flags=" $(grep -m1 '^flags' /proc/cpuinfo | cut -d: -f2) "
if [[ $flags != *" fma "* ]]; then
    echo "if-fma.sh: this processor has no fma in /proc/cpuinfo, so a program built with -mfma cannot run here"
    exit 77
fi
exec "$@"
