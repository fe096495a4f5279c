#include "OrvaneCli.h"

#include "ChannelListing.h"
#include "PrintCommand.h"
#include "TransferCommands.h"
#include "WorkingCopy.h"
#include "db/ReceiverConnection.h"
#include "db/SchemaGate.h"
#include "match/ChannelCompare.h"
#include "match/ChannelCsv.h"
#include "match/ChannelEdits.h"
#include "match/ChannelMerge.h"
#include "seams/NativeNames.h"
#include "transfer/SendCheck.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

namespace cli {

namespace {

struct Context;

// One command: its synopsis and what it does (a line each) for the help, how many
// arguments and which options it takes, and what runs it. Commands() lists them in
// the help's order.
struct Command {
    const char* name;
    const char* synopsis;
    std::vector<const char*> lines;
    int arguments;
    QStringList options;
    std::function<int(Context&)> run;
};

const std::vector<Command>& Commands();
const Command* FindCommand(const QString& name);

// A command's lines in the help: the synopsis, and the description from column 37
// (on the lines below when the synopsis reaches that far).
std::string HelpLines(const Command& help) {
    constexpr size_t kColumn = 37;
    const std::string indent(kColumn, ' ');
    std::string text = std::string("  ") + help.synopsis;
    text += text.size() < kColumn ? std::string(kColumn - text.size(), ' ') : "\n" + indent;
    for (size_t i = 0; i < help.lines.size(); ++i) {
        text += (i == 0 ? "" : indent) + std::string(help.lines[i]) + "\n";
    }
    return text;
}

const char* const kHelpMatching = R"(
Channels are matched across files by network, stream and service id; else by
satellite, frequency (within 2 MHz), polarity and service id; else by name and kind
on the same satellite. Commands that change a file edit a working copy and replace
the file only when everything succeeded.
)";

const char* const kHelpExitCodes = "\nExit codes: 0 success, 1 a failed check or a refused input, 2 a usage error.\n";

std::string Help() {
    std::string text = "Usage: orvane-cli [--help] [--version] COMMAND ARGUMENTS\n\n"
                       "Commands on Melvex400 receiver files (.dat):\n";
    for (const Command& help : Commands()) {
        text += HelpLines(help);
    }
    return text + kHelpMatching + kHelpExitCodes;
}

// `orvane-cli COMMAND --help`: that command alone.
std::string CommandHelpText(const QString& name) {
    const Command* help = FindCommand(name);
    if (help == nullptr) {
        return {};
    }
    std::string text = std::string("Usage: orvane-cli ") + help->synopsis + "\n\n";
    for (const char* line : help->lines) {
        text += std::string("  ") + line + "\n";
    }
    return text + kHelpExitCodes;
}

// Text for the terminal: each line's control characters escaped (names come from the
// file and may hold any byte), the line breaks kept.
std::string Shown(const std::string& text) {
    std::string shown;
    for (size_t start = 0; start < text.size();) {
        const size_t stop = std::min(text.find('\n', start), text.size());
        shown += TerminalText(std::string_view(text).substr(start, stop - start));
        if (stop < text.size()) {
            shown += '\n';
        }
        start = stop + 1;
    }
    return shown;
}

struct Context {
    Streams& io;
    QStringList args;             // after the command name
    std::vector<std::string> raw; // the same as the system gave their bytes, when known
    bool dryRun = false;
    bool favourites = false;
    bool remove = false;
    bool allNew = false;
    std::vector<int32_t> ids{};
    ListFormat format = ListFormat::Table;
    DownloadOptions download{};
    PrintOptions print{};

    std::string Arg(qsizetype i) const {
        return raw.size() == static_cast<size_t>(args.size()) ? raw[static_cast<size_t>(i)]
                                                              : QFile::encodeName(args.at(i)).toStdString();
    }
    int Fail(const std::string& message) const {
        io.err << "orvane-cli: " << Shown(message) << "\n";
        return kExitFailed;
    }
};

bool ReadSet(const Context& ctx, const std::string& path, match::ChannelSet& set) {
    std::string error;
    if (!CheckRegularFile(path, error) || !match::ReadChannelSetFromFile(path, set, error)) {
        ctx.Fail(error);
        return false;
    }
    return true;
}

// Reads the working copy that an edit is planned on.
bool ReadWorking(const Context& ctx, CWorkingCopy& copy, const std::string& path, match::ChannelSet& set) {
    std::string error;
    if (!copy.Open(path, error)) {
        ctx.Fail(error);
        return false;
    }
    CChannelDB db;
    if (const int rc = match::ReadChannelSet(db, set); rc != 0) {
        ctx.Fail(path + ": reading the channels failed (sqlite3 error " + std::to_string(-rc) + ": " +
                 LastDbErrorText() + ")");
        return false;
    }
    return true;
}

// A command that will write plans on its working copy (holding the file's lock); one
// that only reads (a dry run, a listing) opens the file itself, read-only.
bool ReadForCommand(const Context& ctx, bool writes, CWorkingCopy& copy, const std::string& path,
                    match::ChannelSet& set) {
    return writes ? ReadWorking(ctx, copy, path, set) : ReadSet(ctx, path, set);
}

int SaveWorking(const Context& ctx, CWorkingCopy& copy, int rc, const std::string& path) {
    if (rc == kValueDoesNotFit) {
        return ctx.Fail(path + ": a row holds a value that the receiver's format does not allow (" + LastDbErrorText() +
                        "); the file is unchanged");
    }
    if (rc != 0) {
        return ctx.Fail(path + ": the change failed (sqlite3 error " + std::to_string(-rc) +
                        "); the file is unchanged");
    }
    std::string error;
    if (!copy.Save(error)) {
        return ctx.Fail(error);
    }
    return kExitOk;
}

bool ReadText(const Context& ctx, const std::string& path, std::string& text) {
    std::string error;
    if (!CheckRegularFile(path, error)) {
        ctx.Fail(error);
        return false;
    }
    // The path as the bytes it was given: it need not be UTF-8.
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    std::ifstream file(path, std::ios::binary);
    if (sizeError || size > match::kMaxCsvBytes || !file) {
        ctx.Fail(path +
                 (!sizeError && size > match::kMaxCsvBytes ? ": too large for a channel list" : ": cannot be read"));
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

bool WriteText(const Context& ctx, const std::string& path, const std::string& text) {
    if (std::string error; !WriteWholeFile(path, text, error)) {
        ctx.Fail(path + ": cannot be written: " + error);
        return false;
    }
    return true;
}

// ---- commands -----------------------------------------------------------------

int Check(Context& ctx) {
    const std::string path = ctx.Arg(0);
    CReadConnection connection;
    std::string error;
    if (!connection.Open(path, error)) {
        return ctx.Fail(error);
    }
    // The same checks as a download makes before it sends a file.
    const std::vector<std::string> problems = transfer::ReceiverDbProblems(connection.Handle());
    CChannelDB db;
    for (const char* table : transfer::kReceiverTables) {
        if (const int rows = db.CountTableRows(table); rows >= 0) {
            ctx.io.out << table << ": " << rows << " rows\n";
        }
    }
    for (const std::string& problem : problems) {
        ctx.io.err << Shown(path + ": " + problem) << "\n";
    }
    if (!problems.empty()) {
        return kExitFailed;
    }
    // Not run by this program, and no fault of the file.
    if (const std::string told = dbconn::DescribeTriggersAndViews(dbconn::ListTriggersAndViews(connection.Handle()));
        !told.empty()) {
        ctx.io.out << Shown(path + ": " + told) << "\n";
    }
    ctx.io.out << Shown(path) << ": ok\n";
    return kExitOk;
}

int List(Context& ctx) {
    match::ChannelSet set;
    if (!ReadSet(ctx, ctx.Arg(0), set)) {
        return kExitFailed;
    }
    ctx.io.out << FormatChannelList(set, ctx.format);
    return kExitOk;
}

int Export(Context& ctx) {
    match::ChannelSet set;
    if (!ReadSet(ctx, ctx.Arg(0), set) || !WriteText(ctx, ctx.Arg(1), match::ExportCsv(set))) {
        return kExitFailed;
    }
    ctx.io.err << ctx.Arg(1) << ": " << set.channels.size() << " channels written\n";
    return kExitOk;
}

void PrintChanges(const Context& ctx, const std::vector<std::string>& changes) {
    for (const std::string& change : changes) {
        ctx.io.out << Shown(change) << "\n";
    }
    ctx.io.err << changes.size() << (changes.size() == 1 ? " change" : " changes")
               << (ctx.dryRun ? " (dry run: nothing written)" : "") << "\n";
}

int Import(Context& ctx) {
    const std::string path = ctx.Arg(0);
    std::string text;
    if (!ReadText(ctx, ctx.Arg(1), text)) {
        return kExitFailed;
    }
    CWorkingCopy copy;
    match::ChannelSet set;
    if (!ReadForCommand(ctx, !ctx.dryRun, copy, path, set)) {
        return kExitFailed;
    }
    const match::CsvImportPlan plan = match::PlanCsvImport(text, set);
    if (plan.Refused()) {
        ctx.io.err << Shown(ctx.Arg(1) + ": refused, nothing changed:\n" + plan.error);
        return kExitFailed;
    }
    PrintChanges(ctx, plan.changes);
    if (ctx.dryRun || plan.changes.empty()) {
        return kExitOk;
    }
    CChannelDB db;
    return SaveWorking(ctx, copy, match::ApplyCsvImport(db, set, plan), path);
}

int Diff(Context& ctx) {
    match::ChannelSet a;
    match::ChannelSet b;
    if (!ReadSet(ctx, ctx.Arg(0), a) || !ReadSet(ctx, ctx.Arg(1), b)) {
        return kExitFailed;
    }
    const match::Comparison comparison = match::CompareSets(a, b);
    std::ostringstream out;
    for (const match::ChannelChange& change : comparison.changes) {
        out << match::DescribeChange(a, b, change) << "\n";
    }
    out << match::DescribeCounts(comparison) << "\n";
    ctx.io.out << Shown(out.str());
    return kExitOk;
}

bool ReadReference(const Context& ctx, const std::string& path, match::ReferenceList& reference) {
    std::string error;
    if (!CheckRegularFile(path, error) || !match::ReadReferenceFile(path, reference, error)) {
        ctx.io.err << "orvane-cli: refused, nothing changed: " << Shown(error) << (error.ends_with('\n') ? "" : "\n");
        return false;
    }
    return true;
}

int ApplyOrder(Context& ctx) {
    const std::string path = ctx.Arg(1);
    match::ReferenceList reference;
    if (!ReadReference(ctx, ctx.Arg(0), reference)) {
        return kExitFailed;
    }
    CWorkingCopy copy;
    match::ChannelSet set;
    if (!ReadForCommand(ctx, !ctx.dryRun, copy, path, set)) {
        return kExitFailed;
    }
    const match::OrderPlan plan = match::PlanOrder(reference, set);
    for (const std::string& line : match::DescribeOrderPlan(set, plan)) {
        ctx.io.out << Shown(line) << "\n";
    }
    if (ctx.dryRun) {
        ctx.io.err << "dry run: nothing written\n";
        return kExitOk;
    }
    if (!plan.Changes(set) && !ctx.favourites) {
        ctx.io.err << path << ": already in the reference order\n";
        return kExitOk;
    }
    CChannelDB db;
    return SaveWorking(ctx, copy, match::ApplyOrder(db, set, plan, reference, ctx.favourites), path);
}

int Duplicates(Context& ctx) {
    const std::string path = ctx.Arg(0);
    CWorkingCopy copy;
    match::ChannelSet set;
    if (!ReadForCommand(ctx, ctx.remove, copy, path, set)) {
        return kExitFailed;
    }
    const std::vector<match::DuplicateSet> sets = match::FindDuplicates(match::IdentitiesOf(set));
    size_t extra = 0;
    for (const match::DuplicateSet& duplicates : sets) {
        ctx.io.out << Shown(match::DescribeDuplicates(set, duplicates)) << "\n";
        extra += duplicates.members.size() - 1;
    }
    ctx.io.err << sets.size() << " sets of duplicates, " << extra << " channels beyond the first of each"
               << (ctx.remove && extra > 0 ? ": removing all but the one in [ ]" : "") << "\n";
    if (!ctx.remove || extra == 0) {
        return kExitOk;
    }
    CChannelDB db;
    return SaveWorking(ctx, copy, match::RemoveDuplicates(db, set, sets), path);
}

// Says why a file failing what `check` asks of it is refused; true when nothing was found.
bool NoProblems(const Context& ctx, const std::string& path, const std::vector<std::string>& problems) {
    for (const std::string& problem : problems) {
        ctx.io.err << "orvane-cli: refused, nothing changed: " << Shown(path + ": " + problem) << "\n";
    }
    return problems.empty();
}

// The other file must pass what `check` asks of a file, as the file edited does.
bool PassesCheck(const Context& ctx, const std::string& path) {
    return NoProblems(ctx, path, transfer::ReceiverFileProblems(path));
}

// "3,5,9" as ids; false for anything else.
bool ParseIds(const QString& text, std::vector<int32_t>& ids) {
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (!ok || id < 0) {
            return false;
        }
        ids.push_back(id);
    }
    return !ids.empty();
}

int Merge(Context& ctx) {
    const std::string path = ctx.Arg(0);
    const std::string otherPath = ctx.Arg(1);
    if (!PassesCheck(ctx, path)) {
        return kExitFailed;
    }
    // The other file is checked and read on one connection.
    match::MergeFile other;
    std::string error;
    std::vector<std::string> problems;
    if (!match::ReadCheckedMergeFile(otherPath, &transfer::ReceiverDbProblems, other, problems, error)) {
        return NoProblems(ctx, otherPath, problems) ? ctx.Fail(error) : kExitFailed;
    }
    const bool writes = !ctx.dryRun && (ctx.allNew || !ctx.ids.empty());
    CWorkingCopy copy;
    match::MergeFile current;
    if (writes) {
        if (!copy.Open(path, error)) {
            return ctx.Fail(error);
        }
        CChannelDB db;
        if (const int rc = match::ReadMergeFile(db, current, match::FitChecks::None); rc != 0) {
            return ctx.Fail(path + ": reading the channels failed (sqlite3 error " + std::to_string(-rc) + ")");
        }
    } else if (!match::ReadMergeFileFromPath(path, current, error)) {
        return ctx.Fail(error);
    }
    const std::vector<size_t> fresh = match::NewChannels(current.set, other.set);
    if (!ctx.allNew && ctx.ids.empty()) {
        for (const size_t i : fresh) {
            const ChannelRecord& record = other.set.channels[i].record;
            ctx.io.out << Shown("new " + match::ChannelLabel(record) + " (id " + std::to_string(record.ch_id) + ")")
                       << "\n";
        }
        ctx.io.err << fresh.size() << " channels of " << Shown(otherPath)
                   << " are not in the file; choose them with --ids or --all-new\n";
        return kExitOk;
    }
    std::vector<size_t> picks = fresh;
    if (!ctx.allNew) {
        std::unordered_map<int32_t, size_t> freshById;
        for (const size_t i : fresh) {
            freshById.emplace(other.set.channels[i].record.ch_id, i);
        }
        picks.clear();
        for (const int32_t id : ctx.ids) {
            const auto found = freshById.find(id);
            if (found == freshById.end()) {
                return ctx.Fail(otherPath + ": channel id " + std::to_string(id) +
                                " is no channel that the file lacks; nothing changed");
            }
            picks.push_back(found->second);
        }
    }
    const match::MergePlan plan = match::PlanMerge(current, other, picks);
    for (const std::string& line : match::DescribeMerge(other, plan)) {
        ctx.io.out << Shown(line) << "\n";
    }
    if (plan.Clashes()) {
        ctx.io.err << "orvane-cli: " << plan.clashes.size() << (plan.clashes.size() == 1 ? " clash" : " clashes")
                   << "; nothing written (leave the clashing channels out of --ids)\n";
        return kExitFailed;
    }
    ctx.io.err << plan.channels.size() << (plan.channels.size() == 1 ? " channel" : " channels")
               << (ctx.dryRun ? " to add (dry run: nothing written)" : " added") << "\n";
    if (!writes || plan.channels.empty()) {
        return kExitOk;
    }
    CChannelDB db;
    return SaveWorking(ctx, copy, match::ApplyMerge(db, plan), path);
}

// ---- parsing ------------------------------------------------------------------

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands{
        {"check", "check FILE", {"revision, table layout, integrity and row counts"}, 1, {}, Check},
        {"list",
         "list FILE [--format table|csv|json]",
         {"the channels in the receiver's order"},
         1,
         {QStringLiteral("format")},
         List},
        {"export", "export FILE OUT.csv", {"the channels as CSV (identity and editable columns)"}, 2, {}, Export},
        {"import",
         "import FILE IN.csv [--dry-run]",
         {"takes names, numbers, lock, hide and favourite", "groups from a CSV, matching rows by identity"},
         2,
         {QStringLiteral("dry-run")},
         Import},
        {"diff", "diff A.dat B.dat", {"channels added, removed, moved and renamed"}, 2, {}, Diff},
        {"apply-order",
         "apply-order REFERENCE FILE [--dry-run] [--favourites]",
         {"gives FILE the order (and with --favourites the", "favourite groups) of an older file or a CSV"},
         2,
         {QStringLiteral("dry-run"), QStringLiteral("favourites")},
         ApplyOrder},
        {"duplicates",
         "duplicates FILE [--remove]",
         {"channels with the same identity; --remove keeps", "one of each set and removes the others"},
         1,
         {QStringLiteral("remove")},
         Duplicates},
        {"merge",
         "merge FILE OTHER [--dry-run] [--ids ID,... | --all-new]",
         {"adds channels of OTHER that FILE lacks (without", "--ids or --all-new: lists them), with the",
          "satellites, transponders and providers they need;", "any clash is listed and nothing is written"},
         2,
         {QStringLiteral("dry-run"), QStringLiteral("ids"), QStringLiteral("all-new")},
         Merge},
        {"upload",
         "upload DIR",
         {"fetches the receiver's database into DIR"},
         1,
         {},
         [](Context& ctx) { return Upload(ctx.io, ctx.Arg(0)); }},
        {"download",
         "download FILE [--backup DIR | --no-backup] [--verify | --no-verify]",
         {"sends FILE into the receiver, replacing its", "database: first a backup of the receiver's",
          "database into DIR (default the editor's backup", "folder), afterwards a read-back that compares"},
         1,
         {QStringLiteral("backup"), QStringLiteral("no-backup"), QStringLiteral("verify"), QStringLiteral("no-verify")},
         [](Context& ctx) { return Download(ctx.io, ctx.Arg(0), ctx.download); }},
        {"receiver-backups",
         "receiver-backups [--backup DIR]",
         {"lists the backups: date, size, channels"},
         0,
         {QStringLiteral("backup")},
         [](Context& ctx) { return ListReceiverBackups(ctx.io, ctx.download.backupFolder); }},
        // A backup is the receiver's own list: it is sent without a new backup, and read back.
        {"restore-backup",
         "restore-backup FILE",
         {"sends a backup back into the receiver"},
         1,
         {},
         [](Context& ctx) {
             return Download(ctx.io, ctx.Arg(0), {false, {}, true});
         }},
        {"print",
         "print FILE --pdf OUT.pdf [--group NAME] [--card] [--landscape]",
         {"the channel list (or one favourite group) as a", "PDF table with a header and page numbers;",
          "--card prints number and name in large type in", "two columns"},
         1,
         {QStringLiteral("pdf"), QStringLiteral("group"), QStringLiteral("card"), QStringLiteral("landscape")},
         [](Context& ctx) { return Print(ctx.io, ctx.Arg(0), ctx.print); }},
    };
    return commands;
}

const Command* FindCommand(const QString& name) {
    const std::vector<Command>& commands = Commands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command& command) { return name == QLatin1String(command.name); });
    return found == commands.end() ? nullptr : &*found;
}

int Usage(Streams& io, const QString& problem) {
    io.err << "orvane-cli: " << problem.toStdString() << "\nTry 'orvane-cli --help'.\n";
    return kExitUsage;
}

} // namespace

int Run(const QStringList& arguments, Streams& io, const std::vector<std::string>& raw) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("format"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QString());
    const QCommandLineOption favourites(QStringLiteral("favourites"), QString());
    const QCommandLineOption remove(QStringLiteral("remove"), QString());
    const QCommandLineOption backup(QStringLiteral("backup"), QString(), QStringLiteral("dir"));
    const QCommandLineOption noBackup(QStringLiteral("no-backup"), QString());
    const QCommandLineOption verify(QStringLiteral("verify"), QString());
    const QCommandLineOption noVerify(QStringLiteral("no-verify"), QString());
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("file"));
    const QCommandLineOption group(QStringLiteral("group"), QString(), QStringLiteral("name"));
    const QCommandLineOption card(QStringLiteral("card"), QString());
    const QCommandLineOption landscape(QStringLiteral("landscape"), QString());
    const QCommandLineOption ids(QStringLiteral("ids"), QString(), QStringLiteral("ids"));
    const QCommandLineOption allNew(QStringLiteral("all-new"), QString());
    parser.addOptions({help, version, format, dryRun, favourites, remove, backup, noBackup, verify, noVerify, pdf,
                       group, card, landscape, ids, allNew});
    if (!parser.parse(arguments)) {
        // The parser names an unknown option without its dashes; the user typed them.
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString& option = unknown.first();
            return Usage(io, QStringLiteral("Unknown option '%1%2'.")
                                 .arg(option.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), option));
        }
        return Usage(io, parser.errorText());
    }
    if (parser.isSet(help)) {
        // After a command's name, the help of that command.
        const QStringList named = parser.positionalArguments();
        const std::string commandHelp = named.isEmpty() ? std::string() : CommandHelpText(named.first());
        io.out << (commandHelp.empty() ? Help() : commandHelp);
        return kExitOk;
    }
    if (parser.isSet(version)) {
        io.out << "orvane-cli 1.0\n";
        return kExitOk;
    }
    QStringList positional = parser.positionalArguments();
    std::vector<std::string> rawPositional = nativenames::RawArguments(positional, raw);
    if (positional.isEmpty()) {
        return Usage(io, QStringLiteral("no command given"));
    }
    const QString name = positional.takeFirst();
    const Command* command = FindCommand(name);
    if (command == nullptr) {
        return Usage(io, QStringLiteral("unknown command '%1'").arg(name));
    }
    if (positional.size() != command->arguments) {
        const int wanted = command->arguments;
        return Usage(io, QStringLiteral("%1 takes %2 argument%3, not %4")
                             .arg(name)
                             .arg(wanted)
                             .arg(wanted == 1 ? QString() : QStringLiteral("s"))
                             .arg(positional.size()));
    }
    for (const QString& option : parser.optionNames()) {
        if (!command->options.contains(option)) {
            return Usage(io, QStringLiteral("%1 does not take --%2").arg(name, option));
        }
    }
    Context ctx{io, positional, {}};
    if (!rawPositional.empty()) {
        ctx.raw.assign(rawPositional.begin() + 1, rawPositional.end());
    }
    ctx.dryRun = parser.isSet(dryRun);
    ctx.favourites = parser.isSet(favourites);
    ctx.remove = parser.isSet(remove);
    ctx.allNew = parser.isSet(allNew);
    if (ctx.allNew && parser.isSet(ids)) {
        return Usage(io, QStringLiteral("%1: --ids and --all-new exclude each other").arg(name));
    }
    if (parser.isSet(ids) && !ParseIds(parser.value(ids), ctx.ids)) {
        return Usage(io, QStringLiteral("%1: --ids takes channel ids separated by commas").arg(name));
    }
    if ((parser.isSet(backup) && parser.isSet(noBackup)) || (parser.isSet(verify) && parser.isSet(noVerify))) {
        return Usage(io, QStringLiteral("%1: an option and its --no- form exclude each other").arg(name));
    }
    // Paths as the bytes the system gave, as the arguments are.
    ctx.download = {!parser.isSet(noBackup), nativenames::RawOptionValue("backup", parser.value(backup), raw),
                    !parser.isSet(noVerify)};
    if (name == QLatin1String("print") && parser.value(pdf).isEmpty()) {
        return Usage(io, QStringLiteral("print needs --pdf OUT.pdf"));
    }
    ctx.print = {nativenames::RawOptionValue("pdf", parser.value(pdf), raw), parser.value(group).toStdString(),
                 parser.isSet(card), parser.isSet(landscape)};
    if (parser.isSet(format)) {
        static const std::map<QString, ListFormat> formats{{QStringLiteral("table"), ListFormat::Table},
                                                           {QStringLiteral("csv"), ListFormat::Csv},
                                                           {QStringLiteral("json"), ListFormat::Json}};
        const auto chosen = formats.find(parser.value(format));
        if (chosen == formats.end()) {
            return Usage(io, QStringLiteral("unknown format '%1' (table, csv or json)").arg(parser.value(format)));
        }
        ctx.format = chosen->second;
    }
    return command->run(ctx);
}

} // namespace cli
