#pragma once
// The instrument's signature exactly as it travels on the line and as plug-in
// forms receive it: 20 bytes, little-endian, no padding. Every field sits at
// its natural alignment, so the record needs no packing pragma (and binding a
// reference to a field stays well-defined); the checks below keep it that way.
#include <cstddef>
#include <cstdint>
#include <type_traits>

struct TPiroSignature {
    std::uint8_t TypeNum = 0;          // selects ini/Piro<TypeNum>.pir; 0: nothing answered
    std::uint8_t Variant = 0;          // model variant, shown as "-05"
    std::uint16_t PlantNumber = 0;     // serial number, shown with at least four digits
    std::uint16_t WaveLength1 = 0;     // nanometres
    std::uint16_t WaveLength2 = 0;     // nanometres; 0 for a one-wavelength instrument
    std::int32_t TempMin = 0;          // degrees Celsius
    std::int32_t TempMax = 0;          // degrees Celsius
    std::uint16_t AligningIndex = 0;   // optical resolution n of "1 : n"
    std::uint8_t ProgramVersion = 0;   // firmware version times ten
    std::uint8_t RegulationType = 0;   // 0 none, 1 relay, 2 pulse-width, 3 phase
};

static_assert(sizeof(TPiroSignature) == 20, "the signature is 20 bytes on the line");
static_assert(std::is_trivially_copyable<TPiroSignature>::value, "copied whole with memcpy");
static_assert(std::is_standard_layout<TPiroSignature>::value, "offsetof must be meaningful");
static_assert(offsetof(TPiroSignature, TypeNum) == 0, "TypeNum at 0");
static_assert(offsetof(TPiroSignature, Variant) == 1, "Variant at 1");
static_assert(offsetof(TPiroSignature, PlantNumber) == 2, "PlantNumber at 2");
static_assert(offsetof(TPiroSignature, WaveLength1) == 4, "WaveLength1 at 4");
static_assert(offsetof(TPiroSignature, WaveLength2) == 6, "WaveLength2 at 6");
static_assert(offsetof(TPiroSignature, TempMin) == 8, "TempMin at 8");
static_assert(offsetof(TPiroSignature, TempMax) == 12, "TempMax at 12");
static_assert(offsetof(TPiroSignature, AligningIndex) == 16, "AligningIndex at 16");
static_assert(offsetof(TPiroSignature, ProgramVersion) == 18, "ProgramVersion at 18");
static_assert(offsetof(TPiroSignature, RegulationType) == 19, "RegulationType at 19");
// The multi-byte fields are stored as the host holds them; the record is the
// wire image only on a little-endian host.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the signature is little-endian");
