#!/usr/bin/env bash
# A PostgreSQL server on this machine for trying the record several benches share: Debian's
# server (installed when missing), its data in a folder of its own, reached through a Unix
# socket there; the shared record made in it (vt350ctl history server-init) and a role
# "bench" that may add and read entries. Prints what to set on a bench of this machine.
#   scripts/shared_record_server.sh [start]   start it (made at the first start)
#   scripts/shared_record_server.sh stop      stop it (the entries stay)
#   scripts/shared_record_server.sh remove    stop it and remove its folder
# The folder: $VT350_SHARED_RECORD_DIR, default /var/tmp/vt350-shared-record.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${VT350_SHARED_RECORD_DIR:-/var/tmp/vt350-shared-record}
server=tests/server/postgres.sh
if ! ls /usr/lib/postgresql/*/bin/initdb > /dev/null 2>&1; then
    sudo=(); [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq postgresql > /dev/null
fi
[ -x build/src/vt350ctl ] || ./build.sh build > /dev/null
case "${1:-start}" in
    start)
        if [ -f "$dir/conninfo" ]; then
            [ -S "$dir/socket/.s.PGSQL.5432" ] || "$server" resume "$dir"
        else
            "$server" start "$dir"
            VT350_HISTORY_SERVER=$(cat "$dir/conninfo") build/src/vt350ctl history server-init
            psql -q "$(cat "$dir/conninfo")" -c "GRANT vt350_bench TO bench"
        fi
        echo "The shared record runs. On a bench of this machine:"
        echo "  export VT350_HISTORY_SERVER='$(cat "$dir/bench-conninfo")'"
        echo "or in ~/.config/vt350-config/vt350.conf:"
        echo "  history_server = $(cat "$dir/bench-conninfo")"
        ;;
    stop) "$server" halt "$dir" ;;
    remove) "$server" stop "$dir" ;;
    *) echo "shared_record_server.sh [start|stop|remove]" >&2; exit 2 ;;
esac
