#include "calculators/energy/GibbsWindow.h"

#include "app/Pictures.h"
#include "eos/Globals.h"

namespace {

const StandardStateRows kStandard{
    .referenceNote = "StaticText15",
    .referenceNoteWidth = 305,
    .referenceNoteText = "reference state at 298.15 K and 1 atm: S = 0, H = 0",
    .name = "Gibbs Energy", .nameWidth = 145,
    .resultLeft = 170, .unitLeft = 289, .unitWidth = 59,
    .standardNote = "StaticText14",
    .standardNoteHeight = 30,
    .standardNoteText = "reference state at 25 \u02DAC and 1 bar: G = -130343.4  J/mol\rRobie et al. (1979)",
    .tabulated = Globals::RefEnthalpyJmol - Globals::RefTempKelvin * Globals::RefEntropyJmolK,
    .addTabulatedFirst = false,
};

}  // namespace

const PropertyWindowParticulars GibbsWindow::kParticulars{
    .frame = {
        .className = "GibbsWindow",
        .title = "Gibbs Energy CH4",
        .height = 680,
        .picture = gibbs,
        .definition = "Definition Gibbs Energy:\r",
        .definitionWidth = 243,
        .canvasLeft = 230, .canvasTop = 25, .canvasWidth = 110, .canvasHeight = 43,
        .canvasFocusRing = true,
        .panel = {.top = 80, .lowerRows = 0, .clearLeft = 385, .clearTop = 20},
        .line = 535,
    },
    .name = "Gibbs Energy", .nameWidth = 145,
    .resultLeft = 170, .resultWidth = 110,
    .unit = "J/mol", .unitLeft = 290, .unitWidth = 59,
    .specificUnit = "kJ/kg", .pairLeft = 350, .pairWidth = 90,
    .standardState = &kStandard,
    .property = Globals::Setzmann_Gibbs,
    .zeroIsFailure = false,
    .ownOrder = {"EnergyText", "Result", "StaticText11", "Textfunc", "Result1", "StaticText12",
                 "GroupBox3", "Jmol", "kJkg", "StaticText14", "Canvas1", "StaticText15"},
};
