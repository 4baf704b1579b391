#include "app/MenuBar1.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>

#include "app/Lifecycle.h"

namespace {

std::unique_ptr<class MenuBar1>& Instance() {
  static std::unique_ptr<class MenuBar1> instance;
  return instance;
}

// The edit commands act on the text field that has the keyboard focus.
using EditCommand = void (*)(QLineEdit&);

void OnFocusedField(EditCommand command) {
  if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) command(*field);
}

QAction* NewItem(QObject* owner, const char* name, const char* text, const char* shortcut) {
  auto* item = new QAction(owner);
  item->setObjectName(QString::fromLatin1(name));
  item->setText(QString::fromLatin1(text));
  if (shortcut) {
    // "Cmd+" names the platform's command key, which is Ctrl here.
    QString keys = QString::fromLatin1(shortcut);
    keys.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
    item->setShortcut(QKeySequence(keys));
  }
  return item;
}

}  // namespace

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

MenuBar1::~MenuBar1() = default;

void MenuBar1::Untitled0() {
  file_ = std::make_unique<QMenu>(QStringLiteral("&File"));
  file_->setObjectName(QStringLiteral("FileMenu"));
  quit_ = NewItem(this, "FileQuit", "&Quit", "Cmd+Q");
  quit_->setShortcutContext(Qt::ApplicationShortcut);
  quit_->setMenuRole(QAction::QuitRole);
  // Ends the event loop without closing the windows: shut-down releases them in order.
  connect(quit_, &QAction::triggered, [] { QCoreApplication::exit(0); });
  file_->addAction(quit_);
}

void MenuBar1::Untitled1() {
  edit_ = std::make_unique<QMenu>(QStringLiteral("&Edit"));
  edit_->setObjectName(QStringLiteral("EditMenu"));
  struct Row {
    const char* name;
    const char* text;
    const char* shortcut;
    EditCommand command;
  };
  const Row rows[] = {
      {"EditUndo", "&Undo", "Cmd+Z", [](QLineEdit& f) { f.undo(); }},
      {"UntitledMenu1", "-", nullptr, nullptr},
      {"EditCut", "Cu&t", "Cmd+X", [](QLineEdit& f) { f.cut(); }},
      {"EditCopy", "&Copy", "Cmd+C", [](QLineEdit& f) { f.copy(); }},
      {"EditPaste", "&Paste", "Cmd+V", [](QLineEdit& f) { f.paste(); }},
      {"EditClear", "&Delete", "", [](QLineEdit& f) { f.del(); }},
      {"UntitledMenu0", "-", nullptr, nullptr},
      {"EditSelectAll", "Select &All", "Cmd+A", [](QLineEdit& f) { f.selectAll(); }},
  };
  for (const Row& row : rows) {
    QAction* item = NewItem(this, row.name, row.text, row.shortcut);
    if (!row.command) {
      item->setSeparator(true);
    } else {
      // The focused field handles its own shortcut keys; the menu items serve the mouse.
      item->setShortcutContext(Qt::WidgetShortcut);
      connect(item, &QAction::triggered, [command = row.command] { OnFocusedField(command); });
    }
    edit_->addAction(item);
  }
}

QMenuBar* MenuBar1::NewView(QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  bar->setObjectName(QStringLiteral("MenuBar1"));
  bar->setNativeMenuBar(false);
  bar->addMenu(file_.get());
  bar->addMenu(edit_.get());
  return bar;
}

QAction* MenuBar1::Item(const QString& name) const {
  if (name == QLatin1String("FileMenu")) return file_->menuAction();
  if (name == QLatin1String("EditMenu")) return edit_->menuAction();
  return findChild<QAction*>(name);
}

class MenuBar1& MenuBar1() {
  if (!Instance()) {
    Instance() = std::make_unique<class MenuBar1>();
    Lifecycle::Record("create MenuBar1");
  }
  return *Instance();
}

void ReleaseMenuBar1() {
  if (Instance()) {
    Instance().reset();
    Lifecycle::Record("release MenuBar1");
  }
}

bool MenuBar1Exists() { return Instance() != nullptr; }
