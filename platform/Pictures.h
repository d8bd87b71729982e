// The program's pictures: SVG resources (":/pictures/<id>.svg") drawn once at their own pixel
// size and kept for the run. The ids are the resource numbers the painters use.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include <span>

// Arrows.
constexpr int kSideArrow = 1001;  // expand arrow, collapsed
constexpr int kDownArrow = 1002;  // expand arrow, expanded
constexpr int kLeftArrow = 1048;  // calendar: previous month
constexpr int kRightArrow = 1049; // calendar: next month

// Marks of the history, reminder and balance lists.
constexpr int kATM = 1003;
constexpr int kBalance = 1004; // reconciled
constexpr int kCheck = 1005;
constexpr int kDeposit = 1006;
constexpr int kPay = 1007;
constexpr int kPrinter = 1008; // check printed
constexpr int kTransfer = 1009;
constexpr int kUndo = 1010;
constexpr int kX = 1011;       // ticked line, marked transfer half
constexpr int kSmile = 1013;   // savings deposit
constexpr int kSad = 1014;     // savings withdrawal
constexpr int kDots = 1018;    // drawn after a text cut short
constexpr int kNotes = 1019;   // note mark of an account box
constexpr int kRemind = 1044;  // a record with a reminder

constexpr int kSplash = 1012;

// Panels and headers.
constexpr int kListHeader = 1015;
constexpr int kAccount = 1016; // the account box
constexpr int kInfoBMP = 1017; // the main window's info box
constexpr int kInvestHistoryHeader = 1023;
constexpr int kInvestMainHeader = 1024;
constexpr int kInvestSpecial = 1025;
constexpr int kInvestListHeader = 1041;
constexpr int kPrintHeader = 1042;
constexpr int kRemindListHeader = 1045;
constexpr int kToDoListHeader = 1057;

// Balance indicator.
constexpr int kBlevel = 1020; // difference 0
constexpr int kBLDown = 1021; // difference below 0
constexpr int kBRDown = 1022; // difference above 0

// Buttons, 32 x 24.
constexpr int kButtonWidth = 32;
constexpr int kButtonHeight = 24;
constexpr int kSell = 1026;
constexpr int kBuy = 1027;
constexpr int kPPS = 1028;
constexpr int kCheckButton = 1029;
constexpr int kDepositButton = 1030;
constexpr int kTransferButton = 1031;
constexpr int kBalanceButton = 1032;
constexpr int kNewButton = 1033;
constexpr int kPayButton = 1034;
constexpr int kStatButton = 1035;
constexpr int kSaveButton = 1036;
constexpr int kHistoryButton = 1037;
constexpr int kInfoButton = 1038;
constexpr int kPrintButton = 1039;
constexpr int kUndoButton = 1040;
constexpr int kRemindButton = 1043;
constexpr int kEditorButton = 1046;

// Calendar day cells, 24 x 20.
constexpr int kDateBox = 1047;
constexpr int kRedDate = 1050;
constexpr int kGreenDate = 1051;
constexpr int kYellowDate = 1052;
constexpr int kBlueDate = 1053; // today
constexpr int kBlueYellowDate = 1054;
constexpr int kBlueRedDate = 1055;
constexpr int kBlueGreenDate = 1056;

struct PictureInfo {
    int Id;
    const char* Name; // the painters' name for it
    int Width, Height;
};

// Every picture of the program, in id order.
std::span<const PictureInfo> AllPictures();

// The picture drawn at its own size (device pixel ratio 1); an empty pixmap for an unknown id or a
// resource that cannot be read. GUI thread only; needs a QGuiApplication.
const QPixmap& Picture(int id);
// The size a picture is drawn at; an invalid size for an unknown id.
QSize PictureSize(int id);
// The program's icon, at the usual icon sizes.
QIcon ProgramIcon();
