#pragma once
// Opens a plug-in form library for one use: load, call ShowForm, unload.
// Nothing stays loaded between uses.
#include <QString>
#include <QStringList>

class QWidget;
class TCommPortDriver;
class TPirometr;

// `path` is the library path as the main window builds it: "dlls/" followed
// by the description file's value, e.g. "dlls/Mirandel.dll". A name ending
// in ".dll" stands for the platform library of the same base name; the
// candidates are, in the order tried, exeDir + "/dlls/libMirandel.so" and
// exeDir + "/dlls/Mirandel.so". Any other name is taken as written. An empty
// file name ("dlls/") gives no candidate.
QStringList PluginLibraryCandidates(const QString& exeDir, const QString& path);

// The first candidate that exists as a file, or an empty string.
QString PluginLibraryFile(const QString& exeDir, const QString& path);

// Loads the library for `path` (resolved against exeDir), calls its
// ShowForm with the owner window, the application object, the port and the
// model's signature, sets the model's LinkAlive, and unloads the library.
// `model` is the current device model; when it is no longer current after
// the form closes (a disconnection while the form was open freed it), it is
// not touched.
// Failures are shown as error dialogs that quote `path` as given:
//   "Библиотека " + path + " не найдена."      the library cannot be loaded
//   "Ошибка доступа к библиотеке " + path      it has no ShowForm
void ShowPluginForm(const QString& exeDir, const QString& path, QWidget* owner,
                    TCommPortDriver& port, TPirometr& model);
