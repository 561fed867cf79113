#include "failure_reports.h"

#include <atomic>

namespace korvo::module {

namespace {

std::atomic<bool> g_reports_on{true};

}  // namespace

bool failure_reports_on() noexcept { return g_reports_on.load(std::memory_order_relaxed); }

bool set_failure_reports(bool on) noexcept { return g_reports_on.exchange(on, std::memory_order_relaxed); }

}  // namespace korvo::module
