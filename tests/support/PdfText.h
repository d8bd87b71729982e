// The text of a PDF file as pdftotext reads it, laid out as on the page, one string per page.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// Empty when the file cannot be read.
inline std::vector<std::string> PdfPages(const std::string& path)
{
    QProcess reader;
    reader.start("pdftotext", {"-layout", QString::fromStdString(path), "-"});
    if (!reader.waitForFinished(30000) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    std::vector<std::string> texts;
    for (const QString& page : pages)
        texts.push_back(page.toStdString());
    return texts;
}
