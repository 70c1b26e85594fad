#include "emulator/handlers/standard_handlers.h"

#include "emulator/handlers/block_read.h"
#include "emulator/handlers/block_write.h"
#include "emulator/handlers/cpcl_commands.h"
#include "emulator/handlers/do_action.h"
#include "emulator/handlers/get_key.h"
#include "emulator/handlers/get_value.h"
#include "emulator/handlers/get_version.h"
#include "emulator/handlers/plain_commands.h"
#include "emulator/handlers/query_language.h"
#include "emulator/handlers/rfid_commands.h"
#include "emulator/handlers/set_key.h"
#include "emulator/handlers/set_value.h"
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
    handlers.add(std::make_shared<PlainCommandHandler>());
    if (profile.language == kLanguageCpcl) {
        handlers.add(std::make_shared<CpclCommandHandler>());
    }
    handlers.add(std::make_shared<UnknownPrivateHandler>(), kRankCatchAll);
}

} // namespace emulator
