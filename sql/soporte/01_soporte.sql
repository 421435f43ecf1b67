-- Support database of a server (sop/norvane.fdb): the document types of the
-- suite.  TIDO_COD is the type code written in AUDITORIA.TIDO_COD of every
-- company; TIDO_NOMLARGO is the name shown in the list of operations and in
-- the error log.  The selection window reads
--   SELECT TIDO_COD, TIDO_NOMLARGO FROM TIPO_DOCUMENTO ORDER BY TIDO_COD
-- Names are plain ASCII (the databases use character set NONE).

CREATE TABLE TIPO_DOCUMENTO (
  TIDO_COD        INTEGER      NOT NULL,
  TIDO_NOMLARGO   VARCHAR(30)  NOT NULL,
  TIDO_NOMCORTO   VARCHAR(10),
  TIDO_MODULO     VARCHAR(15),
  TIDO_ACTIVO     CHAR(1)      DEFAULT 'S' NOT NULL,
  CONSTRAINT PK_TIPO_DOCUMENTO PRIMARY KEY (TIDO_COD)
);

-- Accounting
INSERT INTO TIPO_DOCUMENTO VALUES (1,  'Comprobante de contabilidad', 'CC', 'CONTABILIDAD', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (2,  'Saldos iniciales contables', 'SI', 'CONTABILIDAD', 'S');
-- Inventory
INSERT INTO TIPO_DOCUMENTO VALUES (11, 'Entrada de inventario', 'EN', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (12, 'Salida de inventario', 'SA', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (13, 'Trasferencia entre bodegas', 'TR', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (14, 'Ajuste de inventario', 'AJ', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (15, 'Ensamble', 'ES', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (16, 'Desensamble', 'DS', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (17, 'Reserva de mercancia', 'RS', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (18, 'Orden de inventario', 'OI', 'INVENTARIO', 'S');
-- Purchasing
INSERT INTO TIPO_DOCUMENTO VALUES (21, 'Factura de compra', 'FC', 'COMPRAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (22, 'Remision de proveedor', 'RP', 'COMPRAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (23, 'Orden de compra', 'OC', 'COMPRAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (24, 'Devolucion en compras', 'DC', 'COMPRAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (25, 'Cotizacion de proveedor', 'CP', 'COMPRAS', 'S');
-- Sales
INSERT INTO TIPO_DOCUMENTO VALUES (31, 'Factura de venta', 'FV', 'VENTAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (32, 'Remision de venta', 'RV', 'VENTAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (33, 'Devolucion en ventas', 'DV', 'VENTAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (34, 'Pedido de cliente', 'PE', 'VENTAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (35, 'Cotizacion a cliente', 'CT', 'VENTAS', 'S');
-- Receivables
INSERT INTO TIPO_DOCUMENTO VALUES (41, 'Nota debito a clientes', 'NDC', 'CARTERA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (42, 'Nota credito a clientes', 'NCC', 'CARTERA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (43, 'Aplicacion de cartera', 'APC', 'CARTERA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (45, 'Anticipo de cliente', 'ANC', 'CARTERA', 'S');
-- Payables
INSERT INTO TIPO_DOCUMENTO VALUES (51, 'Nota debito a proveedores', 'NDP', 'CXPAGAR', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (52, 'Nota credito de proveedores', 'NCP', 'CXPAGAR', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (53, 'Aplicacion a proveedores', 'APP', 'CXPAGAR', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (55, 'Anticipo a proveedor', 'ANP', 'CXPAGAR', 'S');
-- Treasury
INSERT INTO TIPO_DOCUMENTO VALUES (61, 'Recibo de caja', 'RC', 'CAJA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (62, 'Comprobante de egreso', 'CE', 'CAJA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (63, 'Cambio de documentos', 'CD', 'CAJA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (64, 'Consignacion de tarjetas', 'CTJ', 'CAJA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (65, 'Recibo provisional de caja', 'RPC', 'CAJA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (66, 'Traslado entre cajas', 'TC', 'CAJA', 'S');
-- Banks
INSERT INTO TIPO_DOCUMENTO VALUES (71, 'Consignacion bancaria', 'CB', 'BANCOS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (72, 'Cheque', 'CH', 'BANCOS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (73, 'Retiro bancario', 'RB', 'BANCOS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (74, 'Nota debito bancaria', 'NDB', 'BANCOS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (75, 'Nota credito bancaria', 'NCB', 'BANCOS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (76, 'Traslado entre cuentas', 'TB', 'BANCOS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (77, 'Devolucion de cheques', 'DCH', 'BANCOS', 'S');
-- Period closing: no transfer handler
INSERT INTO TIPO_DOCUMENTO VALUES (99, 'Cierre de periodo', 'CP', 'CONTABILIDAD', 'S');
-- Master data
INSERT INTO TIPO_DOCUMENTO VALUES (100, 'Plan de cuentas', 'PUC', 'CONTABILIDAD', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (101, 'Articulos', 'ART', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (102, 'Terceros', 'TER', 'GENERAL', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (103, 'Clientes', 'CLI', 'VENTAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (104, 'Proveedores', 'PRO', 'COMPRAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (105, 'Cobradores', 'COB', 'CARTERA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (106, 'Vendedores', 'VEN', 'VENTAS', 'S');
-- Accounting interface definitions
INSERT INTO TIPO_DOCUMENTO VALUES (111, 'Interfaz contable de bancos', 'IBA', 'BANCOS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (112, 'Interfaz contable de caja', 'ICJ', 'CAJA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (113, 'Interfaz contable de cartera', 'ICA', 'CARTERA', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (114, 'Interfaz contable de compras', 'ICO', 'COMPRAS', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (115, 'Interfaz contable de CxP', 'ICP', 'CXPAGAR', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (116, 'Interfaz contable inventario', 'IIN', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (117, 'Interfaz contable de ventas', 'IVE', 'VENTAS', 'S');
-- Article sub-tables
INSERT INTO TIPO_DOCUMENTO VALUES (124, 'Unidades de articulo', 'UNA', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (125, 'Codigos de barras', 'BAR', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (126, 'Precios de articulo', 'PRE', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (127, 'Contabilizacion de articulo', 'CTA', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (128, 'Componentes de articulo', 'CMP', 'INVENTARIO', 'S');
-- Parameters of the company: no transfer handler
INSERT INTO TIPO_DOCUMENTO VALUES (150, 'Parametros de la compania', 'PAR', 'GENERAL', 'S');
-- Inventory grouping and brands
INSERT INTO TIPO_DOCUMENTO VALUES (201, 'Familias de inventario', 'FAM', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (202, 'Grupos de inventario', 'GRU', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (203, 'Subgrupos de inventario', 'SGR', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (204, 'Marcas', 'MAR', 'INVENTARIO', 'S');
INSERT INTO TIPO_DOCUMENTO VALUES (205, 'Submarcas', 'SMA', 'INVENTARIO', 'S');
