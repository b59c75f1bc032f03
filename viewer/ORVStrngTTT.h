#pragma once
// Unit ORVStrngTTT: the blank-separated word functions with which the viewer takes its data
// lines apart. Only the blank (code 32) separates words. Positions count from 1; position
// length + 1 is the end of the text, which counts as one more non-blank character. They keep no
// state and never raise.
//
// Positions are unsigned 8-bit in the original word functions; here they are wide, so that
// lines of 255 characters or more are split like shorter ones. Texts within 254 characters give
// exactly the 8-bit results.
#include <cstdint>
#include <string>

// Position of the N-th word start found scanning Text from StartPos (the scan starts between
// words, so a non-blank at StartPos counts as a word start); 0 when there is none.
std::size_t WordPosition(std::size_t StartPos, std::size_t N, const std::string& Text);

// From the first character of word Index to the last character of word Index + Count - 1;
// empty when Text has fewer than Index words, or Index or Count is 0.
std::string ExtractWords(std::size_t Index, std::size_t Count, const std::string& Text);

// The value of Text as a 32-bit integer (leading blanks, optional sign and decimal digits, or a
// "$", "x", "X", "0x" or "0X" prefix and hexadecimal digits); 0 when it is anything else.
std::int32_t StrToIntOrZero(const std::string& Text);
