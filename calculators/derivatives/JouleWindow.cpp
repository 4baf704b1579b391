#include "calculators/derivatives/JouleWindow.h"

#include "app/Pictures.h"
#include "eos/Globals.h"

const PropertyWindowParticulars JouleWindow::kParticulars{
    .frame = {
        .className = "JouleWindow",
        .title = "Joule-Thomson Coefficient CH4",
        .height = 590,
        .picture = joule,
        .definition = "Definition Joule-Thomson Coefficient:\r",
        .definitionWidth = 305,
        .canvasLeft = 330, .canvasTop = 20, .canvasWidth = 95, .canvasHeight = 52,
        .canvasFocusRing = true,
        .panel = {.top = 80, .lowerRows = 0, .clearLeft = 385, .clearTop = 95},
        .line = 535,
    },
    .name = "Joule-Thomson Coefficient", .nameWidth = 220,
    .resultLeft = 250, .resultWidth = 100,
    .unit = "K/MPa", .unitLeft = 360, .unitWidth = 65,
    .specificUnit = nullptr, .pairLeft = 0, .pairWidth = 0,
    .standardState = nullptr,
    .property = Globals::Setzmann_JouleThomson,
    .zeroIsFailure = false,
    .ownOrder = {"Result", "StaticText11", "Textfunc", "Canvas1"},
};
