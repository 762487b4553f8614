#!/usr/bin/env bash
# End-to-end: installs Quillmark with the real qmark-setup.exe into a fresh Wine prefix, answers
# its terms page from outside, checks what the installation left behind, then uninstalls it with
# the installed uninst.exe and checks what the removal took away.
# Usage: install_e2e.sh BUILD-DIR (the x64 build, or the x86 build with QUILL_WINE32 set); needs
# DISPLAY (run inside the harness session).
set -u
build=$(realpath "$1")
harness=$(cd "$(dirname "$0")/../harness" && pwd)
prefix=$build/e2e/wineprefix
answer=$build/tests/testkit/quill-answer.exe
failures=0
common_folders='HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'

check() { # description, command...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); return 1; fi
}
ends_with() { [ "$(tail -c 4 "$1" | od -An -tx1 | tr -d ' \n')" = "$2" ]; }
# The 32-bit build installs as on 64-bit Windows: into "Program Files (x86)", with its registry
# values in the 32-bit view.
view=""
program_files='C:\Program Files'
if [ -n "${QUILL_WINE32:-}" ]; then
  view=/reg:32
  program_files='C:\Program Files (x86)'
fi
reg_value() { "$WINE" reg query "$1" /v "$2" $view 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"; }
win_to_unix() { "$WINE" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
link_target() { lnkinfo "$1" 2>/dev/null | sed -n 's/^\s*Local path\s*: //p'; }
# What a missing or wrong shortcut leaves to see: where the shell folders point, which shortcut
# files exist anywhere in the prefix, and what Wine said while the installer made them.
show_shortcuts() {
  echo "  Desktop (HKCU): $(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Desktop)"
  echo "  Common Desktop (HKLM): $(reg_value "$common_folders" 'Common Desktop') -> $desktop"
  ls -la "$desktop" 2>&1 | sed 's/^/  /'
  find -L "$prefix/drive_c" -maxdepth 7 -iname '*.lnk' 2>/dev/null | sed 's/^/  found: /'
  lnkinfo "$desktop/Quillmark.lnk" 2>&1 | sed -n '1,20p' | sed 's/^/  /'
  grep -iE 'shortcut|lnk|desktop|err:' "$build/e2e/setup.log" 2>/dev/null | head -40 | sed 's/^/  wine: /'
}

rm -rf "$build/e2e"
"$harness/make-prefix" "$prefix" || exit 1
. "$harness/wine-env" "$prefix"
"$WINESERVER" -p </dev/null >/dev/null 2>&1
trap '"$WINESERVER" -k </dev/null >/dev/null 2>&1' EXIT
. "$harness/wine32-desktop"

# Install: the terms page is answered with "I agree" (101) and Next (1).
# Wine's shell warnings go to a log, shown when a shortcut is missing.
WINEDEBUG=err+all,warn+shell,warn+ole "$WINE" "$build/bin/qmark-setup.exe" </dev/null >/dev/null \
  2>"$build/e2e/setup.log" &
setup=$!
check "terms page answered" "$WINE" "$answer" 30000 "Quillmark Software Licence Terms" click:101 click:1
for _ in $(seq 300); do kill -0 $setup 2>/dev/null || break; sleep 0.1; done
check "installer ended" bash -c "! kill -0 $setup 2>/dev/null"

program_win="$program_files\\Velmora\\Quillmark"
program=$(win_to_unix "$program_win")
for file in qmark.exe qmark.hlp uninst.exe "PhoneBook/template._txt" "PhoneBook/Velmora.txt" \
            "Useful Web Links/Software Links.txt"; do
  check "installed $file" test -s "$program/$file"
done
for book in PhoneBook Diary "Useful Web Links" "Other Notes"; do
  check "book folder $book" test -d "$program/$book"
  check "Folders value $book" [ "$(reg_value 'HKLM\Software\Velmora\Quillmark\Folders' "$book")" = "$program_win\\$book" ]
done
check "Folders value ProgramFiles" [ "$(reg_value 'HKLM\Software\Velmora\Quillmark\Folders' ProgramFiles)" = "$program_win" ]
check "template bytes" cmp -s "$program/PhoneBook/template._txt" "$(dirname "$0")/../../src/resources/notes/template._txt"
check "help file installed whole" cmp -s "$program/qmark.hlp" "$build/bin/qmark.hlp"
uninstall='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark'
check "uninstall entry name" [ "$(reg_value "$uninstall" DisplayName)" = "Quillmark Uninstall" ]
check "uninstall entry command, quoted" [ "$(reg_value "$uninstall" UninstallString)" = "\"$program_win\\uninst.exe\"" ]
check "qmark.exe ends in four zero bytes" ends_with "$program/qmark.exe" 00000000
check "uninst.exe ends in 0F 0F F0 F0" ends_with "$program/uninst.exe" 0f0ff0f0

programs=$(win_to_unix "$(reg_value "$common_folders" 'Common Programs')")
desktop=$(win_to_unix "$(reg_value "$common_folders" 'Common Desktop')")
check "start-menu shortcut to qmark.exe" [ "$(link_target "$programs/Quillmark/Quillmark.lnk")" = "$program_win\\qmark.exe" ] ||
  show_shortcuts
check "help shortcut to qmark.hlp" [ "$(link_target "$programs/Quillmark/Quillmark Help.lnk")" = "$program_win\\qmark.hlp" ]
check "desktop shortcut to qmark.exe" [ "$(link_target "$desktop/Quillmark.lnk")" = "$program_win\\qmark.exe" ] ||
  show_shortcuts
# The installed program starts on its own; at its first start it asks whether to make a diary.
check "installed program asks for a diary" "$WINE" "$answer" 20000 "Create Diary" click:7
check "installed program is running" "$WINE" "$answer" 20000 "Quillmark"

# The hot key, pressed for real on the X display: switched on (1007) and the window closed to
# the tray (1009), Shift+F8 typed into a window of the Wine session brings the window back.
"$WINE" "$answer" 5000 "Quillmark" command:1007 command:1009 >/dev/null
sleep 1
check "closed with the hot key on, the window hides" bash -c "! \"\$WINE\" \"$answer\" 1000 Quillmark >/dev/null 2>&1"
tray=$(xdotool search --name "^Wine System Tray$" | head -n 1)
if [ -n "$tray" ]; then
  xdotool windowfocus --sync "$tray" 2>/dev/null
  xdotool key shift+F8
fi
check "Shift+F8 brings the hidden window back" "$WINE" "$answer" 10000 "Quillmark" command:1010
sleep 2
check "Exit with the hot key on leaves the logon value, path quoted" [ "$(reg_value 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' QuillmarkRun)" = "\"$program_win\\qmark.exe\" /logon" ]

# Uninstall, started twice at once: uninst.exe hands over to a copy in the temporary folder,
# which asks (Yes is 6); the second uninstaller ends without asking.
"$WINE" "$program_win\\uninst.exe" </dev/null >/dev/null 2>&1 &
first=$!
"$WINE" "$program_win\\uninst.exe" </dev/null >/dev/null 2>&1 &
second=$!
check "removal question answered" "$WINE" "$answer" 30000 "Uninstall Quillmark" click:6
for _ in $(seq 100); do [ -e "$program" ] || break; sleep 0.1; done
check "program folder removed" test ! -e "$program"
check "asked only once" bash -c "! \"\$WINE\" \"$answer\" 3000 'Uninstall Quillmark' >/dev/null 2>&1"
for _ in $(seq 100); do kill -0 $first 2>/dev/null || kill -0 $second 2>/dev/null || break; sleep 0.1; done
check "both uninstallers ended" bash -c "! kill -0 $first 2>/dev/null && ! kill -0 $second 2>/dev/null"
check "shortcuts removed" test ! -e "$programs/Quillmark" -a ! -e "$desktop/Quillmark.lnk"
check "uninstall entry removed" bash -c "! \"\$WINE\" reg query '$uninstall' $view >/dev/null 2>&1"
# The temporary copy, which this script did not start, empties the book list as its last step.
book_count() { reg_value 'HKLM\Software\Velmora\Quillmark\Books' Count; }
for _ in $(seq 50); do [ "$(book_count)" = "0" ] && break; sleep 0.2; done
check "book count reset" [ "$(book_count)" = "0" ]
temp=$(win_to_unix "$("$WINE" cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')")
# The running copy cannot delete itself: it is gone, or set to be deleted when Windows next starts.
temporary_copy_goes() {
  [ ! -e "$temp/uninst.exe" ] && return 0
  "$WINE" reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' \
    /v PendingFileRenameOperations 2>/dev/null | tr -d '\r' | grep -qi 'Temp\\uninst\.exe'
}
check "uninstaller copy in the temporary folder removed, at the latest at the next start" temporary_copy_goes

echo "install end-to-end: $failures failed"
[ "$failures" -eq 0 ]
