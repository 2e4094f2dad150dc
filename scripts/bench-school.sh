#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The teacher's program at a whole school's scale: makes a school of 2,000 pupils in 80 classes
# with RUNS school runs (namesakes in two classes, many runs tied on day and time, some passing
# midnight) and 10,000 e-mailed reports (a third of them of nobody's), once in an SQLite file
# and once on a throwaway PostgreSQL server, then times the first paint and each results view
# against its anchor run alternately in the same run: an empty QMainWindow, and the statements
# the view sent run by sqlite3 or psql alone. Export and decoding come from
# bench_exportdecode when it is built.
#   scripts/bench-school.sh [--runs N] [--big] [--build DIR] [--sqlite-only]
#     --runs N   runs of the school (1000000)
#     --big      also a school of 4,000,000 runs
# Prints markdown tables: engine, what, project ms, anchor ms, ratio (project / anchor).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build"
runs=1000000
big=0
servers=1
while [ $# -gt 0 ]; do
  case "$1" in
  --runs) runs=${2:?}; shift 2 ;;
  --big) big=1; shift ;;
  --build) build=${2:?}; shift 2 ;;
  --sqlite-only) servers=0; shift ;;
  *) echo "usage: $0 [--runs N] [--big] [--build DIR] [--sqlite-only]" >&2; exit 2 ;;
  esac
done
bench="$build/tests/teacher/bench_views"
[ -x "$bench" ] || { echo "Build first: cmake --build $build (no $bench)." >&2; exit 1; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} LC_ALL=${LC_ALL:-cs_CZ.UTF-8}
work=$(mktemp -d /tmp/tesilka-bench.XXXXXX)
chmod 0755 "$work"
state="$work/pg.state"
cleanup() {
  [ -f "$state" ] && "$here/tests/support/testserver.sh" stop "$state" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

# The school in SQLite's dialect: runs(n) is the number of runs.
sqlite_school() {
  cat <<EOF
BEGIN;
WITH RECURSIVE k(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM k WHERE i < 1999)
INSERT INTO "Zaci" SELECT 'Žák ' || (i % 1000), 'T' || (i / 25) FROM k;
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < $1 - 1)
INSERT INTO "Prehled " SELECT 'Žák ' || (i % 2000 % 1000), 'T' || ((i % 2000) / 25),
  (i * 7) % 13, (i * 3) % 5, CASE WHEN i % 997 = 0 THEN '23:55:00' ELSE '10:00:00' END,
  printf('%02d:%02d:00', CASE WHEN i % 997 = 0 THEN 0 ELSE 10 + i % 8 END, i % 60),
  date('2025-09-01', '+' || ((i / 2000) % 400) || ' days'), 'zak', 1, NULL FROM n;
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 9999)
INSERT INTO "Zpravy" SELECT 'Žák ' || (i % 1000), 'T' || ((i % 2000) / 25),
  date('2025-09-01', '+' || (i % 400) || ' days') || ' 10:00',
  date('2025-09-01', '+' || (i % 400) || ' days') || ' 10:20', 10, 6, 4, 't', 'b' || i,
  'b' || i, '2026-01-01 00:00:00', CASE WHEN i % 3 = 0 THEN NULL ELSE 'Žák ' || (i % 1000) END,
  'T' || ((i % 2000) / 25), 0 FROM n;
COMMIT;
EOF
}

postgresql_school() {
  cat <<EOF
INSERT INTO "Zaci" ("Prijmeni", "Trida")
  SELECT 'Žák ' || (i % 1000), 'T' || (i / 25) FROM generate_series(0, 1999) AS i;
INSERT INTO "Prehled " SELECT 'Žák ' || (i % 2000 % 1000), 'T' || ((i % 2000) / 25),
  (i * 7) % 13, (i * 3) % 5, CASE WHEN i % 997 = 0 THEN '23:55:00' ELSE '10:00:00' END,
  lpad((CASE WHEN i % 997 = 0 THEN 0 ELSE 10 + i % 8 END)::text, 2, '0') || ':' ||
  lpad((i % 60)::text, 2, '0') || ':00',
  to_char(date '2025-09-01' + (i / 2000) % 400, 'YYYY-MM-DD'), 'zak', 1, NULL
  FROM generate_series(0, $1 - 1) AS i;
INSERT INTO "Zpravy" SELECT 'Žák ' || (i % 1000), 'T' || ((i % 2000) / 25),
  to_char(date '2025-09-01' + i % 400, 'YYYY-MM-DD') || ' 10:00',
  to_char(date '2025-09-01' + i % 400, 'YYYY-MM-DD') || ' 10:20', 10, 6, 4, 't', 'b' || i,
  'b' || i, '2026-01-01 00:00:00', CASE WHEN i % 3 = 0 THEN NULL ELSE 'Žák ' || (i % 1000) END,
  'T' || ((i % 2000) / 25), 0 FROM generate_series(0, 9999) AS i;
VACUUM ANALYZE;
EOF
}

sizes=("$runs")
[ "$big" = 1 ] && sizes+=(4000000)

if [ "$servers" = 1 ]; then
  "$here/tests/support/testserver.sh" start "$state" >/dev/null
  socket=$(sed -n 1p "$state")
  port=$(sed -n 3p "$state")
  admin=(-h "$socket" -p "$port" -U postgres)
fi

echo "| engine | what | project ms | anchor ms | ratio |"
echo "|---|---|---:|---:|---:|"
for size in "${sizes[@]}"; do
  echo "| | **$size runs** | | | |"
  file="$work/skola-$size.db"
  sqlite3 "$file" <"$here/database/schema.sql" >/dev/null
  sqlite_school "$size" | sqlite3 "$file"
  "$bench" sqlite "$file"
  rm -f "$file"
  if [ "$servers" = 1 ]; then
    db="skola$size"
    psql -X -q -v ON_ERROR_STOP=1 "${admin[@]}" -d postgres -c "CREATE DATABASE $db" >/dev/null
    psql -X -q -v ON_ERROR_STOP=1 "${admin[@]}" -d "$db" \
      -f "$here/database/schema-postgresql.sql" >/dev/null
    psql -X -q -v ON_ERROR_STOP=1 "${admin[@]}" -d "$db" -c "DO \$\$ BEGIN IF NOT EXISTS
      (SELECT FROM pg_roles WHERE rolname = 'ucitel') THEN CREATE ROLE ucitel LOGIN IN ROLE
      tesilka_ucitel; END IF; END \$\$" >/dev/null
    postgresql_school "$size" | psql -X -q -v ON_ERROR_STOP=1 "${admin[@]}" -d "$db" >/dev/null
    # Every statement in the server's log: the anchors are read from it.
    psql -X -q "${admin[@]}" -d "$db" -c "ALTER DATABASE $db SET log_statement = 'all'" >/dev/null
    "$bench" postgresql "postgresql:///$db?host=$socket&port=$port&user=ucitel" \
      "$socket/server.log" "${admin[@]}" -d "$db"
    psql -X -q "${admin[@]}" -d postgres -c "DROP DATABASE $db" >/dev/null
  fi
done

echo
exportdecode="$build/tests/teacher/bench_exportdecode"
if [ -x "$exportdecode" ]; then
  "$exportdecode"
else
  echo "(export and decoding: $exportdecode is not built, skipped)"
fi
