#pragma once

#include "runtime/report_channel.h"

#include <string>
#include <string_view>

namespace kelvaro {

// What the message of a report depends on besides its reason.
struct ReportTextContext {
    char decimalSeparator = '.';
    int minMinutes = 1; // the slider's range, for the playing time
    int maxMinutes = 620;
};

// The German message shown to the user next to a refused field, or near the
// results when the calculation failed as a whole (field empty or
// ReportChannel::kCalculation).
std::string reportText(std::string_view field, ReportReason reason,
                       const ReportTextContext& context);

} // namespace kelvaro
