#!/bin/sh
# MailBody.scpt RECIPIENT SUBJECT BODY
#
# Opens a new message in the user's own mail program; Rollkeep never sends
# mail itself. The three arguments are data from the roll and the notice
# texts, so they are only ever expanded inside double quotes and encoded:
# nothing in them is evaluated here.
#
# Prints "sent" once the message is on its way to the mail program and exits
# 0; otherwise prints why not and exits non-zero. It returns within about two
# seconds even when the mail program keeps running in the foreground.

if [ "$#" -ne 3 ]; then
    echo "usage: MailBody.scpt RECIPIENT SUBJECT BODY"
    exit 64
fi

if ! command -v xdg-email >/dev/null 2>&1; then
    echo "xdg-email was not found; install xdg-utils"
    exit 127
fi

# The message goes to xdg-email as one mailto link in which every byte of the
# three texts is percent-encoded. So nothing in them can be taken as an
# option, as a header of the link, or as a backslash escape by the shell code
# inside xdg-email; the text reaches the mail program as UTF-8 whatever the
# locale; and an address the mail program would not accept still opens the
# message, where the user can see and mend it.
# Letters, digits and "-._~" stand as they are, which keeps a long body
# within what one argument may hold; every other byte becomes %XX.
encode() {
    printf '%s' "$1" | od -An -v -tx1 | awk '
        BEGIN {
            # The printable ASCII characters in code order, from 0x20.
            ascii = " !\"#$%&\047()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~"
            plain = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~"
            for (i = 1; i <= length(plain); i++) {
                c = substr(plain, i, 1)
                keep[sprintf("%02x", 31 + index(ascii, c))] = c
            }
        }
        { for (i = 1; i <= NF; i++) printf "%s", ($i in keep) ? keep[$i] : "%" toupper($i) }'
}

link="mailto:$(encode "$1")"
separator="?"
if [ -n "$2" ]; then
    link="${link}${separator}subject=$(encode "$2")"
    separator="&"
fi
if [ -n "$3" ]; then
    link="${link}${separator}body=$(encode "$3")"
fi

# The kernel takes no single argument longer than 128 KiB, its end included.
limit=131071
if [ "${#link}" -gt "$limit" ]; then
    echo "the message is too long for a mail link (${#link} characters once encoded, at most $limit)"
    exit 7
fi
set -- "$link"

# The mail program xdg-email starts may outlive it and keep our output open,
# so the report goes to a file rather than a pipe we would wait on forever.
report=$(mktemp "${TMPDIR:-/tmp}/rollkeep-mail.XXXXXX") || {
    echo "could not create a temporary file"
    exit 70
}
ended="$report.status"
trap 'rm -f "$report" "$ended"' EXIT

# Some mail programs run in the foreground of xdg-email until the user quits
# them, so it runs in the background; what fails, fails at once. Once two
# seconds have passed it counts as handed over and is left to run.
# It keeps none of our output open, and once we are gone it leaves no file behind.
{
    xdg-email "$@" >"$report" 2>&1 </dev/null
    mailStatus=$?
    [ -e "$report" ] && echo "$mailStatus" >"$ended"
} >/dev/null 2>&1 &
waited=0
while [ ! -s "$ended" ]; do
    if [ "$waited" -ge 20 ]; then
        echo "sent"
        exit 0
    fi
    sleep 0.1
    waited=$((waited + 1))
done
status=$(cat "$ended")

if [ "$status" -eq 0 ]; then
    echo "sent"
elif [ -s "$report" ]; then
    cat "$report"
else
    echo "xdg-email failed with status $status"
fi
exit "$status"
