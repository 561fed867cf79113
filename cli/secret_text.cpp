#include "secret_text.h"

#include <unistd.h>

#include <cerrno>

#include "command_line.h"
#include "support/secret.h"

namespace korvo::cli {

namespace {

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

SecretText::SecretText(std::size_t capacity) : capacity_(capacity) { text_.reserve(capacity); }

SecretText::~SecretText() { wipe(text_.data(), text_.capacity()); }

bool SecretText::read_all(int fd) {
  for (;;) {
    const std::size_t used = text_.size();
    if (used == capacity_) {
      char probe = 0;
      const ssize_t extra = ::read(fd, &probe, 1);
      wipe(probe);
      if (extra == 0) return true;
      if (extra < 0 && errno == EINTR) continue;
      if (extra < 0) return false;
      throw UsageError("a secret input longer than " + std::to_string(capacity_) + " bytes");
    }
    // Sized within the reserved capacity, so the buffer never moves.
    text_.resize(capacity_);
    const ssize_t got = ::read(fd, text_.data() + used, capacity_ - used);
    text_.resize(used + (got > 0 ? static_cast<std::size_t>(got) : 0));
    if (got == 0) return true;
    if (got < 0 && errno != EINTR) return false;
  }
}

void SecretText::assign(std::string_view text) {
  if (text.size() > capacity_) {
    throw UsageError("a secret input longer than " + std::to_string(capacity_) + " bytes");
  }
  text_.assign(text);
  begin_ = 0;
}

void SecretText::trim() {
  while (!text_.empty() && is_space(text_.back())) text_.pop_back();
  while (begin_ < text_.size() && is_space(text_[begin_])) ++begin_;
}

void SecretText::drop_line_ending() {
  if (!text_.ends_with('\n')) return;
  text_.pop_back();
  if (text_.ends_with('\r')) text_.pop_back();
}

}  // namespace korvo::cli
