#include "image/morvex_doc.h"

#include "framework/form_view.h"
#include "image/image_file.h"

bool CMorvexDoc::OnSaveDocument(const std::string& strPathName) {
    return SaveImageFile(strPathName);
}

bool CMorvexDoc::SaveImageFile(const std::string& strPathName) {
    CFormView* pView = GetFirstView();
    auto* pHost = dynamic_cast<OperationHost*>(pView);
    if (pHost == nullptr) {
        return false;
    }
    return ::SaveImageFile(strPathName, *pHost, dynamic_cast<FormTextSetters*>(pView));
}
