#include "PrintCommand.h"

#include "ChannelListing.h"
#include "WorkingCopy.h"
#include "match/ChannelCsv.h"
#include "match/ChannelSet.h"
#include "print/PageLayout.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstring>
#include <filesystem>
#include <unordered_map>

namespace cli {

namespace {

struct ListColumn {
    const char* caption;
    Qt::Alignment alignment;
};

// In the order of ChannelListRow's cells; the editor's captions where it has the column.
constexpr ListColumn kPrintColumns[kListColumns] = {
    {"No", Qt::AlignRight},         {"Service", Qt::AlignLeft},    {"Type", Qt::AlignHCenter},
    {"Satellite", Qt::AlignLeft},   {"Frequency", Qt::AlignRight}, {"Pol", Qt::AlignHCenter},
    {"Symbolrate", Qt::AlignRight}, {"SID", Qt::AlignRight},       {"Provider", Qt::AlignLeft},
    {"Flags", Qt::AlignLeft},
};

QStringList PrintRow(const match::ChannelItem& item) {
    QStringList cells;
    cells.reserve(qsizetype(kListColumns));
    for (const std::string& cell : ChannelListRow(item)) {
        // Escaped as `list` shows it: a control character in a name prints as text.
        cells << QString::fromStdString(TerminalText(cell));
    }
    return cells;
}

int Fail(Streams& io, const std::string& message) {
    io.err << "orvane-cli: " << TerminalText(message) << "\n";
    return kExitFailed;
}

} // namespace

int Print(Streams& io, const std::string& path, const PrintOptions& options) {
    std::string error;
    match::ChannelSet set;
    if (!CheckRegularFile(path, error) || !match::ReadChannelSetFromFile(path, set, error)) {
        return Fail(io, error);
    }
    print::PrintSheet sheet;
    sheet.fileName = QFileInfo(QFile::decodeName(path.c_str())).fileName();
    sheet.dateText = print::TodayText();
    for (const ListColumn& column : kPrintColumns) {
        sheet.columns.push_back({QString::fromLatin1(column.caption), column.alignment});
    }
    if (options.group.empty()) {
        sheet.subject = QStringLiteral("Channel list");
        sheet.rows.reserve(set.channels.size());
        for (const match::ChannelItem& item : set.channels) {
            sheet.rows.push_back(PrintRow(item));
        }
    } else {
        const auto group = std::find_if(set.groups.begin(), set.groups.end(), [&options](const FavGroupRecord& g) {
            return match::NameText(g.name) == options.group;
        });
        if (group == set.groups.end()) {
            return Fail(io, path + ": no favourite group named '" + options.group + "'");
        }
        std::unordered_map<int32_t, size_t> byId;
        for (size_t i = 0; i < set.channels.size(); ++i) {
            byId.emplace(set.channels[i].record.ch_id, i);
        }
        for (const FavEntryRecord& entry : set.entries) {
            const auto channel = byId.find(entry.ch_id);
            if (entry.favgrp_id == group->favgrp_id && channel != byId.end()) {
                sheet.rows.push_back(PrintRow(set.channels[channel->second]));
            }
        }
        sheet.subject = QStringLiteral("Favourite group: ") + QString::fromStdString(TerminalText(options.group));
    }
    // The PDF never takes the place of the receiver file it is made from.
    // Told by the bytes of both names: two names that are no UTF-8 may read alike as text.
    if (std::error_code ec; std::filesystem::equivalent(options.pdf, path, ec)) {
        return Fail(io, options.pdf + ": is the receiver file itself; choose another name for the PDF");
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return Fail(io, "print: painting the pages needs the program's graphical start-up");
    }
    sheet.counts = print::CountsText(qsizetype(sheet.rows.size()), qsizetype(set.channels.size()));
    // Painted in memory and written under the name's own bytes, which a QString may not hold.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!print::PaintPdf(pdf, sheet, options.card ? print::Layout::Card : print::Layout::Table,
                         options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait)) {
        return Fail(io, options.pdf + ": cannot be written: the PDF could not be painted");
    }
    if (std::string error; !WriteWholeFile(options.pdf, pdf.data().toStdString(), error)) {
        return Fail(io, options.pdf + ": cannot be written: " + error);
    }
    io.err << TerminalText(options.pdf) << ": " << sheet.rows.size() << " channels printed\n";
    return kExitOk;
}

bool CommandNeedsGui(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] != '-') {
            return std::strcmp(arg, "print") == 0;
        }
        // The options that take a value as the next argument.
        for (const char* valued : {"--format", "--backup", "--pdf", "--group"}) {
            if (std::strcmp(arg, valued) == 0) {
                ++i;
            }
        }
    }
    return false;
}

} // namespace cli
