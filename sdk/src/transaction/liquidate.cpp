#include "transaction/liquidate.h"

#include "encoding/field_encodings.h"
#include "transaction/field_readers.h"
#include "transaction/read_record.h"

namespace korvo::transaction {

using namespace encoding;

namespace {

constexpr FieldSpec<Liquidate> kFields[] = {
    {"liquidator_order", read_nested<&Liquidate::liquidator_order>},
    {"liquidated_position_id", read_encoded<U64SerdeAsString, &Liquidate::liquidated_position_id>},
    {"actual_collateral", read_encoded<U64SerdeAsString, &Liquidate::actual_collateral>},
    {"actual_synthetic", read_encoded<U64SerdeAsString, &Liquidate::actual_synthetic>},
    {"actual_liquidator_fee", read_encoded<U64SerdeAsString, &Liquidate::actual_liquidator_fee>},
};

constexpr RecordSchema<Liquidate> kSchema{"Liquidate", kFields};

}  // namespace

const RecordSchema<Liquidate>& Liquidate::json_schema() { return kSchema; }

Result<Liquidate> Liquidate::from_json(std::string_view text) { return read_record<Liquidate>(text); }

U256 message_hash(const Liquidate& liquidation) { return message_hash(liquidation.liquidator_order); }

}  // namespace korvo::transaction
