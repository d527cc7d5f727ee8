#pragma once
// Sections, keys and defaults of the program settings file ini/ProgSet.ini
// beside the program. Every reader and writer of the file takes its names
// from here. Booleans are written as 1 and 0; colours are integers in the
// layout 0x00BBGGRR.
#include <QString>

namespace ProgSet {

// Relative to ExeDir. On Linux file names are case-sensitive, so every
// reader opens the file through ProgSetFileName and never spells it itself.
inline constexpr char FileName[] = "ini/ProgSet.ini";

inline constexpr char SecMain[] = "Main";
inline constexpr char KeyShowHints[] = "ShowHints";
inline constexpr bool DefShowHints = true;
inline constexpr char KeyNotConfirmClose[] = "NotConfirmClose";
inline constexpr bool DefNotConfirmClose = false;
inline constexpr char KeyAutoSave[] = "AutoSave";
inline constexpr bool DefAutoSave = false;

inline constexpr char SecPrecision[] = "Precision";
inline constexpr char KeyNums[] = "Nums";
inline constexpr int DefNums = 2;

inline constexpr char SecFolders[] = "Folders";
inline constexpr char KeyArhivFolder[] = "ArhivFolder";
// The default archive folder is ExeDir + "/" + ArhivSubFolder.
inline constexpr char ArhivSubFolder[] = "Arhiv";

inline constexpr char SecGraph[] = "Graph";
inline constexpr char KeyMaxPoint[] = "MaxPoint";
inline constexpr int DefMaxPoint = 32000;
inline constexpr char KeyFieldColor[] = "FieldColor";
inline constexpr int DefFieldColor = 0;
inline constexpr char KeyGridColor[] = "GridColor";
inline constexpr int DefGridColor = 8421504;      // grey
inline constexpr int LineCount = 4;
inline constexpr const char* KeyLineColor[LineCount] = {"LineColor1", "LineColor2", "LineColor3", "LineColor4"};
inline constexpr int DefLineColor[LineCount] = {
    255,       // red
    65280,     // green
    65535,     // yellow
    16711680,  // blue
};

inline constexpr char SecNet[] = "Net";
inline constexpr char KeyServerPort[] = "ServerPort";
inline constexpr char DefServerPort[] = "1118";
inline constexpr char KeyClientPort[] = "ClientPort";
inline constexpr char DefClientPort[] = "1119";

// The serial devices behind the port names "\\.\Com1" to "\\.\Com4".
inline constexpr char SecPorts[] = "Ports";
inline constexpr int PortCount = 4;
inline constexpr const char* KeyCom[PortCount] = {"Com1", "Com2", "Com3", "Com4"};
inline constexpr const char* DefCom[PortCount] = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};

} // namespace ProgSet
