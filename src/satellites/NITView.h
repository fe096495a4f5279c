#pragma once
// CNITView: the satellite and transponder view shown in the editing area. For now an
// empty view; its lists and commands come with the satellite editing.
#include "app/CloseCommand.h"
#include "app/DocView.h"

#include <QWidget>

class CNITView : public QWidget, public CDocView, public CEditCommands, public CCloseCommand {
    Q_OBJECT
public:
    explicit CNITView(COrvaneDoc* doc, QWidget* parent = nullptr);

    void OnFileClose() override;
};
