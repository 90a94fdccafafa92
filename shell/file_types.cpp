#include "shell/file_types.h"

#include <memory>
#include <string>

namespace FileTypes {

fw::Ref<fw::FileType> pText;
fw::Ref<fw::FileType> pUntitledType;

namespace {

void Fill(fw::Ref<fw::FileType>& type, const std::string& name, const std::string& extensions,
          const std::string& macType, const std::string& macCreator) {
  fw::NotNil(type)->SetName(name);
  fw::NotNil(type)->SetExtensions(extensions);
  fw::NotNil(type)->SetMacType(macType);
  fw::NotNil(type)->SetMacCreator(macCreator);
  // Converting a type to text is what registers it.
  (void)fw::NotNil(type)->ToString();
}

}  // namespace

void Initialize() {
  pText = std::make_shared<fw::FileType>();
  Fill(pText, "text", "", "TEXT", "R*ch");
  pUntitledType = std::make_shared<fw::FileType>();
  Fill(pUntitledType, "", "", "", "");
}

void pTextExit() {
  pText.reset();
}

void pUntitledTypeExit() {
  pUntitledType.reset();
}

}  // namespace FileTypes
