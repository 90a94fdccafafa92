// The runtime on Qt: start-up of the toolkit, the event loop, quitting, the
// time-sliced yield, ticks, the kept exception and the unhandled-exception
// treatment.
#include <cxxabi.h>

#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "framework/alerts.h"
#include "framework/application.h"
#include "framework/qt/runtime_state.h"
#include "framework/qt/seam_state.h"
#include "framework/qt/shortcut_filter.h"
#include "framework/qt/window_registry.h"

namespace fw {
namespace {

using Clock = std::chrono::steady_clock;

// Read when the program is loaded, so that Ticks counts from process start.
const Clock::time_point processStart = Clock::now();

// How long BackgroundYield lets pass before it runs pending events again.
constexpr auto kYieldSlice = std::chrono::milliseconds(5);

struct RuntimeState {
  std::exception_ptr kept;
  bool quitRequested = false;
  int quitCode = 0;
  bool unhandled = false;
  bool loopRunning = false;
  std::vector<QEventLoop*> loops;
  Clock::time_point lastYieldRun{};
  QApplication* app = nullptr;
};

RuntimeState& R() {
  static auto* state = new RuntimeState;
  return *state;
}

std::string Demangled(const char* name) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> text(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                              std::free);
  return status == 0 && text ? std::string(text.get()) : std::string(name);
}

void Describe(const std::exception_ptr& error, std::string& type, std::string& message) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    type = Demangled(typeid(e).name());
    message = e.what();
  } catch (...) {
    const std::type_info* info = abi::__cxa_current_exception_type();
    type = info ? Demangled(info->name()) : "unknown exception";
    message.clear();
  }
}

// While the toolkit starts: it ends the process with a fatal message when it
// can start no windowing system, advising to reinstall the program. That is
// said here in one plain line instead, with status 1; what else it says
// meanwhile is passed on once it has started.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};
std::vector<HeldMessage>* heldMessages = nullptr;

// The fatal message is the same whatever failed; only the warnings held before
// it tell that the X connection was refused rather than the platform missing.
bool DisplayRefused() {
  return std::any_of(heldMessages->begin(), heldMessages->end(), [](const HeldMessage& message) {
    return message.category == "qt.qpa.xcb" &&
           message.text.startsWith(QLatin1String("could not connect to display"));
  });
}

[[noreturn]] void CannotStart() {
  const QByteArray display = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  if (!DisplayRefused()) {
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    std::fprintf(stderr, "Zelvora: the windowing system \"%s\" can't be started.\n",
                 asked.isEmpty() ? "xcb" : asked.constData());
  } else if (display.isEmpty() && wayland.isEmpty()) {
    std::fprintf(stderr,
                 "Zelvora: there is no display to show its windows on (DISPLAY is not set).\n");
  } else {
    std::fprintf(stderr, "Zelvora: the display \"%s\" can't be opened.\n",
                 (display.isEmpty() ? wayland : display).constData());
  }
  std::fflush(stderr);
  std::_Exit(1);
}

void HoldWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) CannotStart();
  heldMessages->push_back({type, QByteArray(context.category), text});
}

QApplication* StartToolkit(int& argc, char** argv) {
  std::vector<HeldMessage> held;
  heldMessages = &held;
  const QtMessageHandler previous = qInstallMessageHandler(HoldWhileStarting);
  auto* app = new QApplication(argc, argv);
  qInstallMessageHandler(previous);
  heldMessages = nullptr;
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  return app;
}

}  // namespace

namespace runtime {

void KeepException(std::exception_ptr error) {
  if (!R().kept) R().kept = std::move(error);
  for (QEventLoop* loop : R().loops) loop->exit(1);
  if (R().loopRunning) QCoreApplication::exit(1);
}

bool HasKeptException() {
  return static_cast<bool>(R().kept);
}

void RaiseKept() {
  if (!R().kept) return;
  std::exception_ptr error = std::move(R().kept);
  R().kept = nullptr;
  std::rethrow_exception(error);
}

void ForgetKept() {
  R().kept = nullptr;
}

void PushLoop(QEventLoop* loop) {
  R().loops.push_back(loop);
}

void PopLoop(QEventLoop* loop) {
  std::erase(R().loops, loop);
}

bool QuitUnderWay() {
  return R().quitRequested || R().unhandled;
}

bool LoopRunning() {
  return R().loopRunning;
}

}  // namespace runtime

void RuntimeInit() {
  if (QCoreApplication::instance()) return;
  // The real command line and environment must change nothing, so Qt sees a
  // fixed one; only the platform variables that Qt itself reads still apply.
  static int argc = 1;
  static char name[] = "zelvora";
  static char* argv[] = {name, nullptr};
  R().app = StartToolkit(argc, argv);
  // QApplication adopts the user's locale for the C library; numbers are read
  // and written in the C locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("Zelvora");
  QApplication::setQuitOnLastWindowClosed(false);
  qt::InstallShortcutFilter();
}

void RunFrameworkInitialization(const std::function<void()>& startup) {
  if (QCoreApplication::instance() && QThread::currentThread() != qApp->thread())
    throw std::logic_error("The start-up routine must run on the main thread.");
  if (startup) startup();
  runtime::RaiseKept();
}

void RuntimeRun() {
  runtime::RaiseKept();
  if (runtime::QuitUnderWay() || !QCoreApplication::instance()) return;
  R().loopRunning = true;
  QApplication::exec();
  R().loopRunning = false;
  runtime::RaiseKept();
}

void Quit(int code) {
  if (!R().quitRequested) R().quitCode = code;
  R().quitRequested = true;
  if (R().loopRunning) QCoreApplication::exit(code);
}

bool QuitRequested() {
  return R().quitRequested;
}

int RuntimeExit() {
  const int status = R().unhandled ? 1 : R().quitCode;
  FinalizeFrameworkShared();
  windows::CloseAllQuietly();
  if (R().app) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // A window that the program still holds keeps its widgets; the toolkit
    // must then outlive them, so it is left to the process's end.
    if (windows::LiveImplCount() == 0) {
      delete R().app;
      R().app = nullptr;
    }
  }
  return status;
}

void BackgroundYield() {
  seams::state::CountYield();
  if (const auto& hook = seams::state::YieldHook()) hook();
  runtime::RaiseKept();
  if (!QCoreApplication::instance()) return;
  const auto now = Clock::now();
  if (now - R().lastYieldRun < kYieldSlice) return;
  R().lastYieldRun = now;
  QCoreApplication::processEvents();
  runtime::RaiseKept();
}

std::int32_t Ticks() {
  if (const auto& source = seams::state::TickSource()) return source();
  const auto sixtieths =
      std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 60>>>(
          Clock::now() - processStart)
          .count();
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(sixtieths, std::numeric_limits<std::int32_t>::max()));
}

void UnhandledException(const std::exception_ptr& error) {
  R().unhandled = true;
  runtime::ForgetKept();
  std::string type, message;
  Describe(error, type, message);
  std::fprintf(stderr, "Zelvora: unhandled exception %s: %s\n", type.c_str(), message.c_str());
  std::fflush(stderr);
  std::string text = "An error occurred that Zelvora cannot recover from, so it will quit.\n\n" +
                     type + (message.empty() ? "" : ": " + message);
  try {
    MsgBox(text);
  } catch (...) {
    // A second failure while the first is being reported changes nothing:
    // the program is ending with status 1 either way.
    runtime::ForgetKept();
  }
}

bool Guarded(const std::function<void()>& body) {
  // Once a failure is kept, nothing more of the program runs until the
  // program's side has raised it.
  if (runtime::HasKeptException()) return false;
  try {
    body();
    return true;
  } catch (...) {
    runtime::KeepException(std::current_exception());
    return false;
  }
}

void FinalizeFrameworkShared() {
  windows::ReleaseImplicitWindows();
  windows::ReleaseBookkeeping();
  windows::ReleaseWindowList();
}

void ResetRuntimeForTests() {
  windows::CloseAllQuietly();
  windows::ReleaseImplicitWindows();
  windows::ReleaseBookkeeping();
  windows::ReleaseWindowList();
  RegisterAppObject(nullptr);
  R().kept = nullptr;
  R().quitRequested = false;
  R().quitCode = 0;
  R().unhandled = false;
  R().lastYieldRun = {};
  if (QCoreApplication::instance())
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace fw
