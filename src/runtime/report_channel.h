#pragma once

#include "runtime/event.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvaro {

// Why input was refused.
enum class ReportReason {
    NotANumber,        // a field read as a number holds none
    NotAWholeNumber,   // the playing time is no whole number of minutes
    OutOfRange,        // the playing time lies outside the slider's range
    ZeroPlayingTime,   // a playing time of zero leaves nothing to divide by
    CalculationFailed, // a value on the way left the range of numbers
};

struct Report {
    std::vector<std::string> fields; // empty when the calculation failed as a whole
    ReportReason reason = ReportReason::NotANumber;
};

// The one channel through which refused input is told to the user. It also
// keeps which fields are marked as bad until they hold a usable value again
// or a calculation succeeds.
class ReportChannel {
public:
    static constexpr const char* kCalculation = "calculation";

    void report(const Report& report);
    void clear(const std::string& field);
    void clearAll();

    bool isMarked(const std::string& field) const;
    const std::vector<Report>& marks() const { return marks_; }

    // Listeners get each report as it is made.
    void onReport(std::function<void(const Report&)> listener);
    // Raised whenever the set of marks changes.
    Event marksChanged;

private:
    std::vector<std::function<void(const Report&)>> listeners_;
    std::vector<Report> marks_; // one entry per marked field, or the calculation
};

} // namespace kelvaro
