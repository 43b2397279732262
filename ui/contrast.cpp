#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace weather {

namespace {

double channel(double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](float a, float b) { return float(a + (b - a) * share); };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()),
                            mix(a.blueF(), b.blueF()));
}

// A tint must differ from the base at least this much to be seen at a glance.
constexpr double TintContrast = 1.25;

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableColour(const QColor& background, const QList<QColor>& candidates, double minimum) {
    QColor best;
    double bestRatio = 0;
    for (const QColor& candidate : candidates) {
        const double ratio = contrastRatio(candidate, background);
        if (ratio >= minimum)
            return candidate;
        if (ratio > bestRatio) {
            best = candidate;
            bestRatio = ratio;
        }
    }
    return best;
}

QColor barColour(const QPalette& palette, QPalette::ColorGroup group) {
    return readableColour(palette.color(group, QPalette::Window),
                          {palette.color(group, QPalette::Highlight),
                           palette.color(group, QPalette::Link),
                           palette.color(group, QPalette::WindowText)});
}

QColor markedBase(const QPalette& palette, BoxMark mark) {
    const QColor base = palette.color(QPalette::Base);
    if (mark == BoxMark::Plain)
        return base;
    QColor towards = palette.color(QPalette::Highlight);
    if (mark == BoxMark::Invalid) {
        // The highlight's saturation and brightness in red, so it suits light and dark alike.
        const QColor hsv = towards.toHsv();
        towards = QColor::fromHsv(0, std::max(hsv.saturation(), 170), std::max(hsv.value(), 170));
    }
    const double share = mark == BoxMark::Invalid ? 0.45 : 0.3;
    QColor tint = mixed(base, towards, share);
    if (contrastRatio(tint, base) < TintContrast) {
        // Too close to the base: lean towards the text instead, then add the hue back.
        tint = mixed(mixed(base, palette.color(QPalette::Text), 0.25), towards, share / 2);
    }
    return tint;
}

} // namespace weather
