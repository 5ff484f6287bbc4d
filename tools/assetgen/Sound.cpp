#include "tools/assetgen/Sound.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace AssetGen {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

double Seconds(std::size_t i) {
    return static_cast<double>(i) / SampleRate;
}

std::size_t SamplesOf(double s) {
    return static_cast<std::size_t>(std::lround(s * SampleRate));
}

// A raised-cosine ramp from 0 to 1 as t goes from 0 to `length`.
double Ramp(double t, double length) {
    if (t <= 0)
        return 0;
    if (t >= length)
        return 1;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// A small deterministic noise source (xorshift32 with a fixed seed), for the tick's grain.
class Noise {
public:
    explicit Noise(std::uint32_t seed)
        : State(seed) {}
    double Next() {
        State ^= State << 13;
        State ^= State >> 17;
        State ^= State << 5;
        return static_cast<double>(State) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t State;
};

// A tone of `partials` (harmonic number, relative amplitude) whose frequency may glide; every
// partial above 4800 Hz is left out so that nothing folds back below the Nyquist limit.
struct Partial {
    double Harmonic;
    double Amplitude;
};

void AddNote(std::vector<double>& out, double start, double length, double frequency, double level,
             const std::vector<Partial>& partials, double attack, double decay, double release,
             double vibratoDepth = 0, double vibratoDelay = 0) {
    const std::size_t first = SamplesOf(start);
    const std::size_t count = SamplesOf(length + release);
    double phase = 0;
    for (std::size_t k = 0; k < count && first + k < out.size(); ++k) {
        const double t = Seconds(k);
        double vib = 0;
        if (vibratoDepth > 0 && t > vibratoDelay)
            vib = vibratoDepth * Ramp(t - vibratoDelay, 0.15) *
                  std::sin(TwoPi * 5.4 * (t - vibratoDelay));
        const double f = frequency * (1.0 + vib);
        phase += f / SampleRate;
        phase -= std::floor(phase);
        double env = Ramp(t, attack) * std::exp(-t / decay);
        if (t > length)
            env *= 1.0 - Ramp(t - length, release);
        double v = 0;
        for (const Partial& p : partials) {
            if (f * p.Harmonic > 4800)
                continue;
            v += p.Amplitude * std::sin(TwoPi * phase * p.Harmonic);
        }
        out[first + k] += level * env * v;
    }
}

// Scales to the given peak and fades both ends to exact silence.
void Finish(std::vector<double>& s, double peak, double fadeIn, double fadeOut) {
    double max = 0;
    for (double v : s)
        max = std::max(max, std::abs(v));
    if (max <= 0)
        throw std::runtime_error("silent sound");
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double fromEnd = Seconds(n - 1 - i);
        s[i] *= peak / max * Ramp(Seconds(i), fadeIn) * Ramp(fromEnd, fadeOut);
    }
}

// TickSound: a soft wooden tick, over within 40 ms, for every step of a moving ball.
std::vector<double> Tick(std::size_t n) {
    std::vector<double> s(n, 0.0);
    Noise noise(0x5eb61u);
    double lowpass = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = Seconds(i);
        lowpass += 0.35 * (noise.Next() - lowpass);
        const double grain = 0.35 * lowpass * std::exp(-t / 0.0025);
        const double knock = 0.8 * std::sin(TwoPi * 1180 * t) * std::exp(-t / 0.011) +
                             0.45 * std::sin(TwoPi * 2350 * t + 0.6) * std::exp(-t / 0.006) +
                             0.25 * std::sin(TwoPi * 610 * t) * std::exp(-t / 0.018);
        s[i] = grain + knock;
    }
    Finish(s, 0.42, 0.0012, 0.03);
    return s;
}

// BallsSound: three light bubbly pops rising by a major triad, one for each new ball.
std::vector<double> Pops(std::size_t n) {
    std::vector<double> s(n, 0.0);
    const double starts[] = {0.0, 0.062, 0.124};
    const double pitch[] = {1.0, 1.26, 1.5};
    for (int k = 0; k < 3; ++k) {
        double phase = 0;
        const std::size_t first = SamplesOf(starts[k]);
        for (std::size_t i = first; i < n; ++i) {
            const double t = Seconds(i - first);
            // The pitch leaps up quickly, as a bubble does when it bursts.
            const double f = pitch[k] * (420 + 620 * (1 - std::exp(-t / 0.012)));
            phase += f / SampleRate;
            phase -= std::floor(phase);
            const double env = Ramp(t, 0.003) * std::exp(-t / 0.028);
            s[i] += (0.9 - 0.1 * k) * env *
                    (std::sin(TwoPi * phase) + 0.18 * std::sin(2 * TwoPi * phase));
        }
    }
    Finish(s, 0.58, 0.002, 0.04);
    return s;
}

// RemovalSound: a bright sparkle of bell tones falling down a pentatonic scale.
std::vector<double> Sparkle(std::size_t n) {
    std::vector<double> s(n, 0.0);
    const double notes[] = {2093.0, 1760.0, 1568.0, 1318.5, 1174.7, 1046.5, 880.0, 784.0};
    const std::vector<Partial> bell{{1.0, 1.0}, {2.0, 0.28}, {3.0, 0.08}};
    for (int k = 0; k < 8; ++k) {
        const double start = 0.052 * k;
        AddNote(s, start, 0.6, notes[k], 1.0 - 0.05 * k, bell, 0.002, 0.085 + 0.01 * k, 0.05);
        // A quiet octave-lower echo gives the cascade some body.
        AddNote(s, start + 0.012, 0.6, notes[k] / 2, 0.22, {{1.0, 1.0}}, 0.004, 0.07, 0.05);
    }
    Finish(s, 0.6, 0.002, 0.06);
    return s;
}

// A warm, reedy timbre for the sad phrase: odd harmonics falling off quickly.
const std::vector<Partial> Reed{{1, 1.0}, {2, 0.12}, {3, 0.32}, {4, 0.05}, {5, 0.12}, {7, 0.05}};

// A brassy timbre for the fanfare.
const std::vector<Partial> Brass{{1, 1.0},  {2, 0.62}, {3, 0.42}, {4, 0.28},
                                 {5, 0.18}, {6, 0.11}, {7, 0.07}};

// Adds a short, soft echo (a single feedback delay) for a little room.
void Room(std::vector<double>& s, double delay, double feedback) {
    const std::size_t d = SamplesOf(delay);
    for (std::size_t i = d; i < s.size(); ++i)
        s[i] += feedback * s[i - d];
}

// GameOverSound: a short sad phrase in C minor, sol, mi flat, re, do, the last held and wavering.
std::vector<double> GameOver(std::size_t n) {
    std::vector<double> s(n, 0.0);
    const double g4 = 392.0, eb4 = 311.13, d4 = 293.66, c4 = 261.63;
    AddNote(s, 0.00, 0.20, g4, 0.9, Reed, 0.02, 0.8, 0.06);
    AddNote(s, 0.24, 0.20, eb4, 0.9, Reed, 0.02, 0.8, 0.06);
    AddNote(s, 0.48, 0.20, d4, 0.9, Reed, 0.02, 0.8, 0.06);
    AddNote(s, 0.72, 0.52, c4, 1.0, Reed, 0.03, 1.2, 0.12, 0.012, 0.12);
    // A low, quiet fifth under the last note.
    AddNote(s, 0.72, 0.52, c4 / 2, 0.35, {{1, 1.0}, {2, 0.2}}, 0.08, 1.5, 0.12);
    AddNote(s, 0.72, 0.52, 196.0, 0.22, {{1, 1.0}}, 0.08, 1.5, 0.12);
    Room(s, 0.067, 0.22);
    Finish(s, 0.62, 0.004, 0.09);
    return s;
}

// ChampionSound: a short fanfare in C major ending on a held, shining chord.
std::vector<double> Champion(std::size_t n) {
    std::vector<double> s(n, 0.0);
    const double g4 = 392.0, c5 = 523.25, e5 = 659.26, g5 = 783.99, c4 = 261.63, e4 = 329.63;
    struct Step {
        double Start, Length, Frequency;
    };
    const Step melody[] = {{0.00, 0.11, g4}, {0.14, 0.11, g4}, {0.28, 0.11, g4}, {0.42, 0.32, c5},
                           {0.80, 0.12, g4}, {0.96, 0.12, c5}, {1.12, 0.12, e5}};
    for (const Step& m : melody)
        AddNote(s, m.Start, m.Length, m.Frequency, 0.85, Brass, 0.018, 0.9, 0.05);
    // The final chord: the melody on G5 with C5 and E5 below it and a low C for ground.
    const double hold = 1.28, length = 1.45;
    AddNote(s, hold, length, g5, 0.80, Brass, 0.025, 2.2, 0.15, 0.006, 0.35);
    AddNote(s, hold, length, e5, 0.42, Brass, 0.04, 2.2, 0.15);
    AddNote(s, hold, length, c5, 0.42, Brass, 0.04, 2.2, 0.15);
    AddNote(s, hold, length, c4, 0.38, {{1, 1.0}, {2, 0.4}, {3, 0.15}}, 0.06, 2.2, 0.15);
    AddNote(s, hold, length, e4, 0.18, {{1, 1.0}}, 0.06, 2.2, 0.15);
    // A few high bell sparkles over the chord.
    const double sparkles[] = {2093.0, 2637.0, 3136.0, 2637.0};
    for (int k = 0; k < 4; ++k)
        AddNote(s, hold + 0.05 + 0.09 * k, 0.3, sparkles[k], 0.16, {{1, 1.0}}, 0.002, 0.12, 0.05);
    Room(s, 0.083, 0.2);
    Finish(s, 0.66, 0.004, 0.25);
    return s;
}

std::vector<std::uint8_t> EncodeSamples(const std::vector<double>& s, int bits) {
    std::vector<std::uint8_t> out;
    for (double v : s) {
        if (bits == 8) {
            out.push_back(
                static_cast<std::uint8_t>(std::clamp(128L + std::lround(v * 127.0), 1L, 255L)));
        } else {
            const long x = std::clamp(std::lround(v * 32767.0), -32767L, 32767L);
            const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(x));
            out.push_back(static_cast<std::uint8_t>(u & 0xff));
            out.push_back(static_cast<std::uint8_t>(u >> 8));
        }
    }
    return out;
}

// The samples of one sound, in -1..1, silent at both ends.
std::vector<double> Synthesize(const SoundFile& sound) {
    const std::size_t n = sound.DataSize / static_cast<std::size_t>(sound.Bits / 8);
    switch (sound.Resource) {
    case GameOverSound:
        return GameOver(n);
    case BallsSound:
        return Pops(n);
    case ChampionSound:
        return Champion(n);
    case RemovalSound:
        return Sparkle(n);
    case TickSound:
        return Tick(n);
    default:
        throw std::runtime_error("no such sound");
    }
}

} // namespace

const std::vector<SoundFile>& SoundFiles() {
    static const std::vector<SoundFile> files{
        {GameOverSound, "GameOverSound", "a short sad phrase for the end of a game", 16, 32690,
         30788},
        {BallsSound, "BallsSound", "a light pop for balls arriving", 8, 2516, 2472},
        {ChampionSound, "ChampionSound", "a short fanfare for a new champion", 16, 64200, 64156},
        {RemovalSound, "RemovalSound", "a bright descending sparkle for balls vanishing", 8, 7180,
         7136},
        {TickSound, "TickSound", "a soft tick for a step", 8, 1130, 1086},
    };
    return files;
}

QByteArray WaveFileBytes(const SoundFile& sound) {
    const std::vector<std::uint8_t> data = EncodeSamples(Synthesize(sound), sound.Bits);
    std::vector<InfoTag> tags;
    if (sound.FileSize > 44 + data.size()) {
        // The file is longer than header and samples: the rest is a LIST/INFO chunk naming it.
        tags = {{"INAM", sound.Name},
                {"IPRD", "Pebblix"},
                {"ISFT", "Pebblix asset generator"},
                {"ICMT", "Synthesised for Pebblix: " + sound.Description + "."}};
    }
    return EncodeWav(data, sound.Bits, SampleRate, tags, sound.FileSize);
}

} // namespace AssetGen
