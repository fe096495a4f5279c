#pragma once
// Every file and folder chooser goes through FileChooser. In a test the next chosen
// names are queued instead (an empty name stands for Cancel), and the caption and
// filter each chooser would have shown are recorded.
#include <QList>
#include <QString>

class QWidget;

namespace FileChooser {

// The filter of the receiver's files, with the catch-all second.
QString DbFileFilter();

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& filter);
QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter);
QString GetExistingDirectory(QWidget* parent, const QString& caption, const QString& start = QString());

struct Asked {
    QString kind; // "open", "save" or "folder"
    QString caption;
    QString suggestedOrFilter;
};

// Test scripting: while scripted, choosers return the next queued name (empty when
// none is queued) and record what they were asked.
void SetScripted(bool scripted);
void QueueFileName(const QString& path);
QList<Asked> TakeAsked();

} // namespace FileChooser
