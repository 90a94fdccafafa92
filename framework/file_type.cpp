// Document types and the process's registry of them.
#include "framework/file_type.h"

namespace fw {
namespace {

struct FileTypeRegistry {
  struct Entry {
    std::uint64_t id;
    RegisteredFileType type;
  };
  std::vector<Entry> entries;
  std::vector<std::string> log;
  std::uint64_t lastId = 0;
};

// Never destroyed: a FileType held in a shared value of process life may
// deregister itself after every function-local static is gone.
FileTypeRegistry& Registry() {
  static auto* registry = new FileTypeRegistry;
  return *registry;
}

}  // namespace

FileType::~FileType() {
  Deregister();
}

void FileType::SetName(const std::string& v) {
  Deregister();
  name_ = v;
}

void FileType::SetExtensions(const std::string& v) {
  Deregister();
  extensions_ = v;
}

void FileType::SetMacType(const std::string& v) {
  Deregister();
  macType_ = v;
}

void FileType::SetMacCreator(const std::string& v) {
  Deregister();
  macCreator_ = v;
}

std::string FileType::ToString() {
  if (!registered_) {
    auto& registry = Registry();
    id_ = ++registry.lastId;
    registry.entries.push_back({id_, {name_, extensions_, macType_, macCreator_}});
    registry.log.push_back("register " + name_);
    registered_ = true;
  }
  return name_;
}

void FileType::Deregister() {
  if (!registered_) return;
  auto& registry = Registry();
  std::erase_if(registry.entries, [this](const auto& entry) { return entry.id == id_; });
  registry.log.push_back("deregister " + name_);
  registered_ = false;
}

std::vector<RegisteredFileType> RegisteredFileTypes() {
  std::vector<RegisteredFileType> types;
  for (const auto& entry : Registry().entries) types.push_back(entry.type);
  return types;
}

std::vector<std::string> FileTypeRegistryLog() {
  return Registry().log;
}

}  // namespace fw
