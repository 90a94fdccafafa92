// The two document types the program registers at start-up: plain text, and
// one whose every field is empty. Nothing reads them afterwards; shut-down
// releases them, which deregisters them.
#pragma once

#include "framework/file_type.h"
#include "framework/object.h"

namespace FileTypes {

extern fw::Ref<fw::FileType> pText;
extern fw::Ref<fw::FileType> pUntitledType;

// Creates, fills and registers both types.
void Initialize();

// Shut-down's releases, text type first.
void pTextExit();
void pUntitledTypeExit();

}  // namespace FileTypes
