#include <gtest/gtest.h>

#include <string>

#include "hash/hash2.h"
#include "hash/poseidon_hasher.h"
#include "read_helpers.h"
#include "support/failure.h"
#include "transaction/message_hash.h"

namespace korvo::transaction {
namespace {

using encoding::U256;
using testing::read_ok;
using testing::replaced;

U256 word(std::string_view hex) { return U256::from_str(hex).value(); }

U256 with_bit_255(const U256& value) {
  U256::Limbs limbs = value.limbs();
  limbs[3] |= std::uint64_t{1} << 63;
  return U256(limbs);
}

constexpr std::uint64_t kMax64 = ~std::uint64_t{0};
constexpr std::uint64_t kMax32 = 0xffffffff;

const std::string kWithdraw =
    R"({"position_id":"3","amount":"4","eth_address":"0x5","asset_id":"0x6","nonce":"1","public_key":"0x1",)"
    R"("expiration_timestamp":"2"})";
const std::string kTransfer =
    R"({"sender_position_id":"3","receiver_public_key":"0x9","receiver_position_id":"4","amount":"5",)"
    R"("asset_id":"0x6","nonce":"1","public_key":"0x1","expiration_timestamp":"2"})";
const std::string kOrder =
    R"({"amount_synthetic":"10","amount_collateral":"20","amount_fee":"3","asset_id_synthetic":"0x11",)"
    R"("asset_id_collateral":"0x22","position_id":"7","is_buying_synthetic":true,"nonce":"1",)"
    R"("public_key":"0x1","expiration_timestamp":"2"})";

// Expected words below are packed by hand from the field values above.

TEST(WithdrawalHash, TagAndFirstWordFollowTheDestination) {
  auto withdrawal = read_ok<WithdrawRequest>(kWithdraw);
  // To another address: tag 7, asset id hashed with the address.
  const U256 to_other = word("0x000e000000000000000600000002000000000000000800000004000000000000");
  EXPECT_EQ(message_hash(withdrawal), hash::hash2(hash::hash2(U256::from_u64(6), U256::from_u64(5)), to_other));
  // To the order's own key: tag 6, bare asset id.
  withdrawal.eth_address = withdrawal.base.public_key;
  const U256 to_own = word("0x000c000000000000000600000002000000000000000800000004000000000000");
  EXPECT_EQ(message_hash(withdrawal), hash::hash2(U256::from_u64(6), to_own));
  EXPECT_EQ(withdrawal_hash(withdrawal, U256::from_u64(8)), hash::hash2(U256::from_u64(8), to_own));
}

TEST(WithdrawalHash, WideNonceCarriesIntoThePositionSlot) {
  auto wide = read_ok<WithdrawRequest>(kWithdraw);
  wide.base.nonce = kMax64;
  auto carried = wide;
  carried.base.nonce = kMax32;
  carried.position_id += kMax32;
  EXPECT_EQ(message_hash(wide), message_hash(carried));
}

TEST(TransferHash, ConditionIsAbsorbedAndSwitchesTheTag) {
  hash::zkw::Poseidon hasher;
  hasher.update_single(U256::from_u64(6));
  hasher.update_single(std::uint64_t{13});
  hasher.update_single(std::uint64_t{9});
  hasher.update_single(word("0000000000000000000000030000000000000004000000000000000c00000001"));
  hasher.update_single(word("000a000000000000000a000000000000001c0000000400000000000000000000"));
  EXPECT_EQ(transfer_hash_internal(read_ok<Transfer>(kTransfer), 12, 13, 14, 9), hasher.finalize());
}

TEST(TransferHash, KeysAreNotHashedAndWideNonceCarries) {
  const auto transfer = read_ok<Transfer>(kTransfer);
  auto other = transfer;
  other.receiver_public_key = U256::from_u64(0xabc);
  other.base.public_key = U256::from_u64(0xdef);
  EXPECT_EQ(message_hash(transfer), message_hash(other));

  auto wide = transfer;
  wide.base.nonce = kMax64;
  auto carried = transfer;
  carried.base.nonce = kMax32;
  EXPECT_EQ(transfer_hash_internal(wide, 3, 0, 0, 0), transfer_hash_internal(carried, 3 + kMax32, 0, 0, 0));
}

TEST(LimitOrderHash, BuyingFlagExchangesSoldAndBought) {
  const auto order = read_ok<LimitOrderRequest>(kOrder);
  auto flipped = order;
  flipped.is_buying_synthetic = false;
  EXPECT_NE(message_hash(order), message_hash(flipped));
  // With equal asset ids, flipping and exchanging the amounts restores the hash.
  auto same_assets = order;
  same_assets.asset_id_synthetic = 0x22;
  auto mirrored = same_assets;
  mirrored.is_buying_synthetic = false;
  std::swap(mirrored.amount_synthetic, mirrored.amount_collateral);
  EXPECT_EQ(message_hash(same_assets), message_hash(mirrored));
}

TEST(LimitOrderHash, NonceWrapsWithinTheLowestLimb) {
  auto wrapping = read_ok<LimitOrderRequest>(kOrder);
  wrapping.amount_fee = 1;
  wrapping.base.nonce = kMax64;  // 2^32 + 2^64 - 1 wraps to 2^32 - 1
  auto wrapped = wrapping;
  wrapped.amount_fee = 0;
  wrapped.base.nonce = kMax32;
  EXPECT_EQ(message_hash(wrapping), message_hash(wrapped));
}

TEST(LimitOrderHash, NegativeSyntheticAssetIsAnInternalFailure) {
  auto order = read_ok<LimitOrderRequest>(replaced(kOrder, R"("0x11")", R"("-1")"));
  try {
    (void)message_hash(order);
    ADD_FAILURE() << "negative asset id hashed";
  } catch (const InternalFailure& failure) {
    EXPECT_STREQ(failure.what(), "Unsigned integer can't be created from negative value");
  }
}

TEST(LiquidationHash, IsTheHashOfTheLiquidatorOrder) {
  const std::string text = R"({"liquidator_order":)" + kOrder +
                           R"(,"liquidated_position_id":"8","actual_collateral":"9","actual_synthetic":"10",)"
                           R"("actual_liquidator_fee":"11"})";
  auto liquidation = read_ok<Liquidate>(text);
  const U256 order_hash = message_hash(read_ok<LimitOrderRequest>(kOrder));
  EXPECT_EQ(message_hash(liquidation), order_hash);
  liquidation.actual_collateral = 12345;
  liquidation.liquidated_position_id = 0;
  EXPECT_EQ(message_hash(liquidation), order_hash);
}

TEST(OraclePriceHash, PriceAndTimestampShareOneWord) {
  auto price = read_ok<SignedOraclePrice>(
      R"({"signer_key":"0x1","external_price":"5","timestamp":"6","signed_asset_id":"0x7"})");
  const U256 expected = hash::hash2(U256::from_u64(7), word("0x500000006"));
  EXPECT_EQ(message_hash(price), expected);
  price.signer_key = U256::from_u64(2);
  EXPECT_EQ(message_hash(price), expected);
}

TEST(MessageHashes, AssetIdBit255IsIgnored) {
  auto withdrawal = read_ok<WithdrawRequest>(kWithdraw);
  withdrawal.eth_address = withdrawal.base.public_key;  // the bare asset id is absorbed
  auto high_withdrawal = withdrawal;
  high_withdrawal.asset_id = with_bit_255(withdrawal.asset_id);
  EXPECT_EQ(message_hash(withdrawal), message_hash(high_withdrawal));

  const auto transfer = read_ok<Transfer>(kTransfer);
  auto high_transfer = transfer;
  high_transfer.asset_id = with_bit_255(transfer.asset_id);
  EXPECT_EQ(message_hash(transfer), message_hash(high_transfer));

  const auto order = read_ok<LimitOrderRequest>(kOrder);
  auto high_order = order;
  high_order.asset_id_collateral = with_bit_255(order.asset_id_collateral);
  EXPECT_EQ(message_hash(order), message_hash(high_order));
}

}  // namespace
}  // namespace korvo::transaction
