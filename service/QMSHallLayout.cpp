#include "QMSHallLayout.h"

#include <algorithm>

std::string QMSHallLayout::generate(std::mt19937 &random, int rows, int seatsPerRow)
{
    // Two aisles split the seats into blocks; the front rows are narrower; a cross aisle runs
    // through the middle of larger halls.
    const int leftAisle = seatsPerRow >= 12 ? 3 : -1;
    const int rightAisle = seatsPerRow >= 12 ? seatsPerRow - 3 : -1;
    const int crossAisle = rows >= 9 && random() % 2 ? rows / 2 : -1;

    std::string text;
    int rowNumber = 0;
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string> codes;
        if (r == crossAisle) {
            codes.assign(seatsPerRow + (leftAisle >= 0 ? 2 : 0), "ZL");
            text += '|';
        } else {
            ++rowNumber;
            const int trim = r == 0 ? 2 : r == 1 ? 1 : 0;
            int seatName = 0;
            for (int s = 0; s < seatsPerRow; ++s) {
                if (s == leftAisle || s == rightAisle)
                    codes.emplace_back("ZL");
                if (s < trim || s >= seatsPerRow - trim) {
                    codes.emplace_back("ZL");
                    continue;
                }
                ++seatName;
                codes.emplace_back(random() % 40 == 0 ? "LK" : std::to_string(seatName));
            }
            text += std::to_string(rowNumber);
            text += '|';
        }
        for (size_t i = 0; i < codes.size(); ++i) {
            if (i)
                text += ',';
            text += codes[i];
        }
        text += '\n';
    }
    return text;
}

std::vector<QMSHallLayout::Row> QMSHallLayout::parse(const std::string &text)
{
    std::vector<Row> rows;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t bar = line.find('|');
        if (bar == std::string::npos)
            continue;
        Row row;
        row.rowid = line.substr(0, bar);
        size_t from = bar + 1;
        while (from <= line.size()) {
            size_t comma = line.find(',', from);
            if (comma == std::string::npos)
                comma = line.size();
            row.codes.push_back(line.substr(from, comma - from));
            from = comma + 1;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string QMSHallLayout::columns(const Row &row)
{
    std::string text;
    for (size_t i = 0; i < row.codes.size(); ++i) {
        if (i)
            text += ',';
        text += row.codes[i];
    }
    return text;
}

int QMSHallLayout::widest(const std::vector<Row> &rows)
{
    size_t widest = 0;
    for (const Row &row : rows)
        widest = std::max(widest, row.codes.size());
    return static_cast<int>(widest);
}
