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
  // After a CR, the LF of a CR LF belongs to the piece too.
  const auto after = [&](std::size_t i) {
    return i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n' ? i + 2 : i + 1;
  };
  const std::size_t last = text.find_last_of("\r\n", limit - 1);
  if (last != std::string_view::npos && last >= at) return after(last);
  const std::size_t next = text.find_first_of("\r\n", limit);
  return next == std::string_view::npos ? text.size() : after(next);
}

bool HasLongRun(QStringView text) {
  qsizetype run = 0;
  return std::any_of(text.begin(), text.end(), [&](QChar c) {
    run = BreaksRun(c) ? 0 : run + 1;
    return run >= kLongRun;
  });
}

}  // namespace fw::qt
