#pragma once

// Read: the whole device selected by g_wType into the image, with a blank test and a
// 16-bit checksum. The form's OnRead forwards here.

#include "operations/operation_frame.h"

OperationOutcome ReadEprom(OperationHost& host);
