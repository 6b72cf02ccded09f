#pragma once

// Compare (bCompare TRUE): the chip against image bytes 0 to g_dwLastOffset. Blank check
// (FALSE): every address of the device selected by g_wType against 0xFF. Both stop at the
// first difference. The form's OnCompare, OnEmpty and CompareEprom forward here.

#include "operations/operation_frame.h"

OperationOutcome CompareEprom(OperationHost& host, BOOL bCompare);
