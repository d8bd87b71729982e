// Runs budget-cli in-process on files in the fixture's folder, with the clock pinned.
#pragma once

#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "cli/Commands.h"
#include "files/BudgetFile.h"
#include "files/BudgetLock.h"
#include "model/Globals.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

// Available 100.00, Rent 800.00, Car with Gas 50.00 and the savings account Savings 1,000.00;
// the Checkbook holds 950.00.
inline void AddSampleAccounts()
{
    for (const auto& [Mi, Si, name, balance] :
         {std::tuple{1, 0, "Rent", 80000}, {2, 0, "Car", 0}, {2, 1, "Gas", 5000}, {3, 0, "Savings", 100000}}) {
        AddTestAccount(Mi, Si, name, Mi == 3);
        Accounts[Mi][Si].Balance = balance;
    }
    Accounts[0][0].Balance = 10000;
    Accounts[0][1].Balance = 95000;
}

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

    // Saves the budget in memory to `path`, the file commands run on, and closes it, so the command
    // line may open it; `bytes` keeps the file as saved.
    void SaveAndClose()
    {
        ASSERT_EQ(SaveAs(path), 1) << host.AllMessages();
        ASSERT_EQ(BudgetClose(), 1);
        bytes = ReadFileBytes(path);
    }

    // Puts the file back to `bytes`, with no backup beside it.
    void PutBack()
    {
        WriteFileBytes(path, bytes);
        QFile::remove(QString::fromStdString(path + ".bak"));
    }

    // Puts the file back and runs the command on it: the file goes after the command's name.
    CliRun RunOn(std::vector<std::string> args)
    {
        PutBack();
        args.insert(args.begin() + 1, path);
        return Run(args);
    }

    // The file is as it was put back, and no save was made.
    void ExpectUnsaved(const std::string& what)
    {
        EXPECT_EQ(ReadFileBytes(path), bytes) << what;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".bak"))) << what << ": saved all the same";
    }

    // Opens the file as the program does, to look at what a command left.
    void Reopen()
    {
        UnlockAllBudgetFiles();
        EXPECT_EQ(Open(path), 1) << host.AllMessages();
    }

    std::string path = PathOf("budget.bgt");
    std::vector<uint8_t> bytes;
};
