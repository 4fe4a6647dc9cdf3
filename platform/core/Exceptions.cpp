#include "Exceptions.h"

#include <typeinfo>

[[noreturn]] void Abort(std::source_location where) {
  throw EAbort("Operation aborted", RaiseAddress::At(where));
}

// libstdc++ keeps the thrown object's address as the only member of
// std::exception_ptr, and std::type_info::__do_catch performs the same
// derived-to-base test (and pointer adjustment) as a catch clause. Together
// they inspect the current exception without a second throw, which keeps the
// except part of a protected routine cheap.
static_assert(sizeof(std::exception_ptr) == sizeof(void*));

const Exception* CurrentException() noexcept {
  std::exception_ptr current = std::current_exception();
  if (!current) return nullptr;
  const std::type_info* thrown = current.__cxa_exception_type();
  if (thrown == nullptr) return nullptr;
  void* object = *reinterpret_cast<void* const*>(&current);
  if (!typeid(Exception).__do_catch(thrown, &object, 1)) return nullptr;
  // The object stays alive while the enclosing catch clause runs.
  return static_cast<const Exception*>(object);
}
