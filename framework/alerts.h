// Alerts: the modal message box with one OK button, and the desktop's bell.
#pragma once

#include <string>

namespace fw {

// Application-modal message box with one OK button; returns when dismissed.
void MsgBox(const std::string& message);

// The desktop's bell; returns at once.
void Beep();

}  // namespace fw
