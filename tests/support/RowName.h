#pragma once
// Names for the rows of a table-driven test (INSTANTIATE_TEST_SUITE_P's fourth argument):
// the row's name in plain words, each run of other characters (spaces, punctuation, letters
// outside ASCII) made one underscore, so "box cleared: free" is run alone as
// --gtest_filter='*/box_cleared_free'.

#include <QString>
#include <cctype>
#include <string>
#include <string_view>

namespace testing_support {

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

inline std::string plainWords(const char* text) { return plainWords(std::string_view(text)); }
inline std::string plainWords(const std::string& text) { return plainWords(std::string_view(text)); }
inline std::string plainWords(const QString& text) { return plainWords(text.toStdString()); }

// The generator for rows that carry their name in a member called name.
struct RowName {
    template <typename Info>
    std::string operator()(const Info& info) const
    {
        return plainWords(info.param.name);
    }
};

} // namespace testing_support
