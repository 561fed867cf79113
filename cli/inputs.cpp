#include "inputs.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

namespace korvo::cli {

namespace {

constexpr const char* kKeyVariable = "KORVO_PRIVATE_KEY";

// File names are not repeated in messages: a key typed where a file name
// belongs would otherwise be printed.
[[noreturn]] void unreadable(std::string_view what, int error) {
  throw UsageError("cannot read " + std::string(what) + ": " + std::strerror(error));
}

}  // namespace

std::string read_request(std::string_view path) {
  if (path.empty() || path == "-") {
    std::string text(std::istreambuf_iterator<char>(std::cin), {});
    if (std::cin.bad()) unreadable("the request from standard input", EIO);
    return text;
  }
  std::ifstream file{std::string(path), std::ios::binary};
  if (!file) unreadable("the request file", errno);
  std::string text(std::istreambuf_iterator<char>(file), {});
  if (file.bad()) unreadable("the request file", EIO);
  return text;
}

void read_private_key(const CommandLine& line, SecretText& key) {
  const std::string_view path = line.optional("--key-file");
  if (!path.empty()) {
    const int fd = ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) unreadable("the key file", errno);
    const bool read = key.read_all(fd);
    const int error = errno;
    ::close(fd);
    if (!read) unreadable("the key file", error);
  } else if (const char* text = std::getenv(kKeyVariable); text != nullptr) {
    key.assign(text);
  } else {
    throw UsageError("no private key: give --key-file FILE or set KORVO_PRIVATE_KEY");
  }
  key.trim();
}

void read_seed(SecretText& seed) {
  if (!seed.read_all(STDIN_FILENO)) unreadable("the seed from standard input", errno);
  seed.drop_line_ending();
}

}  // namespace korvo::cli
