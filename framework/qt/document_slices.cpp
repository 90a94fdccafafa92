// Long texts for a text area, written in slices.
#include "framework/qt/document_slices.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>

#include "framework/qt/runtime_state.h"
#include "framework/qt/text_control_impl.h"

namespace fw::qt {
namespace {

using Clock = std::chrono::steady_clock;

// A piece is written in a few milliseconds; a slice of pieces runs for about
// this long before pending events get their turn.
constexpr std::size_t kPiece = 65536;
constexpr auto kSlice = std::chrono::milliseconds(25);
constexpr qsizetype kLongRun = 1000;

bool BreaksRun(char32_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator ||
         c == QChar::LineSeparator;
}

// Counts the characters since the last break.
struct RunCount {
  qsizetype run = 0;
  bool Long(char32_t c) {
    run = BreaksRun(c) ? 0 : run + 1;
    return run >= kLongRun;
  }
};

// Where the piece that starts at `at` ends: after the last line break within
// a piece's length, else after the end of the line that outgrows it.
template <typename Text, typename IsBreak>
std::size_t PieceEnd(const Text& text, std::size_t at, std::size_t size, IsBreak isBreak) {
  const std::size_t limit = at + kPiece;
  if (limit >= size) return size;
  for (std::size_t i = limit; i > at; --i)
    if (isBreak(text[i - 1])) return i;
  for (std::size_t i = limit; i < size; ++i)
    if (isBreak(text[i])) return i + 1;
  return size;
}

}  // namespace

bool HasLongRun(QStringView text) {
  RunCount count;
  return std::any_of(text.begin(), text.end(), [&](QChar c) { return count.Long(c.unicode()); });
}

bool HasLongRun(const std::string& utf8) {
  RunCount count;
  return std::any_of(utf8.begin(), utf8.end(),
                     [&](char c) { return count.Long(static_cast<unsigned char>(c)); });
}

PieceSource Utf8Pieces(const std::string& text) {
  return [&text, at = std::size_t{0}](QString& piece) mutable {
    if (at >= text.size()) return false;
    std::size_t end =
        PieceEnd(text, at, text.size(), [](char c) { return c == '\n' || c == '\r'; });
    if (end < text.size() && text[end - 1] == '\r' && text[end] == '\n') ++end;
    piece = UnixLineEndings(QString::fromUtf8(text.data() + at, static_cast<qsizetype>(end - at)));
    at = end;
    return true;
  };
}

PieceSource TextPieces(QString text) {
  return [text = std::move(text), at = std::size_t{0}](QString& piece) mutable {
    const auto size = static_cast<std::size_t>(text.size());
    if (at >= size) return false;
    const std::size_t end = PieceEnd(text, at, size, [](QChar c) { return c == u'\n'; });
    piece = text.mid(static_cast<qsizetype>(at), static_cast<qsizetype>(end - at));
    at = end;
    return true;
  };
}

bool InsertInSlices(QTextCursor& cursor, const PieceSource& pieces,
                    const std::function<bool()>& carryOn) {
  const bool quitting = runtime::QuitUnderWay();
  QString piece;
  bool first = true;
  auto sliceStart = Clock::now();
  while (pieces(piece)) {
    if (first)
      cursor.beginEditBlock();
    else
      cursor.joinPreviousEditBlock();
    cursor.insertText(piece);
    cursor.endEditBlock();
    first = false;
    if (Clock::now() - sliceStart < kSlice) continue;
    QCoreApplication::processEvents();
    runtime::RaiseKept();
    // Nothing is left to show the text in, another text took its place, or
    // nobody waits for it any more.
    if (!carryOn() || (!quitting && runtime::QuitUnderWay())) return false;
    sliceStart = Clock::now();
  }
  return true;
}

}  // namespace fw::qt
