#include "calculators/energy/EntropyWindow.h"

#include "app/Pictures.h"
#include "eos/Globals.h"

namespace {

const StandardStateRows kStandard{
    .referenceNote = "StaticText15",
    .referenceNoteWidth = 286,
    .referenceNoteText = "reference state at 298.15 K and 1 atm: S = 0",
    .name = "Entropy", .nameWidth = 100,
    .resultLeft = 140, .unitLeft = 259, .unitWidth = 65,
    .standardNote = "StaticText14",
    .standardNoteHeight = 30,
    .standardNoteText = "reference state at 25 \u02DAC and 1 bar: S = 186.26  J/mol K\rRobie et al. (1979)",
    .tabulated = Globals::RefEntropyJmolK,
    .addTabulatedFirst = false,
};

}  // namespace

const PropertyWindowParticulars EntropyWindow::kParticulars{
    .frame = {
        .className = "EntropyWindow",
        .title = "Entropy CH4",
        .height = 720,
        .picture = entropy1,
        .definition = "Definition Entropy:\r",
        .definitionWidth = 160,
        .canvasLeft = 60, .canvasTop = 55, .canvasWidth = 337, .canvasHeight = 60,
        .canvasFocusRing = true,
        .panel = {.top = 125, .lowerRows = 0, .clearLeft = 390, .clearTop = 24},
        .line = 580,
    },
    .name = "Entropy", .nameWidth = 100,
    .resultLeft = 140, .resultWidth = 110,
    .unit = "J/mol K", .unitLeft = 260, .unitWidth = 65,
    .specificUnit = "kJ/kg K", .pairLeft = 340, .pairWidth = 100,
    .standardState = &kStandard,
    .property = Globals::Setzmann_Entropy,
    .zeroIsFailure = false,
    .ownOrder = {"EnergyText", "Result", "StaticText11", "Textfunc", "Result1", "StaticText12",
                 "GroupBox3", "Jmol", "kJkg", "StaticText14", "Canvas1", "StaticText15"},
};
