#include "calculators/derivatives/CPWindow.h"

#include "app/Pictures.h"
#include "eos/Globals.h"

const PropertyWindowParticulars CPWindow::kParticulars{
    .frame = {
        .className = "CPWindow",
        .title = "Heat Capacity CH4 (constant pressure)",
        .height = 720,
        .picture = cp1,
        .definition = "Definition Heat Capacity:\r",
        .definitionWidth = 200,
        .canvasLeft = 20, .canvasTop = 50, .canvasWidth = 426, .canvasHeight = 120,
        .canvasFocusRing = false,
        .panel = {.top = 185, .lowerRows = 0, .clearLeft = 385, .clearTop = 20},
        .line = 640,
    },
    .name = "Heat Capacity", .nameWidth = 110,
    .resultLeft = 150, .resultWidth = 100,
    .unit = "J/mol K", .unitLeft = 260, .unitWidth = 65,
    .specificUnit = "kJ/kg K", .pairLeft = 340, .pairWidth = 100,
    .standardState = nullptr,
    .property = Globals::Setzmann_Cp,
    .zeroIsFailure = false,
    .ownOrder = {"Result", "StaticText11", "Textfunc", "GroupBox3", "Jmol", "kJkg", "Canvas1"},
};
