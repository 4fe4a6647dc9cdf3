// The one way windows connect their event handlers. Qt's frames run no
// destructors when an exception crosses them, so every handler runs through
// RunGuarded: whatever it throws goes to the application's exception event
// and the event loop goes on.
//
//   connect(btGo, &QPushButton::clicked, this, Guarded(this, [this] { Go(); }));
//
// Overridden virtual handlers (closeEvent, paintEvent, ...) call RunGuarded
// themselves.
#pragma once

#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "Application.h"

namespace guard_detail {

template <class F, class Tuple, class Seq>
struct InvocableWithPrefix;
template <class F, class Tuple, std::size_t... I>
struct InvocableWithPrefix<F, Tuple, std::index_sequence<I...>>
    : std::is_invocable<F&, std::tuple_element_t<I, Tuple>...> {};

// Like a Qt slot, a handler may take fewer arguments than the signal gives:
// it receives the leading ones it accepts.
template <std::size_t N, class F, class Tuple>
void InvokeWithLeading(F& f, Tuple&& args) {
  using Args = std::remove_reference_t<Tuple>;
  if constexpr (InvocableWithPrefix<F, Args, std::make_index_sequence<N>>::value) {
    [&]<std::size_t... I>(std::index_sequence<I...>) {
      std::invoke(f, std::get<I>(std::forward<Tuple>(args))...);
    }(std::make_index_sequence<N>());
  } else {
    static_assert(N > 0, "the handler cannot be called with the signal's arguments");
    if constexpr (N > 0) InvokeWithLeading<N - 1>(f, std::forward<Tuple>(args));
  }
}

}  // namespace guard_detail

// A callable for QObject::connect that runs f guarded, with sender as the
// Sender the exception event receives.
template <class F>
auto Guarded(TObject* sender, F&& f) {
  return [sender, f = std::forward<F>(f)](auto&&... args) mutable noexcept -> void {
    RunGuarded(sender, [&] {
      guard_detail::InvokeWithLeading<sizeof...(args)>(
          f, std::forward_as_tuple(std::forward<decltype(args)>(args)...));
    });
  };
}
