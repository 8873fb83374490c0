#include "context/Identification.h"

#include "context/FailureCause.h"
#include "context/PrinterContext.h"
#include "context/ResultCode.h"

namespace pelmora::context {

bool Identification::NotOurs() const { return result == rc::NotSupported || result == rc::BadHeader; }

Identification IdentifyOpenPrinter(PrinterContext& util) {
    Identification id;
    const std::uint32_t startedAt = util.clock().TickCount();
    id.result = util.QueryPrinter(QUERY_MODEL);
    if (id.result != rc::Ok) {
        util.link.ClosePort();
        id.message = "Printer model is not matched!";
        id.cause = IdentifyFailureCause(util, QUERY_MODEL, id.result, util.clock().TickCount() - startedAt);
        return id;
    }
    id.result = util.QueryPrinter(QUERY_VERSION);
    util.link.ClosePort();
    if (id.result != rc::Ok) {
        id.message = "Failed to get printer version!";
        return id;
    }
    id.modelName = util.ModelName;
    id.modelCode = util.ModelCode;
    id.versionText = util.VersionText;
    id.firmwareVersion = util.FirmwareVersion;
    return id;
}

}  // namespace pelmora::context
