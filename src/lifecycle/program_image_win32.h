#pragma once

#include "lifecycle/program_header.h"

// What the program image hands the engine at start: its handlers, constants, description
// and support library.
const ProgramHeader& ThisProgramHeader();
