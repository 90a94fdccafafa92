// The application-wide filter that hands chords to the window's menus.
#include "framework/qt/shortcut_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include "framework/qt/keys.h"
#include "framework/qt/menu_commands.h"
#include "framework/qt/window_impl.h"

namespace fw::qt {
namespace {

class ShortcutFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!IsChord(*key)) return false;
    auto* window = dynamic_cast<MainWindow*>(static_cast<QWidget*>(watched)->window());
    if (!window || !window->owner) return false;
    return menus::HandleShortcut(*window->owner, *key);
  }
};

}  // namespace

void InstallShortcutFilter() {
  // A toolkit started again after a shut-down needs a filter of its own.
  static QPointer<ShortcutFilter> filter;
  if (filter) return;
  filter = new ShortcutFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace fw::qt
