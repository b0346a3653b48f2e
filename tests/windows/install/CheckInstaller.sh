#!/bin/sh
# Installs the setup program silently under Wine, checks what it put there,
# uninstalls it silently the way Apps & features does, and checks that
# exactly that is gone again: a file the user added to the program's folder
# stays.
#   CheckInstaller.sh RUNNER PREFIX SETUP
# RUNNER and PREFIX: tests/windows/wine-run.sh and its prefix.
set -eu
runner=$1
prefix=$2
setup=$3

program_dir="$prefix/drive_c/Program Files/Turvane"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Turvane.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Turvane'
installed="Cal1.dat Cal2.dat LICENSE.txt jyuusyou.dat turvane.com turvane.exe uninstall.exe"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
entry() {
    "$runner" "$prefix" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

# What an earlier run that failed half-way left would hide faults.
rm -rf "$program_dir" "$shortcut"
"$runner" "$prefix" reg delete "$key" /f >/dev/null 2>&1 || true

"$runner" "$prefix" "$setup" /S || fail "setup.exe /S exited with $?"

[ "$(ls "$program_dir" | sort | tr '\n' ' ')" = "$installed " ] ||
    fail "installed: $(ls "$program_dir" | tr '\n' ' '), expected: $installed"
for file in Cal1.dat Cal2.dat jyuusyou.dat; do
    cmp -s "$program_dir/$file" "$(dirname "$0")/../../../sample/$file" ||
        fail "$file differs from the sample year"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
[ "$(entry DisplayName)" = Turvane ] || fail "no Apps & features entry under $key"
uninstall=$(entry QuietUninstallString)
[ "$uninstall" = '"C:\Program Files\Turvane\uninstall.exe" /S' ] ||
    fail "the quiet uninstall command is '$uninstall'"
[ -n "$(entry DisplayVersion)" ] || fail "the entry names no version"

echo "notes of my own" >"$program_dir/notes.txt"
# The uninstaller copies itself elsewhere, starts the copy and returns at
# once; the copy's last step removes the folder's contents. Waiting for that
# step to be done is a bounded wait on its outcome, not a measured time.
"$runner" "$prefix" 'C:\Program Files\Turvane\uninstall.exe' /S || fail "the uninstaller exited with $?"
tries=0
while [ -e "$program_dir/turvane.exe" ] || [ -e "$program_dir/uninstall.exe" ]; do
    tries=$((tries + 1))
    [ $tries -le 600 ] || fail "the uninstaller did not finish"
    sleep 0.1
done

[ "$(ls "$program_dir")" = notes.txt ] ||
    fail "left after the uninstall: $(ls "$program_dir" | tr '\n' ' '), expected only notes.txt"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
"$runner" "$prefix" reg query "$key" >/dev/null 2>&1 && fail "the Apps & features entry is still there"
rm -rf "$program_dir"
echo "installed, found, uninstalled: only the user's file is left"
