// The program's error and warning messages: each builds one text and shows it through the host
// with an OK button and the error icon.
#pragma once

#include <cstdint>

constexpr char kCR = '\r';  // line break inside a message

void HandleStandardError(const char* theText0, const char* theText1, const char* theText2, const char* theText3);
void HandleNumberConversionError(const char* theText);
void HandleDollarConversionError(const char* theText);
void HandleDatimeConversionError(const char* theText);
void HandleRangeError(const char* theText);
void HandleInputError(const char* msg1, const char* msg2);
void HandleSelectionError(const char* msg1, const char* msg2);
void HandleDeleteError(const char* msg1);
void HandleBalanceError(int32_t theAmount);
void HandleFileError(const char* msg);
void HandleMemoryError(int16_t num);
void HandlePrintError(int16_t num, const char* msg);

// The placeholder for a command that does nothing yet.
void NotYet();
