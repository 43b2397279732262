// Colours chosen from the palette by how well they stand out: the contrast ratio of two colours,
// the first of several that keeps a minimum ratio against a background, and the tints that mark
// a season box as edited or invalid.
#pragma once

#include <QColor>
#include <QList>
#include <QPalette>

namespace weather {

// The least contrast a bar or mark keeps against what it is drawn on.
inline constexpr double MinimumContrast = 3.0;

// The contrast ratio of two colours, 1 (the same lightness) to 21 (black on white), from their
// relative luminance as the web's accessibility guidelines define it.
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

// The first of `candidates` with at least `minimum` contrast against `background`; when none has
// it, the one with the most.
[[nodiscard]] QColor readableColour(const QColor& background, const QList<QColor>& candidates,
                                    double minimum = MinimumContrast);

// The colour of bars drawn on the palette's window colour: its highlight, else its link colour,
// else its text, whichever first stands out enough.
[[nodiscard]] QColor barColour(const QPalette& palette, QPalette::ColorGroup group);

// How a season box stands against the configuration on display.
enum class BoxMark { Plain, Edited, Invalid };

// The background of a box with `mark`: the palette's base colour, tinted towards its highlight
// for an edited box and towards a red of the highlight's strength for an invalid one. When the
// highlight is too close to the base to show, the tint leans towards the text colour instead.
[[nodiscard]] QColor markedBase(const QPalette& palette, BoxMark mark);

} // namespace weather
