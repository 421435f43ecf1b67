#include "engine/FilasEnDisco.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace norvane {

namespace {

using K = fb::Value::Kind;

void Escribir(std::FILE* f, const void* datos, std::size_t n) {
  if (std::fwrite(datos, 1, n, f) != n)
    throw std::runtime_error("the temporary file of the selection could not be written");
}

template <class T>
void Escribir(std::FILE* f, T v) {
  Escribir(f, &v, sizeof v);
}

void Leer(std::FILE* f, void* datos, std::size_t n) {
  if (std::fread(datos, 1, n, f) != n)
    throw std::runtime_error("the temporary file of the selection could not be read");
}

template <class T>
T Leer(std::FILE* f) {
  T v;
  Leer(f, &v, sizeof v);
  return v;
}

void EscribirBytes(std::FILE* f, const std::string& s) {
  Escribir(f, static_cast<std::uint32_t>(s.size()));
  Escribir(f, s.data(), s.size());
}

std::string LeerBytes(std::FILE* f) {
  std::string s(Leer<std::uint32_t>(f), '\0');
  Leer(f, s.data(), s.size());
  return s;
}

void EscribirFecha(std::FILE* f, fb::Date d) {
  Escribir(f, static_cast<std::int32_t>(d.year));
  Escribir(f, static_cast<std::uint8_t>(d.month));
  Escribir(f, static_cast<std::uint8_t>(d.day));
}

fb::Date LeerFecha(std::FILE* f) {
  fb::Date d;
  d.year = Leer<std::int32_t>(f);
  d.month = Leer<std::uint8_t>(f);
  d.day = Leer<std::uint8_t>(f);
  return d;
}

void EscribirHora(std::FILE* f, fb::Time t) {
  Escribir(f, static_cast<std::uint8_t>(t.hours));
  Escribir(f, static_cast<std::uint8_t>(t.minutes));
  Escribir(f, static_cast<std::uint8_t>(t.seconds));
  Escribir(f, static_cast<std::uint16_t>(t.fractions));
}

fb::Time LeerHora(std::FILE* f) {
  fb::Time t;
  t.hours = Leer<std::uint8_t>(f);
  t.minutes = Leer<std::uint8_t>(f);
  t.seconds = Leer<std::uint8_t>(f);
  t.fractions = Leer<std::uint16_t>(f);
  return t;
}

}  // namespace

FilasEnDisco::FilasEnDisco() : archivo_(std::tmpfile(), &std::fclose) {
  if (!archivo_) throw std::runtime_error("no temporary file for the selection could be made");
}

void FilasEnDisco::Agregar(const fb::Row& fila) {
  std::FILE* f = archivo_.get();
  if (!escribiendo_) {
    std::fseek(f, 0, SEEK_END);
    escribiendo_ = true;
  }
  Escribir(f, static_cast<std::uint32_t>(fila.size()));
  for (const fb::Value& v : fila) {
    Escribir(f, static_cast<std::uint8_t>(v.kind()));
    switch (v.kind()) {
      case K::Null: break;
      case K::Integer: Escribir(f, v.asInteger()); break;
      case K::Decimal:
        Escribir(f, v.asDecimal().value);
        Escribir(f, static_cast<std::int32_t>(v.asDecimal().scale));
        break;
      case K::Double: Escribir(f, v.asDouble()); break;
      case K::Text: EscribirBytes(f, v.asText()); break;
      case K::Date: EscribirFecha(f, v.asDate()); break;
      case K::Time: EscribirHora(f, v.asTime()); break;
      case K::Timestamp:
        EscribirFecha(f, v.asTimestamp().date);
        EscribirHora(f, v.asTimestamp().time);
        break;
      case K::Blob: EscribirBytes(f, v.asBlob().bytes); break;
      case K::Boolean: Escribir(f, static_cast<std::uint8_t>(v.asBoolean())); break;
    }
  }
  ++cantidad_;
}

void FilasEnDisco::Rebobinar() {
  if (std::fflush(archivo_.get()) != 0 || std::fseek(archivo_.get(), 0, SEEK_SET) != 0)
    throw std::runtime_error("the temporary file of the selection could not be read");
  escribiendo_ = false;
  leidas_ = 0;
}

bool FilasEnDisco::Leer(fb::Row& fila) {
  if (escribiendo_) Rebobinar();
  if (leidas_ >= cantidad_) return false;
  std::FILE* f = archivo_.get();
  fila.resize(norvane::Leer<std::uint32_t>(f));
  for (fb::Value& v : fila) {
    switch (static_cast<K>(norvane::Leer<std::uint8_t>(f))) {
      case K::Null: v = fb::Value(); break;
      case K::Integer: v = fb::Value(norvane::Leer<std::int64_t>(f)); break;
      case K::Decimal: {
        const auto valor = norvane::Leer<std::int64_t>(f);
        v = fb::Value(fb::Decimal{valor, norvane::Leer<std::int32_t>(f)});
        break;
      }
      case K::Double: v = fb::Value(norvane::Leer<double>(f)); break;
      case K::Text: v = fb::Value(LeerBytes(f)); break;
      case K::Date: v = fb::Value(LeerFecha(f)); break;
      case K::Time: v = fb::Value(LeerHora(f)); break;
      case K::Timestamp: {
        const fb::Date d = LeerFecha(f);
        v = fb::Value(fb::Timestamp{d, LeerHora(f)});
        break;
      }
      case K::Blob: v = fb::Value(fb::Blob{LeerBytes(f)}); break;
      case K::Boolean: v = fb::Value(norvane::Leer<std::uint8_t>(f) != 0); break;
      default: throw std::runtime_error("the temporary file of the selection is damaged");
    }
  }
  ++leidas_;
  return true;
}

}  // namespace norvane
