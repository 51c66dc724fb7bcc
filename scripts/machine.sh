# Sourced: a simulated Windows XP or 2000 machine with an NVIDIA adapter in a Wine prefix
# of its own (seeded by machine/machine.cpp), with vexmora.exe and the helpers that play its
# user.
# shellcheck shell=bash

# shellcheck source=wine-env
source "$(dirname "${BASH_SOURCE[0]}")/wine-env"

# Makes $1 a copy of the base prefix: the program files are linked once, the registry
# is copied afresh each time, so every run starts from the same machine. The update stamp
# goes with it: without it Wine would update the copy, rewriting in place the DLLs that all
# copies share while other scenarios load them ("could not load kernel32.dll").
machine_prefix() {
  local dir=$1 base
  # The copy's ready mark names the base it was linked from: a base made anew since (its mark
  # another file) means new program files, and the copy is made again.
  base=$(stat -c '%i %Y' "$WINEPREFIX/.vexmora-ready")
  if [ "$(cat "$dir/.vexmora-ready" 2>/dev/null)" != "$base" ]; then
    rm -rf "$dir"
    mkdir -p "$dir"
    cp -a "$WINEPREFIX/dosdevices" "$dir/"
    cp -al "$WINEPREFIX/drive_c" "$dir/"
    echo "$base" >"$dir/.vexmora-ready"
  fi
  cp "$WINEPREFIX"/*.reg "$WINEPREFIX/.update-timestamp" "$dir/"
  export WINEPREFIX=$dir
}

# The classic look of Windows 2000 and of XP's Classic theme: Wine's visual style off. Wine
# reads it as its first process starts, so it goes into the registry file before that.
machine_classic_look() {
  sed -i 's/^"ThemeActive"="1"/"ThemeActive"="0"/' "$WINEPREFIX/user.reg"
  grep -q '^"ThemeActive"="0"' "$WINEPREFIX/user.reg"
}

# Seeds the running prefix: $1 "xp" or "2000", $2 the adapter. Keeps one wineserver up,
# since the driver key is volatile on Windows XP and would die with the server.
machine_seed() {
  local os=$1 adapter=$2
  vexmora_server_up
  local sys32="$WINEPREFIX/drive_c/windows/system32"
  rm -f "$sys32/nv4_disp.dll"
  cp "$bin/machine/nv4_disp.dll" "$sys32/nv4_disp.dll"
  local version=5.1
  [ "$os" = 2000 ] && version=5.0
  wine reg add 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion /d "$version" /f >/dev/null
  DRIVER_KEY=$(wine "$bin/machine/machine.exe" "$os" "$adapter" | tr -d '\r')
  export DRIVER_KEY
}

# Plays the user of the running program: see tests/e2e/user.cpp.
# A failure that printed nothing says at least how it ended.
user() {
  local status=0
  wine "$bin/e2e/user.exe" "$@" | tr -d '\r' || status=$?
  [ "$status" = 0 ] || echo "user $1: exit status $status" >&2
  return "$status"
}

# A screenshot of the main window, from the X display Wine draws on.
shot() {  # file
  local x y w h
  read -r x y w h <<<"$(user rect)"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"
}

# Starts vexmora.exe ($VEXMORA_EXE, else the build's) in the background, or through Wine's
# "start" with its flag (/max: as a shortcut set to run maximized); VEXMORA_PID ends with the
# program, with its exit code.
start_vexmora() {  # [flag of start]
  wine ${1:+start /wait "$1" /unix} "${VEXMORA_EXE:-$bin/vexmora.exe}" >/dev/null 2>&1 &
  VEXMORA_PID=$!
}

machine_stop() { wineserver -k >/dev/null 2>&1 || true; }
