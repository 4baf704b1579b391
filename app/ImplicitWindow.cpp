#include "app/ImplicitWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "app/MenuBar1.h"

using namespace Platform;

namespace {

// The runtime's list of single window instances, oldest first.
std::vector<ImplicitWindow*>& Registry() {
  static std::vector<ImplicitWindow*> windows;
  return windows;
}

// Placement 0 cascades new windows from the top left of the screen.
QPoint NextCascadePosition() {
  static int next = 0;
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint p = screen.topLeft() + QPoint(40 + 24 * (next % 10), 40 + 24 * (next % 10));
  ++next;
  return p;
}

}  // namespace

ImplicitWindow::ImplicitWindow() {
  setAttribute(Qt::WA_DeleteOnClose);
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  content_ = new QWidget(this);
  content_->setObjectName(QStringLiteral("content"));
  layout_->addWidget(content_);
}

ImplicitWindow::~ImplicitWindow() { Unregister(); }

void ImplicitWindow::Unregister() {
  auto& r = Registry();
  r.erase(std::remove(r.begin(), r.end(), this), r.end());
}

ImplicitWindow* ImplicitWindow::Live(std::string_view className) {
  for (ImplicitWindow* w : Registry())
    if (className == w->className_) return w;
  return nullptr;
}

std::vector<ImplicitWindow*> ImplicitWindow::LiveWindows() { return Registry(); }

void ImplicitWindow::ReleaseAll() {
  while (!Registry().empty()) delete Registry().front();
}

void ImplicitWindow::SetMenuBar(QMenuBar* bar) { layout_->setMenuBar(bar); }

void ImplicitWindow::Show() {
  show();
  raise();
  activateWindow();
}

void ImplicitWindow::Build(const WindowDesign& design) {
  className_ = design.className;
  setObjectName(QString::fromLatin1(design.className));
  try {
    QuietWrite quiet;  // building raises no event
    BeforeLayout();
    Layout(design.window);
    for (const ControlDesign& control : design.controls)
      CreateControl(control, design.reversedControlLists);
    // AddMenuHandlers installs nothing; Quit answers its shortcut in every window.
    addAction(MenuBar1().QuitAction());
  } catch (...) {
    delete this;
    throw;
  }
  Registry().push_back(this);
  if (showOnBuild_) Show();
}

void ImplicitWindow::Layout(const PropertyList& given) {
  const PropertyList list = CompleteList(ControlClass::Window, given);
  const std::vector<std::uint8_t> bytes = Encode(list);
  const PropertyMap p(Decode(ControlClass::Window, bytes));

  setWindowTitle(p.Text("Title"));
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (p.Bool("CloseButton")) flags |= Qt::WindowCloseButtonHint;
  if (p.Bool("MinimizeButton")) flags |= Qt::WindowMinimizeButtonHint;
  if (p.Bool("MaximizeButton")) flags |= Qt::WindowMaximizeButtonHint;
  setWindowFlags(flags);

  const QSize size(p.Int("Width"), p.Int("Height"));
  const bool resizeable = p.Bool("Resizeable");
  if (resizeable) {
    // The window keeps its content area within the design's limits; the menu bar, if any,
    // comes on top of them.
    content_->setMinimumSize(p.Int("MinWidth"), p.Int("MinHeight"));
    content_->setMaximumSize(p.Int("MaxWidth"), p.Int("MaxHeight"));
    layout_->setSizeConstraint(QLayout::SetMinAndMaxSize);
  } else {
    content_->setFixedSize(size);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
  }
  if (p.Bool("HasBackColor")) {
    QPalette palette = content_->palette();
    palette.setColor(QPalette::Window, ToQColor(p.Rgb("BackColor")));
    content_->setPalette(palette);
    content_->setAutoFillBackground(true);
  }
  adjustSize();
  if (resizeable) {
    // It opens at the design's size, not at its smallest.
    layout_->activate();
    resize(size + (minimumSize() - content_->minimumSize()));
  }
  if (p.Int("Placement") == 2) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
  } else {
    move(NextCascadePosition());
  }
  showOnBuild_ = p.Bool("Visible");
}

namespace {

Platform::Control* MakeControl(ControlClass cls) {
  switch (cls) {
    case ControlClass::StaticText: return new StaticText;
    case ControlClass::EditField: return new EditField;
    case ControlClass::PushButton: return new PushButton;
    case ControlClass::RadioButton: return new RadioButton;
    case ControlClass::GroupBox: return new GroupBox;
    case ControlClass::Line: return new Line;
    case ControlClass::Rectangle: return new Rectangle;
    case ControlClass::Canvas: return new Canvas;
    case ControlClass::ImageWell: return new ImageWell;
    case ControlClass::Listbox: return new Listbox;
    case ControlClass::Window: break;
  }
  throw std::logic_error("a window is not a control");
}

}  // namespace

void ImplicitWindow::CreateControl(const ControlDesign& design, bool reversed) {
  Platform::Control* control = MakeControl(design.cls);
  auto* widget = dynamic_cast<QWidget*>(control);
  widget->setParent(content_);
  widget->setObjectName(QString::fromLatin1(design.name));

  // The picture comes first, before the control's properties.
  if (design.picture) {
    if (auto* canvas = dynamic_cast<Canvas*>(control)) canvas->SetBackdrop(design.picture());
    if (auto* well = dynamic_cast<ImageWell*>(control)) well->SetImage(design.picture());
  }

  PropertyList given = design.props;
  given.emplace_back("Name", design.name);
  given.emplace_back("Left", design.left);
  given.emplace_back("Top", design.top);
  given.emplace_back("Width", design.width);
  given.emplace_back("Height", design.height);
  PropertyList list = CompleteList(design.cls, given);
  if (reversed) std::reverse(list.begin(), list.end());
  const PropertyMap p(Decode(design.cls, Encode(list)));

  control->SetIndex(p.Int("Index"));
  control->ApplyProperties(p);

  // Design coordinates are the window's, also inside a group box or rectangle.
  QRect box(p.Int("Left"), p.Int("Top"), p.Int("Width"), p.Int("Height"));
  if (auto* line = dynamic_cast<Line*>(control)) box = line->GeometryFor(p);
  const QString parentName = p.Text("InitialParent");
  if (!parentName.isEmpty()) {
    QWidget* parent = content_->findChild<QWidget*>(parentName);
    if (!parent) throw NilObjectException("no parent control " + parentName.toStdString());
    widget->setParent(parent);
    box.translate(-parent->mapTo(content_, QPoint(0, 0)));
  }
  widget->setGeometry(box);
  widget->setEnabled(p.Bool("Enabled"));
  widget->setVisible(p.Bool("Visible"));

  // Frames lie below the controls they surround, so every control can be reached.
  if (design.cls == ControlClass::GroupBox || design.cls == ControlClass::Rectangle) widget->lower();

  if (design.handler) {
    const Handler handler = design.handler;
    control->BindEvent([this, handler] { (this->*handler)(); });
  }
}

Platform::Control& ImplicitWindow::FindControl(std::string_view name, int index) {
  const QString wanted = QString::fromUtf8(name.data(), qsizetype(name.size()));
  for (QWidget* w : content_->findChildren<QWidget*>(wanted)) {
    auto* control = dynamic_cast<Platform::Control*>(w);
    if (control && (index == NoIndex || control->Index() == index)) return *control;
  }
  throw NilObjectException("window " + std::string(className_) + " has no control named " +
                           std::string(name));
}

std::string ImplicitWindow::CastMessage(std::string_view name) const {
  return "control " + std::string(name) + " of window " + className_ +
         " is not of the class the handler expects";
}

bool ImplicitWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) RunHandler([this] { Event_Activate(); });
  return QWidget::event(e);
}

void ImplicitWindow::keyPressEvent(QKeyEvent* e) {
  // Return or Enter presses the window's default button, as in the designs.
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    for (PushButton* button : content_->findChildren<PushButton*>()) {
      if (button->IsDefault() && button->isVisible() && button->isEnabled()) {
        button->click();
        return;
      }
    }
  }
  QWidget::keyPressEvent(e);
}

void ImplicitWindow::closeEvent(QCloseEvent* e) {
  // The next request for this class builds a fresh window, never this one.
  Unregister();
  QWidget::closeEvent(e);
}
