#!/usr/bin/env bash
# Takes screenshots of the real program under Xvfb: the menu, then each
# working screen opened by its access key, the opening balance screen also
# with a filled year. Usage: scripts/screenshots.sh [build-dir] [out-dir]
# Needs xvfb, imagemagick and xdotool (installed here when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
out="${2:-screenshots}"
for tool in xvfb-run:xvfb import:imagemagick xdotool:xdotool; do
  command -v "${tool%%:*}" > /dev/null || apt-get install -y --no-install-recommends "${tool##*:}" xauth
done
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
# A user name, so that the working screens open.
printf '[user]\r\nname=青色 太郎\r\n[db]\r\nfilename=velmo.sqlite3\r\n' | iconv -f UTF-8 -t CP932 > "$prefix/bin/VelmoAccount.ini"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

cat > "$prefix/shoot.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
prefix="$1"; out="$2"
"$prefix/bin/VelmoAccount" & pid=$!
wait_for() { for _ in $(seq 50); do xdotool search --name "$1" > /dev/null 2>&1 && return 0; sleep 0.2; done; return 1; }
wait_for "メニュー画面"
sleep 1
import -window root "$out/menu.png"
xdotool search --name "メニュー画面" windowfocus --sync && xdotool key alt+b
wait_for "貸借対照表期首画面" && sleep 1 && import -window root "$out/opening_balance.png"
# A filled year: the default rows, then a few amounts typed in, each account
# chosen with a click on its row (the list's top-left corner and row height
# in pixels, inside the window).
xdotool key alt+i
sleep 1 && xdotool key Return && sleep 0.5
eval "$(xdotool search --name "貸借対照表期首画面" getwindowgeometry --shell)"
store() {
  xdotool mousemove $((X + $1 + 40)) $((Y + 82 + $2 * ROW + ROW / 2)) click 1
  sleep 0.3 && xdotool key ctrl+a && xdotool type "$3" && xdotool key alt+u && sleep 0.5
}
ROW=16
store 12 0 1250000; store 12 1 3480000; store 12 5 512300; store 12 14 268000
store 396 1 328900; store 396 2 1500000; store 396 22 3681400
store 12 0 1250000
sleep 1 && import -window root "$out/opening_balance_filled.png"
# "メニューへ(&M)" shares its key with "作成(&M)": the key moves the focus, Space presses.
xdotool key alt+m space
sleep 1
xdotool search --name "メニュー画面" windowfocus --sync && xdotool key alt+t
wait_for "取引画面" && sleep 1 && import -window root "$out/trade.png"
kill "$pid"
INNER
chmod +x "$prefix/shoot.sh"
xvfb-run -a -s "-screen 0 1280x800x24" "$prefix/shoot.sh" "$prefix" "$out"
echo "Screenshots in $out"
