#pragma once
// The arcs under the syllables of a text, drawn from the document's layout,
// so that the screen and the printed page show the same arcs.
#include <QRectF>

class QPainter;
class QTextDocument;

namespace platform {

// Draws a flat arc under every syllable (textcore::SyllablePieces) of the
// paragraphs that meet `area`, both in document coordinates. An arc hangs
// from just below the baseline within the line's descent, so drawn before
// the text it passes behind the descenders; it splits where the line wraps
// inside a syllable. It takes the colour of the syllable's first letter,
// grey for black (uncoloured) letters. Costs time in the paragraphs shown,
// not in the whole text.
void paintSyllableArcs(QPainter &painter, const QTextDocument &document, const QRectF &area);

} // namespace platform
