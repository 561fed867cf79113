#include "lib/function_table.h"

#include <cstddef>
#include <utility>

#include "korvo/sdk.h"

namespace korvo::module {

namespace {

template <class T>
sdk::Outcome<Reply> as_reply(sdk::Outcome<T> outcome) {
  if (outcome.has_value()) return sdk::Outcome<Reply>(Reply(std::move(outcome).value()));
  return sdk::Outcome<Reply>(std::move(outcome).error());
}

template <class R, class... Params>
constexpr std::size_t arity(R (*)(Params...) noexcept) {
  return sizeof...(Params);
}

template <auto operation, std::size_t... I>
sdk::Outcome<Reply> call_in_order(Texts texts, std::index_sequence<I...>) {
  return as_reply(operation(texts[I]...));
}

// The SDK operation on the texts in parameter order; every operation takes
// them in the Python function's order.
template <auto operation>
sdk::Outcome<Reply> run(Texts texts) {
  return call_in_order<operation>(texts, std::make_index_sequence<arity(operation)>{});
}

template <auto operation, std::size_t N>
constexpr FunctionRow make_row(const char* name, const char* const (&params)[N], std::string_view doc) {
  static_assert(N == arity(operation), "one parameter name for each text the operation takes");
  return FunctionRow{{name, params}, doc, &run<operation>};
}

// Each Python function runs the SDK operation of its own name.
#define KORVO_FUNCTION(name, params, doc) make_row<&sdk::name>(#name, params, doc)

constexpr const char* kVerify[] = {"sig_r", "sig_s", "pub_key_x", "pub_key_y", "msg"};
constexpr const char* kJsonKey[] = {"json", "pri_key"};
constexpr const char* kJson[] = {"json"};
constexpr const char* kKeyMsg[] = {"private_key", "msg"};
constexpr const char* kSeed[] = {"seed"};
constexpr const char* kXY[] = {"x", "y"};
constexpr const char* kPublicKey[] = {"public_key"};
constexpr const char* kPrivateKey[] = {"private_key"};

// The documentation is in the sections help() readers and the docs site's
// Google-style parser both know: Args, Returns, Raises. Each text is also the
// docstring of its function in the stub package (a test keeps them equal),
// so an editor shows what help() shows.

// Fragments that several texts share, each a run of whole lines.

// The group order L bounds private keys and signature scalars.
#define KORVO_ORDER_VALUE "0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1"
#define KORVO_ORDER "        L = " KORVO_ORDER_VALUE ".\n"

// After the parameter's name.
#define KORVO_PRIVATE_KEY                                                  \
  ": the private key, as private_key_from_seed returns it:\n"              \
  "        64 hex digits in either case behind any number of lower-case\n"  \
  "        \"0x\" (\"0X\" is rejected), with a value below the group order\n" \
  "        L (0 is accepted), where\n" KORVO_ORDER

// A 256-bit value in hex as the requests and sign read it.
#define KORVO_STRICT_HEX                                                  \
  "        One optional lower-case \"0x\" (\"0X\" and a repeated \"0x\" are\n" \
  "        rejected), then at most 64 hex digits in either case; an empty\n"  \
  "        text is 0.\n"

// A 256-bit value in hex as signature parts, eth_sign's message and the key
// functions read it.
#define KORVO_LOOSE_HEX                                                      \
  "        Leading \"0x\" prefixes and then leading \"0X\" prefixes are removed\n" \
  "        (any number of each), then at most 64 hex digits in either case.\n"

#define KORVO_NUMBERS                                                          \
  "        A decimal field is a JSON string of digits with an optional \"+\";\n"   \
  "        a hex field is a JSON string with one optional lower-case \"0x\"\n"     \
  "        (\"0X\" is rejected) and at most 64 hex digits in either case.\n"       \
  "        Unknown keys are ignored; a missing or repeated key, a null, or a\n"    \
  "        JSON number in place of a string raises.\n"

#define KORVO_HASH_RETURNS \
  "Returns:\n"             \
  "    The message hash, \"0x\" and 64 lower-case hex digits.\n\n"

#define KORVO_SIGNATURE_RETURNS                                            \
  "Returns:\n"                                                             \
  "    The signature JSON with the keys \"r\" (the packed R point) and \"s\"\n" \
  "    (the scalar), each \"0x\" and 64 lower-case hex digits.\n\n"

// Every failure has one form: ValueError("Any { .. }") with the reason as the
// exception's note and in the report on standard error. Follows the line
// that says when the function fails.
#define KORVO_FAILURE_FORM                                                 \
  "        Every failure raises ValueError(\"Any { .. }\") with the reason\n" \
  "        in e.__notes__ and in a report on standard error."

}  // namespace

const std::array<FunctionRow, kFunctionCount> kFunctionTable = std::to_array<FunctionRow>({
    KORVO_FUNCTION(verify_signature, kVerify,
        "Check a signature over a 256-bit message under a packed public key.\n\n"
        "This checks the signature equation; it does not prove who signed. The\n"
        "message itself is the challenge, so anyone can make a signature that\n"
        "verifies for any message and key: do not use it to authenticate data\n"
        "received from others.\n\n"
        "Args:\n"
        "    sig_r: the signature's \"r\", the packed R point, in hex.\n" KORVO_LOOSE_HEX
        "    sig_s: the signature's \"s\", read like sig_r; it must be below the\n"
        "        group order\n" KORVO_ORDER
        "    pub_key_x: the signer's packed public key, the \"x\" of\n"
        "        private_key_to_public_key_xy, in hex.\n" KORVO_STRICT_HEX
        "    pub_key_y: not read; any text is accepted.\n"
        "    msg: the signed value, read like pub_key_x. It is taken modulo L,\n"
        "        so a signature over msg also verifies for msg + L.\n\n"
        "Returns:\n"
        "    True when the signature equation holds, else False.\n\n"
        "Raises:\n"
        "    ValueError: when a text does not parse, when sig_r or pub_key_x is\n"
        "        not a curve point, or when sig_s is at or above L: these raise,\n"
        "        they do not return False.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(sign_withdraw, kJsonKey,
        "Sign the message hash of a withdrawal request.\n\n"
        "The signature covers the fields hash_withdraw hashes, and of public_key\n"
        "only whether it equals eth_address.\n\n"
        "Args:\n"
        "    json: the withdrawal, read exactly as hash_withdraw reads it.\n"
        "    pri_key" KORVO_PRIVATE_KEY "\n" KORVO_SIGNATURE_RETURNS
        "Raises:\n"
        "    ValueError: when the request or the key does not parse.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(sign_transfer, kJsonKey,
        "Sign the message hash of a transfer request.\n\n"
        "The signature does not cover receiver_public_key or public_key: a\n"
        "transfer changed in those fields carries the same signature.\n\n"
        "Args:\n"
        "    json: the transfer, read exactly as hash_transfer reads it.\n"
        "    pri_key" KORVO_PRIVATE_KEY "\n" KORVO_SIGNATURE_RETURNS
        "Raises:\n"
        "    ValueError: when the request or the key does not parse.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(sign_limit_order, kJsonKey,
        "Sign the message hash of a limit order.\n\n"
        "The signature does not cover public_key: an order changed in that field\n"
        "carries the same signature.\n\n"
        "Args:\n"
        "    json: the order, read exactly as hash_limit_order reads it.\n"
        "    pri_key" KORVO_PRIVATE_KEY "\n" KORVO_SIGNATURE_RETURNS
        "Raises:\n"
        "    ValueError: when the order or the key does not parse, or when\n"
        "        asset_id_synthetic is negative.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(sign_liquidate, kJsonKey,
        "Sign a liquidation: the limit-order signature of its liquidator_order.\n\n"
        "The signature is the one sign_limit_order gives the liquidator_order; it\n"
        "does not cover liquidated_position_id, actual_collateral,\n"
        "actual_synthetic or actual_liquidator_fee, nor the order's public_key.\n\n"
        "Args:\n"
        "    json: the liquidation, read exactly as hash_liquidate reads it.\n"
        "    pri_key" KORVO_PRIVATE_KEY "\n" KORVO_SIGNATURE_RETURNS
        "Raises:\n"
        "    ValueError: when the request or the key does not parse, or when\n"
        "        asset_id_synthetic is negative.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(sign_signed_oracle_price, kJsonKey,
        "Sign the message hash of an oracle price.\n\n"
        "The signature does not cover signer_key: a price changed in that field\n"
        "carries the same signature.\n\n"
        "Args:\n"
        "    json: the price, read exactly as hash_signed_oracle_price reads it.\n"
        "    pri_key" KORVO_PRIVATE_KEY "\n" KORVO_SIGNATURE_RETURNS
        "Raises:\n"
        "    ValueError: when the request or the key does not parse.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(hash_withdraw, kJson,
        "Message hash of a withdrawal request.\n\n"
        "The hash takes position_id, amount, nonce, expiration_timestamp,\n"
        "asset_id and eth_address, and of public_key only whether it equals\n"
        "eth_address. The nonce has 32 bits of the hashed word: a nonce of 2^32\n"
        "or more adds into position_id's bits, so two requests can hash alike.\n"
        "Hex values are hashed modulo the field prime after bit 255 is cleared.\n\n"
        "Args:\n"
        "    json: a JSON object with the keys position_id, amount, nonce\n"
        "        (decimal, below 2^64), expiration_timestamp (decimal, below\n"
        "        2^32), eth_address, public_key (hex, packed keys) and asset_id\n"
        "        (hex, 256-bit).\n" KORVO_NUMBERS "\n" KORVO_HASH_RETURNS
        "Raises:\n"
        "    ValueError: when the request does not parse.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(hash_transfer, kJson,
        "Message hash of a transfer request.\n\n"
        "The hash takes sender_position_id, receiver_position_id, amount,\n"
        "nonce, expiration_timestamp and asset_id; receiver_public_key and\n"
        "public_key are read but not hashed. The nonce has 32 bits of the\n"
        "hashed word: a nonce of 2^32 or more adds into the bits above it.\n"
        "Hex values are hashed modulo the field prime after bit 255 is cleared.\n\n"
        "Args:\n"
        "    json: a JSON object with the keys sender_position_id,\n"
        "        receiver_position_id, amount, nonce (decimal, below 2^64),\n"
        "        expiration_timestamp (decimal, below 2^32), asset_id (hex,\n"
        "        256-bit), receiver_public_key and public_key (hex, packed keys).\n" KORVO_NUMBERS
        "\n" KORVO_HASH_RETURNS
        "Raises:\n"
        "    ValueError: when the request does not parse.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(hash_limit_order, kJson,
        "Message hash of a limit order.\n\n"
        "The hash takes every field but public_key, which is read but not\n"
        "hashed. The nonce has 32 bits of the hashed word: a nonce of 2^32 or\n"
        "more adds into amount_fee's bits, so two orders can hash alike. Hex\n"
        "values are hashed modulo the field prime after bit 255 is cleared.\n\n"
        "Args:\n"
        "    json: a JSON object with the keys amount_synthetic,\n"
        "        amount_collateral, amount_fee, position_id, nonce (decimal,\n"
        "        below 2^64), expiration_timestamp (decimal, below 2^32),\n"
        "        asset_id_synthetic (signed hex, 128-bit: any number of\n"
        "        lower-case \"0x\", then an optional sign and digits; a negative\n"
        "        value raises when hashed), asset_id_collateral (hex, 256-bit),\n"
        "        is_buying_synthetic (JSON true or false) and public_key (hex, a\n"
        "        packed key).\n" KORVO_NUMBERS "\n" KORVO_HASH_RETURNS
        "Raises:\n"
        "    ValueError: when the order does not parse, or when\n"
        "        asset_id_synthetic is negative.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(hash_liquidate, kJson,
        "Message hash of a liquidation: the hash of its liquidator_order.\n\n"
        "Only the liquidator_order is hashed, exactly as hash_limit_order hashes\n"
        "it; liquidated_position_id, actual_collateral, actual_synthetic and\n"
        "actual_liquidator_fee are read and checked but not hashed.\n\n"
        "Args:\n"
        "    json: a JSON object with the keys liquidator_order (a limit order\n"
        "        object, as hash_limit_order reads it), liquidated_position_id,\n"
        "        actual_collateral, actual_synthetic and actual_liquidator_fee\n"
        "        (decimal, below 2^64), or a JSON array of the five values in\n"
        "        that order.\n" KORVO_NUMBERS "\n" KORVO_HASH_RETURNS
        "Raises:\n"
        "    ValueError: when the request does not parse, or when\n"
        "        asset_id_synthetic is negative.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(hash_signed_oracle_price, kJson,
        "Message hash of an oracle price.\n\n"
        "The hash takes signed_asset_id, external_price and timestamp;\n"
        "signer_key is read but not hashed. Hex values are hashed modulo the\n"
        "field prime after bit 255 is cleared.\n\n"
        "Args:\n"
        "    json: a JSON object with the keys signer_key (hex, a packed key),\n"
        "        external_price (decimal, below 2^128), timestamp (decimal, below\n"
        "        2^32) and signed_asset_id (hex, 256-bit), or a JSON array of the\n"
        "        four values in that order.\n" KORVO_NUMBERS "\n" KORVO_HASH_RETURNS
        "Raises:\n"
        "    ValueError: when the request does not parse.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(sign, kKeyMsg,
        "Sign a 256-bit message as given (it is not hashed again).\n\n"
        "Args:\n"
        "    private_key" KORVO_PRIVATE_KEY
        "    msg: the message in hex.\n" KORVO_STRICT_HEX
        "        The challenge is msg taken modulo L, so the signature also\n"
        "        verifies for msg + L.\n\n" KORVO_SIGNATURE_RETURNS
        "Raises:\n"
        "    ValueError: when the message or the key does not parse (the message\n"
        "        is looked at first).\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(eth_sign, kKeyMsg,
        "Layer-1 signature of a 256-bit message.\n\n"
        "The same R and S as sign(private_key, msg), written out with R's\n"
        "coordinates and the signer's public key.\n\n"
        "Args:\n"
        "    private_key" KORVO_PRIVATE_KEY
        "    msg: the message in hex; unlike sign, eth_sign accepts \"0X\".\n" KORVO_LOOSE_HEX
        "\n"
        "Returns:\n"
        "    The JSON with the keys \"x\" and \"y\" (R's affine coordinates), \"s\"\n"
        "    (the scalar), \"pk_x\" (the signer's packed public key) and \"pk_y\"\n"
        "    (the x coordinate of the signer's public key point), each \"0x\" and\n"
        "    64 lower-case hex digits. pk_x and pk_y are the \"x\" and \"y\" that\n"
        "    private_key_to_public_key_xy returns for the key.\n\n"
        "Raises:\n"
        "    ValueError: when the key or the message does not parse (the key is\n"
        "        looked at first).\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(private_key_from_seed, kSeed,
        "Derive a private key from a secret seed.\n\n"
        "The same seed always gives the same key, so the seed is as secret as\n"
        "the key.\n\n"
        "Args:\n"
        "    seed: used as its UTF-8 bytes (not decoded from hex); at least 32\n"
        "        of them.\n\n"
        "Returns:\n"
        "    The private key, \"0x\" and 64 lower-case hex digits, a value below\n"
        "    the group order\n"
        "    L = " KORVO_ORDER_VALUE ".\n\n"
        "Raises:\n"
        "    ValueError: when the seed is shorter than 32 bytes.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(is_on_curve, kXY,
        "Check that y is the point x coordinate of the packed public key x.\n\n"
        "This compares text; y is never parsed. With the prefixes removed from\n"
        "both, x must be the packed key as given and y the point's x coordinate\n"
        "in exactly 64 lower-case hex digits, as public_key_to_xy(x) gives it:\n"
        "upper-case digits, missing leading zeros or text that is not hex in y\n"
        "give False.\n\n"
        "Args:\n"
        "    x: a packed public key in hex.\n" KORVO_LOOSE_HEX
        "    y: any text; its prefixes are removed as for x.\n\n"
        "Returns:\n"
        "    True when y is exactly that coordinate text, else False. A non-zero\n"
        "    packed key below 2^160 is taken without a curve check, with the\n"
        "    coordinate 0.\n\n"
        "Raises:\n"
        "    ValueError: when x does not parse or is not a curve point.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(public_key_to_xy, kPublicKey,
        "Unpack a packed public key.\n\n"
        "Args:\n"
        "    public_key: the packed key in hex.\n" KORVO_LOOSE_HEX
        "\n"
        "Returns:\n"
        "    The JSON with the keys \"x\" (\"0x\" and the caller's digits as given,\n"
        "    case and length kept, no padding) and \"y\" (the point's x\n"
        "    coordinate, \"0x\" and 64 lower-case hex digits). A non-zero key\n"
        "    below 2^160 is taken without a curve check, with the coordinate 0.\n\n"
        "Raises:\n"
        "    ValueError: when the key does not parse or is not a curve point.\n" KORVO_FAILURE_FORM),
    KORVO_FUNCTION(private_key_to_public_key_xy, kPrivateKey,
        "Public key of a private key.\n\n"
        "Args:\n"
        "    private_key" KORVO_PRIVATE_KEY "\n"
        "Returns:\n"
        "    The JSON with the keys \"x\" (the packed public key) and \"y\" (the x\n"
        "    coordinate of the public key point), each \"0x\" and 64 lower-case\n"
        "    hex digits. The \"x\" is the public_key of requests and the pub_key_x\n"
        "    of verify_signature.\n"
        "    The key 0 gives the neutral point, whose packed key is 1.\n\n"
        "Raises:\n"
        "    ValueError: when the key does not parse.\n" KORVO_FAILURE_FORM),
});

#undef KORVO_FUNCTION
#undef KORVO_FAILURE_FORM
#undef KORVO_SIGNATURE_RETURNS
#undef KORVO_HASH_RETURNS
#undef KORVO_NUMBERS
#undef KORVO_LOOSE_HEX
#undef KORVO_STRICT_HEX
#undef KORVO_PRIVATE_KEY
#undef KORVO_ORDER
#undef KORVO_ORDER_VALUE

}  // namespace korvo::module
