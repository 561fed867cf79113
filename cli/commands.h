#pragma once
// The tool's commands. Each takes the words after its own name and returns
// the exit status; UsageError leaves them for bad usage.

#include <span>

#include "output.h"

namespace korvo::cli {

using Args = std::span<char* const>;

int run_hash(Args args, const Output& out);
int run_sign(Args args, const Output& out);
int run_verify(Args args, const Output& out);
int run_key(Args args, const Output& out);

}  // namespace korvo::cli
