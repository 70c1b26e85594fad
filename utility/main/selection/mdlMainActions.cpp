#include "mdlMainActions.h"

#include "mdlConst_Permission.h"
#include "mdlModelListNames.h"
#include "mdlPrinterLib.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"

namespace tolvane {
namespace {

using namespace std::string_literals;

const std::string kSelfTestText = "SELFTEST\r\n";

bool ListOrModelIn(const TPrinterFacts& facts, std::string_view key) {
    return facts.In(key, facts.listName) || facts.In(key, facts.model);
}

bool IsGds(const TPrinterFacts& facts) {
    return facts.In("GDS", facts.model);
}

} // namespace

TWireCommand SelfTestCommand(const TPrinterFacts& facts) {
    if (facts.Permission(kPermConfigPrintSelftest) == 2 ||
        facts.InBuiltIn(lists::SelfTestNames, facts.listName)) {
        return TWireCommand::Write(kSelfTestText);
    }
    if (ListOrModelIn(facts, "Miro_PrintSelf") || IsGds(facts)) {
        return TWireCommand::Do("configguration_page");
    }
    if (facts.protocolKind == kLangEsc) {
        const bool pelso = facts.In("Pelso_ParameterSetting", facts.model);
        return TWireCommand::Write(pelso ? "\x1d\x28\x41\x02\x00\x00\x01"s : "\x1d\x28\x41\x02\x00\x00\x02"s);
    }
    return TWireCommand::Write(kSelfTestText);
}

TWireCommand LearnCommand(const TPrinterFacts& facts) {
    if (ListOrModelIn(facts, "Miro_AutoLearn") || IsGds(facts)) {
        return TWireCommand::Do("calibrate_sensor");
    }
    return TWireCommand::Write("ZZZLEARN\r\n");
}

TWireCommand ModuleTestCommand(const TPrinterFacts& facts) {
    if (IsGds(facts)) {
        return TWireCommand::Do("tph_test_page");
    }
    if (facts.protocolKind == kLangTspl) {
        return TWireCommand::Write("ZZZDENSITYTST\r\n");
    }
    return TWireCommand::Write(facts.In("ModelPrintOtherCMD", facts.model) ? "\x1b\x1b\x04"s : "\x12\x56"s);
}

TWireCommand FactoryDefaultCommand(const TPrinterFacts& facts) {
    if (facts.Permission(kPermFactoryDefaultCmdDo) == 1 || ListOrModelIn(facts, "Miro_FactorySetting") ||
        IsGds(facts)) {
        return TWireCommand::Do("factory_default");
    }
    if (facts.In("Pelso_ParameterSetting", facts.model) && facts.protocolKind == kLangEsc) {
        return TWireCommand::Write("\x1b\x1b\x20"s);
    }
    return TWireCommand::Write("\x1b\x21\x52"s);
}

std::optional<TWireCommand> DfuModeCommand(const TPrinterFacts& facts, const std::string& dfuWithoutCmdList) {
    if (facts.InBuiltIn(lists::DfuChoiceModels, facts.model)) {
        return TWireCommand::Write(kUpdateModeText);
    }
    if (dfuWithoutCmdList.find(facts.model + ",") != std::string::npos) {
        return std::nullopt;
    }
    if (facts.In("Miro_DfuMode", facts.model)) {
        return TWireCommand::Write("\x1d\x75\x55\xaa"s);
    }
    return TWireCommand::Write(kUpdateModeText);
}

int SendWireCommand(const TWireCommand& command) {
    if (command.kind == TWireCommand::TKind::Do) {
        return CmdDo(QuoteKey(command.data));
    }
    return PrtLib_Write(command.data);
}

} // namespace tolvane
