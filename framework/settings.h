// Designed settings: the packed list of named, typed values that a window or
// control receives in one call. Pure C++; no Qt.
//
// Byte format, entries back to back with no separator: the name in ASCII, one
// space, then the value as its setting's type fixes it: Int32 as 4 bytes
// big-endian, Boolean as 1 byte (0 or 1), Colour as 3 bytes (red, green,
// blue), Text as a 4-byte big-endian byte count and that many UTF-8 bytes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace fw {

struct Color {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

using SettingValue = std::variant<std::int32_t, bool, Color, std::string>;

enum class SettingType { Int32, Boolean, Colour, Text };

// The type of every setting name the framework knows; false for an unknown name.
bool SettingTypeOf(std::string_view name, SettingType& type);

// Raised for a malformed list; the message names the entry (its position and,
// when it could be read, its name).
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Builds a list. Each call checks that the name is known and of that type.
class SettingsList {
 public:
  SettingsList& Int(std::string_view name, std::int32_t value);
  SettingsList& Bool(std::string_view name, bool value);
  SettingsList& Colour(std::string_view name, Color value);
  SettingsList& Colour(std::string_view name, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Colour(name, Color{r, g, b});
  }
  SettingsList& Text(std::string_view name, std::string_view value);
  const std::string& Bytes() const { return bytes_; }
  operator const std::string&() const { return bytes_; }

 private:
  void Name(std::string_view name, SettingType type);
  std::string bytes_;
};

// Whatever takes designed settings: windows and controls.
class PropertyTarget {
 public:
  virtual ~PropertyTarget() = default;
  virtual void SetProperty(const std::string& name, const SettingValue& value) = 0;
};

// Decodes the list entry by entry, in order, handing each value to the target
// as soon as it is read. Never reads past the end of the list; a malformed
// entry raises SettingsError after the entries before it have been applied.
void SetProperties(PropertyTarget& target, std::string_view list);
inline void SetProperties(PropertyTarget& target, const SettingsList& list) {
  SetProperties(target, std::string_view(list.Bytes()));
}

}  // namespace fw
