// Turns a read or write through a bad pointer into EAccessViolation raised
// at the faulting instruction, as the original platform does. The programs
// are built with -fnon-call-exceptions, so the exception unwinds through the
// faulting frame and its protective block like any other.
#pragma once

// Installs the fault handler for this process (idempotent).
void InstallAccessViolationHandler();
