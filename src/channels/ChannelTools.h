#pragma once
// CChannelTools: the Tools menu's channel commands on the open database: export to
// CSV, import from CSV, the order of a reference file, duplicate channels. Each reads
// the channels through the matching core, shows what it would change and asks, then
// writes in one transaction as one undoable step, marks the database changed and
// reloads the views.
#include <QObject>
#include <QString>
#include <QStringList>

class CChannelDB;
class COrvaneDoc;
class QMenu;
class QWidget;
namespace match {
struct ChannelSet;
}

class CChannelTools : public QObject {
    Q_OBJECT
public:
    CChannelTools(COrvaneDoc* doc, QWidget* parent);

    // Adds the four commands to `menu`.
    void AddActions(QMenu* menu);

    void OnExportCsv();
    void OnImportCsv();
    void OnApplyOrder();
    // The order (and on request the favourites) of the reference file `path`.
    void ApplyOrderFrom(const QString& path);
    void OnFindDuplicates();

private:
    QWidget* Parent() const;
    // True with a database open; otherwise tells the user and returns false.
    bool HaveDb() const;
    bool ReadSet(CChannelDB& db, match::ChannelSet& set) const;
    // After a stored change: the database is changed and every view reloads.
    void Changed(int rc, const QString& what);

    COrvaneDoc* m_doc;
};
