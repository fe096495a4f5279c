#pragma once
// CFolderPicker: the folder chooser of the upload dialog, over FileChooser so tests can
// script it. Holds the title shown above the folder tree and the display name of the
// folder chosen last; the dialog that browses owns it.
#include <QString>

#include <cstddef>
#include <span>

class QWidget;

// Size of the chooser's title, display name and result path buffers, NUL included.
inline constexpr std::size_t kFolderPathSize = 260;

class CFolderPicker {
public:
    enum Result { Cancelled = 0, NoPath = 1, PathWritten = 2 };

    // A null text leaves the title unchanged; a longer one is cut at a character.
    void SetTitle(const char* title);
    // Lets the user choose a folder. NoPath when the chosen item is no existing folder
    // of the file system, or when its path does not fit `result` (it is never cut).
    Result Choose(QWidget* owner, std::span<char, kFolderPathSize> result);

    const QString& DisplayName() const { return m_displayName; }

private:
    QString m_title;
    QString m_displayName;
};
