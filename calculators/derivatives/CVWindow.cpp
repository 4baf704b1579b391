#include "calculators/derivatives/CVWindow.h"

#include "app/Pictures.h"
#include "eos/Globals.h"

const PropertyWindowParticulars CVWindow::kParticulars{
    .frame = {
        .className = "CVWindow",
        .title = "Heat Capacity CH4 (constant volume)",
        .height = 650,
        .picture = cv1,
        .definition = "Definition Heat Capacity:\r",
        .definitionWidth = 200,
        .canvasLeft = 80, .canvasTop = 50, .canvasWidth = 290, .canvasHeight = 60,
        .canvasFocusRing = true,
        .panel = {.top = 115, .lowerRows = 0, .clearLeft = 390, .clearTop = 24},
        .line = 570,
    },
    .name = "Heat Capacity", .nameWidth = 110,
    .resultLeft = 150, .resultWidth = 100,
    .unit = "J/mol K", .unitLeft = 260, .unitWidth = 65,
    .specificUnit = "kJ/kg K", .pairLeft = 340, .pairWidth = 100,
    .standardState = nullptr,
    .property = Globals::Setzmann_Cv,
    .zeroIsFailure = false,
    .ownOrder = {"Result", "StaticText11", "Textfunc", "GroupBox3", "Jmol", "kJkg", "Canvas1"},
};
