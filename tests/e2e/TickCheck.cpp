// Finds the sounds in a recording (raw 16-bit mono at 11025 Hz) from a sample on and tells which
// are the tick wave heard whole: tick_check <recording> <tick wave> <first sample>
// Prints "<whole ticks> <other sounds> <last loud sample>", then a line for each other sound.
#include "platform/WaveClip.h"

#include <QFile>
#include <cmath>
#include <cstdio>
#include <span>

namespace {

using Samples = std::span<const qint16>;
constexpr size_t Window = WaveClip::SampleRate / 200; // 5 ms
constexpr int Loud = 1500;

Samples SamplesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const qint16*>(bytes.data()), size_t(bytes.size()) / 2};
}

double Dot(Samples a, Samples b) {
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        sum += double(a[i]) * b[i];
    }
    return sum;
}

double Energy(Samples samples) {
    return Dot(samples, samples);
}

// The tick up to its last audible 5 ms: ticks may follow each other closer than its whole length.
Samples Audible(Samples tick) {
    double loudest = 0;
    size_t end = 0;
    for (size_t at = 0; at + Window <= tick.size(); at += Window) {
        loudest = std::max(loudest, Energy(tick.subspan(at, Window)));
    }
    for (size_t at = 0; at + Window <= tick.size(); at += Window) {
        end = Energy(tick.subspan(at, Window)) * 10000 >= loudest ? at + Window : end;
    }
    return tick.first(end);
}

// The worst leftover of a 5 ms window after taking the best-scaled tick away, against the tick's
// energy there (and at least a hundredth of the loudest window's).
double WorstWindow(Samples heard, Samples tick) {
    const double gain = Dot(heard, tick) / Energy(tick);
    double worst = 0;
    for (size_t at = 0; at + Window <= tick.size(); at += Window) {
        double leftover = 0;
        for (size_t i = at; i < at + Window; ++i) {
            leftover += std::pow(heard[i] - gain * tick[i], 2);
        }
        const double own =
            std::max(Energy(tick.subspan(at, Window)), Energy(tick.first(Window)) / 100);
        worst = std::max(worst, leftover / (gain * gain * own));
    }
    return worst;
}

} // namespace

int main(int argc, char** argv) {
    QFile file(argc == 4 ? argv[1] : "");
    const WaveClip clip = WaveClip::FromFile(argc == 4 ? argv[2] : "");
    if (!file.open(QIODevice::ReadOnly) || clip.IsEmpty()) {
        std::fputs("usage: tick_check <recording> <tick wave> <first sample>\n", stderr);
        return 2;
    }
    const QByteArray recording = file.readAll();
    const Samples all = SamplesOf(recording), tick = Audible(SamplesOf(clip.Bytes()));
    const auto match = [&](size_t at) {
        const Samples heard = all.subspan(at, tick.size());
        return Dot(heard, tick) / std::sqrt(Dot(heard, heard) + 1);
    };
    int ticks = 0;
    long last = -1;
    QString others;
    for (size_t at = std::strtoul(argv[3], nullptr, 10); at < all.size(); ++at) {
        if (std::abs(all[at]) < Loud) {
            continue;
        }
        last = long(at);
        if (at + tick.size() > all.size()) {
            break;
        }
        // The tick starts loud: line it up where it matches best, just around its first loud
        // sample.
        size_t start = at;
        for (size_t earlier = at - std::min(at, 2 * Window); earlier < at; ++earlier) {
            start = match(earlier) > match(start) ? earlier : start;
        }
        const double worst = WorstWindow(all.subspan(start, tick.size()), tick);
        if (worst < 0.25) {
            ++ticks;
            at = start + tick.size() - 1;
            continue;
        }
        others += QString::asprintf("the sound at %.3f s is no whole tick (%.0f %% off)\n",
                                    double(start) / WaveClip::SampleRate, 100 * worst);
        // Past the rest of it, to 20 ms of quiet.
        for (size_t quiet = 0; at + 1 < all.size() && quiet < 4 * Window; ++at) {
            quiet = std::abs(all[at + 1]) < Loud / 5 ? quiet + 1 : 0;
            last = quiet == 0 ? long(at + 1) : last;
        }
    }
    std::printf("%d %d %ld\n%s", ticks, int(others.count('\n')), last, qPrintable(others));
}
