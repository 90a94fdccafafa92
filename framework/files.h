// Files and pictures: the bundle's resource folder, its children, and pictures
// read from them.
#pragma once

#include <string>

#include "framework/object.h"

namespace fw {

class PictureData;

// A read-only decoded image.
class Picture : public Object {
 public:
  explicit Picture(std::unique_ptr<PictureData> data);
  ~Picture() override;
  int Width() const;
  int Height() const;
  const PictureData& Data() const { return *data_; }

 private:
  std::unique_ptr<PictureData> data_;
};

class FolderItem : public Object {
 public:
  explicit FolderItem(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }
  bool Exists() const;
  bool Directory() const;
  // The item for the entry of that name inside this folder. It is handed back
  // even when no such file exists (opening it then yields nothing).
  Ref<FolderItem> Child(const std::string& name) const;
  // The picture read from this item's file, or nil when it can't be read as one.
  Ref<Picture> OpenAsPicture() const;

 private:
  std::string path_;
};

// The bundle's resource folder: "Resources" inside the parent of the folder
// that holds the executable; nil when there is no such folder.
Ref<FolderItem> GetApplicationBundleResources();

}  // namespace fw
