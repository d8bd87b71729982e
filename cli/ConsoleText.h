// Between the terminal and the budget: arguments in the locale's encoding become budget text
// (Windows-1252), and budget text becomes the locale's encoding again on output, with control
// characters shown escaped so that nothing read from a file can steer the terminal.
#pragma once

#include <string>

// `argument` as budget text in `text`; false when it is not valid text in the locale's encoding
// or holds a character budget text cannot hold, with `why` saying which, in the locale's encoding.
bool ArgumentToBudgetText(const std::string& argument, std::string& text, std::string& why);

// How line breaks in budget text are shown.
enum class LineBreaks {
    Escaped,  // "\r" and "\n" like any other control character
    Message,  // CR (the messages' line break) and LF start a new line
    Note,     // CR LF (a note's line break), CR and LF start a new line
};

// Budget text in the locale's encoding, for the terminal: control characters (below 0x20, 0x7F
// and the five control bytes of 0x80 to 0x9F) as \t or \xNN, apart from the line breaks asked for.
std::string ConsoleText(const std::string& text, LineBreaks breaks = LineBreaks::Escaped);

// Text already in the locale's encoding (file names, arguments as given), with its control
// characters escaped the same way.
std::string ConsoleLocalText(const std::string& text);
