#!/bin/bash
# The program's own texts live in res/strings.json, each under a named id.
#   user-texts.sh literals <src>         no Chinese text in a string literal of the sources
#   user-texts.sh ids <src> <strings.json>
#                                        every named string id has its text, and no
#                                        LoadString() call names a bare number
set -u
mode=$1
src=$2

sources() { find "$src" \( -name '*.cpp' -o -name '*.h' \) | sort; }

case $mode in
literals)
    # Comments may quote the texts; string literals may not. The install
    # folder's placeholder is part of the book file format, not a text on
    # screen, so it stays in the code that reads and writes books.
    sources | xargs perl -CSD -0777 -ne '
        use utf8;
        while (m{(//[^\n]*|/\*.*?\*/|'"'"'(?:[^'"'"'\\\n]|\\.)*'"'"'|"(?:[^"\\\n]|\\.)*")}gs) {
            my $token = $1;
            next unless $token =~ /^"/;
            next unless $token =~ /[\x{2E80}-\x{9FFF}\x{F900}-\x{FAFF}\x{FF00}-\x{FFEF}]/;
            next if $token eq q{"[安装目录]\\\\"};
            my $line = 1 + (substr($_, 0, pos($_)) =~ tr/\n//);
            print "$ARGV:$line: $token\n";
            $found = 1;
        }
        END { exit($found ? 1 : 0) }' || exit 1
    ;;
ids)
    status=0
    ids=$(sed -n '/^enum StringId/,/^};/p' "$src/ui/ResourceIds.h" | grep -oE '= [0-9]+' | grep -oE '[0-9]+')
    [ -n "$ids" ] || { echo "no string ids found"; exit 1; }
    for id in $ids; do
        if ! grep -qE "^ *\"$id\": " "$3"; then
            echo "string id $id has no text in $3"
            status=1
        fi
    done
    if sources | xargs grep -nE 'LoadString\( *[0-9]'; then
        echo "name the string id instead of its number"
        status=1
    fi
    exit $status
    ;;
*)
    echo "unknown mode $mode"
    exit 2
    ;;
esac
