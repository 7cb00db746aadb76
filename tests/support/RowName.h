#pragma once
// The rows of a table-driven test (TEST_P): a row derives from NamedRow, so it is named in
// plain words and a failure shows that name ("where GetParam() = box cleared: free"); RowName
// makes the name a test's (INSTANTIATE_TEST_SUITE_P's fourth argument), each run of other
// characters (spaces, punctuation, letters outside ASCII) one underscore, so that row is run
// alone as --gtest_filter='*/box_cleared_free'.

#include <QString>
#include <cctype>
#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

namespace testing_support {

struct NamedRow {
    const char* name;
};

// GoogleTest prints a row by its name (found through the row's base), not as its bytes.
template <typename Row>
requires std::derived_from<Row, NamedRow>
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

inline std::string plainWords(std::string_view text)
{
    std::string out;
    bool gap = false;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80 && std::isalnum(u)) {
            if (gap && !out.empty())
                out += '_';
            out += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return out.empty() ? std::string("row") : out;
}

inline std::string plainWords(const char* text)
{
    return plainWords(std::string_view(text));
}
inline std::string plainWords(const std::string& text)
{
    return plainWords(std::string_view(text));
}
inline std::string plainWords(const QString& text)
{
    return plainWords(text.toStdString());
}

// The generator for rows that carry their name in a member called name.
struct RowName {
    template <typename Info> std::string operator()(const Info& info) const { return plainWords(info.param.name); }
};

} // namespace testing_support
