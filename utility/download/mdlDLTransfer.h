// The block transfer: the download request with its "OK", then the sender
// thread (TDLThread) writing numbered blocks and judging each
// acknowledgement, and the progress thread (TDLInfoThread) reporting the
// blocks sent. Both threads share the program-wide download state through
// atomic counters and the cancel flag; everything they have to show is
// posted to the user-interface thread, never done from the worker.
#pragma once

#include "mdlDLBlock.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace tolvane::download {

// The waits of the exchanges with the printer, in milliseconds. The
// defaults are the printer's pacing; tests pass shorter ones.
struct TTransferPacing {
    int requestWaitMs = 100; // after the download request
    int okPauseMs = 100;     // between the reads of the "OK"
    int okPasses = 2;
    int blockWaitMs = 200; // after each block
    int ackPauseMs = 150;  // between the reads of an acknowledgement
    int ackPasses = 5;
    int finishWaitMs = 1000; // before the final list and memory reads
    int directWaitMs = 1000; // after a write of a direct route
    int progressMs = 20;     // progress refresh
    int okPollWaitMs = 50;   // before each read of an OK poll
    int okPollRounds = 11;
    int runWaitMs = 100;   // between two RUN lines
    int saveWaitMs = 1000; // after "save_param"
};

// The program-wide download state.
struct TDLState {
    std::string DownloadName;
    std::vector<uint8_t> FileData; // the only copy of the bytes to send
    int FileSize = 0;
    int BlockSize = 1024;
    int KBPerBlock = 1;
    std::atomic<int> BlockTotal{0};
    std::atomic<int> BlocksSent{0};
    std::atomic<bool> Cancel{false};
    std::atomic<int> FreeCapacity{0};
    std::string PplReply;
};
TDLState& DLState();

// A wait the exchange prescribes, on the calling thread; none for 0 or less.
void Pause(int ms);

// Sends do "download" KIND "VALUE" and waits for exactly "OK".
bool RequestDownload(const std::string& kindWord, const std::string& value, const TTransferPacing& pacing);

enum class TTransferEnd {
    Finished,      // every block acknowledged
    Cancelled,     // the cancel flag stopped the sender
    IoError,       // a write failed, or an acknowledgement was short, foreign or refused
    ChecksumError, // an acknowledgement's sum was wrong
};

// What the sender read after the last block (thread form of completion).
struct TFinishReads {
    std::string bitmaps;
    std::string used;
    std::string free;
};

// Runs a function on the user-interface thread, later (queued).
using TPost = std::function<void(std::function<void()>)>;

struct TTransferCallbacks {
    TPost post;
    std::function<void(int blocksSent)> progress;                     // on the UI thread
    std::function<void(TTransferEnd end, const TFinishReads&)> ended; // on the UI thread
};

// The two threads of one transfer. Destroying it cancels the transfer and
// waits for both threads; callbacks posted but not yet run are dropped.
class TTransferRun {
  public:
    TTransferRun(TDLState& state, TBlockFormat format, TTransferPacing pacing, TTransferCallbacks callbacks,
                 bool flashMemory);
    ~TTransferRun();
    TTransferRun(const TTransferRun&) = delete;
    TTransferRun& operator=(const TTransferRun&) = delete;

    // Clears the cancel flag, starts the progress thread, then the sender.
    void Start();
    void Cancel() { state_.Cancel = true; }
    // The list read after the last block ("\"bitmaps\"" unless set).
    void SetListKey(std::string key) { listKey_ = std::move(key); }
    // Waits for both threads.
    void Join();
    bool SenderDone() const { return senderDone_; }

  private:
    void Post(std::function<void()> work);
    void SenderRun();   // TDLThread
    void ProgressRun(); // TDLInfoThread
    void EndSender(TTransferEnd end, TFinishReads reads = {});

    TDLState& state_;
    TBlockFormat format_;
    TTransferPacing pacing_;
    TTransferCallbacks callbacks_;
    bool flash_;
    std::string listKey_ = "\"bitmaps\"";
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    std::atomic<bool> senderDone_{false};
    std::thread sender_;
    std::thread progress_;
};

} // namespace tolvane::download
