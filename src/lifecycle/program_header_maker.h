#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "lifecycle/program_header.h"

// This program's header (build kind 3, identifier seed, constant block) around the given
// handlers, description block and support library.
ProgramHeader MakeProgramHeader(std::span<const HandlerEntry> handlerBase,
                                const std::vector<std::uint8_t>& descriptionBlock, const SupportLibrary& library);
