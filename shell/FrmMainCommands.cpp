// The commands of the two pages: rewriting, converting and saving.

#include "shell/FrmMain.h"

namespace rewrix {

void FrmMain::CmdDo_Click() {}

void FrmMain::CmdWyc_Click() {}

void FrmMain::CmdFt_Click() {}

void FrmMain::CmdSave_Click() {}

} // namespace rewrix
