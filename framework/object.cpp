// The class-record registry of the process and the framework's own records.
#include "framework/object.h"

#include <deque>
#include <unordered_map>
#include <utility>

namespace fw {
namespace {

struct ClassRegistry {
  // A deque keeps every record where it is, so the references that
  // RegisterClass hands out stay valid while later records are added.
  std::deque<ClassRecord> records;
  std::unordered_map<std::string, const ClassRecord*> byName;
};

ClassRegistry& Registry() {
  static ClassRegistry registry;
  return registry;
}

ClassRecord FrameworkClass(std::string name, std::string base) {
  ClassRecord record;
  record.fullName = std::move(name);
  record.base = std::move(base);
  record.attributes.push_back({"__Scope", "Public"});
  return record;
}

}  // namespace

const ClassRecord& RegisterClass(ClassRecord record) {
  auto& registry = Registry();
  if (auto found = registry.byName.find(record.fullName); found != registry.byName.end()) {
    return *found->second;
  }
  const ClassRecord& stored = registry.records.emplace_back(std::move(record));
  registry.byName.emplace(stored.fullName, &stored);
  return stored;
}

const ClassRecord* FindClass(const std::string& fullName) {
  const auto& byName = Registry().byName;
  const auto found = byName.find(fullName);
  return found == byName.end() ? nullptr : found->second;
}

std::vector<std::string> RegisteredClassNames() {
  std::vector<std::string> names;
  for (const auto& record : Registry().records) names.push_back(record.fullName);
  return names;
}

void InitializeFrameworkClasses() {
  // Bases come before the classes built on them.
  static const std::pair<const char*, const char*> kClasses[] = {
      {"Object", ""},
      {"Window", "Object"},
      {"Control", "Object"},
      {"TextControl", "Control"},
      {"TextArea", "TextControl"},
      {"TextField", "TextControl"},
      {"PushButton", "Control"},
      {"StaticText", "Control"},
      {"Canvas", "Control"},
      {"ImageWell", "Control"},
      {"MenuItem", "Object"},
      {"MenuBar", "MenuItem"},
      {"QuitMenuItem", "MenuItem"},
      {"AppleMenuItem", "MenuItem"},
      {"Application", "Object"},
      {"FileType", "Object"},
      {"FolderItem", "Object"},
      {"Picture", "Object"},
      {"Graphics", "Object"},
      {"StyledTextPrinter", "Object"},
  };
  for (const auto& [name, base] : kClasses) RegisterClass(FrameworkClass(name, base));
}

void ResetClassRegistryForTests() {
  auto& registry = Registry();
  registry.byName.clear();
  registry.records.clear();
}

}  // namespace fw
