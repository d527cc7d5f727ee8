#pragma once
// The access flags of a description file (section Buttons): which commands
// the instrument supports.
#include <QString>
#include <array>
#include <bitset>

enum class TPiroButton {
    acStartStop, acBodyTemp, acSettings, acRegul, acPIDRegul, acNote, acTimeSynchro, acOff,
    acOpenAddFunc, acTempCorrect, acCurCorrect, acZeroScale, acTestCurrent, acSetCode,
    acUserSetCode, acSaveSignature, acTermostStatus, acServCom, acRLoad, acAddFunc,
};

constexpr int PiroButtonCount = 20;

// Every flag, in the order of the description file.
const std::array<TPiroButton, PiroButtonCount>& AllPiroButtons();
// The key of the flag in section Buttons, e.g. "acSettings".
QString PiroButtonKey(TPiroButton button);

// A set of the 20 flags; an empty set after construction.
class TPiroButtons {
public:
    bool Has(TPiroButton button) const { return bits_.test(Index(button)); }
    void Include(TPiroButton button) { bits_.set(Index(button)); }
    void Exclude(TPiroButton button) { bits_.reset(Index(button)); }
    bool Empty() const { return bits_.none(); }
    bool operator==(const TPiroButtons& other) const { return bits_ == other.bits_; }
    bool operator!=(const TPiroButtons& other) const { return bits_ != other.bits_; }

private:
    static std::size_t Index(TPiroButton button) { return static_cast<std::size_t>(button); }
    std::bitset<PiroButtonCount> bits_;
};
