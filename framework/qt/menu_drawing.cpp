// Drawing the menu tree.
#include "framework/qt/menu_drawing.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionMenuItem>
#include <functional>

#include "framework/application.h"
#include "framework/qt/menu_commands.h"
#include "framework/qt/shortcuts.h"
#include "framework/qt/window_impl.h"

namespace fw {
namespace {

bool IsApple(const MenuItem& item) {
  return dynamic_cast<const AppleMenuItem*>(&item) != nullptr;
}

void Signature(const MenuItem& item, std::string& out) {
  out += std::to_string(reinterpret_cast<std::uintptr_t>(&item));
  out += '\x1f' + item.Name() + '\x1f' + item.Text() + '\x1f' + item.KeyboardShortcut();
  out += IsApple(item) ? "A" : "";
  out += '{';
  for (const auto& child : item.Children()) Signature(*child, out);
  out += '}';
}

void CollectApple(const MenuItem& item, std::vector<Ref<MenuItem>>& out) {
  for (const auto& child : item.Children()) {
    if (IsApple(*child)) out.push_back(child);
    CollectApple(*child, out);
  }
}

// "&" would otherwise mark a mnemonic.
QString Escaped(const std::string& text) {
  return QString::fromStdString(text).replace(u'&', QStringLiteral("&&"));
}

QString Unescaped(QString text) {
  return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// Escape on a menu opened with the mouse closes it and leaves the keyboard
// with the control that had it. Left to the toolkit, the bar would take the
// keys until a second Escape, with nothing on the screen to say so. A menu
// reached from the bar's own keyboard mode (Alt) goes back to it as usual.
class EscapeCloses : public QObject {
 public:
  explicit EscapeCloses(QMenuBar* bar) : bar_(bar) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape ||
        bar_->window()->focusWidget() == bar_)
      return false;
    static_cast<QMenu*>(watched)->hide();
    return true;
  }

 private:
  QMenuBar* bar_;
};

}  // namespace

std::string DrawnText(const MenuItem& item) {
  if (!item.Text().empty()) return item.Text();
  static const std::pair<const char*, const char*> standard[] = {
      {"EditUndo", "Undo"},   {"EditCut", "Cut"},      {"EditCopy", "Copy"},
      {"EditPaste", "Paste"}, {"EditClear", "Delete"},
  };
  for (const auto& [name, text] : standard)
    if (item.Name() == name) return text;
  return item.Text();
}

DrawnMenuBar::DrawnMenuBar(QWidget* parent) : QMenuBar(parent) {
  // Moving from one open menu to another gives the bar the keys without a
  // word to anyone, so the bar keeps the window's last other focus itself.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && now != this && now->window() == window()) keysFrom_ = now;
  });
}

QWidget* DrawnMenuBar::KeysHome() const {
  return hasFocus() ? keysFrom_.data() : nullptr;
}

void DrawnMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenuBar::initStyleOption(option, action);
  if (hasFocus() && option->state.testFlag(QStyle::State_Selected))
    option->state |= QStyle::State_Sunken;
}

DrawnMenus::DrawnMenus(QMenuBar* bar, WindowImpl& owner)
    : bar_(bar),
      owner_(owner),
      context_(std::make_unique<QObject>()),
      escape_(std::make_unique<EscapeCloses>(bar)) {}

DrawnMenus::~DrawnMenus() {
  context_.reset();
}

void DrawnMenus::Clear() {
  // The old menus may be in the middle of raising the choice that changed the
  // tree, so they go later; their connections go now.
  context_ = std::make_unique<QObject>();
  for (QAction* action : bar_->actions())
    if (QMenu* menu = action->menu()) menu->deleteLater();
  bar_->clear();
  entries_.clear();
}

bool DrawnMenus::Refresh(const Ref<MenuBar>& tree) {
  std::string signature;
  if (tree) Signature(*tree, signature);
  if (signature == drawn_) return false;
  Clear();
  drawn_ = signature;
  if (!tree) return true;
  QMenu* help = nullptr;
  for (const auto& title : tree->Children()) {
    if (IsApple(*title) || title->IsSeparator()) continue;
    QMenu* menu = AddMenu(nullptr, title);
    if (title->Text() == "Help") help = menu;
  }
  std::vector<Ref<MenuItem>> apple;
  CollectApple(*tree, apple);
  if (!apple.empty()) {
    if (!help) {
      help = bar_->addMenu(QStringLiteral("Help"));
      help->installEventFilter(escape_.get());
      OpensWithRound(help);
    } else if (!help->isEmpty()) {
      help->addSeparator();
    }
    for (const auto& item : apple) AddAction(help, item);
  }
  SyncEnabled();
  return true;
}

QMenu* DrawnMenus::AddMenu(QMenu* parentMenu, const Ref<MenuItem>& item) {
  QMenu* menu = parentMenu ? parentMenu->addMenu(Escaped(DrawnText(*item)))
                           : bar_->addMenu(Escaped(DrawnText(*item)));
  entries_.push_back({menu->menuAction(), item});
  if (!parentMenu) menu->installEventFilter(escape_.get());
  OpensWithRound(menu);
  AddEntries(menu, *item);
  return menu;
}

void DrawnMenus::OpensWithRound(QMenu* menu) {
  // The clipboard's owner may keep the question waiting: only a menu that
  // shows Paste asks it.
  QObject::connect(menu, &QMenu::aboutToShow, context_.get(),
                   [this, menu] { owner_.RunMenuRound(AsksClipboard(menu)); });
}

bool DrawnMenus::AsksClipboard(const QMenu* menu) const {
  for (const QAction* action : menu->actions()) {
    if (action->menu() && AsksClipboard(action->menu())) return true;
    for (const Entry& entry : entries_)
      if (entry.action == action)
        if (auto item = entry.item.lock(); item && menus::AsksClipboard(*item)) return true;
  }
  return false;
}

void DrawnMenus::AddEntries(QMenu* menu, const MenuItem& parent) {
  for (const auto& child : parent.Children()) {
    if (IsApple(*child)) continue;  // drawn in the Help menu
    if (child->IsSeparator())
      menu->addSeparator();
    else if (child->Count() > 0)
      AddMenu(menu, child);
    else
      AddAction(menu, child);
  }
}

void DrawnMenus::AddAction(QMenu* menu, const Ref<MenuItem>& item) {
  QString label = Escaped(DrawnText(*item));
  const QKeyCombination shortcut = qt::ParseShortcut(item->KeyboardShortcut());
  // Shown beside the item only; the key itself is served by the window, which
  // enables the items first.
  if (shortcut.key() != Qt::Key_unknown) label += u'\t' + qt::ShortcutLabel(shortcut);
  QAction* action = menu->addAction(label);
  entries_.push_back({action, item});
  const std::string name = item->Name();
  QObject::connect(action, &QAction::triggered, context_.get(),
                   [this, name] { owner_.ChooseMenuItem(name); });
}

void DrawnMenus::SyncEnabled() {
  for (const Entry& entry : entries_)
    if (auto item = entry.item.lock()) entry.action->setEnabled(item->Enabled());
}

std::vector<std::string> DrawnMenus::Describe() const {
  std::vector<std::string> lines;
  std::function<void(const QMenu*, const QString&)> describe = [&](const QMenu* menu,
                                                                   const QString& prefix) {
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) {
        lines.push_back((prefix + u'-').toStdString());
      } else if (action->menu()) {
        const QString title = Unescaped(action->text());
        lines.push_back((prefix + title).toStdString());
        describe(action->menu(), prefix + title + u'/');
      } else {
        lines.push_back((prefix + Unescaped(action->text())).toStdString());
      }
    }
  };
  for (QAction* action : bar_->actions()) {
    const QString title = Unescaped(action->text());
    lines.push_back(title.toStdString());
    if (action->menu()) describe(action->menu(), title + u'/');
  }
  return lines;
}

}  // namespace fw
