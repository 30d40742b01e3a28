#!/usr/bin/env bash
# Runs a Windows program under Wine, in the prefix WINEPREFIX, as on a Chinese system (code page 936),
# then ends that prefix's Wine processes so that the next test starts on its own X server. The
# program's exit code is this script's.
set -u
: "${WINEPREFIX:?with-wine: WINEPREFIX names the Wine prefix}"
# No .NET or browser runtime: a new prefix would otherwise offer to download them, and wait for an answer.
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the system code page from the locale, which Debian does not make unless asked to.
locales="$WINEPREFIX.locales"
if [ ! -d "$locales/zh_CN.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i zh_CN -f UTF-8 "$locales/zh_CN.UTF-8" 2>/dev/null
fi
env LOCPATH="$locales" LC_ALL=zh_CN.UTF-8 wine "$@"
rc=$?
wineserver -k 2>/dev/null
exit "$rc"
