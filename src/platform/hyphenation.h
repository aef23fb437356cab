#pragma once
// German syllable breaks from the hyphenation patterns office suites use (libhyphen with
// the patterns of the hyphen-de package).
#include <string_view>
#include <vector>

// The places inside a word of code page 1252 letters where it may be cut at a syllable, each
// the index of the first character after the cut, ascending. At least two letters stay before
// a cut and three after it. Empty where the patterns are not installed or the word has no such place.
std::vector<size_t> syllableBreaks(std::string_view word);
