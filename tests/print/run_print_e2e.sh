#!/usr/bin/env bash
# Prints worksheets from the main window into a CUPS scheduler of our own (its own socket,
# spool and state under a temporary folder) and checks every spooled page.
#   run_print_e2e.sh <print_e2e program> <media folder> [runs]
# [runs] repeats the 100-problem print (1 unless given); bench/print.sh uses it for timing.
set -euo pipefail

program="$1"
media="$2"
runs="${3:-1}"
for tool in cupsd lpadmin lpstat pdftotext; do
    command -v "$tool" >/dev/null || PATH="$PATH:/usr/sbin"
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

tmp="$(mktemp -d /tmp/mogran-print.XXXXXX)"
cupsd_pid=""
stop() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap stop EXIT
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"; cat "$tmp"/log/* 2>/dev/null | tail -20' ERR

mkdir -p "$tmp"/{root,spool,cache,state,temp,log,work}
chmod 755 "$tmp"
cat >"$tmp/cups-files.conf" <<CONF
ServerRoot $tmp/root
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
cat >"$tmp/cupsd.conf" <<CONF
Listen $tmp/cups.sock
LogLevel warn
PreserveJobFiles Yes
PreserveJobHistory Yes
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cupsd -f -c "$tmp/cupsd.conf" -s "$tmp/cups-files.conf" >"$tmp/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER="$tmp/cups.sock"
for _ in $(seq 100); do
    lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || { cat "$tmp/log/cupsd.out" "$tmp/log/error_log" 2>/dev/null; echo "FAIL: cupsd stopped"; exit 1; }
    sleep 0.1
done
lpstat -r >/dev/null || { echo "FAIL: cupsd does not answer"; exit 1; }

# A raw queue keeps the documents as the program sent them.
lpadmin -p mogran-test -E -v file:///dev/null -m raw 2>/dev/null
lpadmin -d mogran-test

cp "$media"/mascot.bmp "$media"/maru1.bmp "$media"/batu1.bmp "$tmp/work/"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

jobs_done=0
# Prints <count> problems and checks the <jobs> new jobs, in the order they were queued.
print_and_check() {
    local count="$1" jobs="$2" expect="$tmp/expect-$1.txt"
    (cd "$tmp/work" && "$program" print "$expect" "$count")
    local want=$((jobs_done + jobs)) ids=()
    for _ in $(seq 100); do
        mapfile -t ids < <(lpstat -W completed -o mogran-test | awk '{print $1}' |
            sed 's/^mogran-test-//' | sort -n)
        [ "${#ids[@]}" -ge "$want" ] && break
        sleep 0.1
    done
    if [ "${#ids[@]}" -ne "$want" ]; then
        echo "FAIL: ${#ids[@]} jobs completed, $want expected"
        lpstat -o mogran-test || true
        exit 1
    fi
    local pages=()
    for id in "${ids[@]:jobs_done}"; do
        local doc
        doc="$(printf '%s/spool/d%05d-001' "$tmp" "$id")"
        [ "$(head -c 5 "$doc")" = "%PDF-" ] || { echo "FAIL: job $id is not a PDF"; exit 1; }
        pdftotext -bbox "$doc" "$doc.html"
        pages+=("$doc.html")
    done
    "$program" check "$expect" "${pages[@]}"
    jobs_done=$want
}

print_and_check 21 4
for _ in $(seq "$runs"); do
    print_and_check 100 10
done
echo "print e2e: $((1 + runs)) passed, 0 failed"
