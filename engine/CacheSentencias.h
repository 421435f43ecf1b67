#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "fb/Statement.h"
#include "fb/Transaction.h"

namespace norvane {

// Keeps prepared the few texts that one connection sends over and over (an
// identifier view, a fixed look-up), so that they are not parsed again.
// Most texts of a run carry their values and are sent once or twice, and a
// statement kept prepared costs the server memory and work at every
// transaction for as long as it is kept: a text is only kept once it was
// sent `admision` times, and at most `capacidad` are kept, the least
// recently used going first. The counts live in a fixed table of hashes,
// so a run of any length costs the same memory.
class CacheSentencias {
public:
  explicit CacheSentencias(std::size_t capacidad = 32, unsigned admision = 3)
      : capacidad_(capacidad), admision_(admision) {}

  // Runs `f` with the statement of `texto`: the kept one, or one prepared in
  // `transaccion` for this use (kept when the text has been sent often).
  template <class F>
  decltype(auto) Con(fb::Transaction& transaccion, std::string_view texto, F&& f) {
    if (auto it = indice_.find(std::string(texto)); it != indice_.end()) {
      orden_.splice(orden_.begin(), orden_, it->second);
      return f(*it->second->second);
    }
    auto sentencia = std::make_unique<fb::Statement>(transaccion, texto);
    std::uint8_t& veces = cuentas_[std::hash<std::string_view>{}(texto) % cuentas_.size()];
    if (veces < admision_) ++veces;
    if (veces < admision_ || capacidad_ == 0) return f(*sentencia);
    orden_.emplace_front(std::string(texto), std::move(sentencia));
    indice_.emplace(orden_.front().first, orden_.begin());
    if (orden_.size() > capacidad_) {
      indice_.erase(orden_.back().first);
      orden_.pop_back();
    }
    return f(*orden_.front().second);
  }

private:
  using Entrada = std::pair<std::string, std::unique_ptr<fb::Statement>>;
  std::size_t capacidad_;
  unsigned admision_;
  std::list<Entrada> orden_;  // most recently used first
  std::unordered_map<std::string, std::list<Entrada>::iterator> indice_;
  std::array<std::uint8_t, 1 << 16> cuentas_{};
};

}  // namespace norvane
