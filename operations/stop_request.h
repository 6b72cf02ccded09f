#pragma once

// A request to stop the running chip operation, set from a signal handler (SIGINT,
// SIGTERM) or from another part of the program. The operation frame looks at it once per
// address and, when it is set, leaves the loop and puts the control nibble to CTRL_IDLE,
// so the programming voltage never stays on when the program is told to end.

// Async-signal-safe: only stores to a lock-free atomic flag.
void RequestOperationStop();
bool IsOperationStopRequested();
void ClearOperationStopRequest();
