#include "calculators/energy/EnthalpyWindow.h"

#include "app/Pictures.h"
#include "eos/Globals.h"

namespace {

const StandardStateRows kStandard{
    .referenceNote = "StaticText15",
    .referenceNoteWidth = 286,
    .referenceNoteText = "reference state at 298.15 K and 1 atm: H = 0",
    .name = "Enthalpy", .nameWidth = 125,
    .resultLeft = 170, .unitLeft = 289, .unitWidth = 59,
    .standardNote = "StaticText16",
    .standardNoteHeight = 32,
    .standardNoteText = "reference state at 25 \u02DAC and 1 bar: H = -74810.0  J/mol\rRobie et al. (1979)",
    .tabulated = Globals::RefEnthalpyJmol,
    .addTabulatedFirst = false,
};

}  // namespace

const PropertyWindowParticulars EnthalpyWindow::kParticulars{
    .frame = {
        .className = "EnthalpyWindow",
        .title = "Enthalpy CH4",
        .height = 720,
        .picture = enthalpy1,
        .definition = "Definition Enthalpy:\r",
        .definitionWidth = 160,
        .canvasLeft = 48, .canvasTop = 50, .canvasWidth = 379, .canvasHeight = 60,
        .canvasFocusRing = true,
        .panel = {.top = 125, .lowerRows = 0, .clearLeft = 390, .clearTop = 20},
        .line = 580,
    },
    .name = "Enthalpy", .nameWidth = 145,
    .resultLeft = 170, .resultWidth = 110,
    .unit = "J/mol", .unitLeft = 290, .unitWidth = 59,
    .specificUnit = "kJ/kg", .pairLeft = 350, .pairWidth = 90,
    .standardState = &kStandard,
    .property = Globals::Setzmann_Enthalpy,
    .zeroIsFailure = false,
    .ownOrder = {"EnergyText", "Result", "StaticText11", "Textfunc", "Result1", "StaticText12",
                 "GroupBox3", "Jmol", "kJkg", "Canvas1", "StaticText15", "StaticText16"},
};
