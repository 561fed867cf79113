#include "lib/function_docs.h"

#include <array>
#include <utility>

namespace korvo::module {

namespace {

// Failures share one form: ValueError("Any { .. }") with the reason in the
// exception's note and in the report on standard error.
#define KORVO_FAILS "Raises ValueError(\"Any { .. }\") with the reason as a note when "

constexpr std::array<std::pair<std::string_view, std::string_view>, 17> kDocs = {{
    {"verify_signature",
     "Check a signature over a message under a packed public key.\n\n"
     "sig_r and sig_s are the texts of a signature's \"r\" and \"s\"; pub_key_x is the packed public key\n"
     "and msg the signed 256-bit value, both hex with an optional \"0x\"; pub_key_y is not read.\n"
     "Returns True when the signature equation holds, else False. This checks an equation, it does\n"
     "not prove who signed: anyone can make a signature that verifies for any message and key.\n" KORVO_FAILS
     "a text does not parse or a point does not decompress."},
    {"sign_withdraw",
     "Sign the message hash of a withdrawal request.\n\n"
     "json is the request's JSON object (numbers as JSON strings); pri_key the private key in hex.\n"
     "Returns the signature JSON {\"r\": packed R point, \"s\": scalar}.\n" KORVO_FAILS
     "the request or the key does not parse."},
    {"sign_transfer",
     "Sign the message hash of a transfer request.\n\n"
     "json is the request's JSON object (numbers as JSON strings); pri_key the private key in hex.\n"
     "Returns the signature JSON {\"r\": packed R point, \"s\": scalar}.\n" KORVO_FAILS
     "the request or the key does not parse."},
    {"sign_limit_order",
     "Sign the message hash of a limit order.\n\n"
     "json is the order's JSON object (numbers as JSON strings); pri_key the private key in hex.\n"
     "Returns the signature JSON {\"r\": packed R point, \"s\": scalar}.\n" KORVO_FAILS
     "the order or the key does not parse."},
    {"sign_liquidate",
     "Sign a liquidation: the limit-order signature of its liquidator_order.\n\n"
     "json is the liquidation's JSON object (numbers as JSON strings); pri_key the private key in hex.\n"
     "Returns the signature JSON {\"r\": packed R point, \"s\": scalar}.\n" KORVO_FAILS
     "the request or the key does not parse."},
    {"sign_signed_oracle_price",
     "Sign the message hash of an oracle price.\n\n"
     "json is the price's JSON object (numbers as JSON strings); pri_key the private key in hex.\n"
     "Returns the signature JSON {\"r\": packed R point, \"s\": scalar}.\n" KORVO_FAILS
     "the request or the key does not parse."},
    {"hash_withdraw",
     "Message hash of a withdrawal request.\n\n"
     "json is the request's JSON object (numbers as JSON strings).\n"
     "Returns \"0x\" and 64 lower-case hex digits.\n" KORVO_FAILS "the request does not parse."},
    {"hash_transfer",
     "Message hash of a transfer request.\n\n"
     "json is the request's JSON object (numbers as JSON strings).\n"
     "Returns \"0x\" and 64 lower-case hex digits.\n" KORVO_FAILS "the request does not parse."},
    {"hash_limit_order",
     "Message hash of a limit order.\n\n"
     "json is the order's JSON object (numbers as JSON strings).\n"
     "Returns \"0x\" and 64 lower-case hex digits.\n" KORVO_FAILS "the order does not parse."},
    {"hash_liquidate",
     "Message hash of a liquidation: the hash of its liquidator_order.\n\n"
     "json is the liquidation's JSON object (numbers as JSON strings).\n"
     "Returns \"0x\" and 64 lower-case hex digits.\n" KORVO_FAILS "the request does not parse."},
    {"hash_signed_oracle_price",
     "Message hash of an oracle price.\n\n"
     "json is the price's JSON object (numbers as JSON strings).\n"
     "Returns \"0x\" and 64 lower-case hex digits.\n" KORVO_FAILS "the request does not parse."},
    {"sign",
     "Sign a 256-bit message as given (it is not hashed again).\n\n"
     "private_key is the private key in hex; msg the message in hex with an optional \"0x\".\n"
     "Returns the signature JSON {\"r\": packed R point, \"s\": scalar}.\n" KORVO_FAILS
     "the message or the key does not parse."},
    {"eth_sign",
     "Layer-1 signature of a 256-bit message.\n\n"
     "private_key is the private key in hex; msg the message in hex.\n"
     "Returns the JSON {\"x\", \"y\": R point, \"s\": scalar, \"pk_x\", \"pk_y\": public key point}.\n" KORVO_FAILS
     "the message or the key does not parse."},
    {"private_key_from_seed",
     "Derive a private key from a secret seed.\n\n"
     "seed is used as its UTF-8 bytes, at least 32 of them.\n"
     "Returns the private key as hex text.\n" KORVO_FAILS "the seed is shorter than 32 bytes."},
    {"is_on_curve",
     "Check that y is the point x coordinate of the packed public key x.\n\n"
     "x is a packed public key and y a coordinate, both in hex.\n"
     "Returns True when y is exactly that coordinate, else False.\n" KORVO_FAILS "x does not parse."},
    {"public_key_to_xy",
     "Unpack a packed public key.\n\n"
     "public_key is the packed key in hex.\n"
     "Returns the JSON {\"x\": packed key, \"y\": the point's x coordinate}.\n" KORVO_FAILS
     "the key does not parse or does not decompress to a curve point."},
    {"private_key_to_public_key_xy",
     "Public key of a private key.\n\n"
     "private_key is the private key in hex.\n"
     "Returns the JSON {\"x\": packed key, \"y\": the point's x coordinate}.\n" KORVO_FAILS
     "the key does not parse."},
}};

#undef KORVO_FAILS

}  // namespace

std::string_view function_doc(std::string_view name) {
  for (const auto& [function, doc] : kDocs) {
    if (function == name) return doc;
  }
  return {};
}

}  // namespace korvo::module
