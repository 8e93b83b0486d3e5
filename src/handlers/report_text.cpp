#include "handlers/report_text.h"

namespace kelvaro {

namespace {

constexpr std::string_view kPlayingTime = "Text1";

std::string wholeMinutesText(const ReportTextContext& context) {
    return "Bitte eine ganze Zahl von " + std::to_string(context.minMinutes) + " bis " +
           std::to_string(context.maxMinutes) + " Minuten eingeben";
}

std::string numberText(const ReportTextContext& context) {
    return std::string("Bitte eine Zahl eingeben, z. B. 1") + context.decimalSeparator + "5";
}

} // namespace

std::string reportText(std::string_view field, ReportReason reason,
                       const ReportTextContext& context) {
    switch (reason) {
    case ReportReason::NotANumber:
        return field == kPlayingTime ? wholeMinutesText(context) : numberText(context);
    case ReportReason::NotAWholeNumber:
    case ReportReason::OutOfRange:
        return wholeMinutesText(context);
    case ReportReason::ZeroPlayingTime:
        return "Die Spielzeit darf nicht 0 sein.";
    case ReportReason::CalculationFailed:
        break;
    }
    return "Mit diesen Eingaben lässt sich nicht rechnen: ein Wert liegt außerhalb des "
           "Zahlenbereichs. Bitte die Eingaben prüfen.";
}

} // namespace kelvaro
