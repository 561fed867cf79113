"""A slow, direct model of the signature scheme in Python integers: an oracle
for the tests, independent of the C++ code."""

import hashlib
import hmac

R = 21888242871839275222246405745257275088548364400416034343698204186575808495617
S = 2736030358979909402780800718157159386076813972158567259200215660948447373041
D = 12181644023421730124874158521699555681764249180949974110617291017600649128846
G = (
    0x2EF3F9B423A2C8C74E9803958F6C320E854A1C1C06CD5CC8FD221DC052D76DF7,
    0x05A01167EA785D3F784224644A68E4067532C815F5F6D57D984B5C0E9C6C94B7,
)
ZERO = (0, 1)


def add(p, q):
    (x1, y1), (x2, y2) = p, q
    t = D * x1 * x2 * y1 * y2 % R
    x3 = (x1 * y2 + y1 * x2) * pow(1 + t, -1, R) % R
    y3 = (y1 * y2 + x1 * x2) * pow(1 - t, -1, R) % R
    return x3, y3


def mul(p, k):
    result = ZERO
    for bit in bin(k)[2:]:
        result = add(result, result)
        if bit == "1":
            result = add(result, p)
    return result


def packed(p):
    x, y = p
    return y | ((x & 1) << 255)


def nonce(sk, msg32):
    h1 = hashlib.sha256(msg32).digest()
    x = sk.to_bytes(32, "big")
    v, k = b"\x01" * 32, b"\x00" * 32
    k = hmac.new(k, v + b"\x00" + x + h1, "sha256").digest()
    v = hmac.new(k, v, "sha256").digest()
    k = hmac.new(k, v + b"\x01" + x + h1, "sha256").digest()
    v = hmac.new(k, v, "sha256").digest()
    while True:
        t = hmac.new(k, v, "sha256").digest()
        if int.from_bytes(t, "big") < S:
            return int.from_bytes(t, "big")
        k = hmac.new(k, v + v + b"\x00", "sha256").digest()


def sign(sk, message):
    """(R affine, S) for a 256-bit message value."""
    r = nonce(sk, message.to_bytes(32, "little"))
    return mul(G, r), (message % S * sk + r) % S
