#pragma once

// Program: image bytes 0 to g_dwLastOffset into the chip at the same addresses, each
// verified by the read that ends its program pulse and pulsed again until it verifies.
// The run tolerates 24 failed verifications in all; the 25th stops it. The form's OnWrite
// forwards here.

#include "operations/operation_frame.h"

OperationOutcome ProgramEprom(OperationHost& host);
