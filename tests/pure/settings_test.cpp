// The designed-settings codec: the byte layout, the round trip from builder to
// decoder, the type table, and every way a list can be malformed.
#include "framework/settings.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;
using Entry = std::pair<std::string, fw::SettingValue>;

class Recorder : public fw::PropertyTarget {
 public:
  void SetProperty(const std::string& name, const fw::SettingValue& value) override {
    entries.emplace_back(name, value);
  }
  std::vector<Entry> entries;
};

std::vector<Entry> Decode(std::string_view list) {
  Recorder recorder;
  fw::SetProperties(recorder, list);
  return recorder.entries;
}

TEST(SettingsListTest, LaysOutEachTypeAsTheFormatFixes) {
  EXPECT_EQ(fw::SettingsList().Int("Width", 500).Bytes(), "Width \x00\x00\x01\xf4"s);
  EXPECT_EQ(fw::SettingsList().Int("Index", std::numeric_limits<std::int32_t>::min()).Bytes(),
            "Index \x80\x00\x00\x00"s);
  EXPECT_EQ(fw::SettingsList().Int("Top", -1).Bytes(), "Top \xff\xff\xff\xff"s);
  EXPECT_EQ(fw::SettingsList().Bool("Visible", true).Bytes(), "Visible \x01"s);
  EXPECT_EQ(fw::SettingsList().Bool("_mInitialControlsCreated", false).Bytes(),
            "_mInitialControlsCreated \x00"s);
  EXPECT_EQ(fw::SettingsList().Colour("TextColor", 128, 0, 255).Bytes(), "TextColor \x80\x00\xff"s);
  EXPECT_EQ(fw::SettingsList().Text("Title", "Zelvora").Bytes(), "Title \x00\x00\x00\x07Zelvora"s);
  EXPECT_EQ(fw::SettingsList().Text("HelpTag", "").Bytes(), "HelpTag \x00\x00\x00\x00"s);
  // Entries follow each other with nothing between them.
  EXPECT_EQ(fw::SettingsList().Text("Name", "A").Bool("Bold", true).Bytes(),
            "Name \x00\x00\x00\x01"
            "ABold \x01"s);
}

TEST(SettingsListTest, RoundTripsEveryEntryInOrder) {
  const std::string longText(70000, 'x');
  const std::string withNul = "a\0b c"s;
  const std::vector<Entry> expected = {
      {"Name", std::string("NVarsFld")},
      {"Index", std::numeric_limits<std::int32_t>::min()},
      {"Left", std::int32_t{141}},
      {"Top", std::int32_t{-1}},
      {"Width", std::numeric_limits<std::int32_t>::max()},
      {"LockLeft", true},
      {"TabStop", false},
      {"BackColor", fw::Color{255, 255, 255}},
      {"TextColor", fw::Color{128, 0, 0}},
      {"Text", std::string("\xc2\xa9 2024 \xe2\x80\x93 \xe2\x89\xa4")},
      {"HelpTag", std::string()},
      {"Caption", withNul},
      {"Mask", std::string("######")},
      {"Text", longText},
      {"Visible", true},
  };
  fw::SettingsList list;
  for (const auto& [name, value] : expected) {
    if (auto* i = std::get_if<std::int32_t>(&value)) list.Int(name, *i);
    if (auto* b = std::get_if<bool>(&value)) list.Bool(name, *b);
    if (auto* c = std::get_if<fw::Color>(&value)) list.Colour(name, *c);
    if (auto* t = std::get_if<std::string>(&value)) list.Text(name, *t);
  }
  EXPECT_EQ(Decode(list.Bytes()), expected);
  EXPECT_TRUE(Decode("").empty());
}

TEST(SettingsListTest, RefusesUnknownNamesAndWrongTypesAndKeepsTheList) {
  fw::SettingsList list;
  list.Int("Width", 1);
  const std::string before = list.Bytes();
  EXPECT_THROW(list.Int("Wdth", 1), fw::SettingsError);
  EXPECT_THROW(list.Bool("Width", true), fw::SettingsError);
  EXPECT_THROW(list.Text("Visible", "x"), fw::SettingsError);
  EXPECT_THROW(list.Colour("Title", 1, 2, 3), fw::SettingsError);
  EXPECT_THROW(list.Int("TextSize", 12), fw::SettingsError);  // set in code, never in a list
  EXPECT_THROW(list.Int("", 1), fw::SettingsError);
  EXPECT_EQ(list.Bytes(), before);
}

TEST(SettingTypeTest, KnowsEveryDesignedSettingWithItsType) {
  using enum fw::SettingType;
  const std::vector<std::pair<const char*, fw::SettingType>> names = {
      {"Placement", Int32},
      {"Width", Int32},
      {"Height", Int32},
      {"MinWidth", Int32},
      {"MinHeight", Int32},
      {"MaxWidth", Int32},
      {"MaxHeight", Int32},
      {"Frame", Int32},
      {"MacProcID", Int32},
      {"Top", Int32},
      {"Left", Int32},
      {"Index", Int32},
      {"TabPanelIndex", Int32},
      {"TabIndex", Int32},
      {"Alignment", Int32},
      {"TextAlign", Int32},
      {"LimitText", Int32},
      {"ButtonStyle", Int32},
      {"Composite", Boolean},
      {"HasBackColor", Boolean},
      {"Visible", Boolean},
      {"FullScreen", Boolean},
      {"MenuBarVisible", Boolean},
      {"CloseButton", Boolean},
      {"Resizeable", Boolean},
      {"LiveResize", Boolean},
      {"MaximizeButton", Boolean},
      {"MinimizeButton", Boolean},
      {"_mInitialControlsCreated", Boolean},
      {"LockLeft", Boolean},
      {"LockTop", Boolean},
      {"LockRight", Boolean},
      {"LockBottom", Boolean},
      {"TabStop", Boolean},
      {"Enabled", Boolean},
      {"AutoDeactivate", Boolean},
      {"Border", Boolean},
      {"Multiline", Boolean},
      {"ScrollbarHorizontal", Boolean},
      {"ScrollbarVertical", Boolean},
      {"Styled", Boolean},
      {"UseFocusRing", Boolean},
      {"HideSelection", Boolean},
      {"Bold", Boolean},
      {"Italic", Boolean},
      {"Underline", Boolean},
      {"ReadOnly", Boolean},
      {"AcceptTabs", Boolean},
      {"Password", Boolean},
      {"Default", Boolean},
      {"Cancel", Boolean},
      {"Selectable", Boolean},
      {"Transparent", Boolean},
      {"AcceptFocus", Boolean},
      {"DoubleBuffer", Boolean},
      {"EraseBackground", Boolean},
      {"BackColor", Colour},
      {"TextColor", Colour},
      {"Title", Text},
      {"Name", Text},
      {"HelpTag", Text},
      {"InitialParent", Text},
      {"DataSource", Text},
      {"DataField", Text},
      {"Format", Text},
      {"TextFont", Text},
      {"Text", Text},
      {"Mask", Text},
      {"CueText", Text},
      {"Caption", Text},
  };
  for (const auto& [name, expected] : names) {
    fw::SettingType type;
    ASSERT_TRUE(fw::SettingTypeOf(name, type)) << name;
    EXPECT_EQ(type, expected) << name;
  }
  fw::SettingType type;
  for (const char* unknown : {"", "width", "TextSize", "TextUnit", "Backdrop", "Name "}) {
    EXPECT_FALSE(fw::SettingTypeOf(unknown, type)) << '"' << unknown << '"';
  }
}

struct MalformedCase {
  const char* what;
  std::string list;
  std::size_t appliedBefore;  // entries handed on before the error
  std::string expectedInMessage;
  std::string notInMessage;  // a name that can't have been read
};

TEST(SetPropertiesTest, MalformedListsNameTheEntryAfterApplyingThoseBefore) {
  const std::string width = "Width \x00\x00\x01\xf4"s;
  const std::vector<MalformedCase> cases = {
      {"cut inside a name", width + "Heig", 1, "entry 2:", "Heig"},
      {"name without its space", "Width", 0, "entry 1:", "Width"},
      {"empty name", " \x01"s, 0, "entry 1:", ""},
      {"space first after an entry", width + " Visible \x01", 1, "entry 2:", ""},
      {"byte no name has", "Wi-dth \x00\x00\x00\x01"s, 0, "entry 1:", "Wi-dth"},
      {"NUL inside a name", "Width\x00 \x00\x00\x00\x01"s, 0, "entry 1:", ""},
      {"non-ASCII name",
       "W\xc3\xaf"
       "dth \x00\x00\x00\x01"s,
       0, "entry 1:", ""},
      {"unknown name", width + "Colour \x01", 1, "entry 2 (Colour)", ""},
      {"right name, wrong case", "visible \x01"s, 0, "entry 1 (visible)", ""},
      {"cut inside an Int32", "Width \x00\x00"s, 0, "entry 1 (Width)", ""},
      {"cut right after the space", width + "Height ", 1, "entry 2 (Height)", ""},
      {"cut before a Boolean", "Visible "s, 0, "entry 1 (Visible)", ""},
      {"Boolean of 2", "Visible \x02"s, 0, "entry 1 (Visible)", ""},
      {"Boolean of 255", width + "Bold \xff", 1, "entry 2 (Bold)", ""},
      {"Boolean of ASCII 1", "Visible 1"s, 0, "entry 1 (Visible)", ""},
      {"cut inside a colour", "BackColor \xff\xff"s, 0, "entry 1 (BackColor)", ""},
      {"cut inside a byte count", "Title \x00\x00\x00"s, 0, "entry 1 (Title)", ""},
      {"count one past the end", "Title \x00\x00\x00\x08Zelvora"s, 0, "entry 1 (Title)", ""},
      {"count far past the end",
       width + "Text \xff\xff\xff\xff"
               "ab",
       1, "entry 2 (Text)", ""},
      {"count swallowing the next entry",
       "Title \x00\x00\x00\x03"
       "abWidth \x00"s,
       1, "entry 2 (", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Recorder recorder;
    try {
      fw::SetProperties(recorder, c.list);
      ADD_FAILURE() << "no error raised";
    } catch (const fw::SettingsError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(c.expectedInMessage), std::string::npos) << message;
      if (!c.notInMessage.empty()) {
        EXPECT_EQ(message.find(c.notInMessage), std::string::npos) << message;
      }
    }
    EXPECT_EQ(recorder.entries.size(), c.appliedBefore);
  }
}

// Every prefix of a sound list is either a sound list (cut between entries)
// or malformed; neither reads past its end, which the sanitized build checks.
TEST(SetPropertiesTest, EveryPrefixOfAListDecodesItsWholeEntriesOrFails) {
  const std::string full = fw::SettingsList()
                               .Text("Name", "EigenFld")
                               .Int("Index", std::numeric_limits<std::int32_t>::min())
                               .Bool("LockLeft", true)
                               .Colour("TextColor", 0, 0, 0)
                               .Text("Text", "")
                               .Text("TextFont", "Courier")
                               .Bool("AcceptTabs", false);
  const std::vector<Entry> all = Decode(full);
  ASSERT_EQ(all.size(), 7u);
  std::vector<std::size_t> boundaries;
  for (std::size_t n = 0; n <= all.size(); ++n) {
    fw::SettingsList partial;
    for (std::size_t i = 0; i < n; ++i) {
      const auto& [name, value] = all[i];
      if (auto* v = std::get_if<std::int32_t>(&value)) partial.Int(name, *v);
      if (auto* v = std::get_if<bool>(&value)) partial.Bool(name, *v);
      if (auto* v = std::get_if<fw::Color>(&value)) partial.Colour(name, *v);
      if (auto* v = std::get_if<std::string>(&value)) partial.Text(name, *v);
    }
    boundaries.push_back(partial.Bytes().size());
  }
  for (std::size_t length = 0; length <= full.size(); ++length) {
    // A copy of just that many bytes, so that a read past it is a heap overflow.
    const std::string prefix = full.substr(0, length);
    std::size_t whole = 0;
    while (whole + 1 < boundaries.size() && boundaries[whole + 1] <= length) ++whole;
    Recorder recorder;
    if (boundaries[whole] == length) {
      EXPECT_NO_THROW(fw::SetProperties(recorder, prefix)) << length;
    } else {
      EXPECT_THROW(fw::SetProperties(recorder, prefix), fw::SettingsError) << length;
    }
    EXPECT_EQ(recorder.entries, std::vector<Entry>(all.begin(), all.begin() + whole)) << length;
  }
}

TEST(SetPropertiesTest, TheTargetsOwnErrorsPassUnchanged) {
  class Refuser : public fw::PropertyTarget {
   public:
    void SetProperty(const std::string& name, const fw::SettingValue&) override {
      if (name == "Height") throw std::logic_error("no height here");
      ++applied;
    }
    int applied = 0;
  };
  Refuser target;
  const std::string list = fw::SettingsList().Int("Width", 1).Int("Height", 2).Int("Top", 3);
  EXPECT_THROW(fw::SetProperties(target, list), std::logic_error);
  EXPECT_EQ(target.applied, 1);
}

}  // namespace
