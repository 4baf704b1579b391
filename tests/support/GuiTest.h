#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <string_view>

#include "app/ImplicitWindow.h"

// Helpers for tests that drive real windows offscreen, through the controls' names.
namespace GuiTest {

// Types into a field as the user would (raises the field's TextChange).
void Type(ImplicitWindow& window, std::string_view field, const QString& text);
// Clicks a push button or radio button with the mouse.
void Click(ImplicitWindow& window, std::string_view control);
// Presses Return in the window, or in one of its text fields as after typing there.
void PressReturn(ImplicitWindow& window, std::string_view field = {});

QString LabelText(ImplicitWindow& window, std::string_view label);

// Closes every window and empties the module state, so that each test starts afresh.
void ResetProgram();

// Saves a picture of the window into the build folder (for a person to look at) and
// returns its path.
QString Render(QWidget& window, const QString& fileName);

}  // namespace GuiTest
