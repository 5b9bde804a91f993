#!/usr/bin/env bash
# The table's notification-area icon on a real X desktop: its own Xvfb, openbox as the window
# manager and trayer as the notification area, driven with xdotool; then in a D-Bus
# notification area (StatusNotifierItem, as KDE and others keep icons), which sni_host stands
# in for on a private session bus.
#   tray_check.sh <tray_check program> <sni_host program>
# TRAY_CHECK_DISPLAY picks the display number; by default Xvfb takes a free one itself, so
# runs started together never race for the same display.
set -uo pipefail
program=$1
host=$2
for tool in Xvfb openbox trayer xdotool xprop xwininfo dbus-daemon; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (scripts/install-deps.sh)"; exit 77; }
done

work=$(mktemp -d)
log=$work/program.log
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  local name
  for name in program xvfb openbox trayer dbus host; do
    [ -s "$work/$name.log" ] && { echo "--- $name output:"; cat "$work/$name.log"; }
  done
  exit 1
}
# poll <seconds> <command...>: polls the command until it succeeds; false when it never does.
# The time is what a quiet machine needs, tripled for a busy one: polling returns as soon as
# the step is done, so only a real failure waits that long.
poll() {
  local deadline=$((SECONDS + 3 * $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}
# wait_for <seconds> <what should happen> <command...>: the same, failing the check.
wait_for() {
  local seconds=$1 what=$2
  shift 2
  poll "$seconds" "$@" || fail "$what"
}
step() { echo "ok: $*"; }

unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS # the icon goes to the X notification area
export QT_QPA_PLATFORM=xcb

server_up() { xprop -root >/dev/null 2>&1; }
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
said() { grep -q -- "$1" "$log"; }
ended() { ! kill -0 "$program_pid" 2>/dev/null; }
said_times() { [ "$(grep -c -- "$1" "$log")" -ge "$2" ]; }
# Starts the table program and reads where its box is into box_x, box_y and box_enabled.
start_program() {
  "$program" >"$log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
  wait_for 20 "$1" said '^box '
  read -r _ box_x box_y box_enabled < <(grep '^box ' "$log")
}
# The pointer moved to x y is over a menu on screen (a window the window manager leaves alone).
menu_under() {
  local WINDOW
  eval "$(xdotool mousemove "$1" "$2" getmouselocation --shell)"
  xwininfo -id "$WINDOW" 2>/dev/null | grep -q 'Override Redirect State: yes'
}
# open_menu <what should happen> <command...>: runs the command that opens the icon's menu
# until the menu is on screen. On a machine busy enough a menu can close as soon as it has
# opened, before the pointer gets to it; a user opens it again, and so does this.
open_menu() {
  local what=$1 try menus exit_x exit_y
  shift
  for try in 1 2 3; do
    menus=$(grep -c '^menu ' "$log")
    "$@"
    wait_for 5 "$what" said_times '^menu ' $((menus + 1))
    read -r _ _ exit_x exit_y < <(grep '^item Exit ' "$log" | tail -1)
    poll 2 menu_under "$exit_x" "$exit_y" && return
  done
  fail "$what: the menu closes as soon as it opens"
}
right_click_icon() { xdotool mousemove "$icon_x" "$icon_y" click 3; }
# Clicks Exit in the menu last shown; the program must end with status 0.
exit_from_menu() {
  local exit_x exit_y status
  read -r _ _ exit_x exit_y < <(grep '^item Exit ' "$log" | tail -1)
  xdotool mousemove "$exit_x" "$exit_y" click 1
  wait_for 5 "$1" ended
  wait "$program_pid"
  status=$?
  [ "$status" = 0 ] || fail "the program ended with status $status"
}
# The table window, into window and window_hex.
find_window() {
  window=$(xdotool search --sync --onlyvisible --name '^Black Jack$' | head -1)
  window_hex=$(printf '0x%x' "$window")
}
start_trayer() {
  trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 26 \
    >>"$work/trayer.log" 2>&1 &
  trayer_pid=$!
  pids+=("$trayer_pid")
}

# -noreset: a server left without clients resets, and a client connecting meanwhile (openbox
# right after the readiness probe disconnects) is refused.
display=${TRAY_CHECK_DISPLAY:-}
if [ -n "$display" ]; then
  [ -e "/tmp/.X$display-lock" ] && { echo "FAIL: display :$display is in use"; exit 1; }
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  pids+=($!)
else
  # Xvfb writes the display it took once it accepts connections.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  wait_for 10 "Xvfb picks a display" test -s "$work/display"
  display=$(cat "$work/display")
fi
export DISPLAY=:$display
wait_for 10 "Xvfb starts on $DISPLAY" server_up
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 "openbox starts" wm_up

# Without a notification area the box cannot be ticked.
start_program "the table window is shown"
[ "$box_enabled" = 0 ] || fail "the box is usable although there is no notification area"
step "no notification area: the box is disabled"

start_trayer
wait_for 10 "the program sees the notification area arrive" said '^area 1'
step "the notification area arrives: the box is usable"

find_window
in_task_bar() { xprop -root _NET_CLIENT_LIST | grep -qiE "$window_hex(,|$)"; }
shown() { xwininfo -id "$window" | grep -q IsViewable && in_task_bar \
  && ! xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
hidden() { ! xwininfo -id "$window" | grep -q IsViewable && ! in_task_bar; }
minimised_on_task_bar() { in_task_bar && xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
# The program's windows inside trayer's panel at the top right: its icons.
icon_windows() {
  local id X Y WIDTH HEIGHT SCREEN WINDOW
  for id in $(xdotool search --onlyvisible --classname '^tray_check$' 2>/dev/null); do
    [ "$id" = "$window" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$id")"
    ((Y < 26 && X >= 1280 - 120)) && echo "$id $((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
  done
}
# minimise <what should happen> [<state it leads to, hidden if not given>]
minimise() { xdotool windowminimize "$window"; wait_for 5 "$1" "${2:-hidden}"; }
# The first icon's centre, into icon_x and icon_y.
icon_docked() { read -r _ icon_x icon_y < <(icon_windows | head -1); }

wait_for 5 "the table is on the task bar" shown
minimise "minimising with the box cleared keeps the window on the task bar" minimised_on_task_bar
sleep 0.5
minimised_on_task_bar || fail "the window left the task bar with the box cleared"
[ -z "$(icon_windows)" ] || fail "an icon is shown before the box is ticked"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowmap "$window"
wait_for 5 "the window comes back from the task bar" shown
sleep 1
step "minimised with the box cleared: the window stays on the task bar"

xdotool mousemove --window "$window" "$box_x" "$box_y" click 1
wait_for 10 "ticking the box puts an icon in the notification area" icon_docked
[ "$(icon_windows | wc -l)" = 1 ] || fail "more than one icon"
step "ticked: one icon in the notification area"

minimise "minimising hides the window from the task bar"
step "minimised: the window has left the task bar"

xdotool mousemove "$icon_x" "$icon_y" click 1
sleep 1
hidden || fail "a single click on the icon brought the window back"
said '^menu ' && fail "a single click opened the menu"
step "a single click on the icon does nothing"

xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 80 1
wait_for 5 "a double click on the icon restores the window" shown
step "a double click restores the window"

minimise "minimising hides the window again"
open_menu "a right click opens the menu" right_click_icon
grep -q '^menu Show Black Jack|-|Exit$' "$log" || fail "the menu is not Show Black Jack, a separator, Exit"
read -r _ _ _ _ show_x show_y < <(grep '^item Show Black Jack ' "$log" | tail -1)
xdotool mousemove "$show_x" "$show_y" click 1
wait_for 5 "\"Show Black Jack\" shows the window" shown
step "the right-click menu holds Show Black Jack, a separator and Exit; Show Black Jack shows the window"

minimise "minimising hides the window before the area goes"
kill "$trayer_pid"
wait_for 10 "the window comes back when the notification area goes" shown
step "the notification area ends: the hidden window is shown again"

start_trayer
wait_for 10 "the icon returns with the notification area" icon_docked
minimise "minimising hides the window with the new area"
open_menu "a right click opens the menu again" right_click_icon
exit_from_menu "Exit ends the program"
[ -z "$(icon_windows)" ] || fail "the icon is still in the notification area"
step "Exit ends the program and the icon is gone"

# A D-Bus notification area reports a click on the icon as an activation and never a double
# click, so there an activation restores the window.
dbus-daemon --session --nofork --nopidfile --print-address=5 5>"$work/bus" >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_for 10 "a session bus starts" test -s "$work/bus"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
mkfifo "$work/host.in"
"$host" <"$work/host.in" >"$work/host.log" 2>&1 &
pids+=($!)
exec 4>"$work/host.in"
host_said() { grep -q -- "$1" "$work/host.log"; }
ask_host_for_menu() { echo menu >&4; }
wait_for 10 "the stand-in area watches for icons" host_said '^watching'

start_program "the table window is shown again"
[ "$box_enabled" = 1 ] || fail "the box is not usable with a D-Bus notification area"
find_window
wait_for 5 "the table is on the task bar again" shown
xdotool mousemove --window "$window" "$box_x" "$box_y" click 1
wait_for 10 "ticking the box registers an icon with the D-Bus area" host_said '^item '
step "D-Bus area: ticking the box registers the icon"

minimise "minimising hides the window with the D-Bus area"
echo activate >&4
wait_for 5 "an activation of the D-Bus icon restores the window" shown
step "D-Bus area: an activation restores the window"

minimise "minimising hides the window before the D-Bus menu"
open_menu "the D-Bus icon's menu request opens the menu" ask_host_for_menu
exit_from_menu "Exit ends the program with the D-Bus area"
step "D-Bus area: the menu's Exit ends the program"
