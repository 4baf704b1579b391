#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <memory>

class QMenuBar;

// The program's one menu bar: File (Quit) and Edit (the standard edit commands). It is the
// application's menu bar; the start window shows it above its content.
class MenuBar1 : public QObject {
 public:
  MenuBar1();
  ~MenuBar1() override;

  // A menu bar widget for a window, showing this menu bar's own menus and items.
  QMenuBar* NewView(QWidget* parent);

  QMenu& FileMenu() { return *file_; }
  QMenu& EditMenu() { return *edit_; }
  QAction* QuitAction() { return quit_; }
  // The item of that name, as the menu-item accessors find it; nullptr if none.
  QAction* Item(const QString& name) const;

 private:
  void Untitled0();  // builds the File menu
  void Untitled1();  // builds the Edit menu

  std::unique_ptr<QMenu> file_, edit_;
  QAction* quit_ = nullptr;
};

// The accessor of the one instance, created on the first call.
class MenuBar1& MenuBar1();
// Shut-down: releases the instance; the next accessor call would build a new one.
void ReleaseMenuBar1();
bool MenuBar1Exists();
