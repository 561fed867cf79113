"""The planted faults of the mutation run: small, plausible slips across the layers.

Each mutant replaces `find` (which must occur exactly once in `file`) by
`replace`. A mutant that provably changes no behaviour carries `equivalent`
with the reason, and does not count.
"""


def mutant(id, file, find, replace, equivalent=None):
    return {"id": id, "file": file, "find": find, "replace": replace, "equivalent": equivalent}


MUTANTS = [
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
    mutant("guard-internal-kind", "src/guard.cpp", 'sdk::FailureKind::InternalFailure ? "internal failure" : "error"',
           'sdk::FailureKind::InternalFailure ? "error" : "error"'),
    mutant("guard-note", "src/guard.cpp",
           'PyObject* added = note != nullptr ? PyObject_CallMethod(error, "add_note", "O", note) : nullptr;',
           'PyObject* added = note != nullptr ? Py_NewRef(Py_None) : nullptr;'),
    mutant("guard-exception-text", "src/guard.cpp", '"s", "Any { .. }"', '"s", "Any {..}"'),
    mutant("guard-lock-kept", "src/guard.cpp", "    GilReleased released;\n", "\n"),
]
