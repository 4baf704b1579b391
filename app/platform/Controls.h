#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <map>

#include "app/platform/DesignPropertyList.h"

// The ten kinds of control a window is built from. Each is a Qt widget whose objectName is
// the control's name. Setters called by the program are quiet (they raise no event); the
// user's typing and clicking raise TextChange and Action.
namespace Platform {

class Picture;

// A decoded property list looked up by name, whatever order its entries came in.
class PropertyMap {
 public:
  explicit PropertyMap(const PropertyList& list);
  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  int Int(const std::string& name) const;
  bool Bool(const std::string& name) const;
  Platform::Colour Rgb(const std::string& name) const;
  QString Text(const std::string& name) const;

 private:
  std::map<std::string, PropValue> values_;
};

// What every control shares: its class, its place in a control array, and how the frame
// hands it its design-time properties and its one event.
class Control {
 public:
  virtual ~Control() = default;
  virtual ControlClass Class() const = 0;
  // The class's own properties; name, geometry, parent and visibility are the frame's.
  virtual void ApplyProperties(const PropertyMap& p) = 0;
  // Binds the control's Action or TextChange event; classes without one ignore it.
  virtual void BindEvent(std::function<void()> handler) { (void)handler; }

  int Index() const { return index_; }
  void SetIndex(int index) { index_ = index; }

 protected:
  void Raise() const;  // delivers the event, unless the program itself is writing
  std::function<void()> event_;

 private:
  int index_ = NoIndex;
};

// Applies TextFont, TextSize, Bold, Italic and Underline of a list to a widget's font.
void ApplyFont(QWidget& widget, const PropertyMap& p);
QColor ToQColor(Colour c);

class StaticText : public QLabel, public Control {
 public:
  StaticText();
  ControlClass Class() const override { return ControlClass::StaticText; }
  void ApplyProperties(const PropertyMap& p) override;

  // The text keeps its bytes; a carriage return is shown as a line break.
  QString Text() const { return text_; }
  void SetText(const QString& text);
  Platform::Colour TextColor() const { return colour_; }
  void SetTextColor(Platform::Colour c);
  int TextSize() const { return font().pixelSize(); }
  void SetTextSize(int pixels);

 private:
  QString text_;
  Platform::Colour colour_;
};

class EditField : public QLineEdit, public Control {
 public:
  EditField();
  ControlClass Class() const override { return ControlClass::EditField; }
  void ApplyProperties(const PropertyMap& p) override;
  void BindEvent(std::function<void()> handler) override;

  QString Text() const { return text(); }
  void SetText(const QString& text);
};

class PushButton : public QPushButton, public Control {
 public:
  PushButton();
  ControlClass Class() const override { return ControlClass::PushButton; }
  void ApplyProperties(const PropertyMap& p) override;
  void BindEvent(std::function<void()> handler) override;
  bool IsDefault() const { return isDefault(); }
};

class RadioButton : public QRadioButton, public Control {
 public:
  RadioButton();
  ControlClass Class() const override { return ControlClass::RadioButton; }
  void ApplyProperties(const PropertyMap& p) override;
  void BindEvent(std::function<void()> handler) override;

  bool Value() const { return isChecked(); }
  // Really turns a button off, which Qt refuses for the checked button of a group.
  void SetValue(bool on);

 protected:
  // Joins the button group of its parent whenever it is given one.
  bool event(QEvent* e) override;
};

class GroupBox : public QGroupBox, public Control {
 public:
  GroupBox();
  ControlClass Class() const override { return ControlClass::GroupBox; }
  void ApplyProperties(const PropertyMap& p) override;
};

class Line : public QWidget, public Control {
 public:
  Line();
  ControlClass Class() const override { return ControlClass::Line; }
  void ApplyProperties(const PropertyMap& p) override;
  // Lines are placed by their end points, in window coordinates.
  QRect GeometryFor(const PropertyMap& p) const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPoint from_, to_;
  int borderWidth_ = 1;
  Platform::Colour colour_;
};

class Rectangle : public QWidget, public Control {
 public:
  Rectangle();
  ControlClass Class() const override { return ControlClass::Rectangle; }
  void ApplyProperties(const PropertyMap& p) override;

  // The border is drawn in two colours: the top and left edges, the bottom and right ones.
  Platform::Colour TopLeftColor() const { return topLeft_; }
  void SetTopLeftColor(Platform::Colour c);
  Platform::Colour BottomRightColor() const { return bottomRight_; }
  void SetBottomRightColor(Platform::Colour c);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Platform::Colour fill_ = White, topLeft_, bottomRight_;
  int borderWidth_ = 1;
};

// Shows a picture as its backdrop, scaled to the control.
class Canvas : public QWidget, public Control {
 public:
  Canvas();
  ControlClass Class() const override { return ControlClass::Canvas; }
  void ApplyProperties(const PropertyMap& p) override;
  void SetBackdrop(const Picture* picture);
  const Picture* Backdrop() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const Picture* picture_ = nullptr;
  bool erase_ = true;
};

class ImageWell : public QWidget, public Control {
 public:
  ImageWell();
  ControlClass Class() const override { return ControlClass::ImageWell; }
  void ApplyProperties(const PropertyMap&) override {}
  void SetImage(const Picture* picture);
  const Picture* Image() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const Picture* picture_ = nullptr;
};

// A list of rows with two text cells each and a heading.
class Listbox : public QTreeWidget, public Control {
 public:
  Listbox();
  ControlClass Class() const override { return ControlClass::Listbox; }
  void ApplyProperties(const PropertyMap& p) override;

  void DeleteAllRows();
  void AddRow(const QString& firstCell);
  // A row of two cells, added as the tables of the program add theirs: a row whose first
  // cell is a blank, then both cells of the row added last.
  void AddRow(const QString& cell0, const QString& cell1);
  int LastIndex() const { return topLevelItemCount() - 1; }
  int ListCount() const { return topLevelItemCount(); }
  QString Cell(int row, int column) const;
  void SetCell(int row, int column, const QString& text);
  QString Heading(int column) const;
  void SetHeading(int column, const QString& text);

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QList<double> columnShares_;
};

}  // namespace Platform
