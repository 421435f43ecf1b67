#include "demo/Nombres.h"

namespace norvane::demo::nombres {

namespace {

constexpr Ciudad kCiudades[] = {
    {"11001", "Bogotá D.C.", "601"}, {"05001", "Medellín", "604"},
    {"76001", "Cali", "602"},        {"08001", "Barranquilla", "605"},
    {"68001", "Bucaramanga", "607"}, {"66001", "Pereira", "606"},
    {"17001", "Manizales", "606"},   {"13001", "Cartagena", "605"},
    {"15001", "Tunja", "608"},       {"73001", "Ibagué", "608"},
};

constexpr Empresa kEmpresas[] = {
    {"Ferretería El Tornillo S.A.S.", "El Tornillo"},
    {"Distribuidora Los Andes Ltda.", "Distriandes"},
    {"Comercializadora Santa Fe S.A.S.", "Comersantafe"},
    {"Materiales y Acabados del Norte S.A.S.", "Acabados del Norte"},
    {"Eléctricos La Candelaria Ltda.", "Eléctricos La Candelaria"},
    {"Pinturas y Solventes Tequendama S.A.", "Pinturas Tequendama"},
    {"Almacén Ferreléctricos Chapinero S.A.S.", "Ferreléctricos Chapinero"},
    {"Suministros Industriales del Valle S.A.S.", "Suminvalle"},
    {"Depósito de Materiales San José Ltda.", "Depósito San José"},
    {"Plásticos y Tuberías de Occidente S.A.", "Plastioccidente"},
    {"Importadora de Herramientas del Caribe S.A.S.", "Herracaribe"},
    {"Transportes La Sabana S.A.S.", "Translasabana"},
    {"Papelería y Aseo Institucional S.A.S.", "Papelaseo"},
    {"Constructora Alameda del Río S.A.S.", "Alameda del Río"},
    {"Inversiones Mármol y Granito Ltda.", "Mármol y Granito"},
    {"Cerámicas del Oriente S.A.S.", "Ceraoriente"},
    {"Hidráulicos y Bombas de Antioquia S.A.S.", "Hidrobombas"},
    {"Maderas El Roble Ltda.", "Maderas El Roble"},
    {"Agroinsumos La Esperanza S.A.S.", "Agroesperanza"},
    {"Cooperativa de Constructores del Quindío", "Coopconstructores"},
};

constexpr const char* kNombresDePila[] = {
    "Carlos Andrés", "María Fernanda", "Juan Pablo",  "Luz Marina",    "Jorge Eliécer",
    "Ana Milena",    "Luis Alberto",   "Diana Carolina", "Andrés Felipe", "Claudia Patricia",
    "José Manuel",   "Sandra Milena",  "Óscar Iván",  "Gloria Inés",   "Héctor Fabio",
    "Paola Andrea",  "Ricardo León",   "Martha Lucía", "Julián David",  "Ángela María",
};

constexpr const char* kApellidos[] = {
    "Rodríguez", "Gómez",  "González", "Martínez", "López",   "Ramírez",  "Hernández", "Sánchez",
    "Pérez",     "Castro", "Vargas",   "Moreno",   "Rojas",   "Ortiz",    "Jiménez",   "Muñoz",
    "Quintero",  "Restrepo", "Salazar", "Zapata",  "Cárdenas", "Londoño", "Ospina",    "Valencia",
};

constexpr const char* kVias[] = {"Calle", "Carrera", "Avenida", "Diagonal", "Transversal"};

// The chart of accounts of a trading company: classes, groups, accounts and
// the six-digit sub-accounts that entries use.
constexpr CuentaPuc kCuentas[] = {
    {"1", "Activo", 'D'},
    {"11", "Disponible", 'D'},
    {"1105", "Caja", 'D'},
    {"110505", "Caja general", 'D'},
    {"110510", "Cajas menores", 'D'},
    {"1110", "Bancos", 'D'},
    {"111005", "Bancos moneda nacional", 'D'},
    {"1120", "Cuentas de ahorro", 'D'},
    {"112005", "Bancos cuentas de ahorro", 'D'},
    {"13", "Deudores", 'D'},
    {"1305", "Clientes", 'D'},
    {"130505", "Clientes nacionales", 'D'},
    {"1330", "Anticipos y avances", 'D'},
    {"133005", "Anticipos a proveedores", 'D'},
    {"1355", "Anticipo de impuestos y contribuciones", 'D'},
    {"135515", "Retención en la fuente que nos practicaron", 'D'},
    {"135517", "Impuesto a las ventas retenido", 'D'},
    {"135518", "Impuesto de industria y comercio retenido", 'D'},
    {"14", "Inventarios", 'D'},
    {"1435", "Mercancías no fabricadas por la empresa", 'D'},
    {"143505", "Mercancías en existencia", 'D'},
    {"15", "Propiedades, planta y equipo", 'D'},
    {"1524", "Equipo de oficina", 'D'},
    {"152405", "Muebles y enseres", 'D'},
    {"2", "Pasivo", 'C'},
    {"22", "Proveedores", 'C'},
    {"2205", "Proveedores nacionales", 'C'},
    {"220505", "Proveedores nacionales", 'C'},
    {"23", "Cuentas por pagar", 'C'},
    {"2365", "Retención en la fuente", 'C'},
    {"236525", "Retención por servicios", 'C'},
    {"236540", "Retención por compras", 'C'},
    {"2367", "Impuesto a las ventas retenido", 'C'},
    {"236701", "IVA retenido a responsables", 'C'},
    {"2368", "Impuesto de industria y comercio retenido", 'C'},
    {"236801", "ICA retenido", 'C'},
    {"24", "Impuestos, gravámenes y tasas", 'C'},
    {"2408", "Impuesto sobre las ventas por pagar", 'C'},
    {"240805", "IVA generado en ventas", 'C'},
    {"240810", "IVA descontable en compras", 'D'},
    {"28", "Otros pasivos", 'C'},
    {"2805", "Anticipos y avances recibidos", 'C'},
    {"280505", "Anticipos de clientes", 'C'},
    {"3", "Patrimonio", 'C'},
    {"31", "Capital social", 'C'},
    {"3105", "Capital suscrito y pagado", 'C'},
    {"310505", "Capital autorizado", 'C'},
    {"4", "Ingresos", 'C'},
    {"41", "Operacionales", 'C'},
    {"4135", "Comercio al por mayor y al por menor", 'C'},
    {"413595", "Venta de productos de ferretería", 'C'},
    {"4175", "Devoluciones en ventas", 'D'},
    {"417595", "Devoluciones en ventas de mercancía", 'D'},
    {"42", "No operacionales", 'C'},
    {"4210", "Financieros", 'C'},
    {"421005", "Intereses de mora", 'C'},
    {"5", "Gastos", 'D'},
    {"51", "Operacionales de administración", 'D'},
    {"5105", "Gastos de personal", 'D'},
    {"510506", "Sueldos", 'D'},
    {"5135", "Servicios", 'D'},
    {"513525", "Acueducto y alcantarillado", 'D'},
    {"513530", "Energía eléctrica", 'D'},
    {"513535", "Teléfono e internet", 'D'},
    {"513550", "Transporte, fletes y acarreos", 'D'},
    {"53", "No operacionales", 'D'},
    {"5305", "Financieros", 'D'},
    {"530505", "Gastos bancarios", 'D'},
    {"530515", "Comisiones bancarias", 'D'},
    {"6", "Costos de ventas", 'D'},
    {"61", "Costo de ventas y de prestación de servicios", 'D'},
    {"6135", "Comercio al por mayor y al por menor", 'D'},
    {"613595", "Costo de venta de productos de ferretería", 'D'},
};

constexpr Codigo kFamilias[] = {
    {"01", "Ferretería"}, {"02", "Material eléctrico"}, {"03", "Pinturas"},
    {"04", "Plomería"},   {"05", "Aseo y limpieza"},    {"06", "Herramientas"},
};

constexpr Grupo kGrupos[] = {
    {"01", "01", "Tornillería"},     {"01", "02", "Cerraduras y herrajes"},
    {"02", "01", "Cables"},          {"02", "02", "Iluminación"},
    {"02", "03", "Interruptores y tomas"},
    {"03", "01", "Vinilos"},         {"03", "02", "Esmaltes y solventes"},
    {"03", "03", "Accesorios de pintura"},
    {"04", "01", "Tubería PVC"},     {"04", "02", "Grifería"},
    {"05", "01", "Detergentes"},     {"05", "02", "Implementos de aseo"},
    {"06", "01", "Herramienta manual"}, {"06", "02", "Herramienta eléctrica"},
};

constexpr Subgrupo kSubgrupos[] = {
    {"01", "01", "001", "Tornillos"},         {"01", "01", "002", "Chazos y anclajes"},
    {"01", "02", "001", "Cerraduras"},        {"01", "02", "002", "Bisagras y candados"},
    {"02", "01", "001", "Cable de cobre"},    {"02", "01", "002", "Cintas y accesorios"},
    {"02", "02", "001", "Bombillos LED"},     {"02", "02", "002", "Paneles y tubos"},
    {"02", "03", "001", "Interruptores"},     {"02", "03", "002", "Tomacorrientes"},
    {"03", "01", "001", "Vinilo tipo 1"},     {"03", "01", "002", "Vinilo tipo 2"},
    {"03", "02", "001", "Esmaltes"},          {"03", "02", "002", "Solventes"},
    {"03", "03", "001", "Brochas y rodillos"},
    {"04", "01", "001", "Tubería de presión"}, {"04", "01", "002", "Tubería sanitaria"},
    {"04", "01", "003", "Accesorios PVC"},
    {"04", "02", "001", "Llaves"},            {"04", "02", "002", "Griferías y sifones"},
    {"05", "01", "001", "Detergentes"},       {"05", "01", "002", "Desinfectantes"},
    {"05", "02", "001", "Escobas y traperos"}, {"05", "02", "002", "Guantes y bolsas"},
    {"06", "01", "001", "Golpe y corte"},     {"06", "01", "002", "Medición"},
    {"06", "02", "001", "Taladros"},          {"06", "02", "002", "Pulidoras y discos"},
};

constexpr Codigo kMarcas[] = {
    {"AND", "Andina"},       {"CON", "Cóndor"},      {"FER", "Ferrosur"},
    {"ELA", "Electroandes"}, {"COL", "Colorquímica"}, {"HID", "HidroPlast"},
    {"LIM", "Limpiamax"},    {"FOR", "Forjatec"},
};

constexpr Submarca kSubmarcas[] = {
    {"AND", "PRO", "Andina Pro"},          {"AND", "HOG", "Andina Hogar"},
    {"CON", "IND", "Cóndor Industrial"},   {"FER", "EST", "Ferrosur Estándar"},
    {"ELA", "LED", "Electroandes LED"},    {"ELA", "CAB", "Electroandes Cables"},
    {"COL", "ARQ", "Colorquímica Arquitectónica"}, {"COL", "IND", "Colorquímica Industrial"},
    {"HID", "PRE", "HidroPlast Presión"},  {"HID", "SAN", "HidroPlast Sanitaria"},
    {"LIM", "HOG", "Limpiamax Hogar"},     {"LIM", "INS", "Limpiamax Institucional"},
    {"FOR", "MAN", "Forjatec Manual"},     {"FOR", "ELE", "Forjatec Eléctrica"},
};

constexpr Codigo kUnidades[] = {
    {"UND", "Unidad"},  {"CAJ", "Caja"},    {"GAL", "Galón"},  {"ROL", "Rollo"},
    {"MT", "Metro"},    {"PAR", "Par"},     {"BOL", "Bolsa"},  {"CUN", "Cuñete"},
    {"PAQ", "Paquete"}, {"CUA", "Cuarto"},  {"KIT", "Kit"},    {"DOC", "Docena"},
};

constexpr Articulo kArticulos[] = {
    {"Tornillo drywall 6 x 1 pulgada (caja x 100)", "01", "01", "001", "AND", "PRO", "CAJ", 6800, 19, "TD-6100"},
    {"Tornillo autoperforante 8 x 3/4 (caja x 100)", "01", "01", "001", "AND", "PRO", "CAJ", 9200, 19, "TA-8034"},
    {"Chazo plástico 1/4 (bolsa x 100)", "01", "01", "002", "AND", "HOG", "BOL", 4100, 19, "CH-0104"},
    {"Ancla expansiva 3/8 x 3 pulgadas", "01", "01", "002", "CON", "IND", "UND", 1900, 19, "AE-3803"},
    {"Cerradura de pomo para alcoba", "01", "02", "001", "CON", "IND", "UND", 38500, 19, "CP-ALC1"},
    {"Candado de latón 40 mm", "01", "02", "002", "CON", "IND", "UND", 17400, 19, "CL-40"},
    {"Bisagra de cobre 3 pulgadas (par)", "01", "02", "002", "FER", "EST", "PAR", 5300, 19, "BC-300"},
    {"Cable THHN 12 AWG (rollo 100 m)", "02", "01", "001", "ELA", "CAB", "ROL", 265000, 19, "THHN-12"},
    {"Cable dúplex 2 x 16 AWG", "02", "01", "001", "ELA", "CAB", "MT", 1750, 19, "DUP-216"},
    {"Cinta aislante 3/4 x 20 m", "02", "01", "002", "ELA", "CAB", "UND", 3200, 19, "CA-3420"},
    {"Bombillo LED 9 W luz blanca", "02", "02", "001", "ELA", "LED", "UND", 4600, 19, "BL-9W"},
    {"Panel LED 18 W de sobreponer", "02", "02", "002", "ELA", "LED", "UND", 27900, 19, "PL-18S"},
    {"Tubo LED T8 18 W", "02", "02", "002", "ELA", "LED", "UND", 9800, 19, "T8-18"},
    {"Interruptor sencillo blanco", "02", "03", "001", "ELA", "LED", "UND", 4900, 19, "IS-BL"},
    {"Tomacorriente doble con polo a tierra", "02", "03", "002", "ELA", "LED", "UND", 6300, 19, "TD-PT"},
    {"Vinilo tipo 1 blanco (galón)", "03", "01", "001", "COL", "ARQ", "GAL", 52000, 19, "V1-BL-G"},
    {"Vinilo tipo 2 beige (cuñete 5 galones)", "03", "01", "002", "COL", "ARQ", "CUN", 118000, 19, "V2-BE-C"},
    {"Esmalte sintético negro (galón)", "03", "02", "001", "COL", "IND", "GAL", 71500, 19, "ES-NG-G"},
    {"Anticorrosivo gris (cuarto)", "03", "02", "001", "COL", "IND", "CUA", 19800, 19, "AC-GR-C"},
    {"Thinner corriente (galón)", "03", "02", "002", "COL", "IND", "GAL", 21500, 19, "TH-G"},
    {"Brocha de 3 pulgadas", "03", "03", "001", "FOR", "MAN", "UND", 5400, 19, "BR-3"},
    {"Rodillo de felpa 9 pulgadas", "03", "03", "001", "FOR", "MAN", "UND", 11900, 19, "RF-9"},
    {"Tubo PVC presión 1/2 pulgada (6 m)", "04", "01", "001", "HID", "PRE", "UND", 14200, 19, "TP-12"},
    {"Tubo PVC sanitario 4 pulgadas (6 m)", "04", "01", "002", "HID", "SAN", "UND", 68000, 19, "TS-4"},
    {"Codo PVC presión 1/2 x 90 grados", "04", "01", "003", "HID", "PRE", "UND", 700, 19, "CD-1290"},
    {"Soldadura líquida PVC (1/4 galón)", "04", "01", "003", "HID", "PRE", "CUA", 31500, 19, "SL-14"},
    {"Llave terminal de 1/2 pulgada", "04", "02", "001", "HID", "PRE", "UND", 12800, 19, "LT-12"},
    {"Grifería monocontrol para lavamanos", "04", "02", "002", "HID", "SAN", "UND", 96000, 19, "GM-LV"},
    {"Sifón flexible para lavaplatos", "04", "02", "002", "HID", "SAN", "UND", 8700, 19, "SF-LP"},
    {"Detergente en polvo (bolsa 3 kg)", "05", "01", "001", "LIM", "HOG", "BOL", 17900, 19, "DP-3K"},
    {"Limpiador multiusos (galón)", "05", "01", "001", "LIM", "INS", "GAL", 12500, 19, "LM-G"},
    {"Hipoclorito al 5 % (galón)", "05", "01", "002", "LIM", "INS", "GAL", 8900, 19, "HP-5G"},
    {"Escoba de cerdas suaves", "05", "02", "001", "LIM", "HOG", "UND", 7600, 19, "ES-CS"},
    {"Trapeador de algodón", "05", "02", "001", "LIM", "HOG", "UND", 8200, 19, "TR-AL"},
    {"Guantes de caucho calibre 25 (par)", "05", "02", "002", "LIM", "INS", "PAR", 3900, 19, "GC-25"},
    {"Bolsa para basura negra (paquete x 10)", "05", "02", "002", "LIM", "INS", "PAQ", 4300, 19, "BB-N10"},
    {"Martillo de uña 16 onzas", "06", "01", "001", "FOR", "MAN", "UND", 24500, 19, "MU-16"},
    {"Alicate universal 8 pulgadas", "06", "01", "001", "FOR", "MAN", "UND", 19700, 19, "AU-8"},
    {"Destornillador de pala 1/4 x 6", "06", "01", "001", "FOR", "MAN", "UND", 6900, 19, "DP-146"},
    {"Flexómetro de 5 m", "06", "01", "002", "FOR", "MAN", "UND", 11300, 19, "FX-5"},
    {"Nivel de aluminio 24 pulgadas", "06", "01", "002", "FOR", "MAN", "UND", 29800, 19, "NA-24"},
    {"Taladro percutor 1/2 pulgada 650 W", "06", "02", "001", "FOR", "ELE", "UND", 189000, 19, "TP-650"},
    {"Pulidora angular 4 1/2 pulgadas", "06", "02", "002", "FOR", "ELE", "UND", 164000, 19, "PA-412"},
    {"Disco de corte para metal 4 1/2", "06", "02", "002", "FOR", "ELE", "UND", 3100, 19, "DC-412"},
};

constexpr Kit kKits[] = {
    {"Kit de pintura para habitación", "03", "03", "001",
     {"Vinilo tipo 1 blanco (galón)", "Brocha de 3 pulgadas", "Rodillo de felpa 9 pulgadas"}},
    {"Kit de instalación eléctrica básica", "02", "03", "001",
     {"Cable dúplex 2 x 16 AWG", "Interruptor sencillo blanco", "Tomacorriente doble con polo a tierra"}},
    {"Kit de aseo institucional", "05", "02", "001",
     {"Escoba de cerdas suaves", "Trapeador de algodón", "Limpiador multiusos (galón)"}},
};

constexpr Codigo kBodegas[] = {
    {"01", "Bodega principal"},
    {"02", "Almacén centro"},
    {"03", "Punto de venta norte"},
    {"04", "Bodega de devoluciones"},
};

constexpr Codigo kListasPrecios[] = {
    {"01", "Precio al público"}, {"02", "Mayoristas"}, {"03", "Distribuidores"},
};

constexpr Codigo kCentrosCosto[] = {
    {"ADM", "Administración"}, {"VEN", "Ventas"}, {"BOD", "Bodega y logística"}, {"GER", "Gerencia"},
};

constexpr Codigo kCajas[] = {
    {"CG01", "Caja general"}, {"CM01", "Caja menor"}, {"PV01", "Caja punto de venta norte"},
};

constexpr Codigo kFormasPago[] = {
    {"EF", "Efectivo"}, {"CH", "Cheque"}, {"TC", "Tarjeta de crédito"},
    {"TD", "Tarjeta débito"}, {"TR", "Transferencia"},
};

constexpr Codigo kBancos[] = {
    {"01", "Banco Andino"}, {"02", "Banco de la Sabana"},
    {"03", "Banco Cooperativo del Valle"}, {"04", "Banco Popular de Oriente"},
};

constexpr Codigo kTarjetas[] = {{"TC01", "Crédito nacional"}, {"TC02", "Crédito internacional"},
                                {"TD01", "Débito"}};

constexpr Codigo kZonas[] = {{"NOR", "Norte"}, {"CEN", "Centro"}, {"SUR", "Sur"}, {"OCC", "Occidente"}};

constexpr TipoComprobante kTiposComprobante[] = {
    {"NC1", "Notas de contabilidad", "NC"},
    {"CC1", "Causación de cuentas por pagar", "CC"},
    {"CB1", "Comprobantes bancarios", "CB"},
    {"AJ1", "Ajustes y reclasificaciones", "AJ"},
};

constexpr CuentaBancaria kCuentasBancarias[] = {
    {11, "01", "Banco Andino corriente 056-123456-78", "05612345678", 'C', "111005"},
    {12, "01", "Banco Andino ahorros 056-987654-32", "05698765432", 'A', "112005"},
    {21, "02", "Banco de la Sabana corriente 310-44521-9", "310445219", 'C', "111005"},
    {31, "03", "Banco Cooperativo del Valle corriente 7720-118", "7720118", 'C', "111005"},
};

constexpr const char* kUsuarios[] = {"CONTADOR", "SISTEMAS", "AUXCONTAB"};

constexpr const char* kMotivos[] = {
    "Producto averiado en el transporte", "Referencia equivocada", "Error en cantidades",
    "El cliente desiste de la compra",    "Documento duplicado",   "Error de digitación",
    "Producto vencido",                   "Cambio de proveedor",
};

constexpr const char* kObservaciones[] = {
    "Entregar en horario de oficina", "Cliente solicita factura electrónica",
    "Pendiente confirmar con bodega", "Revisado por auditoría interna",
    "Pago acordado por transferencia", "Soporte archivado en carpeta del mes",
};

constexpr const char* kCondiciones[] = {
    "Pago a 30 días, precios en pesos colombianos", "Contado contra entrega",
    "Oferta válida por 15 días", "Flete incluido en Bogotá y municipios aledaños",
};

}  // namespace

std::span<const Ciudad> Ciudades() { return kCiudades; }
std::span<const Empresa> Empresas() { return kEmpresas; }
std::span<const char* const> NombresDePila() { return kNombresDePila; }
std::span<const char* const> Apellidos() { return kApellidos; }
std::span<const char* const> Vias() { return kVias; }
std::span<const CuentaPuc> Cuentas() { return kCuentas; }
std::span<const Codigo> Familias() { return kFamilias; }
std::span<const Grupo> Grupos() { return kGrupos; }
std::span<const Subgrupo> Subgrupos() { return kSubgrupos; }
std::span<const Codigo> Marcas() { return kMarcas; }
std::span<const Submarca> Submarcas() { return kSubmarcas; }
std::span<const Codigo> Unidades() { return kUnidades; }
std::span<const Articulo> Articulos() { return kArticulos; }
std::span<const Kit> Kits() { return kKits; }
std::span<const Codigo> Bodegas() { return kBodegas; }
std::span<const Codigo> ListasPrecios() { return kListasPrecios; }
std::span<const Codigo> CentrosCosto() { return kCentrosCosto; }
std::span<const Codigo> Cajas() { return kCajas; }
std::span<const Codigo> FormasPago() { return kFormasPago; }
std::span<const Codigo> Bancos() { return kBancos; }
std::span<const Codigo> Tarjetas() { return kTarjetas; }
std::span<const Codigo> Zonas() { return kZonas; }
std::span<const TipoComprobante> TiposComprobante() { return kTiposComprobante; }
std::span<const CuentaBancaria> CuentasBancarias() { return kCuentasBancarias; }
std::span<const char* const> Usuarios() { return kUsuarios; }
std::span<const char* const> Motivos() { return kMotivos; }
std::span<const char* const> Observaciones() { return kObservaciones; }
std::span<const char* const> Condiciones() { return kCondiciones; }

}  // namespace norvane::demo::nombres
