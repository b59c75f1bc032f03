#pragma once
// The settings reader: answers "what is the value of this key in this section" from a plain-text
// settings file that is read into memory once, at the first lookup. Text arguments are used over
// their whole length (trailing blanks never matter in a comparison, leading blanks do); output
// texts are written over the caller's whole length, cut or padded with blanks.
#include <span>
#include <string_view>

namespace Read_ini_routines {

// Names the settings file (a bare name means the current folder) and tells whether it can be
// opened. Once lines are loaded, a different name reloads them at once.
void setIniFilename(std::string_view value, bool& is_ini_found);

// The value of `kwd`, or `DEFAULT` with is_found false when the key is missing or blank.
void getValue(std::string_view section, std::string_view kwd, std::span<char> value, std::string_view DEFAULT,
              bool& is_found);

// "ON" or "OFF" in any case; anything else gives `DEFAULT` with is_found false.
bool getValueOnOff(std::string_view section, std::string_view kwd, bool DEFAULT, bool& is_found);

// Reads the named file into memory; a missing file is created empty. More than 100 lines stop
// the program with the stop text "16".
void loadOptions();

// The raw lookup: `value` all blanks when nothing matches.
void getValueX(std::string_view section, std::string_view kwd, std::span<char> value);

// Position (from 1) of the first / last non-blank character; 0 when there is none.
int firstChar(std::string_view string);
int lastChar(std::string_view string);
// Change the case of the letters A to Z in place; every other byte stays.
void UPCASE(std::span<char> STRING);
void DOWNCASE(std::span<char> STRING);

// Returns the module to its state at program start (tests only).
void resetForTesting();

} // namespace Read_ini_routines
