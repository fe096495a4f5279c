#include "cli/OrvaneCli.h"

#include "cli/PrintCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <unistd.h>

#include <iostream>
#include <memory>

int main(int argc, char* argv[]) {
    // print paints its pages with fonts, which takes a QGuiApplication; it needs no
    // display, so it gets the offscreen platform. The other commands stay Qt Core only.
    std::unique_ptr<QCoreApplication> app;
    if (cli::CommandNeedsGui(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("orvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    std::ios::sync_with_stdio(false);
    cli::Streams io{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    const int code = cli::Run(QCoreApplication::arguments(), io, std::vector<std::string>(argv, argv + argc));
    std::cout.flush();
    return code;
}
