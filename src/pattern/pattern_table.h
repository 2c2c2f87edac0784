#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace ondulix {

inline constexpr int kPatternLineCount = 32;
// Row 1 of a line keeps the first field of its CSV line; rows 2..33 hold samples 0..31.
inline constexpr int kFirstSampleRow = 2;

// The 32 stored waveforms as text cells. Column c (1..32) is pattern line c; row 1 holds the
// line's first CSV field, rows 2..33 its samples as number text of value / 1000. Column 0 and
// row 0 exist but are never used. The size is fixed and every cell starts empty.
class PatternTable
{
public:
    static constexpr int kColumns = 33; // 0..32
    static constexpr int kRows = 34; // 0..33

    // Both throw std::out_of_range for a cell outside the table, and then change nothing.
    const std::string& cell(int column, int row) const { return m_cells.at(index(column, row)); }
    void setCell(int column, int row, std::string text)
    {
        m_cells.at(index(column, row)) = std::move(text);
        m_writeStamp = nextWriteStamp();
    }

    // Which write the cells are the outcome of. Every write takes a new number from one count
    // for all tables and a copy keeps it, so two tables with the same stamp hold the same cells;
    // a table never written has 0. Whoever keeps a copy to compare with can skip the 1122 cells
    // while the stamp is unchanged.
    std::uint64_t writeStamp() const { return m_writeStamp; }

    friend bool operator==(const PatternTable& a, const PatternTable& b)
    {
        return a.m_cells == b.m_cells;
    }

private:
    static std::size_t index(int column, int row)
    {
        if (column < 0 || column >= kColumns || row < 0 || row >= kRows)
            throw std::out_of_range("pattern table cell (" + std::to_string(column) + ", "
                + std::to_string(row) + ") does not exist");
        return static_cast<std::size_t>(column) * kRows + static_cast<std::size_t>(row);
    }

    static std::uint64_t nextWriteStamp()
    {
        static std::atomic<std::uint64_t> writes {0};
        return ++writes;
    }

    std::array<std::string, kColumns * kRows> m_cells;
    std::uint64_t m_writeStamp = 0;
};

} // namespace ondulix
