// Dates in the system locale's short formats, the class-record registry and
// the registry of document types.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/date.h"
#include "framework/file_type.h"
#include "framework/object.h"
#include "framework/seams.h"

namespace {

using Clock = std::chrono::system_clock;

// What the locale's own short patterns make of that instant in local time.
std::pair<std::string, std::string> LocalePatterns(Clock::time_point when) {
  const auto ms = std::chrono::floor<std::chrono::milliseconds>(when).time_since_epoch().count();
  const QDateTime local = QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
  const QLocale locale = QLocale::system();
  return {locale.toString(local.date(), locale.dateFormat(QLocale::ShortFormat)).toStdString(),
          locale.toString(local.time(), locale.timeFormat(QLocale::ShortFormat)).toStdString()};
}

class DateTest : public testing::Test {
 protected:
  void TearDown() override { fw::seams::SetClock(nullptr); }
};

TEST_F(DateTest, ANewDateIsTheClocksNowInTheShortFormats) {
  using namespace std::chrono;
  const std::vector<Clock::time_point> instants = {
      Clock::time_point(sys_days(year(2024) / March / 9) + hours(14) + minutes(5) + seconds(7)),
      Clock::time_point(sys_days(year(1999) / December / 31) + hours(23) + minutes(59)),
      Clock::time_point(sys_days(year(2038) / January / 19) + hours(3) + minutes(14)),
      Clock::time_point(sys_days(year(1969) / July / 20) + hours(20) + minutes(17) +
                        milliseconds(999)),
  };
  for (const auto& instant : instants) {
    fw::seams::SetClock([instant] { return instant; });
    const fw::Date date;
    EXPECT_EQ(date.When(), instant);
    const auto [shortDate, shortTime] = LocalePatterns(instant);
    EXPECT_EQ(date.ShortDate(), shortDate);
    EXPECT_EQ(date.ShortTime(), shortTime);
    EXPECT_FALSE(date.ShortDate().empty());
    EXPECT_FALSE(date.ShortTime().empty());
  }
}

TEST_F(DateTest, WithoutASeamADateIsTheSystemClocksNow) {
  fw::seams::SetClock([] { return Clock::time_point(); });
  fw::seams::SetClock(nullptr);
  const auto before = Clock::now();
  const fw::Date date;
  const auto after = Clock::now();
  EXPECT_LE(before, date.When());
  EXPECT_LE(date.When(), after);
}

// The class tests empty the registry, so the records the runtime built are
// put back afterwards for any test that follows in this process.
class ClassRegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const auto& name : fw::RegisteredClassNames()) saved_.push_back(*fw::FindClass(name));
    fw::ResetClassRegistryForTests();
  }
  void TearDown() override {
    fw::ResetClassRegistryForTests();
    for (auto& record : saved_) fw::RegisterClass(record);
  }

 private:
  std::vector<fw::ClassRecord> saved_;
};

TEST_F(ClassRegistryTest, TheFrameworkClassesComeOnceWithTheirBasesFirst) {
  fw::InitializeFrameworkClasses();
  const auto names = fw::RegisteredClassNames();
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names.front(), "Object");
  for (const char* expected : {"Object", "Window", "Control", "TextArea", "TextField", "PushButton",
                               "StaticText", "Canvas", "ImageWell", "MenuItem", "MenuBar",
                               "QuitMenuItem", "AppleMenuItem", "Application", "FileType"}) {
    EXPECT_NE(fw::FindClass(expected), nullptr) << expected;
  }
  const std::vector<std::pair<const char*, const char*>> bases = {
      {"Object", ""},
      {"Window", "Object"},
      {"TextArea", "TextControl"},
      {"TextControl", "Control"},
      {"PushButton", "Control"},
      {"MenuBar", "MenuItem"},
      {"QuitMenuItem", "MenuItem"},
      {"AppleMenuItem", "MenuItem"},
      {"Application", "Object"},
      {"FileType", "Object"},
  };
  for (const auto& [name, base] : bases) {
    ASSERT_NE(fw::FindClass(name), nullptr) << name;
    EXPECT_EQ(fw::FindClass(name)->base, base) << name;
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& base = fw::FindClass(names[i])->base;
    if (base.empty()) continue;
    const auto at = std::find(names.begin(), names.end(), base);
    EXPECT_LT(at - names.begin(), static_cast<std::ptrdiff_t>(i))
        << names[i] << " is built before its base " << base;
  }

  fw::InitializeFrameworkClasses();
  EXPECT_EQ(fw::RegisteredClassNames(), names);
}

TEST_F(ClassRegistryTest, AClassIsRegisteredOnceAndKeptInBuildOrder) {
  fw::InitializeFrameworkClasses();
  const std::size_t frameworkCount = fw::RegisteredClassNames().size();

  fw::ClassRecord control{"ControlWnd.ControlWnd", "Window", {{"Layout", "(  )", {}}}, {}, {}};
  const fw::ClassRecord& stored = fw::RegisterClass(control);
  EXPECT_EQ(stored.fullName, "ControlWnd.ControlWnd");
  EXPECT_EQ(fw::FindClass("ControlWnd.ControlWnd"), &stored);

  fw::ClassRecord again = control;
  again.base = "Object";
  again.operations.clear();
  const fw::ClassRecord& second = fw::RegisterClass(again);
  EXPECT_EQ(&second, &stored);
  EXPECT_EQ(second.base, "Window");
  ASSERT_EQ(second.operations.size(), 1u);

  // A stored record stays where it is however many records follow it.
  for (int i = 0; i < 1000; ++i) {
    fw::ClassRecord filler;
    filler.fullName = "Filler" + std::to_string(i);
    filler.base = "Object";
    fw::RegisterClass(filler);
  }
  EXPECT_EQ(stored.fullName, "ControlWnd.ControlWnd");
  EXPECT_EQ(stored.operations[0].name, "Layout");

  const auto names = fw::RegisteredClassNames();
  ASSERT_EQ(names.size(), frameworkCount + 1001);
  EXPECT_EQ(names[frameworkCount], "ControlWnd.ControlWnd");
  EXPECT_EQ(names.back(), "Filler999");
  EXPECT_EQ(fw::FindClass("Nowhere.Nowhere"), nullptr);
  EXPECT_EQ(fw::FindClass(""), nullptr);

  fw::ResetClassRegistryForTests();
  EXPECT_TRUE(fw::RegisteredClassNames().empty());
  EXPECT_EQ(fw::FindClass("Object"), nullptr);
  fw::InitializeFrameworkClasses();
  EXPECT_EQ(fw::RegisteredClassNames().size(), frameworkCount);
}

// Registrations in this process before the test began stay out of its view.
std::vector<std::string> LogSince(std::size_t start) {
  const auto log = fw::FileTypeRegistryLog();
  return std::vector<std::string>(log.begin() + static_cast<std::ptrdiff_t>(start), log.end());
}

bool IsRegistered(const std::string& name, const std::string& macType) {
  for (const auto& type : fw::RegisteredFileTypes()) {
    if (type.name == name && type.macType == macType) return true;
  }
  return false;
}

TEST(FileTypeTest, ConversionToTextRegistersOnceAndReleaseDeregisters) {
  const std::size_t start = fw::FileTypeRegistryLog().size();
  const std::size_t registeredBefore = fw::RegisteredFileTypes().size();
  {
    auto text = std::make_shared<fw::FileType>();
    text->SetName("text");
    text->SetExtensions("");
    text->SetMacType("TEXT");
    text->SetMacCreator("R*ch");
    EXPECT_FALSE(text->Registered());
    EXPECT_TRUE(LogSince(start).empty());  // nothing to undo before registration

    EXPECT_EQ(text->ToString(), "text");
    EXPECT_EQ(text->ToString(), "text");
    EXPECT_TRUE(text->Registered());

    auto untitled = std::make_shared<fw::FileType>();
    untitled->SetName("");
    untitled->SetExtensions("");
    untitled->SetMacType("");
    untitled->SetMacCreator("");
    EXPECT_EQ(untitled->ToString(), "");
    EXPECT_TRUE(untitled->Registered());

    const auto types = fw::RegisteredFileTypes();
    ASSERT_EQ(types.size(), registeredBefore + 2);
    const auto& first = types[registeredBefore];
    EXPECT_EQ(first.name, "text");
    EXPECT_EQ(first.extensions, "");
    EXPECT_EQ(first.macType, "TEXT");
    EXPECT_EQ(first.macCreator, "R*ch");
    const auto& second = types[registeredBefore + 1];
    EXPECT_EQ(second.name + second.extensions + second.macType + second.macCreator, "");

    text.reset();  // released in shut-down's order: the text type first
    untitled.reset();
  }
  EXPECT_EQ(LogSince(start), (std::vector<std::string>{"register text", "register ",
                                                       "deregister text", "deregister "}));
  EXPECT_EQ(fw::RegisteredFileTypes().size(), registeredBefore);
}

TEST(FileTypeTest, ChangingARegisteredTypeDeregistersItUntilItIsConvertedAgain) {
  const std::size_t start = fw::FileTypeRegistryLog().size();
  fw::FileType type;
  type.SetName("notes");
  type.SetMacType("TEXT");
  type.ToString();
  ASSERT_TRUE(IsRegistered("notes", "TEXT"));

  type.SetMacType("ttro");
  EXPECT_FALSE(type.Registered());
  EXPECT_FALSE(IsRegistered("notes", "TEXT"));
  EXPECT_FALSE(IsRegistered("notes", "ttro"));
  type.SetName("renamed");  // nothing left to deregister
  EXPECT_EQ(type.ToString(), "renamed");
  EXPECT_TRUE(IsRegistered("renamed", "ttro"));
  EXPECT_EQ(LogSince(start),
            (std::vector<std::string>{"register notes", "deregister notes", "register renamed"}));
  static_assert(!std::is_copy_constructible_v<fw::FileType>);
}

}  // namespace
