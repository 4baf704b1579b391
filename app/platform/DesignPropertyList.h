#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Design-time property lists: how every window and control of the program is described.
// A list is a byte string of entries back to back, each the property's ASCII name, one
// blank, and the value by the property's type (integer 4 bytes big-endian, boolean 1 byte,
// colour 3 bytes RGB, string 4-byte big-endian length and UTF-8 bytes).
namespace Platform {

enum class ControlClass {
  Window, StaticText, EditField, PushButton, RadioButton, GroupBox,
  Line, Rectangle, Canvas, ImageWell, Listbox
};

enum class PropType { Integer, Boolean, Colour, String };

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour Black{0, 0, 0};
inline constexpr Colour Red{255, 0, 0};
inline constexpr Colour White{255, 255, 255};

// An integer `Index` of this value means the control is not an element of a control array.
inline constexpr std::int32_t NoIndex = INT32_MIN;

using PropValue = std::variant<std::int32_t, bool, Colour, std::string>;

struct Property {
  std::string name;
  PropValue value;

  Property(std::string_view n, int v) : name(n), value(std::int32_t(v)) {}
  Property(std::string_view n, bool v) : name(n), value(v) {}
  Property(std::string_view n, Colour v) : name(n), value(v) {}
  Property(std::string_view n, const char* v) : name(n), value(std::string(v)) {}
  Property(std::string_view n, std::string v) : name(n), value(std::move(v)) {}
  Property(std::string_view n, PropValue v) : name(n), value(std::move(v)) {}
  friend bool operator==(const Property&, const Property&) = default;
};

using PropertyList = std::vector<Property>;

// A list that cannot be read: cut short, a name that is unknown, repeated or foreign to
// the class, or a boolean byte other than 0 or 1.
class MalformedPropertyList : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

const char* ClassName(ControlClass cls);

// The type of a property by its exact name; throws MalformedPropertyList if unknown.
PropType TypeOf(std::string_view name);

// Every property the lists of the class hold, in the class's order.
const std::vector<std::string_view>& PropertyOrder(ControlClass cls);

// A complete list of the class in its order: the values common to every list of the
// class, replaced by the given ones. Throws MalformedPropertyList for a property that the
// class does not have or a value of the wrong type.
PropertyList CompleteList(ControlClass cls, const PropertyList& given);

std::vector<std::uint8_t> Encode(const PropertyList& list);

// Reads a list of the class from exactly these bytes; checks every bound.
PropertyList Decode(ControlClass cls, std::span<const std::uint8_t> bytes);

}  // namespace Platform
