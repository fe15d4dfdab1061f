#include "engine/exit_handlers.h"

#include <cstdlib>
#include <vector>

namespace {
std::vector<ExitHandler>& Handlers() {
  static std::vector<ExitHandler> handlers;
  return handlers;
}
bool hookedIntoExit = false;
}  // namespace

void RegisterExitHandler(ExitHandler handler) {
  if (!hookedIntoExit) {
    // The list must outlive the atexit hook, so it is built before the hook is registered.
    Handlers();
    std::atexit(RunExitHandlers);
    hookedIntoExit = true;
  }
  Handlers().push_back(handler);
}

void RunExitHandlers() {
  std::vector<ExitHandler>& handlers = Handlers();
  while (!handlers.empty()) {
    ExitHandler handler = handlers.back();
    handlers.pop_back();
    handler();
  }
}
