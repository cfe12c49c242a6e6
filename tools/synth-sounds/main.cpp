// Writes the game's sounds as 16-bit PCM mono wave files. Everything is computed
// from fixed numbers, so every build produces the same bytes.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = std::numbers::pi;

using Samples = std::vector<double>;

int samplesFor(double seconds) {
    return static_cast<int>(std::lround(seconds * SampleRate));
}

void put16(std::ofstream& out, std::uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(b, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.put(static_cast<char>((v >> (8 * i)) & 0xff));
}

bool writeWave(const std::string& path, const Samples& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, SampleRate);
    put32(out, SampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const double clipped = s > 1.0 ? 1.0 : (s < -1.0 ? -1.0 : s);
        put16(out,
              static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767))));
    }
    return static_cast<bool>(out);
}

// Short linear ramps at both ends of a tone keep the switching from clicking.
double edgeRamp(int i, int length, int ramp) {
    if (i < ramp)
        return static_cast<double>(i) / ramp;
    if (i >= length - ramp)
        return static_cast<double>(length - 1 - i) / ramp;
    return 1.0;
}

void addTone(Samples& out, double startSec, double seconds, double freq, double level) {
    const int start = samplesFor(startSec);
    const int length = samplesFor(seconds);
    if (out.size() < static_cast<size_t>(start + length))
        out.resize(start + length, 0.0);
    const int ramp = samplesFor(0.01);
    for (int i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        out[start + i] += level * edgeRamp(i, length, ramp) * std::sin(2 * Pi * freq * t);
    }
}

// A soft plucked voice: a few harmonics under an attack-decay envelope.
void addNote(Samples& out, double startSec, double seconds, double freq, double level) {
    const int start = samplesFor(startSec);
    const int length = samplesFor(seconds);
    if (out.size() < static_cast<size_t>(start + length))
        out.resize(start + length, 0.0);
    const int attack = samplesFor(0.015);
    const int release = samplesFor(0.04);
    for (int i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        double env = std::exp(-2.2 * t);
        if (i < attack)
            env *= static_cast<double>(i) / attack;
        if (i >= length - release)
            env *= static_cast<double>(length - 1 - i) / release;
        const double w = 2 * Pi * freq * t;
        const double voice = std::sin(w) + 0.35 * std::sin(2 * w) + 0.15 * std::sin(3 * w);
        out[start + i] += level * env * voice;
    }
}

double midiFreq(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

void normalise(Samples& s, double peak) {
    double max = 0;
    for (double v : s)
        max = std::fmax(max, std::fabs(v));
    if (max > 0)
        for (double& v : s)
            v *= peak / max;
}

// About 17 seconds: eight bars of C - Am - F - G at 120 beats a minute and a
// closing chord, so the tune ends together with the splash picture.
Samples theme() {
    constexpr double beat = 0.5;
    // Melody in MIDI notes, one entry per half beat; 0 holds the previous note.
    const int melody[] = {
        76, 0, 79, 0, 84, 0, 83, 81, // C
        81, 0, 76, 0, 72, 0, 74, 76, // Am
        77, 0, 81, 0, 84, 0, 81, 77, // F
        79, 0, 0,  0, 74, 0, 71, 0,  // G
        76, 0, 79, 0, 84, 0, 86, 88, // C
        84, 0, 81, 0, 76, 0, 79, 81, // Am
        77, 0, 76, 0, 74, 0, 72, 74, // F
        71, 0, 74, 0, 79, 0, 0,  0,  // G
    };
    const int chords[4][3] = {{48, 55, 64}, {45, 52, 60}, {41, 48, 57}, {43, 50, 59}};

    Samples out;
    const int steps = static_cast<int>(sizeof melody / sizeof melody[0]);
    for (int i = 0; i < steps; ++i) {
        if (melody[i] == 0)
            continue;
        int len = 1;
        while (i + len < steps && melody[i + len] == 0)
            ++len;
        addNote(out, i * beat / 2, len * beat / 2 + 0.1, midiFreq(melody[i]), 0.45);
    }
    for (int bar = 0; bar < 8; ++bar) {
        const int* chord = chords[bar % 4];
        for (int b = 0; b < 4; ++b) {
            const double at = (bar * 4 + b) * beat;
            addNote(out, at, beat, midiFreq(chord[0] - (b % 2 ? 0 : 12)), 0.35);
            if (b % 2 == 1)
                for (int k = 1; k < 3; ++k)
                    addNote(out, at, beat, midiFreq(chord[k]), 0.12);
        }
    }
    const double end = 32 * beat;
    for (int note : {48, 60, 64, 67, 72})
        addNote(out, end, 1.0, midiFreq(note), 0.25);
    out.resize(samplesFor(17.0), 0.0);
    normalise(out, 0.8);
    return out;
}

// One ring of the line as a caller hears it: 425 Hz for a second, then the pause.
Samples ringout() {
    Samples out;
    addTone(out, 0.0, 1.0, 425.0, 0.6);
    out.resize(samplesFor(3.0), 0.0);
    return out;
}

// One cycle of the busy signal: equal tone and pause.
Samples busy() {
    Samples out;
    addTone(out, 0.0, 0.35, 425.0, 0.6);
    out.resize(samplesFor(0.7), 0.0);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const struct {
        const char* name;
        Samples samples;
    } files[] = {{"theme.wav", theme()}, {"ringout.wav", ringout()}, {"busy.wav", busy()}};
    for (const auto& f : files) {
        const std::string path = dir + "/" + f.name;
        if (!writeWave(path, f.samples)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
