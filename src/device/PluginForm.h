#pragma once
// The entry point of every plug-in form library in dlls/. The host and each
// plug-in include this one header so that both sides agree on the name, the
// argument order and the calling convention (plain C linkage, undecorated
// name "ShowForm").
//
// Arguments, in order:
//   owner      the main window; the plug-in's form is owned by it
//   app        the host's application object; with one shared Qt in the
//              process it is the plug-in's application object as well
//   port       the host's serial port, already open; the plug-in sends its
//              commands on it and neither opens nor closes it
//   signature  the instrument's 20-byte signature as the device model holds
//              it; read-only, the plug-in copies what it needs
//
// ShowForm returns only when the plug-in's form is closed (or at once when
// the plug-in decides not to show it), after freeing the form.
class QWidget;
class QApplication;
class TCommPortDriver;
struct TPiroSignature;

#define CALORIVA_PLUGIN_EXPORT __attribute__((visibility("default")))

extern "C" {
typedef void (*TShowForm)(QWidget* owner, QApplication* app, TCommPortDriver* port,
                          const TPiroSignature* signature);

CALORIVA_PLUGIN_EXPORT void ShowForm(QWidget* owner, QApplication* app, TCommPortDriver* port,
                                     const TPiroSignature* signature);
}

// The export the loader looks up.
inline constexpr char ShowFormExportName[] = "ShowForm";
