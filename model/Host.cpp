// The installed host and the plain fallback used before a program installs its own.
#include "model/Host.h"

#include "model/Messages.h"

#include <QDateTime>
#include <cerrno>
#include <cstdio>

namespace {

class FallbackHost : public Host {
public:
    int MessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                   MessageIcon) override
    {
        std::fprintf(stderr, "%s: %s\n", title.empty() ? "Error" : title.c_str(), text.c_str());
        return buttons == MessageButtons::Ok ? IDOK : (buttons == MessageButtons::YesNo ? IDNO : IDCANCEL);
    }
    bool ChooseOpenFile(const FileChoice&, std::string&) override { return false; }
    bool ChooseSaveFile(const FileChoice&, std::string&) override { return false; }
    LocalTime Now() override { return SystemLocalTime(); }
};

FallbackHost gFallbackHost;
Host* gHost = &gFallbackHost;

}  // namespace

Host& GetHost()
{
    return *gHost;
}

void SetHost(Host* host)
{
    gHost = host ? host : &gFallbackHost;
}

int Host::PrintCheckPage()
{
    HandlePrintError(0, "Unable to get PrintDC");
    return 0;
}

LocalTime SystemLocalTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    LocalTime t;
    t.Year = now.date().year();
    t.Month = now.date().month();
    t.Day = now.date().day();
    t.Hour = now.time().hour();
    t.Minute = now.time().minute();
    t.Second = now.time().second();
    return t;
}

int LastSystemError()
{
    return errno;
}
