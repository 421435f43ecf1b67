#include "engine/ValorDestino.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

namespace norvane {

namespace {

constexpr std::int64_t kPotencias[] = {1,
                                       10,
                                       100,
                                       1000,
                                       10000,
                                       100000,
                                       1000000,
                                       10000000,
                                       100000000,
                                       1000000000,
                                       10000000000,
                                       100000000000,
                                       1000000000000,
                                       10000000000000,
                                       100000000000000,
                                       1000000000000000,
                                       10000000000000000,
                                       100000000000000000,
                                       1000000000000000000};

[[noreturn]] void NoConvertible(const fb::Value& v, const char* destino) {
  throw std::runtime_error("'" + v.toString() + "' is not a valid " + destino + " value");
}

std::int64_t Multiplicar(std::int64_t v, int digitos) {
  if (digitos > 18) throw std::overflow_error("numeric value out of range");
  const std::int64_t p = kPotencias[digitos];
  if (v > std::numeric_limits<std::int64_t>::max() / p ||
      v < std::numeric_limits<std::int64_t>::min() / p)
    throw std::overflow_error("numeric value out of range");
  return v * p;
}

// The decimal brought to `escala` (<= 0), a half going to the even neighbour.
fb::Decimal Reescalar(fb::Decimal d, int escala) {
  if (d.scale == escala) return d;
  if (d.scale > escala) return {Multiplicar(d.value, d.scale - escala), escala};
  const int quitar = escala - d.scale;
  if (quitar > 18) return {0, escala};
  const std::int64_t p = kPotencias[quitar];
  std::int64_t q = d.value / p;
  const std::int64_t r = d.value % p;  // same sign as the value
  const std::int64_t doble = (r < 0 ? -r : r);
  const bool masDeLaMitad = doble > p - doble;
  const bool mitad = doble == p - doble;
  if (masDeLaMitad || (mitad && (q % 2 != 0))) q += (d.value < 0 ? -1 : 1);
  return {q, escala};
}

// A plain decimal text: blanks around, an optional sign, digits with at most
// one point. Nothing else is a number.
std::optional<fb::Decimal> LeerDecimal(std::string_view texto) {
  const auto inicio = texto.find_first_not_of(' ');
  if (inicio == std::string_view::npos) return std::nullopt;
  texto = texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
  bool negativo = false;
  if (!texto.empty() && (texto[0] == '-' || texto[0] == '+')) {
    negativo = texto[0] == '-';
    texto.remove_prefix(1);
  }
  std::int64_t valor = 0;
  int escala = 0;
  bool punto = false;
  bool digitos = false;
  for (char c : texto) {
    if (c == '.' && !punto) {
      punto = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    digitos = true;
    if (punto && escala <= -18) continue;  // digits beyond what 64 bits hold
    valor = Multiplicar(valor, 1) + (c - '0');
    if (punto) --escala;
  }
  if (!digitos) return std::nullopt;
  return fb::Decimal{negativo ? -valor : valor, escala};
}

fb::Decimal DesdeDouble(double d) {
  // printf rounds the exact binary value correctly; the text is then exact.
  char texto[512];
  std::snprintf(texto, sizeof texto, "%.4f", d);
  auto leido = LeerDecimal(texto);
  if (!leido) NoConvertible(fb::Value(d), "fixed-point");
  return Reescalar(*leido, -4);
}

double ComoDouble(const fb::Value& v) {
  std::string texto = v.toString();
  char* fin = nullptr;
  errno = 0;
  const double d = std::strtod(texto.c_str(), &fin);
  if (texto.empty() || *fin != '\0' || errno == ERANGE) NoConvertible(v, "floating-point");
  return d;
}

std::optional<fb::Date> LeerFecha(std::string_view t) {
  int y = 0;
  unsigned m = 0, d = 0;
  char s1 = 0, s2 = 0;
  const std::string texto(t);
  if (std::sscanf(texto.c_str(), "%d%c%u%c%u", &y, &s1, &m, &s2, &d) != 5) return std::nullopt;
  if (s1 != s2 || (s1 != '/' && s1 != '-') || m < 1 || m > 12 || d < 1 || d > 31)
    return std::nullopt;
  return fb::Date{y, m, d};
}

std::optional<fb::Time> LeerHora(std::string_view t) {
  unsigned h = 0, mi = 0, s = 0;
  const std::string texto(t);
  if (std::sscanf(texto.c_str(), "%u:%u:%u", &h, &mi, &s) != 3 || h > 23 || mi > 59 || s > 59)
    return std::nullopt;
  return fb::Time{h, mi, s, 0};
}

}  // namespace

fb::Decimal ConCuatroDecimales(const fb::Value& v) {
  switch (v.kind()) {
    case fb::Value::Kind::Null: return {0, -4};
    case fb::Value::Kind::Integer: return {Multiplicar(v.asInteger(), 4), -4};
    case fb::Value::Kind::Decimal: return Reescalar(v.asDecimal(), -4);
    case fb::Value::Kind::Double: return DesdeDouble(v.asDouble());
    case fb::Value::Kind::Text:
      if (auto d = LeerDecimal(v.asText())) return Reescalar(*d, -4);
      break;
    default: break;
  }
  NoConvertible(v, "fixed-point");
}

std::int64_t ComoEntero(const fb::Value& valor) {
  fb::Column entero;
  entero.type = fb::SqlType::Int64;
  const fb::Value v = ConvertirValor(valor, entero);
  if (v.isNull()) NoConvertible(valor, "integer");
  return v.asInteger();
}

fb::Value ConvertirValor(const fb::Value& v, const fb::Column& destino) {
  using K = fb::Value::Kind;
  using T = fb::SqlType;
  if (v.isNull()) return v;
  switch (destino.type) {
    case T::Short:
    case T::Long:
    case T::Int64: {
      if (destino.isFixedPoint()) {
        if (v.kind() == K::Integer || v.kind() == K::Decimal || v.kind() == K::Double) return v;
        if (v.kind() == K::Text)
          if (auto d = LeerDecimal(v.asText())) return *d;
        NoConvertible(v, "fixed-point");
      }
      switch (v.kind()) {
        case K::Integer: return v;
        case K::Decimal: return Reescalar(v.asDecimal(), 0).value;
        case K::Double: return Reescalar(DesdeDouble(v.asDouble()), 0).value;
        case K::Boolean: return std::int64_t{v.asBoolean() ? 1 : 0};
        case K::Text:
          if (auto d = LeerDecimal(v.asText())) return Reescalar(*d, 0).value;
          break;
        default: break;
      }
      NoConvertible(v, "integer");
    }
    case T::Float:
    case T::Double:
    case T::DFloat:
      if (v.kind() == K::Double) return v;
      if (v.kind() == K::Integer || v.kind() == K::Decimal || v.kind() == K::Text)
        return ComoDouble(v);
      NoConvertible(v, "floating-point");
    case T::Text:
    case T::Varying:
      if (v.kind() == K::Text) return v;
      return v.toString();
    case T::Date:
      if (v.kind() == K::Date) return v;
      if (v.kind() == K::Timestamp) return v.asTimestamp().date;
      if (v.kind() == K::Text)
        if (auto d = LeerFecha(v.asText())) return *d;
      NoConvertible(v, "date");
    case T::Time:
      if (v.kind() == K::Time) return v;
      if (v.kind() == K::Timestamp) return v.asTimestamp().time;
      if (v.kind() == K::Text)
        if (auto h = LeerHora(v.asText())) return *h;
      NoConvertible(v, "time");
    case T::Timestamp:
      if (v.kind() == K::Timestamp) return v;
      if (v.kind() == K::Date) return fb::Timestamp{v.asDate(), {}};
      if (v.kind() == K::Text)
        if (auto d = LeerFecha(v.asText())) {
          const auto blanco = v.asText().find(' ');
          fb::Time hora{};
          if (blanco != std::string::npos)
            if (auto h = LeerHora(std::string_view(v.asText()).substr(blanco + 1))) hora = *h;
          return fb::Timestamp{*d, hora};
        }
      NoConvertible(v, "timestamp");
    case T::Blob:
      if (v.kind() == K::Blob) return v;
      return fb::Blob{v.toString()};
    case T::Boolean:
      if (v.kind() == K::Boolean) return v;
      if (v.kind() == K::Integer) return v.asInteger() != 0;
      NoConvertible(v, "boolean");
    default: return v;
  }
}

}  // namespace norvane
