"""The planted faults of the mutation run: small, plausible slips across the layers.

Each mutant replaces `find` (which must occur exactly once in `file`) by
`replace`. A mutant that provably changes no behaviour carries `equivalent`
with the reason, and does not count. `checks` names slower tests (the
constant-time checks under valgrind) that the mutant meets when the fast
suites miss it: a fault that only changes timing shows nowhere else.
"""


def mutant(id, file, find, replace, equivalent=None, checks=()):
    return {"id": id, "file": file, "find": find, "replace": replace, "equivalent": equivalent,
            "checks": list(checks)}


MUTANTS = [
    # Field arithmetic: the assembly products and sums this processor runs, and the portable product.
    mutant("adx-mul-first-row-carry", "sdk/src/curve/montgomery_adx.h",
           r"adcq %[lo], %[t3]\n\tadcq $0, %[t4]\n\t", r"adcq %[lo], %[t3]\n\taddq $0, %[t4]\n\t"),
    mutant("adx-square-top-diagonal", "sdk/src/curve/montgomery_adx.h",
           r'"adoxq %[hi], %[r7]\n\t"', r'"adoxq %%rax, %[r7]\n\t"'),
    mutant("adx-row-carry-out", "sdk/src/curve/montgomery_adx.h",
           'T4 "\\n\\t" \\\n  "adcxq %%rax, " T4 "\\n\\t"\n\n// One CIOS step',
           'T4 "\\n\\t" \\\n  "adoxq %%rax, " T4 "\\n\\t"\n\n// One CIOS step'),
    mutant("x86-sub-add-back", "sdk/src/curve/modular_add_x86.h", "cmovcq %[q3], %[z3]", "cmovcq %[q2], %[z3]"),
    mutant("portable-mul-top-carry", "sdk/src/curve/field_core.h", "t[3] = carry_a + carry_m;", "t[3] = carry_a;"),
    # The curve: decompression, the curve equation, the subgroup test, the scalar products.
    mutant("point-decompress-sign", "sdk/src/curve/point.cpp",
           "if (((x->into_repr()[0] & 1) != 0) != x_odd) *x = -*x;", "if (((x->into_repr()[0] & 1) != 0) == x_odd) *x = -*x;"),
    mutant("point-on-curve-check", "sdk/src/curve/point.cpp",
           "if (y2 - x2 != Fr::one() + params.edwards_d() * x2 * y2) return std::nullopt;",
           "if (y2 + x2 != Fr::one() + params.edwards_d() * x2 * y2) return std::nullopt;"),
    mutant("subgroup-torsion-points", "sdk/src/curve/subgroup_check.cpp",
           "return p == Point<Unknown>::zero();", "return true;"),
    mutant("fixed-base-negative-digit", "sdk/src/curve/fixed_base.cpp",
           "const std::uint64_t magnitude = (widened ^ (0 - negative)) + negative;",
           "const std::uint64_t magnitude = widened ^ (0 - negative);"),
    mutant("fixed-base-table-read-branches", "sdk/src/curve/fixed_base.cpp",
           "for (std::size_t j = 0; j < kEntries; ++j) conditional_assign(out, row[j], equal_mask(magnitude, j + 1));",
           "if (magnitude != 0) out = row[magnitude - 1];", checks=["ctime_fixed_base"]),
    mutant("naf-digit-bound", "sdk/src/curve/naf.cpp",
           "if (digit >= window / 2) digit -= window;", "if (digit > window / 2) digit -= window;",
           equivalent="a digit is taken only when n is odd, so it is odd, and window / 2 = 2^(width - 1) is even "
                      "for every width used (5 and 7): digit == window / 2 never happens"),
    mutant("joint-mul-digit-sign", "sdk/src/curve/joint_mul.cpp",
           "acc = acc.add(k_digit < 0 ? term.negate() : term, params);",
           "acc = acc.add(k_digit > 0 ? term.negate() : term, params);"),
    # Keys.
    mutant("key-seed-length", "sdk/src/tx/private_key.cpp", "if (seed.size() < 32)", "if (seed.size() <= 32)"),
    mutant("key-size-check", "sdk/src/tx/private_key.cpp", "if (size != bytes->size()) return",
           "if (size > bytes->size()) return"),
    mutant("key-canonical-check", "sdk/src/tx/convert.cpp", "const bool canonical = curve::Fs::in_field(*repr);",
           "const bool canonical = true;"),
    # The nonce: its derivation, and the wipes of what it and the key leave behind.
    mutant("nonce-second-rekey-byte", "sdk/src/tx/deterministic_seed.cpp",
           "rekey(k, {v, kOne, x, h1});", "rekey(k, {v, kZero, x, h1});"),
    mutant("nonce-retry-rekey", "sdk/src/tx/deterministic_seed.cpp",
           "k = mac.mac_word_twice_and_zero(v);", "k = mac.mac_word(v);"),
    mutant("hmac-retry-length", "sdk/src/tx/hmac_sha256.cpp",
           "padding<64>(1, kKeyBlockBits + 8 * 65)", "padding<64>(1, kKeyBlockBits + 8 * 64)"),
    mutant("key-text-grows-unwiped", "sdk/src/tx/private_key.cpp", "  text.reserve(2 + 2 * candidate->size());\n", ""),
    mutant("stack-wipe-depth", "sdk/src/support/secret.cpp",
           "constexpr std::size_t kStackWipeBytes = 16 * 1024;", "constexpr std::size_t kStackWipeBytes = 1024;"),
    # Signing: the equation, the self-check of every fresh signature.
    mutant("sign-s-equation", "sdk/src/tx/eddsa.cpp", "const curve::Fs s = challenge(msg) * sk + seed.value;",
           "const curve::Fs s = challenge(msg) * seed.value + sk;"),
    mutant("sign-self-check-skipped", "sdk/src/tx/tx_signature.cpp", "  verify_fresh_signature(sk, msg, signature);\n", ""),
    mutant("sign-self-check-equation", "sdk/src/tx/tx_signature.cpp",
           "challenge(msg) * sk - signature.s", "signature.s - challenge(msg) * sk"),
    # Verification: each check.
    mutant("verify-key-subgroup", "sdk/src/tx/eddsa.cpp",
           "  if (!params.in_prime_subgroup_var(public_key)) return false;\n", ""),
    mutant("verify-r-subgroup", "sdk/src/tx/eddsa.cpp",
           "  if (!params.in_prime_subgroup_var(signature.r)) return false;\n", "",
           equivalent="the key has passed its subgroup check, so A*c - G*S, computed exactly, lies in the "
                      "prime-order subgroup and equals -R only when R does too: the equation rejects every R "
                      "this check rejects, and both reject by returning false"),
    mutant("verify-equation-s-sign", "sdk/src/tx/eddsa.cpp", "(-signature.s).into_repr()", "signature.s.into_repr()"),
    mutant("verify-s-range", "sdk/src/tx/packed_signature.cpp",
           "auto s = curve::Fs::from_repr(signature.s.limbs());",
           "Result<curve::Fs> s = curve::Fs::from_raw(signature.s.limbs());"),
    # The operations: the order of the checks, and which failures are internal.
    mutant("sign-checks-key-first", "sdk/src/lib/sign_operations.cpp",
           "    KORVO_TRY(message, encoding::U256::from_str(msg));\n    KORVO_TRY(sk, tx::private_key_from_string(private_key));\n",
           "    KORVO_TRY(sk, tx::private_key_from_string(private_key));\n    KORVO_TRY(message, encoding::U256::from_str(msg));\n"),
    mutant("sign-transfer-key-road", "sdk/src/lib/sign_operations.cpp",
           "return sign_request<transaction::Transfer>(json, private_key, FailureRoad::InternalFailure,\n"
           "                                             FailureRoad::InternalFailure);",
           "return sign_request<transaction::Transfer>(json, private_key, FailureRoad::InternalFailure,\n"
           "                                             FailureRoad::ErrorValue);"),
    # Poseidon: parameters, rounds, S-box, sponge.
    mutant("grain-warm-up", "sdk/src/poseidon/grain.cpp",
           "constexpr unsigned kWarmUpSteps = 160;", "constexpr unsigned kWarmUpSteps = 159;"),
    mutant("grain-tap", "sdk/src/poseidon/grain.cpp", "(low >> 38)", "(low >> 37)"),
    mutant("grain-filter", "sdk/src/poseidon/grain.cpp", "if (keep) return bit;", "if (!keep) return bit;"),
    mutant("sbox-power", "sdk/src/poseidon/sbox.h",
           "for (std::size_t k = 0; k < kWidth; ++k) s[k] *= fourth[k];",
           "for (std::size_t k = 0; k < kWidth; ++k) s[k] = fourth[k];"),
    mutant("permutation-last-mds", "sdk/src/poseidon/permutation.cpp",
           "  sbox_layer(s);\n  mds_.apply(s);\n}", "  sbox_layer(s);\n}"),
    mutant("permutation-first-constants", "sdk/src/poseidon/permutation.cpp",
           "  add(s, start[0]);\n", "\n"),
    mutant("sponge-capacity", "sdk/src/poseidon/sponge.cpp",
           "static_cast<unsigned __int128>(1) << 64", "static_cast<unsigned __int128>(1) << 63"),
    mutant("sponge-absorb", "sdk/src/poseidon/sponge.cpp", "state_[k + 1] += block[k];", "state_[k + 1] = block[k];"),
    mutant("sponge-output", "sdk/src/poseidon/sponge.cpp", "return state_[1];", "return state_[2];"),
    # The limb reducer.
    mutant("reduce-padding-skip", "sdk/src/zkw/reduce.cpp", "if (limb != 0) rule_.value +=", "if (limb > 1) rule_.value +="),
    mutant("reduce-cursor", "sdk/src/zkw/reduce.cpp",
           "cursor_ = (cursor_ + 1) % FieldAccumulator::kInputs;", "cursor_ = (cursor_ + 1) % (FieldAccumulator::kInputs - 1);"),
    # Records: field tables and hash layouts.
    mutant("limit-order-tag", "sdk/src/transaction/limit_order.cpp",
           "constexpr std::uint64_t kTagLimitOrder = 3;", "constexpr std::uint64_t kTagLimitOrder = 2;"),
    mutant("limit-order-nonce-wrap", "sdk/src/transaction/limit_order.cpp",
           "  limbs[0] += base.nonce;\n  amounts = U256(limbs);", "  amounts = amounts + U256::from_u64(base.nonce);"),
    mutant("limit-order-shift", "sdk/src/transaction/limit_order.cpp", "positions << 17", "positions << 16"),
    mutant("limit-order-sides", "sdk/src/transaction/limit_order.cpp",
           "order.is_buying_synthetic\n          ?", "!order.is_buying_synthetic\n          ?"),
    mutant("withdraw-own-key-tag", "sdk/src/transaction/withdraw.cpp",
           "constexpr std::uint64_t kTagToOwnKey = 6;", "constexpr std::uint64_t kTagToOwnKey = 7;"),
    mutant("withdraw-own-key-test", "sdk/src/transaction/withdraw.cpp",
           "withdrawal.eth_address == withdrawal.base.public_key", "withdrawal.eth_address != withdrawal.base.public_key"),
    mutant("withdraw-nonce-width", "sdk/src/transaction/withdraw.cpp",
           "second = append_field(second, 32, withdrawal.base.nonce);", "second = append_field(second, 31, withdrawal.base.nonce);"),
    mutant("transfer-condition-order", "sdk/src/transaction/transfer.cpp",
           "hasher.update_single(positions);\n  hasher.update_single(amounts << 81);",
           "hasher.update_single(amounts << 81);\n  hasher.update_single(positions);"),
    mutant("transfer-fee-position", "sdk/src/transaction/transfer.cpp",
           "return transfer_hash_internal(transfer, transfer.sender_position_id, 0, 0, 0);",
           "return transfer_hash_internal(transfer, transfer.receiver_position_id, 0, 0, 0);"),
    mutant("oracle-timestamp-width", "sdk/src/transaction/oracle_price.cpp",
           "U256::from_u128(price.external_price), 32, price.timestamp", "U256::from_u128(price.external_price), 33, price.timestamp"),
    mutant("liquidate-field-name", "sdk/src/transaction/liquidate.cpp",
           '{"actual_liquidator_fee",', '{"actual_liquidator_fees",'),
    mutant("missing-field-text", "sdk/src/transaction/record_frame.cpp", 'std::string text = "missing field `";',
           'std::string text = "missing field \'";'),
    # Encodings and their error texts.
    mutant("decimal-plus-sign", "sdk/src/encoding/integer_text.cpp",
           "if (text.front() == '+') text.remove_prefix(1);", "if (text.front() == '-') text.remove_prefix(1);"),
    mutant("decimal-overflow-check", "sdk/src/encoding/integer_text.cpp",
           "if (value > (limit - static_cast<Magnitude>(d)) / radix) return Error{overflow};",
           "if (value > limit / radix) return Error{overflow};"),
    mutant("decimal-empty-text", "sdk/src/encoding/integer_text.cpp",
           'constexpr const char* kEmpty = "cannot parse integer from empty string";',
           'constexpr const char* kEmpty = "cannot parse integer from an empty string";'),
    mutant("i128-minimum", "sdk/src/encoding/integer_text.cpp",
           "negative ? max_positive + 1 : max_positive", "max_positive"),
    mutant("u256-prefix", "sdk/src/encoding/u256.cpp",
           'if (text.size() >= 2 && text.starts_with("0x")) text.remove_prefix(2);',
           'if (text.size() > 2 && text.starts_with("0x")) text.remove_prefix(2);'),
    mutant("u256-odd-padding", "sdk/src/encoding/u256.cpp",
           "if (v < 0) return Error{invalid_character_text(c, i + pad)};",
           "if (v < 0) return Error{invalid_character_text(c, i)};"),
    mutant("u256-overflow", "sdk/src/encoding/u256.cpp", "  if (carry != 0) fail(kOverflow);\n", "\n"),
    # The module: binding, guard, reports.
    mutant("binding-were", "src/binding.cpp", 'nargs == 1 ? "was" : "were"', '"was"'),
    mutant("binding-oxford-comma", "src/binding.cpp", "if (names.size() > 2) out += ',';", "if (names.size() > 1) out += ',';"),
    mutant("binding-multiple-values", "src/binding.cpp", "if (bound[*index] != nullptr) {", "if (false) {"),
    mutant("binding-type-name", "src/binding.cpp",
           "message += \"' object cannot be converted to 'PyString'\";", "message += \"' object cannot be converted to 'str'\";"),
    mutant("binding-cause", "src/binding.cpp",
           "if (wrapped != nullptr) PyException_SetCause(wrapped, PyException_GetCause(error));", "",
           equivalent="no argument makes the conversion raise a TypeError that has a cause: a non-str gets a "
                      "fresh TypeError, and a str fails only with UnicodeEncodeError, which passes through"),
    mutant("guard-report-header", "src/guard.cpp",
           'constexpr std::string_view kHeader = "korvo_python_sdk: ";', 'constexpr std::string_view kHeader = "";'),
    mutant("guard-report-first-line", "src/guard.cpp",
           "  std::fwrite(kHeader.data(), 1, kHeader.size(), stderr);\n  std::fwrite(kind.data(), 1, kind.size(), stderr);\n"
           "  std::fputc('\\n', stderr);\n", ""),
    mutant("guard-internal-kind", "src/guard.cpp", 'sdk::FailureKind::InternalFailure ? "internal failure" : "error"',
           'sdk::FailureKind::InternalFailure ? "error" : "error"'),
    mutant("guard-note", "src/guard.cpp",
           'PyObject* added = note != nullptr ? PyObject_CallMethod(error, "add_note", "O", note) : nullptr;',
           'PyObject* added = note != nullptr ? Py_NewRef(Py_None) : nullptr;'),
    mutant("guard-exception-text", "src/guard.cpp", '"s", "Any { .. }"', '"s", "Any {..}"'),
    mutant("guard-lock-kept", "src/guard.cpp", "    GilReleased released;\n", "\n"),
]
