#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts or stops the throwaway PostgreSQL server of one test run: a cluster in a temporary
# directory, reached through a Unix socket in that directory (any login, no password) and, for
# the logins that sign in with a client certificate as a school's pupils do, over TLS on
# 127.0.0.1 at a free port; parallel runs and a school's own server are never touched.
#   testserver.sh start STATEFILE [durable]
#                                   writes the socket directory, the server's programs, the
#                                   port and the folder of the certificates into STATEFILE;
#                                   "durable" keeps fsync on, as a school's server runs (the
#                                   tests do without it: their rows need not survive a crash)
#   testserver.sh stop STATEFILE    stops that server and removes its directory
set -euo pipefail

action=${1:?start or stop}
state=${2:?state file}
durability="-c fsync=off"
[ "${3:-}" = "durable" ] && durability="-c fsync=on -c synchronous_commit=on"

bindir=""
for candidate in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
  if [ -x "$candidate/initdb" ] && [ -x "$candidate/pg_ctl" ]; then
    bindir=$candidate
    break
  fi
done

# The server refuses to run as root: then it runs as the postgres user.
as_server() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

case "$action" in
start)
  if [ -z "$bindir" ]; then
    echo "PostgreSQL is not installed (no /usr/lib/postgresql/*/bin/initdb): the school-server" >&2
    echo "tests need it. Install the packages postgresql and libqt6sql6-psql" >&2
    echo "(scripts/install-deps.sh does), then run the tests again." >&2
    exit 1
  fi
  if [ ! -e /usr/lib/x86_64-linux-gnu/qt6/plugins/sqldrivers/libqsqlpsql.so ] &&
     ! ls /usr/lib/*/qt6/plugins/sqldrivers/libqsqlpsql.so >/dev/null 2>&1; then
    echo "Qt's PostgreSQL driver is not installed: install libqt6sql6-psql." >&2
    exit 1
  fi
  # Short: a Unix socket path may not exceed 107 bytes.
  dir=$(mktemp -d /tmp/pgtest.XXXXXX)
  chmod 0755 "$dir"
  if [ "$(id -u)" -eq 0 ]; then
    chown postgres:postgres "$dir"
  fi
  cd "$dir"
  as_server "$bindir/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 \
    --no-sync >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  # The school's certificates as the project's script makes them, for the login "zak_cert".
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  "$here/../../scripts/make-school-certificates.sh" "$dir/certs" 127.0.0.1 zak_cert >/dev/null
  install -m 0600 "$dir/certs/server.key" "$dir/data/server.key"
  install -m 0644 "$dir/certs/server.crt" "$dir/data/server.crt"
  install -m 0644 "$dir/certs/skola-ca.crt" "$dir/data/root.crt"
  if [ "$(id -u)" -eq 0 ]; then
    chown postgres:postgres "$dir/data/server.key" "$dir/data/server.crt" "$dir/data/root.crt"
  fi
  # The socket for the tests' own logins; TLS with a certificate is the only way over TCP.
  printf '%s\n' 'local all all trust' 'hostssl all all 127.0.0.1/32 cert' >"$dir/data/pg_hba.conf"
  port=""
  for candidate in $(shuf -i 20000-29999 -n 50); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then
      port=$candidate
      break
    fi
  done
  [ -n "$port" ] || { echo "No free port on 127.0.0.1 for the test server." >&2; exit 1; }
  as_server "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -s \
    -o "-c listen_addresses=127.0.0.1 -p $port -k $dir $durability -c max_connections=200 \
        -c ssl=on -c ssl_ca_file=root.crt" start ||
    { cat "$dir/server.log" >&2; exit 1; }
  printf '%s\n%s\n%s\n%s\n' "$dir" "$bindir" "$port" "$dir/certs" >"$state"
  echo "PostgreSQL test server on the socket in $dir"
  ;;
stop)
  [ -f "$state" ] || exit 0
  dir=$(sed -n 1p "$state")
  bindir=$(sed -n 2p "$state")
  cd /
  as_server "$bindir/pg_ctl" -D "$dir/data" -m fast -w -s stop || true
  rm -rf "$dir" "$state"
  ;;
*)
  echo "usage: $0 start|stop STATEFILE" >&2
  exit 2
  ;;
esac
