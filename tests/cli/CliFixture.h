// Runs budget-cli in-process on files in the fixture's folder, with the clock pinned.
#pragma once

#include "support/FileFixture.h"

#include "cli/Commands.h"
#include "files/BudgetLock.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <sstream>
#include <string>
#include <vector>

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

class CliFixture : public FileFixture {
protected:
    CliRun Run(std::vector<std::string> args)
    {
        UnlockAllBudgetFiles();  // a budget the test reopened to look at must not stand in the way
        std::ostringstream out, err;
        ConsoleHost console(err);
        console.Clock = LocalTime{2026, 12, 5, 18, 35, 0};
        const int code = RunBudgetCli(args, out, console);
        SetHost(&host);  // the command put its own host back to the default
        return {code, out.str(), err.str()};
    }

    QJsonObject Dump(const std::string& path)
    {
        const CliRun run = Run({"dump", path});
        EXPECT_EQ(run.code, 0) << run.err;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return doc.object();
    }
};
