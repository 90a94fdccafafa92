// The picture accessors' cache: a picture that loaded is kept and never read again, one that
// didn't load is looked for again on every call. Each test uses its own accessor, since a cache
// lives as long as the process.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "calculator/pictures.h"
#include "framework/seams.h"

namespace {

namespace fs = std::filesystem;

class PictureCache : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("zelvora-pictures-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
  }
  void TearDown() override {
    fs::remove_all(folder_);
    fw::seams::SetResourceFolder(ZELVORA_TEST_RESOURCES);
  }

  void UseFolder() { fw::seams::SetResourceFolder(folder_.string()); }
  void PutPicture(const std::string& name) {
    fs::create_directories(folder_);
    fs::copy_file(fs::path(ZELVORA_TEST_RESOURCES) / "NormalSmall.png", folder_ / name,
                  fs::copy_options::overwrite_existing);
  }
  void PutBytes(const std::string& name, const std::string& bytes) {
    fs::create_directories(folder_);
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  fs::path folder_;
};

TEST_F(PictureCache, ALoadedPictureIsSharedAndNeverReadAgain) {
  UseFolder();
  PutPicture("NormalSmall.png");
  const auto first = NormalSmall();
  ASSERT_NE(first, nullptr);
  EXPECT_GT(first->Width(), 0);
  fs::remove(folder_ / "NormalSmall.png");
  EXPECT_EQ(NormalSmall(), first);
  fs::remove_all(folder_);
  EXPECT_EQ(NormalSmall(), first);
}

TEST_F(PictureCache, WithoutAResourceFolderItGivesNothingAndLooksAgainNextTime) {
  UseFolder();
  EXPECT_EQ(Quest35(), nullptr);
  EXPECT_EQ(Quest35(), nullptr);
  PutPicture("Quest35.png");
  const auto loaded = Quest35();
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(Quest35(), loaded);
}

TEST_F(PictureCache, AnUndecodableFileGivesNothingWithoutAnException) {
  UseFolder();
  PutBytes("ToolBadge", "this is not a picture");
  EXPECT_NO_THROW({
    EXPECT_EQ(ToolBadgeSmall(), nullptr);
    EXPECT_EQ(ToolBadgeSmall(), nullptr);
  });
  PutPicture("ToolBadge");
  EXPECT_NE(ToolBadgeSmall(), nullptr);
}

TEST_F(PictureCache, AFileAddedAfterAMissedCallIsPickedUp) {
  UseFolder();
  fs::create_directories(folder_);
  EXPECT_EQ(Zelvoratitle200(), nullptr);
  PutPicture("Zelvoratitle200.png");
  EXPECT_NE(Zelvoratitle200(), nullptr);
}

}  // namespace
