#!/usr/bin/python3
"""A second, independent writer and reader of work files, for the codec tests.

  filecipher_vectors.py encode SALT COMPRESSION PROTECTION  < payload > file
      COMPRESSION: auto | always | never; PROTECTION: none | checksum | hash
  filecipher_vectors.py decode  < file > payload
      checks version, checksum or digest and length; exits 1 on a bad file.

Standard library only, so that it shares no code with the C++ codec.
"""
import hashlib
import struct
import sys
import zlib

KEY = 0x3A7C5E91D0B46F28
KEY_BYTES = [(KEY >> (8 * i)) & 0xFF for i in range(8)]  # least significant first
VERSION = 3
COMPRESSED, CHECKSUM, HASH = 1, 2, 4


def crc16_x25(data):
    """ISO 3309 frame check sequence: reflected poly 0x1021, init and final xor 0xFFFF."""
    crc = 0xFFFF
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0x8408 if crc & 1 else crc >> 1
    return crc ^ 0xFFFF


def q_compress(data):
    """4-byte big-endian length, then a zlib stream at level 9; empty input gives 4 zero bytes."""
    if not data:
        return b"\0\0\0\0"
    return struct.pack(">I", len(data)) + zlib.compress(data, 9)


def q_uncompress(data):
    if len(data) < 4:
        raise ValueError("compressed payload shorter than its length field")
    expected = struct.unpack(">I", data[:4])[0]
    if len(data) == 4 and expected == 0:
        return b""
    out = zlib.decompress(data[4:])
    if len(out) != expected:
        raise ValueError("length field %d, stream gives %d bytes" % (expected, len(out)))
    return out


def encode(payload, salt, compression, protection):
    flags = 0
    stored = payload
    if compression != "never":
        packed = q_compress(payload)
        if compression == "always" or len(packed) < len(payload):
            stored, flags = packed, flags | COMPRESSED
    if protection == "checksum":
        field, flags = struct.pack(">H", crc16_x25(stored)), flags | CHECKSUM
    elif protection == "hash":
        field, flags = hashlib.sha1(stored).digest(), flags | HASH
    else:
        field = b""
    body = bytes([salt]) + field + stored
    out, chain = bytearray(), 0
    for i, byte in enumerate(body):
        chain = byte ^ KEY_BYTES[i % 8] ^ chain
        out.append(chain)
    return bytes([VERSION, flags]) + bytes(out)


def decode(data):
    if len(data) < 3 or data[0] != VERSION:
        raise ValueError("not a version 3 file")
    flags, body = data[1], data[2:]
    plain, chain = bytearray(), 0
    for i, byte in enumerate(body):
        plain.append(byte ^ KEY_BYTES[i % 8] ^ chain)
        chain = byte
    rest = bytes(plain[1:])
    if flags & CHECKSUM:
        if len(rest) < 2 or struct.unpack(">H", rest[:2])[0] != crc16_x25(rest[2:]):
            raise ValueError("checksum mismatch")
        rest = rest[2:]
    elif flags & HASH:
        if len(rest) < 20 or rest[:20] != hashlib.sha1(rest[20:]).digest():
            raise ValueError("digest mismatch")
        rest = rest[20:]
    return q_uncompress(rest) if flags & COMPRESSED else rest


def main(argv):
    # The CRC's published check value: a wrong CRC here would make every vector wrong.
    if crc16_x25(b"123456789") != 0x906E:
        sys.stderr.write("CRC self-check failed\n")
        return 2
    data = sys.stdin.buffer.read()
    if argv[1:2] == ["encode"] and len(argv) == 5:
        salt = int(argv[2], 0)
        if not 0 <= salt <= 255 or argv[3] not in ("auto", "always", "never") \
                or argv[4] not in ("none", "checksum", "hash"):
            sys.stderr.write("bad arguments\n")
            return 2
        sys.stdout.buffer.write(encode(data, salt, argv[3], argv[4]))
        return 0
    if argv[1:] == ["decode"]:
        try:
            payload = decode(data)
        except (ValueError, zlib.error) as error:
            sys.stderr.write("bad file: %s\n" % error)
            return 1
        sys.stdout.buffer.write(payload)
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
