#pragma once
// Whether the public functions write their failure reports to standard
// error. On unless the user turns it off; any thread may switch it.

namespace korvo::module {

bool failure_reports_on() noexcept;
// Returns the previous setting.
bool set_failure_reports(bool on) noexcept;

}  // namespace korvo::module
