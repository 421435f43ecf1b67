#include "cli/Desenlace.h"

#include <iomanip>
#include <ostream>

#include "engine/VistaPrevia.h"

namespace norvane::cli {

int SalidaDelEnvio(const ResultadoEnvio& resultado, const ResumenEnvio& resumen) {
  if (resultado.fin != FinEnvio::Concluido) return kSalidaDetenido;
  return resumen.fallidas == 0 ? kSalidaEnviado : kSalidaConFallidas;
}

void InformarInforme(const ResumenEnvio& resumen, std::ostream& salida) {
  salida << "Informe: " << (resumen.informe.empty() ? "no se pudo escribir" : resumen.informe)
         << '\n';
}

void InformarDesenlace(const ResultadoEnvio& resultado, const ResumenEnvio& resumen,
                       std::ostream& salida, Operador& operador) {
  switch (resultado.fin) {
    case FinEnvio::Concluido: {
      const auto fila = [&](const char* etiqueta, int valor) {
        salida << "  " << std::left << std::setw(16) << etiqueta << std::right << std::setw(8) << valor
               << '\n';
      };
      salida << "Filas de auditoría:\n";
      fila("seleccionadas", resumen.seleccionadas);
      fila("enviadas", resumen.enviadas);
      fila("fallidas", resumen.fallidas);
      fila("sin marcar", resumen.sinMarcar);
      fila("fuera de rango", resumen.fueraDeRango);
      InformarInforme(resumen, salida);
      break;
    }
    case FinEnvio::Rechazo:
      operador.Mensaje("El destino rechazó una fila y el envío se detuvo: " +
                       resultado.mensajeRechazo);
      InformarInforme(resumen, salida);
      break;
    case FinEnvio::SinCompanias:
    case FinEnvio::CopiaFallida:
      break;  // the run already said why
  }
}

void InformarVerificacion(const ResultadoVerificacion& resultado, std::ostream& salida) {
  for (const DocumentoVerificado& d : resultado.documentos) salida << LineaVerificacion(d) << '\n';
  salida << "Documentos verificados: " << resultado.documentos.size() << '\n';
  for (const auto estado :
       {EstadoVerificacion::Igual, EstadoVerificacion::Diferente, EstadoVerificacion::AusenteEnDestino,
        EstadoVerificacion::Pendiente, EstadoVerificacion::Retenido, EstadoVerificacion::Omitido,
        EstadoVerificacion::SinCopia})
    salida << "  " << std::left << std::setw(34) << TextoEstado(estado) << std::right << std::setw(8)
           << resultado.Cantidad(estado) << '\n';
}

int SalidaDeVerificacion(const ResultadoVerificacion& resultado) {
  return resultado.HayDiferencias() ? kSalidaDiferencias : kSalidaEnviado;
}

void InformarVistaPrevia(const ResultadoEnvio& resultado, const Transferencia& transferencia,
                         std::ostream& salida, Operador& operador) {
  if (resultado.fin != FinEnvio::Concluido && resultado.fin != FinEnvio::Rechazo) return;
  salida << TextoVistaPrevia(transferencia.LineasVistaPrevia());
  if (!transferencia.Resumen().informe.empty()) InformarInforme(transferencia.Resumen(), salida);
  if (resultado.fin == FinEnvio::Rechazo)
    operador.Mensaje("El destino rechazaría una fila y el envío se detendría en ella: " +
                     resultado.mensajeRechazo);
}

}  // namespace norvane::cli
