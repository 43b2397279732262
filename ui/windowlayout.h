// The arrangement of the window's season tabs and fixed controls, drawn in twips: where each
// control sits, and which values stand in which column.
#pragma once

#include "frmweather.h"
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

// A column of a season frame: its heading and the values listed under it.
struct Column {
    int firstPosition; // season position of its first value
    int headingLeft;
    int headingHeight;
    int labelLeft;
    int boxLeft;
};
constexpr std::array<Column, 3> Columns = {{
    {1, 120, 195, 120, 1440},                                    // Wind
    {1 + WindCount, 2880, 315, 3360, 4560},                      // Precipitation
    {1 + WindCount + PrecipitationCount, 5520, 195, 6360, 7560}, // Warmth
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
constexpr int HeadingTop = 1080;
constexpr int HeadingWidth = 2760;
constexpr int FirstRowTop = 2040;
constexpr int RowPitch = 240;
// The column charts fill the band between the tallest heading and the first row of boxes.
constexpr int ChartTop = HeadingTop + 315 + 30;
constexpr int ChartBottom = FirstRowTop - 45;
// The column totals share one line below the longest column.
constexpr int TotalTop = FirstRowTop + WarmthCount * RowPitch + 60;
constexpr int TotalHeight = 255;

// One value row of a season frame: value box k holds season position k + 1 and sits in
// `column` at `row`; its caption is valueCaption(position).
struct ValueRow {
    int position;
    int column;
    int row;
};
constexpr std::array<ValueRow, ValuesPerSeason> ValueRows = [] {
    std::array<ValueRow, ValuesPerSeason> rows{};
    int column = 0;
    for (int k = 0; k < ValuesPerSeason; ++k) {
        const int position = k + 1;
        while (column + 1 < int(Columns.size()) && position >= Columns[column + 1].firstPosition)
            ++column;
        rows[k] = {position, column, position - Columns[column].firstPosition};
    }
    return rows;
}();


} // namespace weather::layout
