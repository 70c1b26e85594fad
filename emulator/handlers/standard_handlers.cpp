#include "emulator/handlers/standard_handlers.h"

#include "emulator/handlers/block_read.h"
#include "emulator/handlers/block_write.h"
#include "emulator/handlers/cpcl_commands.h"
#include "emulator/handlers/do_action.h"
#include "emulator/handlers/download_block.h"
#include "emulator/handlers/file_commands.h"
#include "emulator/handlers/get_key.h"
#include "emulator/handlers/get_value.h"
#include "emulator/handlers/get_version.h"
#include "emulator/handlers/journey.h"
#include "emulator/handlers/plain_commands.h"
#include "emulator/handlers/print_jobs.h"
#include "emulator/handlers/printer_status.h"
#include "emulator/handlers/query_language.h"
#include "emulator/handlers/rfid_commands.h"
#include "emulator/handlers/scan_trigger.h"
#include "emulator/handlers/set_key.h"
#include "emulator/handlers/set_value.h"
#include "emulator/handlers/tspl_files.h"
#include "emulator/handlers/tspl_positions.h"
#include "emulator/handlers/unknown_private.h"

#include <memory>

namespace emulator {

void addStandardHandlers(HandlerSet& handlers, const Profile& profile) {
    handlers.add(std::make_shared<RfidCommandHandler>(), kRankSpecific);
    handlers.add(std::make_shared<DoActionHandler>());
    handlers.add(std::make_shared<GetValueHandler>());
    handlers.add(std::make_shared<SetValueHandler>());
    handlers.add(std::make_shared<GetKeyHandler>());
    handlers.add(std::make_shared<SetKeyHandler>());
    handlers.add(std::make_shared<BlockReadHandler>());
    handlers.add(std::make_shared<BlockWriteHandler>());
    handlers.add(std::make_shared<QueryLanguageHandler>());
    handlers.add(std::make_shared<GetVersionHandler>());
    handlers.add(std::make_shared<JourneyHandler>());
    handlers.add(std::make_shared<PrinterStatusHandler>(), kRankSpecific);
    handlers.add(std::make_shared<PlainCommandHandler>());
    if (profile.language == kLanguageCpcl) {
        handlers.add(std::make_shared<CpclCommandHandler>());
    }
    handlers.add(std::make_shared<PrintJobHandler>(profile.language != kLanguageCpcl));
    if (profile.scanner) {
        handlers.add(std::make_shared<ScanTriggerHandler>(*profile.scanner), kRankSpecific);
    }
    // The stored-file keys narrow the standard "do" and "getval"; a handler
    // a test adds with kRankSpecific still comes before them.
    handlers.add(std::make_shared<FileActionHandler>(), kRankSpecific + 1);
    handlers.add(std::make_shared<FileValueHandler>(), kRankSpecific + 1);
    handlers.add(std::make_shared<DownloadBlockHandler>());
    if (profile.language == kLanguageTspl) {
        handlers.add(std::make_shared<TsplFileHandler>());
        handlers.add(std::make_shared<TsplPositionHandler>());
    }
    if (profile.language == kLanguageZpl) {
        // A label that prints a stored graphic is recorded as such, before
        // the print-job recorder sees it as a plain ZPL job.
        handlers.add(std::make_shared<ZplGraphicHandler>(), kRankSpecific + 1);
    }
    handlers.add(std::make_shared<UnknownPrivateHandler>(), kRankCatchAll);
}

} // namespace emulator
