#pragma once
// The --help text of each command.

#include <string_view>

namespace korvo::cli {

extern const std::string_view kToolHelp;
extern const std::string_view kHashHelp;
extern const std::string_view kSignHelp;
extern const std::string_view kVerifyHelp;
extern const std::string_view kKeyHelp;
extern const std::string_view kFromSeedHelp;
extern const std::string_view kPublicKeyHelp;
extern const std::string_view kOnCurveHelp;

}  // namespace korvo::cli
