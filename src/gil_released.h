#pragma once
// Lets other Python threads run while the SDK computes; the lock is taken
// back on every way out, unwinding included.

#include "python.h"

namespace korvo::module {

class GilReleased {
 public:
  GilReleased() : state_(PyEval_SaveThread()) {}
  ~GilReleased() { PyEval_RestoreThread(state_); }
  GilReleased(const GilReleased&) = delete;
  GilReleased& operator=(const GilReleased&) = delete;

 private:
  PyThreadState* state_;
};

}  // namespace korvo::module
