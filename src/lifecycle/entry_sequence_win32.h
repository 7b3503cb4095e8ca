#pragma once

// The program's own start: starts the engine, loads the start-up window and runs the event
// loop until the window is gone. Returns 0; the exit status is the quit request's code.
int RunEntrySequence();
