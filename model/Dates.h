// Dates as text: the stored Datime form "MM/DD/YY HH:MMa", the Julian form "YYDDD" of reminders,
// and the display form chosen by the international settings.
#pragma once

#include <cstdint>

class TextMeasure;
struct AHistory;

constexpr int kDatimeSize = 16;

void GetDatime(char* thePassedString);
int CheckDatime(const char* theString);
int GetMonth(const char* theDatime);
int GetDay(const char* theDatime);
int GetYear(const char* theDatime);
int GetDateLength(const char* theDatime);
int ConvertDateFormat(const char* inDatime, char* outDatime);
void DateString(const TextMeasure& hdc, const char* theText, int maxWidth, char* outText);
void C2J(const char* theDate, char* theJDate);
void J2C(const char* theJDate, char* theCDate);
int GetJYear(const char* JDate);
int GetJDay(const char* JDate);
int CompareJDates(const char* cDate, const char* dDate, int remTime);
int CompareCDates(const char* cDate, const char* dDate, int remTime);
void IncrMonth(const char* theDate, int numMonths, char* theFutureDate);
int DayOfWeek(int day, int month, int year);
int DaysInMonth(int month);
void GetWordMonth(int num, char* theText);
void ConstructDate(int day, int month, int year, char* theDate, int flag);
void ConstructToDoDate(char* theDate);

// The order dates are shown and typed in, from bits 2 and 4 of gIntRec.Flag1. A record with
// both bits set (a file may hold one) shows and reads day first, in every window alike.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };
DateOrder CurrentDateOrder();

// Today's date part in the display form (8 characters), for the main window's info box.
void GetDisplayToday(char* theDate);

// Completes a date the user typed (day; month/day; month/day/year in the display order, with
// "/" or the date separator) from today into the stored form "MM/DD/YY"; 1, or 0 when it is
// not a date.
int ConvertInputDatime(const char* theText, char* theConvertedText);

// The reminder packed into a history record's Datime (positions 9 to 15).
void GetJDate(const AHistory* theHPtr, char* JDate);
void SetJDate(AHistory* theHPtr, const char* JDate);
int GetRemTime(const AHistory* theHPtr);
void SetRemTime(AHistory* theHPtr, int remTime);
int GetRemType(const AHistory* theHPtr);
void SetRemType(AHistory* theHPtr, int remType);
