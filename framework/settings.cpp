// The designed-settings codec: the table of known settings, the list builder
// and the entry-by-entry decoder.
#include "framework/settings.h"

#include <limits>
#include <unordered_map>
#include <utility>

namespace fw {
namespace {

// A setting's type can't be read from the list itself, so every name that a
// window or control of this program is designed with stands here.
const std::unordered_map<std::string_view, SettingType>& KnownSettings() {
  using enum SettingType;
  static const std::unordered_map<std::string_view, SettingType> table{
      // Windows.
      {"Placement", Int32},
      {"Width", Int32},
      {"Height", Int32},
      {"MinWidth", Int32},
      {"MinHeight", Int32},
      {"MaxWidth", Int32},
      {"MaxHeight", Int32},
      {"Frame", Int32},
      {"Composite", Boolean},
      {"HasBackColor", Boolean},
      {"BackColor", Colour},
      {"Title", Text},
      {"Visible", Boolean},
      {"FullScreen", Boolean},
      {"MenuBarVisible", Boolean},
      {"CloseButton", Boolean},
      {"Resizeable", Boolean},
      {"LiveResize", Boolean},
      {"MaximizeButton", Boolean},
      {"MinimizeButton", Boolean},
      {"MacProcID", Int32},
      {"_mInitialControlsCreated", Boolean},
      {"Top", Int32},
      {"Left", Int32},
      // Every control.
      {"Name", Text},
      {"Index", Int32},
      {"LockLeft", Boolean},
      {"LockTop", Boolean},
      {"LockRight", Boolean},
      {"LockBottom", Boolean},
      {"TabPanelIndex", Int32},
      {"TabIndex", Int32},
      {"TabStop", Boolean},
      {"Enabled", Boolean},
      {"HelpTag", Text},
      {"AutoDeactivate", Boolean},
      {"InitialParent", Text},
      // Text-bearing controls.
      {"TextFont", Text},
      {"Bold", Boolean},
      {"Italic", Boolean},
      {"Underline", Boolean},
      {"TextColor", Colour},
      {"Text", Text},
      {"DataSource", Text},
      {"DataField", Text},
      // Text areas and fields.
      {"Border", Boolean},
      {"Multiline", Boolean},
      {"ScrollbarHorizontal", Boolean},
      {"ScrollbarVertical", Boolean},
      {"Styled", Boolean},
      {"UseFocusRing", Boolean},
      {"HideSelection", Boolean},
      {"Format", Text},
      {"Mask", Text},
      {"ReadOnly", Boolean},
      {"LimitText", Int32},
      {"AcceptTabs", Boolean},
      {"Alignment", Int32},
      {"Password", Boolean},
      {"CueText", Text},
      // Push buttons.
      {"Caption", Text},
      {"Default", Boolean},
      {"Cancel", Boolean},
      {"ButtonStyle", Int32},
      // Static texts.
      {"TextAlign", Int32},
      {"Selectable", Boolean},
      {"Transparent", Boolean},
      // Canvases.
      {"AcceptFocus", Boolean},
      {"DoubleBuffer", Boolean},
      {"EraseBackground", Boolean},
  };
  return table;
}

bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

const char* TypeName(SettingType type) {
  switch (type) {
    case SettingType::Int32:
      return "Int32";
    case SettingType::Boolean:
      return "Boolean";
    case SettingType::Colour:
      return "Colour";
    case SettingType::Text:
      break;
  }
  return "Text";
}

void AppendBigEndian(std::string& bytes, std::uint32_t value) {
  bytes += static_cast<char>(value >> 24);
  bytes += static_cast<char>(value >> 16);
  bytes += static_cast<char>(value >> 8);
  bytes += static_cast<char>(value);
}

// Walks one list. Every read is checked against what is left, so a list cut
// short anywhere ends in an error and never in a read past its end.
class Decoder {
 public:
  Decoder(PropertyTarget& target, std::string_view list) : target_(target), list_(list) {}

  void Run() {
    while (at_ < list_.size()) {
      ++entry_;
      name_.clear();
      ReadName();
      SettingType type;
      if (!SettingTypeOf(name_, type)) Fail("no setting has this name, so its type is unknown");
      target_.SetProperty(name_, ReadValue(type));
    }
  }

 private:
  void ReadName() {
    const std::size_t begin = at_;
    while (at_ < list_.size() && list_[at_] != ' ') {
      if (!IsNameCharacter(list_[at_])) {
        Fail("its name holds a byte that no setting name has (at byte " + std::to_string(at_) +
             ")");
      }
      ++at_;
    }
    if (at_ == list_.size()) Fail("the list ends inside its name, before the space");
    if (at_ == begin) Fail("its name is empty");
    name_ = std::string(list_.substr(begin, at_ - begin));
    ++at_;  // the space
  }

  SettingValue ReadValue(SettingType type) {
    switch (type) {
      case SettingType::Int32:
        return static_cast<std::int32_t>(ReadUInt32("Int32 value"));
      case SettingType::Boolean: {
        const unsigned char byte = Take(1, "Boolean value")[0];
        if (byte > 1) Fail("a Boolean must be 0 or 1, not " + std::to_string(byte));
        return byte == 1;
      }
      case SettingType::Colour: {
        const std::string_view rgb = Take(3, "colour value");
        return Color{static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                     static_cast<std::uint8_t>(rgb[2])};
      }
      case SettingType::Text:
        break;
    }
    const std::uint32_t count = ReadUInt32("text's byte count");
    if (count > list_.size() - at_) {
      Fail("its text of " + std::to_string(count) + " bytes runs past the end of the list (" +
           std::to_string(list_.size() - at_) + " bytes left)");
    }
    return std::string(Take(count, "text"));
  }

  std::uint32_t ReadUInt32(const char* what) {
    const std::string_view bytes = Take(4, what);
    std::uint32_t value = 0;
    for (char c : bytes) value = (value << 8) | static_cast<unsigned char>(c);
    return value;
  }

  std::string_view Take(std::size_t count, const char* what) {
    if (count > list_.size() - at_) {
      Fail(std::string("the list ends inside its ") + what);
    }
    const std::string_view bytes = list_.substr(at_, count);
    at_ += count;
    return bytes;
  }

  [[noreturn]] void Fail(const std::string& why) const {
    std::string message = "Malformed settings list: entry " + std::to_string(entry_);
    if (!name_.empty()) message += " (" + name_ + ")";
    throw SettingsError(message + ": " + why + ".");
  }

  PropertyTarget& target_;
  std::string_view list_;
  std::size_t at_ = 0;
  std::size_t entry_ = 0;
  std::string name_;
};

}  // namespace

bool SettingTypeOf(std::string_view name, SettingType& type) {
  const auto& table = KnownSettings();
  const auto found = table.find(name);
  if (found == table.end()) return false;
  type = found->second;
  return true;
}

SettingsList& SettingsList::Int(std::string_view name, std::int32_t value) {
  Name(name, SettingType::Int32);
  AppendBigEndian(bytes_, static_cast<std::uint32_t>(value));
  return *this;
}

SettingsList& SettingsList::Bool(std::string_view name, bool value) {
  Name(name, SettingType::Boolean);
  bytes_ += static_cast<char>(value ? 1 : 0);
  return *this;
}

SettingsList& SettingsList::Colour(std::string_view name, Color value) {
  Name(name, SettingType::Colour);
  bytes_ += static_cast<char>(value.red);
  bytes_ += static_cast<char>(value.green);
  bytes_ += static_cast<char>(value.blue);
  return *this;
}

SettingsList& SettingsList::Text(std::string_view name, std::string_view value) {
  if (value.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw SettingsError("Setting " + std::string(name) + ": text too long for a settings list.");
  }
  Name(name, SettingType::Text);
  AppendBigEndian(bytes_, static_cast<std::uint32_t>(value.size()));
  bytes_.append(value);
  return *this;
}

void SettingsList::Name(std::string_view name, SettingType type) {
  SettingType known;
  if (!SettingTypeOf(name, known)) {
    throw SettingsError("Unknown setting \"" + std::string(name) + "\".");
  }
  if (known != type) {
    throw SettingsError("Setting " + std::string(name) + " is of type " + TypeName(known) +
                        ", not " + TypeName(type) + ".");
  }
  bytes_.append(name);
  bytes_ += ' ';
}

void SetProperties(PropertyTarget& target, std::string_view list) {
  Decoder(target, list).Run();
}

}  // namespace fw
