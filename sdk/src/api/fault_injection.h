#pragma once
// Test builds only (KORVO_FAULT_INJECTION): the seam through which the
// module's tests spoil fresh signatures, to see the self-check stop them.

#if defined(KORVO_FAULT_INJECTION)
namespace korvo::sdk::testing {

// While on, every fresh signature gets a wrong S before its self-check.
void corrupt_signatures(bool on);

}  // namespace korvo::sdk::testing
#endif
