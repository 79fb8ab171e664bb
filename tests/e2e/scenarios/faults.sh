#!/usr/bin/env bash
# Due triggers and faults around them: a damaged timer.ini, one rewritten by hand while the program runs, saves
# that cannot reach the file, and a clock moved under the program. A due trigger ends the program after it asked
# for power-off (shutdown) or a reboot (restart); otherwise it goes on silently, its model holding what the file
# holds.
. "$(dirname "$0")/../lib.sh"
e2e_begin faults
install_app "Timer"

# A damaged timer.ini: machine code, a 1 MB line, invalid GBK, a lead byte without its trail.
{
    head -c 8192 "$E2E_PROBE"
    gbk "
[关机]
$(head -c 1048576 /dev/zero | tr '\0' A)
每天定时关机=21:00
[重启]"
    printf '%s\x81\x20\xff\xfe\x80\r\n' "$(iconv -f UTF-8 -t GBK <<<"每周定时重启周几=")"
    gbk "每周定时重启时间=21:00"
    printf '%s\xd6' "$(iconv -f UTF-8 -t GBK <<<"每月定时重启日期=")"
} >"$APP_DIR/timer.ini"
run_app
matches() { [[ "$("${@:2}")" =~ $1 ]]; }  # regex command...
weekly='^.+ 21:00 +\(每周定时重启\)'
expect "$(list_line 21:00 "  (每天定时关机)")" "List1 from the readable keys" on_main list $LIST1
await "List2 from the readable keys" matches "$weekly\$" on_main list $LIST2
open_dialog 2; close_by Return
await "the restart save keeps the shutdown keys" ini_has "每天定时关机=21:00"
# The undecodable day of the month is a set key: the dialog checked its box and the save wrote it corrected.
await "List2 after the save: the weekly line, the monthly one" matches "$weekly"$'\n''1号 00:00 +\(每月定时重启\)$' \
    on_main list $LIST2
stop_app

# timer.ini rewritten by hand while the program runs: nothing reads it until a save.
write_ini "[重启]
每天定时重启=21:00"
run_app
lists=$(on_main list $LIST1; on_main list $LIST2)
write_ini "[关机]
每天定时关机=08:00
[重启]
每天定时重启=21:00"
hand_made=$(ini_hex)
two_ticks_in 08:00 "a trigger written behind the program's back does not act"
open_dialog 2; close_by Escape
two_ticks_in 08:00 "取消 reads nothing back"
expect "$hand_made $lists" "the file and the lists as they were" \
    eval 'echo "$(ini_hex) $(on_main list $LIST1; on_main list $LIST2)"'
open_dialog 2; close_by Return
await_request power-off "the next save reloads the whole file and the hand-made trigger acts"
await "the hand-made shutdown key survives the restart save" ini_has "每天定时关机=08:00"

# A daily restart saved for this minute. Where the save cannot reach the file (a folder named timer.ini, an
# immutable file, a folder that takes no new file; immutable even for root, as Wine runs here) it goes on
# silently: the dialog closes, the list shows the line, the model keeps what the file holds, so the trigger
# never acts, and the dialog opened again shows the file. Into a writable folder, the saved trigger acts.
for folder in Folder Immutable Locked Open; do
    install_app $folder
    case $folder in
        Folder) mkdir "$APP_DIR/timer.ini" ;;
        Immutable) write_ini "[重启]" && chattr +i "$APP_DIR/timer.ini" ;;
        Locked) chattr +i "$APP_DIR" ;;
    esac
    run_app
    open_dialog 2; click_box 2; type_in 2 8; type_in 3 0; close_by Return
    [ $folder != Open ] || { await_request reboot "the saved trigger acts"; break; }
    expect "$(list_line 08:00 "  (每天定时重启)")" "$folder: List2 shows the saved line" on_main list $LIST2
    two_ticks_in 08:00 "$folder: the unsaved trigger does not act"
    open_dialog 2; checks 0 0 0 0 0
    stop_app
    chattr -R -i "$APP_DIR"
done

# The clock moved under the running program.
write_ini "[关机]
每天定时关机=08:30"
run_app
two_ticks_in 08:31 "forward past the due minute: that minute is not made up"
tick_at 08:29:59
set_clock 08:30:00
await_request power-off "back before it: the minute comes round again and the trigger acts"

# After start-up: Wine's tick count is the host's uptime, more than a minute here, and positive below 24.8 days.
if [ "$(cut -d. -f1 /proc/uptime)" -lt 2147483 ]; then
    write_ini "[重启]
每次开机X分钟重启=1"
    start_app
    await_request reboot "a restart one minute after the computer's start acts at the first tick"
fi
