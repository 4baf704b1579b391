#include "app/Start.h"

#include "app/Conventions.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Selection.h"

using enum Platform::ControlClass;

const WindowDesign& Start::Design() {
  static const WindowDesign design{
      "Start",
      {{"Title", "start"}, {"Width", 540}, {"Height", 510}, {"Placement", 0}},
      {
          {StaticText, "StaticText3", 205, 130, 130, 30,
           {{"Text", "Quarn Zeq"}, {"TextSize", 24}, {"Multiline", true}}},
          HorizontalLineRow("Line1", 0, 90, 540),
          {ImageWell, "ImageWell1", 1, 2, 368, 87, {}, nullptr, Logo10},
          {PushButton, "continue1", 445, 465, 75, 25,
           {{"Caption", "continue"}, {"TextSize", 12}, {"Default", true}},
           On(&Start::continue1_Action)},
          {StaticText, "StaticText2", 143, 165, 255, 25,
           {{"Text", "Software Package Torvel, v.2"}, {"TextSize", 18}, {"TextAlign", 1}}},
          {StaticText, "StaticText8", 20, 210, 500, 61,
           {{"Text",
             "R. Uvuvuzur, Z. Ivirad (1991) A new equation of state and tables of "
             "thermodynamic properties for methane covering the range from the melting line "
             "to 625 K at pressures up to 1000 MPa. Journal of Physical and Chemical "
             "Reference Data, vol. 20, 1061-1155."},
            {"TextSize", 12}, {"Multiline", true}}},
          {StaticText, "StaticText9", 20, 285, 145, 20,
           {{"Text", "Fluid system: pure CH4"}, {"TextSize", 12}}},
          {StaticText, "StaticText10", 20, 310, 476, 20,
           {{"Text", "Reduced Helmholtz Energy Function:"}, {"TextSize", 12}}},
          {StaticText, "StaticText11", 20, 450, 50, 15,
           {{"Text", "Limits:"}, {"TextSize", 12}, {"Multiline", true}}},
          {Canvas, "Canvas1", 130, 335, 280, 56, {}, nullptr, Helmholtz1},
          {Canvas, "Canvas2", 200, 390, 88, 45, {}, nullptr, delta1},
          {StaticText, "StaticText12", 130, 400, 44, 20,
           {{"Text", "where"}, {"TextSize", 12}}},
          {Canvas, "Canvas3", 330, 390, 88, 45, {}, nullptr, tau1},
          {StaticText, "StaticText13", 70, 450, 280, 35,
           {{"Text", "-183.15 to +351.85 \u02DAC (90 to 625 K)\r maximum 1000 MPa"},
            {"TextSize", 12}, {"Multiline", true}}},
      }};
  return design;
}

void Start::BeforeLayout() { SetMenuBar(MenuBar1().NewView(this)); }

void Start::continue1_Action() { Selection().Show(); }

QAction* Start::EditMenu() { return MenuBar1().Item(QStringLiteral("EditMenu")); }
QAction* Start::EditSelectAll() { return MenuBar1().Item(QStringLiteral("EditSelectAll")); }
QAction* Start::UntitledMenu0() { return MenuBar1().Item(QStringLiteral("UntitledMenu0")); }
QAction* Start::EditClear() { return MenuBar1().Item(QStringLiteral("EditClear")); }
QAction* Start::EditPaste() { return MenuBar1().Item(QStringLiteral("EditPaste")); }
QAction* Start::EditCopy() { return MenuBar1().Item(QStringLiteral("EditCopy")); }
QAction* Start::EditCut() { return MenuBar1().Item(QStringLiteral("EditCut")); }
QAction* Start::UntitledMenu1() { return MenuBar1().Item(QStringLiteral("UntitledMenu1")); }
QAction* Start::EditUndo() { return MenuBar1().Item(QStringLiteral("EditUndo")); }
QAction* Start::FileMenu() { return MenuBar1().Item(QStringLiteral("FileMenu")); }
QAction* Start::FileQuit() { return MenuBar1().Item(QStringLiteral("FileQuit")); }
