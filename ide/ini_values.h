// Settings values kept as decimal text in INI files.
#pragma once

#include <string>

// The number that the text begins with, after leading blanks, with an optional sign; 0 when it
// begins with none (the empty text too). Values beyond 32 bits are held at the nearest limit.
int DecimalTextValue(const std::string& text);

// The key's value read as a decimal number; defaultValue is the text used when it is missing.
int ReadIniInteger(const std::string& section, const std::string& key, const std::string& defaultValue,
                   const std::string& fileName);
