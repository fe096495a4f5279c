#pragma once
// The keys every editing list shares: Space edits the selected row and Del deletes
// the selected rows. They belong to the list alone, since elsewhere in the window
// Space presses a button and Del deletes text. The filter consumes only the keys it
// has a handler for and lets every other key reach the list.
//
//     InstallEditKeys(list, [this] { EditSelected(); }, [this] { DeleteSelected(); });
#include <QObject>

#include <functional>

class QWidget;

class CListKeyFilter : public QObject {
    Q_OBJECT
public:
    // Either handler may be empty: that key is then left to the list.
    CListKeyFilter(QWidget* list, std::function<void()> onEdit, std::function<void()> onDelete);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_onEdit;
    std::function<void()> m_onDelete;
};

// Installs a CListKeyFilter owned by `list`.
void InstallEditKeys(QWidget* list, std::function<void()> onEdit, std::function<void()> onDelete);
