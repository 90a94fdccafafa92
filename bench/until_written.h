// A long text goes into a text area's editor behind the program, from the event loop, as it does
// in the running program. The benchmarks that write one count until the editor holds all of it.
#pragma once

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QString>
#include <QTextDocument>

#include "framework/controls.h"
#include "framework/qt/testing.h"

inline const QTextDocument& EditorOf(const fw::TextArea& area) {
  return *static_cast<const QPlainTextEdit*>(fw::qt::WidgetOf(area))->document();
}

// Runs events until the area's editor takes in no more. Each round of events writes a slice, so
// a few rounds in a row that add nothing mean that the text is all in. Asking the area for its
// text would cost as much as a slice or two, so it is left to Written, after the measure.
inline void UntilWritten(const fw::TextArea& area) {
  const QTextDocument& document = EditorOf(area);
  for (int idle = 0; idle < 3;) {
    const int before = document.characterCount();
    QCoreApplication::processEvents();
    idle = document.characterCount() == before ? idle + 1 : 0;
  }
}

// Whether the area's editor holds the whole of its text.
inline bool Written(const fw::TextArea& area) {
  // The document counts one paragraph separator more than the text holds.
  return EditorOf(area).characterCount() - 1 == QString::fromStdString(area.Text()).size();
}
