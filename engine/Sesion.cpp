#include "engine/Sesion.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "instalacion/APUtilCrpt.h"
#include "instalacion/NombresBD.h"
#include "engine/TextoSql.h"
#include "fb/Transaction.h"

namespace norvane {

namespace {

fb::Attachment Conectar(const std::string& base, const std::string& usuario,
                        const std::string& clave) {
  return fb::Attachment::attach({base, usuario, clave, ""});
}

// The user statement of the sign-in: it rejects nobody, it only has to run.
// The name is quoted with its quotes doubled, so that it stays a value.
void ConsultarUsuario(fb::Attachment& general, const std::string& usuario) {
  fb::Transaction t(general);
  t.query("select usua_nombre from usuario where usua_cod = " + Citar(Mayusculas(usuario)));
  t.commit();
}

std::vector<Compania> LeerCompanias(fb::Attachment& general) {
  fb::Transaction t(general);
  std::vector<Compania> companias;
  for (const auto& fila : t.query("select COMP_COD, COM_NOMBRE from COMPANIA order by COMP_COD"))
    companias.push_back({fila[0].toString(), fila[1].toString()});
  t.commit();
  return companias;
}

}  // namespace

std::string Mayusculas(std::string texto) {
  std::transform(texto.begin(), texto.end(), texto.begin(), [](unsigned char c) {
    return static_cast<char>(c < 128 ? std::toupper(c) : c);
  });
  return texto;
}

void ConectarOrigen(Sesion& sesion, const std::string& servidor, const std::string& usuario,
                    const std::string& clave) {
  sesion.DbGeneral.close();
  sesion.DbGeneral = Conectar(BaseGeneral(servidor), usuario, clave);
  sesion.CredOrigen = {Mayusculas(usuario), CifrarClave(clave), servidor};
  ConsultarUsuario(sesion.DbGeneral, usuario);
}

void ConectarDestino(Sesion& sesion, const std::string& servidor, const std::string& usuario,
                     const std::string& clave) {
  sesion.DbGeneraldes.close();
  sesion.DbGeneraldes = Conectar(BaseGeneral(servidor), usuario, clave);
  sesion.CredDestino = {Mayusculas(usuario), CifrarClave(clave), servidor};
  // Like the origin's, this statement runs on the origin general database;
  // without it the sign-in step fails, so the dialog cannot close on a
  // destination alone.
  if (!sesion.DbGeneral.valid())
    throw std::runtime_error("La base de datos general del servidor origen no está conectada.");
  ConsultarUsuario(sesion.DbGeneral, usuario);
}

void CargarCompaniasOrigen(Sesion& sesion) {
  sesion.DBsop.close();
  sesion.TCompania.clear();
  const auto& c = sesion.CredOrigen;
  sesion.DBsop = Conectar(BaseSoporte(c.Servidor), c.Usuario, DescifrarClave(c.ClaveCifrada));
  sesion.TCompania = LeerCompanias(sesion.DbGeneral);
}

void CargarCompaniasDestino(Sesion& sesion) {
  sesion.TCompaniades.clear();
  sesion.TCompaniades = LeerCompanias(sesion.DbGeneraldes);
}

void CargarTiposDocumento(Sesion& sesion) {
  sesion.Ctipodoc.clear();
  fb::Transaction t(sesion.DBsop);
  for (const auto& fila :
       t.query("SELECT TIDO_COD, TIDO_NOMLARGO FROM TIPO_DOCUMENTO ORDER BY TIDO_COD"))
    sesion.Ctipodoc.push_back(
        {static_cast<int>(fila[0].asInteger()), fila[1].toString(), "S"});
  t.commit();
}

void IniciarSesion(Sesion& sesion, const Acceso& origen, const Acceso& destino) {
  ConectarOrigen(sesion, origen.servidor, origen.usuario, origen.clave);
  ConectarDestino(sesion, destino.servidor, destino.usuario, destino.clave);
  CargarCompaniasOrigen(sesion);
  CargarCompaniasDestino(sesion);
  CargarTiposDocumento(sesion);
}

const Compania* BuscarCompania(const std::vector<Compania>& lista, const std::string& codigo) {
  const auto it = std::find_if(lista.begin(), lista.end(),
                               [&](const Compania& c) { return c.COMP_COD == codigo; });
  return it == lista.end() ? nullptr : &*it;
}

}  // namespace norvane
