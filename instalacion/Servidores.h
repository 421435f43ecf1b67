#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// The longest line that the server list may hold.
inline constexpr std::size_t kLargoMaximoServidor = 255;

// The server prefixes in the bytes of a server list, in file order. A carriage
// return or a line feed ends a line, and the byte after a carriage return is
// dropped whatever it is; an entry stops at its first zero byte; nothing is
// trimmed; a last line without a line end is lost. A line of more than
// kLargoMaximoServidor bytes is left out, the lines around it are kept.
std::vector<std::string> LeerServidores(std::string_view bytes);

// The server prefixes of directorio + "/SERVIDORES.cfg"; the empty list when
// that file cannot be read.
std::vector<std::string> CargarServidores(const std::string& directorio);

}  // namespace norvane
