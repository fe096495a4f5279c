#pragma once
// CCrossFileTools: the Tools menu's commands across two receiver files. Compare with
// File lists what a chosen file holds otherwise than the open one (and from there
// applies its order or puts the open file's new channels in a favourite group); Add
// Channels from Another File brings chosen channels of another file over, with the
// satellites, transponders and providers they need. A chosen file that fails the
// checks of `orvane-cli check` is refused with its problem named; a merge lists its
// clashes before it writes, and writes as one undoable step.
#include "match/ChannelSet.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class CChannelTools;
class COrvaneDoc;
class QMenu;
class QWidget;

class CCrossFileTools : public QObject {
    Q_OBJECT
public:
    // The problems of the file open on a connection, as `orvane-cli check` finds them;
    // empty when it passes.
    using FileCheck = match::FileCheck;

    CCrossFileTools(COrvaneDoc* doc, CChannelTools* channelTools, FileCheck check, QWidget* parent);

    void AddActions(QMenu* menu);

    void OnCompareWithFile();
    void OnAddChannels();
    // The commands on a file already chosen.
    void CompareWith(const QString& path);
    void AddChannelsFrom(const QString& path);

private:
    QWidget* Parent() const;
    // Opens the chosen file once: the checks, then `read` on the same connection. False,
    // with the user told, without an open database or when the file fails the checks
    // or cannot be read.
    bool ReadChosen(const QString& path, const std::function<int(CChannelDB&)>& read) const;
    QString Choose(const QString& caption) const;
    void AddNewToGroup(const std::vector<int32_t>& ids);

    COrvaneDoc* m_doc;
    CChannelTools* m_channelTools;
    FileCheck m_check;
};
