#include "cli/OrvaneCli.h"

#include <QCoreApplication>

#include <unistd.h>

#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    std::ios::sync_with_stdio(false);
    cli::Streams io{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    const int code = cli::Run(QCoreApplication::arguments(), io, std::vector<std::string>(argv, argv + argc));
    std::cout.flush();
    return code;
}
