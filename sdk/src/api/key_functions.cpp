#include "api/guarded.h"
#include "encoding/json_writer.h"
#include "lib/operations.h"

namespace korvo::sdk {

namespace {

// {"x": first text, "y": second text}.
Result<std::string> key_pair_json(Result<tx::KeyTextPair> pair) {
  return api::written(std::move(pair), [](const tx::KeyTextPair& texts) {
    return encoding::JsonObjectWriter().member("x", texts.x).member("y", texts.y).finish();
  });
}

}  // namespace

Outcome<bool> verify_signature(std::string_view sig_r, std::string_view sig_s, std::string_view pub_key_x,
                               std::string_view pub_key_y, std::string_view msg) noexcept {
  return api::guarded<bool>("Couldn't get verify_signature result",
                            [&] { return lib::verify_signature(sig_r, sig_s, pub_key_x, pub_key_y, msg); });
}

Outcome<std::string> private_key_from_seed(std::string_view seed) noexcept {
  return api::guarded<std::string>("Couldn't derive private key from seed",
                                   [&] { return lib::private_key_from_seed(seed); });
}

Outcome<bool> is_on_curve(std::string_view x, std::string_view y) noexcept {
  return api::guarded<bool>("Couldn't get verify xy is on curve", [&] { return lib::is_on_curve(x, y); });
}

Outcome<std::string> public_key_to_xy(std::string_view public_key) noexcept {
  return api::guarded<std::string>("Couldn't convert public key to xy",
                                   [&] { return key_pair_json(lib::pub_key_to_xy(public_key)); });
}

Outcome<std::string> private_key_to_public_key_xy(std::string_view private_key) noexcept {
  return api::guarded<std::string>("Couldn't convert private key to public key xy",
                                   [&] { return key_pair_json(lib::private_key_to_pubkey_xy(private_key)); });
}

}  // namespace korvo::sdk
