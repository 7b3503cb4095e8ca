#pragma once

#include "lifecycle/program_header.h"

// Takes the process heap, keeps the header's build kind, identifier seed and constant
// block, makes the hidden owner, tells each support library that the program starts (it
// registers its kinds then) and registers the description with every handler reference
// resolved. A description that cannot be read is fatal.
void StartEngine(const ProgramHeader& header);
