#!/usr/bin/env bash
# Takes screenshots of the real program under Xvfb: the menu, then each
# working screen opened by its access key: the opening balance screen with a
# filled year and the next year carried from it, the transaction screen with a
# month of entries and a summary typed (its byte count below it), and the same
# screen with its calendar paged back a month
# by its arrow (the same day of that month selected, the year's entries listed).
# Usage: scripts/screenshots.sh [build-dir] [out-dir]
# Needs xvfb, imagemagick, xdotool and sqlite3 (installed here when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
out="${2:-screenshots}"
for tool in xvfb-run:xvfb import:imagemagick xdotool:xdotool sqlite3:sqlite3; do
  command -v "${tool%%:*}" > /dev/null || apt-get install -y --no-install-recommends "${tool##*:}" xauth
done
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
# A user name, so that the working screens open.
printf '[user]\r\nname=青色 太郎\r\n[db]\r\nfilename=velmo.sqlite3\r\n' | iconv -f UTF-8 -t CP932 > "$prefix/bin/VelmoAccount.ini"
# A month of entries in the current month, so that the record list shows how
# its columns line up: short and full summaries, small and large amounts,
# shared trades with their percentage.
year=$(date +%Y); month=$(date +%-m)
{
  echo "begin;"
  day=1
  for entry in "14|01|電車代|320|100" "50|01|電気代|8640|30" "19|01|文房具|1280|100" "01|02|商品販売代金|128000|100" \
               "53|01|携帯電話料金|7480|50" "17|01|取引先との会食代|15400|100" "55|01|自宅兼事務所の家賃|98000|40" \
               "13|01|宅配便送料|1150|100" "58|01|ガソリン代|5230|60" "31|01|振込手数料|440|100" \
               "02|02|請求書発行分|1234567|100" "70|01|生活費|100000|100" "14|03|タクシー代|2780|100" \
               "62|01|パソコン(10万円未満)|89800|80" "15|03|レターパック代|520|100"; do
    IFS='|' read -r trade detail name money rate <<< "$entry"
    for seq in 1 2; do
      echo "insert into t_trade values ($year,$month,$day,$seq,'$trade','$detail','$name',$((money * seq)),$rate,1,'');"
    done
    day=$((day + 1))
  done
  echo "commit;"
} | sqlite3 "$prefix/db/velmo.sqlite3"
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
# The next year takes this year's closing balances: the message, then the lists.
xdotool search --name "メニュー画面" windowfocus --sync && xdotool key alt+i && sleep 0.5 && xdotool key alt+b
wait_for "貸借対照表期首画面" && sleep 1 && xdotool key alt+k
sleep 1 && import -window root "$out/carry_forward.png"
xdotool key Return
sleep 1 && import -window root "$out/opening_balance_carried.png"
xdotool key alt+m space
sleep 1
xdotool search --name "メニュー画面" windowfocus --sync && xdotool key alt+d && sleep 0.5 && xdotool key alt+t
wait_for "取引画面" && sleep 1
# The period option 指定月 of the record list, at the top edge of the screen, centred.
xdotool mousemove $(( (1280 - 1101) / 2 + 100 )) 384 click 1
# A summary typed into its box, so that the count of its bytes shows below it.
sleep 0.5 && xdotool mousemove $(( (1280 - 1101) / 2 + 658 )) 288 click 1 && xdotool type "電車代（往復）"
sleep 1 && import -window root "$out/trade.png"
# The period option 年間, then the calendar's arrow to the month before (the
# calendar's top-left corner lies 56 by 48 pixels into the window).
xdotool mousemove $(( (1280 - 1101) / 2 + 44 )) 384 click 1
sleep 0.5 && xdotool mousemove $(( (1280 - 1101) / 2 + 56 + 14 )) $(( 48 + 14 )) click 1
sleep 1 && import -window root "$out/trade_paged.png"
kill "$pid"
INNER
chmod +x "$prefix/shoot.sh"
xvfb-run -a -s "-screen 0 1280x800x24" "$prefix/shoot.sh" "$prefix" "$out"
echo "Screenshots in $out"
