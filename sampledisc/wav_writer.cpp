#include "sampledisc/wav_writer.h"

#include "sampledisc/riff.h"

namespace velocarta::sampledisc {

std::string WriteWav(const PcmSound& sound) {
    RiffWriter riff;
    const std::size_t file = riff.open("RIFF", "WAVE");
    const std::size_t format = riff.open("fmt ");
    const auto blockAlign = static_cast<std::uint16_t>(sound.channels * 2);
    riff.u16(1);  // PCM
    riff.u16(static_cast<std::uint16_t>(sound.channels));
    riff.u32(static_cast<std::uint32_t>(sound.sampleRate));
    riff.u32(static_cast<std::uint32_t>(sound.sampleRate) * blockAlign);
    riff.u16(blockAlign);
    riff.u16(16);
    riff.close(format);
    const std::size_t data = riff.open("data");
    for (const std::int16_t sample : sound.samples) {
        riff.u16(static_cast<std::uint16_t>(sample));
    }
    riff.close(data);
    riff.close(file);
    return riff.take();
}

}  // namespace velocarta::sampledisc
