// The dialogs, message boxes and progress reports the window talks through, gathered for the
// window's owner; tests pass their own.
#pragma once

#include "app/file_dialogs.h"
#include "app/message_boxes.h"
#include "app/progress_dialog.h"
#include "app/text_prompt.h"

namespace quorvane::app {

struct WindowSeams {
    FileDialogs* fileDialogs = nullptr;
    MessageBoxes* messageBoxes = nullptr;
    TextPrompt* textPrompt = nullptr;
    ProgressDialogs* progressDialogs = nullptr;
};

} // namespace quorvane::app
