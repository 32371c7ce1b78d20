#pragma once

#include <QFont>
#include <QString>

// The classic Symbol font: a face whose Latin letters are Greek ones, so that
// a caption "f=" set in it reads "φ=". Captions keep their Latin text; a
// label in the Symbol font draws the Greek letters in DejaVu Sans Condensed,
// the face of the captions around it.

// The Symbol font at a pixel size.
QFont symbolFont(int pixelSize);

// Whether `font` asks for the Symbol font.
bool isSymbolFont(const QFont &font);

// `text` as the Symbol font shows it: each Latin letter becomes its Greek
// letter (a→α, f→φ, m→μ, r→ρ, F→Φ, W→Ω, ...; j→ϕ, v→ϖ, J→ϑ, V→ς as in the
// font); digits, punctuation and everything else stay as they are.
QString symbolFontText(const QString &text);

// The face the Symbol font's text is drawn in: DejaVu Sans Condensed in the
// size, weight and style of `font`.
QFont symbolFontFace(const QFont &font);
