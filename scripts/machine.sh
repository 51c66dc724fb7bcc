# Sourced: a simulated Windows XP or 2000 machine with an NVIDIA adapter in a Wine prefix
# of its own, with vexmora.exe and the helpers that play its user.
# shellcheck shell=bash

# shellcheck source=wine-env
source "$(dirname "${BASH_SOURCE[0]}")/wine-env"

# Makes $1 a copy of the base prefix: the program files are linked once, the registry
# is copied afresh each time, so every run starts from the same machine.
machine_prefix() {
  local dir=$1
  if ! [ -f "$dir/.vexmora-ready" ]; then
    rm -rf "$dir"
    mkdir -p "$dir"
    cp -a "$WINEPREFIX/dosdevices" "$dir/"
    cp -al "$WINEPREFIX/drive_c" "$dir/"
    touch "$dir/.vexmora-ready"
  fi
  cp "$WINEPREFIX"/*.reg "$dir/"
  export WINEPREFIX=$dir
}

# Seeds the running prefix: $1 "xp" or "2000", $2 the adapter, $3 "volatile" for a 2000
# driver key that refuses non-volatile children. Keeps one wineserver up, since the
# driver key is volatile on Windows XP and would die with the server.
machine_seed() {
  local os=$1 adapter=$2 option=${3:-}
  vexmora_server_up
  local sys32="$WINEPREFIX/drive_c/windows/system32"
  rm -f "$sys32/nv4_disp.dll"
  cp "$bin/tests/win32/nv4_disp.dll" "$sys32/nv4_disp.dll"
  local version=5.1
  [ "$os" = 2000 ] && version=5.0
  wine reg add 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion /d "$version" /f >/dev/null
  if [ "$os" = 2000 ]; then
    DRIVER_KEY=$(wine "$bin/e2e/machine.exe" 2000 "$adapter" $option | tr -d '\r')
  else
    DRIVER_KEY=$(wine "$bin/e2e/machine.exe" xp "$adapter" | tr -d '\r')
  fi
  export DRIVER_KEY
}

drv() { wine "$bin/e2e/driver.exe" "$@" | tr -d '\r'; }

# Starts vexmora.exe in the background; VEXMORA_PID is the Wine process.
start_vexmora() {
  "$WINE" "$bin/vexmora.exe" >/dev/null 2>&1 &
  VEXMORA_PID=$!
}

machine_stop() { wineserver -k >/dev/null 2>&1 || true; }
