#include "tip_recorder.h"

#include "window_state.h"

namespace vistrel::e2e {

TipRecorder::TipRecorder(HWND tip)
    : tip_(tip), start_(Clock::now()), thread_([this](const std::stop_token& stop) { Record(stop); }) {}

void TipRecorder::Record(const std::stop_token& stop) {
    while (!stop.stop_requested()) {
        TipSample sample;
        sample.at = Since(start_);
        sample.rect = WindowRect(tip_);
        sample.visible = Visible(tip_);
        sample.layered = HasExStyle(tip_, WS_EX_LAYERED);
        sample.alpha = LayeredAlpha(tip_);
        sample.foreground = ::GetForegroundWindow();
        {
            const std::scoped_lock lock(mutex_);
            samples_.push_back(sample);
        }
        ::Sleep(1);
    }
}

std::vector<TipSample> TipRecorder::Samples() const {
    const std::scoped_lock lock(mutex_);
    return samples_;
}

std::optional<TipSample> TipRecorder::WaitFor(const std::function<bool(const TipSample&)>& condition,
                                              milliseconds limit) const {
    std::size_t seen = Samples().size();
    std::optional<TipSample> found;
    const bool ok = WaitUntil(
        [&] {
            const std::scoped_lock lock(mutex_);
            for (; seen < samples_.size(); ++seen) {
                if (condition(samples_[seen])) {
                    found = samples_[seen];
                    return true;
                }
            }
            return false;
        },
        limit, milliseconds{1});
    return ok ? found : std::nullopt;
}

void TipRecorder::Stop() {
    thread_.request_stop();
    if (thread_.joinable()) thread_.join();
}

}  // namespace vistrel::e2e
