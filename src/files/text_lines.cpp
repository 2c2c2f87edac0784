#include "files/text_lines.h"

namespace ondulix {

std::optional<std::string_view> LineReader::next()
{
    if (m_rest.empty())
        return std::nullopt;
    const std::size_t feed = m_rest.find('\n');
    std::string_view line = m_rest.substr(0, feed);
    m_rest.remove_prefix(feed == std::string_view::npos ? m_rest.size() : feed + 1);
    while (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace ondulix
