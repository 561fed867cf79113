#include "tx/hmac_sha256.h"

#include "support/secret.h"

namespace korvo::tx {

HmacSha256::HmacSha256(std::span<const std::uint8_t, 32> key) {
  std::array<std::uint8_t, 64> pad{};
  for (std::size_t i = 0; i < key.size(); ++i) pad[i] = key[i] ^ 0x36;
  for (std::size_t i = key.size(); i < pad.size(); ++i) pad[i] = 0x36;
  inner_.update(pad);
  for (auto& b : pad) b ^= 0x36 ^ 0x5c;
  outer_.update(pad);
  wipe(pad);
}

HmacSha256::Tag HmacSha256::mac(std::initializer_list<std::span<const std::uint8_t>> parts) const {
  Sha256State inner = inner_;
  for (auto part : parts) inner.update(part);
  Tag inner_digest = inner.finish();
  Sha256State outer = outer_;
  outer.update(inner_digest);
  wipe(inner_digest);
  return outer.finish();
}

}  // namespace korvo::tx
