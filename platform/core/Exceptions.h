// The host's exception classes. Every failure of the programs travels as an
// Exception (or a descendant); EAbort is the silent abort.
#pragma once

#include <cstdint>
#include <exception>
#include <source_location>
#include <string>

// Where an exception was raised: its identity while it unwinds. Two throws
// from one place compare equal, two from different places differ, and a
// rethrow keeps it since the object is the same.
class RaiseAddress {
 public:
  constexpr RaiseAddress() = default;
  static constexpr RaiseAddress At(const std::source_location& where) {
    RaiseAddress a;
    a.file_ = where.file_name();
    a.line_ = where.line();
    a.column_ = where.column();
    return a;
  }
  // A machine address (the faulting instruction of an access violation).
  static RaiseAddress Code(std::uintptr_t pc) {
    RaiseAddress a;
    a.pc_ = pc;
    return a;
  }
  bool IsNil() const { return file_ == nullptr && pc_ == 0; }
  friend bool operator==(const RaiseAddress&, const RaiseAddress&) = default;

 private:
  const char* file_ = nullptr;  // literals of one file share one address
  std::uint_least32_t line_ = 0;
  std::uint_least32_t column_ = 0;
  std::uintptr_t pc_ = 0;
};

// Constructors take the raise site as a defaulted argument, so it is the
// place of the throw expression (or of the call to a routine that raises on
// the caller's behalf and passes its own site argument on).
#define HOST_RAISE_SITE std::source_location where = std::source_location::current()

class Exception : public std::exception {
 public:
  explicit Exception(std::string message, HOST_RAISE_SITE)
      : message_(std::move(message)), address_(RaiseAddress::At(where)) {}
  Exception(std::string message, RaiseAddress address)
      : message_(std::move(message)), address_(address) {}
  ~Exception() override = default;

  const std::string& Message() const noexcept { return message_; }
  void SetMessage(std::string message) { message_ = std::move(message); }
  const RaiseAddress& Address() const noexcept { return address_; }
  // The class name as a report prints it.
  virtual const char* ClassName() const noexcept { return "Exception"; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
  RaiseAddress address_;
};

#define HOST_EXCEPTION_CLASS(Name, Base)                                  \
  class Name : public Base {                                              \
   public:                                                                \
    using Base::Base;                                                     \
    const char* ClassName() const noexcept override { return #Name; }     \
  }

HOST_EXCEPTION_CLASS(EAbort, Exception);
HOST_EXCEPTION_CLASS(EExternal, Exception);
HOST_EXCEPTION_CLASS(EAccessViolation, EExternal);
HOST_EXCEPTION_CLASS(EMathError, EExternal);
HOST_EXCEPTION_CLASS(EInvalidOp, EMathError);
HOST_EXCEPTION_CLASS(EConvertError, Exception);
HOST_EXCEPTION_CLASS(EStringListError, Exception);
HOST_EXCEPTION_CLASS(EInOutError, Exception);
HOST_EXCEPTION_CLASS(EStreamError, Exception);
HOST_EXCEPTION_CLASS(EFCreateError, EStreamError);
HOST_EXCEPTION_CLASS(EFOpenError, EStreamError);
HOST_EXCEPTION_CLASS(EWriteError, EStreamError);
HOST_EXCEPTION_CLASS(EReadError, EStreamError);
HOST_EXCEPTION_CLASS(EOutOfMemory, Exception);

// The silent abort: unwinds to the event loop and shows nothing.
[[noreturn]] void Abort(HOST_RAISE_SITE);

// The Exception being handled by the innermost active catch clause of this
// thread, or nullptr when there is none or it is not an Exception.
const Exception* CurrentException() noexcept;
