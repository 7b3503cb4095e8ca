// Checks FormatUptime for every 32-bit count against plain 64-bit integer arithmetic and
// prints how long that took. Built optimised and without sanitizers (scripts/test --long
// runs it), since under the sanitizers the 2^32 calls would take hours.
// Usage: long_check [THREADS]   (default 2)
#include <time.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

#include "lifecycle/window_engine.h"
#include "uptime/block.h"
#include "uptime/constant_block.h"
#include "uptime/uptime_text.h"

namespace {

char* PutDecimal(char* out, std::int64_t value) {
  if (value < 0) *out++ = '-';
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  char digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count > 0) *out++ = digits[--count];
  return out;
}

char* PutUnit(char* out, const char* unit) {
  std::memcpy(out, unit, 2);  // one GBK character
  return out + 2;
}

// The expected text, from 64-bit integer division (quotients truncated toward zero,
// remainders with the dividend's sign), into a stack buffer.
void ExpectedText(std::int64_t count, char* out) {
  const std::int64_t s = count / 1000;
  out = PutUnit(PutDecimal(out, s / 86400), "天");
  out = PutUnit(PutDecimal(out, s % 86400 / 3600), "时");
  out = PutUnit(PutDecimal(out, s % 3600 / 60), "分");
  out = PutUnit(PutDecimal(out, s % 3600 % 60), "秒");
  *out = '\0';
}

// <chrono> cannot be compiled with GBK as the execution character set (it spells "µs").
double SecondsNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Outcome {
  std::uint64_t mismatches = 0;
  std::int64_t firstMismatch = 0;
};

Outcome CheckCounts(std::int64_t first, std::int64_t last) {
  Outcome outcome;
  char expected[64];
  for (std::int64_t count = first; count <= last; ++count) {
    ExpectedText(count, expected);
    char* text = FormatUptime(count);
    if (std::strcmp(text, expected) != 0 && outcome.mismatches++ == 0) outcome.firstMismatch = count;
    FreeBlock(text);
  }
  return outcome;
}

}  // namespace

int main(int argc, char** argv) {
  const int threads = argc > 1 ? std::atoi(argv[1]) : 2;
  if (threads < 1) {
    std::fputs("usage: long_check [THREADS]\n", stderr);
    return 2;
  }
  Engine().constantBlock = {reinterpret_cast<const unsigned char*>(&kConstantBlock), kConstantBlockSize};

  constexpr std::int64_t kFirst = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kCounts = std::int64_t{1} << 32;
  const double started = SecondsNow();
  std::vector<Outcome> outcomes(static_cast<std::size_t>(threads));
  std::vector<std::thread> workers;
  for (int i = 0; i < threads; ++i) {
    const std::int64_t first = kFirst + kCounts * i / threads;
    const std::int64_t last = kFirst + kCounts * (i + 1) / threads - 1;
    workers.emplace_back([&outcomes, i, first, last] { outcomes[static_cast<std::size_t>(i)] = CheckCounts(first, last); });
  }
  for (std::thread& worker : workers) worker.join();
  const double took = SecondsNow() - started;

  std::uint64_t mismatches = 0;
  for (const Outcome& outcome : outcomes) {
    if (outcome.mismatches == 0) continue;
    char expected[64];
    ExpectedText(outcome.firstMismatch, expected);
    char* text = FormatUptime(outcome.firstMismatch);
    std::fprintf(stderr, "count %lld: FormatUptime gives \"%s\", expected \"%s\"\n",
                 static_cast<long long>(outcome.firstMismatch), text, expected);
    FreeBlock(text);
    mismatches += outcome.mismatches;
  }
  std::printf("FormatUptime over all %lld 32-bit counts: %llu mismatches; %.1f s on %d threads\n",
              static_cast<long long>(kCounts), static_cast<unsigned long long>(mismatches), took, threads);
  return mismatches == 0 ? 0 : 1;
}
