#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace ondulix {

// Why text or bytes from outside were not taken, in words for the user: a file, a paste, a
// formula. `line` is the 1-based line at fault where the input has lines, 0 where the fault lies
// with the input as a whole.
struct Refusal
{
    Refusal(std::string why, std::int64_t at = 0)
        : reason(std::move(why))
        , line(at)
    { }

    std::string reason;
    std::int64_t line = 0;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// What every reader gives: what it read, or why it refused.
template <typename T> using ReadResult = std::variant<T, Refusal>;

template <typename T> const Refusal* refusalIn(const ReadResult<T>& result)
{
    return std::get_if<Refusal>(&result);
}

} // namespace ondulix
