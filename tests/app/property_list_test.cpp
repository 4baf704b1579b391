#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/ImplicitWindow.h"
#include "app/platform/DesignPropertyList.h"

using namespace Platform;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Ascii(const char* text) { return Bytes(text, text + std::strlen(text)); }

PropertyList StartLine1() {
  return CompleteList(ControlClass::Line, {{"Name", "Line1"}, {"Top", 90}, {"Left", 0},
                                           {"Width", 540}, {"Height", 0}, {"X1", 0},
                                           {"X2", 540}, {"Y1", 90}, {"Y2", 90}});
}

}  // namespace

TEST(PropertyList, EncodesTheStartWindowsRuleByteForByte) {
  const Bytes expected = Concat({
      Ascii("Name "), {0, 0, 0, 5}, Ascii("Line1"), Ascii("Index "), {0x80, 0, 0, 0},
      Ascii("Top "), {0, 0, 0, 0x5A}, Ascii("Left "), {0, 0, 0, 0}, Ascii("Width "), {0, 0, 0x02, 0x1C},
      Ascii("Height "), {0, 0, 0, 0}, Ascii("X1 "), {0, 0, 0, 0}, Ascii("X2 "), {0, 0, 0x02, 0x1C},
      Ascii("Y1 "), {0, 0, 0, 0x5A}, Ascii("Y2 "), {0, 0, 0, 0x5A}, Ascii("TabPanelIndex "), {0, 0, 0, 0},
      Ascii("Visible "), {1}, Ascii("BorderWidth "), {0, 0, 0, 1}, Ascii("LineColor "), {0, 0, 0},
      Ascii("InitialParent "), {0, 0, 0, 0}});
  ASSERT_EQ(expected.size(), 164u);
  EXPECT_EQ(Encode(StartLine1()), expected);
  EXPECT_EQ(Decode(ControlClass::Line, expected), StartLine1());
}

TEST(PropertyList, ReadsIntegersThatLookLikeOtherTypes) {
  PropertyList list = CompleteList(ControlClass::Listbox, {{"Name", "ListBox1"}});
  const PropertyMap listbox(Decode(ControlClass::Listbox, Encode(list)));
  EXPECT_EQ(listbox.Int("GridLinesVertical"), 3);  // an integer, not a boolean
  EXPECT_EQ(listbox.Int("HeadingIndex"), -1);
  EXPECT_EQ(listbox.Int("Index"), NoIndex);

  list = CompleteList(ControlClass::StaticText, {{"Name", "Pressure"}, {"Index", 1}});
  EXPECT_EQ(PropertyMap(Decode(ControlClass::StaticText, Encode(list))).Int("Index"), 1);
}

TEST(PropertyList, KeepsTextBytesExactly) {
  const char* text = "in \u02DAC\r maximum";  // U+02DA is CB 9A in UTF-8
  const Bytes bytes = Encode({{"Text", text}});
  const Bytes degreeC{0xCB, 0x9A, 'C', 0x0D};
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), degreeC.begin(), degreeC.end()), bytes.end());
  const PropertyList back = Decode(ControlClass::StaticText, bytes);
  EXPECT_EQ(std::get<std::string>(back[0].value), text);
  EXPECT_EQ(PropertyMap(back).Text("Text"), QString::fromUtf8(text));
}

TEST(PropertyList, RejectsMalformedLists) {
  const Bytes good = Encode({{"Name", "x"}, {"Visible", true}, {"Top", 3}});
  ASSERT_NO_THROW(Decode(ControlClass::StaticText, good));
  const struct { const char* why; Bytes bytes; } cases[] = {
      {"integer cut short", Concat({Ascii("Top "), {0, 0, 1}})},
      {"string longer than the list", Concat({Ascii("Text "), {0, 0, 0, 9}, Ascii("abc")})},
      {"string length near 4 GiB", Concat({Ascii("Text "), {0xFF, 0xFF, 0xFF, 0xFF}, Ascii("a")})},
      {"colour cut short", Concat({Ascii("TextColor "), {0, 0}})},
      {"boolean missing", Ascii("Visible ")},
      {"boolean byte 2", Concat({Ascii("Visible "), {2}})},
      {"unknown name", Concat({Ascii("Colour "), {0, 0, 0}})},
      {"name of another class", Concat({Ascii("LineColor "), {0, 0, 0}})},
      {"repeated name", Concat({Ascii("Top "), {0, 0, 0, 1}, Ascii("Top "), {0, 0, 0, 2}})},
      {"name without blank", Ascii("Visible")},
      {"lower-case key", Concat({Ascii("visible "), {1}})},
      {"key with a stray byte", Concat({Ascii("Vis\x01ible "), {1}})},
  };
  for (const auto& c : cases)
    EXPECT_THROW(Decode(ControlClass::StaticText, c.bytes), MalformedPropertyList) << c.why;
  // Keys match exactly: the list box's ScrollBarVertical is not the field's ScrollbarVertical.
  EXPECT_THROW(Decode(ControlClass::EditField, Concat({Ascii("ScrollBarVertical "), {1}})),
               MalformedPropertyList);
  EXPECT_NO_THROW(Decode(ControlClass::Listbox, Concat({Ascii("ScrollBarVertical "), {1}})));
  // The same checks hold for the lists that designs complete.
  EXPECT_THROW(CompleteList(ControlClass::PushButton, {{"Text", "x"}}), MalformedPropertyList);
  EXPECT_THROW(CompleteList(ControlClass::PushButton, {{"Caption", 3}}), MalformedPropertyList);
}

// A window whose control lists are stored last property first, and one in class order.
template <bool Reversed>
class TwoFields : public WindowOf<TwoFields<Reversed>> {
 public:
  static const WindowDesign& Design() {
    using enum ControlClass;
    static const WindowDesign design{
        Reversed ? "Reversed" : "Forward",
        {{"Title", "t"}, {"Width", 200}, {"Height", 100}, {"Visible", false}},
        {{GroupBox, "GroupBox1", 10, 10, 150, 80, {{"Caption", "Select"}, {"Italic", true}}},
         {RadioButton, "Choice0", 20, 40, 120, 20,
          {{"Caption", "in \u02DAC"}, {"TextSize", 12}, {"Value", true},
           {"InitialParent", "GroupBox1"}}},
         {StaticText, "Pressure", 20, 65, 60, 20, {{"Text", "a\rb"}, {"Index", 1}}}},
        Reversed};
    return design;
  }
};

TEST(PropertyList, AReversedListBuildsTheSameControl) {
  auto& forward = ImplicitWindow::Implicit<TwoFields<false>>();
  auto& reversed = ImplicitWindow::Implicit<TwoFields<true>>();
  for (ImplicitWindow* w : {static_cast<ImplicitWindow*>(&forward), static_cast<ImplicitWindow*>(&reversed)}) {
    EXPECT_FALSE(w->isVisible());  // as its design says, until shown
    auto& radio = w->Radio("Choice0");
    EXPECT_EQ(radio.text(), QString::fromUtf8("in \u02DAC"));
    EXPECT_TRUE(radio.Value());
    EXPECT_EQ(radio.font().pixelSize(), 12);
    EXPECT_EQ(radio.parentWidget()->objectName(), "GroupBox1");
    // Design coordinates are the window's; inside the group box they become relative.
    EXPECT_EQ(radio.mapTo(&w->Content(), QPoint(0, 0)), QPoint(20, 40));
    EXPECT_EQ(w->Label("Pressure").Text(), "a\rb");
    EXPECT_EQ(w->Control<StaticText>("Pressure", 1).Index(), 1);
    EXPECT_THROW(w->Control<StaticText>("Pressure", 0), NilObjectException);
  }
  ImplicitWindow::ReleaseAll();
}
