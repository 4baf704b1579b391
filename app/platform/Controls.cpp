#include "app/platform/Controls.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QPainter>

#include "app/platform/Pictures.h"
#include "app/platform/Runtime.h"

namespace Platform {

PropertyMap::PropertyMap(const PropertyList& list) {
  for (const Property& p : list) values_[p.name] = p.value;
}

int PropertyMap::Int(const std::string& name) const {
  auto it = values_.find(name);
  return it == values_.end() ? 0 : std::get<std::int32_t>(it->second);
}

bool PropertyMap::Bool(const std::string& name) const {
  auto it = values_.find(name);
  return it != values_.end() && std::get<bool>(it->second);
}

Colour PropertyMap::Rgb(const std::string& name) const {
  auto it = values_.find(name);
  return it == values_.end() ? Black : std::get<Platform::Colour>(it->second);
}

QString PropertyMap::Text(const std::string& name) const {
  auto it = values_.find(name);
  return it == values_.end() ? QString() : QString::fromStdString(std::get<std::string>(it->second));
}

void Control::Raise() const {
  if (event_ && !QuietWrite::Active()) RunHandler(event_);
}

QColor ToQColor(Colour c) { return QColor(c.red, c.green, c.blue); }

void ApplyFont(QWidget& widget, const PropertyMap& p) {
  QFont font = QApplication::font();
  if (p.Has("TextFont")) font.setFamily(FontFamily(p.Text("TextFont")));
  if (p.Int("TextSize") > 0) font.setPixelSize(p.Int("TextSize"));
  font.setBold(p.Bool("Bold"));
  font.setItalic(p.Bool("Italic"));
  font.setUnderline(p.Bool("Underline"));
  widget.setFont(font);
}

namespace {

void SetTextColour(QWidget& w, QPalette::ColorRole role, Colour c) {
  QPalette palette = w.palette();
  palette.setColor(role, ToQColor(c));
  w.setPalette(palette);
}

}  // namespace

// ---------------------------------------------------------------- StaticText

StaticText::StaticText() {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Labels let clicks through to whatever lies below them.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StaticText::ApplyProperties(const PropertyMap& p) {
  ApplyFont(*this, p);
  setWordWrap(p.Bool("Multiline"));
  const int align = p.Int("TextAlign");
  const Qt::Alignment horizontal = align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
  setAlignment(horizontal | Qt::AlignTop);
  SetTextColor(p.Rgb("TextColor"));
  SetText(p.Text("Text"));
}

void StaticText::SetText(const QString& text) {
  text_ = text;
  QString shown = text;
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // A unit such as "cm /mol" leaves a blank for a raised "3" drawn by a label of its own;
  // our fonts' blank is narrower than that digit, so it is shown as an en space.
  shown.replace(QStringLiteral("cm /"), QStringLiteral("cm\u2002/"));
  setText(shown);
}

void StaticText::SetTextColor(Platform::Colour c) {
  colour_ = c;
  SetTextColour(*this, QPalette::WindowText, c);
}

void StaticText::SetTextSize(int pixels) {
  QFont f = font();
  if (pixels > 0) f.setPixelSize(pixels);
  else f.setPixelSize(QApplication::font().pixelSize() > 0 ? QApplication::font().pixelSize() : 12);
  setFont(f);
}

// ---------------------------------------------------------------- EditField

EditField::EditField() = default;

void EditField::ApplyProperties(const PropertyMap& p) {
  ApplyFont(*this, p);
  setFrame(p.Bool("Border"));
  setReadOnly(p.Bool("ReadOnly"));
  setEchoMode(p.Bool("Password") ? QLineEdit::Password : QLineEdit::Normal);
  if (p.Int("LimitText") > 0) setMaxLength(p.Int("LimitText"));
  const int align = p.Int("Alignment");
  setAlignment((align == 2 ? Qt::AlignHCenter : align == 3 ? Qt::AlignRight : Qt::AlignLeft) |
               Qt::AlignVCenter);
  SetTextColour(*this, QPalette::Text, p.Rgb("TextColor"));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Base, ToQColor(p.Rgb("BackColor")));
  setPalette(palette);
  SetText(p.Text("Text"));
}

void EditField::BindEvent(std::function<void()> handler) {
  event_ = std::move(handler);
  // textChanged, not textEdited: a paste or a test's setText counts as typing too. The
  // program's own writes go through SetText, which is quiet.
  QObject::connect(this, &QLineEdit::textChanged, this, [this] { Raise(); });
}

void EditField::SetText(const QString& text) {
  QuietWrite quiet;
  setText(text);
}

// ---------------------------------------------------------------- PushButton

PushButton::PushButton() { setAutoDefault(false); }

void PushButton::ApplyProperties(const PropertyMap& p) {
  ApplyFont(*this, p);
  setText(p.Text("Caption"));
  setDefault(p.Bool("Default"));
}

void PushButton::BindEvent(std::function<void()> handler) {
  event_ = std::move(handler);
  QObject::connect(this, &QPushButton::clicked, this, [this] { Raise(); });
}

// ---------------------------------------------------------------- RadioButton

RadioButton::RadioButton() = default;

void RadioButton::ApplyProperties(const PropertyMap& p) {
  ApplyFont(*this, p);
  setText(p.Text("Caption"));
  SetValue(p.Bool("Value"));
}

void RadioButton::BindEvent(std::function<void()> handler) {
  event_ = std::move(handler);
  // Only a button that goes on raises Action; clicking the one already on does nothing.
  QObject::connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Raise();
  });
}

void RadioButton::SetValue(bool on) {
  QuietWrite quiet;
  if (on) {
    setChecked(true);
  } else {
    // Every button is in the exclusive group of its parent's buttons (see event below).
    QButtonGroup* siblings = group();
    if (siblings) siblings->setExclusive(false);
    setChecked(false);
    if (siblings) siblings->setExclusive(true);
  }
}

// Qt's auto-exclusivity gathers a parent's radio buttons recursively, so buttons placed on
// the window itself would also exclude those inside its group boxes. One exclusive button
// group per parent keeps exclusion to the buttons that share that parent.
bool RadioButton::event(QEvent* e) {
  if (e->type() == QEvent::ParentChange) {
    if (group()) group()->removeButton(this);
    if (QWidget* parent = parentWidget()) {
      const QString name = QStringLiteral("radioButtonGroup");
      auto* siblings = parent->findChild<QButtonGroup*>(name, Qt::FindDirectChildrenOnly);
      if (!siblings) {
        siblings = new QButtonGroup(parent);
        siblings->setObjectName(name);
      }
      siblings->addButton(this);
    }
  }
  return QRadioButton::event(e);
}

// ---------------------------------------------------------------- GroupBox

GroupBox::GroupBox() = default;

void GroupBox::ApplyProperties(const PropertyMap& p) {
  ApplyFont(*this, p);
  setTitle(p.Text("Caption"));
  setFlat(false);
}

// ---------------------------------------------------------------- Line

Line::Line() { setAttribute(Qt::WA_TransparentForMouseEvents); }

QRect Line::GeometryFor(const PropertyMap& p) const {
  const int width = std::max(1, p.Int("BorderWidth"));
  const int x1 = p.Int("X1"), x2 = p.Int("X2"), y1 = p.Int("Y1"), y2 = p.Int("Y2");
  return QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + width,
               std::abs(y2 - y1) + width);
}

void Line::ApplyProperties(const PropertyMap& p) {
  const QRect box = GeometryFor(p);
  from_ = QPoint(p.Int("X1"), p.Int("Y1")) - box.topLeft();
  to_ = QPoint(p.Int("X2"), p.Int("Y2")) - box.topLeft();
  borderWidth_ = std::max(1, p.Int("BorderWidth"));
  colour_ = p.Rgb("LineColor");
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(ToQColor(colour_));
  pen.setWidth(borderWidth_);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  const QPointF half(borderWidth_ / 2.0, borderWidth_ / 2.0);
  painter.drawLine(QPointF(from_) + half, QPointF(to_) + half);
}

// ---------------------------------------------------------------- Rectangle

// Not transparent for the mouse: Qt would hide the controls placed inside it from clicks too.
// It lies below its siblings, so it never covers a control that is not its own.
Rectangle::Rectangle() = default;

void Rectangle::ApplyProperties(const PropertyMap& p) {
  fill_ = p.Rgb("FillColor");
  topLeft_ = p.Rgb("TopLeftColor");
  bottomRight_ = p.Rgb("BottomRightColor");
  borderWidth_ = p.Int("BorderWidth");
}

void Rectangle::SetTopLeftColor(Platform::Colour c) {
  topLeft_ = c;
  update();
}

void Rectangle::SetBottomRightColor(Platform::Colour c) {
  bottomRight_ = c;
  update();
}

void Rectangle::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(fill_));
  for (int i = 0; i < borderWidth_; ++i) {
    const QRect r = rect().adjusted(i, i, -i - 1, -i - 1);
    painter.setPen(ToQColor(topLeft_));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(ToQColor(bottomRight_));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  }
}

// ---------------------------------------------------------------- Canvas

Canvas::Canvas() { setFocusPolicy(Qt::NoFocus); }

void Canvas::ApplyProperties(const PropertyMap& p) {
  erase_ = p.Bool("EraseBackground");
  setFocusPolicy(p.Bool("AcceptFocus") ? Qt::StrongFocus : Qt::NoFocus);
}

void Canvas::SetBackdrop(const Picture* picture) {
  picture_ = picture;
  update();
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (erase_) painter.fillRect(rect(), palette().window());
  if (picture_) picture_->Draw(painter, rect());
}

// ---------------------------------------------------------------- ImageWell

ImageWell::ImageWell() = default;

void ImageWell::SetImage(const Picture* picture) {
  picture_ = picture;
  update();
}

void ImageWell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_) picture_->Draw(painter, rect());
}

// ---------------------------------------------------------------- Listbox

Listbox::Listbox() {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
}

void Listbox::ApplyProperties(const PropertyMap& p) {
  ApplyFont(*this, p);
  setColumnCount(std::max(1, p.Int("ColumnCount")));
  setHeaderHidden(!p.Bool("HasHeading"));
  setVerticalScrollBarPolicy(!p.Bool("ScrollBarVertical") ? Qt::ScrollBarAlwaysOff
                             : p.Bool("AutoHideScrollbars") ? Qt::ScrollBarAsNeeded
                                                            : Qt::ScrollBarAlwaysOn);
  header()->setSectionResizeMode(p.Bool("ColumnsResizable") ? QHeaderView::Interactive
                                                            : QHeaderView::Fixed);
  columnShares_.clear();
  for (const QString& part : p.Text("ColumnWidths").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    QString share = part.trimmed();
    if (share.endsWith(QLatin1Char('%'))) share.chop(1);
    columnShares_.append(share.toDouble() / 100.0);
  }
}

void Listbox::resizeEvent(QResizeEvent* e) {
  QTreeWidget::resizeEvent(e);
  const int width = viewport()->width();
  for (int c = 0; c < columnShares_.size() && c < columnCount(); ++c)
    setColumnWidth(c, int(width * columnShares_[c]));
}

void Listbox::DeleteAllRows() { clear(); }

void Listbox::AddRow(const QString& firstCell) {
  auto* item = new QTreeWidgetItem(this);
  item->setText(0, firstCell);
}

void Listbox::AddRow(const QString& cell0, const QString& cell1) {
  AddRow(QStringLiteral(" "));
  SetCell(LastIndex(), 0, cell0);
  SetCell(LastIndex(), 1, cell1);
}

QString Listbox::Cell(int row, int column) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->text(column) : QString();
}

void Listbox::SetCell(int row, int column, const QString& text) {
  if (QTreeWidgetItem* item = topLevelItem(row)) item->setText(column, text);
}

QString Listbox::Heading(int column) const { return headerItem()->text(column); }

void Listbox::SetHeading(int column, const QString& text) { headerItem()->setText(column, text); }

}  // namespace Platform
