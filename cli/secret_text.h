#pragma once
// Text that holds a secret (a private key, a seed): read straight into one
// buffer that never grows, and wiped when it goes.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvo::cli {

class SecretText {
 public:
  explicit SecretText(std::size_t capacity);
  ~SecretText();
  SecretText(const SecretText&) = delete;
  SecretText& operator=(const SecretText&) = delete;

  // Appends what `fd` holds up to its end; false (and errno set) on a read
  // error, UsageError when it would pass the capacity.
  bool read_all(int fd);
  void assign(std::string_view text);
  // Drops ASCII white space at both ends.
  void trim();
  // Drops one line ending ("\n" or "\r\n") at the end.
  void drop_line_ending();

  std::string_view view() const { return std::string_view(text_).substr(begin_); }

 private:
  std::string text_;
  std::size_t begin_ = 0;
  std::size_t capacity_;
};

}  // namespace korvo::cli
