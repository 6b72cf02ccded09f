#pragma once

// The hourglass for the length of a chip operation or a file's byte loop: the whole
// application shows it, as the operation keeps the user-interface thread to itself.

void BeginWaitCursor();
void EndWaitCursor();
