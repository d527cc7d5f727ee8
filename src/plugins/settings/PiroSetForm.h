#pragma once
// The form "Настройки пирометра": measurement speed, current output, the
// regulation keys and the filter coefficient with its step response. The
// controls change only the form's copy of the work mode; the instrument gets
// the whole record on "Применить" or "Ок".
#include "plugins/settings/WorkMode.h"

#include <QDialog>
#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QCustomPlot;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class TCommPortDriver;
struct TPiroSignature;

class TfrmPiroSet : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPiroSet(QWidget* owner);

    // Takes the port for the later writes, bounds the temperature spin edits
    // by the signature's range and reads the work mode into the controls.
    // When the read fails the controls stay as they are and ReadFailed() is
    // true.
    void FillForm(TCommPortDriver& port, const TPiroSignature& signature);
    bool ReadFailed() const { return ReadFailed_; }
    const TWorkMode& WorkMode() const { return WorkMode_; }

    // Redraws the step response curve for filter coefficient F.
    void SetLine(std::uint8_t filterNum);

public slots:
    void MeasurmentSpeedRGrClick();
    void CurrentModeRGrClick();
    void OutPinCheckBoxClick();
    void TrackBar1Change();
    void TIminSpinEditExit();
    void TImaxSpinEditExit();
    void ApplayBtnClick();
    void OkBtnClick();

private:
    void TakeSpinEditValues();

    QButtonGroup* MeasurmentSpeedRGr = nullptr;
    QButtonGroup* CurrentModeRGr = nullptr;
    QSpinBox* TImaxSpinEdit = nullptr;
    QSpinBox* TIminSpinEdit = nullptr;
    QCheckBox* OutPinCheckBox = nullptr;
    QCustomPlot* FilterPlot = nullptr;
    QLabel* FilterNumLabel = nullptr;
    QSlider* TrackBar1 = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* ApplayBtn = nullptr;

    TWorkMode WorkMode_;
    TCommPortDriver* Port_ = nullptr;
    bool ReadFailed_ = false;
};
