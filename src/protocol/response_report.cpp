#include "protocol/response_report.h"

#include "config/ui_text.h"

namespace {

class OutcomeBuilder {
  public:
    OutcomeBuilder& Add(Step step) {
        outcome_.steps[outcome_.count++] = step;
        return *this;
    }
    OutcomeBuilder& Text(const char* text) { return Add({StepKind::kStatusText, text}); }
    OutcomeBuilder& Beep(std::uint16_t hz, std::uint16_t ms) {
        return Add({StepKind::kBeep, nullptr, hz, ms});
    }
    OutcomeBuilder& StopBlinking() { return Add({StepKind::kStopBlinking}); }
    OutcomeBuilder& StartBlinking() { return Add({StepKind::kStartBlinking}); }
    OutcomeBuilder& ShowStatusLine() { return Add({StepKind::kShowStatusLine}); }
    Outcome Done() const { return outcome_; }

  private:
    Outcome outcome_;
};

Outcome DecodeConfigReply(ResponseReport& r) {
    for (int i = 1; i <= 8; ++i) {
        r[17] ^= r[i];
        r[18] ^= r[i + 8];
    }
    if (r[17] != 0 || r[18] != 0) return {};
    return OutcomeBuilder()
        .Add({StepKind::kReplaceRecord})
        .Add({StepKind::kRefreshEditors})
        .Text(UI_TEXT_NOOP("Status", "GetConfig Success"))
        .Beep(3900, 150)
        .StopBlinking()
        .ShowStatusLine()
        .Done();
}

// The controller repeats the code in bytes 3 and 4; the check only asks that they add up to
// twice the code. Sums above 255 are outside what the check was made for and are dropped.
bool CodeCheckHolds(const ResponseReport& r) {
    const int sum = r[3] + r[4];
    return sum <= 255 && 2 * r[2] == sum;
}

Outcome DecodeAcknowledgement(std::uint8_t code) {
    OutcomeBuilder b;
    switch (code) {
        case kConnected:
            b.Beep(2000, 250).Text(UI_TEXT_NOOP("Status", "Connect Success"));
            break;
        case kDisconnected:
            b.Text(UI_TEXT_NOOP("Status", "Disconnect Success")).Beep(3900, 150);
            break;
        case kFactoryRestored:
            b.Text(UI_TEXT_NOOP("Status", "Restore Success")).Beep(3900, 150);
            break;
        case kParametersLoaded:
            b.Text(UI_TEXT_NOOP("Status", "Load Success")).Beep(3900, 150);
            break;
        default:
            break;
    }
    return b.StopBlinking().ShowStatusLine().Done();
}

Outcome DecodeError(std::uint8_t code) {
    OutcomeBuilder b;
    switch (code) {
        case kLoadFailed:
            b.Beep(3000, 200).Text(UI_TEXT_NOOP("Status", "Load Error"));
            break;
        case kGetConfigFailed:
            b.Text(UI_TEXT_NOOP("Status", "GetConfig Error")).Beep(3000, 200);
            break;
        default:
            break;
    }
    return b.StartBlinking().Done();
}

}  // namespace

Outcome Decode(ResponseReport& report) {
    if (report[0] != 0) return {};
    switch (report[1]) {
        case ResponseReport::kConfigReply:
            return DecodeConfigReply(report);
        case ResponseReport::kAcknowledgement:
            return CodeCheckHolds(report) ? DecodeAcknowledgement(report[2]) : Outcome{};
        case ResponseReport::kError:
            return CodeCheckHolds(report) ? DecodeError(report[2]) : Outcome{};
        default:
            return {};
    }
}

void SealConfigReply(ResponseReport& report) {
    report[17] = 0;
    report[18] = 0;
    for (int i = 1; i <= 8; ++i) {
        report[17] ^= report[i];
        report[18] ^= report[i + 8];
    }
}
