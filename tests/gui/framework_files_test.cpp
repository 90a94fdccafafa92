// Files and pictures: the bundle's resource folder, items for missing files,
// and pictures read by their content.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "framework/files.h"
#include "framework_test_support.h"

namespace framework_test {
namespace {

class FilesTest : public FrameworkTest {
 protected:
  void TearDown() override {
    fw::seams::SetResourceFolder(ZELVORA_TEST_RESOURCES);
    FrameworkTest::TearDown();
  }
};

TEST_F(FilesTest, TheResourceFolderIsTheSeamsOrNothingWhenItDoesNotExist) {
  QTemporaryDir dir;
  fw::seams::SetResourceFolder(dir.path().toStdString());
  auto folder = fw::GetApplicationBundleResources();
  ASSERT_NE(folder, nullptr);
  EXPECT_TRUE(folder->Directory());
  fw::seams::SetResourceFolder(dir.filePath("missing").toStdString());
  EXPECT_EQ(fw::GetApplicationBundleResources(), nullptr);
}

TEST_F(FilesTest, WithoutTheSeamTheFolderIsResourcesBesideTheExecutablesFolder) {
  fw::seams::SetResourceFolder("");
  const QString expected =
      QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../Resources");
  auto folder = fw::GetApplicationBundleResources();
  if (QDir(expected).exists()) {
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(QString::fromStdString(folder->Path()), expected);
  } else {
    EXPECT_EQ(folder, nullptr);
  }
}

TEST_F(FilesTest, PicturesAreReadByTheirContentAndAnythingElseGivesNothing) {
  QTemporaryDir dir;
  QImage image(7, 5, QImage::Format_ARGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(dir.filePath("badge"), "PNG"));  // no extension
  QFile junk(dir.filePath("junk.png"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a picture");
  junk.close();

  fw::FolderItem folder(dir.path().toStdString());
  auto picture = folder.Child("badge")->OpenAsPicture();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 7);
  EXPECT_EQ(picture->Height(), 5);
  EXPECT_EQ(folder.Child("junk.png")->OpenAsPicture(), nullptr);

  auto missing = folder.Child("missing.png");
  ASSERT_NE(missing, nullptr);  // an item all the same
  EXPECT_FALSE(missing->Exists());
  EXPECT_EQ(missing->OpenAsPicture(), nullptr);
  EXPECT_EQ(fw::FolderItem(dir.path().toStdString()).OpenAsPicture(), nullptr);  // a folder
}

}  // namespace
}  // namespace framework_test
