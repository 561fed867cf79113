#include "inputs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace korvo::cli {

namespace {

constexpr const char* kKeyVariable = "KORVO_PRIVATE_KEY";

// Fewer digits than this make no key worth keeping secret.
constexpr std::size_t kKeyLikeDigits = 16;

bool is_hex_digit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// A name made of hexadecimal digits alone, "0x" in front or not, may be a key
// typed in the wrong place.
bool looks_like_key(std::string_view name) {
  while (name.starts_with("0x") || name.starts_with("0X")) name.remove_prefix(2);
  return name.size() >= kKeyLikeDigits && std::all_of(name.begin(), name.end(), is_hex_digit);
}

// "the request file 'orders/1.json'": failures name the file they concern,
// unless the name could be a key.
std::string file_label(std::string_view what, std::string_view path) {
  std::string label = "the " + std::string(what) + " file ";
  if (looks_like_key(path)) return label + "(its name is withheld: it looks like a private key)";
  return label + "'" + std::string(path) + "'";
}

[[noreturn]] void unreadable(std::string_view what, int error) {
  throw UsageError("cannot read " + std::string(what) + ": " + std::strerror(error));
}

bool from_standard_input(std::string_view path) { return path.empty() || path == "-"; }

// Hands what FILE (or standard input) holds to `take` as it arrives, so that
// a request line is answered before the next one is written.
template <class Take>
void read_requests(std::string_view path, Take take) {
  const bool standard_input = from_standard_input(path);
  const std::string label = standard_input ? "the requests from standard input" : file_label("request", path);
  const int fd = standard_input ? STDIN_FILENO : ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) unreadable(label, errno);
  char chunk[64 * 1024];
  int error = 0;
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error = errno;
    if (got <= 0) break;
    take(std::string_view(chunk, static_cast<std::size_t>(got)));
  }
  if (!standard_input) ::close(fd);
  if (error != 0) unreadable(label, error);
}

// A key file that others may read is refused, as ssh refuses identity files;
// only a regular file is checked (a pipe or terminal keeps nothing).
void refuse_shared_key_file(int fd, std::string_view path) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) unreadable(file_label("key", path), errno);
  const mode_t shared = status.st_mode & (S_IRWXG | S_IRWXO);
  if (!S_ISREG(status.st_mode) || shared == 0) return;
  char mode[8];
  std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(status.st_mode & 07777));
  throw UsageError(file_label("key", path) + " is open to group or others (mode " + mode +
                   "): a private key must be readable by its owner alone; run chmod 600 on it");
}

}  // namespace

std::string read_request(std::string_view path) {
  std::string text;
  read_requests(path, [&](std::string_view chunk) {
    text += chunk;
  });
  return text;
}

void for_each_request_line(std::string_view path, const std::function<void(std::size_t, std::string_view)>& each) {
  std::size_t number = 0;
  std::string pending;
  read_requests(path, [&](std::string_view chunk) {
    std::size_t begin = 0;
    for (std::size_t end; (end = chunk.find('\n', begin)) != std::string_view::npos; begin = end + 1) {
      if (pending.empty()) {
        each(++number, chunk.substr(begin, end - begin));
      } else {
        pending.append(chunk.substr(begin, end - begin));
        each(++number, pending);
        pending.clear();
      }
    }
    pending.append(chunk.substr(begin));
  });
  if (!pending.empty()) each(++number, pending);
}

void read_private_key(const CommandLine& line, SecretText& key) {
  const std::string_view path = line.optional("--key-file");
  if (!path.empty()) {
    const int fd = ::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) unreadable(file_label("key", path), errno);
    try {
      refuse_shared_key_file(fd, path);
    } catch (...) {
      ::close(fd);
      throw;
    }
    const bool read = key.read_all(fd);
    const int error = errno;
    ::close(fd);
    if (!read) unreadable(file_label("key", path), error);
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
