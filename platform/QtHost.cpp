// The desktop program's host over QMessageBox, QFileDialog and the program's windows.
#include "platform/QtHost.h"

#include "platform/DrawContext.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace {

QWidget* OwnerOr(QWidget* fallback)
{
    return MessageOwner(fallback);
}

}  // namespace

QWidget* MessageOwner(QWidget* fallback)
{
    QWidget* active = QApplication::activeWindow();
    return active ? active : fallback;
}

QString FilterText(const FileChoice& choice)
{
    // A description that already names its pattern ("Budget Files (*.bgt)") is shown as it is.
    QStringList filters;
    for (const FileFilter& f : choice.Filters) {
        const QString description = FromBudgetText(f.Description);
        const QString pattern = FromBudgetText(f.Pattern);
        filters << (description.contains("(" + pattern + ")", Qt::CaseInsensitive)
                        ? description
                        : description + " (" + pattern + ")");
    }
    return filters.join(";;");
}

namespace {

void ApplyChoice(QFileDialog& dialog, const FileChoice& choice)
{
    dialog.setNameFilter(FilterText(choice));
    dialog.setDefaultSuffix(QString::fromStdString(choice.DefaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !choice.PromptOverwrite);
    if (!choice.Title.empty())
        dialog.setWindowTitle(FromBudgetText(choice.Title));
}

}  // namespace

int QtHost::MessageBox(const std::string& text, const std::string& title, MessageButtons buttons, MessageIcon icon)
{
    QString body = FromBudgetText(text);
    body.replace('\r', '\n');
    QMessageBox box(OwnerOr(Owner));
    box.setWindowTitle(title.empty() ? QStringLiteral("Error") : FromBudgetText(title));
    box.setText(body);
    switch (icon) {
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return buttons == MessageButtons::Ok ? IDOK : IDCANCEL;
    }
}

bool QtHost::ChooseOpenFile(const FileChoice& choice, std::string& path)
{
    QFileDialog dialog(OwnerOr(Owner));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A new name may be typed: the program asks before making a file of it.
    dialog.setFileMode(choice.PromptCreate ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    ApplyChoice(dialog, choice);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = QFile::encodeName(dialog.selectedFiles().front()).toStdString();
    return true;
}

bool QtHost::ChooseSaveFile(const FileChoice& choice, std::string& path)
{
    QFileDialog dialog(OwnerOr(Owner));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    ApplyChoice(dialog, choice);
    dialog.selectFile(FromBudgetText(choice.OfferedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = QFile::encodeName(dialog.selectedFiles().front()).toStdString();
    return true;
}

void QtHost::InvalidateAccount(int Mi, int Si)
{
    if (OnInvalidateAccount)
        OnInvalidateAccount(Mi, Si);
}

void QtHost::UpdateInfoBox()
{
    if (OnUpdateInfoBox)
        OnUpdateInfoBox();
}

void QtHost::QuitProgram()
{
    QApplication::quit();
}

void QtHost::SettingsChanged()
{
    if (OnSettingsChanged)
        OnSettingsChanged();
    // Every window draws its amounts, dates and lists when it paints, so painting again shows
    // the new form.
    for (QWidget* widget : QApplication::allWidgets())
        widget->update();
}
