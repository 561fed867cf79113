#pragma once
// Where the tool's inputs come from: a request from a file or standard input,
// a private key from a key file or the environment (never from an argument),
// a seed from standard input.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "command_line.h"
#include "secret_text.h"

namespace korvo::cli {

// The request text of FILE, or of standard input when `path` is empty or "-".
std::string read_request(std::string_view path);

// Calls `each` with every line (without its line ending) of FILE, or of
// standard input, and its number from 1.
void for_each_request_line(std::string_view path, const std::function<void(std::size_t, std::string_view)>& each);

// The key of --key-file, else of KORVO_PRIVATE_KEY, without surrounding white
// space. A key file that group or others may open is refused.
void read_private_key(const CommandLine& line, SecretText& key);

// Standard input, less one final line ending (which `echo` adds).
void read_seed(SecretText& seed);

}  // namespace korvo::cli
