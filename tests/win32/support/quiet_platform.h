#pragma once

#include <cstdio>

#include "platform/win32_platform.h"

// The real platform, except that a fatal error text goes to standard error instead of a
// box that would wait for a user: engine tests run unattended.
class QuietPlatform final : public Win32Platform {
 public:
  void ShowErrorBox(const char* text) override {
    std::fputs(text, stderr);
    std::fflush(stderr);
  }
};
