// One libFuzzer target: UPTIME_FUZZ_TARGET names the check it runs on every input.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "invariants.h"

namespace {

BlockCheck ThisTarget() {
  for (const FuzzTarget& target : FuzzTargets()) {
    if (std::string_view(target.name) == UPTIME_FUZZ_TARGET) return target.check;
  }
  std::fputs("no check is named " UPTIME_FUZZ_TARGET "\n", stderr);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const BlockCheck check = ThisTarget();
  const std::string fault = check(data, size);
  if (!fault.empty()) {
    std::fprintf(stderr, "broken invariant: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
