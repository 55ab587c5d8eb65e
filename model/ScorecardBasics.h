// Values and small rules that every part of the scorecard shares: the option
// states, the breakdown layout, reading numbers out of cell texts, rounding
// and the colour scale for points.
#pragma once

#include <QString>

#include <cstdint>

// The drawing flags of a flat check box without and with its check mark; the
// scorecard file stores them as they are.
inline constexpr int OptionUnselected = 16384; // 0x4000
inline constexpr int OptionSelected = 17408;   // 0x4400

inline constexpr int OptionStateCount = 150; // breakdown rows 1 to 150
inline constexpr int ItemPointsCount = 25;

// Item k (from 1) owns heading row 6k-5 and option rows 6k-4 to 6k.
constexpr int headingRow(int item) { return 6 * item - 5; }
constexpr int firstOptionRow(int item) { return 6 * item - 4; }
constexpr bool isHeadingRow(int row) { return row % 6 == 1; }
// The item whose option row `row` is (for option rows only; a heading row
// 6k-5 gives k-1).
constexpr int itemOfRow(int row) { return (row + 4) / 6; }

// Lenient integer value of a cell text: leading blanks skipped, an optional
// sign, then the digits up to the first other character; no digits give 0.
int cellIntegerValue(const QString &text);

// Strict conversion: the whole text must be a whole number in the int range;
// only leading blanks are tolerated, as older files may carry them.
bool toIntegerStrict(const QString &text, int *value);

// "''abc'' is not a valid integer value"
QString invalidIntegerMessage(const QString &text);

// Nearest integer, a half going to the even neighbour.
int roundHalfEven(double value);

// Colours are 0x00BBGGRR values.
using BgrColour = std::uint32_t;
inline constexpr BgrColour HighlightColour = 0x99FFFF; // light yellow
inline constexpr BgrColour WhiteColour = 0xFFFFFF;

// Fill of a points cell with the given value: 0 red, 1 orange, 2 yellow,
// 3 light yellow, 4 and 5 white. `isDefined` tells whether the value is on the
// scale at all; each view decides what other values look like.
BgrColour pointsColour(int points, bool *isDefined = nullptr);

constexpr int bgrRed(BgrColour c) { return int(c & 0xFF); }
constexpr int bgrGreen(BgrColour c) { return int((c >> 8) & 0xFF); }
constexpr int bgrBlue(BgrColour c) { return int((c >> 16) & 0xFF); }
