#!/usr/bin/env bash
# Says in one line when there is no desktop to show the program on.
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exit 0
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "tintra: no display available (DISPLAY is not set): start it from a desktop session" >&2
  exit 1
fi
if ! xdpyinfo >/dev/null 2>&1; then
  echo "tintra: no display available (cannot open display '$DISPLAY')" >&2
  exit 1
fi
