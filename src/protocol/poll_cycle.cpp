#include "protocol/poll_cycle.h"

void ApplyOutcome(const Outcome& outcome, const ResponseReport& input, OutcomeTarget& target) {
    for (const Step& step : outcome) {
        switch (step.kind) {
            case StepKind::kReplaceRecord:
                target.ReplaceRecord(input.data() + ResponseReport::kRecordOffset);
                break;
            case StepKind::kRefreshEditors:
                target.RefreshEditors();
                break;
            case StepKind::kStatusText:
                target.SetStatusText(step.text);
                break;
            case StepKind::kBeep:
                target.Beep(step.frequency, step.duration);
                break;
            case StepKind::kStopBlinking:
                target.SetBlinking(false);
                break;
            case StepKind::kStartBlinking:
                target.SetBlinking(true);
                break;
            case StepKind::kShowStatusLine:
                target.ShowStatusLine();
                break;
        }
    }
}

void PollOnce(HidLink& link, ResponseReport& input, OutcomeTarget& target) {
    link.MaintainDeviceLink();
    if (link.readHandle() == kInvalidHandle) return;
    if (link.ReadInputReport(input.data()) != ReadStatus::kReceived) return;
    const Outcome outcome = Decode(input);
    ApplyOutcome(outcome, input, target);
    input.Clear();
}
