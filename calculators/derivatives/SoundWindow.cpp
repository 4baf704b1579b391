#include "calculators/derivatives/SoundWindow.h"

#include "app/Pictures.h"
#include "eos/Globals.h"

const PropertyWindowParticulars SoundWindow::kParticulars{
    .frame = {
        .className = "SoundWindow",
        .title = "Speed of Sound CH4",
        .height = 590,
        .picture = sound,
        .definition = "Definition Speed of Sound:\r",
        .definitionWidth = 210,
        .canvasLeft = 240, .canvasTop = 20, .canvasWidth = 120, .canvasHeight = 53,
        .canvasFocusRing = true,
        .panel = {.top = 80, .lowerRows = 0, .clearLeft = 390, .clearTop = 24},
        .line = 535,
    },
    .name = "Speed of Sound", .nameWidth = 125,
    .resultLeft = 160, .resultWidth = 100,
    .unit = "m/s", .unitLeft = 270, .unitWidth = 65,
    .specificUnit = nullptr, .pairLeft = 0, .pairWidth = 0,
    .standardState = nullptr,
    .property = Globals::Setzmann_Sound,
    .zeroIsFailure = true,
    .ownOrder = {"Result", "StaticText11", "Textfunc", "Canvas1"},
};
