#!/bin/sh
# Writes a small certificate world for the TLS tests into the folder $1:
#   ca.pem              a test authority (self-signed)
#   localhost.pem/.key  signed by it, for localhost and 127.0.0.1
#   inter.pem           an intermediate authority signed by it
#   inter-leaf.pem/.key signed by the intermediate, for localhost
#   other-host.pem/.key signed by the test authority, for other.test only
#   self.pem/.key       self-signed, for localhost
#   other-ca.pem        a second, unrelated authority
#   stranger.pem/.key   signed by the second authority, for localhost
set -eu
dir=$1
mkdir -p "$dir"
cd "$dir"

key() { openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:prime256v1 -out "$1" 2>/dev/null; }

authority() { # name subject
    key "$1.key"
    openssl req -x509 -new -key "$1.key" -days 2 -subj "/CN=$2" \
        -addext "basicConstraints=critical,CA:TRUE" \
        -addext "keyUsage=critical,keyCertSign,cRLSign" -out "$1.pem"
}

# name issuer san [ca]
issue() {
    key "$1.key"
    openssl req -new -key "$1.key" -subj "/CN=$1" -out "$1.csr"
    if [ "${4:-}" = ca ]; then
        printf 'basicConstraints=critical,CA:TRUE\nkeyUsage=critical,keyCertSign,cRLSign\n' > "$1.ext"
    else
        printf 'basicConstraints=CA:FALSE\nsubjectAltName=%s\nextendedKeyUsage=serverAuth\n' "$3" > "$1.ext"
    fi
    openssl x509 -req -in "$1.csr" -CA "$2.pem" -CAkey "$2.key" -CAcreateserial -days 2 \
        -extfile "$1.ext" -out "$1.pem" 2>/dev/null
    rm -f "$1.csr" "$1.ext"
}

authority ca "Parvane test authority"
authority other-ca "Another test authority"
issue localhost ca "DNS:localhost,IP:127.0.0.1"
issue inter ca "" ca
issue inter-leaf inter "DNS:localhost"
issue other-host ca "DNS:other.test"
issue stranger other-ca "DNS:localhost,IP:127.0.0.1"
key self.key
openssl req -x509 -new -key self.key -days 2 -subj "/CN=localhost" \
    -addext "subjectAltName=DNS:localhost,IP:127.0.0.1" -out self.pem
