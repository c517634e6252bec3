#!/bin/sh
# Reads the version resource of the built programs with an independent reader (exiftool) and
# compares every field the program relies on. Usage: check-version-resource.sh [pixmode.exe ...]
# (default: the 64-bit and, when built, the 32-bit program). Exit status 1 on any difference.
set -u
cd "$(dirname "$0")/../.."

command -v exiftool >/dev/null || { echo "exiftool is missing (Debian package libimage-exiftool-perl)"; exit 2; }

if [ $# -eq 0 ]; then
    set -- build/windows-x64/pixmode.exe
    [ -f build/windows-x86/pixmode.exe ] && set -- "$@" build/windows-x86/pixmode.exe
fi

expected='FileVersionNumber=2.7.0.0
ProductVersionNumber=2.7.0.0
FileFlags=(none)
FileOS=Win32
ObjectFileType=Executable application
LanguageCode=English (British)
CharacterSet=Unicode
CompanyName=Tallowin
FileDescription=Pixmode Display Resolution Switching Application
FileVersion=2.7.0.0
InternalName=PIXMODE
LegalCopyright=Copyright © 2026 Tallowin. All rights reserved.
OriginalFileName=PIXMODE.EXE
ProductName=PIXMODE Application
ProductVersion=2.7.0.0'

status=0
for program in "$@"; do
    if [ ! -f "$program" ]; then
        echo "FAIL $program: not built"
        status=1
        continue
    fi
    failed=0
    while IFS='=' read -r tag value; do
        actual=$(exiftool -s -s -s -"$tag" "$program")
        if [ "$actual" != "$value" ]; then
            echo "FAIL $program $tag: expected '$value', read '$actual'"
            failed=1
        fi
    done <<END
$expected
END
    if [ $failed -eq 0 ]; then echo "ok   $program"; else status=1; fi
done
exit $status
