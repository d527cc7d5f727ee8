#include "device/PiroButtons.h"

const std::array<TPiroButton, PiroButtonCount>& AllPiroButtons()
{
    static const std::array<TPiroButton, PiroButtonCount> all{{
        TPiroButton::acStartStop, TPiroButton::acBodyTemp, TPiroButton::acSettings,
        TPiroButton::acRegul, TPiroButton::acPIDRegul, TPiroButton::acNote,
        TPiroButton::acTimeSynchro, TPiroButton::acOff, TPiroButton::acOpenAddFunc,
        TPiroButton::acTempCorrect, TPiroButton::acCurCorrect, TPiroButton::acZeroScale,
        TPiroButton::acTestCurrent, TPiroButton::acSetCode, TPiroButton::acUserSetCode,
        TPiroButton::acSaveSignature, TPiroButton::acTermostStatus, TPiroButton::acServCom,
        TPiroButton::acRLoad, TPiroButton::acAddFunc,
    }};
    return all;
}

QString PiroButtonKey(TPiroButton button)
{
    static const char* const keys[PiroButtonCount] = {
        "acStartStop", "acBodyTemp", "acSettings", "acRegul", "acPIDRegul", "acNote",
        "acTimeSynchro", "acOff", "acOpenAddFunc", "acTempCorrect", "acCurCorrect",
        "acZeroScale", "acTestCurrent", "acSetCode", "acUserSetCode", "acSaveSignature",
        "acTermostStatus", "acServCom", "acRLoad", "acAddFunc",
    };
    return QString::fromLatin1(keys[static_cast<int>(button)]);
}
