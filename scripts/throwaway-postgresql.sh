#!/usr/bin/env bash
# A throwaway PostgreSQL 15 cluster for the class server's tests and
# benchmarks: made in a new temporary folder, reachable only through a Unix
# socket in it, with fsync off (nothing in it is worth keeping), and removed
# whole when stopped.
#
#   throwaway-postgresql.sh start STATE   starts one; prints the database's
#                                         URL and writes the folder and the URL
#                                         (two lines) to the file STATE
#   throwaway-postgresql.sh stop STATE    stops it and removes its folder and STATE
#
# Run as root, the server runs as the postgres user (through runuser); run
# as anyone else, as that user. Exit status 0 when done; 1 when PostgreSQL
# cannot be started or stopped (its log follows on standard error); 2 for
# bad usage.
set -euo pipefail

PGBIN=/usr/lib/postgresql/15/bin

usage() {
    echo "usage: throwaway-postgresql.sh start|stop STATE" >&2
    exit 2
}
[ $# -eq 2 ] || usage
action=$1
state=$2

run() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

stop() {
    [ -f "$state" ] || return 0
    local dir
    dir=$(head -n 1 "$state")
    # Only ever a folder this script made.
    case "$dir" in
    /tmp/orvanta-postgresql.*) ;;
    *)
        echo "throwaway-postgresql.sh: $state names no cluster of this script" >&2
        exit 1
        ;;
    esac
    if [ -d "$dir/data" ]; then
        run "$PGBIN/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf -- "$dir"
    rm -f -- "$state"
}

fail() {
    echo "throwaway-postgresql.sh: $1" >&2
    cat "$dir/initdb.log" "$dir/data/server.log" >&2 2>/dev/null || true
    run "$PGBIN/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf -- "$dir"
    exit 1
}

case "$action" in
start)
    [ -x "$PGBIN/initdb" ] || {
        echo "throwaway-postgresql.sh: no PostgreSQL 15 in $PGBIN (Debian: postgresql-15)" >&2
        exit 1
    }
    # A cluster left by an interrupted run goes first.
    stop
    dir=$(mktemp -d /tmp/orvanta-postgresql.XXXXXX)
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres: "$dir"
    fi
    run "$PGBIN/initdb" -D "$dir/data" -U orvanta -A trust -E UTF8 --locale=C --no-sync \
        >"$dir/initdb.log" 2>&1 || fail "initdb failed"
    # The server writes its own log: a file of the user it runs as.
    run "$PGBIN/pg_ctl" -D "$dir/data" -l "$dir/data/server.log" -w -t 60 \
        -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c fsync=off -c full_page_writes=off" \
        start >/dev/null || fail "the server did not start"
    run "$PGBIN/createdb" -h "$dir" -U orvanta orvanta >>"$dir/initdb.log" 2>&1 ||
        fail "createdb failed"
    url="postgresql://orvanta@/orvanta?host=$dir"
    printf '%s\n%s\n' "$dir" "$url" >"$state"
    echo "$url"
    ;;
stop)
    stop
    ;;
*)
    usage
    ;;
esac
