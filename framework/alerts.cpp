// The message box and the bell, or the test sink in their place.
#include "framework/alerts.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <cstdio>

#include "framework/qt/runtime_state.h"
#include "framework/qt/seam_state.h"

namespace fw {

void MsgBox(const std::string& message) {
  // A failure kept from an earlier callback is the program's to meet first.
  runtime::RaiseKept();
  if (auto* sink = seams::state::Sink()) {
    sink->messages.push_back(message);
    sink->log.push_back("msgbox: " + message);
    return;
  }
  if (!QCoreApplication::instance()) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return;
  }
  QMessageBox box(QMessageBox::Information, QStringLiteral("Zelvora"),
                  QString::fromStdString(message), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  // A loop of our own rather than exec(), so that a failure kept while the box
  // is up ends it even before the application's loop runs.
  QEventLoop loop;
  QObject::connect(&box, &QMessageBox::finished, &loop, [&loop] { loop.quit(); });
  box.show();
  box.raise();
  box.activateWindow();
  runtime::PushLoop(&loop);
  loop.exec(QEventLoop::DialogExec);
  runtime::PopLoop(&loop);
  box.hide();
  runtime::RaiseKept();
}

void Beep() {
  if (auto* sink = seams::state::Sink()) {
    ++sink->beeps;
    sink->log.push_back("beep");
    return;
  }
  if (QCoreApplication::instance()) QApplication::beep();
}

}  // namespace fw
