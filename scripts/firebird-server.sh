#!/usr/bin/env bash
# Starts the local Firebird server when it is not answering on localhost:3050
# and makes sure the test user exists. Prints the variables the tests read.
set -euo pipefail

USUARIO="${NORVANE_TEST_USUARIO:-NORVANE}"
CLAVE="${NORVANE_TEST_CLAVE:-norvane2024}"

listening() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }

if ! listening; then
  nohup /usr/sbin/firebird >/tmp/norvane-firebird.log 2>&1 &
  for _ in $(seq 1 50); do listening && break; sleep 0.2; done
  listening || { echo "the Firebird server did not start (see /tmp/norvane-firebird.log)" >&2; exit 1; }
fi

# The package leaves the SYSDBA password in this file (ISC_PASSWORD="...").
# shellcheck disable=SC1091
source /etc/firebird/3.0/SYSDBA.password
work=$(mktemp -d)
chmod 777 "$work"
trap 'rm -rf "$work"' EXIT
isql-fb -q -user SYSDBA -password "$ISC_PASSWORD" >/dev/null <<SQL
create database 'localhost:$work/usuarios.fdb';
create or alter user $USUARIO password '$CLAVE';
commit;
drop database;
SQL
echo "NORVANE_TEST_USUARIO=$USUARIO"
echo "NORVANE_TEST_CLAVE=$CLAVE"
