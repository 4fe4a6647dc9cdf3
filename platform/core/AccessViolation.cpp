#include "AccessViolation.h"

#include <dlfcn.h>
#include <signal.h>
#include <ucontext.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "Exceptions.h"

namespace {

std::string ModuleName(std::uintptr_t pc) {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(pc), &info) == 0 || info.dli_fname == nullptr) return "?";
  const char* slash = std::strrchr(info.dli_fname, '/');
  return slash ? slash + 1 : info.dli_fname;
}

// The handler leaves by throwing, never by returning: SA_NODEFER keeps the
// signal unblocked for the next fault, and the unwinder crosses the kernel's
// signal frame through the C library's restorer, which carries unwind data.
void OnFault(int, siginfo_t* info, void* context) {
  auto* uc = static_cast<ucontext_t*>(context);
#if defined(__x86_64__)
  const std::uintptr_t pc = static_cast<std::uintptr_t>(uc->uc_mcontext.gregs[REG_RIP]);
  const bool write = (uc->uc_mcontext.gregs[REG_ERR] & 2) != 0;
#elif defined(__aarch64__)
  const std::uintptr_t pc = static_cast<std::uintptr_t>(uc->uc_mcontext.pc);
  const bool write = false;
#else
  const std::uintptr_t pc = 0;
  const bool write = false;
  (void)uc;
#endif
  char text[256];
  std::snprintf(text, sizeof text,
                "Access violation at address %016" PRIXPTR " in module '%s'. %s of address %016" PRIXPTR,
                pc, ModuleName(pc).c_str(), write ? "Write" : "Read",
                reinterpret_cast<std::uintptr_t>(info->si_addr));
  throw EAccessViolation(text, RaiseAddress::Code(pc));
}

}  // namespace

void InstallAccessViolationHandler() {
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_sigaction = OnFault;
  action.sa_flags = SA_SIGINFO | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  sigaction(SIGSEGV, &action, nullptr);
  sigaction(SIGBUS, &action, nullptr);
}
