// Document types. The system has no per-process type registry here, so types
// are registered in the framework's own registry of the process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/object.h"

namespace fw {

class FileType : public Object {
 public:
  FileType() = default;
  ~FileType() override;  // deregisters when registered
  // One registration belongs to one object: a copy would deregister it twice.
  FileType(const FileType&) = delete;
  FileType& operator=(const FileType&) = delete;

  // Each setter first deregisters the type if it is registered.
  void SetName(const std::string& v);
  void SetExtensions(const std::string& v);
  void SetMacType(const std::string& v);
  void SetMacCreator(const std::string& v);
  const std::string& Name() const { return name_; }
  const std::string& Extensions() const { return extensions_; }
  const std::string& MacType() const { return macType_; }
  const std::string& MacCreator() const { return macCreator_; }

  // Conversion to text: registers the type once and yields its Name.
  std::string ToString();
  bool Registered() const { return registered_; }

 private:
  void Deregister();
  std::string name_, extensions_, macType_, macCreator_;
  bool registered_ = false;
  std::uint64_t id_ = 0;
};

struct RegisteredFileType {
  std::string name, extensions, macType, macCreator;
};

// The types registered now, in registration order.
std::vector<RegisteredFileType> RegisteredFileTypes();

// Every registration and deregistration so far, as "register <name>" and
// "deregister <name>"; for tests.
std::vector<std::string> FileTypeRegistryLog();

}  // namespace fw
