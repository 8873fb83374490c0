#pragma once
#include "link/Layout.h"

namespace pelmora::context {

/// The one desktop/handheld switch, named where jobs and windows meet it; the
/// link below needs it too, so the type itself lives there.
using link::Layout;

}  // namespace pelmora::context
