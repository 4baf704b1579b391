#include "calculators/energy/HelmholtzWindow.h"

#include "app/Pictures.h"
#include "eos/Globals.h"

namespace {

const StandardStateRows kStandard{
    .referenceNote = "StaticText15",
    .referenceNoteWidth = 305,
    .referenceNoteText = "reference state at 298.15 K and 1 atm: S = 0, H = 0",
    .name = "Helmholtz Energy", .nameWidth = 145,
    .resultLeft = 170, .unitLeft = 289, .unitWidth = 59,
    .standardNote = "StaticText14",
    .standardNoteHeight = 30,
    .standardNoteText = "reference state at 25 \u02DAC and 1 bar: A = -132818.1  J/mol\rRobie et al. (1979)",
    .tabulated = (Globals::RefEnthalpyJmol - Globals::RefPresMPa * Globals::RefMolarVol) -
                 Globals::RefTempKelvin * Globals::RefEntropyJmolK,
    .addTabulatedFirst = false,
};

}  // namespace

const PropertyWindowParticulars HelmholtzWindow::kParticulars{
    .frame = {
        .className = "HelmholtzWindow",
        .title = "Helmholtz Energy CH4",
        .height = 720,
        .picture = Helmholtz1,
        .definition = "Definition Helmholtz Energy:\r",
        .definitionWidth = 243,
        .canvasLeft = 90, .canvasTop = 50, .canvasWidth = 280, .canvasHeight = 56,
        .canvasFocusRing = true,
        .panel = {.top = 115, .lowerRows = 0, .clearLeft = 385, .clearTop = 20},
        .line = 570,
    },
    .name = "Helmholtz Energy", .nameWidth = 145,
    .resultLeft = 170, .resultWidth = 110,
    .unit = "J/mol", .unitLeft = 290, .unitWidth = 59,
    .specificUnit = "kJ/kg", .pairLeft = 350, .pairWidth = 90,
    .standardState = &kStandard,
    .property = Globals::Setzmann_Helmholtz,
    .zeroIsFailure = false,
    .ownOrder = {"EnergyText", "Result", "StaticText11", "Textfunc", "Result1", "StaticText12",
                 "GroupBox3", "Jmol", "kJkg", "StaticText14", "Canvas1", "StaticText15"},
};
