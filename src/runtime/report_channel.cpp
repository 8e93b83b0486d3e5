#include "runtime/report_channel.h"

#include <algorithm>
#include <utility>

namespace kelvaro {

namespace {

std::string markName(const Report& mark) {
    return mark.fields.empty() ? ReportChannel::kCalculation : mark.fields.front();
}

} // namespace

void ReportChannel::report(const Report& report) {
    for (const auto& listener : listeners_) {
        listener(report);
    }
    std::vector<std::string> names = report.fields;
    if (names.empty()) {
        names.push_back(kCalculation);
    }
    for (const std::string& name : names) {
        std::erase_if(marks_, [&](const Report& mark) { return markName(mark) == name; });
        Report mark{report.fields.empty() ? std::vector<std::string>{} : std::vector{name},
                    report.reason};
        marks_.push_back(std::move(mark));
    }
    marksChanged.raise();
}

void ReportChannel::clear(const std::string& field) {
    if (std::erase_if(marks_, [&](const Report& mark) { return markName(mark) == field; }) > 0) {
        marksChanged.raise();
    }
}

void ReportChannel::clearAll() {
    if (marks_.empty()) {
        return;
    }
    marks_.clear();
    marksChanged.raise();
}

bool ReportChannel::isMarked(const std::string& field) const {
    return std::any_of(marks_.begin(), marks_.end(),
                       [&](const Report& mark) { return markName(mark) == field; });
}

void ReportChannel::onReport(std::function<void(const Report&)> listener) {
    listeners_.push_back(std::move(listener));
}

} // namespace kelvaro
