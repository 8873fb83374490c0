#include "context/Identification.h"

#include "context/FailureCause.h"
#include "context/PrinterContext.h"
#include "context/ResultCode.h"

namespace pelmora::context {

bool Identification::NotOurs() const { return result == rc::NotSupported || result == rc::BadHeader; }

Identification IdentifyOpenPrinter(PrinterContext& util) {
    Identification id;
    const WaitMark mark = MarkWait(util);
    id.result = util.QueryPrinter(QUERY_MODEL);
    if (id.result != rc::Ok) {
        util.link().ClosePort();
        id.message = "Printer model is not matched!";
        id.cause = QueryFailureCause(util, QUERY_MODEL, id.result, mark);
        return id;
    }
    id.result = util.QueryPrinter(QUERY_VERSION);
    util.link().ClosePort();
    if (id.result != rc::Ok) {
        id.message = "Failed to get printer version!";
        id.cause = BusyCause(util);
        return id;
    }
    id.modelName = util.modelName();
    id.modelCode = util.modelCode();
    id.versionText = util.versionText();
    id.firmwareVersion = util.firmwareVersion();
    return id;
}

}  // namespace pelmora::context
