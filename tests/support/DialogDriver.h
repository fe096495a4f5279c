#pragma once
// Plays the user in the channel dialogs: typing into named fields, clicking named
// buttons and list lines, and choosing a transponder in the Select NIT dialog that
// "NIT Info" runs modally.
#include <QString>
#include <QWidget>

#include <functional>

class CSelectNitDlg;
class QLineEdit;
class QListWidget;

namespace channeltest::driver {

template <typename T> T* Child(QWidget* root, const char* name) {
    T* child = root->findChild<T*>(QLatin1String(name));
    if (child == nullptr) {
        qWarning("no child %s", name);
    }
    return child;
}

QLineEdit* Edit(QWidget* root, const char* name);
// Types `text` key by key (characters beyond ASCII as key texts).
void Type(QWidget* root, const char* name, const QString& text);
void Click(QWidget* root, const char* name);
// Clicks the line of `list` whose item data is `value`.
void ClickLine(QListWidget* list, int value);
// Presses "NIT Info" and lets `drive` work in the Select NIT dialog while it runs;
// the dialog is cancelled afterwards if `drive` left it open.
void RunSelectNit(QWidget* editDlg, const std::function<void(CSelectNitDlg*)>& drive);
// Chooses satellite `satId` and TP `nitId` and confirms.
void ChooseTp(QWidget* editDlg, int satId, int nitId);
// Fills every typed field of a new channel (service id 6940, PIDs 101, 102, 101, 100).
void FillNewChannel(QWidget* dlg, const QString& name, const QString& provider);

} // namespace channeltest::driver
