// The arrangement of the window's fixed controls, drawn in twips, and which values stand in
// which column of a season tab.
#pragma once

#include "weathertable.h"

#include <QRect>

#include <array>
#include <cstddef>

namespace weather::layout {

// The layout is drawn in twips; 15 twips are one logical pixel, so the window keeps its
// arrangement and proportions at any scale factor.
constexpr int TwipsPerPixel = 15;

constexpr QRect twips(int left, int top, int width, int height) {
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
            height / TwipsPerPixel};
}

// The layout's client area includes the toolbar along its top edge; the window's own toolbar
// sits above the central widget, so everything below it moves up by the toolbar's height.
constexpr int ToolbarTwips = 420;
constexpr QRect belowToolbar(int left, int top, int width, int height) {
    return twips(left, top - ToolbarTwips, width, height);
}
constexpr QSize ClientSize = twips(0, 0, 10890, 7755 - ToolbarTwips).size();

// The value groups of a season tab, side by side: Wind, Precipitation, Warmth. Each lists its
// values top to bottom in file order, a bar beside each box.
struct Column {
    int firstPosition; // season position of its first value
};
constexpr std::array<Column, 3> Columns = {{
    {1},                                  // Wind
    {1 + WindCount},                      // Precipitation
    {1 + WindCount + PrecipitationCount}, // Warmth
}};
// Number of values in column `c`.
constexpr int rowsOf(std::size_t c) {
    return (c + 1 < Columns.size() ? Columns[c + 1].firstPosition : SeasonValueCount) -
           Columns[c].firstPosition;
}
// The item of lblTotal under `column` of `season`.
constexpr std::size_t totalIndex(int season, std::size_t column) {
    return static_cast<std::size_t>(season) * Columns.size() + column;
}

// One value row of a season tab: value box k holds season position k + 1 and sits in `column`
// at `row`; its caption is valueCaption(position).
struct ValueRow {
    int position;
    int column;
    int row;
};
constexpr int ValueCount = SeasonValueCount - 1; // the boxes beside the start day
constexpr std::array<ValueRow, ValueCount> ValueRows = [] {
    std::array<ValueRow, ValueCount> rows{};
    int column = 0;
    for (int k = 0; k < ValueCount; ++k) {
        const int position = k + 1;
        while (column + 1 < int(Columns.size()) && position >= Columns[column + 1].firstPosition)
            ++column;
        rows[k] = {position, column, position - Columns[column].firstPosition};
    }
    return rows;
}();

} // namespace weather::layout
