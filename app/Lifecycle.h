#pragma once

#include <string>
#include <vector>

// The program's start-up and shut-down steps as they happen, so that their order can be
// read back (by the tests; nothing in the program depends on it).
namespace Lifecycle {

void Record(std::string step);
const std::vector<std::string>& Trace();
void ClearTrace();

}  // namespace Lifecycle
