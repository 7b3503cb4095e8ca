#pragma once

#include <cstddef>

struct UnitKind;

enum class LibraryNotice { ProgramStarts, ProgramEnds };

// A support library provides unit kinds; the engine tells it when the program starts
// (it registers its kinds then) and when it ends.
struct SupportLibrary {
  const char* name;
  void (*notify)(LibraryNotice notice);
};
