#!/usr/bin/env bash
# Runs mogran-worksheets and checks what it leaves: the PDF of a small class against the
# problem sets that mogran-problemset gives, bad arguments, and a destination it cannot write.
# usage: worksheets_test.sh TOOL PROBLEMSET class|bad-arguments|unwritable
set -euo pipefail
tool="$1" problemset="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The text of one page as pdftotext reads it in drawing order, the set's label taken out.
page_text() { pdftotext -raw -f "$2" -l "$2" "$1" - | tr -d '\f' | grep -v '^No\.' || true; }

# What a page of set lines (text, answer) holds: problems first..last, two a row.
expected_page() {  # lines-file first last answers(0|1)
    echo "なまえ"
    awk -v first="$2" -v last="$3" -v answers="$4" '
        NR >= first && NR <= last {
            item = $1 " ＝" (answers ? $2 : "")
            if ((NR - first) % 2 == 0) row = item; else { print row " " item; row = "" }
        }
        END { if (row != "") print row }' "$1"
}

case "$3" in
class)
    # Kind 8, 21 problems (two pages a pass), 3 sets from the last state: the states wrap.
    args=(--kind 8 --count 21 --sets 3 --seed 4294967295)
    "$tool" "${args[@]}" --output "$tmp/class.pdf" 2>"$tmp/err" || fail "status $?: $(cat "$tmp/err")"
    ! grep -q '^seed' "$tmp/err" || fail "a seed shown although one was given"
    pages="$(pdfinfo "$tmp/class.pdf" | sed -n 's/^Pages: *//p')"
    [ "$pages" = 12 ] || fail "$pages pages instead of 12"
    page=0
    for set in 1 2 3; do
        "$problemset" 8 $(((4294967295 + set - 1) % 4294967296)) | head -n 21 |
            awk '{print $11, $10}' >"$tmp/set"
        for answers in 0 1; do
            for range in "1 20" "21 21"; do
                page=$((page + 1))
                diff <(expected_page "$tmp/set" $range $answers) <(page_text "$tmp/class.pdf" $page) ||
                    fail "page $page (set $set) differs"
                pdftotext -raw -f $page -l $page "$tmp/class.pdf" - | grep -qx "No.$set" ||
                    fail "page $page has no No.$set"
            done
        done
    done
    # Without options: one set of 100 problems of kind 1.
    "$tool" --seed 7 --output "$tmp/plain.pdf" 2>/dev/null || fail "defaults: status $?"
    "$problemset" 1 7 | head -n 20 | awk '{print $11, $10}' >"$tmp/set"
    diff <(expected_page "$tmp/set" 1 20 0) <(page_text "$tmp/plain.pdf" 1) || fail "defaults: kind"
    [ "$(pdfinfo "$tmp/plain.pdf" | sed -n 's/^Pages: *//p')" = 10 ] || fail "defaults: count"
    # The name box drawn: its right side, 200 device pixels in from the paper's (583 of 595 points),
    # lies far right of any text.
    gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=bbox -dLastPage=1 "$tmp/plain.pdf" 2>&1 |
        awk '/HiResBoundingBox/ { exit !($4 > 582 && $4 < 584) }' || fail "no name box"
    # A space read back as a space, not as another character drawn the same; and a file that
    # needs no repair, which Ghostscript would report with its "****" lines.
    gs -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite -sOutputFile="$tmp/class.txt" "$tmp/class.pdf" \
        >"$tmp/gs" 2>&1
    ! grep -q $'\t' "$tmp/class.txt" || fail "a TAB in the text"
    ! grep -q '\*\*\*\*' "$tmp/gs" || fail "Ghostscript repaired the file: $(cat "$tmp/gs")"
    # Another run, in another time zone, gives the same bytes: no clock in the file.
    TZ=JST-9 "$tool" "${args[@]}" --output "$tmp/again.pdf" 2>/dev/null || fail "second run failed"
    cmp "$tmp/class.pdf" "$tmp/again.pdf" || fail "a second run gives other bytes"
    ;;
bad-arguments)
    # Each call names o.pdf where it needs a destination; none may make it.
    bad_calls=(
        "" "--kind 3" "--output" "--output=" "--kind 0 --output o.pdf" "--kind 9 --output o.pdf"
        "--kind --output o.pdf" "--output o.pdf --kind" "--kind x --output o.pdf"
        "--kind 1.0 --output o.pdf" "--kind +1 --output o.pdf" "--kind= --output o.pdf"
        "--count 0 --output o.pdf" "--count 101 --output o.pdf" "--count 1e2 --output o.pdf"
        "--sets 0 --output o.pdf" "--sets 201 --output o.pdf" "--seed -1 --output o.pdf"
        "--seed -0 --output o.pdf" "--seed 4294967296 --output o.pdf"
        "--seed 99999999999999999999 --output o.pdf"
        "--paper A3 --output o.pdf" "--paper a4 --output o.pdf" "--bogus 1 --output o.pdf"
        "extra --output o.pdf" "--output o.pdf -- x.pdf"
    )
    for call in "${bad_calls[@]}"; do
        status=0
        # shellcheck disable=SC2086 # the words of the call are its arguments
        (cd "$tmp" && "$tool" $call >/dev/null 2>"$tmp/err") || status=$?
        [ "$status" = 2 ] || fail "'$call': status $status instead of 2"
        [ "$(wc -l <"$tmp/err")" = 1 ] || fail "'$call': stderr '$(cat "$tmp/err")'"
        [ "$(ls -A "$tmp")" = err ] || fail "'$call' left $(ls -A "$tmp")"
    done
    ;;
unwritable)
    mkdir "$tmp/sheets.pdf" "$tmp/out"
    for dest in "$tmp/sheets.pdf" "$tmp/missing/sheets.pdf"; do
        status=0
        (cd "$tmp/out" && "$tool" --seed 1 --output "$dest" 2>"$tmp/err") || status=$?
        [ "$status" = 1 ] || fail "'$dest': status $status instead of 1"
        [ "$(wc -l <"$tmp/err")" = 1 ] && grep -q "^mogran-worksheets: cannot write $dest: ." "$tmp/err" ||
            fail "'$dest': stderr '$(cat "$tmp/err")'"
        [ -z "$(find "$tmp/sheets.pdf" "$tmp/out" -mindepth 1)" ] || fail "'$dest' left files"
    done
    [ "$(ls -A "$tmp")" = "$(printf 'err\nout\nsheets.pdf')" ] || fail "files left: $(ls -A "$tmp")"
    ;;
*) fail "unknown case '$3'" ;;
esac
echo "worksheets $3: passed"
