// The command test's traffic: single and cyclic sending, reading, the
// format switch and loading a file into a page.
#include "mdlCommandTest.h"

#include "mdlCommandTestAnsi.h"
#include "mdlCommandTestBytes.h"
#include "mdlErrorText.h"
#include "mdlFileUtil.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlPrtExchange.h"
#include "mdlReplaceText.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace tolvane::diagnostics {
namespace {

using params::Txt;

void ShowError(const std::string& text) {
    MessageSink().ShowError(text, LangText("_MSG_Title_Error"));
}

std::string CodeText(const std::string& key, int code) {
    return ErrorCodeText(key, code);
}

} // namespace

bool TCommandTest::OpenPort() {
    const int result = PrtLib_Open(TPrtLib::Tsprix, PrinterIdentity().PortAddress);
    if (result == 0 || result == kAlreadyOpenResult) {
        return true;
    }
    ShowError(CodeText("_Err_OpenPort", result));
    return false;
}

bool TCommandTest::BuildSendBuffer(std::vector<uint8_t>& buffer) const {
    const std::string& page = Form()[CurrentPage()].text;
    if (!HexFormat()) {
        const std::string bytes = Utf8ToAnsi(WithCrLf(page), codePage_);
        buffer.assign(bytes.begin(), bytes.end());
        return true;
    }
    const TSendBytes converted = CreateSendByteArray(page);
    if (!converted.ok) {
        // A half-converted command is not sent: the printer would get the
        // bytes before the bad piece and zeros for the rest.
        ShowError("Command Error!" + std::to_string(converted.badIndex) + "|" + converted.badPiece);
        return false;
    }
    buffer = converted.bytes;
    return true;
}

bool TCommandTest::WriteBuffer() {
    const int written =
        PrtLib_Write(TPrtLib::Tsprix, sendBuffer_.data(), static_cast<int>(sendBuffer_.size()));
    if (written != 0) {
        ShowError(CodeText("_Err_WriteData", written));
        // The next send opens the port afresh.
        PrtLib_Close(TPrtLib::Tsprix);
        portOpen_ = false;
        return false;
    }
    return true;
}

void TCommandTest::AppendReply(const std::vector<uint8_t>& bytes) {
    Form().SetText("txtReadData", Form()["txtReadData"].text + BytesToHexText(bytes));
}

void TCommandTest::btnSendClick() {
    if (cycling_) {
        StopCycling();
        return;
    }
    if (Form()[CurrentPage()].text.empty()) {
        return;
    }
    if (!portOpen_ && !OpenPort()) {
        return;
    }
    portOpen_ = true;
    sendAndRead_ = Form()["chkSendAndRead"].index == 1;
    readLength_ = ReadLength(Form()["txtReadLen"].text);
    if (!BuildSendBuffer(sendBuffer_)) {
        PrtLib_Close(TPrtLib::Tsprix);
        portOpen_ = false;
        return;
    }
    if (Form()["chkRecycle"].index == 1) {
        stopFlag_ = false;
        cycling_ = true;
        Form().SetText("btnSend", Txt("FormCommandTest_btnSend2"));
        Form().SetEnabled("txtSleepTime", false);
        Form().SetEnabled("btnReadData", false);
        SetTimerInterval("timSendTimer", IntervalMs(Form()["txtSleepTime"].text));
        StartTimer("timSendTimer");
        return;
    }
    if (!WriteBuffer()) {
        return;
    }
    MessageSink().ShowInfo(Txt("SendTip"), LangText("_MSG_Title_Message"));
    Form().SetVisible("lblSendTip", true);
    StopTimer("timHintTip");
    StartTimer("timHintTip");
    if (sendAndRead_) {
        PauseMs(kSingleReadWaitMs);
        std::vector<uint8_t> reply(static_cast<std::size_t>(readLength_));
        int count = 0;
        PrtLib_Read(TPrtLib::Tsprix, reply.data(), readLength_, count);
        if (count <= 0) {
            ShowError(LangText("_Err_ReadData"));
        } else {
            reply.resize(static_cast<std::size_t>(count));
            AppendReply(reply);
        }
    }
    // The port stays open for the next send and the read; closing the
    // dialog closes it.
}

void TCommandTest::StopCycling() {
    stopFlag_ = true;
    cycling_ = false;
    Form().SetText("btnSend", Txt("FormCommandTest_btnSend1"));
    StopTimer("timSendTimer");
    Form().SetEnabled("txtSleepTime", Form()["chkRecycle"].index == 1);
    Form().SetEnabled("btnReadData", true);
    PrtLib_Close(TPrtLib::Tsprix);
    portOpen_ = false;
}

void TCommandTest::timSendTimer() {
    // The timer is off while a tick works and on again after it, so the
    // window handles its events (a stop click among them) between sends.
    StopTimer("timSendTimer");
    if (stopFlag_ || !cycling_) {
        return;
    }
    if (!WriteBuffer()) {
        StopCycling();
        return;
    }
    ++counter_;
    ShowCounter();
    if (sendAndRead_) {
        PauseMs(kCyclicReadWaitMs);
        std::vector<uint8_t> reply(static_cast<std::size_t>(readLength_));
        int count = 0;
        PrtLib_Read(TPrtLib::Tsprix, reply.data(), readLength_, count);
        if (count > 0) {
            reply.resize(static_cast<std::size_t>(count));
            AppendReply(reply);
        }
    }
    if (cycling_ && !stopFlag_) {
        StartTimer("timSendTimer");
    }
}

void TCommandTest::btnReadDataClick() {
    // A port a single send left open is read as it is: opening it again
    // would lose the reply waiting on a network connection.
    if (!portOpen_ && !OpenPort()) {
        return;
    }
    const int length = ReadLength(Form()["txtReadLen"].text);
    std::vector<uint8_t> reply(static_cast<std::size_t>(length));
    int count = 0;
    PrtLib_ReadRepeated(reply.data(), length, count, 100, 2);
    if (count > 0) {
        reply.resize(static_cast<std::size_t>(count));
        AppendReply(reply);
    }
    PrtLib_Close(TPrtLib::Tsprix);
    portOpen_ = false;
}

void TCommandTest::CommandChange() {
    const std::string page = CurrentPage();
    const std::string& text = Form()[page].text;
    if (text.empty()) {
        return;
    }
    if (HexFormat()) {
        Form().SetText(page, BytesToHexText(Utf8ToAnsi(WithCrLf(text), codePage_)));
        return;
    }
    // A text the code page cannot show leaves the page as it was.
    if (const std::optional<std::string> converted = AnsiToUtf8(HexTextToTextBytes(text), codePage_)) {
        Form().SetText(page, WithoutCr(*converted));
    }
}

void TCommandTest::btnLoadFileClick(const std::string& path) {
    Form().SetText("txtLoadFileName", path);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        MessageSink().ShowError(path + ": " + std::strerror(errno), {});
        return;
    }
    std::string bytes;
    char block[1024];
    while (file.read(block, sizeof block).gcount() > 0) {
        bytes.append(block, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() > kMaxFileBytes) {
            MessageSink().ShowError(ReplaceText(Txt("Cli_FileTooLarge"), path), {});
            return;
        }
    }
    if (file.bad()) {
        MessageSink().ShowError(ReplaceText(Txt("Cli_FileUnreadable"), path), {});
        return;
    }
    if (HexFormat()) {
        Form().SetText(CurrentPage(), BytesToHexText(bytes));
        return;
    }
    // A text file: UTF-8 (with or without its byte order mark), else the
    // ANSI code page.
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        bytes.erase(0, 3);
    } else if (!IsValidUtf8(bytes)) {
        bytes = AnsiToUtf8(bytes, codePage_).value_or(bytes);
    }
    Form().SetText(CurrentPage(), WithoutCr(bytes));
}

} // namespace tolvane::diagnostics
