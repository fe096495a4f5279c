#include "seams/EditCommands.h"

void CEditCommands::Run(EditCmd cmd) {
    switch (cmd) {
    case EditCmd::Add:
        OnEditAdd();
        break;
    case EditCmd::Edit:
        OnEditEdit();
        break;
    case EditCmd::Delete:
        OnEditDelete();
        break;
    case EditCmd::Renumber:
        OnRenumber();
        break;
    }
}
