-- Purchase and sales invoices and their returns.
-- Same conventions as the other documents: identifier at position 0,
-- PREF_PRE + number as the code, <stem>_ANULADO = 'S' when voided, lines
-- keyed by (identifier, line).  Sales invoices are numbered with 8 digits,
-- the other three with 6.
--
-- A return keeps the identifier and the code of the invoice it returns; the
-- identifier is 0 when the return refers to no invoice.

-- Purchase invoices.
CREATE TABLE FACTURAS_COMPRA (
  FACO_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  FACO_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  FACO_FECHA          DATE NOT NULL,                        -- 3  date of the invoice
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  supplier
  BODE_COD            VARCHAR(5),                           -- 5  warehouse
  FACO_DOCPROVEEDOR   VARCHAR(20),                          -- 6  supplier's invoice number
  FACO_PLAZO          INTEGER DEFAULT 0,                    -- 7  credit days
  FACO_FECVENCE       DATE,                                 -- 8  due date
  FACO_SUBTOTAL       NUMERIC(15,2) DEFAULT 0,              -- 9  before discount and tax
  FACO_DESCUENTO      NUMERIC(15,2) DEFAULT 0,              -- 10 discount
  FACO_IVA            NUMERIC(15,2) DEFAULT 0,              -- 11 VAT
  FACO_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 12 income tax withheld
  FACO_RETEIVA        NUMERIC(15,2) DEFAULT 0,              -- 13 VAT withheld
  FACO_RETEICA        NUMERIC(15,2) DEFAULT 0,              -- 14 local tax withheld
  FACO_FLETES         NUMERIC(15,2) DEFAULT 0,              -- 15 freight
  FACO_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 16 total of the invoice
  FACO_ABONOS         NUMERIC(15,2) DEFAULT 0,              -- 17 paid so far
  FACO_DESCRIPCION    VARCHAR(200),                         -- 18 description
  FACO_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 19 S when voided
  FACO_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 20 S when posted to accounting
  FACO_USUARIO        VARCHAR(10),                          -- 21 user who registered it
  FACO_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 22 registration time
  CONSTRAINT PK_FACTURAS_COMPRA PRIMARY KEY (FACO_ID)
);

CREATE INDEX IX_FACTURAS_COMPRA_NUM ON FACTURAS_COMPRA (PREF_PRE, FACO_NUMERO);
CREATE INDEX IX_FACTURAS_COMPRA_TERC ON FACTURAS_COMPRA (TERC_NIT);

CREATE TABLE FACTURAS_COMPRAS_DETALLE (
  FACO_ID             INTEGER NOT NULL,         -- 0  invoice (header identifier)
  FCDE_ITEM           INTEGER NOT NULL,         -- 1  line number within the invoice
  ARTI_COD            VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD            VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD         VARCHAR(10),              -- 4  unit of measure
  FCDE_DESCRIPCION    VARCHAR(120),             -- 5  line text
  FCDE_CANTIDAD       NUMERIC(15,4) DEFAULT 0,  -- 6  quantity
  FCDE_VALOR_UNIT     NUMERIC(15,4) DEFAULT 0,  -- 7  unit price
  FCDE_PORC_DESC      NUMERIC(5,2) DEFAULT 0,   -- 8  discount %
  FCDE_DESCUENTO      NUMERIC(15,2) DEFAULT 0,  -- 9  discount
  FCDE_PORC_IVA       NUMERIC(5,2) DEFAULT 0,   -- 10 VAT %
  FCDE_IVA            NUMERIC(15,2) DEFAULT 0,  -- 11 VAT
  FCDE_PORC_RETE      NUMERIC(5,2) DEFAULT 0,   -- 12 withholding %
  FCDE_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,  -- 13 income tax withheld
  FCDE_SUBTOTAL       NUMERIC(15,2) DEFAULT 0,  -- 14 line total before tax
  FCDE_COSTO_UNIT     NUMERIC(15,4) DEFAULT 0,  -- 15 unit cost
  CUEN_COD            VARCHAR(20),              -- 16 account of the line
  CECO_COD            VARCHAR(10),              -- 17 cost centre
  FCDE_CANT_DEVUELTA  NUMERIC(15,4) DEFAULT 0,  -- 18 quantity returned so far (0 on an invoice received
                                                --    from another company: its returns are counted there)
  FCDE_LOTE           VARCHAR(20),              -- 19 lot
  FCDE_FECVENCE       DATE,                     -- 20 expiry of the lot
  CONSTRAINT PK_FACTURAS_COMPRAS_DETALLE PRIMARY KEY (FACO_ID, FCDE_ITEM)
);


-- Purchase returns.
CREATE TABLE DEVOLUCIONES_COMPRAS (
  DVCO_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  DVCO_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  DVCO_FECHA          DATE NOT NULL,                        -- 3  date of the return
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  supplier
  BODE_COD            VARCHAR(5),                           -- 5  warehouse the goods leave
  DVCO_CONCEPTO       VARCHAR(10),                          -- 6  return concept
  DVCO_MOTIVO         VARCHAR(60),                          -- 7  reason
  DVCO_SUBTOTAL       NUMERIC(15,2) DEFAULT 0,              -- 8  before discount and tax
  DVCO_DESCUENTO      NUMERIC(15,2) DEFAULT 0,              -- 9  discount
  DVCO_IVA            NUMERIC(15,2) DEFAULT 0,              -- 10 VAT
  DVCO_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 11 income tax withheld
  DVCO_RETEIVA        NUMERIC(15,2) DEFAULT 0,              -- 12 VAT withheld
  DVCO_RETEICA        NUMERIC(15,2) DEFAULT 0,              -- 13 local tax withheld
  DVCO_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 14 total of the return
  DVCO_COSTO          NUMERIC(15,2) DEFAULT 0,              -- 15 cost of the goods returned
  DVCO_DESCRIPCION    VARCHAR(200),                         -- 16 description
  DVCO_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 17 S when voided
  DVCO_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 18 S when posted to accounting
  DVCO_AFECTA_INV     CHAR(1) DEFAULT 'S',                  -- 19 S when the goods leave the stock
  DVCO_NOTACREDITO    VARCHAR(20),                          -- 20 supplier's credit note number
  DVCO_USUARIO        VARCHAR(10),                          -- 21 user who registered it
  DVCO_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 22 registration time
  DVCO_FECVENCE       DATE,                                 -- 23 due date of the credit
  DVCO_IDFACTURA      INTEGER DEFAULT 0,                    -- 24 purchase invoice returned (FACO_ID), 0 none
  DVCO_FACTURA        VARCHAR(20),                          -- 25 code of that invoice: prefix + 6-digit number
  DVCO_OBSERVACION    VARCHAR(200),                         -- 26 remarks
  CONSTRAINT PK_DEVOLUCIONES_COMPRAS PRIMARY KEY (DVCO_ID)
);

CREATE INDEX IX_DEVOLUCIONES_COMPRAS_NUM ON DEVOLUCIONES_COMPRAS (PREF_PRE, DVCO_NUMERO);

CREATE TABLE DEVOLUCIONES_COMPRAS_DET (
  DVCO_ID           INTEGER NOT NULL,         -- 0  document (header identifier)
  DCDE_ITEM         INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD          VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD          VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD       VARCHAR(10),              -- 4  unit of measure
  DCDE_CANTIDAD     NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  DCDE_VALOR_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  DCDE_PORC_DESC    NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  DCDE_PORC_IVA     NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  DCDE_VALOR_TOTAL  NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  DCDE_COSTO_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 10 unit cost
  DCDE_DETALLE      VARCHAR(120),             -- 11 line text
  CONSTRAINT PK_DEVOLUCIONES_COMPRAS_DET PRIMARY KEY (DVCO_ID, DCDE_ITEM)
);

-- Sales invoices.
CREATE TABLE FACTURAS (
  FACT_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  FACT_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (8 digits)
  FACT_FECHA          DATE NOT NULL,                        -- 3  date of the invoice
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  customer
  VEND_COD            INTEGER,                              -- 5  seller
  BODE_COD            VARCHAR(5),                           -- 6  warehouse
  LIPR_COD            VARCHAR(5),                           -- 7  price list
  FACT_FORMA_PAGO     CHAR(1) DEFAULT 'C',                  -- 8  C cash, R credit
  FACT_PLAZO          INTEGER DEFAULT 0,                    -- 9  credit days
  FACT_FECVENCE       DATE,                                 -- 10 due date
  FACT_SUBTOTAL       NUMERIC(15,2) DEFAULT 0,              -- 11 before discount and tax
  FACT_DESCUENTO      NUMERIC(15,2) DEFAULT 0,              -- 12 discount
  FACT_IVA            NUMERIC(15,2) DEFAULT 0,              -- 13 VAT
  FACT_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 14 income tax withheld
  FACT_RETEIVA        NUMERIC(15,2) DEFAULT 0,              -- 15 VAT withheld
  FACT_RETEICA        NUMERIC(15,2) DEFAULT 0,              -- 16 local tax withheld
  FACT_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 17 total of the invoice (base of the customer's points)
  FACT_COSTO          NUMERIC(15,2) DEFAULT 0,              -- 18 cost of the goods sold
  FACT_ABONOS         NUMERIC(15,2) DEFAULT 0,              -- 19 paid so far
  FACT_DESCRIPCION    VARCHAR(200),                         -- 20 description
  FACT_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 21 S when voided
  FACT_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 22 S when posted to accounting
  CAJA_COD            VARCHAR(5),                           -- 23 point-of-sale till
  FACT_USUARIO        VARCHAR(10),                          -- 24 user who registered it
  FACT_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 25 registration time
  FACT_OBSERVACION    VARCHAR(200),                         -- 26 remarks printed on the invoice
  CONSTRAINT PK_FACTURAS PRIMARY KEY (FACT_ID)
);

CREATE INDEX IX_FACTURAS_NUM ON FACTURAS (PREF_PRE, FACT_NUMERO);
CREATE INDEX IX_FACTURAS_TERC ON FACTURAS (TERC_NIT);

CREATE TABLE FACTURAS_DETALLE (
  FACT_ID             INTEGER NOT NULL,         -- 0  invoice (header identifier)
  FADE_ITEM           INTEGER NOT NULL,         -- 1  line number within the invoice
  ARTI_COD            VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD            VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD         VARCHAR(10),              -- 4  unit of measure
  FADE_DESCRIPCION    VARCHAR(120),             -- 5  line text
  FADE_CANTIDAD       NUMERIC(15,4) DEFAULT 0,  -- 6  quantity
  FADE_VALOR_UNIT     NUMERIC(15,4) DEFAULT 0,  -- 7  unit price
  FADE_PORC_DESC      NUMERIC(5,2) DEFAULT 0,   -- 8  discount %
  FADE_DESCUENTO      NUMERIC(15,2) DEFAULT 0,  -- 9  discount
  FADE_PORC_IVA       NUMERIC(5,2) DEFAULT 0,   -- 10 VAT %
  FADE_IVA            NUMERIC(15,2) DEFAULT 0,  -- 11 VAT
  FADE_PORC_RETE      NUMERIC(5,2) DEFAULT 0,   -- 12 withholding %
  FADE_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,  -- 13 income tax withheld
  FADE_SUBTOTAL       NUMERIC(15,2) DEFAULT 0,  -- 14 line total before tax
  FADE_COSTO_UNIT     NUMERIC(15,4) DEFAULT 0,  -- 15 unit cost
  CUEN_COD            VARCHAR(20),              -- 16 account of the line
  CECO_COD            VARCHAR(10),              -- 17 cost centre
  FADE_CANT_DEVUELTA  NUMERIC(15,4) DEFAULT 0,  -- 18 quantity returned so far (0 on an invoice received
                                                --    from another company: its returns are counted there)
  FADE_LOTE           VARCHAR(20),              -- 19 lot
  FADE_FECVENCE       DATE,                     -- 20 expiry of the lot
  CONSTRAINT PK_FACTURAS_DETALLE PRIMARY KEY (FACT_ID, FADE_ITEM)
);


-- Sales returns.
CREATE TABLE DEVOLUCIONES_VENTAS (
  DEVT_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  DEVT_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  DEVT_FECHA          DATE NOT NULL,                        -- 3  date of the return
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  customer
  VEND_COD            INTEGER,                              -- 5  seller
  BODE_COD            VARCHAR(5),                           -- 6  warehouse the goods return to
  DEVT_CONCEPTO       VARCHAR(10),                          -- 7  return concept
  DEVT_MOTIVO         VARCHAR(60),                          -- 8  reason
  DEVT_SUBTOTAL       NUMERIC(15,2) DEFAULT 0,              -- 9  before discount and tax
  DEVT_DESCUENTO      NUMERIC(15,2) DEFAULT 0,              -- 10 discount
  DEVT_IVA            NUMERIC(15,2) DEFAULT 0,              -- 11 VAT
  DEVT_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 12 income tax withheld
  DEVT_RETEIVA        NUMERIC(15,2) DEFAULT 0,              -- 13 VAT withheld
  DEVT_RETEICA        NUMERIC(15,2) DEFAULT 0,              -- 14 local tax withheld
  DEVT_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 15 total of the return (points taken back)
  DEVT_COSTO          NUMERIC(15,2) DEFAULT 0,              -- 16 cost of the goods returned
  DEVT_DESCRIPCION    VARCHAR(200),                         -- 17 description
  DEVT_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 18 S when voided
  DEVT_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 19 S when posted to accounting
  LIPR_COD            VARCHAR(5),                           -- 20 price list
  CAJA_COD            VARCHAR(5),                           -- 21 point-of-sale till
  DEVT_USUARIO        VARCHAR(10),                          -- 22 user who registered it
  DEVT_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 23 registration time
  DEVT_AFECTA_INV     CHAR(1) DEFAULT 'S',                  -- 24 S when the goods return to the stock
  DEVT_NOTACREDITO    VARCHAR(20),                          -- 25 credit note given to the customer
  DEVT_IMPLICA        CHAR(1) DEFAULT 'S',                  -- 26 S: its effects (stock, points) are still to be taken here; N: already taken
  DEVT_FECVENCE       DATE,                                 -- 27 due date of the credit
  DEVT_FACTURA        VARCHAR(20),                          -- 28 code of the sales invoice returned: prefix + 8-digit number
  DEVT_IDFACTURA      INTEGER DEFAULT 0,                    -- 29 that invoice (FACT_ID), 0 none
  DEVT_OBSERVACION    VARCHAR(200),                         -- 30 remarks
  CONSTRAINT PK_DEVOLUCIONES_VENTAS PRIMARY KEY (DEVT_ID)
);

CREATE INDEX IX_DEVOLUCIONES_VENTAS_NUM ON DEVOLUCIONES_VENTAS (PREF_PRE, DEVT_NUMERO);

CREATE TABLE DEVOLUCIONES_VENTAS_DETALLE (
  DEVT_ID           INTEGER NOT NULL,         -- 0  document (header identifier)
  DVDE_ITEM         INTEGER NOT NULL,         -- 1  line number within the document
  ARTI_COD          VARCHAR(20) NOT NULL,     -- 2  article
  BODE_COD          VARCHAR(5),               -- 3  warehouse
  UNAR_UNIDAD       VARCHAR(10),              -- 4  unit of measure
  DVDE_CANTIDAD     NUMERIC(15,4) DEFAULT 0,  -- 5  quantity
  DVDE_VALOR_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 6  unit value
  DVDE_PORC_DESC    NUMERIC(5,2) DEFAULT 0,   -- 7  discount %
  DVDE_PORC_IVA     NUMERIC(5,2) DEFAULT 0,   -- 8  VAT %
  DVDE_VALOR_TOTAL  NUMERIC(15,2) DEFAULT 0,  -- 9  line total
  DVDE_COSTO_UNIT   NUMERIC(15,4) DEFAULT 0,  -- 10 unit cost
  DVDE_DETALLE      VARCHAR(120),             -- 11 line text
  CONSTRAINT PK_DEVOLUCIONES_VENTAS_DETALLE PRIMARY KEY (DEVT_ID, DVDE_ITEM)
);
