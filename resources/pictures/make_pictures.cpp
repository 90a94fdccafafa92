// Build-time tool: draws the program's pictures and writes them as PNG files
// into the folder given as its one argument.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "drawings.h"

namespace {

bool Save(const QImage& image, const QDir& folder, const QString& fileName) {
  const QString path = folder.filePath(fileName);
  // The format is named because one of the files has no extension to guess it from.
  QImageWriter writer(path, "png");
  if (!writer.write(image)) {
    std::fprintf(stderr, "make_pictures: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
    return 2;
  }
  // Text needs a GUI application; a build step never needs a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  // Without these fonts Qt would quietly substitute others and the pictures
  // would differ from machine to machine.
  const QStringList families = QFontDatabase::families();
  for (const char* family : {"Liberation Sans", "Liberation Serif"}) {
    if (!families.contains(QString::fromLatin1(family))) {
      std::fprintf(stderr,
                   "make_pictures: font \"%s\" is missing (Debian package fonts-liberation2)\n",
                   family);
      return 1;
    }
  }

  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "make_pictures: cannot create %s\n", argv[1]);
    return 1;
  }
  const bool ok = Save(pictures::DrawTitle(), folder, QStringLiteral("Zelvoratitle200.png")) &&
                  Save(pictures::DrawNormalCurve(), folder, QStringLiteral("NormalSmall.png")) &&
                  Save(pictures::DrawHelpBadge(), folder, QStringLiteral("Quest35.png")) &&
                  Save(pictures::DrawToolBadge(), folder, QStringLiteral("ToolBadge"));
  return ok ? 0 : 1;
}
