#include "app/Lifecycle.h"

namespace Lifecycle {
namespace {
std::vector<std::string>& Steps() {
  static std::vector<std::string> steps;
  return steps;
}
}  // namespace

void Record(std::string step) { Steps().push_back(std::move(step)); }
const std::vector<std::string>& Trace() { return Steps(); }
void ClearTrace() { Steps().clear(); }

}  // namespace Lifecycle
