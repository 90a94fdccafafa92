// Long texts for a text area: the pieces of whole lines that a text goes into
// the document by, and the long runs that make its lines break anywhere.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QStringView>
#include <chrono>
#include <cstddef>
#include <string_view>

namespace fw::qt {

// A piece goes into the document in a few milliseconds; pieces go in for
// about a slice before pending events get their turn.
constexpr std::size_t kPieceBytes = 65536;
constexpr auto kSlice = std::chrono::milliseconds(25);
constexpr qsizetype kLongRun = 1000;

// Where the piece of `text` that starts at `at` ends: after the last line
// break (LF, CR or CR LF) within a piece's length, else after the end of the
// line that outgrows it. Pieces hold whole lines where they can, because the
// editor lays a line out again whenever text is added to it; a piece of UTF-8
// that ends after a line break ends between two characters, and never inside
// a CR LF.
std::size_t PieceEnd(std::string_view text, std::size_t at);

// Whether the text holds a run of kLongRun characters (UTF-16 units) with
// no space, tab or line break in it. Line breaking that looks for a word
// boundary first goes over the whole of such a run for every line it makes,
// so such text is broken anywhere.
bool HasLongRun(QStringView text);

}  // namespace fw::qt
