// make_cue start|notify OUTPUT
//
// Writes one of the two sound cues as a short PCM WAV file (22050 Hz, 16 bit,
// mono): "start" is a rising two-note chime played after a completed action,
// "notify" a falling one played before a warning.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Note {
    double hertz;
    double seconds;
};

// A bell-like note: a fundamental with a softer octave, a quick attack and an
// exponential decay, faded to silence at its end so that notes join without
// a click.
void appendNote(std::vector<std::int16_t>& samples, const Note& note) {
    const int count = static_cast<int>(note.seconds * kRate);
    const double attack = 0.004 * kRate;
    const double release = 0.006 * kRate;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double envelope = std::exp(-3.0 * t / note.seconds);
        if (i < attack) envelope *= i / attack;
        if (count - i < release) envelope *= (count - i) / release;
        const double phase = 2.0 * std::numbers::pi * note.hertz * t;
        const double value = 0.35 * envelope * (std::sin(phase) + 0.3 * std::sin(2.0 * phase));
        samples.push_back(static_cast<std::int16_t>(std::lround(value * 32767.0)));
    }
}

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::string wavFile(const std::vector<std::int16_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);         // size of the format chunk
    put16(out, 1);          // PCM
    put16(out, 1);          // mono
    put32(out, kRate);      // samples per second
    put32(out, kRate * 2);  // bytes per second
    put16(out, 2);          // bytes per sample frame
    put16(out, 16);         // bits per sample
    out += "data";
    put32(out, dataBytes);
    for (const std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_cue start|notify OUTPUT\n");
        return 2;
    }
    const std::string kind = argv[1];
    std::vector<Note> notes;
    if (kind == "start")
        notes = {{1318.51, 0.08}, {1760.00, 0.18}};  // E6, A6
    else if (kind == "notify")
        notes = {{880.00, 0.12}, {659.26, 0.22}};  // A5, E5
    else {
        std::fprintf(stderr, "make_cue: error: unknown cue \"%s\"\n", argv[1]);
        return 2;
    }

    std::vector<std::int16_t> samples;
    for (const Note& note : notes) appendNote(samples, note);

    const std::filesystem::path output = argv[2];
    std::filesystem::path partial = output;
    partial += ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        const std::string bytes = wavFile(samples);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) {
            std::fprintf(stderr, "make_cue: error: cannot write %s\n", partial.string().c_str());
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, output, error);
    if (error) {
        std::fprintf(stderr, "make_cue: error: cannot write %s\n", output.string().c_str());
        return 1;
    }
    return 0;
}
