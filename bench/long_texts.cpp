// Long texts in the real calculator window, offscreen: how long an operation takes and the longest
// time during it that the window could not answer (the largest gap between the ticks of a 10 ms
// timer, which fires only while events are handled). A long text goes into the editor behind the
// program, from the event loop: an operation counts until the editor holds all of it. Bench-only;
// run by scripts/bench.
//
// Usage: long_texts paste-line <bytes>      one line with no break, pasted into the values
//        long_texts paste-lines <values>    a column of values, pasted
//        long_texts calculate <values>      a Calculate click on that many values
//        long_texts clear <values>          Clear on the report of that many values
//        long_texts copy <values>           a column of values, pasted, selected whole and copied
//        long_texts print <lines> <pdf>     the Print button on a report of that many lines
// Prints "RESULT <key> <value>" lines.
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "bench/eigenvalue_list.h"
#include "bench/until_written.h"
#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/seams.h"
#include "shell/app.h"

namespace {

// A wrong clipboard: digits and points with no space and no line break in them.
std::string OneLine(long bytes) {
  std::string text;
  text.reserve(static_cast<std::size_t>(bytes));
  while (static_cast<long>(text.size()) < bytes) text += "2.9451.7781.396";
  text.resize(static_cast<std::size_t>(bytes));
  return text;
}

std::string ReportRows(long lines) {
  std::string text;
  for (long i = 0; i < lines; ++i) text += "+2.9450      +0.2401      2.4745 \u2013 3.4155\n";
  return text;
}

struct Measure {
  double seconds = 0;
  double longestGapMs = 0;
};

// Runs the operation with a 10 ms timer ticking beside it.
Measure Measured(const std::function<void()>& operation) {
  QElapsedTimer clock;
  qint64 last = 0;
  qint64 longest = 0;
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(10);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    longest = std::max(longest, now - last);
    last = now;
  });
  QCoreApplication::processEvents();
  ticker.start();
  clock.start();
  operation();
  const qint64 end = clock.nsecsElapsed();
  longest = std::max(longest, end - last);
  ticker.stop();
  return {static_cast<double>(end) / 1e9, static_cast<double>(longest) / 1e6};
}

void Report(const std::string& what, const Measure& m) {
  std::printf("RESULT %s_seconds %.2f\nRESULT %s_longest_gap_ms %.0f\n", what.c_str(), m.seconds,
              what.c_str(), m.longestGapMs);
  std::fflush(stdout);
}

int Usage() {
  std::fprintf(stderr,
               "usage: long_texts paste-line <bytes> | paste-lines <values> | calculate <values> "
               "| clear <values> | copy <values> | print <lines> <pdf>\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string what = argv[1];
  const long count = std::atol(argv[2]);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  fw::RuntimeInit();
  NewAppInstance();
  const auto window = ControlWnd();
  window->NVarsFld()->SetText("301");
  QCoreApplication::processEvents();

  if (what == "copy") {
    const std::string text = EigenvalueList(count);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    window->EigenFld()->SetFocus();
    window->RunMenuCommand("EditPaste");
    UntilWritten(*window->EigenFld());
    window->EigenFld()->SetSelStart(0);
    window->EigenFld()->SetSelLength(static_cast<std::int64_t>(text.size()));
    QGuiApplication::clipboard()->clear();
    // Until the text is on the clipboard and handed back from it.
    const Measure m = Measured([&] {
      window->RunMenuCommand("EditCopy");
      if (QGuiApplication::clipboard()->text().toStdString() != text) {
        std::fprintf(stderr, "long_texts: the clipboard does not hold what was copied\n");
        std::exit(1);
      }
    });
    Report("copy", m);
  } else if (what == "paste-line" || what == "paste-lines") {
    const std::string text = what == "paste-line" ? OneLine(count) : EigenvalueList(count);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    window->EigenFld()->SetFocus();
    const Measure m = Measured([&] {
      window->RunMenuCommand("EditPaste");
      UntilWritten(*window->EigenFld());
    });
    if (!Written(*window->EigenFld()) || window->EigenFld()->Text() != text) {
      std::fprintf(stderr, "long_texts: the field does not hold what was pasted\n");
      return 1;
    }
    Report(what == "paste-line" ? "paste_line" : "paste_lines", m);
  } else if (what == "calculate" || what == "clear") {
    window->EigenFld()->SetText(EigenvalueList(count));
    UntilWritten(*window->EigenFld());
    const Measure calculate = Measured([&] {
      window->CalculateBtn()->Push();
      UntilWritten(*window->EigenFld());
    });
    if (!Written(*window->EigenFld()) || window->EigenFld()->Text().rfind("Zelvora", 0) != 0) {
      std::fprintf(stderr, "long_texts: no report after Calculate\n");
      return 1;
    }
    if (what == "calculate") {
      Report("calculate", calculate);
    } else {
      Report("clear", Measured([&] {
               window->ClearBtn()->Push();
               UntilWritten(*window->EigenFld());
             }));
      if (!Written(*window->EigenFld()) || !window->EigenFld()->Text().empty()) {
        std::fprintf(stderr, "long_texts: Clear left text behind\n");
        return 1;
      }
    }
  } else if (what == "print" && argc > 3) {
    window->EigenFld()->SetText(ReportRows(count));
    UntilWritten(*window->EigenFld());
    fw::seams::SetPrintDialogToPdf(argv[3]);
    Report("print", Measured([&] { window->PrintBtn()->Push(); }));
  } else {
    return Usage();
  }
  return 0;
}
