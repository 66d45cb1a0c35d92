#!/usr/bin/env bash
# End-to-end checks of Setup.exe under Wine, one scenario per call:
#
#   WineSuite.sh prefix      makes a fresh WINEPREFIX (the first test of a run)
#   WineSuite.sh SCENARIO    runs one scenario in that prefix
#
# CTest runs each call under its own xvfb-run, one after the other. The
# environment names the tools: WINE (the wine64 loader), WINESERVER,
# WINEPREFIX, SETUP_EXE, DRIVER_EXE (presses the dialog's buttons, answers
# message boxes, reads and writes the registry) and MANAGER_EXE (the stand-in
# application manager, which records its command line in CommandLine.txt).
set -euo pipefail

: "${WINE:?}" "${WINESERVER:?}" "${WINEPREFIX:?}" "${SETUP_EXE:?}" "${DRIVER_EXE:?}" "${MANAGER_EXE:?}"
export WINEPREFIX
export WINEDEBUG=-all
# No prompts for the .NET and HTML engines in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

C="$WINEPREFIX/drive_c"
MANAGER_DIR="$C/Program Files/Sync"
MANAGER_WIN='C:\Program Files\Sync\CEAppMgr.exe'
DEST="$MANAGER_DIR/Northgate Soft Jet Warden"
DEST_WIN='C:\Program Files\Sync\Northgate Soft Jet Warden'
APP_PATHS_KEY='Software\Microsoft\Windows\CurrentVersion\App Paths\CEAppMgr.EXE'
UNINSTALL_KEY='Software\Microsoft\Windows\CurrentVersion\Uninstall\Jet Warden'
REPORT="$C/results/report.txt"
CABS=("JetWarden.ARM.CAB" " JetWarden.MIPS.CAB")

failures=0

fail()
{
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

show()
{
    echo "---- $1" >&2
    cat "$1" >&2 || true
    echo "----" >&2
}

expect_line()
{
    local file=$1 line=$2
    if ! grep -qxF -- "$line" "$file"; then
        fail "$(basename "$file") lacks the line: $line"
        show "$file"
    fi
}

expect_no_line_starting()
{
    local file=$1 start=$2
    if grep -q "^$start" "$file"; then
        fail "$(basename "$file") has an unexpected line: $(grep "^$start" "$file" | head -1)"
    fi
}

expect_file_text()
{
    local file=$1 expected=$2
    if [ ! -f "$file" ]; then
        fail "missing file $file"
    elif [ "$(od -An -c "$file")" != "$(printf '%s' "$expected" | od -An -c)" ]; then
        fail "$file differs from what was expected"
        echo "expected:" >&2
        printf '%s' "$expected" | od -c >&2
        echo "found:" >&2
        od -c "$file" >&2
    fi
}

expect_absent()
{
    if [ -e "$1" ]; then
        fail "$1 should not exist"
    fi
}

expect_same_file()
{
    if ! cmp -s "$1" "$2"; then
        fail "$2 is not a copy of $1"
    fi
}

driver()
{
    "$WINE" "$DRIVER_EXE" "$@"
}

run_setup()
{
    driver run --report 'C:\results\report.txt' "$@"
    echo "Setup run: $*"
    cat "$REPORT"
}

reg_dump()
{
    driver regdump "$1" 'C:\results\registry.txt'
    cat "$C/results/registry.txt"
}

# Starts from a known state in the shared prefix: no package, no manager, no
# registry entries of ours, no leftover batch file.
reset()
{
    rm -rf "$C/pkg" "$C/Temp/JWSetup" "$MANAGER_DIR" "$C/results" "$C/DelUS.bat"
    mkdir -p "$C/results"
    driver regdel "$APP_PATHS_KEY"
    driver regdel "$UNINSTALL_KEY"
}

# The package as shipped: Setup.exe, Setup.ini in the manager's INI form with
# CR LF line ends, and two cabinets, the second named with a leading blank.
standard_ini()
{
    printf '%s\r\n' \
        '[CEAppManager]' \
        'Version      = 1.0' \
        'COMPONENT    = Jet Warden' \
        'ComponentName = Not this one' \
        '' \
        '[Jet Warden]' \
        'Description  = Airline business simulation' \
        '  Uninstall=Jet Warden  ' \
        'CabFiles     = JetWarden.ARM.CAB, JetWarden.MIPS.CAB'
}

make_package()
{
    local dir=$1
    mkdir -p "$dir"
    cp "$SETUP_EXE" "$dir/Setup.exe"
    standard_ini >"$dir/Setup.ini"
    for cab in "${CABS[@]}"; do
        printf 'cabinet %s\n' "$cab" >"$dir/$cab"
    done
}

register_manager()
{
    mkdir -p "$MANAGER_DIR"
    cp "$MANAGER_EXE" "$MANAGER_DIR/CEAppMgr.exe"
    driver regset "$APP_PATHS_KEY" "" "$MANAGER_WIN"
}

wait_for_file()
{
    for _ in $(seq 100); do
        [ -f "$1" ] && return 0
        sleep 0.1
    done
    return 0
}

expect_dialog()
{
    expect_line "$REPORT" "dialog-caption=Jet Warden Install"
    expect_line "$REPORT" "dialog-centred=yes"
    expect_line "$REPORT" "dialog-picture=bitmap"
    expect_line "$REPORT" "dialog-text=Welcome! (centred)"
    expect_line "$REPORT" "dialog-line=etched"
    expect_line "$REPORT" "dialog-button6=Install (default)"
    expect_line "$REPORT" "dialog-button2=Cancel"
}

expect_installed_from()
{
    local package=$1
    for file in Setup.exe Setup.ini "${CABS[@]}"; do
        expect_same_file "$package/$file" "$DEST/$file"
    done
    reg_dump "$UNINSTALL_KEY"
    expect_line "$C/results/registry.txt" "DisplayName=[Jet Warden]"
    expect_line "$C/results/registry.txt" "UninstallString=[\"$DEST_WIN\\Setup.exe\" /uninstall ]"
    wait_for_file "$MANAGER_DIR/CommandLine.txt"
    expect_file_text "$MANAGER_DIR/CommandLine.txt" "$MANAGER_WIN \"$DEST_WIN\\Setup.ini\""
}

expect_nothing_installed()
{
    if [ -d "$MANAGER_DIR" ] && find "$MANAGER_DIR" -name 'Northgate Soft*' | grep -q .; then
        fail "files were copied: $(find "$MANAGER_DIR" -name 'Northgate Soft*')"
    fi
    expect_absent "$MANAGER_DIR/CommandLine.txt"
    reg_dump "$UNINSTALL_KEY"
    expect_line "$C/results/registry.txt" "missing"
}

# The self-delete batch for a program and its folder, as Windows paths.
expected_batch()
{
    printf ':Repeat\r\ndel "%s"\r\nif exist "%s" goto Repeat\r\nrmdir "%s"\r\ndel "\\DelUS.bat"\r\n' "$1" "$1" "$2"
}

expect_self_deleted()
{
    local folder=$1 folder_win=$2
    expect_line "$REPORT" "batch-copied=yes"
    # The sentinel keeps the command substitution from dropping the last line end.
    local batch
    batch=$(expected_batch "$folder_win\\Setup.exe" "$folder_win"; printf x)
    expect_file_text "$C/results/DelUS.bat" "${batch%x}"
    expect_line "$REPORT" "held-removed=yes"
    expect_line "$REPORT" "batch-removed=yes"
    for _ in $(seq 50); do
        [ -e "$folder" ] || break
        sleep 0.1
    done
    expect_absent "$folder"
    expect_absent "$C/DelUS.bat"
}

scenario_prefix()
{
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    [ -d "$C/windows" ] || fail "wineboot made no prefix at $WINEPREFIX"
}

scenario_install()
{
    reset
    make_package "$C/pkg"
    register_manager
    run_setup --press install 'C:\pkg\Setup.exe'
    expect_dialog
    expect_line "$REPORT" "pressed=install"
    expect_line "$REPORT" "exit=0"
    expect_no_line_starting "$REPORT" "message="
    expect_installed_from "$C/pkg"
    # Without /selfremove the package stays where it was.
    for file in Setup.exe Setup.ini "${CABS[@]}"; do
        [ -f "$C/pkg/$file" ] || fail "the package lost $file"
    done
}

scenario_uninstall()
{
    reset
    register_manager
    make_package "$DEST"
    driver regset "$UNINSTALL_KEY" UninstallString "\"$DEST_WIN\\Setup.exe\" /uninstall "
    driver regset "$UNINSTALL_KEY" DisplayName "Jet Warden"
    # Started as the registered uninstall string starts it, trailing blank included.
    run_setup --hold "$DEST_WIN\\Setup.exe" --batch 'C:\DelUS.bat' --batch-copy 'C:\results\DelUS.bat' \
        "$DEST_WIN\\Setup.exe" '/uninstall '
    expect_no_line_starting "$REPORT" "dialog-"
    expect_line "$REPORT" "exit=0"
    expect_no_line_starting "$REPORT" "message="
    expect_self_deleted "$DEST" "$DEST_WIN"
    reg_dump "$UNINSTALL_KEY"
    expect_line "$C/results/registry.txt" "missing"
    expect_absent "$MANAGER_DIR/CommandLine.txt"
    [ -f "$MANAGER_DIR/CEAppMgr.exe" ] || fail "the manager's own folder was touched"
}

scenario_selfremove_cancel()
{
    reset
    register_manager
    make_package "$C/Temp/JWSetup"
    driver regset "$UNINSTALL_KEY" DisplayName "Jet Warden"
    run_setup --press cancel --hold 'C:\Temp\JWSetup\Setup.exe' --batch 'C:\DelUS.bat' \
        --batch-copy 'C:\results\DelUS.bat' 'C:\Temp\JWSetup\Setup.exe' /selfremove
    expect_dialog
    expect_line "$REPORT" "pressed=cancel"
    expect_line "$REPORT" "exit=0"
    expect_no_line_starting "$REPORT" "message="
    expect_self_deleted "$C/Temp/JWSetup" 'C:\Temp\JWSetup'
    # Cancel copies nothing, and self-removal keeps an existing uninstall entry.
    expect_absent "$DEST"
    expect_absent "$MANAGER_DIR/CommandLine.txt"
    reg_dump "$UNINSTALL_KEY"
    expect_line "$C/results/registry.txt" "DisplayName=[Jet Warden]"
}

scenario_selfremove_install()
{
    reset
    register_manager
    make_package "$C/Temp/JWSetup"
    cp -r "$C/Temp/JWSetup" "$C/results/package"
    run_setup --press install --hold 'C:\Temp\JWSetup\Setup.exe' --batch 'C:\DelUS.bat' \
        --batch-copy 'C:\results\DelUS.bat' 'C:\Temp\JWSetup\Setup.exe' /selfremove
    expect_dialog
    expect_line "$REPORT" "exit=0"
    expect_no_line_starting "$REPORT" "message="
    expect_installed_from "$C/results/package"
    expect_self_deleted "$C/Temp/JWSetup" 'C:\Temp\JWSetup'
}

scenario_missing_manager()
{
    reset
    make_package "$C/pkg"
    run_setup --press install 'C:\pkg\Setup.exe'
    expect_dialog
    expect_line "$REPORT" "message=Fatal error: Couldn't locate Windows CE Application Manager"
    expect_line "$REPORT" "exit=-1"
    expect_nothing_installed
    [ -f "$C/pkg/Setup.ini" ] || fail "the package lost Setup.ini"
}

scenario_missing_component()
{
    reset
    register_manager
    make_package "$C/pkg"
    printf '%s\r\n' '[CEAppManager]' 'ComponentX=Jet Warden' 'Uninstall=Jet Warden' 'CabFiles=JetWarden.ARM.CAB' \
        >"$C/pkg/Setup.ini"
    run_setup --press install 'C:\pkg\Setup.exe'
    expect_line "$REPORT" "message=Fatal error: Couldn't read component name from Setup.ini"
    expect_line "$REPORT" "exit=-1"
    expect_nothing_installed
}

scenario_missing_ini()
{
    reset
    register_manager
    make_package "$C/pkg"
    rm "$C/pkg/Setup.ini"
    run_setup --press install 'C:\pkg\Setup.exe'
    expect_line "$REPORT" "message=Fatal error: Couldn't find Setup.ini file"
    expect_line "$REPORT" "exit=-1"
    expect_nothing_installed
}

# A key that cannot be deleted (it has a sub-key) is a warning; the rest of
# the uninstallation goes on.
scenario_uninstall_key_warning()
{
    reset
    register_manager
    make_package "$DEST"
    driver regset "$UNINSTALL_KEY" DisplayName "Jet Warden"
    driver regset "$UNINSTALL_KEY\\Extra" Note "keeps the key"
    run_setup --hold "$DEST_WIN\\Setup.exe" --batch 'C:\DelUS.bat' --batch-copy 'C:\results\DelUS.bat' \
        "$DEST_WIN\\Setup.exe" /uninstall
    expect_line "$REPORT" "message=Error: Couldn't remove uninstall information registry key: HKLM\\$UNINSTALL_KEY"
    expect_line "$REPORT" "exit=0"
    expect_self_deleted "$DEST" "$DEST_WIN"
}

scenario=${1:?scenario}
if ! declare -F "scenario_$scenario" >/dev/null; then
    echo "unknown scenario $scenario" >&2
    exit 2
fi
# Every wine process of this scenario talks to this scenario's display.
"$WINESERVER" -k >/dev/null 2>&1 || true
"$WINESERVER" -w >/dev/null 2>&1 || true
trap '"$WINESERVER" -k >/dev/null 2>&1 || true; "$WINESERVER" -w >/dev/null 2>&1 || true' EXIT
"scenario_$scenario"
if [ "$failures" -ne 0 ]; then
    echo "$scenario: $failures check(s) failed" >&2
    exit 1
fi
echo "$scenario: passed"
