#pragma once

// The program's document. It holds no data: the image lives in the shared image buffer.
// Saving it writes the image to a raw file; its load step reads nothing, because the
// application's open step has already loaded the file into the buffer.

#include <string>

#include "framework/document.h"

class CMorvexDoc : public CDocument {
  public:
    bool OnSaveDocument(const std::string& strPathName) override;
    // Writes image bytes 0 to g_dwLastOffset to strPathName and reports into the form's
    // fields; false when anything failed (the user has been told what).
    bool SaveImageFile(const std::string& strPathName);
};
