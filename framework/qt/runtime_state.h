// The runtime's private state, shared by the framework's sources: the kept
// exception, the quit request and the nested event loops that a kept
// exception has to end.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <exception>

class QEventLoop;

namespace fw::runtime {

// Keeps the first exception that a callback from Qt let escape, and asks every
// running event loop to return so that the program's side can raise it again.
void KeepException(std::exception_ptr error);
bool HasKeptException();
// Raises a kept exception again (and forgets it); returns when none is kept.
void RaiseKept();
void ForgetKept();

// Event loops of the framework's own (the message box's) that a kept exception
// must end besides the application's.
void PushLoop(QEventLoop* loop);
void PopLoop(QEventLoop* loop);

// True once Quit was asked for or an unhandled exception was met.
bool QuitUnderWay();
bool LoopRunning();

}  // namespace fw::runtime
