#!/usr/bin/env bash
# Runs a command on a private X server with a window manager: Xvfb on a display number that is
# free at this moment, and openbox on it. Both stop when the command ends, passed or failed.
# The screen is a small laptop's, 1366 × 768, and openbox keeps 48 pixels at the bottom free as a
# desktop panel would: the windows are tested in the 1366 × 720 that such a user has.
#   bash scripts/fenstersystem.sh ctest -L fenstersystem
set -euo pipefail
arbeit=$(mktemp -d)
xvfb_pid=""
openbox_pid=""
stoppen() {
  for pid in $openbox_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$arbeit"
}
trap stoppen EXIT
trap 'exit 130' INT TERM

warten_auf() { # file, what
  for _ in $(seq 100); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  echo "$2 did not start" >&2
  [ -f "$arbeit/log" ] && cat "$arbeit/log" >&2
  return 1
}

# Xvfb takes the first display number without a server and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$arbeit/display" 2>"$arbeit/log" &
xvfb_pid=$!
warten_auf "$arbeit/display" Xvfb
export DISPLAY=":$(head -n 1 "$arbeit/display")"

# The delivered configuration with a margin for the panel, which the work area then leaves out.
sed 's|<bottom>0</bottom>|<bottom>48</bottom>|' /etc/xdg/openbox/rc.xml >"$arbeit/rc.xml"
grep -q '<bottom>48</bottom>' "$arbeit/rc.xml" || { echo "openbox's rc.xml has no margins to set" >&2; exit 1; }
echo bereit >"$arbeit/leer"
openbox --sm-disable --config-file "$arbeit/rc.xml" --startup "cp $arbeit/leer $arbeit/openbox" >>"$arbeit/log" 2>&1 &
openbox_pid=$!
warten_auf "$arbeit/openbox" openbox

echo "Xvfb and openbox on $DISPLAY"
"$@"
