#include "platform/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <map>

// The resources live in a static library: referencing their initialiser keeps the linker from
// dropping them, and registers them before the first picture is read.
static void EnsurePictureResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace {

constexpr std::array kPictures = {
    PictureInfo{kSideArrow, "SideArrow", 12, 16},
    PictureInfo{kDownArrow, "DownArrow", 12, 16},
    PictureInfo{kATM, "ATM", 16, 16},
    PictureInfo{kBalance, "Balance", 16, 16},
    PictureInfo{kCheck, "Check", 16, 16},
    PictureInfo{kDeposit, "Deposit", 16, 16},
    PictureInfo{kPay, "Pay", 16, 16},
    PictureInfo{kPrinter, "Printer", 16, 16},
    PictureInfo{kTransfer, "Transfer", 16, 16},
    PictureInfo{kUndo, "Undo", 16, 16},
    PictureInfo{kX, "X", 16, 16},
    PictureInfo{kSplash, "Splash", 240, 286},
    PictureInfo{kSmile, "Smile", 16, 16},
    PictureInfo{kSad, "Sad", 16, 16},
    PictureInfo{kListHeader, "ListHeader", 536, 20},
    PictureInfo{kAccount, "Account", 124, 64},
    PictureInfo{kInfoBMP, "InfoBMP", 160, 24},
    PictureInfo{kDots, "Dots", 12, 16},
    PictureInfo{kNotes, "Notes", 8, 8},
    PictureInfo{kBlevel, "Blevel", 32, 32},
    PictureInfo{kBLDown, "BLDown", 32, 32},
    PictureInfo{kBRDown, "BRDown", 32, 32},
    PictureInfo{kInvestHistoryHeader, "InvestHistoryHeader", 496, 64},
    PictureInfo{kInvestMainHeader, "InvestMainHeader", 308, 64},
    PictureInfo{kInvestSpecial, "InvestSpecial", 308, 24},
    PictureInfo{kSell, "Sell", 32, 24},
    PictureInfo{kBuy, "Buy", 32, 24},
    PictureInfo{kPPS, "PPS", 32, 24},
    PictureInfo{kCheckButton, "CheckButton", 32, 24},
    PictureInfo{kDepositButton, "DepositButton", 32, 24},
    PictureInfo{kTransferButton, "TransferButton", 32, 24},
    PictureInfo{kBalanceButton, "BalanceButton", 32, 24},
    PictureInfo{kNewButton, "NewButton", 32, 24},
    PictureInfo{kPayButton, "PayButton", 32, 24},
    PictureInfo{kStatButton, "StatButton", 32, 24},
    PictureInfo{kSaveButton, "SaveButton", 32, 24},
    PictureInfo{kHistoryButton, "HistoryButton", 32, 24},
    PictureInfo{kInfoButton, "InfoButton", 32, 24},
    PictureInfo{kPrintButton, "PrintButton", 32, 24},
    PictureInfo{kUndoButton, "UndoButton", 32, 24},
    PictureInfo{kInvestListHeader, "InvestListHeader", 536, 20},
    PictureInfo{kPrintHeader, "PrintHeader", 648, 20},
    PictureInfo{kRemindButton, "RemindButton", 32, 24},
    PictureInfo{kRemind, "Remind", 16, 16},
    PictureInfo{kRemindListHeader, "RemindListHeader", 392, 18},
    PictureInfo{kEditorButton, "EditorButton", 32, 24},
    PictureInfo{kDateBox, "DateBox", 24, 20},
    PictureInfo{kLeftArrow, "LeftArrow", 16, 16},
    PictureInfo{kRightArrow, "RightArrow", 16, 16},
    PictureInfo{kRedDate, "RedDate", 24, 20},
    PictureInfo{kGreenDate, "GreenDate", 24, 20},
    PictureInfo{kYellowDate, "YellowDate", 24, 20},
    PictureInfo{kBlueDate, "BlueDate", 24, 20},
    PictureInfo{kBlueYellowDate, "BlueYellowDate", 24, 20},
    PictureInfo{kBlueRedDate, "BlueRedDate", 24, 20},
    PictureInfo{kBlueGreenDate, "BlueGreenDate", 24, 20},
    PictureInfo{kToDoListHeader, "ToDoListHeader", 392, 18},
};

static_assert(std::is_sorted(kPictures.begin(), kPictures.end(),
                             [](const PictureInfo& a, const PictureInfo& b) { return a.Id < b.Id; }));

const PictureInfo* FindPicture(int id)
{
    auto it = std::lower_bound(kPictures.begin(), kPictures.end(), id,
                               [](const PictureInfo& p, int value) { return p.Id < value; });
    return it != kPictures.end() && it->Id == id ? &*it : nullptr;
}

// Renders an SVG resource into a transparent pixmap, at the given size or else at the SVG's own.
QPixmap Render(const QString& path, QSize size = {})
{
    EnsurePictureResources();
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    if (!size.isValid())
        size = renderer.defaultSize();
    QPixmap pixmap(size);
    pixmap.setDevicePixelRatio(1);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}

} // namespace

std::span<const PictureInfo> AllPictures()
{
    return kPictures;
}

const QPixmap& Picture(int id)
{
    // Kept for the whole run and never freed: pixmaps must not outlive the application object,
    // and static destruction comes after it.
    static auto* cache = new std::map<int, QPixmap>;
    static const QPixmap none;
    if (auto it = cache->find(id); it != cache->end())
        return it->second;
    if (!FindPicture(id))
        return none;
    // The SVG's own width and height are the size it is drawn at.
    return cache->emplace(id, Render(QString(":/pictures/%1.svg").arg(id))).first->second;
}

QSize PictureSize(int id)
{
    const PictureInfo* info = FindPicture(id);
    return info ? QSize(info->Width, info->Height) : QSize();
}

QIcon ProgramIcon()
{
    static auto* icon = [] {
        auto* made = new QIcon;
        for (int side : {16, 24, 32, 48, 64, 128, 256}) {
            QPixmap pixmap = Render(":/pictures/icon.svg", QSize(side, side));
            if (!pixmap.isNull())
                made->addPixmap(pixmap);
        }
        return made;
    }();
    return *icon;
}
