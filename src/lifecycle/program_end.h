#pragma once

#include <cstdint>

using ExitRoutine = void (*)();

// Appends the routine unless it is already registered.
void RegisterExitRoutine(ExitRoutine routine);

// Blocks events for good, drops the windows, runs the exit routines once in registration
// order, tells the support libraries and releases the engine's native resources.
void ShutDownEngine();

[[noreturn]] void EndProgram(std::int32_t status);

// The last step of a destroyed window: once no window is alive and the event loop has
// been entered, the thread is asked to quit with code 0.
void ApplyQuitRule();
