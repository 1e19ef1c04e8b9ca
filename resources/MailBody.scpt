#!/bin/sh
# MailBody.scpt RECIPIENT SUBJECT BODY
#
# Opens a new message in the user's own mail program; Rollkeep never sends
# mail itself. The three arguments are data from the roll and the notice
# texts, so they are only ever expanded inside double quotes and handed to
# xdg-email as separate arguments: nothing in them is evaluated here.
#
# Prints "sent" once the mail program has the message, otherwise what
# xdg-email reported, and exits with xdg-email's status.

if [ "$#" -ne 3 ]; then
    echo "usage: MailBody.scpt RECIPIENT SUBJECT BODY"
    exit 64
fi

if ! command -v xdg-email >/dev/null 2>&1; then
    echo "xdg-email was not found; install xdg-utils"
    exit 127
fi

# xdg-email refuses an empty --subject or --body, while a notice with an empty
# subject or body is still worth opening, so those options are left out then.
recipient=$1
subject=$2
body=$3
set --
if [ -n "$subject" ]; then
    set -- "$@" --subject "$subject"
fi
if [ -n "$body" ]; then
    set -- "$@" --body "$body"
fi

# xdg-email has no "--" to end its options, so a bare recipient starting with
# "-" would be read as an option, and one starting with "mailto:" would be
# taken as a raw URL that could carry its own headers. Such a recipient is
# handed over as the value of --to instead, which xdg-email always takes as an
# address and URL-encodes. Nothing is rejected: a bad address is the mail
# program's to point out. An empty recipient opens a message without one.
case $recipient in
    "") ;;
    -* | mailto:*) set -- "$@" --to "$recipient" ;;
    *) set -- "$@" "$recipient" ;;
esac

# The mail program xdg-email starts may outlive it and keep our output open,
# so the report goes to a file rather than a pipe we would wait on forever.
report=$(mktemp "${TMPDIR:-/tmp}/rollkeep-mail.XXXXXX") || {
    echo "could not create a temporary file"
    exit 70
}
trap 'rm -f "$report"' EXIT

xdg-email "$@" >"$report" 2>&1 </dev/null
status=$?

if [ "$status" -eq 0 ]; then
    echo "sent"
elif [ -s "$report" ]; then
    cat "$report"
else
    echo "xdg-email failed with status $status"
fi
exit "$status"
