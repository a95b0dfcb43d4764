#pragma once
// Internal to the platform's dialogs: the installed handler's answer to a
// request, or nothing when no handler is installed.
#include <optional>

#include "platform/dialogs/dialog_service.h"

namespace platform {

std::optional<DialogReply> AskDialogHandler(const DialogRequest& request);

}  // namespace platform
