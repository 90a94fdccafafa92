// Long texts for a text area: written into its document a slice at a time,
// with pending events run between slices so that the window keeps answering.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QString>
#include <QStringView>
#include <QTextCursor>
#include <functional>
#include <string>

namespace fw::qt {

// Texts up to this many characters go into the document in one step: they
// are set in a few milliseconds at most.
constexpr qsizetype kShortText = 16384;

// Whether the text holds a run of a thousand characters (UTF-16 units, or
// bytes of UTF-8) with no space, tab or line break in it. Line breaking that
// looks for a word boundary first goes over the whole of such a run for every
// line it makes, so such text is broken anywhere.
bool HasLongRun(QStringView text);
bool HasLongRun(const std::string& utf8);

// Hands out the text to write, a piece at a time; false once it is all out.
// A piece ends after a line break where it can, so that each piece adds whole
// lines: the editor lays a line out again whenever text is added to it.
using PieceSource = std::function<bool(QString& piece)>;

// Pieces of UTF-8 text with every kind of line break as LF.
PieceSource Utf8Pieces(const std::string& text);
// Pieces of a text whose line breaks are LF already.
PieceSource TextPieces(QString text);

// Inserts the pieces at the cursor as one undo step, running pending events
// between slices. Stops early, returning false, when `carryOn` says no after
// events ran, or when the program began to quit meanwhile. Raises again an
// exception that a handler run meanwhile let escape.
bool InsertInSlices(QTextCursor& cursor, const PieceSource& pieces,
                    const std::function<bool()>& carryOn);

}  // namespace fw::qt
