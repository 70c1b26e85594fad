// The developer debug log: one line per event, written only in debug mode,
// into a dated file below the developer marker folder.
#pragma once

#include <mutex>
#include <string>
#include <string_view>

namespace tolvane {

// Marker folder + "Base_Label_20200117_160501/", or
// "Base_Mobile_20191114_181001/" when ToolType is "Mobile".
std::string DebugBaseFolder();
// DebugBaseFolder + "Log/DebugLog/".
std::string DebugLogFolder();
// DebugLogFolder + "logfile" + yyyymmdd of today + ".log".
std::string DebugLogFile();

// Appends "yyyy-mm-dd hh:nn:ss.zzz:" + text as one line when DebugMode() is
// on; does nothing otherwise. Failures are not reported.
void WriteDebugLog(std::string_view text);

// Appends one log line below baseFolder ("Log/DebugLog/logfile<date>.log"),
// creating the folders; the lock is held while the file is written.
void AppendLogLine(const std::string& baseFolder, std::string_view text, std::mutex& lock);

// The log lock's lifetime marks: created before the first log line, deleted
// at shut-down. Writes are serialised whether or not it is marked as created.
void CreateLogLock();
void DeleteLogLock();
bool LogLockExists();

} // namespace tolvane
