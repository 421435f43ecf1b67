#include "demo/DatosDemo.h"
#include "engine/Sesion.h"

#include "fb/Attachment.h"
#include "fb/Transaction.h"

namespace norvane::demo {

void LlenarGeneral(fb::Attachment& general, const std::string& usuario) {
  fb::Transaction t(general);
  const char* insertarCompania =
      "insert into COMPANIA (COMP_COD, COM_NOMBRE, COMP_NIT, COMP_DIR, COMP_TELS, COMP_ENCABEZADO) "
      "values (?, ?, ?, ?, ?, ?)";
  t.execute(insertarCompania, {"001", "Comercializadora Andina S.A.S.", "900123456-7",
                               "Calle 45 # 12-30, Bogotá", "601 555 1200",
                               "Comercializadora Andina S.A.S. - NIT 900123456-7"});
  t.execute(insertarCompania, {"002", "Distribuidora del Pacífico Ltda.", "800987654-1",
                               "Avenida 3N # 25-40, Cali", "602 555 3400",
                               "Distribuidora del Pacífico Ltda. - NIT 800987654-1"});
  const char* insertarUsuario =
      "insert into usuario (usua_cod, usua_nombre, usua_cargo) values (?, ?, ?)";
  t.execute(insertarUsuario, {Mayusculas(usuario), "Administrador del sistema", "Sistemas"});
  if (Mayusculas(usuario) != "CONTADOR")
    t.execute(insertarUsuario, {"CONTADOR", "María Fernanda Rojas", "Contadora"});
  t.commit();
}

}  // namespace norvane::demo
