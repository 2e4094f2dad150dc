#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the certificates of a school's PostgreSQL server: the school's own small certificate
# authority, the server's certificate, and a client certificate for each login that signs in
# with one (the pupils' login: its password would be on every pupil's machine, and any pupil
# could change it and lock the others out; a certificate cannot be changed from a session).
#   scripts/make-school-certificates.sh FOLDER SERVER [LOGIN...]
# SERVER is the name or IP address the pupils' machines use for the server; LOGIN defaults to
# "zaci". In FOLDER it writes skola-ca.crt and skola-ca.key (keep this key on the server or
# off-line, never on a pupil's machine), server.crt and server.key, and LOGIN.crt and
# LOGIN.key for each login. Run again, it keeps what is there and makes what is missing.
set -euo pipefail

folder=${1:?usage: $0 FOLDER SERVER [LOGIN...]}
server=${2:?usage: $0 FOLDER SERVER [LOGIN...]}
shift 2
logins=("$@")
[ ${#logins[@]} -gt 0 ] || logins=(zaci)

command -v openssl >/dev/null || { echo "openssl is missing: apt-get install openssl" >&2; exit 1; }
mkdir -p "$folder"
cd "$folder"
umask 077

# A key of its own for each, on the P-256 curve: small, fast, and what every libpq accepts.
new_key() { openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out "$1" 2>/dev/null; }

# Signs "$1.key" as "$1.crt" for the subject $2 with the extensions $3.
sign() {
  openssl req -new -key "$1.key" -subj "/CN=$2" -out "$1.csr"
  openssl x509 -req -in "$1.csr" -CA skola-ca.crt -CAkey skola-ca.key -CAcreateserial \
    -days 1825 -sha256 -out "$1.crt" -extfile <(printf '%s\n' "$3") 2>/dev/null
  rm -f "$1.csr"
}

if [ ! -f skola-ca.crt ]; then
  new_key skola-ca.key
  openssl req -x509 -new -key skola-ca.key -subj "/CN=Tesilka - certifikacni autorita skoly" \
    -days 3650 -sha256 -out skola-ca.crt \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign"
  echo "Made the school's certificate authority: $folder/skola-ca.crt"
fi

if [ ! -f server.crt ]; then
  if [[ $server =~ ^[0-9.]+$ || $server == *:* ]]; then
    name="IP:$server"
  else
    name="DNS:$server"
  fi
  new_key server.key
  sign server "$server" "subjectAltName=$name
extendedKeyUsage=serverAuth
basicConstraints=CA:FALSE"
  echo "Made the server's certificate for $server: $folder/server.crt"
fi

for login in "${logins[@]}"; do
  if [ ! -f "$login.crt" ]; then
    new_key "$login.key"
    # The server takes the login's name from the certificate's common name.
    sign "$login" "$login" "extendedKeyUsage=clientAuth
basicConstraints=CA:FALSE"
    echo "Made the client certificate of the login $login: $folder/$login.crt"
  fi
done
# Certificates are public; the keys stay readable by their owner alone.
chmod 0644 ./*.crt
