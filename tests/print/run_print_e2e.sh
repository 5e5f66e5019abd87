#!/usr/bin/env bash
# Prints worksheets from the main window into a CUPS scheduler of our own (its own socket,
# spool and state under a temporary folder): first with no printer at all, then 21 problems,
# then into a queue that refuses jobs and into a paused one, then 100 problems [runs] times.
#   run_print_e2e.sh <print_e2e program> <media folder> [runs]
# [runs] repeats the 100-problem print (1 unless given); bench/print.sh uses it for timing.
set -euo pipefail
program="$1" media="$2" runs="${3:-1}" PATH="$PATH:/usr/sbin"
tmp="$(mktemp -d /tmp/mogran-print.XXXXXX)"
trap 'kill "${cupsd_pid:-}" 2>/dev/null; wait "${cupsd_pid:-}" 2>/dev/null; rm -rf "$tmp"' EXIT
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"; tail -n 20 "$tmp"/log/*' ERR

mkdir -p "$tmp"/{spool,cache,state,temp,log,work}
chmod 755 "$tmp"
cat >"$tmp/cups-files.conf" <<CONF
ServerRoot $tmp
RequestRoot $tmp/spool
CacheDir $tmp/cache
StateDir $tmp/state
TempDir $tmp/temp
ErrorLog $tmp/log/error_log
AccessLog $tmp/log/access_log
PageLog $tmp/log/page_log
FileDevice Yes
SystemGroup root
CONF
# Job documents stay in the spool folder after printing, for the program to read.
cat >"$tmp/cupsd.conf" <<CONF
Listen $tmp/cups.sock
PreserveJobFiles Yes
Browsing No
<Policy default>
  <Limit All>
  </Limit>
</Policy>
CONF
cupsd -f -c "$tmp/cupsd.conf" -s "$tmp/cups-files.conf" >"$tmp/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER="$tmp/cups.sock"
for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q "is running" && break || sleep 0.1; done

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
run() { (cd "$tmp/work" && "$program" "$tmp/spool" "$@"); }
cp "$media"/mascot.bmp "$tmp/work/"
run 1 none  # a scheduler with no printer at all

# A raw queue keeps the documents as the program sent them.
lpadmin -p mogran-test -E -v file:///dev/null -m raw
lpadmin -d mogran-test

run 21
# A queue that refuses jobs is reported; a paused one keeps them and is no error.
cupsreject mogran-test
run 1 refused
cupsaccept mogran-test && cupsdisable mogran-test
run 1
cupsenable mogran-test
for _ in $(seq "$runs"); do run 100; done
echo "print e2e: $((4 + runs)) passed, 0 failed"
