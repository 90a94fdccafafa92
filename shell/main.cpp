// The process entry: the runtime, the class records, the program's run, the
// release of its shared values and the exit status.
#include "framework/application.h"
#include "shell/startup.h"

int main() {
  fw::RuntimeInit();
  InitializeClasses();
  Main();
  FinalizeShared();
  return fw::RuntimeExit();
}
