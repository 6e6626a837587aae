#include "tools/tablegen/Random.h"

namespace tablegen {

namespace {

constexpr int kLayers = 128;
constexpr double kTailStart = 3.442619855899;       // where the tail begins
constexpr double kLayerArea = 9.91256303526217e-3;  // the area of every layer

// The right edges of the layers, top one last, and the share of each layer that lies wholly
// under the curve.
struct Ziggurat {
    double x[kLayers + 1];
    double ratio[kLayers];

    Ziggurat() {
        double f = std::exp(-0.5 * kTailStart * kTailStart);
        x[0] = kLayerArea / f;  // the base layer, with the tail, as a rectangle of equal area
        x[1] = kTailStart;
        x[kLayers] = 0;
        for (int i = 2; i < kLayers; ++i) {
            x[i] = std::sqrt(-2.0 * std::log(kLayerArea / x[i - 1] + f));
            f = std::exp(-0.5 * x[i] * x[i]);
        }
        for (int i = 0; i < kLayers; ++i) {
            ratio[i] = x[i + 1] / x[i];
        }
    }
};

const Ziggurat& Layers() {
    static const Ziggurat layers;
    return layers;
}

// Uniform on (0, 1]: safe under a logarithm.
double OpenUnit(Xoshiro256& uniform) {
    return static_cast<double>((uniform.Next() >> 11) + 1) * 0x1.0p-53;
}

}  // namespace

NormalSource::NormalSource(Xoshiro256& uniform)
    : m_uniform(uniform), m_x(Layers().x), m_ratio(Layers().ratio) {}

std::optional<double> NormalSource::Rare(int layer, double u) {
    if (layer == 0) {
        // The tail beyond kTailStart, by the exponential rejection method for normal tails.
        double x, y;
        do {
            x = std::log(OpenUnit(m_uniform)) / kTailStart;
            y = std::log(OpenUnit(m_uniform));
        } while (-2.0 * y < x * x);
        return u < 0 ? x - kTailStart : kTailStart - x;
    }
    // The wedge between the layer's rectangle and the curve.
    const double x = u * m_x[layer];
    const double f0 = std::exp(-0.5 * (m_x[layer] * m_x[layer] - x * x));
    const double f1 = std::exp(-0.5 * (m_x[layer + 1] * m_x[layer + 1] - x * x));
    if (f1 + m_uniform.NextUnit() * (f0 - f1) < 1.0) {
        return x;
    }
    return std::nullopt;
}

}  // namespace tablegen
