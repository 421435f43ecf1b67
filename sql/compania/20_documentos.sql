-- Inventory, purchasing and sales documents with one set of lines.
-- Every header: identifier at position 0, PREF_PRE + <stem>_NUMERO as its
-- code (indexed: documents are found by code), <stem>_ANULADO = 'S' when
-- voided.  Every line: the header's identifier at position 0 and a line
-- number at position 1; (identifier, line) is the key of a line.
--
-- No foreign keys between documents and catalogues, nor from lines to their
-- header: documents received from another company are written one row at a
-- time in the order of the audit trail and may name rows that arrive later.

-- ---------------------------------------------------------------- inventory

-- Inventory receipts.
CREATE TABLE ENTRADAS (
  ENTR_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  ENTR_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  ENTR_FECHA        DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT          VARCHAR(20),                          -- 4  third party
  BODE_COD          VARCHAR(5),                           -- 5  warehouse
  ENTR_CONCEPTO     VARCHAR(10),                          -- 6  receipt concept
  ENTR_DOCSOPORTE   VARCHAR(20),                          -- 7  supporting document
  ENTR_DESCRIPCION  VARCHAR(200),                         -- 8  description
  ENTR_SUBTOTAL     NUMERIC(15,2) DEFAULT 0,              -- 9  before discount and tax
  ENTR_DESCUENTO    NUMERIC(15,2) DEFAULT 0,              -- 10 discount
  ENTR_IVA          NUMERIC(15,2) DEFAULT 0,              -- 11 value added tax
  ENTR_TOTAL        NUMERIC(15,2) DEFAULT 0,              -- 12 total of the document
  ENTR_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 13 S when voided
  ENTR_USUARIO      VARCHAR(10),                          -- 14 user who registered it
  ENTR_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 15 registration time
  CONSTRAINT PK_ENTRADAS PRIMARY KEY (ENTR_ID)
);
CREATE INDEX IX_ENTRADAS_NUM ON ENTRADAS (PREF_PRE, ENTR_NUMERO);

CREATE TABLE ENTRADAS_DETALLE (
  ENTR_ID           INTEGER NOT NULL,         -- 0  document (header identifier)
  ENDE_ITEM         INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD          VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD          VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD       VARCHAR(10),              -- 4  unit of measure
  ENDE_CANTIDAD     NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  ENDE_VALOR_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  ENDE_PORC_DESC    NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  ENDE_PORC_IVA     NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  ENDE_VALOR_TOTAL  NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  ENDE_LOTE         VARCHAR(20),              -- 10 lot
  ENDE_FECVENCE     DATE,                     -- 11 expiry of the lot
  ENDE_DETALLE      VARCHAR(120),             -- 12 line text
  CONSTRAINT PK_ENTRADAS_DETALLE PRIMARY KEY (ENTR_ID, ENDE_ITEM)
);

-- Inventory issues.
CREATE TABLE SALIDAS (
  SALI_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  SALI_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  SALI_FECHA        DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT          VARCHAR(20),                          -- 4  third party
  BODE_COD          VARCHAR(5),                           -- 5  warehouse
  SALI_CONCEPTO     VARCHAR(10),                          -- 6  issue concept
  CECO_COD          VARCHAR(10),                          -- 7  cost centre
  SALI_DESCRIPCION  VARCHAR(200),                         -- 8  description
  SALI_SUBTOTAL     NUMERIC(15,2) DEFAULT 0,              -- 9  before discount and tax
  SALI_DESCUENTO    NUMERIC(15,2) DEFAULT 0,              -- 10 discount
  SALI_IVA          NUMERIC(15,2) DEFAULT 0,              -- 11 value added tax
  SALI_TOTAL        NUMERIC(15,2) DEFAULT 0,              -- 12 total of the document
  SALI_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 13 S when voided
  SALI_USUARIO      VARCHAR(10),                          -- 14 user who registered it
  SALI_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 15 registration time
  CONSTRAINT PK_SALIDAS PRIMARY KEY (SALI_ID)
);
CREATE INDEX IX_SALIDAS_NUM ON SALIDAS (PREF_PRE, SALI_NUMERO);

CREATE TABLE SALIDAS_DETALLE (
  SALI_ID           INTEGER NOT NULL,         -- 0  document (header identifier)
  SADE_ITEM         INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD          VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD          VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD       VARCHAR(10),              -- 4  unit of measure
  SADE_CANTIDAD     NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  SADE_VALOR_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  SADE_PORC_DESC    NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  SADE_PORC_IVA     NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  SADE_VALOR_TOTAL  NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  SADE_LOTE         VARCHAR(20),              -- 10 lot
  SADE_DETALLE      VARCHAR(120),             -- 11 line text
  CONSTRAINT PK_SALIDAS_DETALLE PRIMARY KEY (SALI_ID, SADE_ITEM)
);

-- Transfers between warehouses.
CREATE TABLE TRASFERENCIAS (
  TRAN_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  TRAN_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  TRAN_FECHA        DATE NOT NULL,                        -- 3  date of the document
  BODE_ORIGEN       VARCHAR(5) NOT NULL,                  -- 4  warehouse that sends
  BODE_DESTINO      VARCHAR(5) NOT NULL,                  -- 5  warehouse that receives
  TRAN_RECIBIDO     CHAR(1) DEFAULT 'N',                  -- 6  S when received
  TRAN_DESCRIPCION  VARCHAR(200),                         -- 7  description
  TRAN_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 8  S when voided
  TRAN_USUARIO      VARCHAR(10),                          -- 9  user who registered it
  TRAN_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 10 registration time
  CONSTRAINT PK_TRASFERENCIAS PRIMARY KEY (TRAN_ID)
);
CREATE INDEX IX_TRASFERENCIAS_NUM ON TRASFERENCIAS (PREF_PRE, TRAN_NUMERO);

CREATE TABLE TRASFERENCIAS_DETALLE (
  TRAN_ID             INTEGER NOT NULL,         -- 0  document (header identifier)
  TRDE_ITEM           INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD            VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD            VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD         VARCHAR(10),              -- 4  unit of measure
  TRDE_CANTIDAD       NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  TRDE_COSTO_UNIT     NUMERIC(15,4) DEFAULT 0,  -- 6  unit cost
  TRDE_COSTO_TOTAL    NUMERIC(15,2) DEFAULT 0,  -- 7  line cost
  TRDE_CANT_RECIBIDA  NUMERIC(15,4) DEFAULT 0,  -- 8  quantity received
  TRDE_DETALLE        VARCHAR(120),             -- 9  line text
  CONSTRAINT PK_TRASFERENCIAS_DETALLE PRIMARY KEY (TRAN_ID, TRDE_ITEM)
);

-- Inventory adjustments (physical counts).
CREATE TABLE AJUSTES (
  AJUS_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  AJUS_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  AJUS_FECHA        DATE NOT NULL,                        -- 3  date of the document
  BODE_COD          VARCHAR(5),                           -- 4  warehouse
  AJUS_CONCEPTO     VARCHAR(10),                          -- 5  adjustment concept
  AJUS_TIPO         CHAR(1) DEFAULT 'E',                  -- 6  E increase, S decrease
  AJUS_DESCRIPCION  VARCHAR(200),                         -- 7  description
  AJUS_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 8  S when voided
  AJUS_USUARIO      VARCHAR(10),                          -- 9  user who registered it
  AJUS_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 10 registration time
  CONSTRAINT PK_AJUSTES PRIMARY KEY (AJUS_ID)
);
CREATE INDEX IX_AJUSTES_NUM ON AJUSTES (PREF_PRE, AJUS_NUMERO);

CREATE TABLE AJUSTES_DETALLE (
  AJUS_ID           INTEGER NOT NULL,         -- 0  document (header identifier)
  AJDE_ITEM         INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD          VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD          VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD       VARCHAR(10),              -- 4  unit of measure
  AJDE_CANTIDAD     NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  AJDE_COSTO_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 6  unit cost
  AJDE_COSTO_TOTAL  NUMERIC(15,2) DEFAULT 0,  -- 7  line cost
  AJDE_EXISTENCIA   NUMERIC(15,4) DEFAULT 0,  -- 8  quantity on record
  AJDE_CONTEO       NUMERIC(15,4) DEFAULT 0,  -- 9  quantity counted
  AJDE_DETALLE      VARCHAR(120),             -- 10 line text
  CONSTRAINT PK_AJUSTES_DETALLE PRIMARY KEY (AJUS_ID, AJDE_ITEM)
);

-- Assemblies: components (lines) consumed to produce an article.
CREATE TABLE ENSAMBLES (
  ENSA_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  ENSA_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  ENSA_FECHA        DATE NOT NULL,                        -- 3  date of the document
  BODE_COD          VARCHAR(5),                           -- 4  warehouse
  ARTI_COD          VARCHAR(20),                          -- 5  article assembled
  ENSA_CANTIDAD     NUMERIC(15,4) DEFAULT 0,              -- 6  quantity assembled
  ENSA_COSTO        NUMERIC(15,2) DEFAULT 0,              -- 7  cost of the assembly
  ENSA_DESCRIPCION  VARCHAR(200),                         -- 8  description
  ENSA_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 9  S when voided
  ENSA_USUARIO      VARCHAR(10),                          -- 10 user who registered it
  ENSA_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 11 registration time
  CONSTRAINT PK_ENSAMBLES PRIMARY KEY (ENSA_ID)
);
CREATE INDEX IX_ENSAMBLES_NUM ON ENSAMBLES (PREF_PRE, ENSA_NUMERO);

CREATE TABLE ENSAMBLES_DETALLE (
  ENSA_ID           INTEGER NOT NULL,         -- 0  document (header identifier)
  ENSD_ITEM         INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD          VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD          VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD       VARCHAR(10),              -- 4  unit of measure
  ENSD_CANTIDAD     NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  ENSD_COSTO_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 6  unit cost
  ENSD_COSTO_TOTAL  NUMERIC(15,2) DEFAULT 0,  -- 7  line cost
  ENSD_DETALLE      VARCHAR(120),             -- 8  line text
  CONSTRAINT PK_ENSAMBLES_DETALLE PRIMARY KEY (ENSA_ID, ENSD_ITEM)
);

-- Reverse assemblies: an article taken apart into its components (lines).
CREATE TABLE DESENSAMBLES (
  DESE_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  DESE_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  DESE_FECHA        DATE NOT NULL,                        -- 3  date of the document
  BODE_COD          VARCHAR(5),                           -- 4  warehouse
  ARTI_COD          VARCHAR(20),                          -- 5  article taken apart
  DESE_CANTIDAD     NUMERIC(15,4) DEFAULT 0,              -- 6  quantity taken apart
  DESE_COSTO        NUMERIC(15,2) DEFAULT 0,              -- 7  cost of the components
  DESE_DESCRIPCION  VARCHAR(200),                         -- 8  description
  DESE_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 9  S when voided
  DESE_USUARIO      VARCHAR(10),                          -- 10 user who registered it
  DESE_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 11 registration time
  CONSTRAINT PK_DESENSAMBLES PRIMARY KEY (DESE_ID)
);
CREATE INDEX IX_DESENSAMBLES_NUM ON DESENSAMBLES (PREF_PRE, DESE_NUMERO);

CREATE TABLE DESENSAMBLES_DETALLE (
  DESE_ID           INTEGER NOT NULL,         -- 0  document (header identifier)
  DSDE_ITEM         INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD          VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD          VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD       VARCHAR(10),              -- 4  unit of measure
  DSDE_CANTIDAD     NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  DSDE_COSTO_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 6  unit cost
  DSDE_COSTO_TOTAL  NUMERIC(15,2) DEFAULT 0,  -- 7  line cost
  DSDE_DETALLE      VARCHAR(120),             -- 8  line text
  CONSTRAINT PK_DESENSAMBLES_DETALLE PRIMARY KEY (DESE_ID, DSDE_ITEM)
);

-- Reservations of goods for a customer.
CREATE TABLE RESERVAS (
  RESE_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  RESE_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  RESE_FECHA        DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT          VARCHAR(20),                          -- 4  third party
  BODE_COD          VARCHAR(5),                           -- 5  warehouse
  VEND_COD          INTEGER,                              -- 6  seller
  RESE_FECVENCE     DATE,                                 -- 7  reservation ends
  RESE_DESCRIPCION  VARCHAR(200),                         -- 8  description
  RESE_SUBTOTAL     NUMERIC(15,2) DEFAULT 0,              -- 9  before discount and tax
  RESE_DESCUENTO    NUMERIC(15,2) DEFAULT 0,              -- 10 discount
  RESE_IVA          NUMERIC(15,2) DEFAULT 0,              -- 11 value added tax
  RESE_TOTAL        NUMERIC(15,2) DEFAULT 0,              -- 12 total of the document
  RESE_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 13 S when voided
  RESE_USUARIO      VARCHAR(10),                          -- 14 user who registered it
  RESE_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 15 registration time
  CONSTRAINT PK_RESERVAS PRIMARY KEY (RESE_ID)
);
CREATE INDEX IX_RESERVAS_NUM ON RESERVAS (PREF_PRE, RESE_NUMERO);

CREATE TABLE RESERVAS_DETALLE (
  RESE_ID              INTEGER NOT NULL,         -- 0  document (header identifier)
  RSDE_ITEM            INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD             VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD             VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD          VARCHAR(10),              -- 4  unit of measure
  RSDE_CANTIDAD        NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  RSDE_VALOR_UNIT      NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  RSDE_PORC_DESC       NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  RSDE_PORC_IVA        NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  RSDE_VALOR_TOTAL     NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  RSDE_CANT_ENTREGADA  NUMERIC(15,4) DEFAULT 0,  -- 10 quantity delivered
  RSDE_DETALLE         VARCHAR(120),             -- 11 line text
  CONSTRAINT PK_RESERVAS_DETALLE PRIMARY KEY (RESE_ID, RSDE_ITEM)
);

-- Inventory orders between warehouses.
CREATE TABLE ORDENES_INVENTARIO (
  ORIN_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  ORIN_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  ORIN_FECHA        DATE NOT NULL,                        -- 3  date of the document
  BODE_COD          VARCHAR(5),                           -- 4  warehouse
  BODE_DESTINO      VARCHAR(5),                           -- 5  warehouse that asks
  ORIN_FECENTREGA   DATE,                                 -- 6  delivery date
  ORIN_ESTADO       CHAR(1) DEFAULT 'P',                  -- 7  P pending, C completed
  ORIN_DESCRIPCION  VARCHAR(200),                         -- 8  description
  ORIN_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 9  S when voided
  ORIN_USUARIO      VARCHAR(10),                          -- 10 user who registered it
  ORIN_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 11 registration time
  CONSTRAINT PK_ORDENES_INVENTARIO PRIMARY KEY (ORIN_ID)
);
CREATE INDEX IX_ORDENES_INVENTARIO_NUM ON ORDENES_INVENTARIO (PREF_PRE, ORIN_NUMERO);

CREATE TABLE ORDENINVENTARIO_DETALLE (
  ORIN_ID               INTEGER NOT NULL,         -- 0  document (header identifier)
  OIDE_ITEM             INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD              VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD              VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD           VARCHAR(10),              -- 4  unit of measure
  OIDE_CANTIDAD         NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  OIDE_COSTO_UNIT       NUMERIC(15,4) DEFAULT 0,  -- 6  unit cost
  OIDE_COSTO_TOTAL      NUMERIC(15,2) DEFAULT 0,  -- 7  line cost
  OIDE_CANT_DESPACHADA  NUMERIC(15,4) DEFAULT 0,  -- 8  quantity dispatched
  OIDE_DETALLE          VARCHAR(120),             -- 9  line text
  CONSTRAINT PK_ORDENINVENTARIO_DETALLE PRIMARY KEY (ORIN_ID, OIDE_ITEM)
);

-- ---------------------------------------------------------------- purchasing

-- Supplier delivery notes: goods received before the invoice.
CREATE TABLE REMISION_PROVEEDOR (
  REPR_ID            INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE           VARCHAR(10) NOT NULL,                 -- 1  prefix
  REPR_NUMERO        VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  REPR_FECHA         DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT           VARCHAR(20),                          -- 4  third party (supplier or customer)
  BODE_COD           VARCHAR(5),                           -- 5  warehouse
  REPR_DOCPROVEEDOR  VARCHAR(20),                          -- 6  supplier's own delivery note number
  REPR_FACTURADA     CHAR(1) DEFAULT 'N',                  -- 7  S when invoiced
  REPR_DESCRIPCION   VARCHAR(200),                         -- 8  description
  REPR_SUBTOTAL      NUMERIC(15,2) DEFAULT 0,              -- 9  before discount and tax
  REPR_DESCUENTO     NUMERIC(15,2) DEFAULT 0,              -- 10 discount
  REPR_IVA           NUMERIC(15,2) DEFAULT 0,              -- 11 value added tax
  REPR_TOTAL         NUMERIC(15,2) DEFAULT 0,              -- 12 total of the document
  REPR_ANULADO       CHAR(1) DEFAULT 'N' NOT NULL,         -- 13 S when voided
  REPR_USUARIO       VARCHAR(10),                          -- 14 user who registered it
  REPR_FECREG        TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 15 registration time
  CONSTRAINT PK_REMISION_PROVEEDOR PRIMARY KEY (REPR_ID)
);
CREATE INDEX IX_REMISION_PROVEEDOR_NUM ON REMISION_PROVEEDOR (PREF_PRE, REPR_NUMERO);

CREATE TABLE REMISION_PROVEEDOR_DET (
  REPR_ID              INTEGER NOT NULL,         -- 0  document (header identifier)
  RPDE_ITEM            INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD             VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD             VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD          VARCHAR(10),              -- 4  unit of measure
  RPDE_CANTIDAD        NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  RPDE_VALOR_UNIT      NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  RPDE_PORC_DESC       NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  RPDE_PORC_IVA        NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  RPDE_VALOR_TOTAL     NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  RPDE_CANT_FACTURADA  NUMERIC(15,4) DEFAULT 0,  -- 10 quantity invoiced
  RPDE_DETALLE         VARCHAR(120),             -- 11 line text
  CONSTRAINT PK_REMISION_PROVEEDOR_DET PRIMARY KEY (REPR_ID, RPDE_ITEM)
);

-- Purchase orders.
CREATE TABLE ORDENES_COMPRA (
  ORDC_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  ORDC_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  ORDC_FECHA        DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT          VARCHAR(20),                          -- 4  third party (supplier or customer)
  BODE_COD          VARCHAR(5),                           -- 5  warehouse
  ORDC_FECENTREGA   DATE,                                 -- 6  expected delivery
  ORDC_PLAZO        INTEGER DEFAULT 0,                    -- 7  credit days
  ORDC_ESTADO       CHAR(1) DEFAULT 'P',                  -- 8  P pending, R received, C closed
  ORDC_DESCRIPCION  VARCHAR(200),                         -- 9  description
  ORDC_SUBTOTAL     NUMERIC(15,2) DEFAULT 0,              -- 10 before discount and tax
  ORDC_DESCUENTO    NUMERIC(15,2) DEFAULT 0,              -- 11 discount
  ORDC_IVA          NUMERIC(15,2) DEFAULT 0,              -- 12 value added tax
  ORDC_TOTAL        NUMERIC(15,2) DEFAULT 0,              -- 13 total of the document
  ORDC_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 14 S when voided
  ORDC_USUARIO      VARCHAR(10),                          -- 15 user who registered it
  ORDC_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 16 registration time
  CONSTRAINT PK_ORDENES_COMPRA PRIMARY KEY (ORDC_ID)
);
CREATE INDEX IX_ORDENES_COMPRA_NUM ON ORDENES_COMPRA (PREF_PRE, ORDC_NUMERO);

CREATE TABLE ORDENES_COMPRA_DETALLE (
  ORDC_ID             INTEGER NOT NULL,         -- 0  document (header identifier)
  OCDE_ITEM           INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD            VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD            VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD         VARCHAR(10),              -- 4  unit of measure
  OCDE_CANTIDAD       NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  OCDE_VALOR_UNIT     NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  OCDE_PORC_DESC      NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  OCDE_PORC_IVA       NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  OCDE_VALOR_TOTAL    NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  OCDE_CANT_RECIBIDA  NUMERIC(15,4) DEFAULT 0,  -- 10 quantity received
  OCDE_DETALLE        VARCHAR(120),             -- 11 line text
  CONSTRAINT PK_ORDENES_COMPRA_DETALLE PRIMARY KEY (ORDC_ID, OCDE_ITEM)
);

-- Quotations received from suppliers.
CREATE TABLE COTIZACION_PROVEEDOR (
  COPR_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  COPR_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  COPR_FECHA        DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT          VARCHAR(20),                          -- 4  third party (supplier or customer)
  COPR_VIGENCIA     DATE,                                 -- 5  valid until
  COPR_PLAZO        INTEGER DEFAULT 0,                    -- 6  credit days
  COPR_CONDICIONES  VARCHAR(200),                         -- 7  terms offered
  COPR_DESCRIPCION  VARCHAR(200),                         -- 8  description
  COPR_SUBTOTAL     NUMERIC(15,2) DEFAULT 0,              -- 9  before discount and tax
  COPR_DESCUENTO    NUMERIC(15,2) DEFAULT 0,              -- 10 discount
  COPR_IVA          NUMERIC(15,2) DEFAULT 0,              -- 11 value added tax
  COPR_TOTAL        NUMERIC(15,2) DEFAULT 0,              -- 12 total of the document
  COPR_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 13 S when voided
  COPR_USUARIO      VARCHAR(10),                          -- 14 user who registered it
  COPR_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 15 registration time
  CONSTRAINT PK_COTIZACION_PROVEEDOR PRIMARY KEY (COPR_ID)
);
CREATE INDEX IX_COTIZACION_PROVEEDOR_NUM ON COTIZACION_PROVEEDOR (PREF_PRE, COPR_NUMERO);

CREATE TABLE COTIZACIONES_PROVEEDOR_DET (
  COPR_ID            INTEGER NOT NULL,         -- 0  document (header identifier)
  CPDE_ITEM          INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD           VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD           VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD        VARCHAR(10),              -- 4  unit of measure
  CPDE_CANTIDAD      NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  CPDE_VALOR_UNIT    NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  CPDE_PORC_DESC     NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  CPDE_PORC_IVA      NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  CPDE_VALOR_TOTAL   NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  CPDE_DIAS_ENTREGA  INTEGER,                  -- 10 delivery days
  CPDE_DETALLE       VARCHAR(120),             -- 11 line text
  CONSTRAINT PK_COTIZACIONES_PROVEEDOR_DET PRIMARY KEY (COPR_ID, CPDE_ITEM)
);


-- ---------------------------------------------------------------- sales

-- Sales delivery notes: goods delivered before the invoice.
CREATE TABLE REMISIONES_VENTA (
  REVT_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  REVT_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  REVT_FECHA        DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT          VARCHAR(20),                          -- 4  third party (supplier or customer)
  VEND_COD          INTEGER,                              -- 5  seller (VENDEDORES)
  BODE_COD          VARCHAR(5),                           -- 6  warehouse
  LIPR_COD          VARCHAR(5),                           -- 7  price list
  REVT_DIRENTREGA   VARCHAR(140),                         -- 8  delivery address
  REVT_FACTURADA    CHAR(1) DEFAULT 'N',                  -- 9  S when invoiced
  REVT_DESCRIPCION  VARCHAR(200),                         -- 10 description
  REVT_SUBTOTAL     NUMERIC(15,2) DEFAULT 0,              -- 11 before discount and tax
  REVT_DESCUENTO    NUMERIC(15,2) DEFAULT 0,              -- 12 discount
  REVT_IVA          NUMERIC(15,2) DEFAULT 0,              -- 13 value added tax
  REVT_TOTAL        NUMERIC(15,2) DEFAULT 0,              -- 14 total of the document
  REVT_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 15 S when voided
  REVT_USUARIO      VARCHAR(10),                          -- 16 user who registered it
  REVT_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 17 registration time
  CONSTRAINT PK_REMISIONES_VENTA PRIMARY KEY (REVT_ID)
);
CREATE INDEX IX_REMISIONES_VENTA_NUM ON REMISIONES_VENTA (PREF_PRE, REVT_NUMERO);

CREATE TABLE REMISIONES_VENTA_DETALLE (
  REVT_ID              INTEGER NOT NULL,         -- 0  document (header identifier)
  RVDE_ITEM            INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD             VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD             VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD          VARCHAR(10),              -- 4  unit of measure
  RVDE_CANTIDAD        NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  RVDE_VALOR_UNIT      NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  RVDE_PORC_DESC       NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  RVDE_PORC_IVA        NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  RVDE_VALOR_TOTAL     NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  RVDE_CANT_FACTURADA  NUMERIC(15,4) DEFAULT 0,  -- 10 quantity invoiced
  RVDE_DETALLE         VARCHAR(120),             -- 11 line text
  CONSTRAINT PK_REMISIONES_VENTA_DETALLE PRIMARY KEY (REVT_ID, RVDE_ITEM)
);

-- Customer orders.
CREATE TABLE PEDIDOS (
  PEDI_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  PEDI_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  PEDI_FECHA        DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT          VARCHAR(20),                          -- 4  third party (supplier or customer)
  VEND_COD          INTEGER,                              -- 5  seller (VENDEDORES)
  BODE_COD          VARCHAR(5),                           -- 6  warehouse
  LIPR_COD          VARCHAR(5),                           -- 7  price list
  PEDI_FECENTREGA   DATE,                                 -- 8  promised delivery
  PEDI_ESTADO       CHAR(1) DEFAULT 'P',                  -- 9  P pending, D dispatched, C closed
  PEDI_DESCRIPCION  VARCHAR(200),                         -- 10 description
  PEDI_SUBTOTAL     NUMERIC(15,2) DEFAULT 0,              -- 11 before discount and tax
  PEDI_DESCUENTO    NUMERIC(15,2) DEFAULT 0,              -- 12 discount
  PEDI_IVA          NUMERIC(15,2) DEFAULT 0,              -- 13 value added tax
  PEDI_TOTAL        NUMERIC(15,2) DEFAULT 0,              -- 14 total of the document
  PEDI_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 15 S when voided
  PEDI_USUARIO      VARCHAR(10),                          -- 16 user who registered it
  PEDI_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 17 registration time
  CONSTRAINT PK_PEDIDOS PRIMARY KEY (PEDI_ID)
);
CREATE INDEX IX_PEDIDOS_NUM ON PEDIDOS (PREF_PRE, PEDI_NUMERO);

CREATE TABLE PEDIDOS_DETALLE (
  PEDI_ID               INTEGER NOT NULL,         -- 0  document (header identifier)
  PEDE_ITEM             INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD              VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD              VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD           VARCHAR(10),              -- 4  unit of measure
  PEDE_CANTIDAD         NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  PEDE_VALOR_UNIT       NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  PEDE_PORC_DESC        NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  PEDE_PORC_IVA         NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  PEDE_VALOR_TOTAL      NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  PEDE_CANT_DESPACHADA  NUMERIC(15,4) DEFAULT 0,  -- 10 quantity dispatched
  PEDE_DETALLE          VARCHAR(120),             -- 11 line text
  CONSTRAINT PK_PEDIDOS_DETALLE PRIMARY KEY (PEDI_ID, PEDE_ITEM)
);

-- Quotations given to customers.
CREATE TABLE COTIZACIONES (
  COTI_ID           INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE          VARCHAR(10) NOT NULL,                 -- 1  prefix
  COTI_NUMERO       VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  COTI_FECHA        DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT          VARCHAR(20),                          -- 4  third party (supplier or customer)
  VEND_COD          INTEGER,                              -- 5  seller (VENDEDORES)
  LIPR_COD          VARCHAR(5),                           -- 6  price list
  COTI_VIGENCIA     DATE,                                 -- 7  valid until
  COTI_CONDICIONES  VARCHAR(200),                         -- 8  terms offered
  COTI_DESCRIPCION  VARCHAR(200),                         -- 9  description
  COTI_SUBTOTAL     NUMERIC(15,2) DEFAULT 0,              -- 10 before discount and tax
  COTI_DESCUENTO    NUMERIC(15,2) DEFAULT 0,              -- 11 discount
  COTI_IVA          NUMERIC(15,2) DEFAULT 0,              -- 12 value added tax
  COTI_TOTAL        NUMERIC(15,2) DEFAULT 0,              -- 13 total of the document
  COTI_ANULADO      CHAR(1) DEFAULT 'N' NOT NULL,         -- 14 S when voided
  COTI_USUARIO      VARCHAR(10),                          -- 15 user who registered it
  COTI_FECREG       TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 16 registration time
  CONSTRAINT PK_COTIZACIONES PRIMARY KEY (COTI_ID)
);
CREATE INDEX IX_COTIZACIONES_NUM ON COTIZACIONES (PREF_PRE, COTI_NUMERO);

CREATE TABLE COTIZACIONES_DETALLE (
  COTI_ID           INTEGER NOT NULL,         -- 0  document (header identifier)
  CTDE_ITEM         INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD          VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD          VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD       VARCHAR(10),              -- 4  unit of measure
  CTDE_CANTIDAD     NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  CTDE_VALOR_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  CTDE_PORC_DESC    NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  CTDE_PORC_IVA     NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  CTDE_VALOR_TOTAL  NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  CTDE_DETALLE      VARCHAR(120),             -- 10 line text
  CONSTRAINT PK_COTIZACIONES_DETALLE PRIMARY KEY (COTI_ID, CTDE_ITEM)
);
