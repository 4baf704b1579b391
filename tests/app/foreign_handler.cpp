// Built only by the test "a handler of another window does not compile", which expects the
// compiler to refuse it: a window may bind only its own methods and its bases', since a
// method of another window class would run on an object that is not of that class.
#include "app/ImplicitWindow.h"

namespace {

class Other : public WindowOf<Other> {
 public:
  void go_Action() {}
};

class Binder : public WindowOf<Binder> {
 public:
  static Handler Bound() { return On(&Other::go_Action); }
};

}  // namespace

Handler BoundHandler() { return Binder::Bound(); }
