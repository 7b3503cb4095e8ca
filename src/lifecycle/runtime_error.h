#pragma once

#include <cstdint>
#include <string>

// The fatal error box text: lines end in CR LF; the code line only for a non-zero code,
// the message line only for a non-empty message.
std::string RuntimeErrorText(const char* message, std::int32_t code);

// The single fatal path: one error box, then the process ends with status -1 without
// running the exit routines.
[[noreturn]] void ReportRuntimeError(const char* message, std::int32_t code);
