#include "evaluation/evaluation.h"

namespace Velkor::OrvReference {

bool Evaluation::Fail(std::string message) {
  if (message_.empty()) message_ = std::move(message);
  return false;
}

}  // namespace Velkor::OrvReference
