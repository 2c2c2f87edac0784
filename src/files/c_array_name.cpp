#include "files/c_array_name.h"

#include <algorithm>
#include <iterator>

namespace ondulix {

namespace {

// C99 and C++11 keywords, as the header must compile as both.
constexpr std::string_view kKeywords[] = {"_Bool", "_Complex", "_Imaginary", "alignas", "alignof",
    "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case", "catch", "char",
    "char16_t", "char32_t", "class", "compl", "const", "const_cast", "constexpr", "continue",
    "decltype", "default", "delete", "do", "double", "dynamic_cast", "else", "enum", "explicit",
    "export", "extern", "false", "float", "for", "friend", "goto", "if", "inline", "int", "long",
    "mutable", "namespace", "new", "noexcept", "not", "not_eq", "nullptr", "operator", "or",
    "or_eq", "private", "protected", "public", "register", "reinterpret_cast", "restrict", "return",
    "short", "signed", "sizeof", "static", "static_assert", "static_cast", "struct", "switch",
    "template", "this", "thread_local", "throw", "true", "try", "typedef", "typeid", "typename",
    "union", "unsigned", "using", "virtual", "void", "volatile", "wchar_t", "while", "xor",
    "xor_eq"};

// The macros of <stdint.h> that the INT.._MAX / _MIN / _C pattern does not cover.
constexpr std::string_view kStdintMacros[] = {"PTRDIFF_MIN", "PTRDIFF_MAX", "SIG_ATOMIC_MIN",
    "SIG_ATOMIC_MAX", "SIZE_MAX", "WCHAR_MIN", "WCHAR_MAX", "WINT_MIN", "WINT_MAX"};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isIdentifier(std::string_view name)
{
    return !name.empty() && isLetter(name.front())
        && std::all_of(name.begin(), name.end(), [](char c) { return isLetter(c) || isDigit(c); });
}

template <std::size_t N> bool isAmong(std::string_view name, const std::string_view (&names)[N])
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// INT8_MAX, UINT_LEAST16_MIN, INTMAX_C, ...: the limits and constant macros of <stdint.h>.
bool isStdintLimitForm(std::string_view name)
{
    return (name.starts_with("INT") || name.starts_with("UINT"))
        && (name.ends_with("_MAX") || name.ends_with("_MIN") || name.ends_with("_C"));
}

} // namespace

std::optional<std::string> arrayNameFault(std::string_view name)
{
    if (!isIdentifier(name))
        return "is not a C identifier (a letter or _, then letters, digits or _)";
    if (isAmong(name, kKeywords))
        return "is a keyword of C or C++";
    if (name.front() == '_')
        return "begins with an underscore, which C keeps for the compiler and its library";
    if (name.ends_with("_t"))
        return "ends in _t, as the types of <stdint.h> and the C library do";
    if (isStdintLimitForm(name) || isAmong(name, kStdintMacros))
        return "is a macro of <stdint.h>, or has the form of one (INT.._MAX, _MIN, _C)";
    if (name == "main")
        return "names the program's entry point";
    return std::nullopt;
}

} // namespace ondulix
