#pragma once

// Raw image files: file byte k is image byte k, no header, at most 65,536 bytes. The open
// and the save report through the host's message box, beep and wait cursor, and leave their
// results in the form's fields through its setters (pForm null when the form cannot be
// found: the routine then goes on without them). Paths are byte strings, as Linux takes
// them; every text that names a path is formatted without a length limit.

#include <string>

#include "operations/operation_host.h"

enum class ImageOpenResult {
    Loaded,
    // Nothing to load: the caller hands the empty name on to its own document handling.
    PathEmpty,
    // The user has been told why; g_strImagePath and the image are as they were.
    Failed,
};

// Loads the file into the image: g_dwLastOffset becomes the byte count minus one (0 for an
// empty file), g_strImagePath the path. Refuses files longer than 65,536 bytes, paths that
// cannot be opened or read (a directory among them) and a buffer that cannot be locked.
ImageOpenResult LoadImageFile(const std::string& strPath, OperationHost& host,
                              FormTextSetters* pForm);

// Writes image bytes 0 to g_dwLastOffset to the file, created or truncated. True only when
// every byte reached the file and the file was closed without error.
bool SaveImageFile(const std::string& strPath, OperationHost& host, FormTextSetters* pForm);
