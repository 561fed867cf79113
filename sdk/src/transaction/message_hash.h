#pragma once
// Every request record with its message_hash overload.

#include "transaction/limit_order.h"
#include "transaction/liquidate.h"
#include "transaction/oracle_price.h"
#include "transaction/transfer.h"
#include "transaction/withdraw.h"
