"""Slow reference of the message hash, written with Python integers only.

Everything is derived from first principles and kept deliberately naive:
the Grain bit stream, the round constants, the Cauchy matrix, the plain
71-round permutation and the padded sponge. It shares no code with the C++
hasher, so agreement between the two is meaningful.

Run as a script to print a few values that the C++ tests pin down.
"""

P = 0x30644E72E131A029B85045B68181585D2833E84879B9709143E1F593F0000001
FIELD_BITS = 254
WIDTH = 9
RATE = 8
FULL_ROUNDS = 8
PARTIAL_ROUNDS = 63
ROUNDS = FULL_ROUNDS + PARTIAL_ROUNDS


def _field_bits(value, width):
    return [(value >> (width - 1 - i)) & 1 for i in range(width)]


def initial_state():
    """Field type 1, S-box 0, field bits, width, rounds, then 30 ones; oldest bit first."""
    return (_field_bits(1, 2) + _field_bits(0, 4) + _field_bits(FIELD_BITS, 12)
            + _field_bits(WIDTH, 12) + _field_bits(FULL_ROUNDS, 10)
            + _field_bits(PARTIAL_ROUNDS, 10) + [1] * 30)


class Grain:
    """The 80-bit LFSR; bits[0] is the oldest bit."""

    def __init__(self, bits=None, warm_up=160):
        self.bits = list(initial_state() if bits is None else bits)
        assert len(self.bits) == 80
        for _ in range(warm_up):
            self.step()

    def step(self):
        b = self.bits
        new = b[62] ^ b[51] ^ b[38] ^ b[23] ^ b[13] ^ b[0]
        self.bits = b[1:] + [new]
        return new

    def filtered_bit(self):
        while True:
            x = self.step()
            y = self.step()
            if x == 1:
                return y

    def draw(self):
        value = 0
        for _ in range(FIELD_BITS):
            value = (value << 1) | self.filtered_bit()
        return value

    def round_constant(self):
        while True:
            value = self.draw()
            if value < P:
                return value

    def mds_value(self):
        return self.draw() % P


def inverse(a):
    assert a % P != 0
    return pow(a, P - 2, P)


def parameters():
    """(round constants c[r][k], Cauchy matrix M[i][j])."""
    grain = Grain()
    constants = [[grain.round_constant() for _ in range(WIDTH)] for _ in range(ROUNDS)]
    xs = [grain.mds_value() for _ in range(WIDTH)]
    ys = [grain.mds_value() for _ in range(WIDTH)]
    matrix = [[inverse(xs[i] + ys[j]) for j in range(WIDTH)] for i in range(WIDTH)]
    return constants, matrix


_PARAMETERS = None


def cached_parameters():
    global _PARAMETERS
    if _PARAMETERS is None:
        _PARAMETERS = parameters()
    return _PARAMETERS


def permute(state):
    constants, matrix = cached_parameters()
    s = list(state)
    half = FULL_ROUNDS // 2
    for r in range(ROUNDS):
        s = [(s[k] + constants[r][k]) % P for k in range(WIDTH)]
        if r < half or r >= half + PARTIAL_ROUNDS:
            s = [pow(x, 5, P) for x in s]
        else:
            s[0] = pow(s[0], 5, P)
        s = [sum(matrix[i][j] * s[j] for j in range(WIDTH)) % P for i in range(WIDTH)]
    return s


def hash_elements(elements):
    """The sponge over a sequence of integers, each already below 2^256."""
    padded = [e % P for e in elements] + [1]
    while len(padded) % RATE:
        padded.append(0)
    state = [1 << 64] + [0] * RATE
    for start in range(0, len(padded), RATE):
        block = padded[start:start + RATE]
        state = [state[0]] + [(state[k + 1] + block[k]) % P for k in range(RATE)]
        state = permute(state)
    return state[1]


def hash_words(words):
    """update_single with 256-bit words: bit 255 is dropped before reduction."""
    return hash_elements([w & ((1 << 255) - 1) for w in words])


def hash2(a, b):
    return hash_words([a, b])


if __name__ == "__main__":
    c, m = cached_parameters()
    print("c[0][0] =", hex(c[0][0]))
    print("c[70][8] =", hex(c[70][8]))
    print("M[0][0] =", hex(m[0][0]))
    print("M[0][1] =", hex(m[0][1]))
    print("M[8][8] =", hex(m[8][8]))
    print("permute(0..8) s[0] =", hex(permute(list(range(9)))[0]))
    for n in (0, 1, 7, 8, 9, 16):
        print(f"hash of {n} elements 1..n =", f"0x{hash_elements(list(range(1, n + 1))):064x}")
    print("hash2(7, 5*2^32+6) =", f"0x{hash2(7, (5 << 32) + 6):064x}")
