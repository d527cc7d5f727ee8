#pragma once
// The program's command line. "--port ComN=PATH" (or "--port=ComN=PATH")
// points port ComN at a device for this run; every other parameter is kept,
// in order, for the main window, which looks for the factory switch
// ("-" followed by the access code) among them.
#include <QStringList>

// The parameters left after the port options, without the program name.
extern QStringList ProgramParams;

// `arguments` as QCoreApplication::arguments() gives them, the program name
// first. Replaces the port overrides and ProgramParams; returns one text per
// malformed port option (such an option changes nothing).
QStringList ParseCommandLine(const QStringList& arguments);
