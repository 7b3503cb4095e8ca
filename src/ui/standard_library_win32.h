#pragma once

#include "lifecycle/support_library.h"

// The support library that provides the kinds 窗口, 标签 and 时钟 on the window system.
extern const SupportLibrary kStandardLibrary;
