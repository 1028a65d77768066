// A control of the window that nothing shows at start (a debugging tool, the
// answer lists of test mode), made on its first use so that start-up does not pay
// for it. It reads as the pointer it stands for, under the control's own name.
#pragma once

#include <functional>
#include <utility>

namespace app {

template <class W>
class LazyControl {
 public:
  // The maker returns the control already made when there is one, so a copy
  // stands for the same control.
  explicit LazyControl(std::function<W*()> make) : make_(std::move(make)) {}

  W* get() const {
    if (widget_ == nullptr) widget_ = make_();
    return widget_;
  }
  W* operator->() const { return get(); }
  operator W*() const { return get(); }
  // Whether it exists yet, without making it.
  bool Made() const { return widget_ != nullptr; }
  // For a maker that makes several controls at once.
  void Adopt(W* widget) { widget_ = widget; }

 private:
  std::function<W*()> make_;
  mutable W* widget_ = nullptr;
};

}  // namespace app
