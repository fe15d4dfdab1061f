#pragma once

// Exit handlers run last registered first, once. They run at process exit; a test that runs the
// game's main routine in-process calls RunExitHandlers itself to see the whole shut-down.
using ExitHandler = void (*)();
void RegisterExitHandler(ExitHandler handler);
void RunExitHandlers();
