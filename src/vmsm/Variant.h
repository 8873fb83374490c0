#pragma once

namespace pelmora::vmsm {

/// The two programs differ in texts, lists and a few steps of the jobs.
enum class Variant { Desktop, Handheld };

}  // namespace pelmora::vmsm
