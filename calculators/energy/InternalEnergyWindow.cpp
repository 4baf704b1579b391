#include "calculators/energy/InternalEnergyWindow.h"

#include "app/Pictures.h"
#include "eos/Globals.h"

namespace {

const StandardStateRows kStandard{
    .referenceNote = "StaticText13",
    .referenceNoteWidth = 305,
    .referenceNoteText = "reference state at 298.15 K and 1 atm: S = 0, H = 0",
    .name = "Internal Energy", .nameWidth = 125,
    .resultLeft = 170, .unitLeft = 289, .unitWidth = 59,
    .standardNote = "StaticText14",
    .standardNoteHeight = 32,
    .standardNoteText = "reference state at 25 \u02DAC and 1 bar: U = -77284.7  J/mol\rRobie et al. (1979)",
    .tabulated = Globals::RefEnthalpyJmol - Globals::RefPresMPa * Globals::RefMolarVol,
    .addTabulatedFirst = true,
};

}  // namespace

const PropertyWindowParticulars InternalEnergyWindow::kParticulars{
    .frame = {
        .className = "InternalEnergyWindow",
        .title = "Internal Energy CH4",
        .height = 720,
        .picture = energy1,
        .definition = "Definition Energy",
        .definitionWidth = 146,
        .canvasLeft = 100, .canvasTop = 50, .canvasWidth = 251, .canvasHeight = 60,
        .canvasFocusRing = true,
        .panel = {.top = 120, .lowerRows = 0, .clearLeft = 390, .clearTop = 24},
        .line = 575,
    },
    .name = "Internal Energy", .nameWidth = 145,
    .resultLeft = 170, .resultWidth = 110,
    .unit = "J/mol", .unitLeft = 290, .unitWidth = 59,
    .specificUnit = "kJ/kg", .pairLeft = 350, .pairWidth = 90,
    .standardState = &kStandard,
    .property = Globals::Setzmann_Energy,
    .zeroIsFailure = false,
    .ownOrder = {"EnergyText", "Result", "StaticText11", "Textfunc", "Result1", "StaticText12",
                 "GroupBox3", "Jmol", "kJkg", "StaticText13", "StaticText14", "Canvas1"},
};
