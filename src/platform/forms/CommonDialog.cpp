#include "platform/forms/CommonDialog.h"

#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

namespace decalia::forms {

CommonDialog::CommonDialog(const ControlSite& site) : Control(site, ControlKind::CommonDialog) {
    visible_ = false;
}

std::string CommonDialog::FileTitle() const {
    const std::size_t slash = fileName_.find_last_of("\\/");
    return slash == std::string::npos ? fileName_ : fileName_.substr(slash + 1);
}

bool CommonDialog::ShowOpen() {
    win::OpenFileRequest request{Parent().hWnd(), DialogTitle, Filter, InitDir};
    auto chosen = GetRuntime().Windows().GetOpenFileNameA(request);
    fileName_ = chosen.value_or("");
    return chosen.has_value();
}

}  // namespace decalia::forms
