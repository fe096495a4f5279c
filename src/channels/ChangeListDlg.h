#pragma once
// CChangeListDlg: what a channel tool is about to do, shown before it does it: an
// introduction, the list of changes (one per line, read-only, long lists scroll), an
// optional check box, and the buttons to go ahead or not. Run through ModalDialog.
#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QPlainTextEdit;

class CChangeListDlg : public QDialog {
    Q_OBJECT
public:
    CChangeListDlg(QWidget* parent, const QString& title, const QString& intro, const QStringList& lines,
                   const QString& acceptText, const QString& checkText = QString());

    // The check box's state; false when the dialog has none.
    bool Checked() const;

private:
    QPlainTextEdit* m_lines = nullptr;
    QCheckBox* m_check = nullptr;
};
