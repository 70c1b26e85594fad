#include "mdlDebugLog.h"

#include "mdlClock.h"
#include "mdlFileUtil.h"
#include "mdlGlobal.h"
#include "mdlGlobal_Permission.h"
#include "mdlPaths.h"

#include <atomic>

namespace tolvane {
namespace {

std::mutex g_logLock;
std::atomic<bool> g_logLockCreated{false};

} // namespace

std::string DebugBaseFolder() {
    if (Globals().ToolType == "Mobile") {
        return MarkerFolder() + "Base_Mobile_20191114_181001/";
    }
    return MarkerFolder() + "Base_Label_20200117_160501/";
}

std::string DebugLogFolder() {
    return DebugBaseFolder() + "Log/DebugLog/";
}

std::string DebugLogFile() {
    return DebugLogFolder() + "logfile" + FormatLogDate(NowLocal()) + ".log";
}

void AppendLogLine(const std::string& baseFolder, std::string_view text, std::mutex& lock) {
    const TLocalTime now = NowLocal();
    std::string line = FormatLogTime(now);
    line += ':';
    line += text;
    line += '\n';
    const std::string folder = baseFolder + "Log/DebugLog/";
    ForceDirectories(folder);
    std::lock_guard guard(lock);
    AppendToFile(folder + "logfile" + FormatLogDate(now) + ".log", line);
}

void WriteDebugLog(std::string_view text) {
    if (!DebugMode()) {
        return;
    }
    AppendLogLine(DebugBaseFolder(), text, g_logLock);
}

void CreateLogLock() {
    g_logLockCreated = true;
}
void DeleteLogLock() {
    g_logLockCreated = false;
}
bool LogLockExists() {
    return g_logLockCreated;
}

} // namespace tolvane
