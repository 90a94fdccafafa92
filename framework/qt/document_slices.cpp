// Long texts for a text area: pieces and long runs.
#include "framework/qt/document_slices.h"

#include <QChar>
#include <algorithm>

namespace fw::qt {
namespace {

bool BreaksRun(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator ||
         c == QChar::LineSeparator;
}

}  // namespace

std::size_t PieceEnd(std::string_view text, std::size_t at) {
  const std::size_t limit = at + kPieceBytes;
  if (limit >= text.size()) return text.size();
  const std::size_t last = text.rfind('\n', limit - 1);
  if (last != std::string_view::npos && last >= at) return last + 1;
  const std::size_t next = text.find('\n', limit);
  return next == std::string_view::npos ? text.size() : next + 1;
}

bool HasLongRun(QStringView text) {
  qsizetype run = 0;
  return std::any_of(text.begin(), text.end(), [&](QChar c) {
    run = BreaksRun(c) ? 0 : run + 1;
    return run >= kLongRun;
  });
}

}  // namespace fw::qt
