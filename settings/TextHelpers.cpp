// Blank and case helpers over caller-sized texts. Only the blank (code 32) counts as blank and
// only the unaccented ASCII letters change case, so bytes of other code pages pass untouched.
#include "Read_ini_routines.h"

namespace Read_ini_routines {

// Nothing in the kit relies on the answer for a text without a non-blank character; 0 keeps it
// apart from every real position.
int firstChar(std::string_view string)
{
    for (std::size_t i = 0; i < string.size(); ++i)
        if (string[i] != ' ')
            return static_cast<int>(i + 1);
    return 0;
}

int lastChar(std::string_view string)
{
    for (std::size_t i = string.size(); i > 0; --i)
        if (string[i - 1] != ' ')
            return static_cast<int>(i);
    return 0;
}

void UPCASE(std::span<char> STRING)
{
    for (char& c : STRING)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - ('a' - 'A'));
}

void DOWNCASE(std::span<char> STRING)
{
    for (char& c : STRING)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
}

} // namespace Read_ini_routines
