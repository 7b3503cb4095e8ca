#pragma once

#include <windows.h>

#include <cstdint>

// Offers the message to the objects of its target and the target's parents, then
// translates and dispatches it unless one of them claimed it.
void ProcessMessage(MSG& message);

// Handles every message already waiting; a quit request stays queued for the loop.
void ProcessWaitingMessages();

// Runs until the quit request and returns the code it carries (0 when no window was alive).
std::int32_t RunEventLoop();
