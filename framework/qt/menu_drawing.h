// A window's drawing of a menu tree as its own QMenuBar: rebuilt when the tree
// changes, enabled from the model before a menu opens, and routing a chosen
// item to the window's menu command.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "framework/menus.h"

class QAction;
class QMenu;
class QStyleOptionMenuItem;

namespace fw {

class WindowImpl;

// The bar a window draws its menus in. It takes the keys for a while: on a
// lone Alt, and when the user moves from one open menu to another. The style
// marks a title only while its menu is open, so the keys would sit in the bar
// with nothing on the screen to say so: while the bar holds them, its current
// title is drawn as an open one.
class DrawnMenuBar : public QMenuBar {
 public:
  explicit DrawnMenuBar(QWidget* parent);
  // While the bar holds the keys, the widget they go back to; else nil.
  QWidget* KeysHome() const;

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

 private:
  QPointer<QWidget> keysFrom_;
};

class DrawnMenus {
 public:
  DrawnMenus(QMenuBar* bar, WindowImpl& owner);
  ~DrawnMenus();

  // Draws the tree again when it differs from the one drawn; true when it did.
  bool Refresh(const Ref<MenuBar>& tree);
  // Each drawn entry enabled as its item is.
  void SyncEnabled();
  // One line per drawn entry: a menu's title alone, then "Title/Item" for each
  // entry of it (with the shortcut after a tab), "Title/-" for a separator.
  std::vector<std::string> Describe() const;

 private:
  struct Entry {
    QAction* action;
    std::weak_ptr<MenuItem> item;
  };
  void AddEntries(QMenu* menu, const MenuItem& parent);
  QMenu* AddMenu(QMenu* parentMenu, const Ref<MenuItem>& item);
  void AddAction(QMenu* menu, const Ref<MenuItem>& item);
  // Runs the enabling round before `menu` opens.
  void OpensWithRound(QMenu* menu);
  // Whether `menu`, or a menu in it, draws an item whose state is read off
  // the clipboard.
  bool AsksClipboard(const QMenu* menu) const;
  void Clear();

  QMenuBar* bar_;
  WindowImpl& owner_;
  // Owns the connections: deleting it cuts them all.
  std::unique_ptr<QObject> context_;
  // Watches the menus the bar opens (see EscapeCloses).
  std::unique_ptr<QObject> escape_;
  std::vector<Entry> entries_;
  std::string drawn_;  // signature of the tree drawn
};

// The text a menu shows for an item: its own, or the standard text of an Edit
// item that has none.
std::string DrawnText(const MenuItem& item);

}  // namespace fw
