#pragma once
// The device model: the one object that describes the connected instrument
// (its signature, its description file, its graph modes, its picture and the
// archive file object it records into) and the single road by which the
// program sends instrument commands.
//
// One current model at a time, held here: Pirometr() is null while no
// instrument is connected. The connection logic creates it with
// SetPirometr(std::make_unique<TPirometr>()) and frees it with
// SetPirometr(nullptr); the archive browser creates a default one when it
// needs the archive file object and none exists.
#include "device/GraphMode.h"
#include "device/PiroButtons.h"
#include "device/PiroSignature.h"

#include <QChar>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class TArhFile;
class TCommPortDriver;
class TIniFile;

// Number text settings of the calibration editors: always a point and two
// currency decimals, whatever the user's locale.
struct TFormatSettings {
    QChar DecimalSeparator = QLatin1Char('.');
    int CurrencyDecimals = 2;
};

// The one graph mode of a model that never read a description file: the
// temperature, one line "Температура" in "T°C".
TGraphMode DefaultGraphMode();

class TPirometr {
public:
    // Defaults: nothing connected, no flags, one graph mode "Температура"
    // with one line "Температура" in "T°C" and ActiveGMode 0.
    TPirometr();
    ~TPirometr();
    TPirometr(const TPirometr&) = delete;
    TPirometr& operator=(const TPirometr&) = delete;

    TPiroSignature Signature;
    QString PiroType;
    bool UnknownType = false;   // the type had no description file; PiroU.pir was read
    bool LinkAlive = false;     // the last exchange with the instrument succeeded
    QChar Dilimiter;            // between the two wavelengths; null until a description is read
    QString Bitmap;             // picture file name in bmp/
    QPixmap Picture;            // empty until LoadPicture finds the file
    TFormatSettings FormatSettings;
    std::uint8_t AprocCodeNum = 0;  // 0 no table, 2 two code columns, otherwise one
    TGModes GModes;
    int LEDCount = 0;
    std::array<QString, 7> LEDCaps;  // LEDCaps[1]..LEDCaps[6] as lamps 1..6; [0] unused
    TPiroButtons Buttons;
    QString OpenAddFuncName;
    QString AddFuncName;
    int OpenAddFuncGliph = 0;
    int AddFuncGliph = 0;
    std::unique_ptr<TArhFile> ArhFile;  // created and freed with the model
    // Plug-in library file names, as written in the description ("Mirandel.dll").
    QString frmSettings, frmRegul, frmTestCurrent, frmTimeSinchro, frmUserSetCode, frmNote, frmOff,
        frmTempCorrect, frmCurCorrect, frmSetCode, frmZeroScale, frmSaveSignature,
        frmThermostStatus, frmRLoad, frmAdditionalFunc, frmOpenAddFunc;

    // Loads ExeDir/ini/Piro<TypeNum>.pir, or ExeDir/ini/PiroU.pir with the
    // unsupported-type message when the type has no file. The program folder
    // is passed in so that the device library does not depend on the
    // application state (the caller passes its ExeDir).
    void ReadINI(int TypeNum, const QString& ExeDir);

    // Section GraphMods. LoadGMode leaves ActiveGMode at -1; SaveGMode writes
    // it last and returns false when the file could not be written.
    static void LoadGMode(TGModes& GModes, const TIniFile& Ini);
    static bool SaveGMode(const TGModes& GModes, TIniFile& Ini);

    // Loads ExeDir/bmp/<Bitmap> into Picture when that file exists; a file
    // that cannot be read leaves Picture as it was.
    void LoadPicture(const QString& ExeDir);

    // One instrument command with the error policy; true exactly when the
    // command returned 0. A positive code is shown when ShowErrors is set and
    // clears LinkAlive; a positive code while LinkAlive is already clear (the
    // second failure in a row) also runs the disconnect handler, which frees
    // this model: on false, check Pirometr() before touching a model again.
    // A negative code fails silently, clears LinkAlive and never disconnects.
    // The two behave the same; SaveToPir is for commands that change the
    // instrument, ReadFromPir for those that read from it.
    bool ReadFromPir(TCommPortDriver& Port, int Code, unsigned char* Data, int Capacity,
                     int& DataLength, bool ShowErrors);
    bool SaveToPir(TCommPortDriver& Port, int Code, unsigned char* Data, int Capacity,
                   int& DataLength, bool ShowErrors);

private:
    bool Exchange(TCommPortDriver& Port, int Code, unsigned char* Data, int Capacity,
                  int& DataLength, bool ShowErrors);
};

// The current device model, or null while none exists.
TPirometr* Pirometr();
// Makes `model` the current one and frees the previous one (nullptr: none).
void SetPirometr(std::unique_ptr<TPirometr> model);

// Run on the second command failure in a row. The main window sets its
// Disconnect here: it closes the port and frees the current model.
void SetDisconnectHandler(std::function<void()> handler);

// The command function behind ReadFromPir and SaveToPir; Vendrix's Command
// unless replaced (tests substitute one that returns codes Vendrix never
// gives). An empty function gives Vendrix's Command back.
using TPirCommand = std::function<int(TCommPortDriver& Port, int Code, unsigned char* Data,
                                      int Capacity, int& DataLength)>;
void SetPirCommand(TPirCommand command);
