#include "calculator/pictures.h"

#include <array>

namespace {

enum PictureIndex { kToolBadge, kQuest35, kNormalSmall, kTitle };

struct BundledPicture {
  const char* fileName;
  fw::Ref<fw::Picture> kept;  // nil until the file has been read
};

// In the order of PictureIndex.
std::array<BundledPicture, 4> pictures{{
    {"ToolBadge", nullptr},
    {"Quest35.png", nullptr},
    {"NormalSmall.png", nullptr},
    {"Zelvoratitle200.png", nullptr},
}};

// A picture that loaded is never read again; one that didn't is looked for again on the next
// call, so a file that appears later is still picked up.
fw::Ref<fw::Picture> Load(PictureIndex index) {
  BundledPicture& picture = pictures[index];
  if (picture.kept) return picture.kept;
  const fw::Ref<fw::FolderItem> folder = fw::GetApplicationBundleResources();
  if (!folder) return nullptr;
  picture.kept = fw::NotNil(folder->Child(picture.fileName))->OpenAsPicture();
  return picture.kept;
}

}  // namespace

fw::Ref<fw::Picture> ToolBadgeSmall() {
  return Load(kToolBadge);
}

fw::Ref<fw::Picture> Quest35() {
  return Load(kQuest35);
}

fw::Ref<fw::Picture> NormalSmall() {
  return Load(kNormalSmall);
}

fw::Ref<fw::Picture> Zelvoratitle200() {
  return Load(kTitle);
}
