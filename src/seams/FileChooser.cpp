#include "seams/FileChooser.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QQueue>

namespace FileChooser {

namespace {

struct Script {
    bool scripted = false;
    QQueue<QString> names;
    QList<Asked> asked;
};

Script& TheScript() {
    static Script script;
    return script;
}

QString Scripted(const QString& kind, const QString& caption, const QString& detail) {
    Script& script = TheScript();
    script.asked.append({kind, caption, detail});
    return script.names.isEmpty() ? QString() : script.names.dequeue();
}

} // namespace

QString DbFileFilter() {
    return QCoreApplication::translate("FileChooser", "DB Edit Files (*.dat);;All Files (*)");
}

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (TheScript().scripted) {
        return Scripted(QStringLiteral("open"), caption, filter);
    }
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
    if (TheScript().scripted) {
        return Scripted(QStringLiteral("save"), caption, suggested);
    }
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString GetExistingDirectory(QWidget* parent, const QString& caption, const QString& start) {
    if (TheScript().scripted) {
        return Scripted(QStringLiteral("folder"), caption, start);
    }
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

void SetScripted(bool scripted) {
    Script& script = TheScript();
    script.scripted = scripted;
    script.names.clear();
    script.asked.clear();
}

void QueueFileName(const QString& path) {
    TheScript().names.enqueue(path);
}

QList<Asked> TakeAsked() {
    QList<Asked> asked;
    asked.swap(TheScript().asked);
    return asked;
}

} // namespace FileChooser
