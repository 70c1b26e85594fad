// The waits of the firmware exchanges. The defaults are what the printers
// need; tests pass short ones so that they do not sleep through them.
#pragma once

namespace tolvane::firmware {

struct TFirmwareWaits {
    // OTA entry by key command: the port is closed and opened again every
    // `otaReopenStepMs` until it opens or `otaReopenLimitMs` have passed.
    int otaReopenStepMs = 1000;
    int otaReopenLimitMs = 15001;
    // OTA entry by the binary command: the pause before the port is opened again.
    int otaBinaryEntryMs = 4000;
    // Between an OTA packet and its reply read.
    int packetGapMs = 10;
    // The reply read of every packet: passes and the pause between them.
    int replyPasses = 5;
    int replyPauseMs = 150;
    // After the last packet: further reads and the pause between them.
    int lastReplyRounds = 30;
    int lastReplyPauseMs = 500;
    // Sectioned files: the pause after a header is written, the pauses of
    // the list walk, and the final status byte's tries and pause.
    int headerAckWaitMs = 100;
    int browsePauseMs = 50;
    int finalStatusTries = 101;
    int finalStatusPauseMs = 1000;
    // The timers that drive the transfers.
    int timerIntervalMs = 10;
};

// Waits that keep every loop but take almost no time (tests). A silent
// printer still costs each read its read time-out, so the reads are fewer.
inline TFirmwareWaits ShortFirmwareWaits() {
    TFirmwareWaits waits;
    waits.replyPasses = 2;
    waits.otaReopenStepMs = 1;
    waits.otaReopenLimitMs = 200;
    waits.otaBinaryEntryMs = 1;
    waits.packetGapMs = 0;
    waits.replyPauseMs = 20;
    waits.lastReplyRounds = 3;
    waits.lastReplyPauseMs = 20;
    waits.headerAckWaitMs = 5;
    waits.browsePauseMs = 0;
    waits.finalStatusTries = 2;
    waits.finalStatusPauseMs = 20;
    waits.timerIntervalMs = 1;
    return waits;
}

} // namespace tolvane::firmware
