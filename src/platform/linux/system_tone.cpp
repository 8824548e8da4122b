// The computer's tone on Linux: a sine wave through ALSA's default device.
#include "platform/system_tone.h"

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include <alsa/asoundlib.h>

namespace {

void Wait(std::uint16_t durationMs) {
    std::this_thread::sleep_for(std::chrono::milliseconds(durationMs));
}

}  // namespace

// ALSA reports a missing card on standard error by itself; the fallback is silent waiting.
void QuietAlsaError(const char*, int, const char*, int, const char*, ...) {}

void SystemTone::Beep(std::uint16_t frequencyHz, std::uint16_t durationMs) {
    constexpr unsigned kRate = 48000;
    snd_lib_error_set_handler(QuietAlsaError);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
        Wait(durationMs);
        return;
    }
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                           50000) < 0) {
        snd_pcm_close(pcm);
        Wait(durationMs);
        return;
    }
    const std::size_t frames = static_cast<std::size_t>(kRate) * durationMs / 1000;
    std::vector<std::int16_t> samples(frames);
    const std::size_t ramp = std::min<std::size_t>(frames / 2, kRate / 200);  // 5 ms, no clicks
    for (std::size_t i = 0; i < frames; ++i) {
        double gain = 0.4;
        if (i < ramp) gain *= static_cast<double>(i) / ramp;
        if (frames - i < ramp) gain *= static_cast<double>(frames - i) / ramp;
        samples[i] = static_cast<std::int16_t>(
            32767 * gain * std::sin(2 * M_PI * frequencyHz * static_cast<double>(i) / kRate));
    }
    const auto started = std::chrono::steady_clock::now();
    std::size_t done = 0;
    while (done < frames) {
        snd_pcm_sframes_t n = snd_pcm_writei(pcm, samples.data() + done, frames - done);
        if (n < 0) n = snd_pcm_recover(pcm, static_cast<int>(n), 1);
        if (n < 0) break;
        done += static_cast<std::size_t>(n);
    }
    // Returns when the tone has sounded.
    snd_pcm_drain(pcm);
    snd_pcm_close(pcm);
    const auto elapsed = std::chrono::steady_clock::now() - started;
    if (elapsed < std::chrono::milliseconds(durationMs)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(durationMs) - elapsed);
    }
}
