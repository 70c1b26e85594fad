#include "mdlBlockLayouts.h"

#include <array>

namespace tolvane::params {
namespace {

using enum TBlockFamily;
using C = TBlockCodec;

// ---- group A ----
constexpr TFamilySet kA =
    FamilySet(Tramwe, Gulvo, Gulvo_Tarnik, Velko, Ombra, Pirvo, Lunec, Kesto, Fenno, Dapra);
constexpr TFamilySet kSerialNet = FamilySet(Tramwe, Gulvo, Gulvo_Tarnik);
constexpr TFamilySet kLengths = FamilySet(Tramwe, Gulvo, Velko, Ombra);
constexpr TFamilySet kCharSetA = FamilySet(Tramwe, Gulvo, Gulvo_Tarnik, Velko, Pirvo, Fenno);
constexpr TFamilySet kSmallLabelA = FamilySet(Tramwe, Gulvo, Gulvo_Tarnik, Velko, Ombra, Lunec);

// clang-format off
constexpr std::array<TBlockField, 39> kGroupA = {{
    {4,   "cmbBaudRate",               C::Position,     1,  kSerialNet},
    {105, "cmbParity",                 C::Position,     1,  kSerialNet},
    {107, "cmbStopBits",               C::Position,     1,  kSerialNet},
    {55,  "cmbCodepage",               C::CodePage,     1,  kA & ~FamilySet(Ombra, Lunec, Kesto)},
    {56,  "cmbInternationalCharacter", C::CharSet,      1,  kCharSetA},
    {58,  "cmbJudgePaperMode",         C::Position,     1,  kA & ~FamilySet(Dapra)},
    {58,  "cmbJudgePaperMode",         C::PositionUpTo, 1,  FamilySet(Dapra)},
    {61,  "cmbProtocolType",           C::Protocol,     1,  FamilySet(Dapra)},
    {68,  "txtMarkMaxLength",          C::Length,       2,  kLengths},
    {70,  "txtLabelMaxLength",         C::Length,       2,  kLengths},
    {134, "txtLabelMinLength",         C::Length,       2,  kLengths},
    {76,  "gpbPrintType",              C::Radio,        1,  FamilySet(Gulvo, Gulvo_Tarnik)},
    {83,  "gpbAutoPosition",           C::Radio,        1,  kA},
    {84,  "cmbDHCP",                   C::Position,     1,  kSerialNet},
    {88,  "txtIP1",                    C::Number,       1,  kSerialNet},
    {89,  "txtIP2",                    C::Number,       1,  kSerialNet},
    {90,  "txtIP3",                    C::Number,       1,  kSerialNet},
    {91,  "txtIP4",                    C::Number,       1,  kSerialNet},
    {92,  "txtSubnet1",                C::Number,       1,  kSerialNet},
    {93,  "txtSubnet2",                C::Number,       1,  kSerialNet},
    {94,  "txtSubnet3",                C::Number,       1,  kSerialNet},
    {95,  "txtSubnet4",                C::Number,       1,  kSerialNet},
    {96,  "txtGateway1",               C::Number,       1,  kSerialNet},
    {97,  "txtGateway2",               C::Number,       1,  kSerialNet},
    {98,  "txtGateway3",               C::Number,       1,  kSerialNet},
    {99,  "txtGateway4",               C::Number,       1,  kSerialNet},
    {100, "gpbReprintWhenError",       C::Radio,        1,  kA},
    {101, "gpbSmallLabel",             C::Radio,        1,  kSmallLabelA},
    {113, "gpbPrintReprint",           C::Radio,        1,  kA},
    {114, "txtStopPrint",              C::Number,       1,  kA},
    {34,  "cmbDensity",                C::PositionUpTo, 1,  kA},
    {130, "cmbHeatAdj",                C::Heat,         2,  kA & ~FamilySet(Gulvo)},
    {132, "cmbPrintSpeed",             C::Speed,        1,  kA & ~FamilySet(Gulvo)},
    {9,   "txtBTName",                 C::Text,         16, FamilySet(Dapra)},
    {25,  "txtBTPWD",                  C::Text,         4,  FamilySet(Dapra)},
    {31,  "chkSimplePairing",          C::Tick,         1,  FamilySet(Dapra)},
    {199, "txtBTName",                 C::Text,         16, FamilySet(Fenno)},
    {20,  "txtBTPWD",                  C::Text,         4,  FamilySet(Fenno)},
    {162, "chkSimplePairing",          C::Tick,         1,  FamilySet(Fenno)},
}};

// ---- group P ----
constexpr TFamilySet kP = FamilySet(Pelso);
constexpr std::array<TBlockField, 15> kGroupP = {{
    {4,  "cmbBaudRate",               C::Position,        1, kP},
    {56, "cmbInternationalCharacter", C::CharSet,         1, kP},
    {82, "gpbAutoPosition",           C::Radio,           1, kP},
    {55, "cmbCodepage",               C::CodePage,        1, kP},
    {34, "cmbDensity",                C::PositionUpTo,    1, kP},
    {59, "cmbJudgePaperMode",         C::Position,        1, kP},
    {58, "cmbJudgePaperMode",         C::PelsoPaperSense, 1, kP},
    {61, "cmbProtocolType",           C::Position,        1, kP},
    {68, "txtMarkMaxLength",          C::Length,          2, kP},
    {64, "txtLabelMinLength",         C::Length,          2, kP},
    {70, "txtLabelMaxLength",         C::Length,          2, kP},
    {66, "txtValleyThresholdRate",    C::Number,          1, kP},
    {62, "txtVoltageBetweenLabelGap", C::Voltage,         2, kP},
    {90, "cmbHeatAdj",                C::Heat,            2, kP},
    {92, "cmbPrintSpeed",             C::Speed,           1, kP},
}};

// ---- group Q ----
// The password is written after the name; the name stops where the
// password begins (bytes 10 to 19), so neither reads the other.
constexpr TFamilySet kQ = FamilySet(Oskin);
constexpr std::array<TBlockField, 11> kGroupQ = {{
    {10, "txtBTName",                 C::Text,         10, kQ},
    {20, "txtBTPWD",                  C::Text,         4,  kQ},
    {56, "cmbInternationalCharacter", C::CharSet,      1,  kQ},
    {55, "cmbCodepage",               C::CodePage,     1,  kQ},
    {67, "ComboBox1",                 C::Position,     1,  kQ},
    {61, "cmbProtocolType",           C::Position,     1,  kQ},
    {82, "gpbAutoPosition",           C::Radio,        1,  kQ},
    {58, "cmbJudgePaperMode",         C::Position,     1,  kQ},
    {34, "cmbDensity",                C::PositionUpTo, 1,  kQ},
    {90, "cmbHeatAdj",                C::Heat,         2,  kQ},
    {92, "cmbPrintSpeed",             C::Speed,        1,  kQ},
}};

// ---- group D ----
constexpr TFamilySet kD = FamilySet(Dovrin, Dovrin_Tarnik, Dovrin_Brenn);
constexpr TFamilySet kDNet = FamilySet(Dovrin, Dovrin_Tarnik);
constexpr TFamilySet kDNew = FamilySet(Dovrin_Tarnik, Dovrin_Brenn);
constexpr std::array<TBlockField, 25> kGroupD = {{
    {34,  "cmbDensity",          C::PositionUpTo,     1, kD},
    {76,  "gpbPrintType",        C::Radio,            1, kD},
    {55,  "cmbCodepage",         C::CodePage,         1, kD},
    {83,  "gpbAutoPosition",     C::Radio,            1, kD},
    {70,  "txtLabelMaxLength",   C::Length,           2, FamilySet(Dovrin, Dovrin_Brenn)},
    {59,  "cmbJudgePaperMode",   C::PositionPlusOne,  1, kD},
    {58,  "cmbJudgePaperMode",   C::DovrinPaperSense, 1, kD},
    {100, "gpbReprintWhenError", C::Radio,            1, kD},
    {101, "gpbSmallLabel",       C::Radio,            1, kD},
    {104, "txtStopPrint",        C::Number,           1, kD},
    {84,  "cmbDHCP",             C::Position,         1, kDNet},
    {88,  "txtIP1",              C::Number,           1, kDNet},
    {89,  "txtIP2",              C::Number,           1, kDNet},
    {90,  "txtIP3",              C::Number,           1, kDNet},
    {91,  "txtIP4",              C::Number,           1, kDNet},
    {92,  "txtSubnet1",          C::Number,           1, kDNet},
    {93,  "txtSubnet2",          C::Number,           1, kDNet},
    {94,  "txtSubnet3",          C::Number,           1, kDNet},
    {95,  "txtSubnet4",          C::Number,           1, kDNet},
    {96,  "txtGateway1",         C::Number,           1, kDNet},
    {97,  "txtGateway2",         C::Number,           1, kDNet},
    {98,  "txtGateway3",         C::Number,           1, kDNet},
    {99,  "txtGateway4",         C::Number,           1, kDNet},
    {126, "cmbPrintSpeed",       C::Speed,            1, kDNew},
    {128, "cmbHeatAdj",          C::Heat,             2, kDNew},
}};

// ---- group R ----
constexpr TFamilySet kR = FamilySet(Quist, Quist_Tarnik, Sendo);
constexpr TFamilySet kRQuist = FamilySet(Quist, Quist_Tarnik);
constexpr TFamilySet kRNew = FamilySet(Quist_Tarnik, Sendo);
constexpr std::array<TBlockField, 19> kGroupR = {{
    {52,  "cmbBaudRate",         C::Position,     1,  kRQuist},
    {58,  "cmbCodepage",         C::CodePage,     1,  kR},
    {57,  "cmbDensity",          C::PositionUpTo, 1,  kR},
    {68,  "cmbBuzzerSound",      C::Position,     1,  kRQuist},
    {69,  "cmbBackLight",        C::Position,     1,  kRQuist},
    {79,  "cmbSenserLoaction",   C::Position,     1,  kRQuist},
    {60,  "cmbDetectMode",       C::Position,     1,  FamilySet(Sendo)},
    {8,   "txtPrintToStop",      C::Number,       1,  kR},
    {12,  "txtHOrigin",          C::Number,       1,  kR},
    {14,  "txtVOrigin",          C::Number,       1,  kR},
    {76,  "gpbReprintWhenError", C::Radio,        1,  kR},
    {80,  "gpbPrintReprint",     C::Radio,        1,  kR},
    {81,  "RadioGroup1",         C::Radio,        1,  FamilySet(Quist_Tarnik)},
    {82,  "txtStopPrint",        C::Number,       1,  kR},
    {84,  "cmbHeatAdj",          C::Heat,         2,  kRNew},
    {78,  "cmbPrintSpeed",       C::Speed,        1,  kRNew},
    {215, "txtBTName",           C::Text,         16, FamilySet(Sendo)},
    {231, "txtBTPWD",            C::Text,         4,  FamilySet(Sendo)},
    {236, "chkSimplePairing",    C::Tick,         1,  FamilySet(Sendo)},
}};
// clang-format on

} // namespace

TBlockGroup GroupOf(TBlockFamily family) {
    switch (family) {
    case Pelso:
        return TBlockGroup::P;
    case Oskin:
        return TBlockGroup::Q;
    case Dovrin:
    case Dovrin_Tarnik:
    case Dovrin_Brenn:
        return TBlockGroup::D;
    case Quist:
    case Quist_Tarnik:
    case Sendo:
        return TBlockGroup::R;
    default:
        return TBlockGroup::A;
    }
}

std::span<const TBlockField> GroupTable(TBlockGroup group) {
    switch (group) {
    case TBlockGroup::P:
        return kGroupP;
    case TBlockGroup::Q:
        return kGroupQ;
    case TBlockGroup::D:
        return kGroupD;
    case TBlockGroup::R:
        return kGroupR;
    case TBlockGroup::A:
        break;
    }
    return kGroupA;
}

std::vector<TBlockField> BlockLayout(TBlockFamily family) {
    std::vector<TBlockField> fields;
    for (const TBlockField& field : GroupTable(GroupOf(family))) {
        if (InFamilySet(field.families, family)) {
            fields.push_back(field);
        }
    }
    return fields;
}

} // namespace tolvane::params
