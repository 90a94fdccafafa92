// Files and pictures: the bundle's resource folder and pictures read from it.
#include "framework/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <filesystem>

#include "framework/qt/picture_data.h"
#include "framework/qt/seam_state.h"

namespace fw {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

std::string ExecutableFolder() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath().toStdString();
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.parent_path().string();
}

}  // namespace

Picture::Picture(std::unique_ptr<PictureData> data) : data_(std::move(data)) {
  if (!data_) throw NilObjectException("A picture needs image data.");
}

Picture::~Picture() = default;

int Picture::Width() const {
  return data_->image.width();
}

int Picture::Height() const {
  return data_->image.height();
}

bool FolderItem::Exists() const {
  return !path_.empty() && QFileInfo::exists(Q(path_));
}

bool FolderItem::Directory() const {
  return !path_.empty() && QFileInfo(Q(path_)).isDir();
}

Ref<FolderItem> FolderItem::Child(const std::string& name) const {
  return std::make_shared<FolderItem>(QDir(Q(path_)).filePath(Q(name)).toStdString());
}

Ref<Picture> FolderItem::OpenAsPicture() const {
  if (!QFileInfo(Q(path_)).isFile()) return nullptr;
  // The format is read from the content: some pictures' names have no extension.
  QImageReader reader(Q(path_));
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  return std::make_shared<Picture>(std::make_unique<PictureData>(std::move(image)));
}

Ref<FolderItem> GetApplicationBundleResources() {
  std::string folder = seams::state::ResourceFolder();
  if (folder.empty()) {
    const std::string exe = ExecutableFolder();
    if (exe.empty()) return nullptr;
    folder = QDir::cleanPath(Q(exe) + QStringLiteral("/../Resources")).toStdString();
  }
  auto item = std::make_shared<FolderItem>(folder);
  return item->Directory() ? item : nullptr;
}

}  // namespace fw
