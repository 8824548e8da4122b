#!/usr/bin/env bash
# A PostgreSQL server of the tests' own: Debian's server binaries run by an unprivileged user
# in a folder of their own, on a private Unix socket, stopped at the end.
#   postgres.sh start DIR   make and start it; DIR/conninfo then holds the owner's connection
#                           string, DIR/bench-conninfo that of a bench's role
#   postgres.sh halt DIR    stop it, keeping its data (a server that went away)
#   postgres.sh resume DIR  start it again
#   postgres.sh stop DIR    stop it and remove DIR
# As root the server runs as "nobody" (PostgreSQL refuses to run as root). With
# VT350_PG_TCP_PORT set it listens on that port of 127.0.0.1 as well (for a client that has
# no Unix sockets: the Windows build under wine), with TLS only, and DIR/tcp-conninfo holds a
# bench's connection string through it (its sslrootcert: DIR/server.crt).
set -euo pipefail
what=$1 dir=$2
port=${VT350_PG_TCP_PORT:-}
listen="-c listen_addresses='${port:+127.0.0.1}' ${port:+-c port=$port} -c unix_socket_directories='$dir/socket' -c fsync=off"
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
[ -x "$bin/initdb" ] || { echo "postgres.sh: no PostgreSQL server installed (apt-get install postgresql)" >&2; exit 1; }
as_server() {
    if [ "$(id -u)" -eq 0 ]; then setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
    else "$@"; fi
}
case "$what" in
    start)
        [ -f "$dir/data/postmaster.pid" ] && as_server "$bin/pg_ctl" -D "$dir/data" -m immediate stop > /dev/null 2>&1 || true
        rm -rf "$dir"
        mkdir -p "$dir/data" "$dir/socket"
        chmod 700 "$dir/data"; chmod 755 "$dir" "$dir/socket"
        [ "$(id -u)" -eq 0 ] && chown -R nobody:nogroup "$dir/data" "$dir/socket"
        as_server "$bin/initdb" -D "$dir/data" -U vt350_owner --auth=trust -E UTF8 --locale=C.UTF-8 > "$dir/initdb.log" 2>&1 ||
            { cat "$dir/initdb.log" >&2; exit 1; }
        if [ -n "$port" ]; then
            # Over TCP only with TLS, under a certificate of its own for 127.0.0.1
            # (DIR/server.crt, for the client's sslrootcert).
            openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=127.0.0.1" \
                -addext "subjectAltName=IP:127.0.0.1" -keyout "$dir/data/server.key" \
                -out "$dir/data/server.crt" > /dev/null 2>&1
            cp "$dir/data/server.crt" "$dir/server.crt"
            [ "$(id -u)" -eq 0 ] && chown nobody:nogroup "$dir/data/server.key" "$dir/data/server.crt"
            chmod 600 "$dir/data/server.key"
            sed -i 's/^host /hostssl /' "$dir/data/pg_hba.conf"
            echo "ssl = on" >> "$dir/data/postgresql.conf"
        fi
        as_server "$bin/pg_ctl" -D "$dir/data" -l "$dir/socket/server.log" -w -t 60 \
            -o "$listen" start > /dev/null ||
            { cat "$dir/socket/server.log" >&2; exit 1; }
        owner="host=$dir/socket${port:+ port=$port} dbname=postgres user=vt350_owner"
        "$bin/psql" -q -v ON_ERROR_STOP=1 "$owner" -c "CREATE DATABASE vt350" > /dev/null
        echo "host=$dir/socket${port:+ port=$port} dbname=vt350 user=vt350_owner" > "$dir/conninfo"
        "$bin/psql" -q -v ON_ERROR_STOP=1 "$(cat "$dir/conninfo")" \
            -c "CREATE ROLE bench LOGIN" > /dev/null
        echo "host=$dir/socket${port:+ port=$port} dbname=vt350 user=bench" > "$dir/bench-conninfo"
        if [ -n "$port" ]; then
            echo "host=127.0.0.1 port=$port dbname=vt350 user=bench sslmode=verify-full" \
                "sslrootcert=$dir/server.crt" > "$dir/tcp-conninfo"
        fi
        ;;
    halt)
        as_server "$bin/pg_ctl" -D "$dir/data" -m fast -w stop > /dev/null
        ;;
    resume)
        as_server "$bin/pg_ctl" -D "$dir/data" -l "$dir/socket/server.log" -w -t 60 \
            -o "$listen" start > /dev/null
        ;;
    stop)
        [ -d "$dir/data" ] && as_server "$bin/pg_ctl" -D "$dir/data" -m fast -w stop > /dev/null 2>&1 || true
        rm -rf "$dir"
        ;;
    *) echo "postgres.sh start|halt|resume|stop DIR" >&2; exit 2 ;;
esac
