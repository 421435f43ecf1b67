#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace norvane::demo {

// A small pseudo-random generator (splitmix64): the same seed gives the same
// numbers on every platform and with every standard library, which the
// distributions of <random> do not promise.
class Azar {
public:
  explicit Azar(std::uint64_t semilla) : estado_(semilla) {}

  std::uint64_t Siguiente() {
    std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // An integer in [desde, hasta], both included; `desde` when the range is empty.
  std::int64_t Entre(std::int64_t desde, std::int64_t hasta) {
    if (hasta <= desde) return desde;
    const auto ancho = static_cast<std::uint64_t>(hasta - desde) + 1;
    return desde + static_cast<std::int64_t>(Siguiente() % ancho);
  }

  int Entre(int desde, int hasta) {
    return static_cast<int>(Entre(static_cast<std::int64_t>(desde), static_cast<std::int64_t>(hasta)));
  }

  // An index below `n` (0 when n is 0).
  std::size_t Indice(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Siguiente() % n); }

  // True about once in `veces` draws.
  bool UnaDe(int veces) { return veces <= 1 || Siguiente() % static_cast<std::uint64_t>(veces) == 0; }

  template <class T>
  const T& Elegir(std::span<const T> opciones) {
    return opciones[Indice(opciones.size())];
  }

  // An independent generator for one part of the data, so that adding rows
  // to one family does not change the numbers another one draws.
  Azar Derivado(std::uint64_t etiqueta) const {
    Azar hijo(estado_ ^ (etiqueta * 0xD1B54A32D192ED03ULL));
    hijo.Siguiente();
    return hijo;
  }

private:
  std::uint64_t estado_;
};

}  // namespace norvane::demo
