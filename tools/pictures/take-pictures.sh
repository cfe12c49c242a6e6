#!/bin/sh
# Plays a short scripted game of three firms with zorvick-script (offscreen) and
# grabs the game's windows into docs/images/, for the README and docs/pictures.md;
# then plots the simulator's runs of docs/balance.md there.
# Run it again after a window changes:   tools/pictures/take-pictures.sh [BUILD_DIR]
# (BUILD_DIR defaults to build/; the game folder is BUILD_DIR/bin.)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
images="$root/docs/images"
mkdir -p "$images"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

say() { printf '%s\n' "$@"; }
grab() { say "{\"grab\": [\"$1\", \"$images/$2.png\"]}"; }
type() { say "{\"type\": [\"$1\", \"$2\"]}"; }
click() { say "{\"click\": \"$1\"}"; }
key() { say "{\"key\": \"$1\"}"; }

# A move: a loan when one is given, raw materials for the run, the run, then the
# whole stock offered at the price and with the advertising given.
move() { # price advertising raw-units suits [loan]
    if [ "${5:-0}" != 0 ]; then key Ctrl+B; type eAmountOfP "$5"; click bTake; click bCancel; fi
    key Ctrl+R; type EAmountOfWP "$3"; click wpBuy; click bOK
    key Ctrl+P; type eAmountOfP "$4"; click bPProduce; click bCancel
    type ePrice "$1"; type eAdvExp "$2"; click bEndTurn
}
# The first move of a firm: workers before the rest.
firstMove() { # price advertising raw-units suits loan workers
    key Ctrl+S; type EAmountOfW "$6"; click wbBuy; click bCancel
    move "$1" "$2" "$3" "$4" "$5"
}

script() {
    say '{"start": {"players": [["Спорт-Мастер", "Иван", 0], ["Атлет", "Мария", 1], ["Олимп", "Пётр", 3]], "today": "2026-12-08", "seed": 5}}'
    grab Manage board-first-week
    firstMove 125 1000 500 250 40000 12
    firstMove 120 600 500 250 40000 12
    firstMove 130 1500 400 200 30000 8
    grab fReport market-report
    key Return
    for week in 2 3 4 5 6; do
        # The first firm invests in research and design in week 3, repays in week 5.
        if [ $week = 3 ]; then
            key Ctrl+L; type FRLTrade.eAmountOfP 2000; click FRLTrade.bPProduce
            click tsRL; type eRL 2000; click bRL; click bCancel
        fi
        if [ $week = 5 ]; then key Ctrl+B; type eAmountOfP 5000; click bGive; click bCancel; fi
        move $((120 + week)) 600 300 150 20000
        move 118 500 400 200 20000
        move 128 $((1200 + week * 200)) 300 150 15000
        key Return
    done
    # Week 7, the first firm: every window of the board.
    grab Manage board
    key Ctrl+F; grab FTrade asset-trade; click bCancel
    key Ctrl+S; grab FSTrad staff; click bCancel
    key Ctrl+R; type EAmountOfWP 300; grab FRMTrad raw-materials; click wpBuy; click bOK
    key Ctrl+B; grab FLoans bank; click bCancel
    key Ctrl+P; type eAmountOfP 150; grab FPTrade production; click bPProduce; click bCancel
    key Ctrl+L; grab FRLTrade research; click bCancel
    click bbMailBox; say '{"click": ["lvMail", 0, 0]}'; grab fMailProgram mail; say '{"close": "fMailProgram"}'
    click bTP; grab fTextoPhone telephone; click sbExit
    click bbIndustryStatistics; grab FStatistics statistics; click bOK
    click bbStaffStatistics; grab fStatisticsGauge gauge; click bClose
    click bbBankStatistics; click miSelf; grab fManReport accountant-fax; key Return
    key Ctrl+H
    for page in tsMoney:history-money tsIncome:history-income tsLoans:history-loans tsResearch:history-research; do
        click "${page%%:*}"; grab fHistory "${page#*:}"
    done
    key Escape
    key Ctrl+M
    for page in tsSales:market-sales tsPrices:market-prices tsShares:market-shares tsMarketMoney:market-money; do
        click "${page%%:*}"; grab fMarket "${page#*:}"
    done
    key Escape
}

script | "$build/bin/zorvick-script" > "$log" 2> /dev/null
if grep -q '^{"error"' "$log"; then
    # What led to the first error.
    grep -v '"window"' "$log" | grep -m1 -B12 '^{"error"' >&2
    exit 1
fi
grep -c '"grab"' "$log" | xargs printf 'take-pictures: %s pictures of windows in docs/images\n'

# The plots of docs/balance.md.
sim() { # picture, then the simulator's options
    picture=$1
    shift
    "$build/bin/zorvick-sim" --games 1000 --seed 1 "$@" --plot "$images/$picture.png" > /dev/null 2>&1 ||
        { echo "take-pictures: zorvick-sim $* failed" >&2; exit 1; }
}
sim balance-mix-calm --mix 4 --scenario calm.scn
sim balance-mix-chained --mix 4
sim balance-fixed-calm --players proposed,undercutter,researcher,passive --scenario calm.scn
sim balance-one-game --players proposed,undercutter,researcher,passive --scenario calm.scn --games 1
pool=strong,passive,proposed,undercutter,advertiser,researcher,borrower,spoiler,lean,lean-follower
pool=$pool,lean-undercutter,lean-designer,lean-researcher,lean-research-loan,price-war,sell-up,sell-at-warning
sim balance-mix-strong --mix 4 --players $pool --scenario calm.scn
sim balance-strong-game --players strong,lean,lean-follower,sell-at-warning --scenario calm.scn --games 1
echo "take-pictures: 6 plots of the balance in docs/images"
