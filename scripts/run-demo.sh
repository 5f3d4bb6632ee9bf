#!/usr/bin/env bash
# Starts the tool for a newcomer: the window on the desktop when there is
# one; without a display, the command-line front end.
set -euo pipefail
build=${1:-build}

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Starting DorvanePELLAR ($build/DorvanePELLAR)"
  exec "$build/DorvanePELLAR"
fi

echo "No display found: showing the command-line front end instead."
echo "(For the window without a desktop: xvfb-run make run)"
"$build/pellarctl" --version
"$build/pellarctl" --help
