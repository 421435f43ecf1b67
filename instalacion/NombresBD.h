#pragma once

#include <string>
#include <string_view>

namespace norvane {

// Names of every database and file the program opens. P is a server prefix
// from the server list, C a company code (COMP_COD) and D the installation
// directory of this machine. Database names always join with "/", which the
// Firebird client accepts for local and remote paths alike.

// General database of a server (companies and users).
std::string BaseGeneral(std::string_view servidor);
// Support database of the origin server (document types).
std::string BaseSoporte(std::string_view servidor);
// Database of one company.
std::string BaseCompania(std::string_view servidor, std::string_view compania);
// The empty transfer database on this machine, copied by an offline run.
std::string PlantillaEnvio(std::string_view directorio);
// The offline run's copy of the template for a destination company.
std::string ArchivoEnvio(std::string_view directorio, std::string_view compania);
// The same transfer database, as the name the connection opens.
std::string BaseEnvio(std::string_view servidor, std::string_view compania);
// Log of the audit rows that could not be sent.
std::string LogErrores(std::string_view directorio);
// Log of the audit rows that were sent.
std::string LogEnviados(std::string_view directorio);
// The list of server prefixes.
std::string ListaServidores(std::string_view directorio);

}  // namespace norvane
