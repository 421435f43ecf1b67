-- Treasury: payment vouchers, document exchanges, card deposits and cash
-- transfers.  Lines keyed by (header identifier, line number); lines that
-- name a document keep its type (TIDO_COD), identifier and code.

-- ---------------------------------------------------------------- payment vouchers

-- Payment vouchers (supplier payments and other disbursements).
CREATE TABLE EGRESOS (
  EGRE_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  EGRE_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  EGRE_FECHA          DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  beneficiary
  EGRE_BENEFICIARIO   VARCHAR(120),                         -- 5  name printed on the cheque
  EGRE_CONCEPTO       VARCHAR(10),                          -- 6  concept
  EGRE_DESCRIPCION    VARCHAR(200),                         -- 7  description
  EGRE_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 8  value of the documents paid
  EGRE_DESCUENTO      NUMERIC(15,2) DEFAULT 0,              -- 9  discounts taken
  EGRE_RETENCIONES    NUMERIC(15,2) DEFAULT 0,              -- 10 taxes withheld
  EGRE_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 11 total paid
  EGRE_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 12 S when voided
  EGRE_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 13 S when posted to accounting
  EGRE_USUARIO        VARCHAR(10),                          -- 14 user who registered it
  EGRE_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 15 registration time
  CONSTRAINT PK_EGRESOS PRIMARY KEY (EGRE_ID)
);
CREATE INDEX IX_EGRESOS_NUM ON EGRESOS (PREF_PRE, EGRE_NUMERO);

-- Supplier documents (purchase invoices, notes, advances...) paid.
CREATE TABLE EGRESOS_DETALLE (
  EGRE_ID          INTEGER NOT NULL,         -- 0  payment voucher (header identifier)
  EGDE_ITEM        INTEGER NOT NULL,         -- 1  line number
  TIDO_COD         INTEGER NOT NULL,         -- 2  type of the supplier document paid (TIDO_COD)
  EGDE_IDDOC       INTEGER,                  -- 3  identifier of that document
  EGDE_PREF        VARCHAR(10),              -- 4  its prefix
  EGDE_NUMERO      VARCHAR(10),              -- 5  its number
  EGDE_VALOR       NUMERIC(15,2) DEFAULT 0,  -- 6  value paid
  EGDE_DESCUENTO   NUMERIC(15,2) DEFAULT 0,  -- 7  discount taken
  EGDE_RETEFUENTE  NUMERIC(15,2) DEFAULT 0,  -- 8  income tax withheld
  EGDE_RETEIVA     NUMERIC(15,2) DEFAULT 0,  -- 9  VAT withheld
  EGDE_RETEICA     NUMERIC(15,2) DEFAULT 0,  -- 10 local tax withheld
  EGDE_FECVENCE    DATE,                     -- 11 due date of the document
  CONSTRAINT PK_EGRESOS_DETALLE PRIMARY KEY (EGRE_ID, EGDE_ITEM)
);

-- Customer documents crossed against the payment (compensation).
CREATE TABLE EGRESOS_CRUCEC (
  EGRE_ID           INTEGER NOT NULL,         -- 0  payment voucher (header identifier)
  EGCC_ITEM         INTEGER NOT NULL,         -- 1  line number
  TIDO_COD          INTEGER NOT NULL,         -- 2  type of the customer document crossed (TIDO_COD)
  EGCC_PREF         VARCHAR(10),              -- 3  its prefix
  EGCC_NUMERO       VARCHAR(10),              -- 4  its number
  EGCC_IDDOC        INTEGER DEFAULT 0,        -- 5  its identifier, 0 when unknown here
  EGCC_VALOR        NUMERIC(15,2) DEFAULT 0,  -- 6  value crossed
  EGCC_DESCRIPCION  VARCHAR(120),             -- 7  line text
  CONSTRAINT PK_EGRESOS_CRUCEC PRIMARY KEY (EGRE_ID, EGCC_ITEM)
);

-- Cash paid from the tills.
CREATE TABLE EGRESOS_CAJA (
  EGRE_ID           INTEGER NOT NULL,         -- 0  payment voucher (header identifier)
  EGCJ_ITEM         INTEGER NOT NULL,         -- 1  line number
  CAJA_COD          VARCHAR(5) NOT NULL,      -- 2  cash till that pays
  FOPA_COD          VARCHAR(5),               -- 3  means of payment
  EGCJ_VALOR        NUMERIC(15,2) DEFAULT 0,  -- 4  value paid from the till
  EGCJ_DESCRIPCION  VARCHAR(120),             -- 5  line text
  CONSTRAINT PK_EGRESOS_CAJA PRIMARY KEY (EGRE_ID, EGCJ_ITEM)
);

-- Cheques and transfers from the bank accounts.
CREATE TABLE EGRESOS_BANCO (
  EGRE_ID            INTEGER NOT NULL,         -- 0  payment voucher (header identifier)
  EGBA_ITEM          INTEGER NOT NULL,         -- 1  line number
  CUBA_COD           INTEGER NOT NULL,         -- 2  bank account that pays
  EGBA_FORMA         CHAR(1) DEFAULT 'C',      -- 3  C cheque, T transfer
  EGBA_NUMCHEQUE     VARCHAR(20),              -- 4  cheque or transfer number
  EGBA_FECHA         DATE,                     -- 5  date of the cheque
  EGBA_VALOR         NUMERIC(15,2) DEFAULT 0,  -- 6  value paid from the account
  EGBA_BENEFICIARIO  VARCHAR(120),             -- 7  payee
  CONSTRAINT PK_EGRESOS_BANCO PRIMARY KEY (EGRE_ID, EGBA_ITEM)
);

-- Other accounting entries of the payment (expenses paid directly).
CREATE TABLE EGRESOS_CONTABILIDAD (
  EGRE_ID           INTEGER NOT NULL,         -- 0  payment voucher (header identifier)
  EGCO_ITEM         INTEGER NOT NULL,         -- 1  line number
  CUEN_COD          VARCHAR(20) NOT NULL,     -- 2  account
  TERC_NIT          VARCHAR(20),              -- 3  third party
  CECO_COD          VARCHAR(10),              -- 4  cost centre
  EGCO_DESCRIPCION  VARCHAR(120),             -- 5  line text
  EGCO_DEBITO       NUMERIC(15,2) DEFAULT 0,  -- 6  debit
  EGCO_CREDITO      NUMERIC(15,2) DEFAULT 0,  -- 7  credit
  EGCO_BASE         NUMERIC(15,2) DEFAULT 0,  -- 8  taxable base
  CONSTRAINT PK_EGRESOS_CONTABILIDAD PRIMARY KEY (EGRE_ID, EGCO_ITEM)
);

-- ---------------------------------------------------------------- document exchanges

-- Document exchanges: a customer's cheques or vouchers taken in and others
-- (or cash) handed out in exchange.
CREATE TABLE CAMBIO_DOCUMENTOS (
  CADO_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  CADO_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  CADO_FECHA          DATE NOT NULL,                        -- 3  date of the document
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  customer
  CAJA_COD            VARCHAR(5),                           -- 5  cash till
  CADO_DESCRIPCION    VARCHAR(200),                         -- 6  description
  CADO_VALOR_ENTRA    NUMERIC(15,2) DEFAULT 0,              -- 7  value received
  CADO_VALOR_SALE     NUMERIC(15,2) DEFAULT 0,              -- 8  value handed back
  CADO_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 9  S when voided
  CADO_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 10 S when posted to accounting
  CADO_USUARIO        VARCHAR(10),                          -- 11 user who registered it
  CADO_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 12 registration time
  CONSTRAINT PK_CAMBIO_DOCUMENTOS PRIMARY KEY (CADO_ID)
);
CREATE INDEX IX_CAMBIO_DOCUMENTOS_NUM ON CAMBIO_DOCUMENTOS (PREF_PRE, CADO_NUMERO);

-- Documents taken in.
CREATE TABLE CAMBIODOC_ENTRADAS (
  CADO_ID       INTEGER NOT NULL,         -- 0  exchange (header identifier)
  CDEN_ITEM     INTEGER NOT NULL,         -- 1  line number
  FOPA_COD      VARCHAR(5) NOT NULL,      -- 2  kind: CH cheque, EF cash, TC card voucher...
  BANC_COD      VARCHAR(5),               -- 3  bank
  CDEN_NUMDOC   VARCHAR(20),              -- 4  cheque or voucher number
  CDEN_FECHA    DATE,                     -- 5  date of the cheque
  CDEN_VALOR    NUMERIC(15,2) DEFAULT 0,  -- 6  value
  CDEN_GIRADOR  VARCHAR(120),             -- 7  drawer of the cheque
  CONSTRAINT PK_CAMBIODOC_ENTRADAS PRIMARY KEY (CADO_ID, CDEN_ITEM)
);

-- Documents handed out.
CREATE TABLE CAMBIODOC_SALIDAS (
  CADO_ID       INTEGER NOT NULL,         -- 0  exchange (header identifier)
  CDSA_ITEM     INTEGER NOT NULL,         -- 1  line number
  FOPA_COD      VARCHAR(5) NOT NULL,      -- 2  kind: CH cheque, EF cash, TC card voucher...
  BANC_COD      VARCHAR(5),               -- 3  bank
  CDSA_NUMDOC   VARCHAR(20),              -- 4  cheque or voucher number
  CDSA_FECHA    DATE,                     -- 5  date of the cheque
  CDSA_VALOR    NUMERIC(15,2) DEFAULT 0,  -- 6  value
  CDSA_GIRADOR  VARCHAR(120),             -- 7  drawer of the cheque
  CONSTRAINT PK_CAMBIODOC_SALIDAS PRIMARY KEY (CADO_ID, CDSA_ITEM)
);

-- ---------------------------------------------------------------- card deposits

-- Deposits of card vouchers into a bank account.
CREATE TABLE CONSIGNA_TARJETAS (
  COTJ_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  COTJ_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  COTJ_FECHA          DATE NOT NULL,                        -- 3  date of the document
  CUBA_COD            INTEGER NOT NULL,                     -- 4  bank account credited
  CAJA_COD            VARCHAR(5),                           -- 5  cash till the vouchers come from
  COTJ_DESCRIPCION    VARCHAR(200),                         -- 6  description
  COTJ_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 7  value of the vouchers
  COTJ_COMISION       NUMERIC(15,2) DEFAULT 0,              -- 8  card commission
  COTJ_RETENCIONES    NUMERIC(15,2) DEFAULT 0,              -- 9  taxes withheld by the card network
  COTJ_NETO           NUMERIC(15,2) DEFAULT 0,              -- 10 net value credited
  COTJ_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 11 S when voided
  COTJ_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 12 S when posted to accounting
  COTJ_USUARIO        VARCHAR(10),                          -- 13 user who registered it
  COTJ_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 14 registration time
  CONSTRAINT PK_CONSIGNA_TARJETAS PRIMARY KEY (COTJ_ID)
);
CREATE INDEX IX_CONSIGNA_TARJETAS_NUM ON CONSIGNA_TARJETAS (PREF_PRE, COTJ_NUMERO);

-- Card vouchers deposited.
CREATE TABLE CONSIGNA_TARJETAS_DET (
  COTJ_ID          INTEGER NOT NULL,         -- 0  card deposit (header identifier)
  CTDT_ITEM        INTEGER NOT NULL,         -- 1  line number
  TARJ_COD         VARCHAR(5) NOT NULL,      -- 2  card network
  CTDT_VOUCHER     VARCHAR(20),              -- 3  voucher number
  CTDT_FECHA       DATE,                     -- 4  date of the voucher
  CTDT_VALOR       NUMERIC(15,2) DEFAULT 0,  -- 5  value
  CTDT_COMISION    NUMERIC(15,2) DEFAULT 0,  -- 6  commission
  CTDT_RETEFUENTE  NUMERIC(15,2) DEFAULT 0,  -- 7  income tax withheld
  CTDT_RETEIVA     NUMERIC(15,2) DEFAULT 0,  -- 8  VAT withheld
  CTDT_RETEICA     NUMERIC(15,2) DEFAULT 0,  -- 9  local tax withheld
  CONSTRAINT PK_CONSIGNA_TARJETAS_DET PRIMARY KEY (COTJ_ID, CTDT_ITEM)
);

-- ---------------------------------------------------------------- cash transfers

-- Transfers of money between cash tills.
CREATE TABLE TRASLADOS_CAJA (
  TRCJ_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  TRCJ_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  TRCJ_FECHA          DATE NOT NULL,                        -- 3  date of the document
  CAJA_ORIGEN         VARCHAR(5) NOT NULL,                  -- 4  till that sends
  CAJA_DESTINO        VARCHAR(5) NOT NULL,                  -- 5  till that receives
  TRCJ_DESCRIPCION    VARCHAR(200),                         -- 6  description
  TRCJ_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 7  value transferred
  TRCJ_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 8  S when voided
  TRCJ_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 9  S when posted to accounting
  TRCJ_USUARIO        VARCHAR(10),                          -- 10 user who registered it
  TRCJ_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 11 registration time
  CONSTRAINT PK_TRASLADOS_CAJA PRIMARY KEY (TRCJ_ID)
);
CREATE INDEX IX_TRASLADOS_CAJA_NUM ON TRASLADOS_CAJA (PREF_PRE, TRCJ_NUMERO);

-- What is moved.
CREATE TABLE TRASLADOS_CAJA_DET (
  TRCJ_ID      INTEGER NOT NULL,         -- 0  cash transfer (header identifier)
  TCDT_ITEM    INTEGER NOT NULL,         -- 1  line number
  FOPA_COD     VARCHAR(5) NOT NULL,      -- 2  means of payment moved
  TCDT_NUMDOC  VARCHAR(20),              -- 3  cheque or voucher number
  TCDT_VALOR   NUMERIC(15,2) DEFAULT 0,  -- 4  value
  CONSTRAINT PK_TRASLADOS_CAJA_DET PRIMARY KEY (TRCJ_ID, TCDT_ITEM)
);
