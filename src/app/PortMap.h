#pragma once
// The port names "\\.\Com1" to "\\.\Com4" stay the program's names for its
// ports; a name maps to a serial device only when its port opens. The device
// comes from a command-line override for this run, else from section Ports
// of ini/ProgSet.ini beside the program (keys Com1..Com4), else from the
// defaults /dev/ttyS0../dev/ttyS3.
#include <QString>

// 1 to 4 for "\\.\Com1".."\\.\Com4" (also without the "\\.\" prefix, letter
// case of "Com" ignored); 0 for any other name.
int PortNumber(const QString& portName);

// The device path for a port name. A name that is none of the four ports is
// taken as a device path already and returned as it is.
QString ResolvePortDevice(const QString& portName);

// Overrides for this run; portNumber 1 to 4, others are ignored.
void SetPortOverride(int portNumber, const QString& devicePath);
void ClearPortOverrides();
