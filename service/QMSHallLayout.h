#pragma once

#include <random>
#include <string>
#include <vector>

// The seats of a hall, row by row. Stored as text, one line per row: "ROWID|CODE,CODE,...".
// A code is "ZL" (no seat here), "LK" (a seat that is never sold) or the seat's name. A row with
// an empty ROWID is an aisle. Row ids and seat names are digits, so "ROWID:NAME" travels in a
// query untouched.
class QMSHallLayout
{
public:
    struct Row
    {
        std::string rowid;
        std::vector<std::string> codes;
    };

    static std::string generate(std::mt19937 &random, int rows, int seatsPerRow);
    static std::vector<Row> parse(const std::string &text);
    static std::string columns(const Row &row);
    static int widest(const std::vector<Row> &rows);
};
