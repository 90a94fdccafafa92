#include "calculator/pictures.h"

namespace {

// A picture that loaded is never read again; one that didn't is looked for again on the next
// call, so a file that appears later is still picked up.
fw::Ref<fw::Picture> Load(const char* fileName, bool& called, fw::Ref<fw::Picture>& pic) {
  if (!called) {
    called = true;
    pic = nullptr;
  }
  if (pic) return pic;
  const fw::Ref<fw::FolderItem> folder = fw::GetApplicationBundleResources();
  if (!folder) return pic;
  const fw::Ref<fw::FolderItem> item = folder->Child(fileName);
  pic = fw::NotNil(item)->OpenAsPicture();
  return pic;
}

}  // namespace

fw::Ref<fw::Picture> ToolBadgeSmall() {
  static bool called = false;
  static fw::Ref<fw::Picture> pic;
  return Load("ToolBadge", called, pic);
}

fw::Ref<fw::Picture> Quest35() {
  static bool called = false;
  static fw::Ref<fw::Picture> pic;
  return Load("Quest35.png", called, pic);
}

fw::Ref<fw::Picture> NormalSmall() {
  static bool called = false;
  static fw::Ref<fw::Picture> pic;
  return Load("NormalSmall.png", called, pic);
}

fw::Ref<fw::Picture> Zelvoratitle200() {
  static bool called = false;
  static fw::Ref<fw::Picture> pic;
  return Load("Zelvoratitle200.png", called, pic);
}
