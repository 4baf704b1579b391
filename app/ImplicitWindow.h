#pragma once

#include <QWidget>

class QMenuBar;
class QVBoxLayout;
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "app/platform/Controls.h"
#include "app/platform/DesignPropertyList.h"
#include "app/platform/Runtime.h"

namespace Platform { class Picture; }

class ImplicitWindow;

// A handler is a method of the window without arguments, bound to one control's event.
// Designs bind them with WindowOf<...>::On, which accepts only methods of the window's own
// class and of its bases.
using Handler = void (ImplicitWindow::*)();
using PictureAccessor = const Platform::Picture* (*)();

// One control of a window's design: its class, name and box (window coordinates), the
// values that differ from its class's common ones, its handler and its picture.
struct ControlDesign {
  Platform::ControlClass cls;
  const char* name;
  int left, top, width, height;
  Platform::PropertyList props;
  Handler handler = nullptr;           // Action of a button, TextChange of a field
  PictureAccessor picture = nullptr;   // backdrop of a canvas, image of an image well
};

// A window class as data: its window properties and its controls in design order.
struct WindowDesign {
  const char* className;
  Platform::PropertyList window;
  std::vector<ControlDesign> controls;
  // Some windows store their control lists last property first; the result is the same.
  bool reversedControlLists = false;
};

// The frame of every window: built from its design, one live instance per class, closed
// by the user only. A handler reaches its controls by name on every access.
class ImplicitWindow : public QWidget {
 public:
  ~ImplicitWindow() override;

  const char* ClassName() const { return className_; }

  // Makes the window visible and brings it to the front.
  void Show();

  // The window's content area, exactly the design's Width x Height.
  QWidget& Content() { return *content_; }

  // The control of that name (and control-array index); throws the nil-object error if
  // there is none and the illegal-cast error if it is of another class.
  template <class C>
  C& Control(std::string_view name, int index = Platform::NoIndex) {
    Platform::Control& found = FindControl(name, index);
    if (auto* typed = dynamic_cast<C*>(&found)) return *typed;
    throw Platform::IllegalCastException(CastMessage(name));
  }

  // The same, for the classes that handlers reach most.
  Platform::StaticText& Label(std::string_view name) { return Control<Platform::StaticText>(name); }
  Platform::EditField& Field(std::string_view name) { return Control<Platform::EditField>(name); }
  Platform::RadioButton& Radio(std::string_view name) { return Control<Platform::RadioButton>(name); }
  Platform::Listbox& List(std::string_view name) { return Control<Platform::Listbox>(name); }

  // Runs when the window becomes the active window, in the windows that handle it.
  virtual void Event_Activate() {}

  // Puts a menu bar above the content area.
  void SetMenuBar(QMenuBar* bar);

  // Builds a window of class W (the accessor's work): Layout, CreateControls,
  // AddMenuHandlers; a window whose design says Visible is on screen when this returns.
  template <class W>
  static W& Implicit() {
    if (ImplicitWindow* live = Live(W::Design().className)) return static_cast<W&>(*live);
    auto* window = new W();
    window->Build(W::Design());
    return *window;
  }

  // The live window of a class, or none.
  static ImplicitWindow* Live(std::string_view className);
  // Every live window, oldest first.
  static std::vector<ImplicitWindow*> LiveWindows();
  // Shut-down: releases every live window.
  static void ReleaseAll();

 protected:
  ImplicitWindow();
  // The first step of Layout, before the window's properties are applied.
  virtual void BeforeLayout() {}
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void Build(const WindowDesign& design);
  void Layout(const Platform::PropertyList& list);
  void CreateControl(const ControlDesign& design, bool reversed);
  Platform::Control& FindControl(std::string_view name, int index);
  std::string CastMessage(std::string_view name) const;
  void Unregister();

  const char* className_ = "";
  QWidget* content_ = nullptr;
  QVBoxLayout* layout_ = nullptr;
  bool showOnBuild_ = false;
};

// The base of a window class Self (directly, or over Base, a window class that Self extends).
// Its designs bind their handlers with On, so that a method of another window class, which
// the window could not run, does not compile.
template <class Self, class Base = ImplicitWindow>
class WindowOf : public Base {
 public:
  template <class Owner>
  static Handler On(void (Owner::*method)()) {
    static_assert(std::is_base_of_v<Owner, Self>, "the method is not a handler of the window it is bound on");
    return static_cast<Handler>(method);
  }

 protected:
  using Base::Base;
};
