// Opening, saving and browsing recorded files.
#include "app/MainWindow.h"

void TfrmMain::actFileOpenExecute() {}
void TfrmMain::actFileSaveExecute() {}
void TfrmMain::FileArhivExecute() {}
void TfrmMain::actAboutExecute() {}
