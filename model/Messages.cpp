// Builds the texts of the error and warning messages and hands them to the host.
#include "model/Messages.h"

#include "model/Host.h"
#include "model/Money.h"

#include <string>

namespace {

const std::string kBreak2 = "\r\r";  // an empty line between the parts of a message

void ShowError(const std::string& text, const char* title)
{
    GetHost().MessageBox(text, title, MessageButtons::Ok, MessageIcon::Error);
}

void ShowConversionError(const char* prefix, const char* theText, const char* suffix, const char* title)
{
    ShowError(std::string(prefix) + theText + suffix + kBreak2 + "Please try again.", title);
}

void ShowTwoPartError(const char* msg1, const char* msg2, const char* title)
{
    ShowError(std::string(msg1) + kBreak2 + msg2 + kBreak2 + "Please try again.", title);
}

}  // namespace

void HandleStandardError(const char* theText0, const char* theText1, const char* theText2, const char* theText3)
{
    ShowError(std::string(theText0) + kCR + theText1 + kCR + theText2 + kCR + theText3, "");
}

void HandleNumberConversionError(const char* theText)
{
    ShowConversionError("The number:     ", theText, "     is invalid.", "Number Conversion Error");
}

void HandleDollarConversionError(const char* theText)
{
    ShowConversionError("The dollar amount:     ", theText, "     is invalid.", "Money Conversion Error");
}

void HandleDatimeConversionError(const char* theText)
{
    ShowConversionError("The date/time:     ", theText, "     is invalid.", "Date Conversion Error");
}

void HandleRangeError(const char* theText)
{
    ShowConversionError("The number:     ", theText, "     is out of range.", "Range Error");
}

void HandleInputError(const char* msg1, const char* msg2)
{
    ShowTwoPartError(msg1, msg2, "Input Error");
}

void HandleSelectionError(const char* msg1, const char* msg2)
{
    ShowTwoPartError(msg1, msg2, "Selection Error");
}

void HandleDeleteError(const char* msg1)
{
    ShowTwoPartError("This account can not be deleted.", msg1, "Delete Error");
}

void HandleBalanceError(int32_t theAmount)
{
    char amount[32];
    // The magnitude of the most negative amount is taken as a 64-bit value so it cannot overflow.
    const int64_t magnitude = theAmount < 0 ? -static_cast<int64_t>(theAmount) : theAmount;
    I2S(static_cast<int32_t>(magnitude > INT32_MAX ? INT32_MAX : magnitude), amount, 0);
    const char* lead = theAmount >= 0 ? "Your checkbook is under by: " : "Your checkbook is over by: ";
    ShowError(std::string(lead) + amount + kBreak2 + "Check for entry errors.", "Balance Error");
}

void HandleFileError(const char* msg)
{
    const int code = LastSystemError();
    ShowError("Error. " + std::to_string(code) + " " + msg, "File System Error");
}

void HandleMemoryError(int16_t num)
{
    ShowError("Memory Error " + std::to_string(num), "Memory Error");
}

void HandlePrintError(int16_t num, const char* msg)
{
    ShowError("Error. " + std::to_string(num) + " " + msg, "Print Error");
}

void NotYet()
{
    HandleStandardError("Budget", "This function is not avilable.", "Check the next release.", "");
}
