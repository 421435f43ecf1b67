-- Treasury: cash receipts and provisional receipts.  A receipt has several
-- sets of lines, each keyed by (receipt identifier, line number): the
-- documents it pays, the supplier documents crossed against it, and the
-- means of payment received.  Lines that name a document keep its type
-- (TIDO_COD), identifier and code, as the application lines do.

-- ---------------------------------------------------------------- cash receipts

-- Cash receipts.
CREATE TABLE RECIBOS_CAJA (
  RECA_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  RECA_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  RECA_FECHA          DATE NOT NULL,                        -- 3  date of the receipt
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  customer who pays
  COBR_COD            INTEGER,                              -- 5  collector
  CAJA_COD            VARCHAR(5),                           -- 6  cash till that receives
  RECA_CONCEPTO       VARCHAR(10),                          -- 7  concept
  RECA_DESCRIPCION    VARCHAR(200),                         -- 8  description
  RECA_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 9  value of the documents paid
  RECA_DESCUENTO      NUMERIC(15,2) DEFAULT 0,              -- 10 discounts granted
  RECA_RETENCIONES    NUMERIC(15,2) DEFAULT 0,              -- 11 taxes withheld by the customer
  RECA_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 12 total received
  RECA_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 13 S when voided
  RECA_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 14 S when posted to accounting
  RECA_USUARIO        VARCHAR(10),                          -- 15 user who registered it
  RECA_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 16 registration time
  CONSTRAINT PK_RECIBOS_CAJA PRIMARY KEY (RECA_ID)
);
CREATE INDEX IX_RECIBOS_CAJA_NUM ON RECIBOS_CAJA (PREF_PRE, RECA_NUMERO);

-- Customer documents (invoices, debit notes...) paid by the receipt.
CREATE TABLE RECIBOS_CAJA_DETALLE (
  RECA_ID          INTEGER NOT NULL,         -- 0  receipt (header identifier)
  RCDE_ITEM        INTEGER NOT NULL,         -- 1  line number
  TIDO_COD         INTEGER NOT NULL,         -- 2  type of the customer document paid (TIDO_COD)
  RCDE_IDDOC       INTEGER,                  -- 3  identifier of that document, 0 when unknown here
  RCDE_PREF        VARCHAR(10),              -- 4  its prefix
  RCDE_NUMERO      VARCHAR(10),              -- 5  its number
  RCDE_VALOR       NUMERIC(15,2) DEFAULT 0,  -- 6  value paid
  RCDE_DESCUENTO   NUMERIC(15,2) DEFAULT 0,  -- 7  discount granted
  RCDE_RETEFUENTE  NUMERIC(15,2) DEFAULT 0,  -- 8  income tax withheld
  RCDE_RETEIVA     NUMERIC(15,2) DEFAULT 0,  -- 9  VAT withheld
  RCDE_RETEICA     NUMERIC(15,2) DEFAULT 0,  -- 10 local tax withheld
  RCDE_INTERES     NUMERIC(15,2) DEFAULT 0,  -- 11 late interest charged
  RCDE_FECVENCE    DATE,                     -- 12 due date of the document
  CONSTRAINT PK_RECIBOS_CAJA_DETALLE PRIMARY KEY (RECA_ID, RCDE_ITEM)
);

-- Supplier documents crossed against the receipt (the customer is also a
-- supplier and part of the debt is settled by compensation).
CREATE TABLE RECIBOS_CAJA_CRUCEC (
  RECA_ID           INTEGER NOT NULL,         -- 0  receipt (header identifier)
  RCCC_ITEM         INTEGER NOT NULL,         -- 1  line number
  TIDO_COD          INTEGER NOT NULL,         -- 2  type of the supplier document crossed (TIDO_COD)
  RCCC_IDDOC        INTEGER,                  -- 3  identifier of that document, 0 when unknown here
  RCCC_PREF         VARCHAR(10),              -- 4  its prefix
  RCCC_NUMERO       VARCHAR(10),              -- 5  its number
  RCCC_VALOR        NUMERIC(15,2) DEFAULT 0,  -- 6  value crossed
  RCCC_DESCRIPCION  VARCHAR(120),             -- 7  line text
  CONSTRAINT PK_RECIBOS_CAJA_CRUCEC PRIMARY KEY (RECA_ID, RCCC_ITEM)
);

-- Means of payment received.
CREATE TABLE RECIBOS_CAJA_PAGO (
  RECA_ID            INTEGER NOT NULL,         -- 0  receipt (header identifier)
  RCPA_ITEM          INTEGER NOT NULL,         -- 1  line number
  FOPA_COD           VARCHAR(5) NOT NULL,      -- 2  means of payment: EF cash, CH cheque, TC card, TR transfer...
  RCPA_VALOR         NUMERIC(15,2) DEFAULT 0,  -- 3  value received
  BANC_COD           VARCHAR(5),               -- 4  bank of the cheque or card
  RCPA_NUMDOC        VARCHAR(20),              -- 5  cheque, card voucher or transfer number
  RCPA_FECHA         DATE,                     -- 6  date of the cheque (post-dated cheques)
  CUBA_COD           INTEGER,                  -- 7  bank account credited by a transfer
  RCPA_AUTORIZACION  VARCHAR(20),              -- 8  card authorisation
  CONSTRAINT PK_RECIBOS_CAJA_PAGO PRIMARY KEY (RECA_ID, RCPA_ITEM)
);

-- ---------------------------------------------------------------- provisional receipts

-- Provisional receipts: issued by a collector in the field, legalised later
-- by a cash receipt.
CREATE TABLE RECIBO_PROVISIONAL (
  RCPR_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  RCPR_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  RCPR_FECHA          DATE NOT NULL,                        -- 3  date of the receipt
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  customer who pays
  COBR_COD            INTEGER,                              -- 5  collector
  CAJA_COD            VARCHAR(5),                           -- 6  cash till that receives
  RCPR_LEGALIZADO     CHAR(1) DEFAULT 'N',                  -- 7  S when replaced by a cash receipt
  RCPR_CONCEPTO       VARCHAR(10),                          -- 8  concept
  RCPR_DESCRIPCION    VARCHAR(200),                         -- 9  description
  RCPR_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 10 value of the documents paid
  RCPR_DESCUENTO      NUMERIC(15,2) DEFAULT 0,              -- 11 discounts granted
  RCPR_RETENCIONES    NUMERIC(15,2) DEFAULT 0,              -- 12 taxes withheld by the customer
  RCPR_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 13 total received
  RCPR_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 14 S when voided
  RCPR_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 15 S when posted to accounting
  RCPR_USUARIO        VARCHAR(10),                          -- 16 user who registered it
  RCPR_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 17 registration time
  CONSTRAINT PK_RECIBO_PROVISIONAL PRIMARY KEY (RCPR_ID)
);
CREATE INDEX IX_RECIBO_PROVISIONAL_NUM ON RECIBO_PROVISIONAL (PREF_PRE, RCPR_NUMERO);

-- Customer documents paid (as written by the collector).
CREATE TABLE RECIBO_PROVISIONAL_DETALLE (
  RCPR_ID           INTEGER NOT NULL,         -- 0  provisional receipt (header identifier)
  RPDE_ITEM         INTEGER NOT NULL,         -- 1  line number
  TIDO_COD          INTEGER,                  -- 2  type of the customer document paid
  RPDE_PREF         VARCHAR(10),              -- 3  its prefix
  RPDE_NUMERO       VARCHAR(10),              -- 4  its number
  RPDE_VALOR        NUMERIC(15,2) DEFAULT 0,  -- 5  value paid
  RPDE_DESCUENTO    NUMERIC(15,2) DEFAULT 0,  -- 6  discount granted
  RPDE_DESCRIPCION  VARCHAR(120),             -- 7  line text
  CONSTRAINT PK_RECIBO_PROVISIONAL_DETALLE PRIMARY KEY (RCPR_ID, RPDE_ITEM)
);

-- Means of payment received.
CREATE TABLE RECIBO_PROVISIONAL_PAGO (
  RCPR_ID            INTEGER NOT NULL,         -- 0  receipt (header identifier)
  RPPA_ITEM          INTEGER NOT NULL,         -- 1  line number
  FOPA_COD           VARCHAR(5) NOT NULL,      -- 2  means of payment: EF cash, CH cheque, TC card, TR transfer...
  RPPA_VALOR         NUMERIC(15,2) DEFAULT 0,  -- 3  value received
  BANC_COD           VARCHAR(5),               -- 4  bank of the cheque or card
  RPPA_NUMDOC        VARCHAR(20),              -- 5  cheque, card voucher or transfer number
  RPPA_FECHA         DATE,                     -- 6  date of the cheque (post-dated cheques)
  CUBA_COD           INTEGER,                  -- 7  bank account credited by a transfer
  RPPA_AUTORIZACION  VARCHAR(20),              -- 8  card authorisation
  CONSTRAINT PK_RECIBO_PROVISIONAL_PAGO PRIMARY KEY (RCPR_ID, RPPA_ITEM)
);
