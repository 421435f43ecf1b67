#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "fb/Statement.h"
#include "fb/Transaction.h"

namespace norvane {

// The statements last prepared on one connection, by their text: a text
// sent again (an identifier view, a look-up repeated by the next audit row)
// is not parsed again. Bounded, the least recently used going first: most
// texts of a run carry their values and are sent once, and a prepared
// statement costs the server memory for as long as it is kept.
class CacheSentencias {
public:
  explicit CacheSentencias(std::size_t capacidad = 128) : capacidad_(capacidad) {}

  // The statement of `texto`, prepared in `transaccion` when it is not kept.
  fb::Statement& Preparada(fb::Transaction& transaccion, std::string_view texto) {
    const std::string clave(texto);
    if (auto it = indice_.find(clave); it != indice_.end()) {
      orden_.splice(orden_.begin(), orden_, it->second);
      return *it->second->second;
    }
    auto sentencia = std::make_unique<fb::Statement>(transaccion, texto);
    orden_.emplace_front(clave, std::move(sentencia));
    indice_.emplace(clave, orden_.begin());
    if (orden_.size() > capacidad_) {
      indice_.erase(orden_.back().first);
      orden_.pop_back();
    }
    return *orden_.front().second;
  }

  void Vaciar() {
    indice_.clear();
    orden_.clear();
  }

private:
  using Entrada = std::pair<std::string, std::unique_ptr<fb::Statement>>;
  std::size_t capacidad_;
  std::list<Entrada> orden_;  // most recently used first
  std::unordered_map<std::string, std::list<Entrada>::iterator> indice_;
};

}  // namespace norvane
