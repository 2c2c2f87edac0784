#pragma once

#include <optional>
#include <string_view>

namespace ondulix {

// Hands out the lines of a text one by one, without copying. CR LF ends a line, and so does a
// lone LF, since files edited on other systems end their lines that way. CRs just before the
// end of a line belong to its ending, as when a file went through two conversions to CR LF;
// any other CR stays in the line as text. The ending is not part of the line, and the last line
// needs none, so a text that ends with a line ending has no empty line after it, and an empty
// text has no line.
class LineReader
{
public:
    explicit LineReader(std::string_view text)
        : m_rest(text)
    { }

    // The next line, or nothing once the text is used up.
    std::optional<std::string_view> next();

private:
    std::string_view m_rest;
};

} // namespace ondulix
