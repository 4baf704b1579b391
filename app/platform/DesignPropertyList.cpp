#include "app/platform/DesignPropertyList.h"

#include <algorithm>
#include <map>
#include <set>

namespace Platform {
namespace {

using Names = std::vector<std::string_view>;

const std::map<std::string_view, PropType>& TypeTable() {
  static const std::map<std::string_view, PropType> table = [] {
    std::map<std::string_view, PropType> t;
    for (auto n : {"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth",
                   "MaxHeight", "Frame", "MacProcID", "Index", "Left", "Top", "TabPanelIndex",
                   "TextAlign", "TextSize", "X1", "X2", "Y1", "Y2", "BorderWidth", "LimitText",
                   "Alignment", "ColumnCount", "HeadingIndex", "GridLinesHorizontal",
                   "GridLinesVertical", "DefaultRowHeight", "_ScrollWidth", "_ScrollOffset",
                   "SelectionType"})
      t[n] = PropType::Integer;
    for (auto n : {"Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible",
                   "CloseButton", "Resizeable", "LiveResize", "MaximizeButton", "MinimizeButton",
                   "LockLeft", "LockTop", "LockRight", "LockBottom", "Multiline", "Enabled",
                   "AutoDeactivate", "Bold", "Italic", "Underline", "Default", "Cancel", "Value",
                   "Border", "ScrollbarHorizontal", "ScrollbarVertical", "ScrollBarVertical",
                   "Styled", "Password", "UseFocusRing", "ReadOnly", "AcceptTabs", "AcceptFocus",
                   "EraseBackground", "HasHeading", "Hierarchical", "EnableDrag",
                   "EnableDragReorder", "RequiresSelection", "ColumnsResizable",
                   "AutoHideScrollbars"})
      t[n] = PropType::Boolean;
    for (auto n : {"BackColor", "TextColor", "FillColor", "TopLeftColor", "BottomRightColor",
                   "LineColor"})
      t[n] = PropType::Colour;
    for (auto n : {"Title", "BalloonHelp", "Name", "Text", "Caption", "HelpTag", "TextFont",
                   "Format", "Mask", "ColumnWidths", "InitialValue", "DataSource", "DataField",
                   "InitialParent"})
      t[n] = PropType::String;
    return t;
  }();
  return table;
}

struct ClassTable {
  Names order;
  PropertyList common;  // a value for every name in `order`
};

// Values shared by every control list unless the class or the control says otherwise.
PropertyList SharedControlValues() {
  return {{"Index", NoIndex}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
          {"LockBottom", false}, {"TabPanelIndex", 0}, {"Enabled", true}, {"Visible", true},
          {"HelpTag", ""}, {"AutoDeactivate", true}, {"Bold", false}, {"Italic", false},
          {"Underline", false}, {"DataSource", ""}, {"DataField", ""}, {"InitialParent", ""},
          {"TextColor", Black}, {"TextFont", "System"},
          // Per control; these neutral values only stand in until the control's own.
          {"Name", ""}, {"Left", 0}, {"Top", 0}, {"Width", 0}, {"Height", 0}, {"Text", ""},
          {"Caption", ""}, {"TextSize", 0}, {"Multiline", false}, {"Value", false},
          {"Default", false}};
}

ClassTable MakeTable(Names order, PropertyList classValues) {
  PropertyList common;
  for (auto name : order) {
    auto pick = [&](const PropertyList& from) -> const Property* {
      auto it = std::find_if(from.begin(), from.end(), [&](auto& p) { return p.name == name; });
      return it == from.end() ? nullptr : &*it;
    };
    static const PropertyList shared = SharedControlValues();
    if (auto p = pick(classValues)) common.push_back(*p);
    else if (auto q = pick(shared)) common.push_back(*q);
    else throw std::logic_error("no common value for " + std::string(name));
  }
  return {std::move(order), std::move(common)};
}

const std::map<ControlClass, ClassTable>& ClassTables() {
  static const std::map<ControlClass, ClassTable> tables = [] {
    std::map<ControlClass, ClassTable> t;
    t[ControlClass::Window] = MakeTable(
        {"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight",
         "Frame", "Composite", "HasBackColor", "BackColor", "Title", "Visible", "FullScreen",
         "MenuBarVisible", "CloseButton", "Resizeable", "LiveResize", "MaximizeButton",
         "MinimizeButton", "BalloonHelp", "MacProcID"},
        {{"Placement", 0}, {"Width", 0}, {"Height", 0}, {"MinWidth", 64}, {"MinHeight", 64},
         {"MaxWidth", 32000}, {"MaxHeight", 32000}, {"Frame", 0}, {"Composite", false},
         {"HasBackColor", true}, {"BackColor", White}, {"Title", ""}, {"Visible", true},
         {"FullScreen", false}, {"MenuBarVisible", true}, {"CloseButton", true},
         {"Resizeable", false}, {"LiveResize", true}, {"MaximizeButton", false},
         {"MinimizeButton", false}, {"BalloonHelp", ""}, {"MacProcID", 0}});
    t[ControlClass::StaticText] = MakeTable(
        {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
         "LockBottom", "TabPanelIndex", "Text", "TextAlign", "TextColor", "Multiline", "Enabled",
         "Visible", "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic",
         "Underline", "DataSource", "DataField", "InitialParent"},
        {{"TextAlign", 0}});
    t[ControlClass::EditField] = MakeTable(
        {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
         "LockBottom", "TabPanelIndex", "Border", "Multiline", "ScrollbarHorizontal",
         "ScrollbarVertical", "Styled", "Password", "UseFocusRing", "TextColor", "BackColor",
         "Enabled", "Format", "Visible", "HelpTag", "AutoDeactivate", "TextFont", "TextSize",
         "Bold", "Italic", "Underline", "Text", "Mask", "ReadOnly", "LimitText", "AcceptTabs",
         "Alignment", "DataSource", "DataField", "InitialParent"},
        {{"Border", true}, {"ScrollbarHorizontal", false}, {"ScrollbarVertical", true},
         {"Styled", false}, {"Password", false}, {"UseFocusRing", true}, {"BackColor", White},
         {"Format", ""}, {"Mask", ""}, {"ReadOnly", false}, {"LimitText", 0},
         {"AcceptTabs", false}, {"Alignment", 0}, {"TextSize", 16}});
    t[ControlClass::PushButton] = MakeTable(
        {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
         "LockBottom", "TabPanelIndex", "Caption", "Default", "Cancel", "Enabled", "Visible",
         "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic", "Underline",
         "InitialParent"},
        {{"Cancel", false}});
    t[ControlClass::RadioButton] = MakeTable(
        {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
         "LockBottom", "TabPanelIndex", "Caption", "Enabled", "Visible", "HelpTag",
         "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic", "Underline", "Value",
         "InitialParent"},
        {});
    t[ControlClass::GroupBox] = MakeTable(
        {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
         "LockBottom", "TabPanelIndex", "Caption", "Enabled", "Visible", "HelpTag",
         "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic", "Underline",
         "InitialParent"},
        {});
    t[ControlClass::Line] = MakeTable(
        {"Name", "Index", "Top", "Left", "Width", "Height", "X1", "X2", "Y1", "Y2",
         "TabPanelIndex", "Visible", "BorderWidth", "LineColor", "InitialParent"},
        {{"X1", 0}, {"X2", 0}, {"Y1", 0}, {"Y2", 0}, {"BorderWidth", 1}, {"LineColor", Black}});
    t[ControlClass::Rectangle] = MakeTable(
        {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
         "LockBottom", "TabPanelIndex", "Visible", "HelpTag", "AutoDeactivate", "Enabled",
         "FillColor", "BorderWidth", "TopLeftColor", "BottomRightColor", "InitialParent"},
        {{"FillColor", White}, {"BorderWidth", 1}, {"TopLeftColor", Black},
         {"BottomRightColor", Black}});
    t[ControlClass::Canvas] = MakeTable(
        {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
         "LockBottom", "TabPanelIndex", "Visible", "HelpTag", "AutoDeactivate", "Enabled",
         "UseFocusRing", "AcceptFocus", "AcceptTabs", "EraseBackground", "InitialParent"},
        {{"UseFocusRing", true}, {"AcceptFocus", false}, {"AcceptTabs", false},
         {"EraseBackground", true}});
    t[ControlClass::ImageWell] = MakeTable(
        {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
         "LockBottom", "TabPanelIndex", "InitialParent", "Visible", "HelpTag", "AutoDeactivate",
         "Enabled"},
        {});
    t[ControlClass::Listbox] = MakeTable(
        {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight",
         "LockBottom", "TabPanelIndex", "Visible", "HelpTag", "AutoDeactivate", "Enabled",
         "ColumnCount", "ColumnWidths", "HasHeading", "UseFocusRing", "InitialValue",
         "HeadingIndex", "ScrollbarHorizontal", "ScrollBarVertical", "GridLinesHorizontal",
         "GridLinesVertical", "DefaultRowHeight", "_ScrollWidth", "_ScrollOffset", "TextFont",
         "TextSize", "Bold", "Italic", "Underline", "Hierarchical", "EnableDrag",
         "EnableDragReorder", "RequiresSelection", "SelectionType", "ColumnsResizable",
         "AutoHideScrollbars", "DataSource", "DataField", "InitialParent"},
        {{"ColumnCount", 2}, {"ColumnWidths", "50%, 50%"}, {"HasHeading", true},
         {"UseFocusRing", true}, {"InitialValue", ""}, {"HeadingIndex", -1},
         {"ScrollbarHorizontal", false}, {"ScrollBarVertical", true},
         {"GridLinesHorizontal", 0}, {"GridLinesVertical", 3}, {"DefaultRowHeight", -1},
         {"_ScrollWidth", -1}, {"_ScrollOffset", 0}, {"TextSize", 10}, {"Hierarchical", false},
         {"EnableDrag", false}, {"EnableDragReorder", false}, {"RequiresSelection", false},
         {"SelectionType", 0}, {"ColumnsResizable", false}, {"AutoHideScrollbars", true}});
    return t;
  }();
  return tables;
}

PropType TypeOfValue(const PropValue& v) {
  switch (v.index()) {
    case 0: return PropType::Integer;
    case 1: return PropType::Boolean;
    case 2: return PropType::Colour;
    default: return PropType::String;
  }
}

void PutInt(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

// Reads from a span and refuses to step past its end.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool AtEnd() const { return pos_ == bytes_.size(); }
  std::span<const std::uint8_t> Take(std::size_t count, const std::string& what) {
    if (count > bytes_.size() - pos_)
      throw MalformedPropertyList("property list cut short in " + what);
    auto part = bytes_.subspan(pos_, count);
    pos_ += count;
    return part;
  }
  std::uint32_t TakeUInt(const std::string& what) {
    auto b = Take(4, what);
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
  }
  std::string TakeName() {
    std::string name;
    while (true) {
      if (AtEnd()) throw MalformedPropertyList("property name without a value");
      const std::uint8_t c = bytes_[pos_++];
      if (c == ' ') break;
      const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '_';
      if (!allowed) throw MalformedPropertyList("invalid byte in a property name");
      name += char(c);
    }
    if (name.empty()) throw MalformedPropertyList("empty property name");
    return name;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace

const char* ClassName(ControlClass cls) {
  switch (cls) {
    case ControlClass::Window: return "Window";
    case ControlClass::StaticText: return "StaticText";
    case ControlClass::EditField: return "EditField";
    case ControlClass::PushButton: return "PushButton";
    case ControlClass::RadioButton: return "RadioButton";
    case ControlClass::GroupBox: return "GroupBox";
    case ControlClass::Line: return "Line";
    case ControlClass::Rectangle: return "Rectangle";
    case ControlClass::Canvas: return "Canvas";
    case ControlClass::ImageWell: return "ImageWell";
    case ControlClass::Listbox: return "Listbox";
  }
  return "?";
}

PropType TypeOf(std::string_view name) {
  auto it = TypeTable().find(name);
  if (it == TypeTable().end())
    throw MalformedPropertyList("unknown property " + std::string(name));
  return it->second;
}

const std::vector<std::string_view>& PropertyOrder(ControlClass cls) {
  return ClassTables().at(cls).order;
}

PropertyList CompleteList(ControlClass cls, const PropertyList& given) {
  PropertyList list = ClassTables().at(cls).common;
  for (const Property& p : given) {
    auto it = std::find_if(list.begin(), list.end(), [&](auto& q) { return q.name == p.name; });
    if (it == list.end())
      throw MalformedPropertyList(std::string(ClassName(cls)) + " has no property " + p.name);
    if (TypeOfValue(p.value) != TypeOf(p.name))
      throw MalformedPropertyList("wrong type of value for " + p.name);
    it->value = p.value;
  }
  return list;
}

std::vector<std::uint8_t> Encode(const PropertyList& list) {
  std::vector<std::uint8_t> out;
  for (const Property& p : list) {
    out.insert(out.end(), p.name.begin(), p.name.end());
    out.push_back(' ');
    std::visit(
        [&](const auto& v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::int32_t>) {
            PutInt(out, std::uint32_t(v));
          } else if constexpr (std::is_same_v<T, bool>) {
            out.push_back(v ? 1 : 0);
          } else if constexpr (std::is_same_v<T, Colour>) {
            out.insert(out.end(), {v.red, v.green, v.blue});
          } else {
            PutInt(out, std::uint32_t(v.size()));
            out.insert(out.end(), v.begin(), v.end());
          }
        },
        p.value);
  }
  return out;
}

PropertyList Decode(ControlClass cls, std::span<const std::uint8_t> bytes) {
  const auto& order = PropertyOrder(cls);
  Reader in(bytes);
  PropertyList list;
  std::set<std::string, std::less<>> seen;
  while (!in.AtEnd()) {
    std::string name = in.TakeName();
    const PropType type = TypeOf(name);
    if (std::find(order.begin(), order.end(), name) == order.end())
      throw MalformedPropertyList(std::string(ClassName(cls)) + " has no property " + name);
    if (!seen.insert(name).second) throw MalformedPropertyList("repeated property " + name);
    switch (type) {
      case PropType::Integer:
        list.emplace_back(name, PropValue(std::int32_t(in.TakeUInt(name))));
        break;
      case PropType::Boolean: {
        const std::uint8_t b = in.Take(1, name)[0];
        if (b > 1) throw MalformedPropertyList("boolean " + name + " is neither 0 nor 1");
        list.emplace_back(name, PropValue(b == 1));
        break;
      }
      case PropType::Colour: {
        auto c = in.Take(3, name);
        list.emplace_back(name, PropValue(Colour{c[0], c[1], c[2]}));
        break;
      }
      case PropType::String: {
        const std::uint32_t length = in.TakeUInt(name);
        auto text = in.Take(length, name);
        list.emplace_back(name, PropValue(std::string(text.begin(), text.end())));
        break;
      }
    }
  }
  return list;
}

}  // namespace Platform
